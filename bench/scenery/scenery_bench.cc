// Measures a full registration of the six scenery areas in a large scenery
// library on the real disk, through the Linux backend in a Wine prefix made
// in the work folder: the backup copy, the scans, the 30 atomic writes.
//
//   scenery_bench <work folder> [--runs N] [--baseline]
//
// The library has a [General] section and 990 areas (Area.001 to Area.990,
// seven keys each, Local paths of about 67 characters, CRLF). Every run
// starts from a fresh copy. Beside each run the floor is timed: one parse of
// the library and 30 synced atomic rewrites of it, what any registration
// must at least do. For comparison, the reads of the six scans are also timed
// one by one through ReadIniValue, each checking the file's stamp on disk;
// --baseline adds the same with a parse of the file for every read.
// The last line is "register-990-areas-ms: X", the median.

#include <time.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "platform/fake/fake_registry.h"
#include "platform/fake/fake_services.h"
#include "platform/headless/headless_window.h"
#include "platform/posix/posix_files.h"
#include "platform/posix/wine_prefix.h"
#include "platform/single_byte_code_page.h"
#include "shell/context.h"
#include "simconfig/ini_document.h"
#include "simconfig/scenery_library.h"

namespace vlrna {
namespace {

constexpr int kAreas = 990;
const char kCfg[] = "C:\\ProgramData\\Microsoft\\FSX\\Scenery.cfg";
const char kFloorCfg[] = "C:\\ProgramData\\Microsoft\\FSX\\Floor.cfg";

// A bare Wine prefix below `folder`: registry files, drive C: and the
// simulator's data folder. Returns the prefix folder.
std::string MakePrefix(const std::string& folder) {
  namespace fs = std::filesystem;
  fs::path root = fs::path(folder) / "prefix";
  fs::create_directories(root / "drive_c" / "ProgramData" / "Microsoft" / "FSX");
  fs::create_directories(root / "drive_c" / "users" / "pilot");
  fs::create_directories(root / "dosdevices");
  fs::create_symlink("../drive_c", root / "dosdevices" / "c:");
  std::ofstream(root / "system.reg") << "WINE REGISTRY Version 2\n;; All keys relative to "
                                        "\\\\Machine\n\n#arch=win64\n";
  std::ofstream(root / "user.reg") << "WINE REGISTRY Version 2\n;; All keys relative to "
                                      "\\\\User\\\\S-1-5-21-0-0-0-1000\n\n#arch=win64\n";
  return root.string();
}

std::string Library() {
  std::string cfg =
      "[General]\r\nTitle=FS World Scenery\r\nDescription=FS Scenery Data\r\n"
      "Clean_on_Exit=TRUE\r\n\r\n";
  char area[512];
  for (int n = 1; n <= kAreas; ++n) {
    std::snprintf(
        area, sizeof area,
        "[Area.%03d]\r\nTitle=Addon Scenery Region %04d\r\nTexture_ID=%d\r\n"
        "Remote=\r\nActive=TRUE\r\nRequired=FALSE\r\nLayer=%d\r\n"
        "Local=D:\\Flight Simulator Addons\\Scenery Library\\Region %04d\\Scenery\r\n\r\n",
        n, n, n, n, n);
    cfg += area;
  }
  return cfg;
}

double Median(std::vector<double> times) {
  std::sort(times.begin(), times.end());
  return times[times.size() / 2];
}

// Processor time of this process so far; milliseconds.
double CpuMs() {
  timespec t;
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
  return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

// One parse and 30 synced atomic rewrites of the library; milliseconds.
double TimeFloor(Files& files, const std::string& library) {
  files.ReplaceFileAtomically(kFloorCfg, library);
  auto start = std::chrono::steady_clock::now();
  IniDocument document = IniDocument::Parse(files.ReadFile(kFloorCfg), Windows1252());
  for (int i = 0; i < 30; ++i) files.ReplaceFileAtomically(kFloorCfg, document.Bytes());
  std::chrono::duration<double, std::milli> took = std::chrono::steady_clock::now() - start;
  return took.count();
}

// The reads of a registration's six scans on an unchanged library, each a
// ReadIniValue of its own; milliseconds.
double TimeReadByRead(Files& files, const std::string& library, bool reuse_parsed) {
  files.ReplaceFileAtomically(kCfg, library);
  IniService ini(files, Windows1252(), reuse_parsed);
  char section[16];
  size_t found = 0;
  auto start = std::chrono::steady_clock::now();
  for (int entry = 0; entry < 6; ++entry) {
    for (int n = 0; n <= 999; ++n) {
      std::snprintf(section, sizeof section, "Area.%03d", n);
      if (ReadIniValue(ini, kCfg, section, "layer", "").empty()) continue;
      found += ReadIniValue(ini, kCfg, section, "local", "").find("vlrna\\") != std::string::npos;
    }
  }
  std::chrono::duration<double, std::milli> took = std::chrono::steady_clock::now() - start;
  if (found != 0) std::exit(1);
  return took.count();
}

// One registration on a fresh library; milliseconds.
double TimeOneRun(Files& files, const std::string& library, bool reuse_parsed) {
  files.ReplaceFileAtomically(kCfg, library);
  FakeRegistry registry;
  FakeDrives drives;
  FakeProcesses processes;
  FakeSystem system;
  FakeSound sound;
  HeadlessWindow window;
  Platform platform{registry, files, drives, processes, system, sound, window, Windows1252()};
  ProgramState state;
  state.gsUserDir = "C:\\users\\pilot";
  state.gsLogFile = "VLRNA_BENCH.LOG";
  state.gsInstPath = "E:\\Scenery\\vlrna\\";
  Context ctx{state, platform};
  IniService ini(files, Windows1252(), reuse_parsed);

  auto start = std::chrono::steady_clock::now();
  RegisterSceneryAreas(ctx, ini, kCfg);
  std::chrono::duration<double, std::milli> took = std::chrono::steady_clock::now() - start;

  IniService check(files, Windows1252());
  if (check.Read(kCfg, "Area.996", "Local", "") != "E:\\Scenery\\vlrna\\zzqb") {
    std::fprintf(stderr, "the registration did not write Area.996\n");
    std::exit(1);
  }
  return took.count();
}

}  // namespace
}  // namespace vlrna

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: scenery_bench <work folder> [--runs N] [--baseline]\n");
    return 2;
  }
  int runs = 7;
  bool baseline = false;
  for (int i = 2; i < argc; ++i) {
    std::string arg = argv[i];
    if (arg == "--runs" && i + 1 < argc) runs = std::max(5, std::atoi(argv[++i]));
    if (arg == "--baseline") baseline = true;
  }
  vlrna::WinePrefix prefix = vlrna::WinePrefix::Open(vlrna::MakePrefix(argv[1]));
  vlrna::PosixFiles files(prefix);
  std::string library = vlrna::Library();
  std::printf("scenery.cfg: %d areas, %zu bytes, CRLF, in a Wine prefix\n", vlrna::kAreas,
              library.size());
  std::printf("six scans, read by read, a stamp check each: %.0f ms\n",
              vlrna::TimeReadByRead(files, library, true));
  if (baseline) {
    std::printf("six scans, read by read, a parse each: %.0f ms\n",
                vlrna::TimeReadByRead(files, library, false));
  }
  std::vector<double> floors, times, cpu;
  for (int i = 0; i < runs; ++i) {
    floors.push_back(vlrna::TimeFloor(files, library));
    double cpu_before = vlrna::CpuMs();
    times.push_back(vlrna::TimeOneRun(files, library, true));
    cpu.push_back(vlrna::CpuMs() - cpu_before);
    std::printf("run %d: %.1f ms, processor %.1f ms (floor %.1f ms)\n", i + 1, times.back(),
                cpu.back(), floors.back());
  }
  std::printf("floor, one parse and 30 synced rewrites: %.1f ms\n", vlrna::Median(floors));
  std::printf("processor time of a registration: %.1f ms\n", vlrna::Median(cpu));
  std::printf("register-990-areas-ms: %.1f\n", vlrna::Median(times));
  return 0;
}
