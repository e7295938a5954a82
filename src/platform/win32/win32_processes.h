#ifndef VLRNA_PLATFORM_WIN32_WIN32_PROCESSES_H_
#define VLRNA_PLATFORM_WIN32_WIN32_PROCESSES_H_

#include "platform/processes.h"

namespace vlrna {

// The running processes through a Toolhelp32 snapshot, their paths through
// QueryFullProcessImageNameA (Wine's management service lacks both).
class Win32Processes : public Processes {
 public:
  std::vector<ProcessInfo> List() override;
  bool Terminate(const ProcessInfo& process, int exit_code) override;
};

}  // namespace vlrna

#endif  // VLRNA_PLATFORM_WIN32_WIN32_PROCESSES_H_
