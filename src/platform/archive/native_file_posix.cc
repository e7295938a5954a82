#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "platform/archive/native_file.h"

namespace vlrna {

static_assert(sizeof(off_t) == 8, "offsets beyond 4 GiB need a 64-bit off_t");

NativeFile::~NativeFile() {
  if (is_open()) close(static_cast<int>(handle_));
}

bool NativeFile::Open(const std::string& native_path) {
  if (is_open()) close(static_cast<int>(handle_));
  int fd = open(native_path.c_str(), O_RDONLY | O_CLOEXEC);
  handle_ = fd < 0 ? kClosed : fd;
  return is_open();
}

bool NativeFile::ReadAt(void* buffer, size_t size, uint64_t offset) const {
  if (!is_open()) return false;
  char* bytes = static_cast<char*>(buffer);
  while (size > 0) {
    ssize_t got = pread(static_cast<int>(handle_), bytes, size, static_cast<off_t>(offset));
    if (got < 0 && errno == EINTR) continue;
    if (got <= 0) return false;
    bytes += got;
    size -= static_cast<size_t>(got);
    offset += static_cast<uint64_t>(got);
  }
  return true;
}

std::optional<uint64_t> NativeFile::Size() const {
  struct stat info;
  if (!is_open() || fstat(static_cast<int>(handle_), &info) != 0) return std::nullopt;
  return static_cast<uint64_t>(info.st_size);
}

std::filesystem::path NativePathObject(const std::string& native_path) { return native_path; }

std::string NativeText(const std::filesystem::path& path) { return path.string(); }

long NativeProcessId() { return static_cast<long>(getpid()); }

}  // namespace vlrna
