#ifndef VLRNA_PLATFORM_POSIX_POSIX_SYSTEM_H_
#define VLRNA_PLATFORM_POSIX_POSIX_SYSTEM_H_

#include <string>

#include "platform/posix/wine_prefix.h"
#include "platform/system.h"

namespace vlrna {

// The operating-system services on Linux, as a Windows program in the prefix
// would see them: the Windows folder is C:\windows, the system language
// comes from the locale (LC_ALL, LC_CTYPE, LANG), the program's folder is
// the Windows form of the folder of /proc/self/exe.
class PosixSystem : public System {
 public:
  explicit PosixSystem(const WinePrefix& prefix);

  std::string WindowsFolder() override;
  uint16_t SystemDefaultLangId() override;
  LocalTime Now() override;
  int64_t MonotonicMillis() override;
  // The version the build gave the project.
  ProgramVersion Version() override;
  // "Z:\media\cdrom\setup"; a drive root gives "D:".
  std::string ProgramFolder() override;
  // Flushes what the C library still buffers and ends at once, without
  // running destructors or exit handlers.
  [[noreturn]] void EndProcess(int exit_code) override;

 private:
  const WinePrefix& prefix_;
};

}  // namespace vlrna

#endif  // VLRNA_PLATFORM_POSIX_POSIX_SYSTEM_H_
