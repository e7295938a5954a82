#ifndef VLRNA_TOOLS_CRASH_TEST_EXTRACT_SCENARIO_H_
#define VLRNA_TOOLS_CRASH_TEST_EXTRACT_SCENARIO_H_

#include <memory>
#include <string>

#include "tools/crash-test/crash_loop.h"

namespace vlrna {

// An encrypted archive of about 12 MB unpacked by vlrna-unpack (`unpack`)
// over an earlier installation: a third of its files are there with other
// bytes, beside files of the user's own.
std::unique_ptr<CrashScenario> MakeExtractScenario(const std::string& unpack);

}  // namespace vlrna

#endif  // VLRNA_TOOLS_CRASH_TEST_EXTRACT_SCENARIO_H_
