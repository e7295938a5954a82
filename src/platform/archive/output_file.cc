#include "platform/archive/output_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace vlrna {

bool WriteFailed(int error, WriteFailure& failure) {
  failure.disk_full = error == ENOSPC || error == EDQUOT;
  failure.reason = std::strerror(error);
  return false;
}

OutputFile::~OutputFile() {
  if (fd_ >= 0) close(fd_);
}

bool OutputFile::Create(const std::string& native_path, WriteFailure& failure) {
  constexpr int kFlags = O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC;
  fd_ = open(native_path.c_str(), kFlags, 0644);
  if (fd_ < 0 && errno == EACCES) {
    // A read-only file is replaced like any other: the folder decides.
    struct stat info;
    if (lstat(native_path.c_str(), &info) == 0 && S_ISREG(info.st_mode) &&
        unlink(native_path.c_str()) == 0) {
      fd_ = open(native_path.c_str(), kFlags, 0644);
    } else {
      errno = EACCES;
    }
  }
  return fd_ >= 0 || WriteFailed(errno, failure);
}

bool OutputFile::WriteAt(const void* data, size_t size, int64_t offset, WriteFailure& failure) {
  // Data comes in order; only a gap needs a seek.
  if (offset != position_ && lseek(fd_, offset, SEEK_SET) < 0) return WriteFailed(errno, failure);
  position_ = offset;
  const char* bytes = static_cast<const char*>(data);
  while (size > 0) {
    ssize_t written = write(fd_, bytes, size);
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
    if (futimens(fd_, times) != 0) return WriteFailed(errno, failure);
  }
  int fd = fd_;
  fd_ = -1;
  return close(fd) == 0 || WriteFailed(errno, failure);
}

}  // namespace vlrna
