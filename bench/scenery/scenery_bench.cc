// Measures a full registration of the six scenery areas in a large scenery
// library on the real disk: the backup copy, the scans, the 30 atomic writes.
//
//   scenery_bench <work folder> [--runs N] [--baseline] [--no-sync]
//
// The library has a [General] section and 990 areas (Area.001 to Area.990,
// seven keys each, Local paths of about 67 characters, CRLF). Every run
// starts from a fresh copy. Beside each run the floor is timed: one parse of
// the library and 30 synced atomic rewrites of it, what any registration
// must at least do. --baseline also times one registration with a service
// that parses the file again for every read, as a reader without a stamp
// check must. --no-sync leaves out the syncs, to show the rest of the cost.
// The last line is "register-990-areas-ms: X", the median.

#include <time.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "bench_disk_files.h"
#include "platform/fake/fake_registry.h"
#include "platform/fake/fake_services.h"
#include "platform/headless/headless_window.h"
#include "shell/context.h"
#include "simconfig/ini_document.h"
#include "simconfig/scenery_library.h"

namespace vlrna {
namespace {

constexpr int kAreas = 990;

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

void WriteFile(const std::string& path, const std::string& content) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(content.data(), static_cast<std::streamsize>(content.size()));
}

// Processor time of this process so far; milliseconds.
double CpuMs() {
  timespec t;
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
  return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

double Median(std::vector<double> times) {
  std::sort(times.begin(), times.end());
  return times[times.size() / 2];
}

// One parse and 30 synced atomic rewrites of the library; milliseconds.
double TimeFloor(const std::string& folder, const std::string& library, bool sync) {
  BenchDiskFiles files(folder, sync);
  WriteFile(files.UnixPath("C:\\floor.cfg"), library);
  auto start = std::chrono::steady_clock::now();
  IniDocument document = IniDocument::Parse(files.ReadFile("C:\\floor.cfg"));
  for (int i = 0; i < 30; ++i) files.ReplaceFileAtomically("C:\\floor.cfg", document.Bytes());
  std::chrono::duration<double, std::milli> took = std::chrono::steady_clock::now() - start;
  return took.count();
}

// One registration on a fresh library; milliseconds.
double TimeOneRun(const std::string& folder, const std::string& library, bool reuse_parsed,
                  bool sync) {
  BenchDiskFiles files(folder, sync);
  WriteFile(files.UnixPath("C:\\scenery.cfg"), library);
  FakeRegistry registry;
  FakeDrives drives;
  FakeProcesses processes;
  FakeSystem system;
  FakeSound sound;
  HeadlessWindow window;
  Platform platform{registry, files, drives, processes, system, sound, window};
  ProgramState state;
  state.gsUserDir = "C:";
  state.gsLogFile = "VLRNA_BENCH.LOG";
  state.gsInstPath = "E:\\Scenery\\vlrna\\";
  Context ctx{state, platform};
  IniService ini(files, reuse_parsed);

  auto start = std::chrono::steady_clock::now();
  RegisterSceneryAreas(ctx, ini, "C:\\scenery.cfg");
  std::chrono::duration<double, std::milli> took = std::chrono::steady_clock::now() - start;

  IniService check(files);
  if (check.Read("C:\\scenery.cfg", "Area.996", "Local", "") != "E:\\Scenery\\vlrna\\zzqb") {
    std::fprintf(stderr, "the registration did not write Area.996\n");
    std::exit(1);
  }
  return took.count();
}

}  // namespace
}  // namespace vlrna

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr,
                 "usage: scenery_bench <work folder> [--runs N] [--baseline] [--no-sync]\n");
    return 2;
  }
  std::string folder = argv[1];
  int runs = 7;
  bool baseline = false;
  bool sync = true;
  for (int i = 2; i < argc; ++i) {
    std::string arg = argv[i];
    if (arg == "--runs" && i + 1 < argc) runs = std::max(5, std::atoi(argv[++i]));
    if (arg == "--baseline") baseline = true;
    if (arg == "--no-sync") sync = false;
  }
  std::string library = vlrna::Library();
  std::printf("scenery.cfg: %d areas, %zu bytes, CRLF%s\n", vlrna::kAreas, library.size(),
              sync ? "" : "; no syncs");
  if (baseline) {
    std::printf("parse for every read (one run): %.0f ms\n",
                vlrna::TimeOneRun(folder, library, false, sync));
  }
  std::vector<double> floors, times, cpu;
  for (int i = 0; i < runs; ++i) {
    floors.push_back(vlrna::TimeFloor(folder, library, sync));
    double cpu_before = vlrna::CpuMs();
    times.push_back(vlrna::TimeOneRun(folder, library, true, sync));
    cpu.push_back(vlrna::CpuMs() - cpu_before);
    std::printf("run %d: %.1f ms, processor %.1f ms (floor %.1f ms)\n", i + 1, times.back(),
                cpu.back(), floors.back());
  }
  std::printf("floor, one parse and 30 synced rewrites: %.1f ms\n", vlrna::Median(floors));
  std::printf("processor time of a registration: %.1f ms\n", vlrna::Median(cpu));
  std::printf("register-990-areas-ms: %.1f\n", vlrna::Median(times));
  return 0;
}
