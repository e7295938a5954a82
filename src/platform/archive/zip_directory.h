#ifndef VLRNA_PLATFORM_ARCHIVE_ZIP_DIRECTORY_H_
#define VLRNA_PLATFORM_ARCHIVE_ZIP_DIRECTORY_H_

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/ansi_code_page.h"
#include "platform/archive/native_file.h"

namespace vlrna {

// One entry of a zip file's central directory, with the Zip64 figures
// already applied.
struct ZipDirectoryEntry {
  uint16_t flags = 0;
  uint16_t method = 0;
  uint16_t dos_time = 0;
  uint32_t crc = 0;
  uint64_t packed_size = 0;
  uint64_t size = 0;
  uint64_t local_header_offset = 0;
  // From the WinZip AES extra field of an entry packed with method 99:
  // AE-1 or AE-2, the key strength (1 to 3), and the real method.
  uint16_t aes_version = 0;
  uint8_t aes_strength = 0;
  uint16_t aes_method = 0;
  std::string name;  // the stored bytes
  // The UTF-8 name of an Info-ZIP Unicode Path field that belongs to `name`.
  std::optional<std::string> unicode_name;
};

// The name of `entry` as 8-bit text in `code_page`: a name flagged as
// UTF-8, or given in a Unicode Path field, converted; any other name as
// stored, taken to be in the code page already. nullopt when a character
// has no place in the code page or the UTF-8 is not well formed.
std::optional<std::string> NameInCodePage(const ZipDirectoryEntry& entry,
                                          const AnsiCodePage& code_page);

// Reads the central directory of the zip file `file` and returns its
// entries ordered by local header offset, the order in which the seekable
// libarchive reader hands them out. nullopt when the directory cannot be
// read or two entries share an offset: callers then keep to libarchive.
std::optional<std::vector<ZipDirectoryEntry>> ReadZipDirectory(const NativeFile& file);

// The same entries in the same order, also when two share an offset.
std::optional<std::vector<ZipDirectoryEntry>> ReadZipDirectoryAsStored(const NativeFile& file);

}  // namespace vlrna

#endif  // VLRNA_PLATFORM_ARCHIVE_ZIP_DIRECTORY_H_
