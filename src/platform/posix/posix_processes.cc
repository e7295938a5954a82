#include "platform/posix/posix_processes.h"

#include <dirent.h>
#include <limits.h>
#include <signal.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <fstream>
#include <iterator>
#include <memory>

#include "platform/posix/posix_error.h"

namespace vlrna {
namespace {

struct DirCloser {
  void operator()(DIR* dir) const { closedir(dir); }
};

std::string ReadLink(const std::string& path) {
  char target[PATH_MAX];
  ssize_t n = readlink(path.c_str(), target, sizeof target - 1);
  if (n <= 0) return "";
  std::string result(target, static_cast<size_t>(n));
  const std::string kDeleted = " (deleted)";  // the file was replaced while it ran
  if (result.ends_with(kDeleted)) result.resize(result.size() - kDeleted.size());
  return result;
}

std::string BaseName(const std::string& path, const char* separators) {
  size_t slash = path.find_last_of(separators);
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

bool IsWineLoader(const std::string& name) {
  return name == "wine" || name == "wine64" || name == "wine-preloader" ||
         name == "wine64-preloader";
}

// The first argument of a process's command line.
std::string FirstArgument(const std::string& cmdline_file) {
  std::ifstream in(cmdline_file, std::ios::binary);
  std::string first;
  std::getline(in, first, '\0');
  return first;
}

}  // namespace

PosixProcesses::PosixProcesses(const WinePrefix& prefix, std::string proc)
    : prefix_(prefix), proc_(std::move(proc)) {}

bool PosixProcesses::Describe(uint64_t pid, const std::vector<WinePrefix::DriveRoot>& roots,
                              ProcessInfo* info) const {
  std::string dir = proc_ + "/" + std::to_string(pid);
  std::string exe = ReadLink(dir + "/exe");
  if (exe.empty()) return false;
  info->id = pid;
  if (IsWineLoader(BaseName(exe, "/"))) {
    // Wine puts the Windows program's path into the first argument.
    std::string program = FirstArgument(dir + "/cmdline");
    bool windows_form = program.size() > 2 && (program[1] == ':' || program[0] == '\\');
    if (windows_form) {
      std::string ansi = prefix_.code_page().Utf8ToAnsi(program);
      info->name = BaseName(ansi, "\\/");
      info->executable_path = ansi;
      return true;
    }
    if (program.starts_with("/")) exe = program;
  }
  info->name = prefix_.code_page().Utf8ToAnsi(BaseName(exe, "/"));
  info->executable_path = prefix_.ToWindowsPath(exe, roots);
  return true;
}

std::vector<ProcessInfo> PosixProcesses::List() {
  std::unique_ptr<DIR, DirCloser> dir(opendir(proc_.c_str()));
  if (!dir) throw PosixError(proc_, errno);
  std::vector<uint64_t> ids;
  while (dirent* e = readdir(dir.get())) {
    std::string name = e->d_name;
    if (!name.empty() && std::all_of(name.begin(), name.end(), ::isdigit)) {
      ids.push_back(std::stoull(name));
    }
  }
  std::sort(ids.begin(), ids.end());
  std::vector<WinePrefix::DriveRoot> roots = prefix_.DriveRoots();
  std::vector<ProcessInfo> processes;
  for (uint64_t pid : ids) {
    ProcessInfo info;
    if (Describe(pid, roots, &info)) processes.push_back(std::move(info));
  }
  return processes;
}

// A signal carries no exit code: the launcher reports the wizard's own.
bool PosixProcesses::Terminate(const ProcessInfo& process, int /*exit_code*/) {
  ProcessInfo now;
  if (process.id == 0 || process.id > static_cast<uint64_t>(INT_MAX) ||
      !Describe(process.id, prefix_.DriveRoots(), &now) ||
      now.executable_path != process.executable_path) {
    return false;
  }
  return kill(static_cast<pid_t>(process.id), SIGTERM) == 0;
}

}  // namespace vlrna
