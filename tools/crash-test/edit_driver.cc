// Runs the wizard's edits of the simulator's files over a Wine prefix folder,
// through the Linux platform, so that a crash test can kill it at any moment:
//
//   vlrna-edit-driver PREFIX
//
// Registers the scenery areas in C:\Sim\Scenery.cfg, patches
// C:\Sim\Autogen\AutogenDescriptions.spb with a test definition block and
// raises the terrain setting in C:\Sim\fsx.cfg; the log goes to
// C:\users\pilot.
#include <cstdio>
#include <exception>

#include "platform/headless/headless_window.h"
#include "platform/posix/linux_machine.h"
#include "platform/runtime_error.h"
#include "shell/context.h"
#include "shell/install_log.h"
#include "simconfig/autogen_patch.h"
#include "simconfig/autogen_test_files.h"
#include "simconfig/ini_service.h"
#include "simconfig/scenery_library.h"
#include "simconfig/terrain_setting.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: vlrna-edit-driver PREFIX\n");
    return 2;
  }
  try {
    vlrna::LinuxMachine machine(vlrna::WinePrefix::Open(argv[1]));
    vlrna::HeadlessWindow window;
    vlrna::Platform platform = machine.MakePlatform(window, nullptr);
    vlrna::ProgramState state;
    vlrna::Context ctx{state, platform};
    state.gsUserDir = "C:\\users\\pilot";
    vlrna::MakeLogFileName(ctx);
    state.gsInstPath = "D:\\Scenery\\vlrna\\";
    vlrna::IniService ini(platform.files, platform.code_page);
    vlrna::RegisterSceneryAreas(ctx, ini, "C:\\Sim\\Scenery.cfg");
    state.gSpbDefinition = vlrna::DefinitionBlock();
    vlrna::PatchAutogenDescriptions(ctx, "C:\\Sim\\Autogen\\AutogenDescriptions.spb");
    vlrna::SetAutogenPolygonPixels(ctx, ini, "C:\\Sim\\fsx.cfg");
  } catch (const vlrna::RuntimeError& e) {
    std::fprintf(stderr, "vlrna-edit-driver: %s\n", e.description().c_str());
    return 1;
  } catch (const std::exception& e) {
    std::fprintf(stderr, "vlrna-edit-driver: %s\n", e.what());
    return 1;
  }
  return 0;
}
