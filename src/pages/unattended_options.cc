#include "pages/unattended_options.h"

#include <array>
#include <string_view>

#include "destination/destination_folder.h"
#include "platform/ascii_case.h"
#include "shell/simulator_table.h"

namespace vlrna {
namespace {

const auto& kSimulatorNames = kSimulatorShortNames;

bool TakeValue(std::string_view arg, std::string_view option, std::string& value) {
  if (arg.substr(0, option.size()) != option) return false;
  value = std::string(arg.substr(option.size()));
  return true;
}

std::string CheckLanguage(const std::string& value, UnattendedOptions& options) {
  for (const char* letter : {"E", "D", "I", "F"}) {
    if (SameIgnoringAsciiCase(value, letter)) {
      options.language = letter;
      return "";
    }
  }
  return "unknown language \"" + value + "\": give E, D, I or F";
}

std::string CheckSimulator(const std::string& value, UnattendedOptions& options) {
  for (size_t row = 0; row < kSimulatorNames.size(); ++row) {
    if (SameIgnoringAsciiCase(value, kSimulatorNames[row])) {
      options.simulator = static_cast<int>(row);
      return "";
    }
  }
  return "unknown simulator \"" + value + "\": give FSX, FSX-SE, P3D, P3D2, P3D3 or P3D4";
}

std::string CheckDir(const std::string& value, UnattendedOptions& options) {
  if (!IsAbsoluteDrivePath(value)) {
    return "--dir=" + value + " is not an absolute folder on a drive, such as D:\\Scenery";
  }
  options.dir = value;
  return "";
}

std::string ReadArgument(const std::string& arg, UnattendedOptions& options, bool& accepted) {
  std::string value;
  if (arg == "--unattended") {
    options.unattended = true;
  } else if (arg == "--accept-license") {
    accepted = true;
  } else if (arg == "--restore-autogen") {
    options.restore_autogen = true;
  } else if (arg == "--dry-run") {
    options.dry_run = true;
  } else if (arg == "--uninstall") {
    options.uninstall = true;
  } else if (arg == "--help" || arg == "-h") {
    options.help = true;
  } else if (TakeValue(arg, "--language=", value)) {
    return CheckLanguage(value, options);
  } else if (TakeValue(arg, "--simulator=", value)) {
    return CheckSimulator(value, options);
  } else if (TakeValue(arg, "--dir=", value)) {
    return CheckDir(value, options);
  } else {
    return "unknown option \"" + arg + "\"";
  }
  return "";
}

// What a sound set of arguments still needs.
std::string CheckWhole(UnattendedOptions& options, bool accepted, bool any) {
  if (options.help) return "";
  if (!options.unattended) {
    return any ? "these options need --unattended" : "";
  }
  if (options.uninstall) {
    if (options.restore_autogen || !options.dir.empty()) {
      return "--uninstall goes with neither --restore-autogen nor --dir";
    }
    if (options.language.empty()) options.language = "E";
    return "";
  }
  if (!accepted) return "an unattended run needs --accept-license: it accepts the licence for you";
  if (options.language.empty()) return "an unattended run needs --language=E, D, I or F";
  if (options.restore_autogen && (options.simulator || !options.dir.empty())) {
    return "--restore-autogen goes with neither --simulator nor --dir";
  }
  return "";
}

}  // namespace

std::string SimulatorName(int row) {
  return row >= 0 && row < static_cast<int>(kSimulatorNames.size())
             ? std::string(kSimulatorNames[row])
             : "";
}

const char kCommandLineUsage[] =
    "usage: VLRSetup.exe\n"
    "       VLRSetup.exe --unattended --accept-license --language=E|D|I|F\n"
    "                    [--simulator=FSX|FSX-SE|P3D|P3D2|P3D3|P3D4] [--dir=X:\\folder]\n"
    "                    [--dry-run]\n"
    "       VLRSetup.exe --unattended --accept-license --language=E|D|I|F --restore-autogen\n"
    "       VLRSetup.exe --unattended --uninstall [--language=E|D|I|F] [--dry-run]\n"
    "                    [--simulator=FSX|FSX-SE|P3D|P3D2|P3D3|P3D4]\n"
    "  Without options the wizard opens its window. --unattended walks the same pages\n"
    "  without one, takes every proposal the options do not change, and prints what\n"
    "  it shows. --uninstall removes the scenery from the simulator named, or from\n"
    "  every simulator that holds it. Exit codes: 0 installed (restored, removed),\n"
    "  3 finished with errors, 1 ended otherwise, 2 a refused command line. --dry-run\n"
    "  writes nothing but the log and prints every change the run would make: diffs of\n"
    "  the text files, the terrain value, the autogen records, the archives and bytes\n"
    "  to unpack.\n";

ParsedCommandLine ParseCommandLine(const std::vector<std::string>& args) {
  ParsedCommandLine parsed;
  bool accepted = false;
  for (const std::string& arg : args) {
    parsed.error = ReadArgument(arg, parsed.options, accepted);
    if (!parsed.error.empty()) return parsed;
  }
  bool any = accepted || !args.empty();
  parsed.error = CheckWhole(parsed.options, accepted, any);
  return parsed;
}

}  // namespace vlrna
