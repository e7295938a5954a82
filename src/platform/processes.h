#ifndef VLRNA_PLATFORM_PROCESSES_H_
#define VLRNA_PLATFORM_PROCESSES_H_

#include <cstdint>
#include <string>
#include <vector>

namespace vlrna {

struct ProcessInfo {
  uint64_t id = 0;
  std::string name;             // executable file name, exact case: "VLRSetup.exe"
  std::string executable_path;  // full Windows path: "D:\Install\VLRSetup.exe"
};

// The running processes of the machine.
class Processes {
 public:
  virtual ~Processes() = default;

  // Every running process the caller may see, in the system's order. Raises
  // RuntimeError when the list cannot be had at all.
  virtual std::vector<ProcessInfo> List() = 0;

  // Asks a process to end, with `exit_code` as its exit code where the system
  // sets one from outside (Windows). False when it could not be asked. Never
  // raises.
  virtual bool Terminate(const ProcessInfo& process, int exit_code) = 0;
};

}  // namespace vlrna

#endif  // VLRNA_PLATFORM_PROCESSES_H_
