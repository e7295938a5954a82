#ifndef VLRNA_SIMCONFIG_RESTORE_SUMMARY_H_
#define VLRNA_SIMCONFIG_RESTORE_SUMMARY_H_

#include <string>
#include <vector>

#include "platform/window.h"
#include "shell/program_state.h"
#include "simconfig/autogen_restore.h"

namespace vlrna {

inline constexpr char kOptionsSummaryBox[] = "options-summary";

// One simulator's line of the summary, without its line end: the row's
// summary label ("Prepar3D v4.x: ") and what happened to its files (catalogue
// entries 57 to 61, a reason after 61). Files with one outcome share one text;
// otherwise each file is named with its own.
std::string RestoreSummaryLine(const ProgramState& state, const RestoredSimulator& simulator);

// The box that closes a restore: a line per simulator, each ending in CR LF,
// titled with entry 56. No icon when every file was restored or already up
// to date, else the exclamation icon.
MessageRequest RestoreSummaryBox(const ProgramState& state,
                                 const std::vector<RestoredSimulator>& restored);

}  // namespace vlrna

#endif  // VLRNA_SIMCONFIG_RESTORE_SUMMARY_H_
