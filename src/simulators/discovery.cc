#include "simulators/discovery.h"

#include <cstdlib>

#include "shell/install_log.h"
#include "shell/program_end.h"
#include "shell/registry_access.h"
#include "shell/shared_helpers.h"
#include "shell/simulator_table.h"

namespace vlrna {
namespace {

// Reads one folder value; ends the program when the key is missing
// (`not_found`) or the value is missing or empty (`empty`).
std::string ReadRequiredFolder(Context& ctx, int32_t root, const char* key, const char* value,
                               const char* not_found, const char* empty) {
  std::string folder;
  if (GetRegistry(ctx, root, key, value, folder) != 0) FatalError(ctx, not_found);
  if (folder.empty()) FatalError(ctx, empty);
  return folder;
}

}  // namespace

void CheckFreeSpaceGate(Context& ctx) {
  const ProgramState& s = ctx.state;
  if (std::atof(s.gsFixedDrives[0].c_str()) != 0) return;
  ctx.platform.window.ShowMessage({kNoSpaceBox, s.MessageCatalogue[12], s.MessageCatalogue[1],
                                   MessageIcon::kInformation, MessageButtons::kOk});
  FatalError(ctx, "ERROR: No drive with enough space found!");
}

void FindApplicationDataFolders(Context& ctx) {
  ProgramState& s = ctx.state;
  s.gsAppData = ReadRequiredFolder(ctx, 1, "Volatile Environment", "APPDATA",
                                   "ERROR: User Roaming Directory not found in registry!",
                                   "ERROR: User Roaming Directory is empty in registry!");
  WriteLog(ctx, "User Roaming Directory found at " + s.gsAppData);
  s.gsCommonAppData = ReadRequiredFolder(
      ctx, 0, "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders",
      "Common AppData", "ERROR: Common Appdata Path not found in registry!",
      "ERROR: Common Appdata Path is empty in registry!");
  WriteLog(ctx, "Common Appdata Path found at " + s.gsCommonAppData);
}

void DiscoverSimulator(Context& ctx, int row) {
  ProgramState& s = ctx.state;
  const SimulatorRow& sim = kSimulatorTable[row];
  std::string folder;
  GetRegistry(ctx, 1, sim.registry_key, kAppPathValue, folder);  // only the text counts
  if (folder.empty()) {
    s.gbSimFound[row] = false;
    WriteLog(ctx, std::string("ERROR: ") + sim.log_name + " Path not found in registry!");
    return;
  }
  s.gbSimFound[row] = true;
  s.gsSimPath[row] = AddTrailingBackslash(folder);
  if (row == 0) s.gsFSXPath = s.gsSimPath[row];
  WriteLog(ctx, std::string(sim.log_name) + " Path found: " + s.gsSimPath[row]);
  s.gsSimDataPath[row] = s.gsCommonAppData + sim.data_folder;
}

}  // namespace vlrna
