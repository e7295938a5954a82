#include "app/windows_console.h"

#include <vector>

#include "platform/win32/windows_api.h"

namespace vlrna {
namespace {

bool Usable(HANDLE handle) {
  return handle != nullptr && handle != INVALID_HANDLE_VALUE &&
         GetFileType(handle) != FILE_TYPE_UNKNOWN;
}

void WriteConsoleText(HANDLE console, const std::string& utf8) {
  const int length =
      MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
  std::vector<wchar_t> wide(static_cast<size_t>(length) + 2);
  MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), wide.data(), length);
  wide[static_cast<size_t>(length)] = L'\r';
  wide[static_cast<size_t>(length) + 1] = L'\n';
  DWORD written = 0;
  WriteConsoleW(console, wide.data(), static_cast<DWORD>(length + 2), &written, nullptr);
}

}  // namespace

void WindowsConsole::WriteLine(Stream stream, const std::string& utf8) {
  const DWORD which = stream == kOut ? STD_OUTPUT_HANDLE : STD_ERROR_HANDLE;
  HANDLE handle = GetStdHandle(which);
  if (!Usable(handle) && !attached_) {
    // A GUI program gets no console of its own: borrow its starter's.
    attached_ = true;
    if (AttachConsole(ATTACH_PARENT_PROCESS)) {
      HANDLE console = CreateFileA("CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_WRITE,
                                   nullptr, OPEN_EXISTING, 0, nullptr);
      if (console != INVALID_HANDLE_VALUE) {
        if (!Usable(GetStdHandle(STD_OUTPUT_HANDLE))) SetStdHandle(STD_OUTPUT_HANDLE, console);
        if (!Usable(GetStdHandle(STD_ERROR_HANDLE))) SetStdHandle(STD_ERROR_HANDLE, console);
      }
    }
    handle = GetStdHandle(which);
  }
  if (!Usable(handle)) return;
  DWORD mode = 0;
  if (GetConsoleMode(handle, &mode)) {
    WriteConsoleText(handle, utf8);
    return;
  }
  const std::string line = utf8 + "\n";
  DWORD written = 0;
  WriteFile(handle, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
}

void WindowsConsole::Print(Stream stream, const std::string& utf8) {
  size_t start = 0;
  while (start < utf8.size()) {
    size_t end = utf8.find('\n', start);
    if (end == std::string::npos) end = utf8.size();
    WriteLine(stream, utf8.substr(start, end - start));
    start = end + 1;
  }
}

}  // namespace vlrna
