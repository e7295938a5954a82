#include "tools/crash-test/crash_loop.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <random>

namespace vlrna {
bool RunCommand(const std::vector<std::string>& command, long delay_us,
                const std::string& error_file) {
  std::vector<char*> argv;
  for (const std::string& arg : command) argv.push_back(const_cast<char*>(arg.c_str()));
  argv.push_back(nullptr);
  pid_t pid = fork();
  if (pid < 0) return false;
  if (pid == 0) {
    int null = open("/dev/null", O_WRONLY);
    if (null >= 0) dup2(null, STDOUT_FILENO);
    if (!error_file.empty()) {
      int error = open(error_file.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
      if (error >= 0) dup2(error, STDERR_FILENO);
    }
    execv(argv[0], argv.data());
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

long RunCrashLoop(CrashScenario& scenario, long runs) {
  scenario.Reset();
  const auto start = std::chrono::steady_clock::now();
  if (!RunCommand(scenario.Command(), -1)) {
    std::fprintf(stderr, "vlrna-crash-test: %s fails without a kill\n",
                 scenario.Command().front().c_str());
    return -1;
  }
  const long full_us = static_cast<long>(std::chrono::duration_cast<std::chrono::microseconds>(
                                             std::chrono::steady_clock::now() - start)
                                             .count());
  if (std::string problem = scenario.TakeFinalState(); !problem.empty()) {
    std::fprintf(stderr, "vlrna-crash-test: %s\n", problem.c_str());
    return -1;
  }
  const unsigned seed = std::random_device()();
  std::mt19937 random(seed);
  std::uniform_int_distribution<long> delay(0, full_us + full_us / 2);
  std::printf("whole run: %ld us, seed %u\n", full_us, seed);
  long damaged = 0;
  for (long i = 0; i < runs; ++i) {
    scenario.Reset();
    const long at = delay(random);
    RunCommand(scenario.Command(), at);
    std::string problem = scenario.Check(false);
    if (problem.empty()) {
      RunCommand(scenario.Command(), -1);
      problem = scenario.Check(true);
    }
    if (!problem.empty()) {
      ++damaged;
      std::printf("run %ld (killed after %ld us): %s\n", i + 1, at, problem.c_str());
    }
  }
  std::printf("crash-runs: %ld, damaged: %ld\n", runs, damaged);
  std::fflush(stdout);
  return damaged;
}

}  // namespace vlrna
