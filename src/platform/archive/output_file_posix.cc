#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstring>

#include "platform/archive/native_file.h"
#include "platform/archive/output_file.h"
#include "platform/posix/native_folders.h"

namespace vlrna {
namespace {

std::atomic<uint64_t> temporary_count{0};

// strerror_r comes in two kinds: the GNU one returns the text, the POSIX
// one fills the buffer.
[[maybe_unused]] const char* ErrorText(const char* text, const char*) { return text; }
[[maybe_unused]] const char* ErrorText(int result, const char* buffer) {
  return result == 0 ? buffer : "unknown error";
}

bool WriteFailed(int error, WriteFailure& failure) {
  failure.disk_full = error == ENOSPC || error == EDQUOT;
  // Workers fail side by side: strerror's buffer is shared.
  char buffer[256] = "";
  failure.reason = ErrorText(strerror_r(error, buffer, sizeof buffer), buffer);
  return false;
}

int Descriptor(intptr_t handle) { return static_cast<int>(handle); }

}  // namespace

bool MakeOutputFolders(const std::string& native_path, WriteFailure& failure) {
  int error = MakeNativeFolders(native_path, 0755);
  return error == 0 || WriteFailed(error, failure);
}

OutputFile::~OutputFile() {
  if (handle_ != kClosed) close(Descriptor(handle_));
  if (!temporary_.empty()) unlink(temporary_.c_str());
}

bool OutputFile::Create(const std::string& native_path, WriteFailure& failure) {
  path_ = native_path;
  struct stat info;
  if (lstat(native_path.c_str(), &info) == 0 &&
      (S_ISCHR(info.st_mode) || S_ISBLK(info.st_mode) || S_ISFIFO(info.st_mode))) {
    int fd = open(native_path.c_str(), O_WRONLY | O_CLOEXEC);
    handle_ = fd < 0 ? kClosed : fd;
    return fd >= 0 || WriteFailed(errno, failure);
  }
  for (int attempt = 0; attempt < 100; ++attempt) {
    std::string temporary = TemporaryName(native_path, "/", NativeProcessId(), ++temporary_count);
    int fd = open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (fd >= 0) {
      handle_ = fd;
      temporary_ = std::move(temporary);
      return true;
    }
    if (errno != EEXIST) break;
  }
  return WriteFailed(errno, failure);
}

bool OutputFile::WriteAt(const void* data, size_t size, int64_t offset, WriteFailure& failure) {
  // Data comes in order; only a gap needs a seek.
  if (offset != position_ && lseek(Descriptor(handle_), offset, SEEK_SET) < 0)
    return WriteFailed(errno, failure);
  position_ = offset;
  const char* bytes = static_cast<const char*>(data);
  while (size > 0) {
    ssize_t written = write(Descriptor(handle_), bytes, size);
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) return WriteFailed(written == 0 ? ENOSPC : errno, failure);
    bytes += written;
    size -= static_cast<size_t>(written);
    position_ += written;
  }
  return true;
}

bool OutputFile::Finish(bool has_mtime, int64_t mtime, int64_t mtime_nsec, WriteFailure& failure) {
  if (has_mtime) {
    struct timespec times[2];
    times[0].tv_sec = 0;
    times[0].tv_nsec = UTIME_OMIT;
    times[1].tv_sec = static_cast<time_t>(mtime);
    times[1].tv_nsec = static_cast<long>(mtime_nsec);
    if (futimens(Descriptor(handle_), times) != 0) return WriteFailed(errno, failure);
  }
  int fd = Descriptor(handle_);
  handle_ = kClosed;
  if (close(fd) != 0) return WriteFailed(errno, failure);
  if (temporary_.empty()) return true;
  if (rename(temporary_.c_str(), path_.c_str()) != 0) return WriteFailed(errno, failure);
  temporary_.clear();
  return true;
}

}  // namespace vlrna
