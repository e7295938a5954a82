// The Linux wizard: the Wine prefix of the simulator is the machine it
// installs into; Qt draws the pages, or, without a display or with
// --unattended, it runs without a screen as far as the pages go.

#include <cstdio>
#include <cstring>
#include <memory>
#include <string>

#include "app/unattended_run.h"
#include "pages/wizard.h"
#include "platform/archive/archive_zip.h"
#include "platform/posix/linux_machine.h"
#include "platform/qt/qt_window_layer.h"
#include "shell/program_end.h"

namespace vlrna {
namespace {

constexpr char kUsage[] =
    "usage: vlrna-setup [--unattended]\n"
    "  Installs the Veltrona scenery into the Wine prefix named by WINEPREFIX\n"
    "  (else ~/.wine). Start it through VLRSetup.exe on the installation medium.\n"
    "  --unattended  run without a display: accept every proposal and print\n"
    "                what the wizard shows\n";

int RunWithQt(LinuxMachine& machine, Zip& zip, int& argc, char** argv) {
  const WinePrefix& prefix = machine.prefix;
  std::unique_ptr<QtWindowLayer> window = MakeQtWindowLayer(
      argc, argv, [&prefix](const std::string& path) { return prefix.ToUnixPath(path); });
  Platform platform = machine.MakePlatform(*window, &zip);
  ProgramState state;
  Context ctx{state, platform};
  Wizard wizard(ctx);
  try {
    wizard.Start();
    return window->Run();
  } catch (const RuntimeError& error) {
    EndOnUntrappedError(ctx, error);
  }
}

int Main(int argc, char** argv) {
  bool unattended = false;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--unattended") == 0) {
      unattended = true;
    } else if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
      std::fputs(kUsage, stdout);
      return 0;
    }
  }
  std::unique_ptr<LinuxMachine> machine;
  try {
    machine = std::make_unique<LinuxMachine>(WinePrefix::FromEnvironment());
  } catch (const RuntimeError& error) {
    std::fprintf(stderr, "vlrna-setup: %s\n", error.description().c_str());
    return 2;
  }
  const WinePrefix& prefix = machine->prefix;
  ArchiveZip zip({[&prefix](const std::string& path) { return prefix.ToUnixPath(path); }});
  if (!unattended && !HasDisplay()) {
    std::fputs(
        "vlrna-setup: no display (neither DISPLAY nor WAYLAND_DISPLAY is set).\n"
        "  Run it on your desktop, or without a screen with: VLRSetup.exe --unattended\n",
        stderr);
    return 2;
  }
  if (unattended) return RunUnattended(*machine, zip);
  return RunWithQt(*machine, zip, argc, argv);
}

}  // namespace
}  // namespace vlrna

int main(int argc, char** argv) { return vlrna::Main(argc, argv); }
