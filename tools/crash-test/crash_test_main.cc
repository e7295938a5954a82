// Kills the installer's writing of the user's files with SIGKILL at random
// moments and checks them after each kill and after the run that follows it:
//
//   vlrna-crash-test EDIT_DRIVER [RUNS]           the edits of the simulator's
//                                                 files (vlrna-edit-driver)
//   vlrna-crash-test --extract UNPACK [RUNS]      an extraction (vlrna-unpack)
//
// RUNS is 1000 when not given. After a kill every file holds its old bytes or
// its complete new ones, and a backup, where there is one, is the user's
// original; after the next run every file holds its new bytes and no
// temporary file is left. Prints "crash-runs: N, damaged: D" last and ends
// with status 1 when D is not 0.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <memory>

#include "tools/crash-test/edit_scenario.h"
#include "tools/crash-test/extract_scenario.h"

int main(int argc, char** argv) {
  const bool extract = argc > 1 && std::strcmp(argv[1], "--extract") == 0;
  const int first = extract ? 2 : 1;
  if (argc < first + 1 || argc > first + 2) {
    std::fprintf(stderr, "usage: vlrna-crash-test [--extract] DRIVER [RUNS]\n");
    return 2;
  }
  char* end = nullptr;
  const long runs = argc == first + 2 ? std::strtol(argv[first + 1], &end, 10) : 1000;
  if (end != nullptr && (*end != '\0' || runs < 0)) {
    std::fprintf(stderr, "vlrna-crash-test: RUNS must be a count\n");
    return 2;
  }
  try {
    std::unique_ptr<vlrna::CrashScenario> scenario =
        extract ? vlrna::MakeExtractScenario(argv[first]) : vlrna::MakeEditScenario(argv[first]);
    const long damaged = vlrna::RunCrashLoop(*scenario, runs);
    return damaged < 0 ? 2 : damaged == 0 ? 0 : 1;
  } catch (const std::exception& e) {
    std::fprintf(stderr, "vlrna-crash-test: %s\n", e.what());
    return 2;
  }
}
