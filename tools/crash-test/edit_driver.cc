// Runs the wizard's edits of the simulator's files over a Wine prefix folder,
// through the Linux platform, so that a crash test can kill it at any moment:
//
//   vlrna-edit-driver PREFIX [--remove]
//
// Registers the scenery areas in C:\Sim\Scenery.cfg, patches
// C:\Sim\Autogen\AutogenDescriptions.spb with a test definition block and
// raises the terrain setting in C:\Sim\fsx.cfg, keeping the installation
// record in C:\Sim\vlrna\ as the installation does; with --remove, undoes
// that as the removal does. The log goes to C:\users\pilot.
#include <cstdio>
#include <cstring>
#include <exception>

#include "install/install_recorder.h"
#include "install/install_sequence.h"
#include "install/package_removal.h"
#include "platform/headless/headless_window.h"
#include "platform/posix/linux_machine.h"
#include "platform/runtime_error.h"
#include "shell/context.h"
#include "shell/install_log.h"
#include "simconfig/autogen_test_files.h"
#include "simconfig/ini_service.h"

namespace vlrna {
namespace {

constexpr char kSim[] = "C:\\Sim\\";

// The three edits as the installation runs them, with no archive to unpack.
bool Install(Context& ctx, IniService& ini) {
  InstallRecorder recorder(ctx);
  recorder.Begin();
  Page page("InstallStart", 100, 100);
  Control label;
  label.name = "Lab1";
  page.Add(label);
  RunInstallation(
      ctx, ini, page,
      [](size_t, const std::string&, const std::string&, const std::string&) { return false; },
      &recorder);
  return !ctx.state.gbEditFailed;
}

bool Remove(Context& ctx, IniService& ini) {
  const ProgramState& s = ctx.state;
  InstalledPackage package{-1, kSim, s.gsSceneryCfg, s.gsSimCfg, s.gsInstPath, {}};
  return RemovePackage(ctx, ini, package).done();
}

int Main(int argc, char** argv) {
  const bool remove = argc == 3 && std::strcmp(argv[2], "--remove") == 0;
  if (argc != 2 && !remove) {
    std::fprintf(stderr, "usage: vlrna-edit-driver PREFIX [--remove]\n");
    return 2;
  }
  LinuxMachine machine(WinePrefix::Open(argv[1]));
  HeadlessWindow window;
  // The boxes of the installation's error trap say what failed; the crash
  // test reads that from the standard error.
  window.set_confirm_ok_boxes(true);
  window.set_on_message([](const MessageRequest& box, MessageAnswer) {
    std::fprintf(stderr, "vlrna-edit-driver: %s\n", box.text.c_str());
  });
  Platform platform = machine.MakePlatform(window, nullptr);
  ProgramState state;
  Context ctx{state, platform};
  state.gsUserDir = "C:\\users\\pilot";
  MakeLogFileName(ctx);
  state.gsFSXPath = kSim;
  state.gsSceneryCfg = std::string(kSim) + "Scenery.cfg";
  state.gsSimCfg = std::string(kSim) + "fsx.cfg";
  state.gsInstPath = std::string(kSim) + "vlrna\\";
  state.gSpbDefinition = DefinitionBlock();
  IniService ini(platform.files, platform.code_page);
  return (remove ? Remove(ctx, ini) : Install(ctx, ini)) ? 0 : 1;
}

}  // namespace
}  // namespace vlrna

int main(int argc, char** argv) {
  try {
    return vlrna::Main(argc, argv);
  } catch (const vlrna::RuntimeError& e) {
    std::fprintf(stderr, "vlrna-edit-driver: %s\n", e.description().c_str());
  } catch (const std::exception& e) {
    std::fprintf(stderr, "vlrna-edit-driver: %s\n", e.what());
  }
  return 1;
}
