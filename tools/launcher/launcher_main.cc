// VLRSetup.exe, the launcher of the installation medium on Linux: starts the
// wizard "setup/vlrna-setup" beside itself with its own arguments, waits for
// it and ends with its exit code. The wizard finds the medium through this
// process and ends it with SIGTERM at its own end; that ends nothing here
// early and prints nothing, the launcher still reports the wizard's code.

#include <dirent.h>
#include <limits.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

extern char** environ;

namespace {

volatile sig_atomic_t g_wizard = 0;

// SIGTERM from the wizard is its way of saying goodbye: keep waiting for its
// exit. A request to end from anyone else goes on to the wizard.
void OnTerminate(int, siginfo_t* info, void*) {
  pid_t wizard = g_wizard;
  if (wizard > 0 && info->si_pid != wizard) kill(wizard, SIGTERM);
}

std::string OwnFolder() {
  char path[PATH_MAX];
  ssize_t n = readlink("/proc/self/exe", path, sizeof path - 1);
  if (n <= 0) return ".";
  std::string exe(path, static_cast<size_t>(n));
  size_t slash = exe.find_last_of('/');
  return slash == 0 ? "/" : exe.substr(0, slash);
}

bool SameIgnoringAsciiCase(const std::string& a, const std::string& b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    char x = a[i] >= 'A' && a[i] <= 'Z' ? a[i] + 32 : a[i];
    char y = b[i] >= 'A' && b[i] <= 'Z' ? b[i] + 32 : b[i];
    if (x != y) return false;
  }
  return true;
}

// `folder`/`name`, with the spelling on disk when it differs only in case (a
// disc written without long-name extensions shows capitals).
std::string Entry(const std::string& folder, const std::string& name) {
  std::string exact = folder + "/" + name;
  if (access(exact.c_str(), F_OK) == 0) return exact;
  if (DIR* dir = opendir(folder.c_str())) {
    while (dirent* e = readdir(dir)) {
      if (SameIgnoringAsciiCase(e->d_name, name)) {
        exact = folder + "/" + e->d_name;
        break;
      }
    }
    closedir(dir);
  }
  return exact;
}

int Wait(pid_t wizard) {
  int status = 0;
  while (waitpid(wizard, &status, 0) < 0) {
    if (errno != EINTR) return 1;
  }
  if (WIFEXITED(status)) return WEXITSTATUS(status);
  return 128 + WTERMSIG(status);
}

}  // namespace

int main(int argc, char** argv) {
  struct sigaction action = {};
  action.sa_sigaction = OnTerminate;
  action.sa_flags = SA_SIGINFO | SA_RESTART;
  sigemptyset(&action.sa_mask);
  sigaction(SIGTERM, &action, nullptr);

  std::string wizard = Entry(Entry(OwnFolder(), "setup"), "vlrna-setup");
  std::vector<char*> args{wizard.data()};
  for (int i = 1; i < argc; ++i) args.push_back(argv[i]);
  args.push_back(nullptr);
  pid_t pid = 0;
  int error = posix_spawn(&pid, wizard.c_str(), nullptr, nullptr, args.data(), environ);
  if (error != 0) {
    std::fprintf(stderr, "VLRSetup.exe: cannot start the installation wizard %s: %s\n",
                 wizard.c_str(), std::strerror(error));
    return 127;
  }
  g_wizard = pid;
  return Wait(pid);
}
