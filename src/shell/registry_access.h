#ifndef VLRNA_SHELL_REGISTRY_ACCESS_H_
#define VLRNA_SHELL_REGISTRY_ACCESS_H_

#include <cstdint>
#include <string>

#include "platform/runtime_error.h"
#include "shell/context.h"

namespace vlrna {

inline constexpr char kRegistryErrorBox[] = "registry-error";

// Reads one registry value as text. `root` 0 is HKEY_LOCAL_MACHINE, 1 is
// HKEY_CURRENT_USER; any other root fails like a key that cannot be opened.
// `value` is emptied first. Returns the status of opening the key or of
// reading the value when that fails, which leaves `value` empty, else 0 (also
// for a missing value or a type other than a string or a 32-bit number, which
// leave `value` empty). Strings lose their terminator and
// every NUL; numbers come as signed decimal text. A string longer than 511
// characters, or any other run-time error, ends the program through
// ReportRegistryError.
int32_t GetRegistry(Context& ctx, int32_t root, const std::string& key_path,
                    const std::string& value_name, std::string& value);

// The registry module's error report: logs the error, shows the
// "Guru-Meditation" box naming `function` and ends the program.
[[noreturn]] void ReportRegistryError(Context& ctx, const RuntimeError& error,
                                      const std::string& function);

}  // namespace vlrna

#endif  // VLRNA_SHELL_REGISTRY_ACCESS_H_
