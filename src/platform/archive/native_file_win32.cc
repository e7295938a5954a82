#include <windows.h>

#include <algorithm>

#include "platform/archive/native_file.h"

namespace vlrna {
namespace {

HANDLE AsHandle(intptr_t handle) { return reinterpret_cast<HANDLE>(handle); }

}  // namespace

std::filesystem::path NativePathObject(const std::string& native_path) {
  int size = MultiByteToWideChar(CP_ACP, 0, native_path.data(),
                                 static_cast<int>(native_path.size()), nullptr, 0);
  std::wstring wide(static_cast<size_t>(std::max(size, 0)), L'\0');
  MultiByteToWideChar(CP_ACP, 0, native_path.data(), static_cast<int>(native_path.size()),
                      wide.data(), size);
  return wide;
}

std::string NativeText(const std::filesystem::path& path) {
  const std::wstring& wide = path.native();
  int size = WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0,
                                 nullptr, nullptr);
  std::string text(static_cast<size_t>(std::max(size, 0)), '\0');
  WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(wide.size()), text.data(), size,
                      nullptr, nullptr);
  return text;
}

long NativeProcessId() { return static_cast<long>(GetCurrentProcessId()); }

NativeFile::~NativeFile() {
  if (is_open()) CloseHandle(AsHandle(handle_));
}

bool NativeFile::Open(const std::string& native_path) {
  if (is_open()) CloseHandle(AsHandle(handle_));
  // Others may read, write or replace the archive meanwhile, as they may
  // on Linux; the checks of what is read catch a file that changed.
  HANDLE file = CreateFileA(native_path.c_str(), GENERIC_READ,
                            FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  handle_ = reinterpret_cast<intptr_t>(file);
  return is_open();
}

bool NativeFile::ReadAt(void* buffer, size_t size, uint64_t offset) const {
  if (!is_open()) return false;
  char* bytes = static_cast<char*>(buffer);
  while (size > 0) {
    // A read with its own offset leaves the handle's position to no one:
    // threads may share the handle.
    OVERLAPPED at{};
    at.Offset = static_cast<DWORD>(offset);
    at.OffsetHigh = static_cast<DWORD>(offset >> 32);
    DWORD want = static_cast<DWORD>(std::min<size_t>(size, 1u << 30));
    DWORD got = 0;
    if (!ReadFile(AsHandle(handle_), bytes, want, &got, &at) || got == 0) return false;
    bytes += got;
    size -= got;
    offset += got;
  }
  return true;
}

std::optional<uint64_t> NativeFile::Size() const {
  LARGE_INTEGER size;
  if (!is_open() || !GetFileSizeEx(AsHandle(handle_), &size)) return std::nullopt;
  return static_cast<uint64_t>(size.QuadPart);
}

}  // namespace vlrna
