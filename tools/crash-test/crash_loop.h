#ifndef VLRNA_TOOLS_CRASH_TEST_CRASH_LOOP_H_
#define VLRNA_TOOLS_CRASH_TEST_CRASH_LOOP_H_

#include <string>
#include <vector>

namespace vlrna {

// One kind of work that the crash test kills: the files it starts from, the
// program that changes them, and what may be found afterwards.
class CrashScenario {
 public:
  virtual ~CrashScenario() = default;
  // Puts every file back into the state before the work.
  virtual void Reset() = 0;
  // The program and its arguments.
  virtual std::vector<std::string> Command() const = 0;
  // Called once after a run that was not killed: the files are now in the
  // state every later complete run must give. "" or why that state is wrong.
  virtual std::string TakeFinalState() = 0;
  // What is wrong with the files after a kill (`rerun` false: each holds its
  // old or its final bytes) or after the complete run that follows it (each
  // holds its final bytes, no temporary is left); "" when nothing is.
  virtual std::string Check(bool rerun) const = 0;
};

// Runs `command`, killed with SIGKILL after `delay_us` unless that is
// negative; its standard output goes nowhere, its standard error to
// `error_file` when that is not empty. True when it ran to its end with
// status 0.
bool RunCommand(const std::vector<std::string>& command, long delay_us,
                const std::string& error_file = "");

// Runs the work once whole, then `runs` times killed with SIGKILL after a
// random delay (up to one and a half times a whole run) and run again,
// checking after both. Prints each damaged run and "crash-runs: N, damaged: D"
// last. Returns D, or -1 when the work fails even without a kill.
long RunCrashLoop(CrashScenario& scenario, long runs);

}  // namespace vlrna

#endif  // VLRNA_TOOLS_CRASH_TEST_CRASH_LOOP_H_
