#include "install/install_recorder.h"

#include "install/install_sequence.h"
#include "platform/ascii_case.h"
#include "platform/runtime_error.h"
#include "shell/install_log.h"
#include "shell/simulator_table.h"
#include "simconfig/terrain_setting.h"

namespace vlrna {

std::string ResolveFolder(const std::string& folder) {
  std::vector<std::string> parts;
  size_t pos = 0;
  while (pos < folder.size()) {
    size_t slash = folder.find('\\', pos);
    if (slash == std::string::npos) slash = folder.size();
    std::string part = folder.substr(pos, slash - pos);
    pos = slash + 1;
    if (part.empty() || part == ".") continue;
    if (part == "..") {
      if (parts.size() > 1) parts.pop_back();
      continue;
    }
    parts.push_back(part);
  }
  std::string resolved;
  for (const std::string& part : parts) resolved += part + "\\";
  return resolved;
}

std::string ParentFolder(const std::string& path) {
  std::string trimmed = path;
  while (!trimmed.empty() && trimmed.back() == '\\') trimmed.pop_back();
  size_t slash = trimmed.find_last_of('\\');
  return slash == std::string::npos ? "" : trimmed.substr(0, slash + 1);
}

int ChosenSimulatorRow(const ProgramState& state) {
  for (int row = 0; row < kSimulatorCount; ++row) {
    if (state.gsSimDataPath[row].empty()) continue;
    if (SameIgnoringAsciiCase(state.gsSimDataPath[row] + "\\Scenery.cfg", state.gsSceneryCfg)) {
      return row;
    }
  }
  return -1;
}

std::string InstallRecordPath(const std::string& package_folder, int row) {
  return package_folder + InstallRecordName(row < 0 ? "" : kSimulatorShortNames[row]);
}

std::optional<InstallRecord> LoadInstallRecord(Files& files, const std::string& path) {
  try {
    if (!files.Stamp(path).exists) return std::nullopt;
    return ParseInstallRecord(files.ReadFile(path));
  } catch (const RuntimeError&) {
    return std::nullopt;
  }
}

InstallRecord::Terrain ReadTerrainState(IniService& ini, const std::string& cfg) {
  InstallRecord::Terrain state;
  const IniDocument* view = ini.View(cfg);
  std::optional<std::string> value;
  if (view != nullptr) value = view->Find(kTerrainSection, kTerrainKey);
  if (value) {
    state.before_value = *value;
  } else {
    const bool section = view != nullptr && view->HasSection(kTerrainSection);
    state.before =
        section ? InstallRecord::TerrainState::kNoKey : InstallRecord::TerrainState::kNoSection;
  }
  return state;
}

void InstallRecorder::Begin() {
  const ProgramState& s = ctx_.state;
  const int row = ChosenSimulatorRow(s);
  path_ = InstallRecordPath(s.gsInstPath, row);
  std::optional<InstallRecord> earlier = LoadInstallRecord(ctx_.platform.files, path_);
  record_ = earlier && SameIgnoringAsciiCase(earlier->simulator_folder, s.gsFSXPath)
                ? *earlier
                : InstallRecord();
  if (earlier) WriteLog(ctx_, "Installation record of an earlier installation found: " + path_);
  record_.simulator = row < 0 ? "" : kSimulatorShortNames[row];
  record_.simulator_folder = s.gsFSXPath;
  record_.scenery_cfg = s.gsSceneryCfg;
  record_.simulator_cfg = s.gsSimCfg;
  record_.package_folder = s.gsInstPath;
  record_.finished.clear();
}

void InstallRecorder::Unpacking(const std::string& archive, const std::string& destination,
                                const std::vector<ZipEntryInfo>& entries) {
  Files& files = ctx_.platform.files;
  const std::string base = ResolveFolder(destination);
  for (const ZipEntryInfo& entry : entries) {
    const std::string target = base + entry.name;
    for (std::string folder = entry.folder ? target + "\\" : ParentFolder(target);
         folder.size() > base.size(); folder = ParentFolder(folder)) {
      if (!files.FolderExists(folder)) record_.AddFolder(folder);
    }
    if (archive == kSimulatorArchive && !entry.folder) BackUpReplaced(target, entry.name);
  }
  Save();
}

void InstallRecorder::BackUpReplaced(const std::string& target, const std::string& name) {
  Files& files = ctx_.platform.files;
  // A file an earlier installation unpacked or already copied aside is no
  // file of the simulator's own.
  if (!files.Stamp(target).exists || record_.FindReplaced(target) || record_.FindUnpacked(target)) {
    return;
  }
  const std::string backup = record_.package_folder + "backup\\" + name;
  if (files.Stamp(backup).exists) {
    WriteLog(ctx_, "Copy of " + target + " kept: " + backup);
  } else {
    files.CreateFolders(ParentFolder(backup));
    files.CopyFile(target, backup);
    WriteLog(ctx_, "Copy of " + target + " written: " + backup);
  }
  record_.replaced.push_back({target, backup});
}

void InstallRecorder::Unpacked(const std::string& archive, const std::string& destination,
                               const std::vector<ZipEntryInfo>& entries) {
  const std::string base = ResolveFolder(destination);
  for (const ZipEntryInfo& entry : entries) {
    if (entry.folder) continue;
    const std::string path = base + entry.name;
    FileStamp stamp = ctx_.platform.files.Stamp(path);
    if (stamp.exists) record_.SetUnpacked({path, stamp.size, stamp.modified_ns});
  }
  Finished(archive);
}

void InstallRecorder::AreasRegistered(const std::vector<int>& areas, const std::string& backup) {
  for (int area : areas) {
    bool known = false;
    for (int old : record_.areas) known = known || old == area;
    if (!known) record_.areas.push_back(area);
  }
  if (record_.scenery_backup.empty()) record_.scenery_backup = backup;
}

void InstallRecorder::AutogenPatched(const std::string& path, const std::string& overwritten) {
  record_.SetAutogen({path, overwritten, path + ".copy"});
}

void InstallRecorder::TerrainEdited(const InstallRecord::Terrain& before,
                                    const InstallRecord::Terrain& after) {
  if (before.before == after.before && before.before_value == after.before_value) return;
  // An earlier installation's record knows the value from before the package.
  if (record_.terrain) {
    record_.terrain->after_value = after.before_value;
    return;
  }
  InstallRecord::Terrain terrain = before;
  terrain.after_value = after.before_value;
  record_.terrain = terrain;
}

void InstallRecorder::Finished(const std::string& step) {
  record_.AddFinished(step);
  Save();
}

void InstallRecorder::Save() {
  Files& files = ctx_.platform.files;
  try {
    if (!files.FolderExists(record_.package_folder)) files.CreateFolders(record_.package_folder);
    files.ReplaceFileAtomically(path_, FormatInstallRecord(record_));
  } catch (const RuntimeError& error) {
    WriteLog(ctx_, "WARNING: Installation record not written: " + error.description());
  }
}

}  // namespace vlrna
