#ifndef VLRNA_PAGES_UNATTENDED_RUN_H_
#define VLRNA_PAGES_UNATTENDED_RUN_H_

#include <functional>
#include <string>

#include "pages/unattended_options.h"
#include "platform/headless/headless_window.h"
#include "platform/platform.h"

namespace vlrna {

// Where an unattended run reports to.
struct UnattendedOutput {
  // Prints one line of the wizard's own text (ANSI code page bytes).
  std::function<void(const std::string& ansi)> print;
  // Prints one line that is already in the terminal's encoding.
  std::function<void(const std::string& native)> print_native;
  // The native path a Windows path maps to, where it differs from it; empty
  // when it cannot be mapped. Unset where Windows paths are native. Never
  // raises.
  std::function<std::string(const std::string& windows_path)> native_path;
};

// Exit codes of an unattended run.
inline constexpr int kExitInstalled = 0;   // finished page reached, every step done
inline constexpr int kExitEnded = 1;       // ended any other way
inline constexpr int kExitBadCommand = 2;  // refused command line (decided by the caller)
inline constexpr int kExitWithErrors = 3;  // finished, but a configuration edit failed

// Walks the wizard on `platform` (whose window layer must be `window`) as the
// options say, with the same pages and handlers as the graphical run: every
// page and message box is printed with the answer chosen, the installation's
// progress as lines. Questions it was not told about get the answer that ends
// safely; a page that does not move on ends the run through Cancel. Never
// returns: the run ends the one way the wizard ends, with the exit code of
// the outcome (see above).
[[noreturn]] void RunUnattended(Platform& platform, HeadlessWindow& window,
                                const UnattendedOptions& options, const UnattendedOutput& out);

}  // namespace vlrna

#endif  // VLRNA_PAGES_UNATTENDED_RUN_H_
