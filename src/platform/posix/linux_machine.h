#ifndef VLRNA_PLATFORM_POSIX_LINUX_MACHINE_H_
#define VLRNA_PLATFORM_POSIX_LINUX_MACHINE_H_

#include "platform/platform.h"
#include "platform/posix/posix_drives.h"
#include "platform/posix/posix_files.h"
#include "platform/posix/posix_processes.h"
#include "platform/posix/posix_registry.h"
#include "platform/posix/posix_sound.h"
#include "platform/posix/posix_system.h"
#include "platform/posix/wine_prefix.h"

namespace vlrna {

// Every Linux service of one Wine prefix, made together:
//
//   auto machine = std::make_unique<LinuxMachine>(WinePrefix::FromEnvironment());
//   Platform platform = machine->MakePlatform(window, &zip);
//
// The services refer to `prefix`, so the object stays where it was made.
// Hand machine->prefix to the parts that need to turn Windows paths into
// Unix ones (archive extraction, pictures).
struct LinuxMachine {
  explicit LinuxMachine(WinePrefix wine_prefix) : prefix(std::move(wine_prefix)) {}
  LinuxMachine(const LinuxMachine&) = delete;
  LinuxMachine& operator=(const LinuxMachine&) = delete;

  Platform MakePlatform(WindowLayer& window, Zip* zip) {
    return Platform{registry,           files, drives, processes, system, sound, window,
                    prefix.code_page(), zip};
  }

  WinePrefix prefix;
  PosixRegistry registry{prefix};
  PosixFiles files{prefix};
  PosixDrives drives{prefix, registry};
  PosixProcesses processes{prefix};
  PosixSystem system{prefix};
  PosixSound sound{prefix};
};

}  // namespace vlrna

#endif  // VLRNA_PLATFORM_POSIX_LINUX_MACHINE_H_
