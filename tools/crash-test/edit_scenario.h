#ifndef VLRNA_TOOLS_CRASH_TEST_EDIT_SCENARIO_H_
#define VLRNA_TOOLS_CRASH_TEST_EDIT_SCENARIO_H_

#include <memory>
#include <string>

#include "tools/crash-test/crash_loop.h"

namespace vlrna {

// The edits of the simulator's files, made by vlrna-edit-driver (`driver`)
// in a throw-away Wine prefix: scenery.cfg, fsx.cfg and the autogen file.
std::unique_ptr<CrashScenario> MakeEditScenario(const std::string& driver);

// The removal of those edits (`driver` --remove), each time after a whole
// run of the edits: after it every file holds its bytes from before the
// edits, and the package folder with the installation record is gone.
std::unique_ptr<CrashScenario> MakeRemoveScenario(const std::string& driver);

}  // namespace vlrna

#endif  // VLRNA_TOOLS_CRASH_TEST_EDIT_SCENARIO_H_
