#ifndef VLRNA_PLATFORM_PLATFORM_H_
#define VLRNA_PLATFORM_PLATFORM_H_

#include "platform/ansi_code_page.h"
#include "platform/drives.h"
#include "platform/files.h"
#include "platform/processes.h"
#include "platform/registry.h"
#include "platform/sound.h"
#include "platform/system.h"
#include "platform/window.h"

namespace vlrna {

class Zip;  // platform/zip.h

// The services of one machine, as the core sees them. Only app/ builds a real
// one; tests build one from fakes.
struct Platform {
  Registry& registry;
  Files& files;
  Drives& drives;
  Processes& processes;
  System& system;
  Sound& sound;
  WindowLayer& window;
  const AnsiCodePage& code_page;
  Zip* zip = nullptr;
};

}  // namespace vlrna

#endif  // VLRNA_PLATFORM_PLATFORM_H_
