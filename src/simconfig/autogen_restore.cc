#include "simconfig/autogen_restore.h"

#include "platform/runtime_error.h"
#include "shell/program_end.h"
#include "simconfig/autogen_patch.h"

namespace vlrna {
namespace {

// Prepar3D v4 keeps a second description file for its legacy autogen.
constexpr int kPrepar3dV4Row = 5;

RestoreOutcome OutcomeOf(int patch_result) {
  switch (patch_result) {
    case kAutogenPatched:
      return RestoreOutcome::kRestored;
    case kAutogenAlreadyPatched:
      return RestoreOutcome::kUpToDate;
    case kAutogenInvalidFile:
      return RestoreOutcome::kNotRecognised;
    default:
      return RestoreOutcome::kMissing;
  }
}

RestoredFile RestoreOne(Context& ctx, const std::string& path) {
  RestoredFile file;
  file.path = path;
  try {
    file.outcome = OutcomeOf(PatchAutogenDescriptions(ctx, path, &file.overwritten));
  } catch (const RuntimeError& error) {
    LogError(ctx, error);
    file.outcome = RestoreOutcome::kNotWritten;
    file.reason = error.description();
  }
  return file;
}

}  // namespace

std::vector<std::string> AutogenFilesOf(int row, const std::string& folder) {
  std::vector<std::string> files = {folder + "Autogen\\AutogenDescriptions.spb"};
  if (row == kPrepar3dV4Row) files.push_back(folder + "Autogen\\AutogenDescriptions_Legacy.spb");
  return files;
}

std::vector<RestoredSimulator> RestoreAutogenDescriptions(Context& ctx) {
  std::vector<RestoredSimulator> restored;
  for (int row = 0; row < kSimulatorCount; ++row) {
    if (!ctx.state.gbSimFound[row]) continue;
    RestoredSimulator simulator;
    simulator.row = row;
    for (const std::string& path : AutogenFilesOf(row, ctx.state.gsSimPath[row])) {
      simulator.files.push_back(RestoreOne(ctx, path));
    }
    restored.push_back(std::move(simulator));
  }
  return restored;
}

}  // namespace vlrna
