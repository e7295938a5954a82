#include "platform/archive/zip_bytes.h"

#include <unistd.h>

namespace vlrna {

bool ReadAt(int fd, void* buffer, size_t size, uint64_t offset) {
  char* bytes = static_cast<char*>(buffer);
  while (size > 0) {
    ssize_t got = pread(fd, bytes, size, static_cast<off_t>(offset));
    if (got <= 0) return false;
    bytes += got;
    size -= static_cast<size_t>(got);
    offset += static_cast<uint64_t>(got);
  }
  return true;
}

}  // namespace vlrna
