#ifndef VLRNA_SHELL_SHARED_HELPERS_H_
#define VLRNA_SHELL_SHARED_HELPERS_H_

#include <string>

#include "shell/context.h"

namespace vlrna {

// `path` with one trailing backslash and no doubled backslash anywhere
// ("C:\\Games\\\" gives "C:\Games\").
std::string AddTrailingBackslash(const std::string& path);

// Whether a medium is in the drive. A text that names no drive raises
// RuntimeError 68.
bool DriveIsReady(Context& ctx, const std::string& drive);

// The folder (no trailing backslash) of the last running process whose
// executable name is exactly `executable` (case counts), which it keeps in
// goLauncherProcess; empty when none runs or the list cannot be had.
std::string FindProcessFolder(Context& ctx, const std::string& executable);

// The free bytes available to the calling user on the volume of `root`
// ("C:\"); 0 when the query fails.
double FreeDiskBytes(Context& ctx, const std::string& root);

}  // namespace vlrna

#endif  // VLRNA_SHELL_SHARED_HELPERS_H_
