#ifndef VLRNA_PLATFORM_FAKE_FAKE_PLATFORM_H_
#define VLRNA_PLATFORM_FAKE_FAKE_PLATFORM_H_

#include "platform/fake/fake_code_page.h"
#include "platform/fake/fake_files.h"
#include "platform/fake/fake_registry.h"
#include "platform/fake/fake_services.h"
#include "platform/fake/fake_zip.h"
#include "platform/headless/headless_window.h"
#include "platform/platform.h"

namespace vlrna {

// A whole machine made of fakes, with the headless window layer.
struct FakePlatform {
  FakeRegistry registry;
  FakeFiles files;
  FakeDrives drives;
  FakeProcesses processes;
  FakeSystem system;
  FakeSound sound;
  HeadlessWindow window;
  FakeZip zip;
  FakeCodePage code_page;
  Platform platform{registry, files, drives, processes, system, sound, window, code_page, &zip};
};

}  // namespace vlrna

#endif  // VLRNA_PLATFORM_FAKE_FAKE_PLATFORM_H_
