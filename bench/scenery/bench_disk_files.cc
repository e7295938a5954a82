#include "bench_disk_files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "platform/runtime_error.h"

namespace vlrna {
namespace {

[[noreturn]] void Fail(const std::string& what, const std::string& path) {
  int number = errno == ENOENT   ? kErrFileNotFound
               : errno == ENOSPC ? kErrDiskFull
               : errno == EACCES ? kErrPermissionDenied
                                 : kErrPathFileAccess;
  throw RuntimeError(number, what + " " + path + ": " + std::strerror(errno), "BenchDiskFiles");
}

[[noreturn]] void Unused(const char* what) {
  throw RuntimeError(kErrInvalidCall, std::string(what) + " is not part of the benchmark",
                     "BenchDiskFiles");
}

void WriteAll(int fd, std::string_view bytes, const std::string& path) {
  while (!bytes.empty()) {
    ssize_t n = write(fd, bytes.data(), bytes.size());
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) Fail("write", path);
    bytes.remove_prefix(static_cast<size_t>(n));
  }
}

}  // namespace

std::string BenchDiskFiles::UnixPath(const std::string& windows_path) const {
  std::string rest =
      windows_path.size() > 2 && windows_path[1] == ':' ? windows_path.substr(2) : windows_path;
  for (char& c : rest) {
    if (c == '\\') c = '/';
  }
  return root_ + rest;
}

bool BenchDiskFiles::NormalFileExists(const std::string& path) {
  struct stat st;
  return stat(UnixPath(path).c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

bool BenchDiskFiles::FolderExists(const std::string& path) {
  struct stat st;
  return stat(UnixPath(path).c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

std::vector<std::string> BenchDiskFiles::ListSubfolders(const std::string&) {
  Unused("ListSubfolders");
}
void BenchDiskFiles::CreateFolders(const std::string&) { Unused("CreateFolders"); }
std::string BenchDiskFiles::ReadAt(const std::string&, uint64_t, size_t) { Unused("ReadAt"); }
void BenchDiskFiles::WriteAt(const std::string&, uint64_t, std::string_view) { Unused("WriteAt"); }

std::string BenchDiskFiles::ReadFile(const std::string& path) {
  std::string unix_path = UnixPath(path);
  int fd = open(unix_path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) Fail("open", unix_path);
  std::string content;
  char buffer[65536];
  for (;;) {
    ssize_t n = read(fd, buffer, sizeof buffer);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) break;
    content.append(buffer, static_cast<size_t>(n));
  }
  close(fd);
  return content;
}

void BenchDiskFiles::AppendToFile(const std::string& path, std::string_view bytes) {
  std::string unix_path = UnixPath(path);
  int fd = open(unix_path.c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644);
  if (fd < 0) Fail("open", unix_path);
  WriteAll(fd, bytes, unix_path);
  close(fd);
}

void BenchDiskFiles::CopyFile(const std::string& from, const std::string& to) {
  std::string content = ReadFile(from);
  std::string unix_path = UnixPath(to);
  int fd = open(unix_path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (fd < 0) Fail("open", unix_path);
  WriteAll(fd, content, unix_path);
  close(fd);
}

void BenchDiskFiles::ReplaceFileAtomically(const std::string& path, std::string_view content) {
  std::string target = UnixPath(path);
  std::string temp = target + ".vlrna-tmp";
  struct stat st;
  mode_t mode = stat(target.c_str(), &st) == 0 ? st.st_mode & 07777 : 0644;
  int fd = open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, mode);
  if (fd < 0) Fail("open", temp);
  WriteAll(fd, content, temp);
  if (sync_ && fsync(fd) != 0) Fail("fsync", temp);
  close(fd);
  if (rename(temp.c_str(), target.c_str()) != 0) Fail("rename", target);
}

FileStamp BenchDiskFiles::Stamp(const std::string& path) {
  struct stat st;
  if (stat(UnixPath(path).c_str(), &st) != 0) return {};
  return {true, static_cast<uint64_t>(st.st_ino), static_cast<uint64_t>(st.st_size),
          static_cast<int64_t>(st.st_mtim.tv_sec) * 1'000'000'000 + st.st_mtim.tv_nsec};
}

}  // namespace vlrna
