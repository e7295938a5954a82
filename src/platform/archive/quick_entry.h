#ifndef VLRNA_PLATFORM_ARCHIVE_QUICK_ENTRY_H_
#define VLRNA_PLATFORM_ARCHIVE_QUICK_ENTRY_H_

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/archive/entry_cipher.h"
#include "platform/archive/output_file.h"
#include "platform/archive/zip_directory.h"

namespace vlrna {

// The quick way for encrypted entries, stored or deflated, under
// traditional PKWARE encryption or WinZip AES: their bytes are read straight
// from the archive file, decrypted a block at a time, inflated with zlib and
// checked against the stored CRC or authentication code. libarchive
// decrypts byte by byte or block by block through calls, several times
// slower. Every other entry stays with libarchive. One per worker thread;
// its buffers keep memory flat.
class QuickEntryReader {
 public:
  enum Result { kDone, kDeclined, kWrongPassword, kDamaged, kWriteFailed, kStopped };

  // Opens `native_archive` and reads its central directory. When either
  // fails, every entry is declined.
  explicit QuickEntryReader(const std::string& native_archive);
  ~QuickEntryReader();
  QuickEntryReader(const QuickEntryReader&) = delete;
  QuickEntryReader& operator=(const QuickEntryReader&) = delete;

  // The directory entry at `index` (in libarchive's order) when this reader
  // takes it: encrypted as above, stored or deflated, and of the `size` and
  // (for plain ASCII names) the `name` libarchive reports for it.
  const ZipDirectoryEntry* Find(size_t index, uint64_t size, std::string_view name) const;

  // Unpacks `entry` into `output`, which is empty and open. `on_bytes` hears
  // each block written and returns false to stop. kDeclined (nothing written)
  // when the local header does not fit; kWrongPassword and kDamaged come with
  // `reason`, kWriteFailed with `failure`.
  Result Extract(const ZipDirectoryEntry& entry, const std::string& password, OutputFile& output,
                 const std::function<bool(size_t)>& on_bytes, std::string& reason,
                 WriteFailure& failure);

 private:
  // Where one entry's unpacked bytes go, and what went wrong.
  struct Target {
    OutputFile& output;
    const std::function<bool(size_t)>& on_bytes;
    std::string& reason;
    WriteFailure& failure;
  };
  // The entry's packed data: where it starts and how long it is, after any
  // encryption header and before any authentication code.
  struct Span {
    uint64_t at;
    uint64_t size;
  };

  std::optional<uint64_t> DataOffset(const ZipDirectoryEntry& entry);
  Result ExtractTraditional(const ZipDirectoryEntry& entry, const std::string& password,
                            uint64_t at, Target& target);
  Result ExtractAes(const ZipDirectoryEntry& entry, const std::string& password, uint64_t at,
                    Target& target);
  size_t ReadDecrypted(EntryCipher& cipher, Span& data);
  Result Inflate(EntryCipher& cipher, bool deflated, Span& data, uint64_t& written, uint32_t* crc,
                 Target& target);

  int fd_ = -1;
  std::vector<ZipDirectoryEntry> directory_;
  std::vector<unsigned char> in_;
  std::vector<unsigned char> out_;
};

}  // namespace vlrna

#endif  // VLRNA_PLATFORM_ARCHIVE_QUICK_ENTRY_H_
