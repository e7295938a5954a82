#ifndef VLRNA_PAGES_UNATTENDED_OPTIONS_H_
#define VLRNA_PAGES_UNATTENDED_OPTIONS_H_

#include <optional>
#include <string>
#include <vector>

namespace vlrna {

// What the command line asks of one run of the wizard:
//
//   --unattended --accept-license --language=E|D|I|F
//       [--simulator=FSX|FSX-SE|P3D|P3D2|P3D3|P3D4] [--dir=X:\folder] [--dry-run]
//   --unattended --accept-license --language=E|D|I|F --restore-autogen
//   --unattended --uninstall [--language=E|D|I|F] [--dry-run]
//       [--simulator=FSX|FSX-SE|P3D|P3D2|P3D3|P3D4]
//
// --dry-run runs the same code on a machine that only records what would be
// written, and prints that at the end.
//
// No argument at all is the graphical wizard.
struct UnattendedOptions {
  bool unattended = false;
  bool help = false;
  std::string language;          // "E", "D", "I" or "F"
  std::optional<int> simulator;  // a row of the simulator table
  std::string dir;               // the destination folder as given, or empty
  bool restore_autogen = false;
  bool dry_run = false;
  bool uninstall = false;  // no licence to accept; English unless told
};

// The outcome of reading the command line: the options, or the reason it is
// refused (a text for the user, naming the offending argument).
struct ParsedCommandLine {
  UnattendedOptions options;
  std::string error;  // empty when the command line is sound
};

// Reads the arguments after the program name. Values are taken without
// regard to case ("--language=d", "--simulator=p3d4").
ParsedCommandLine ParseCommandLine(const std::vector<std::string>& args);

// The command line's name of simulator table row `row` ("FSX-SE").
std::string SimulatorName(int row);

// The lines printed by --help and after a refused command line.
extern const char kCommandLineUsage[];

}  // namespace vlrna

#endif  // VLRNA_PAGES_UNATTENDED_OPTIONS_H_
