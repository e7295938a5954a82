#include "platform/win32/win32_processes.h"

#include "platform/win32/win32_error.h"
#include "platform/win32/win32_handle.h"
#include "platform/win32/windows_api.h"

// After the Windows headers, which it needs.
#include <tlhelp32.h>

namespace vlrna {

std::vector<ProcessInfo> Win32Processes::List() {
  ScopedHandle snapshot(CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
  if (!snapshot.valid()) throw Win32Error("the process list", GetLastError());
  std::vector<ProcessInfo> processes;
  PROCESSENTRY32 entry;
  entry.dwSize = sizeof entry;
  for (BOOL more = Process32First(snapshot.get(), &entry); more;
       more = Process32Next(snapshot.get(), &entry)) {
    ProcessInfo info;
    info.id = entry.th32ProcessID;
    info.name = entry.szExeFile;
    ScopedHandle process(
        OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, entry.th32ProcessID));
    char path[MAX_PATH * 4] = {};
    DWORD length = sizeof path;
    if (process.valid() && QueryFullProcessImageNameA(process.get(), 0, path, &length)) {
      info.executable_path.assign(path, length);
    }
    processes.push_back(std::move(info));
  }
  return processes;
}

bool Win32Processes::Terminate(const ProcessInfo& process, int exit_code) {
  ScopedHandle handle(OpenProcess(PROCESS_TERMINATE, FALSE, static_cast<DWORD>(process.id)));
  return handle.valid() && TerminateProcess(handle.get(), static_cast<UINT>(exit_code)) != 0;
}

}  // namespace vlrna
