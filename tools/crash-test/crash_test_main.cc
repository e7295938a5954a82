// Stops the installer's writing of the user's files at random moments, and on
// a full disk, and checks the files after each such run and after the run
// that follows it:
//
//   vlrna-crash-test [--extract | --remove] [--full-disk FOLDER] DRIVER [RUNS]
//
// Without --extract DRIVER is vlrna-edit-driver, which edits the simulator's
// files (with --remove: removes those edits again after a whole run); with
// it, vlrna-unpack, which unpacks an archive over an earlier installation. Without --full-disk each
// run is killed with SIGKILL after a random delay (RUNS: 1000 when not given). With it the files
// lie in FOLDER, a small file system of their own, which each run finds filled but for a different
// amount (RUNS: 40 when not given).
//
// After a stopped run every file holds its old bytes or its complete new
// ones, and a backup, where there is one, is the user's original; after the
// next run every file holds its new bytes and no temporary file is left.
// Prints "crash-runs: N, damaged: D" (or "full-disk-runs: ...") last and ends
// with status 1 when D is not 0.
#include <stdlib.h>

#include <cstdio>
#include <cstring>
#include <exception>
#include <memory>
#include <string>

#include "tools/crash-test/edit_scenario.h"
#include "tools/crash-test/extract_scenario.h"
#include "tools/crash-test/full_disk.h"

namespace {

int Usage() {
  std::fprintf(stderr,
               "usage: vlrna-crash-test [--extract | --remove] [--full-disk FOLDER] DRIVER "
               "[RUNS]\n");
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  bool extract = false;
  bool remove = false;
  std::string full_disk;
  int i = 1;
  for (; i < argc && argv[i][0] == '-'; ++i) {
    if (std::strcmp(argv[i], "--extract") == 0) {
      extract = true;
    } else if (std::strcmp(argv[i], "--remove") == 0) {
      remove = true;
    } else if (std::strcmp(argv[i], "--full-disk") == 0 && i + 1 < argc) {
      full_disk = argv[++i];
    } else {
      return Usage();
    }
  }
  if (argc - i < 1 || argc - i > 2) return Usage();
  long runs = full_disk.empty() ? 1000 : 40;
  if (argc - i == 2) {
    char* end = nullptr;
    runs = std::strtol(argv[i + 1], &end, 10);
    if (*end != '\0' || runs < 0) return Usage();
  }
  // The scenarios make their files in the temporary folder.
  if (!full_disk.empty()) setenv("TMPDIR", full_disk.c_str(), 1);
  try {
    std::unique_ptr<vlrna::CrashScenario> scenario = extract  ? vlrna::MakeExtractScenario(argv[i])
                                                     : remove ? vlrna::MakeRemoveScenario(argv[i])
                                                              : vlrna::MakeEditScenario(argv[i]);
    const long damaged = full_disk.empty() ? vlrna::RunCrashLoop(*scenario, runs)
                                           : vlrna::RunFullDiskSweep(*scenario, full_disk, runs);
    return damaged < 0 ? 2 : damaged == 0 ? 0 : 1;
  } catch (const std::exception& e) {
    std::fprintf(stderr, "vlrna-crash-test: %s\n", e.what());
    return 2;
  }
}
