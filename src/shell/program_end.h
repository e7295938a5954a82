#ifndef VLRNA_SHELL_PROGRAM_END_H_
#define VLRNA_SHELL_PROGRAM_END_H_

#include <string>

#include "platform/runtime_error.h"
#include "shell/context.h"

namespace vlrna {

// Message box ids of this module.
inline constexpr char kFatalErrorBox[] = "fatal-error";
inline constexpr char kConfirmQuitBox[] = "confirm-quit";

// The one way out of the program. Stops the sound; when `message` is not
// empty, logs it and shows it in an "Error" box with "Program will abort!";
// logs "Closing all forms...", closes every window, logs "Aborting...", asks
// the launcher to end and ends the process with exit code 1. Nothing after
// the first step can stop it.
[[noreturn]] void FatalError(Context& ctx, const std::string& message);

// Asks whether to cancel the installation (catalogue entries 25 and 26).
// On yes logs "SETUP aborted by user!" and returns true.
bool ConfirmQuit(Context& ctx);

// Logs "Error Nr.<n> : <description> in Line <line> in Module <source>".
void LogError(Context& ctx, const RuntimeError& error);

}  // namespace vlrna

#endif  // VLRNA_SHELL_PROGRAM_END_H_
