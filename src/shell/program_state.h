#ifndef VLRNA_SHELL_PROGRAM_STATE_H_
#define VLRNA_SHELL_PROGRAM_STATE_H_

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "platform/processes.h"

namespace vlrna {

inline constexpr char kAppTitle[] = "Veltrona Zozo";  // gsAppTitle
inline constexpr int kSimulatorCount = 6;

// The program-wide variables, under the system's own names. One object per
// run, owned by main() and passed by reference; every test builds its own.
// Texts are bytes in the ANSI code page. Folders carry no trailing backslash
// unless noted.
struct ProgramState {
  // Start-up.
  std::string gsUserDir;     // the log folder: the user's profile folder
  std::string gsLogFile;     // "VLRNA_yymmddhhnn.LOG"
  std::string gsAppPath;     // the wizard's own folder
  std::string gsSourcePath;  // the launcher's folder, where the archives lie
  std::optional<ProcessInfo> goLauncherProcess;
  int32_t gnSystemLanguage = 0;
  // Element 0: the count as decimal text; elements 1 to count: the entries.
  std::array<std::string, 27> gsFixedDrives;
  std::array<std::string, 27> gsCdDrives;

  // Language page.
  std::array<std::string, 101> MessageCatalogue;
  std::string gsLanguage;                     // "E", "D", "I" or "F"
  std::string gsLicenseFile;                  // "\license.txt" or "\lizenz.txt"
  std::string gSpbDefinition;                 // the 566-byte autogen definition block
  std::array<std::string, 10> gsArchiveGuid;  // gsArchiveGuid1 to 9 at 1 to 9

  // Discovery: the simulator table's discovered columns, rows 0 to 5.
  std::string gsAppData;
  std::string gsCommonAppData;
  std::array<bool, kSimulatorCount> gbSimFound{};
  std::array<std::string, kSimulatorCount> gsSimPath;  // ends in one backslash
  std::array<std::string, kSimulatorCount> gsSimDataPath;

  // The chosen simulator and destination.
  std::string gsFSXPath;  // ends in one backslash
  std::string gsSceneryCfg;
  std::string gsSimCfg;
  std::string gsSimExe;
  std::string gsExistingPath;
  std::string gsInstPath;  // ends in "vlrna\"

  // Extraction progress. 64-bit, so archives of 4 GiB and more show right.
  double gdZipTotalBytes = 0;
  int64_t glZipBytesDone = 0;

  // Set by the installation when one of the configuration edits failed: the
  // package is unpacked but not fully registered, and the log says why.
  bool gbEditFailed = false;
};

}  // namespace vlrna

#endif  // VLRNA_SHELL_PROGRAM_STATE_H_
