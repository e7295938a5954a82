#ifndef VLRNA_TOOLS_CRASH_TEST_EDIT_SCENARIO_H_
#define VLRNA_TOOLS_CRASH_TEST_EDIT_SCENARIO_H_

#include <memory>
#include <string>

#include "tools/crash-test/crash_loop.h"

namespace vlrna {

// The edits of the simulator's files, made by vlrna-edit-driver (`driver`)
// in a throw-away Wine prefix: scenery.cfg, fsx.cfg and the autogen file.
std::unique_ptr<CrashScenario> MakeEditScenario(const std::string& driver);

}  // namespace vlrna

#endif  // VLRNA_TOOLS_CRASH_TEST_EDIT_SCENARIO_H_
