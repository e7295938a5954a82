#ifndef VLRNA_SHELL_PROGRAM_END_H_
#define VLRNA_SHELL_PROGRAM_END_H_

#include <string>

#include "platform/runtime_error.h"
#include "shell/context.h"

namespace vlrna {

// Message box ids of this module.
inline constexpr char kFatalErrorBox[] = "fatal-error";
inline constexpr char kConfirmQuitBox[] = "confirm-quit";
inline constexpr char kUntrappedErrorBox[] = "untrapped-error";

// The one way out of the program. Stops the sound; when `message` is not
// empty, logs it and shows it in an "Error" box with "Program will abort!";
// logs "Closing all forms...", closes every window, logs "Aborting...", asks
// the launcher to end and ends the process with exit code 1. Nothing after
// the first step can stop it.
[[noreturn]] void FatalError(Context& ctx, const std::string& message);

// Asks whether to cancel the installation (catalogue entries 25 and 26).
// On yes logs "SETUP aborted by user!" and returns true.
bool ConfirmQuit(Context& ctx);

// The end of a run-time error that no routine on its way trapped: a box that
// names it, then the process ends with exit code 1 at once, without the
// closing sequence of FatalError and without a log line.
[[noreturn]] void EndOnUntrappedError(Context& ctx, const RuntimeError& error);

// Logs "Error Nr.<n> : <description> in Line <line> in Module <source>".
void LogError(Context& ctx, const RuntimeError& error);

}  // namespace vlrna

#endif  // VLRNA_SHELL_PROGRAM_END_H_
