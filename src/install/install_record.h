#ifndef VLRNA_INSTALL_INSTALL_RECORD_H_
#define VLRNA_INSTALL_INSTALL_RECORD_H_

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace vlrna {

// What one installation did to a machine, kept beside the package so that a
// removal can undo exactly that. Paths are Windows paths in the ANSI code
// page; folders end in a backslash.
struct InstallRecord {
  // A file an archive unpacked, as it was right after the unpacking.
  struct Unpacked {
    std::string path;
    uint64_t size = 0;
    int64_t modified_ns = 0;
  };
  // A file of the simulator that the simulator-folder archive overwrote, and
  // where the file as it was lies.
  struct Replaced {
    std::string path;
    std::string backup;
  };
  // How the terrain key stood: a value, or missing with or without its
  // section.
  enum class TerrainState { kValue, kNoKey, kNoSection };
  struct Terrain {
    TerrainState before = TerrainState::kValue;
    std::string before_value;
    std::string after_value;
  };
  // An autogen description file the patch changed: the four bytes the
  // definition block was written over, and the patch's backup copy.
  struct Autogen {
    std::string path;
    std::string overwritten;
    std::string backup;
  };

  std::string simulator;              // the command line's name, "FSX"; may be empty
  std::string simulator_folder;       // gsFSXPath
  std::string scenery_cfg;            // gsSceneryCfg
  std::string simulator_cfg;          // gsSimCfg
  std::string package_folder;         // gsInstPath
  std::vector<std::string> finished;  // the steps done, in order ("setup.101", "scenery.cfg")
  std::vector<Unpacked> unpacked;
  std::vector<std::string> created_folders;
  std::vector<Replaced> replaced;
  std::vector<int> areas;
  std::string scenery_backup;
  std::optional<Terrain> terrain;
  std::vector<Autogen> autogen;

  // The entries for `path` (matched without regard to case), or nullptr.
  const Unpacked* FindUnpacked(const std::string& path) const;
  const Replaced* FindReplaced(const std::string& path) const;
  const Autogen* FindAutogen(const std::string& path) const;
  // Adds or updates the entries for their paths.
  void SetUnpacked(Unpacked file);
  void SetAutogen(Autogen file);
  void AddFinished(const std::string& step);
  void AddFolder(const std::string& folder);
};

// The record's file name in the package folder, for simulator `name`
// ("FSX"): "VLRNA_INSTALL_FSX.txt"; "VLRNA_INSTALL.txt" without a name.
std::string InstallRecordName(const std::string& name);

// The record as text: a comment that says what the file is, then one
// "key=value" line per fact, CR LF line ends. Fields within a value are
// separated by '|', which no Windows path holds.
std::string FormatInstallRecord(const InstallRecord& record);

// Reads a record back. Unknown keys and lines that cannot be read are passed
// over (a newer or hand-edited record still gives what it can); nothing when
// the text is no installation record at all.
std::optional<InstallRecord> ParseInstallRecord(const std::string& text);

}  // namespace vlrna

#endif  // VLRNA_INSTALL_INSTALL_RECORD_H_
