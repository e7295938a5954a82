#ifndef VLRNA_TOOLS_CRASH_TEST_FULL_DISK_H_
#define VLRNA_TOOLS_CRASH_TEST_FULL_DISK_H_

#include <string>

#include "tools/crash-test/crash_loop.h"

namespace vlrna {

// Runs the work on a nearly full file system, the scenario's files lying on
// the one that holds `folder` (a small tmpfs or loop mount): a filler file
// in `folder` leaves `runs` different amounts of free space, from none to
// twice what a whole run takes. After each run the files hold their old or
// their final bytes, and a failed run said why naming a file; with the
// filler gone the next run completes and leaves no temporary. Prints each
// bad run and "full-disk-runs: N, damaged: D" last. Returns D, or -1 when
// the work fails even with room.
long RunFullDiskSweep(CrashScenario& scenario, const std::string& folder, long runs);

}  // namespace vlrna

#endif  // VLRNA_TOOLS_CRASH_TEST_FULL_DISK_H_
