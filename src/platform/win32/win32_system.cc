#include "platform/win32/win32_system.h"

#include <cstdio>
#include <vector>

#include "platform/win32/windows_api.h"

// After the Windows headers, which they need.
#include <mmsystem.h>
#include <winver.h>

namespace vlrna {
namespace {

std::string ModulePath() {
  char path[MAX_PATH * 4] = {};
  const DWORD length = GetModuleFileNameA(nullptr, path, sizeof path);
  return std::string(path, length < sizeof path ? length : 0);
}

}  // namespace

std::string Win32System::WindowsFolder() {
  char folder[MAX_PATH + 1] = {};
  const UINT length = GetWindowsDirectoryA(folder, sizeof folder);
  return std::string(folder, length <= MAX_PATH ? length : 0);
}

uint16_t Win32System::SystemDefaultLangId() { return GetSystemDefaultLangID(); }

LocalTime Win32System::Now() {
  SYSTEMTIME t;
  GetLocalTime(&t);
  return {t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute, t.wSecond};
}

int64_t Win32System::MonotonicMillis() { return static_cast<int64_t>(GetTickCount64()); }

ProgramVersion Win32System::Version() {
  ProgramVersion version;
  const std::string path = ModulePath();
  DWORD ignored = 0;
  const DWORD size = GetFileVersionInfoSizeA(path.c_str(), &ignored);
  std::vector<char> data(size);
  if (size == 0 || !GetFileVersionInfoA(path.c_str(), 0, size, data.data())) return version;
  VS_FIXEDFILEINFO* fixed = nullptr;
  UINT length = 0;
  if (VerQueryValueA(data.data(), "\\", reinterpret_cast<void**>(&fixed), &length) &&
      length >= sizeof *fixed) {
    version.major = HIWORD(fixed->dwFileVersionMS);
    version.minor = LOWORD(fixed->dwFileVersionMS);
    version.revision = HIWORD(fixed->dwFileVersionLS);
  }
  struct Translation {
    WORD language;
    WORD code_page;
  }* translation = nullptr;
  if (VerQueryValueA(data.data(), "\\VarFileInfo\\Translation",
                     reinterpret_cast<void**>(&translation), &length) &&
      length >= sizeof *translation) {
    char key[64];
    std::snprintf(key, sizeof key, "\\StringFileInfo\\%04x%04x\\FileDescription",
                  translation->language, translation->code_page);
    char* text = nullptr;
    if (VerQueryValueA(data.data(), key, reinterpret_cast<void**>(&text), &length) && length > 0) {
      version.file_description.assign(text, length - 1);
    }
  }
  return version;
}

std::string Win32System::ProgramFolder() {
  std::string path = ModulePath();
  std::string folder = path.substr(0, path.find_last_of('\\') + 1);
  if (folder.size() > 3 && folder.back() == '\\') folder.pop_back();
  if (folder.size() == 3 && folder[1] == ':') folder.pop_back();
  return folder;
}

void Win32System::EndProcess(int exit_code) {
  std::fflush(nullptr);
  ExitProcess(static_cast<UINT>(exit_code));
}

void Win32Sound::PlayAsync(const std::string& wav_path) {
  PlaySoundA(wav_path.c_str(), nullptr, SND_FILENAME | SND_ASYNC | SND_NODEFAULT);
}

void Win32Sound::Stop() { PlaySoundA(nullptr, nullptr, 0); }

}  // namespace vlrna
