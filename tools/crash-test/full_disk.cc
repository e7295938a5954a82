#include "tools/crash-test/full_disk.h"

#include <fcntl.h>
#include <sys/statvfs.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>

namespace vlrna {
namespace {

uint64_t FreeBytes(const std::string& folder) {
  struct statvfs info;
  if (statvfs(folder.c_str(), &info) != 0) return 0;
  return static_cast<uint64_t>(info.f_bavail) * info.f_frsize;
}

// Takes all but `leave` bytes of the free space with one file.
void Fill(const std::string& filler, const std::string& folder, uint64_t leave) {
  std::filesystem::remove(filler);
  const uint64_t free = FreeBytes(folder);
  if (free <= leave) return;
  int fd = open(filler.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
  if (fd < 0) return;
  if (posix_fallocate(fd, 0, static_cast<off_t>(free - leave)) != 0) {
    // Written by hand where the file system cannot reserve space.
    std::string block(1 << 16, '\0');
    for (uint64_t left = free - leave; left > 0;) {
      ssize_t put = write(fd, block.data(), std::min<uint64_t>(left, block.size()));
      if (put <= 0) break;
      left -= static_cast<uint64_t>(put);
    }
  }
  close(fd);
}

std::string ReadText(const std::string& path) {
  std::ifstream in(path);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

// A failure the user can act on: the disk named as full, and a path.
bool SaysWhy(std::string text) {
  for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  const bool full =
      text.find("full") != std::string::npos || text.find("no space") != std::string::npos;
  return full && (text.find('\\') != std::string::npos || text.find('/') != std::string::npos);
}

}  // namespace

long RunFullDiskSweep(CrashScenario& scenario, const std::string& folder, long runs) {
  const std::string filler = folder + "/filler";
  const std::string errors = folder + "/../vlrna-full-disk-errors.txt";
  std::filesystem::remove(filler);
  scenario.Reset();
  const uint64_t before = FreeBytes(folder);
  if (!RunCommand(scenario.Command(), -1) || !scenario.TakeFinalState().empty()) {
    std::fprintf(stderr, "vlrna-crash-test: %s fails with room\n",
                 scenario.Command().front().c_str());
    return -1;
  }
  const uint64_t used = before > FreeBytes(folder) ? before - FreeBytes(folder) : 0;
  const uint64_t step = std::max<uint64_t>(4096, 2 * used / std::max(1L, runs));
  std::printf("a whole run takes %llu bytes; free space from 0 in steps of %llu\n",
              static_cast<unsigned long long>(used), static_cast<unsigned long long>(step));
  long damaged = 0, failed = 0;
  std::string first_said;
  for (long i = 0; i < runs; ++i) {
    scenario.Reset();
    const uint64_t leave = static_cast<uint64_t>(i) * step;
    Fill(filler, folder, leave);
    const bool done = RunCommand(scenario.Command(), -1, errors);
    const std::string said = ReadText(errors);
    std::string problem = scenario.Check(false);
    if (problem.empty() && !done && !SaysWhy(said)) problem = "unclear error: " + said;
    std::filesystem::remove(filler);
    if (problem.empty()) {
      RunCommand(scenario.Command(), -1);
      problem = scenario.Check(true);
    }
    failed += done ? 0 : 1;
    if (!done && first_said.empty()) first_said = said;
    if (!problem.empty()) {
      ++damaged;
      std::printf("run %ld (%llu bytes free): %s\n", i + 1, static_cast<unsigned long long>(leave),
                  problem.c_str());
    }
  }
  std::filesystem::remove(errors);
  std::printf("runs that met a full disk: %ld; the first said: %s", failed, first_said.c_str());
  std::printf("full-disk-runs: %ld, damaged: %ld\n", runs, damaged);
  std::fflush(stdout);
  return damaged;
}

}  // namespace vlrna
