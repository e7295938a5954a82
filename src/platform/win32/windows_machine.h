#ifndef VLRNA_PLATFORM_WIN32_WINDOWS_MACHINE_H_
#define VLRNA_PLATFORM_WIN32_WINDOWS_MACHINE_H_

#include "platform/platform.h"
#include "platform/win32/win32_code_page.h"
#include "platform/win32/win32_drives.h"
#include "platform/win32/win32_files.h"
#include "platform/win32/win32_processes.h"
#include "platform/win32/win32_registry.h"
#include "platform/win32/win32_system.h"

namespace vlrna {

// Every Windows service of this machine, made together:
//
//   WindowsMachine machine;
//   Platform platform = machine.MakePlatform(window, &zip);
struct WindowsMachine {
  WindowsMachine() = default;
  WindowsMachine(const WindowsMachine&) = delete;
  WindowsMachine& operator=(const WindowsMachine&) = delete;

  Platform MakePlatform(WindowLayer& window, Zip* zip) {
    return Platform{registry, files, drives, processes, system, sound, window, code_page, zip};
  }

  Win32CodePage code_page;
  Win32Registry registry;
  Win32Files files;
  Win32Drives drives;
  Win32Processes processes;
  Win32System system;
  Win32Sound sound;
};

}  // namespace vlrna

#endif  // VLRNA_PLATFORM_WIN32_WINDOWS_MACHINE_H_
