#include "platform/win32/win32_files.h"

#include "platform/win32/windows_api.h"

#include <algorithm>
#include <atomic>

#include "platform/ascii_case.h"
#include "platform/win32/win32_error.h"
#include "platform/win32/win32_handle.h"

namespace vlrna {
namespace {

constexpr DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;
constexpr char kTemporaryMarker[] = ".vlrna-";

std::string FolderOf(const std::string& path) {
  const size_t slash = path.find_last_of("\\/");
  return slash == std::string::npos ? "." : path.substr(0, slash);
}

std::string NameOf(const std::string& path) { return path.substr(path.find_last_of("\\/") + 1); }

DWORD Attributes(const std::string& path) { return GetFileAttributesA(path.c_str()); }

ScopedHandle Open(const std::string& path, DWORD access, DWORD disposition) {
  ScopedHandle file(CreateFileA(path.c_str(), access, kShareAll, nullptr, disposition,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file.valid()) throw Win32Error(path, GetLastError());
  return file;
}

void WriteAll(HANDLE file, std::string_view bytes, const std::string& path) {
  size_t done = 0;
  while (done < bytes.size()) {
    const DWORD chunk = static_cast<DWORD>(std::min<size_t>(bytes.size() - done, 1 << 24));
    DWORD written = 0;
    if (!WriteFile(file, bytes.data() + done, chunk, &written, nullptr)) {
      throw Win32Error(path, GetLastError());
    }
    if (written == 0) throw Win32Error(path, ERROR_DISK_FULL);
    done += written;
  }
}

void Seek(HANDLE file, uint64_t offset, const std::string& path) {
  LARGE_INTEGER to;
  to.QuadPart = static_cast<LONGLONG>(offset);
  if (!SetFilePointerEx(file, to, nullptr, FILE_BEGIN)) throw Win32Error(path, GetLastError());
}

void CloseOrFail(ScopedHandle& file, const std::string& path) {
  if (!file.Close()) throw Win32Error(path, GetLastError());
}

// Whether `entry` is a temporary ".NAME.vlrna-XXXXXX" of `name`.
bool IsTemporaryOf(const std::string& entry, const std::string& name) {
  const std::string prefix = "." + name + kTemporaryMarker;
  return entry.size() == prefix.size() + 6 &&
         SameIgnoringAsciiCase(entry.substr(0, prefix.size()), prefix);
}

// Removes the temporaries of `name` in `folder` that a run killed between
// writing one and renaming it left behind. Failures only leave litter.
void RemoveLeftoversOf(const std::string& folder, const std::string& name) {
  WIN32_FIND_DATAA found;
  ScopedFind find(FindFirstFileA((folder + "\\." + name + kTemporaryMarker + "*").c_str(), &found));
  if (!find.valid()) return;
  do {
    if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0 &&
        IsTemporaryOf(found.cFileName, name)) {
      DeleteFileA((folder + "\\" + found.cFileName).c_str());
    }
  } while (FindNextFileA(find.get(), &found));
}

std::string TemporaryName(const std::string& path) {
  static std::atomic<uint32_t> counter{0};
  const uint32_t seed = GetCurrentProcessId() * 2654435761u + GetTickCount() + ++counter;
  static const char kChars[] = "0123456789abcdefghijklmnopqrstuvwxyz";
  std::string suffix;
  for (uint32_t x = seed; suffix.size() < 6; x = x * 1103515245u + 12345u) {
    suffix += kChars[(x >> 16) % 36];
  }
  return FolderOf(path) + "\\." + NameOf(path) + kTemporaryMarker + suffix;
}

}  // namespace

bool Win32Files::NormalFileExists(const std::string& path) {
  const DWORD attributes = Attributes(path);
  return attributes != INVALID_FILE_ATTRIBUTES &&
         (attributes &
          (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM)) == 0;
}

bool Win32Files::FolderExists(const std::string& path) {
  const DWORD attributes = Attributes(path);
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

std::vector<std::string> Win32Files::ListSubfolders(const std::string& path) {
  return ListNames(path, true);
}

std::vector<std::string> Win32Files::ListFiles(const std::string& path) {
  return ListNames(path, false);
}

std::vector<std::string> Win32Files::ListNames(const std::string& path, bool folders) {
  std::string pattern = path;
  if (pattern.empty() || (pattern.back() != '\\' && pattern.back() != '/')) pattern += '\\';
  WIN32_FIND_DATAA found;
  ScopedFind find(FindFirstFileA((pattern + "*").c_str(), &found));
  if (!find.valid()) throw Win32Error(path, GetLastError());
  std::vector<std::string> names;
  do {
    const std::string name = found.cFileName;
    const bool folder = (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    if (folder == folders && name != "." && name != "..") {
      names.push_back(name);
    }
  } while (FindNextFileA(find.get(), &found));
  std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
    const std::string x = AsciiLower(a), y = AsciiLower(b);
    return x < y || (x == y && a < b);
  });
  return names;
}

void Win32Files::CreateFolders(const std::string& path) {
  // Each missing folder from the root down, in a loop: a deep path costs no stack.
  for (size_t at = path.find_first_of("\\/", 3);; at = path.find_first_of("\\/", at + 1)) {
    const std::string folder = path.substr(0, at);
    if (!folder.empty() && !FolderExists(folder) && !CreateDirectoryA(folder.c_str(), nullptr) &&
        !(GetLastError() == ERROR_ALREADY_EXISTS && FolderExists(folder))) {
      throw Win32Error(path, GetLastError());
    }
    if (at == std::string::npos) return;
  }
}

std::string Win32Files::ReadFile(const std::string& path) {
  ScopedHandle file = Open(path, GENERIC_READ, OPEN_EXISTING);
  std::string content;
  char buffer[65536];
  while (true) {
    DWORD read = 0;
    if (!::ReadFile(file.get(), buffer, sizeof buffer, &read, nullptr)) {
      throw Win32Error(path, GetLastError());
    }
    if (read == 0) return content;
    content.append(buffer, read);
  }
}

std::string Win32Files::ReadAt(const std::string& path, uint64_t offset, size_t count) {
  ScopedHandle file = Open(path, GENERIC_READ, OPEN_EXISTING);
  Seek(file.get(), offset, path);
  std::string bytes(count, '\0');
  size_t done = 0;
  while (done < count) {
    DWORD read = 0;
    const DWORD chunk = static_cast<DWORD>(std::min<size_t>(count - done, 1 << 24));
    if (!::ReadFile(file.get(), bytes.data() + done, chunk, &read, nullptr)) {
      throw Win32Error(path, GetLastError());
    }
    if (read == 0) break;
    done += read;
  }
  bytes.resize(done);
  return bytes;
}

void Win32Files::WriteAt(const std::string& path, uint64_t offset, std::string_view bytes) {
  ScopedHandle file = Open(path, GENERIC_WRITE, OPEN_ALWAYS);
  Seek(file.get(), offset, path);
  WriteAll(file.get(), bytes, path);
  CloseOrFail(file, path);
}

void Win32Files::AppendToFile(const std::string& path, std::string_view bytes) {
  ScopedHandle file = Open(path, FILE_APPEND_DATA, OPEN_ALWAYS);
  WriteAll(file.get(), bytes, path);
  CloseOrFail(file, path);
}

void Win32Files::CopyFile(const std::string& from, const std::string& to) {
  const DWORD source = Attributes(from);
  if (source == INVALID_FILE_ATTRIBUTES) throw Win32Error(from, GetLastError());
  if ((source & FILE_ATTRIBUTE_DIRECTORY) != 0) throw Win32Error(from, ERROR_ACCESS_DENIED);
  const DWORD target = Attributes(to);
  if (target != INVALID_FILE_ATTRIBUTES &&
      (target & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_READONLY)) != 0) {
    throw Win32Error(to, ERROR_ACCESS_DENIED);
  }
  ReplaceWith(to, [&](const std::string& temporary) {
    if (!CopyFileA(from.c_str(), temporary.c_str(), FALSE)) {
      throw Win32Error(from, GetLastError());
    }
    // The copy reaches the disk before it takes the target's name.
    ScopedHandle copy = Open(temporary, GENERIC_WRITE, OPEN_EXISTING);
    if (!FlushFileBuffers(copy.get())) throw Win32Error(to, GetLastError());
  });
}

void Win32Files::ReplaceFileAtomically(const std::string& path, std::string_view content) {
  const DWORD old = Attributes(path);
  if (old != INVALID_FILE_ATTRIBUTES && (old & FILE_ATTRIBUTE_DIRECTORY) != 0) {
    throw Win32Error(path, ERROR_ACCESS_DENIED);
  }
  ReplaceWith(path, [&](const std::string& temporary) {
    ScopedHandle file = Open(temporary, GENERIC_WRITE, CREATE_NEW);
    WriteAll(file.get(), content, path);
    if (!FlushFileBuffers(file.get())) throw Win32Error(path, GetLastError());
    CloseOrFail(file, path);
    // The new file keeps the old one's attributes (hidden, archive, ...).
    if (old != INVALID_FILE_ATTRIBUTES) SetFileAttributesA(temporary.c_str(), old);
  });
}

void Win32Files::ReplaceWith(const std::string& path,
                             const std::function<void(const std::string&)>& fill) {
  RemoveLeftoversOf(FolderOf(path), NameOf(path));
  const std::string temporary = TemporaryName(path);
  try {
    fill(temporary);
    if (!MoveFileExA(temporary.c_str(), path.c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
      throw Win32Error(path, GetLastError());
    }
  } catch (...) {
    SetFileAttributesA(temporary.c_str(), FILE_ATTRIBUTE_NORMAL);
    DeleteFileA(temporary.c_str());
    throw;
  }
}

bool Win32Files::DeleteFile(const std::string& path) {
  const DWORD attributes = Attributes(path);
  if (attributes == INVALID_FILE_ATTRIBUTES) {
    const DWORD error = GetLastError();
    if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND) return false;
    throw Win32Error(path, error);
  }
  if ((attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) throw Win32Error(path, ERROR_ACCESS_DENIED);
  if (!DeleteFileA(path.c_str())) {
    const DWORD error = GetLastError();
    if (error == ERROR_FILE_NOT_FOUND) return false;
    throw Win32Error(path, error);
  }
  return true;
}

bool Win32Files::RemoveEmptyFolder(const std::string& path) {
  if (!FolderExists(path)) return false;
  if (RemoveDirectoryA(path.c_str())) return true;
  const DWORD error = GetLastError();
  if (error == ERROR_DIR_NOT_EMPTY || error == ERROR_FILE_NOT_FOUND ||
      error == ERROR_PATH_NOT_FOUND) {
    return false;
  }
  throw Win32Error(path, error);
}

FileStamp Win32Files::Stamp(const std::string& path) {
  ScopedHandle file(CreateFileA(path.c_str(), FILE_READ_ATTRIBUTES, kShareAll, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  BY_HANDLE_FILE_INFORMATION info;
  if (!file.valid() || !GetFileInformationByHandle(file.get(), &info) ||
      (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
    return {};
  }
  const uint64_t index = (static_cast<uint64_t>(info.nFileIndexHigh) << 32) | info.nFileIndexLow;
  const uint64_t size = (static_cast<uint64_t>(info.nFileSizeHigh) << 32) | info.nFileSizeLow;
  const uint64_t ticks = (static_cast<uint64_t>(info.ftLastWriteTime.dwHighDateTime) << 32) |
                         info.ftLastWriteTime.dwLowDateTime;
  return {true, index ^ (static_cast<uint64_t>(info.dwVolumeSerialNumber) << 40), size,
          static_cast<int64_t>(ticks) * 100};
}

}  // namespace vlrna
