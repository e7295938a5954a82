#include "install/install_sequence.h"

#include "shell/archive_keys.h"
#include "shell/install_log.h"
#include "shell/program_end.h"
#include "simconfig/autogen_patch.h"
#include "simconfig/scenery_library.h"
#include "simconfig/terrain_setting.h"

namespace vlrna {
namespace {

// The statements that can fail, numbered for the error reports.
enum Line : int32_t {
  kLineExtract = 5,
  kLineRegister = 8,
  kLinePatch = 9,
  kLineTerrain = 10,
};

// The error trap: the error is logged and shown, and the run goes on.
// Returns false when `statement` failed.
bool Trapped(Context& ctx, const char* box, int32_t line, const std::function<void()>& statement) {
  try {
    statement();
    return true;
  } catch (RuntimeError& error) {
    error.set_line(line);
    LogError(ctx, error);
    ctx.platform.window.ShowMessage(
        {box, "Error Nr." + std::to_string(error.number()) + " : " + error.description(),
         ctx.state.MessageCatalogue[23], MessageIcon::kCritical, MessageButtons::kOk});
    return false;
  }
}

// The characters 2 to 9 of the archive's key: the eight hex digits after the brace.
std::string Password(const std::string& key) { return key.size() > 1 ? key.substr(1, 8) : ""; }

void ExtractArchiveStep(Context& ctx, Page& page, const ArchiveExtractor& extract, size_t index) {
  const ProgramState& s = ctx.state;
  const ArchiveKeyUse& use = kArchiveKeyUses[index];
  const std::string name(use.archive);
  const bool into_simulator = name == kSimulatorArchive;
  const std::string folder = into_simulator ? s.gsFSXPath : s.gsInstPath;
  // The package archives hold the package folder itself, so they go one up
  // from it; the log names the package folder.
  const std::string destination = into_simulator ? s.gsFSXPath : s.gsInstPath + "..\\";
  const std::string counter = " (" + std::to_string(index + 1) + "/9)";
  page["Lab1"].text = s.MessageCatalogue[33] + counter;
  // The step shows before the unpacking starts, which may not yield soon.
  ctx.platform.window.Refresh(page);
  WriteLog(ctx, "Extracting archive " + name + " to " + folder);
  // A run-time error counts as a failure, after the trap has reported it.
  bool failed = true;
  Trapped(ctx, kInstallStepErrorBox, kLineExtract,
          [&] { failed = extract(index, name, Password(s.gsArchiveGuid[use.key]), destination); });
  if (failed) FatalError(ctx, "Error extracting file!");
}

// One configuration edit under the trap; a failure is remembered for the
// finished page and logged with what it was.
void EditStep(Context& ctx, int32_t line, const std::string& failure_log,
              const std::function<void()>& edit) {
  if (!Trapped(ctx, kInstallEditErrorBox, line, edit)) {
    ctx.state.gbEditFailed = true;
    WriteLog(ctx, failure_log);
  }
}

// The three edits, each telling `recorder` (when there is one) what it did
// once it is done.
void RunEdits(Context& ctx, IniService& ini, InstallRecorder* recorder) {
  ProgramState& s = ctx.state;
  auto finished = [recorder](const char* step) {
    if (recorder != nullptr) recorder->Finished(step);
  };
  EditStep(ctx, kLineRegister, "ERROR: Scenery areas not registered in " + s.gsSceneryCfg + "!",
           [&] {
             std::vector<int> areas = RegisterSceneryAreas(ctx, ini, s.gsSceneryCfg);
             if (recorder != nullptr)
               recorder->AreasRegistered(areas, s.gsSceneryCfg + ".vlrna.bak");
             finished("scenery.cfg");
           });
  const std::string autogen = s.gsFSXPath + "Autogen\\AutogenDescriptions.spb";
  EditStep(ctx, kLinePatch, "ERROR: Autogen descriptions not patched in " + autogen + "!", [&] {
    std::string overwritten;
    if (PatchAutogenDescriptions(ctx, autogen, &overwritten) == kAutogenPatched &&
        recorder != nullptr) {
      recorder->AutogenPatched(autogen, overwritten);
    }
    finished("autogen");
  });
  EditStep(ctx, kLineTerrain, "ERROR: Terrain setting not changed in " + s.gsSimCfg + "!", [&] {
    InstallRecord::Terrain before = ReadTerrainState(ini, s.gsSimCfg);
    SetAutogenPolygonPixels(ctx, ini, s.gsSimCfg);
    if (recorder != nullptr) recorder->TerrainEdited(before, ReadTerrainState(ini, s.gsSimCfg));
    finished("terrain");
  });
}

}  // namespace

void RunInstallation(Context& ctx, IniService& ini, Page& page, const ArchiveExtractor& extract,
                     InstallRecorder* recorder) {
  ProgramState& s = ctx.state;
  for (size_t index = 0; index < kArchiveKeyUses.size(); ++index) {
    ExtractArchiveStep(ctx, page, extract, index);
  }
  page["Lab1"].text = s.MessageCatalogue[42];
  ctx.platform.window.Refresh(page);
  RunEdits(ctx, ini, recorder);
  if (recorder != nullptr) recorder->Finished("all");
  page["Lab1"].text = s.MessageCatalogue[34];
}

}  // namespace vlrna
