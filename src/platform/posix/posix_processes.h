#ifndef VLRNA_PLATFORM_POSIX_POSIX_PROCESSES_H_
#define VLRNA_PLATFORM_POSIX_POSIX_PROCESSES_H_

#include <string>

#include "platform/posix/wine_prefix.h"
#include "platform/processes.h"

namespace vlrna {

// The running processes, read from /proc: each process's executable file name
// (exact case) and the Windows form of its path in the prefix. A Windows
// program that runs under Wine shows as the program, not as Wine's loader.
// Processes of other users, whose executable cannot be read, are left out.
class PosixProcesses : public Processes {
 public:
  explicit PosixProcesses(const WinePrefix& prefix, std::string proc = "/proc");

  // In ascending process id. Raises RuntimeError when /proc cannot be read.
  std::vector<ProcessInfo> List() override;

  // Sends SIGTERM, after making sure the id still belongs to the same
  // executable (an id that was reused is left alone).
  bool Terminate(const ProcessInfo& process, int exit_code) override;

 private:
  // The process `pid` as List gives it; false when it cannot be read.
  bool Describe(uint64_t pid, const std::vector<WinePrefix::DriveRoot>& roots,
                ProcessInfo* info) const;

  const WinePrefix& prefix_;
  std::string proc_;
};

}  // namespace vlrna

#endif  // VLRNA_PLATFORM_POSIX_POSIX_PROCESSES_H_
