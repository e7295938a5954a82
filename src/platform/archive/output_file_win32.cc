#include <windows.h>

#include <algorithm>
#include <atomic>

#include "platform/archive/native_file.h"
#include "platform/archive/output_file.h"

namespace vlrna {
namespace {

constexpr char kSeparators[] = "\\/";

std::atomic<uint64_t> temporary_count{0};

HANDLE AsHandle(intptr_t handle) { return reinterpret_cast<HANDLE>(handle); }

// The system's text for `error`, without its line end.
std::string ErrorText(DWORD error) {
  char* text = nullptr;
  DWORD size = FormatMessageA(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
      nullptr, error, 0, reinterpret_cast<char*>(&text), 0, nullptr);
  std::string result =
      size > 0 && text != nullptr ? std::string(text, size) : "error " + std::to_string(error);
  if (text != nullptr) LocalFree(text);
  while (!result.empty() && (result.back() == '\n' || result.back() == '\r' ||
                             result.back() == ' ' || result.back() == '.')) {
    result.pop_back();
  }
  return result;
}

bool WriteFailed(DWORD error, WriteFailure& failure) {
  failure.disk_full = error == ERROR_DISK_FULL || error == ERROR_HANDLE_DISK_FULL;
  failure.reason = ErrorText(error);
  return false;
}

bool IsFolder(const std::string& path) {
  DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool IsSeparator(char c) { return c == '\\' || c == '/'; }

// The length of the root that no folder needs to be made for: "C:\",
// "\\server\share\", a lone leading separator, or nothing.
size_t RootLength(const std::string& path) {
  if (path.size() >= 2 && path[1] == ':') return path.size() > 2 && IsSeparator(path[2]) ? 3 : 2;
  if (path.size() >= 2 && IsSeparator(path[0]) && IsSeparator(path[1])) {
    size_t server = path.find_first_of(kSeparators, 2);
    if (server == std::string::npos) return path.size();
    size_t share = path.find_first_of(kSeparators, server + 1);
    return share == std::string::npos ? path.size() : share + 1;
  }
  return !path.empty() && IsSeparator(path[0]) ? 1 : 0;
}

// 100-nanosecond steps since 1601, from seconds and nanoseconds since 1970.
FILETIME FileTimeOf(int64_t seconds, int64_t nanoseconds) {
  constexpr int64_t kSeconds1601To1970 = 11644473600;
  int64_t steps = (seconds + kSeconds1601To1970) * 10000000 + nanoseconds / 100;
  if (steps < 0) steps = 0;
  FILETIME time;
  time.dwLowDateTime = static_cast<DWORD>(steps);
  time.dwHighDateTime = static_cast<DWORD>(static_cast<uint64_t>(steps) >> 32);
  return time;
}

// Moves `from` over `to`. A read-only file in the way is replaced too, as
// rename does on Linux.
bool ReplaceWith(const std::string& from, const std::string& to) {
  if (MoveFileExA(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING)) return true;
  DWORD error = GetLastError();
  DWORD attributes = GetFileAttributesA(to.c_str());
  if (error != ERROR_ACCESS_DENIED || attributes == INVALID_FILE_ATTRIBUTES ||
      !(attributes & FILE_ATTRIBUTE_READONLY) || (attributes & FILE_ATTRIBUTE_DIRECTORY) ||
      !SetFileAttributesA(to.c_str(), attributes & ~FILE_ATTRIBUTE_READONLY)) {
    SetLastError(error);
    return false;
  }
  if (MoveFileExA(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING)) return true;
  error = GetLastError();
  SetFileAttributesA(to.c_str(), attributes);
  SetLastError(error);
  return false;
}

}  // namespace

bool MakeOutputFolders(const std::string& native_path, WriteFailure& failure) {
  if (IsFolder(native_path)) return true;
  // Down from the root, making what is missing.
  for (size_t start = RootLength(native_path); start < native_path.size();) {
    size_t end = native_path.find_first_of(kSeparators, start);
    if (end == std::string::npos) end = native_path.size();
    if (end > start) {
      std::string folder = native_path.substr(0, end);
      if (!CreateDirectoryA(folder.c_str(), nullptr)) {
        DWORD error = GetLastError();
        if (error != ERROR_ALREADY_EXISTS) return WriteFailed(error, failure);
        // A file in the way.
        if (!IsFolder(folder)) return WriteFailed(ERROR_DIRECTORY, failure);
      }
    }
    start = end + 1;
  }
  return true;
}

OutputFile::~OutputFile() {
  if (handle_ != kClosed) CloseHandle(AsHandle(handle_));
  if (!temporary_.empty()) DeleteFileA(temporary_.c_str());
}

bool OutputFile::Create(const std::string& native_path, WriteFailure& failure) {
  path_ = native_path;
  for (int attempt = 0; attempt < 100; ++attempt) {
    std::string temporary =
        TemporaryName(native_path, kSeparators, NativeProcessId(), ++temporary_count);
    HANDLE file = CreateFileA(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file != INVALID_HANDLE_VALUE) {
      handle_ = reinterpret_cast<intptr_t>(file);
      temporary_ = std::move(temporary);
      return true;
    }
    DWORD error = GetLastError();
    if (error != ERROR_FILE_EXISTS && error != ERROR_ALREADY_EXISTS) {
      return WriteFailed(error, failure);
    }
  }
  return WriteFailed(ERROR_FILE_EXISTS, failure);
}

bool OutputFile::WriteAt(const void* data, size_t size, int64_t offset, WriteFailure& failure) {
  // Data comes in order; only a gap needs a seek.
  if (offset != position_) {
    LARGE_INTEGER to;
    to.QuadPart = offset;
    if (!SetFilePointerEx(AsHandle(handle_), to, nullptr, FILE_BEGIN)) {
      return WriteFailed(GetLastError(), failure);
    }
    position_ = offset;
  }
  const char* bytes = static_cast<const char*>(data);
  while (size > 0) {
    DWORD want = static_cast<DWORD>(std::min<size_t>(size, 1u << 30));
    DWORD written = 0;
    if (!WriteFile(AsHandle(handle_), bytes, want, &written, nullptr)) {
      return WriteFailed(GetLastError(), failure);
    }
    if (written == 0) return WriteFailed(ERROR_DISK_FULL, failure);
    bytes += written;
    size -= written;
    position_ += written;
  }
  return true;
}

bool OutputFile::Finish(bool has_mtime, int64_t mtime, int64_t mtime_nsec, WriteFailure& failure) {
  HANDLE file = AsHandle(handle_);
  if (has_mtime) {
    FILETIME time = FileTimeOf(mtime, mtime_nsec);
    if (!SetFileTime(file, nullptr, nullptr, &time)) return WriteFailed(GetLastError(), failure);
  }
  handle_ = kClosed;
  if (!CloseHandle(file)) return WriteFailed(GetLastError(), failure);
  if (!ReplaceWith(temporary_, path_)) return WriteFailed(GetLastError(), failure);
  temporary_.clear();
  return true;
}

}  // namespace vlrna
