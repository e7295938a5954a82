#ifndef VLRNA_INSTALL_INSTALL_RECORDER_H_
#define VLRNA_INSTALL_INSTALL_RECORDER_H_

#include <string>
#include <vector>

#include "install/install_record.h"
#include "platform/zip.h"
#include "shell/context.h"
#include "simconfig/ini_service.h"

namespace vlrna {

// The simulator table row whose scenery library is gsSceneryCfg, or -1.
int ChosenSimulatorRow(const ProgramState& state);

// The path of the installation record of simulator `row` (-1: none known) in
// the package folder `package_folder` (ending in a backslash).
std::string InstallRecordPath(const std::string& package_folder, int row);

// Reads the record at `path`; nothing when it is missing or unreadable.
// Never raises.
std::optional<InstallRecord> LoadInstallRecord(Files& files, const std::string& path);

// How the terrain key of `cfg` stands now.
InstallRecord::Terrain ReadTerrainState(IniService& ini, const std::string& cfg);

// Keeps the installation record while the installation runs and writes it
// (Files::ReplaceFileAtomically) after every step it hears of, so a run that
// ends part-way leaves a record of what it finished. A record that an
// earlier installation of the same simulator into the same package folder
// left is carried on: what that one changed stays to be undone.
// Failures to write the record are logged and do not stop the installation;
// failures to copy a file aside before it is overwritten raise.
class InstallRecorder {
 public:
  explicit InstallRecorder(Context& ctx) : ctx_(ctx) {}

  // Starts the record for the installation the program state describes.
  void Begin();

  // Archive `archive` is open and about to be unpacked below `destination`
  // (which may end in "..\"): notes the folders it will make and, for the
  // archive of the simulator's folder, copies each file it would overwrite
  // into the package's backup folder first. Raises RuntimeError when such a
  // copy fails; nothing has been overwritten then.
  void Unpacking(const std::string& archive, const std::string& destination,
                 const std::vector<ZipEntryInfo>& entries);

  // The archive is unpacked: notes each file's size and time.
  void Unpacked(const std::string& archive, const std::string& destination,
                const std::vector<ZipEntryInfo>& entries);

  void AreasRegistered(const std::vector<int>& areas, const std::string& backup);
  void AutogenPatched(const std::string& path, const std::string& overwritten);
  // The terrain key as it stood before and after the edit.
  void TerrainEdited(const InstallRecord::Terrain& before, const InstallRecord::Terrain& after);

  // Notes `step` as finished and writes the record.
  void Finished(const std::string& step);

  const InstallRecord& record() const { return record_; }
  const std::string& path() const { return path_; }

 private:
  void BackUpReplaced(const std::string& target, const std::string& name);
  void Save();

  Context& ctx_;
  std::string path_;
  InstallRecord record_;
};

// Resolves the "." and ".." steps of a Windows folder path ending in a
// backslash: "E:\Scenery\vlrna\..\" gives "E:\Scenery\".
std::string ResolveFolder(const std::string& folder);

// The folder part of a Windows path, with its backslash: "C:\a\b.txt" gives
// "C:\a\"; empty when there is none.
std::string ParentFolder(const std::string& path);

}  // namespace vlrna

#endif  // VLRNA_INSTALL_INSTALL_RECORDER_H_
