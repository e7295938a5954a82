// Kills the edit driver with SIGKILL at random moments and checks the
// simulator's files after each kill and after the run that follows it:
//
//   vlrna-crash-test DRIVER [RUNS]     (RUNS: 1000 when not given)
//
// After a kill every file holds its old bytes or its complete new ones and
// the backup, when there is one, is the user's original; after the next run
// every file holds its new bytes and no temporary file is left. Prints
// "crash-runs: N, damaged: D" last and ends with status 1 when D is not 0.
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "platform/posix/test_prefix.h"
#include "simconfig/autogen_test_files.h"

namespace vlrna {
namespace {

const char kScenery[] = "drive_c/Sim/Scenery.cfg";
const char kBackup[] = "drive_c/Sim/Scenery.cfg.vlrna.bak";
const char kTerrain[] = "drive_c/Sim/fsx.cfg";
const char kAutogen[] = "drive_c/Sim/Autogen/AutogenDescriptions.spb";
const char kAutogenBackup[] = "drive_c/Sim/Autogen/AutogenDescriptions.spb.copy";
const char kOldScenery[] =
    "[General]\r\nTitle=FS World\r\n\r\n[Area.001]\r\nTitle=Default Terrain\r\n"
    "Local=Scenery\\World\r\nLayer=1\r\nActive=TRUE\r\nRequired=FALSE\r\n\r\n"
    "[Area.002]\r\nTitle=Addon\r\nLocal=Addon Scenery\r\nLayer=2\r\nActive=TRUE\r\n";
const char kOldTerrain[] =
    "[DISPLAY]\r\nTEXTURE_BANDWIDTH_MULT=40\r\n\r\n[TERRAIN]\r\n"
    "IMAGE_PIXELS_FOR_AUTOGEN_POLYGONS=64\r\nLOD_RADIUS=4.5\r\n";

struct State {
  std::string scenery;
  std::string terrain;
  std::string autogen;
};

const std::string& OldAutogen() {
  static const std::string bytes = AutogenFile({"{0a1b2c3d-0000}", "{0a1b2c3d-0001}"});
  return bytes;
}

void Reset(const TestPrefix& prefix) {
  std::filesystem::remove_all(prefix.Path("drive_c/Sim"));
  std::filesystem::remove_all(prefix.Path("drive_c/users/pilot"));
  prefix.MakeFolder("drive_c/users/pilot");
  prefix.Write(kScenery, kOldScenery);
  prefix.Write(kTerrain, kOldTerrain);
  prefix.Write(kAutogen, OldAutogen());
}

// Runs the driver over the prefix, killed after `delay_us` unless that is
// negative. True when it ran to its end with status 0.
bool Run(const std::string& driver, const std::string& root, long delay_us) {
  pid_t pid = fork();
  if (pid < 0) return false;
  if (pid == 0) {
    execl(driver.c_str(), driver.c_str(), root.c_str(), static_cast<char*>(nullptr));
    _exit(127);
  }
  if (delay_us >= 0) {
    usleep(static_cast<useconds_t>(delay_us));
    kill(pid, SIGKILL);
  }
  int status = 0;
  while (waitpid(pid, &status, 0) < 0) {
  }
  return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

std::vector<std::string> Temporaries(const TestPrefix& prefix) {
  std::vector<std::string> found;
  for (const auto& e : std::filesystem::recursive_directory_iterator(prefix.Path("drive_c/Sim"))) {
    std::string name = e.path().filename().string();
    if (name.find(".vlrna-") != std::string::npos) found.push_back(name);
  }
  return found;
}

// What is wrong with the files after a kill, or after the next run when
// `rerun`; empty when nothing is.
std::string Check(const TestPrefix& prefix, const State& now, bool rerun) {
  std::string scenery = prefix.Read(kScenery);
  std::string terrain = prefix.Read(kTerrain);
  if (scenery != now.scenery && (rerun || scenery != kOldScenery)) return "Scenery.cfg damaged";
  if (terrain != now.terrain && (rerun || terrain != kOldTerrain)) return "fsx.cfg damaged";
  std::string autogen = prefix.Read(kAutogen);
  if (autogen != now.autogen && (rerun || autogen != OldAutogen())) return "autogen damaged";
  bool backup = std::filesystem::exists(prefix.Path(kBackup));
  if ((backup || rerun) && prefix.Read(kBackup) != kOldScenery) return "backup not the original";
  backup = std::filesystem::exists(prefix.Path(kAutogenBackup));
  if ((backup || rerun) && prefix.Read(kAutogenBackup) != OldAutogen()) {
    return "autogen copy not the original";
  }
  if (rerun && !Temporaries(prefix).empty()) return "left " + Temporaries(prefix).front();
  return "";
}

int Main(int argc, char** argv) {
  if (argc < 2 || argc > 3) {
    std::fprintf(stderr, "usage: vlrna-crash-test DRIVER [RUNS]\n");
    return 2;
  }
  const std::string driver = argv[1];
  const long runs = argc == 3 ? std::strtol(argv[2], nullptr, 10) : 1000;
  TestPrefix prefix;
  Reset(prefix);
  auto start = std::chrono::steady_clock::now();
  if (!Run(driver, prefix.root(), -1)) {
    std::fprintf(stderr, "vlrna-crash-test: the driver fails without a kill\n");
    return 2;
  }
  long full_us = static_cast<long>(std::chrono::duration_cast<std::chrono::microseconds>(
                                       std::chrono::steady_clock::now() - start)
                                       .count());
  const State now{prefix.Read(kScenery), prefix.Read(kTerrain), prefix.Read(kAutogen)};
  if (now.autogen == OldAutogen()) {
    std::fprintf(stderr, "vlrna-crash-test: the driver left the autogen file as it was\n");
    return 2;
  }
  std::random_device seed_source;
  unsigned seed = seed_source();
  std::mt19937 random(seed);
  std::uniform_int_distribution<long> delay(0, full_us + full_us / 2);
  std::printf("driver run: %ld us, seed %u\n", full_us, seed);
  long damaged = 0;
  for (long i = 0; i < runs; ++i) {
    Reset(prefix);
    long at = delay(random);
    Run(driver, prefix.root(), at);
    std::string problem = Check(prefix, now, false);
    if (problem.empty()) {
      Run(driver, prefix.root(), -1);
      problem = Check(prefix, now, true);
    }
    if (!problem.empty()) {
      ++damaged;
      std::printf("run %ld (killed after %ld us): %s\n", i + 1, at, problem.c_str());
    }
  }
  std::printf("crash-runs: %ld, damaged: %ld\n", runs, damaged);
  return damaged == 0 ? 0 : 1;
}

}  // namespace
}  // namespace vlrna

int main(int argc, char** argv) { return vlrna::Main(argc, argv); }
