#include "platform/posix/posix_system.h"

#include <limits.h>
#include <time.h>
#include <unistd.h>

#include <cstdio>

#include "platform/posix/locale_lang_id.h"

namespace vlrna {

PosixSystem::PosixSystem(const WinePrefix& prefix) : prefix_(prefix) {}

std::string PosixSystem::WindowsFolder() { return "C:\\windows"; }

uint16_t PosixSystem::SystemDefaultLangId() { return SystemLangIdFromEnvironment(); }

LocalTime PosixSystem::Now() {
  time_t now = time(nullptr);
  struct tm t;
  localtime_r(&now, &t);
  return {t.tm_year + 1900, t.tm_mon + 1, t.tm_mday, t.tm_hour, t.tm_min, t.tm_sec};
}

int64_t PosixSystem::MonotonicMillis() {
  struct timespec t;
  clock_gettime(CLOCK_MONOTONIC, &t);
  return static_cast<int64_t>(t.tv_sec) * 1000 + t.tv_nsec / 1'000'000;
}

ProgramVersion PosixSystem::Version() {
  return {VLRNA_VERSION_MAJOR, VLRNA_VERSION_MINOR, VLRNA_VERSION_PATCH, "Veltrona Zozo Setup"};
}

std::string PosixSystem::ProgramFolder() {
  char exe[PATH_MAX];
  ssize_t n = readlink("/proc/self/exe", exe, sizeof exe - 1);
  if (n <= 0) return "";
  std::string path(exe, static_cast<size_t>(n));
  std::string folder = prefix_.ToWindowsPath(path.substr(0, path.find_last_of('/') + 1));
  if (folder.size() > 2 && folder.back() == '\\') folder.pop_back();
  if (folder.size() == 3 && folder[1] == ':') folder.pop_back();
  return folder;
}

void PosixSystem::EndProcess(int exit_code) {
  std::fflush(nullptr);
  _exit(exit_code);
}

}  // namespace vlrna
