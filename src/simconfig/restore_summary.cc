#include "simconfig/restore_summary.h"

#include <algorithm>

#include "shell/catalogue_text.h"
#include "shell/simulator_table.h"

namespace vlrna {
namespace {

std::string OutcomeText(const ProgramState& state, const RestoredFile& file) {
  switch (file.outcome) {
    case RestoreOutcome::kRestored:
      return CatalogueText(state, 57, "autogen descriptions restored");
    case RestoreOutcome::kUpToDate:
      return CatalogueText(state, 58, "autogen descriptions already up to date");
    case RestoreOutcome::kMissing:
      return CatalogueText(state, 59, "autogen description file not found");
    case RestoreOutcome::kNotRecognised:
      return CatalogueText(state, 60, "autogen description file not recognised, left unchanged");
    case RestoreOutcome::kNotWritten:
      break;
  }
  return CatalogueText(state, 61, "autogen description file could not be written:") + " " +
         file.reason;
}

bool Succeeded(const RestoredFile& file) {
  return file.outcome == RestoreOutcome::kRestored || file.outcome == RestoreOutcome::kUpToDate;
}

std::string FileName(const std::string& path) { return path.substr(path.rfind('\\') + 1); }

}  // namespace

std::string RestoreSummaryLine(const ProgramState& state, const RestoredSimulator& simulator) {
  std::string line = kSimulatorTable.at(simulator.row).summary_label;
  const std::vector<RestoredFile>& files = simulator.files;
  if (files.empty()) return line;
  const RestoredFile& first = files.front();
  if (std::all_of(files.begin(), files.end(), [&](const RestoredFile& file) {
        return file.outcome == first.outcome && file.reason == first.reason;
      })) {
    return line + OutcomeText(state, first);
  }
  for (size_t i = 0; i < files.size(); ++i) {
    if (i > 0) line += "; ";
    line += FileName(files[i].path) + ": " + OutcomeText(state, files[i]);
  }
  return line;
}

MessageRequest RestoreSummaryBox(const ProgramState& state,
                                 const std::vector<RestoredSimulator>& restored) {
  MessageRequest box{kOptionsSummaryBox, "", state.MessageCatalogue[56], MessageIcon::kNone,
                     MessageButtons::kOk};
  for (const RestoredSimulator& simulator : restored) {
    box.text += RestoreSummaryLine(state, simulator) + "\r\n";
    for (const RestoredFile& file : simulator.files) {
      if (!Succeeded(file)) box.icon = MessageIcon::kExclamation;
    }
  }
  return box;
}

}  // namespace vlrna
