#include "install/package_removal.h"

#include <algorithm>
#include <functional>

#include "install/install_recorder.h"
#include "platform/ascii_case.h"
#include "platform/runtime_error.h"
#include "shell/install_log.h"
#include "shell/simulator_table.h"
#include "simconfig/autogen_restore.h"
#include "simconfig/autogen_unpatch.h"
#include "simconfig/scenery_library.h"
#include "simconfig/terrain_setting.h"

namespace vlrna {
namespace {

constexpr int kHighestArea = 999;
// The package folder's name, which every Local value of the package holds.
constexpr char kPackageFolder[] = "vlrna\\";

// Whether area `n` of `view` is one of the package's: a layer, and a Local
// value with one of the package's markers.
bool IsPackageArea(const IniDocument* view, int n) {
  const std::string section = AreaSection(n);
  if (IniService::ValueIn(view, section, "layer", "").empty()) return false;
  return PackageEntryOf(IniService::ValueIn(view, section, "local", "", 1279)) >= 0;
}

// The package folder a Local value of the package names: the text up to and
// with "vlrna\".
std::string PackageFolderOf(const std::string& local) {
  size_t at = AsciiLower(local).rfind(kPackageFolder);
  return at == std::string::npos ? "" : local.substr(0, at + sizeof kPackageFolder - 1);
}

class Removal {
 public:
  Removal(Context& ctx, IniService& ini, const InstalledPackage& installed)
      : ctx_(ctx), files_(ctx.platform.files), ini_(ini), installed_(installed) {
    report_.row = installed.row;
  }
  RemovalReport Run();

 private:
  // Finds the installation record of the simulator.
  void LoadRecord();
  void Step(const std::string& what, const std::function<void()>& step);
  void Removed(const std::string& line) {
    WriteLog(ctx_, line);
    report_.removed.push_back(line);
  }
  void Kept(const std::string& line) {
    WriteLog(ctx_, line);
    report_.kept.push_back(line);
  }
  void RemoveUnpackedFiles();
  void PutBackReplacedFiles();
  void RemoveAutogenRecords();
  void RemoveAutogenRecords(const std::string& path, const std::string& overwritten);
  void RestoreTerrain();
  void RestoreTerrainKey(const InstallRecord::Terrain& terrain);
  void RemoveRecordAndFolders();
  // Removes the empty folders below `folder`, deepest first, and `folder`
  // itself when it ends up empty.
  void RemoveEmptyTree(const std::string& folder);
  void RemoveAreas();

  Context& ctx_;
  Files& files_;
  IniService& ini_;
  const InstalledPackage& installed_;
  std::optional<InstallRecord> record_;
  std::string record_path_;
  RemovalReport report_;
};

RemovalReport Removal::Run() {
  LoadRecord();
  report_.had_record = record_.has_value();
  WriteLog(ctx_, "Removing the package from " + installed_.simulator_folder);
  if (record_) {
    WriteLog(ctx_, "Installation record: " + record_path_);
    Step("unpacked files", [this] { RemoveUnpackedFiles(); });
    Step("replaced files", [this] { PutBackReplacedFiles(); });
  } else {
    Kept("No installation record " + record_path_ + ": the files in " + installed_.package_folder +
         " are left as they are");
  }
  Step("autogen descriptions", [this] { RemoveAutogenRecords(); });
  Step("terrain setting", [this] { RestoreTerrain(); });
  // The record and the areas are what lets a second run find and finish the
  // job; they go only when everything before them went well.
  if (!report_.done()) {
    WriteLog(ctx_, "ERROR: Removal not finished; run it again");
    return report_;
  }
  Step("installation record", [this] { RemoveRecordAndFolders(); });
  if (report_.done()) Step("scenery.cfg", [this] { RemoveAreas(); });
  WriteLog(ctx_, report_.done() ? "Removal finished" : "ERROR: Removal not finished; run it again");
  return report_;
}

void Removal::LoadRecord() {
  record_path_ = InstallRecordPath(installed_.package_folder, installed_.row);
  record_ = LoadInstallRecord(files_, record_path_);
  if (record_) return;
  // A simulator given by its folder on the manual path page has a record
  // without a simulator's name; it is this one's when it names its library.
  const std::string unnamed = InstallRecordPath(installed_.package_folder, -1);
  std::optional<InstallRecord> record = LoadInstallRecord(files_, unnamed);
  if (record && SameIgnoringAsciiCase(record->scenery_cfg, installed_.scenery_cfg)) {
    record_ = std::move(record);
    record_path_ = unnamed;
  }
}

void Removal::Step(const std::string& what, const std::function<void()>& step) {
  try {
    step();
  } catch (const RuntimeError& error) {
    WriteLog(ctx_, "ERROR: Removal of the " + what + " failed: Error Nr." +
                       std::to_string(error.number()) + " : " + error.description());
    report_.failures.push_back(error.description());
  }
}

void Removal::RemoveUnpackedFiles() {
  for (const InstallRecord::Unpacked& file : record_->unpacked) {
    if (record_->FindReplaced(file.path) != nullptr) continue;
    FileStamp stamp = files_.Stamp(file.path);
    if (!stamp.exists) continue;
    if (stamp.size != file.size || stamp.modified_ns != file.modified_ns) {
      Kept("File changed since the installation, kept: " + file.path);
      continue;
    }
    files_.DeleteFile(file.path);
    Removed("File deleted: " + file.path);
  }
}

void Removal::PutBackReplacedFiles() {
  for (const InstallRecord::Replaced& file : record_->replaced) {
    if (!files_.Stamp(file.backup).exists) continue;  // put back by an earlier run
    const InstallRecord::Unpacked* unpacked = record_->FindUnpacked(file.path);
    FileStamp stamp = files_.Stamp(file.path);
    const bool ours = unpacked != nullptr && stamp.exists && stamp.size == unpacked->size &&
                      stamp.modified_ns == unpacked->modified_ns;
    const std::string original = files_.ReadFile(file.backup);
    if (!stamp.exists || ours) {
      files_.ReplaceFileAtomically(file.path, original);
      Removed("File put back: " + file.path);
    } else if (files_.ReadFile(file.path) != original) {
      Kept("File changed since the installation, kept: " + file.path +
           " (the file from before it: " + file.backup + ")");
      continue;
    }
    files_.DeleteFile(file.backup);
  }
}

void Removal::RemoveAutogenRecords() {
  std::vector<std::string> paths;
  if (record_) {
    for (const InstallRecord::Autogen& file : record_->autogen) paths.push_back(file.path);
  }
  for (const std::string& path : AutogenFilesOf(installed_.row, installed_.simulator_folder)) {
    bool known = false;
    for (const std::string& p : paths) known = known || SameIgnoringAsciiCase(p, path);
    if (!known) paths.push_back(path);
  }
  for (const std::string& path : paths) {
    const InstallRecord::Autogen* entry = record_ ? record_->FindAutogen(path) : nullptr;
    RemoveAutogenRecords(path, entry != nullptr ? entry->overwritten : "");
  }
}

void Removal::RemoveAutogenRecords(const std::string& path, const std::string& overwritten) {
  if (!files_.NormalFileExists(path)) return;
  std::string restored;
  switch (RemoveDefinitionBlock(files_.ReadFile(path), ctx_.state.gSpbDefinition, overwritten,
                                &restored)) {
    case UnpatchResult::kRemoved:
      files_.ReplaceFileAtomically(path, restored);
      Removed("Package records removed from " + path);
      break;
    case UnpatchResult::kNoRecords:
      WriteLog(ctx_, "No package records in " + path + ": left as it is");
      break;
    case UnpatchResult::kNotRecognised:
      Kept("Not an autogen description file the removal can read, left as it is: " + path);
      break;
    case UnpatchResult::kMoved:
      Kept("Package records changed since the installation, left as they are: " + path);
      break;
  }
}

void Removal::RestoreTerrain() {
  const std::string cfg = record_ ? record_->simulator_cfg : installed_.simulator_cfg;
  if (!record_ || !record_->terrain) {
    WriteLog(ctx_, std::string(kTerrainKey) + " left as it is in " + cfg + ": " +
                       (record_ ? "the installation did not change it"
                                : "no installation record holds its earlier value"));
    return;
  }
  const InstallRecord::Terrain& terrain = *record_->terrain;
  InstallRecord::Terrain now = ReadTerrainState(ini_, cfg);
  if (now.before == terrain.before && now.before_value == terrain.before_value) {
    WriteLog(ctx_, std::string(kTerrainKey) + " already as before the installation in " + cfg);
  } else if (now.before != InstallRecord::TerrainState::kValue ||
             now.before_value != terrain.after_value) {
    Kept(std::string(kTerrainKey) + " changed since the installation (" +
         (now.before == InstallRecord::TerrainState::kValue ? now.before_value : "missing") +
         "), left as it is in " + cfg);
  } else {
    RestoreTerrainKey(terrain);
  }
}

void Removal::RestoreTerrainKey(const InstallRecord::Terrain& terrain) {
  const std::string& cfg = record_->simulator_cfg;
  if (terrain.before == InstallRecord::TerrainState::kValue) {
    WriteIniValue(ini_, cfg, kTerrainSection, kTerrainKey, terrain.before_value);
    Removed(std::string(kTerrainKey) + " set back to " + terrain.before_value + " in " + cfg);
    return;
  }
  IniDocument document = ini_.Edit(cfg);
  document.RemoveKey(kTerrainSection, kTerrainKey);
  const bool section = terrain.before == InstallRecord::TerrainState::kNoSection &&
                       !document.SectionHasKeys(kTerrainSection);
  if (section) document.RemoveSection(kTerrainSection);
  ini_.Replace(cfg, std::move(document));
  Removed(std::string(kTerrainKey) + (section ? " and its section" : "") + " removed from " + cfg);
}

void Removal::RemoveRecordAndFolders() {
  // Folders outside the package folder are known from the record only, so
  // they go before it.
  if (record_) {
    std::vector<std::string> folders = record_->created_folders;
    std::sort(folders.begin(), folders.end(),
              [](const std::string& a, const std::string& b) { return a.size() > b.size(); });
    for (const std::string& folder : folders) {
      if (files_.RemoveEmptyFolder(folder)) WriteLog(ctx_, "Empty folder removed: " + folder);
    }
    if (files_.DeleteFile(record_path_)) WriteLog(ctx_, "Installation record deleted");
  }
  RemoveEmptyTree(installed_.package_folder);
}

void Removal::RemoveEmptyTree(const std::string& folder) {
  if (!files_.FolderExists(folder)) return;
  for (const std::string& name : files_.ListSubfolders(folder)) {
    if (name.empty() || name == "." || name == "..") continue;
    RemoveEmptyTree(folder + (folder.ends_with("\\") ? "" : "\\") + name + "\\");
  }
  if (files_.RemoveEmptyFolder(folder)) WriteLog(ctx_, "Empty folder removed: " + folder);
}

void Removal::RemoveAreas() {
  const std::string& cfg = installed_.scenery_cfg;
  IniDocument document = ini_.Edit(cfg);
  std::vector<int> areas;
  for (int n = 0; n <= kHighestArea; ++n) {
    while (IsPackageArea(&document, n) && document.RemoveSection(AreaSection(n))) {
      areas.push_back(n);
    }
  }
  if (areas.empty()) {
    WriteLog(ctx_, "No areas of the package in " + cfg);
    return;
  }
  const std::string backup = RemovalBackupOf(cfg);
  files_.CopyFile(cfg, backup);
  WriteLog(ctx_, "Copy of 'scenery.cfg' written: " + backup);
  ini_.Replace(cfg, std::move(document));
  for (int n : areas) Removed("Entry in 'scenery.cfg' removed! Area " + std::to_string(n));
}

}  // namespace

std::string RemovalBackupOf(const std::string& cfg) { return cfg + ".vlrna.removal.bak"; }

std::vector<InstalledPackage> FindInstalledPackages(Context& ctx, IniService& ini,
                                                    std::optional<int> only_row) {
  const ProgramState& s = ctx.state;
  std::vector<InstalledPackage> found;
  for (int row = 0; row < kSimulatorCount; ++row) {
    if (!s.gbSimFound[row] || (only_row && *only_row != row)) continue;
    InstalledPackage package;
    package.row = row;
    package.simulator_folder = s.gsSimPath[row];
    if (!package.simulator_folder.ends_with("\\")) package.simulator_folder += "\\";
    package.scenery_cfg = s.gsSimDataPath[row] + "\\Scenery.cfg";
    package.simulator_cfg = s.gsAppData + kSimulatorTable[row].config_file;
    const IniDocument* view = ini.View(package.scenery_cfg);
    for (int n = 0; n <= kHighestArea && view != nullptr; ++n) {
      if (!IsPackageArea(view, n)) continue;
      package.areas.push_back(n);
      if (package.package_folder.empty()) {
        package.package_folder =
            PackageFolderOf(IniService::ValueIn(view, AreaSection(n), "local", "", 1279));
      }
    }
    // Two rows that share one library (one folder for both editions of
    // Flight Simulator X) hold one installation.
    bool shared = false;
    for (const InstalledPackage& other : found) {
      shared = shared || SameIgnoringAsciiCase(other.scenery_cfg, package.scenery_cfg);
    }
    if (!package.areas.empty() && !shared) found.push_back(std::move(package));
  }
  return found;
}

void RecordRestoredAutogen(Context& ctx, IniService& ini,
                           const std::vector<RestoredSimulator>& restored) {
  for (const RestoredSimulator& simulator : restored) {
    std::vector<InstalledPackage> found = FindInstalledPackages(ctx, ini, simulator.row);
    if (found.empty()) continue;
    const std::string path = InstallRecordPath(found.front().package_folder, simulator.row);
    std::optional<InstallRecord> record = LoadInstallRecord(ctx.platform.files, path);
    if (!record) continue;
    bool changed = false;
    for (const RestoredFile& file : simulator.files) {
      if (file.outcome != RestoreOutcome::kRestored) continue;
      record->SetAutogen({file.path, file.overwritten, file.path + ".copy"});
      changed = true;
    }
    if (!changed) continue;
    try {
      ctx.platform.files.ReplaceFileAtomically(path, FormatInstallRecord(*record));
      WriteLog(ctx, "Installation record updated: " + path);
    } catch (const RuntimeError& error) {
      WriteLog(ctx, "WARNING: Installation record not written: " + error.description());
    }
  }
}

RemovalReport RemovePackage(Context& ctx, IniService& ini, const InstalledPackage& installed) {
  return Removal(ctx, ini, installed).Run();
}

}  // namespace vlrna
