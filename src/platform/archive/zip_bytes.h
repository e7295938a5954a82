#ifndef VLRNA_PLATFORM_ARCHIVE_ZIP_BYTES_H_
#define VLRNA_PLATFORM_ARCHIVE_ZIP_BYTES_H_

#include <cstddef>
#include <cstdint>

namespace vlrna {

// The little-endian numbers of zip headers.
inline uint16_t Get16(const unsigned char* p) { return static_cast<uint16_t>(p[0] | p[1] << 8); }
inline uint32_t Get32(const unsigned char* p) {
  return Get16(p) | static_cast<uint32_t>(Get16(p + 2)) << 16;
}
inline uint64_t Get64(const unsigned char* p) {
  return Get32(p) | static_cast<uint64_t>(Get32(p + 4)) << 32;
}

}  // namespace vlrna

#endif  // VLRNA_PLATFORM_ARCHIVE_ZIP_BYTES_H_
