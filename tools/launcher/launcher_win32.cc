// VLRSetup.exe, the launcher of the installation medium on Windows: starts
// the wizard "setup\vlrna-setup.exe" beside itself with its own command
// line, waits for it and ends with its exit code. A wizard that ends early
// ends the launcher itself, with its own code. Both are GUI programs; with
// arguments, the launcher borrows its starter's console, so that an
// unattended run's lines reach the terminal that started it, and hands it on
// to the wizard with its output handles.

#include <windows.h>

#include <string>
#include <string_view>

#include "command_line_tail.h"

namespace {

bool Usable(HANDLE handle) {
  return handle != nullptr && handle != INVALID_HANDLE_VALUE &&
         GetFileType(handle) != FILE_TYPE_UNKNOWN;
}

std::wstring OwnFolder() {
  wchar_t path[32768];
  const DWORD length = GetModuleFileNameW(nullptr, path, 32768);
  std::wstring exe(path, length < 32768 ? length : 0);
  const size_t slash = exe.find_last_of(L"\\/");
  return slash == std::wstring::npos ? L"." : exe.substr(0, slash);
}

// The standard handles to give the wizard; false when there are none.
bool StandardHandles(STARTUPINFOW& startup) {
  if (!Usable(GetStdHandle(STD_OUTPUT_HANDLE))) AttachConsole(ATTACH_PARENT_PROCESS);
  HANDLE handles[] = {GetStdHandle(STD_INPUT_HANDLE), GetStdHandle(STD_OUTPUT_HANDLE),
                      GetStdHandle(STD_ERROR_HANDLE)};
  if (!Usable(handles[1]) && !Usable(handles[2])) return false;
  for (HANDLE handle : handles) {
    if (Usable(handle)) SetHandleInformation(handle, HANDLE_FLAG_INHERIT, HANDLE_FLAG_INHERIT);
  }
  startup.dwFlags |= STARTF_USESTDHANDLES;
  startup.hStdInput = handles[0];
  startup.hStdOutput = handles[1];
  startup.hStdError = handles[2];
  return true;
}

void Complain(const std::wstring& text) {
  HANDLE err = GetStdHandle(STD_ERROR_HANDLE);
  DWORD mode = 0;
  DWORD written = 0;
  if (Usable(err) && GetConsoleMode(err, &mode)) {
    WriteConsoleW(err, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
    WriteConsoleW(err, L"\r\n", 2, &written, nullptr);
  } else {
    MessageBoxW(nullptr, text.c_str(), L"VLRSetup.exe", MB_OK | MB_ICONERROR);
  }
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  const std::wstring wizard = OwnFolder() + L"\\setup\\vlrna-setup.exe";
  const std::wstring_view tail = vlrna::CommandLineTail(std::wstring_view(GetCommandLineW()));
  std::wstring command = L"\"" + wizard + L"\"";
  if (!tail.empty()) command += L" " + std::wstring(tail);

  STARTUPINFOW startup = {};
  startup.cb = sizeof startup;
  const BOOL inherit = !tail.empty() && StandardHandles(startup);
  PROCESS_INFORMATION process = {};
  if (!CreateProcessW(wizard.c_str(), command.data(), nullptr, nullptr, inherit, 0, nullptr,
                      nullptr, &startup, &process)) {
    const DWORD error = GetLastError();
    Complain(L"VLRSetup.exe: cannot start the installation wizard " + wizard + L" (error " +
             std::to_wstring(error) + L")");
    return 127;
  }
  CloseHandle(process.hThread);
  WaitForSingleObject(process.hProcess, INFINITE);
  DWORD code = 1;
  GetExitCodeProcess(process.hProcess, &code);
  CloseHandle(process.hProcess);
  return static_cast<int>(code);
}
