#include "platform/posix/posix_files.h"

#include <dirent.h>
#include <fcntl.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstddef>
#include <cstdlib>
#include <memory>

#include "platform/ascii_case.h"
#include "platform/posix/native_folders.h"
#include "platform/posix/posix_error.h"

namespace vlrna {
namespace {

// A file descriptor that closes itself.
class ScopedFd {
 public:
  explicit ScopedFd(int fd) : fd_(fd) {}
  ~ScopedFd() {
    if (fd_ >= 0) close(fd_);
  }
  ScopedFd(const ScopedFd&) = delete;
  ScopedFd& operator=(const ScopedFd&) = delete;
  int get() const { return fd_; }
  // Closes now and reports whether the close went well (it can report a
  // failed write on some file systems).
  bool Close() {
    int fd = fd_;
    fd_ = -1;
    return close(fd) == 0;
  }

 private:
  int fd_;
};

struct DirCloser {
  void operator()(DIR* dir) const { closedir(dir); }
};

std::string ParentOf(const std::string& unix_path) {
  size_t slash = unix_path.find_last_of('/');
  return slash == 0 ? "/" : unix_path.substr(0, slash);
}

std::string NameOf(const std::string& unix_path) {
  return unix_path.substr(unix_path.find_last_of('/') + 1);
}

// The name of a temporary file for `name` before mkostemp fills in its
// last six characters.
std::string TemporaryPattern(const std::string& name) { return "." + name + ".vlrna-XXXXXX"; }

// Whether `entry` is a name TemporaryPattern(name) gives.
bool IsTemporaryOf(const std::string& entry, const std::string& name) {
  const std::string pattern = TemporaryPattern(name);
  const size_t fixed = pattern.size() - 6;
  if (entry.size() != pattern.size() || entry.compare(0, fixed, pattern, 0, fixed) != 0) {
    return false;
  }
  return std::all_of(entry.begin() + static_cast<std::ptrdiff_t>(fixed), entry.end(), [](char c) {
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
  });
}

// Removes the temporary files for `name` in `folder` that a run killed
// between making one and renaming it left behind: plain files of this user
// with exactly such a name. Failures are ignored; they only leave litter.
void RemoveLeftoversOf(const std::string& folder, const std::string& name) {
  std::unique_ptr<DIR, DirCloser> dir(opendir(folder.c_str()));
  if (!dir) return;
  while (dirent* e = readdir(dir.get())) {
    if (!IsTemporaryOf(e->d_name, name)) continue;
    std::string path = folder + "/" + e->d_name;
    struct stat st;
    if (lstat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode) && st.st_uid == geteuid()) {
      unlink(path.c_str());
    }
  }
}

bool StatIs(const std::string& path, mode_t kind) {
  struct stat st;
  return stat(path.c_str(), &st) == 0 && (st.st_mode & S_IFMT) == kind;
}

// Hidden or system as Wine keeps it: a dot name, or DOS attribute bits in an
// extended attribute ("0x2" hidden, "0x4" system).
bool HiddenOrSystem(const std::string& unix_path) {
  if (NameOf(unix_path).starts_with(".")) return true;
  char value[32] = {};
  ssize_t n = getxattr(unix_path.c_str(), "user.DOSATTRIB", value, sizeof value - 1);
  if (n <= 0) return false;
  unsigned long bits = std::strtoul(value, nullptr, 0);
  return (bits & 0x6) != 0;
}

// Writes all of `bytes` at `offset`, or at the file's position when it is
// negative.
void WriteAll(int fd, std::string_view bytes, int64_t offset, const std::string& windows) {
  size_t done = 0;
  while (done < bytes.size()) {
    ssize_t n = offset < 0 ? write(fd, bytes.data() + done, bytes.size() - done)
                           : pwrite(fd, bytes.data() + done, bytes.size() - done,
                                    static_cast<off_t>(offset + done));
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) throw PosixError(windows, n < 0 ? errno : ENOSPC);
    done += static_cast<size_t>(n);
  }
}

}  // namespace

PosixFiles::PosixFiles(const WinePrefix& prefix) : prefix_(prefix) {
  umask_ = umask(022);
  umask(umask_);
}

std::string PosixFiles::Unix(const std::string& path) const { return prefix_.ToUnixPath(path); }

RuntimeError PosixFiles::Fail(const std::string& windows_path, const std::string& unix_path,
                              int error) const {
  if (error == ENOENT && !StatIs(ParentOf(unix_path), S_IFDIR)) error = ENOTDIR;
  return PosixError(windows_path, error);
}

int PosixFiles::OpenOrFail(const std::string& windows_path, const std::string& unix_path,
                           int flags) const {
  int fd;
  do {
    fd = open(unix_path.c_str(), flags | O_CLOEXEC, 0666);
  } while (fd < 0 && errno == EINTR);
  if (fd < 0) throw Fail(windows_path, unix_path, errno);
  return fd;
}

bool PosixFiles::NormalFileExists(const std::string& path) {
  try {
    std::string unix_path = Unix(path);
    return StatIs(unix_path, S_IFREG) && !HiddenOrSystem(unix_path);
  } catch (const RuntimeError&) {
    return false;
  }
}

bool PosixFiles::FolderExists(const std::string& path) {
  try {
    return StatIs(Unix(path), S_IFDIR);
  } catch (const RuntimeError&) {
    return false;
  }
}

std::vector<std::string> PosixFiles::ListOfKind(const std::string& path, mode_t kind) {
  std::string unix_path = Unix(path);
  std::unique_ptr<DIR, DirCloser> dir(opendir(unix_path.c_str()));
  if (!dir) throw Fail(path, unix_path, errno);
  std::vector<std::string> names;
  while (dirent* e = readdir(dir.get())) {
    std::string name = e->d_name;
    if (name == "." || name == "..") continue;
    if (StatIs(unix_path + "/" + name, kind)) {
      names.push_back(prefix_.code_page().Utf8ToAnsi(name));
    }
  }
  std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
    const std::string x = AsciiLower(a), y = AsciiLower(b);
    return x < y || (x == y && a < b);
  });
  return names;
}

std::vector<std::string> PosixFiles::ListSubfolders(const std::string& path) {
  return ListOfKind(path, S_IFDIR);
}

std::vector<std::string> PosixFiles::ListFiles(const std::string& path) {
  return ListOfKind(path, S_IFREG);
}

bool PosixFiles::DeleteFile(const std::string& path) {
  std::string unix_path = Unix(path);
  struct stat st;
  if (lstat(unix_path.c_str(), &st) != 0) {
    if (errno == ENOENT || errno == ENOTDIR) return false;
    throw Fail(path, unix_path, errno);
  }
  if (S_ISDIR(st.st_mode)) throw PosixError(path, EISDIR);
  if (!S_ISLNK(st.st_mode) && (st.st_mode & S_IWUSR) == 0) throw PosixError(path, EACCES);
  if (unlink(unix_path.c_str()) != 0) {
    if (errno == ENOENT) return false;
    throw Fail(path, unix_path, errno);
  }
  return true;
}

bool PosixFiles::RemoveEmptyFolder(const std::string& path) {
  std::string unix_path = Unix(path);
  if (!StatIs(unix_path, S_IFDIR)) return false;
  if (rmdir(unix_path.c_str()) == 0) return true;
  if (errno == ENOTEMPTY || errno == EEXIST || errno == ENOENT) return false;
  throw PosixError(path, errno);
}

void PosixFiles::CreateFolders(const std::string& path) {
  if (int error = MakeNativeFolders(Unix(path), 0777); error != 0) throw PosixError(path, error);
}

std::string PosixFiles::ReadFile(const std::string& path) {
  std::string unix_path = Unix(path);
  ScopedFd fd(OpenOrFail(path, unix_path, O_RDONLY));
  struct stat st;
  if (fstat(fd.get(), &st) != 0) throw PosixError(path, errno);
  if (S_ISDIR(st.st_mode)) throw PosixError(path, EISDIR);
  std::string content;
  content.reserve(static_cast<size_t>(st.st_size));
  char buffer[65536];
  while (true) {
    ssize_t n = read(fd.get(), buffer, sizeof buffer);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) throw PosixError(path, errno);
    if (n == 0) return content;
    content.append(buffer, static_cast<size_t>(n));
  }
}

std::string PosixFiles::ReadAt(const std::string& path, uint64_t offset, size_t count) {
  std::string unix_path = Unix(path);
  ScopedFd fd(OpenOrFail(path, unix_path, O_RDONLY));
  std::string bytes(count, '\0');
  size_t done = 0;
  while (done < count) {
    ssize_t n =
        pread(fd.get(), bytes.data() + done, count - done, static_cast<off_t>(offset + done));
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) throw PosixError(path, errno);
    if (n == 0) break;
    done += static_cast<size_t>(n);
  }
  bytes.resize(done);
  return bytes;
}

void PosixFiles::WriteAt(const std::string& path, uint64_t offset, std::string_view bytes) {
  std::string unix_path = Unix(path);
  ScopedFd fd(OpenOrFail(path, unix_path, O_WRONLY | O_CREAT));
  WriteAll(fd.get(), bytes, static_cast<int64_t>(offset), path);
  if (!fd.Close()) throw PosixError(path, errno);
}

void PosixFiles::AppendToFile(const std::string& path, std::string_view bytes) {
  std::string unix_path = Unix(path);
  ScopedFd fd(OpenOrFail(path, unix_path, O_WRONLY | O_CREAT | O_APPEND));
  WriteAll(fd.get(), bytes, -1, path);
  if (!fd.Close()) throw PosixError(path, errno);
}

void PosixFiles::CopyFile(const std::string& from, const std::string& to) {
  std::string source = Unix(from);
  std::string target = Unix(to);
  ScopedFd in(OpenOrFail(from, source, O_RDONLY));
  struct stat st;
  if (fstat(in.get(), &st) != 0) throw PosixError(from, errno);
  if (S_ISDIR(st.st_mode)) throw PosixError(from, EISDIR);
  if (StatIs(target, S_IFDIR)) throw PosixError(to, EISDIR);
  // A target without write permission is what Wine shows as read-only.
  struct stat old;
  if (stat(target.c_str(), &old) == 0 && (old.st_mode & S_IWUSR) == 0) {
    throw PosixError(to, EACCES);
  }
  ReplaceWith(to, target, st.st_mode & 07777, [&](int out) {
    char buffer[1 << 16];
    while (true) {
      ssize_t n = read(in.get(), buffer, sizeof buffer);
      if (n < 0 && errno == EINTR) continue;
      if (n < 0) throw PosixError(from, errno);
      if (n == 0) return;
      WriteAll(out, std::string_view(buffer, static_cast<size_t>(n)), -1, to);
    }
  });
}

void PosixFiles::ReplaceFileAtomically(const std::string& path, std::string_view content) {
  std::string target = Unix(path);
  struct stat st;
  if (lstat(target.c_str(), &st) == 0 && S_ISLNK(st.st_mode)) {
    std::unique_ptr<char, decltype(&free)> real(realpath(target.c_str(), nullptr), &free);
    if (real) target = real.get();
  }
  mode_t mode = 0666 & ~umask_;
  if (stat(target.c_str(), &st) == 0) {
    if (S_ISDIR(st.st_mode)) throw PosixError(path, EISDIR);
    mode = st.st_mode & 07777;
  }
  ReplaceWith(path, target, mode, [&](int out) { WriteAll(out, content, -1, path); });
}

void PosixFiles::ReplaceWith(const std::string& windows_path, const std::string& target,
                             mode_t mode, const std::function<void(int fd)>& fill) {
  std::string folder = ParentOf(target);
  RemoveLeftoversOf(folder, NameOf(target));
  std::string temp = folder + "/" + TemporaryPattern(NameOf(target));
  int raw = mkostemp(temp.data(), O_CLOEXEC);
  if (raw < 0) throw Fail(windows_path, target, errno);
  ScopedFd out(raw);
  try {
    fill(out.get());
    if (fchmod(out.get(), mode) != 0 || fsync(out.get()) != 0 || !out.Close()) {
      throw PosixError(windows_path, errno);
    }
    if (rename(temp.c_str(), target.c_str()) != 0) throw PosixError(windows_path, errno);
  } catch (...) {
    unlink(temp.c_str());
    throw;
  }
  // The rename itself reaches the disk with the folder.
  ScopedFd dir(open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (dir.get() >= 0) fsync(dir.get());
}

FileStamp PosixFiles::Stamp(const std::string& path) {
  struct stat st;
  try {
    if (stat(Unix(path).c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return {};
  } catch (const RuntimeError&) {
    return {};
  }
  uint64_t identity = static_cast<uint64_t>(st.st_ino) ^ (static_cast<uint64_t>(st.st_dev) << 40);
  int64_t modified = static_cast<int64_t>(st.st_mtim.tv_sec) * 1'000'000'000 + st.st_mtim.tv_nsec;
  return {true, identity, static_cast<uint64_t>(st.st_size), modified};
}

}  // namespace vlrna
