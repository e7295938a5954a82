#ifndef VLRNA_PLATFORM_ARCHIVE_TRADITIONAL_ENTRY_H_
#define VLRNA_PLATFORM_ARCHIVE_TRADITIONAL_ENTRY_H_

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/archive/output_file.h"
#include "platform/archive/zip_directory.h"

namespace vlrna {

// The quick way for entries under traditional PKWARE encryption, stored or
// deflated: their bytes are read straight from the archive file, decrypted
// with the key update inlined, inflated with zlib and checked against the
// stored CRC. libarchive decrypts such entries byte by byte through a call,
// which makes it several times slower. Every other entry stays with
// libarchive. One per worker thread; its buffers keep memory flat.
class TraditionalEntryReader {
 public:
  enum Result { kDone, kDeclined, kWrongPassword, kDamaged, kWriteFailed, kStopped };

  // Opens `native_archive` and reads its central directory. When either
  // fails, every entry is declined.
  explicit TraditionalEntryReader(const std::string& native_archive);
  ~TraditionalEntryReader();
  TraditionalEntryReader(const TraditionalEntryReader&) = delete;
  TraditionalEntryReader& operator=(const TraditionalEntryReader&) = delete;

  // The directory entry at `index` (in libarchive's order) when this reader
  // takes it: traditionally encrypted, stored or deflated, and of the `size`
  // and (for plain ASCII names) the `name` libarchive reports for it.
  const ZipDirectoryEntry* Find(size_t index, uint64_t size, std::string_view name) const;

  // Unpacks `entry` into `output`, which is empty and open. `on_bytes` hears
  // each block written and returns false to stop. kDeclined (nothing written)
  // when the local header does not fit; kWrongPassword and kDamaged come with
  // `reason`, kWriteFailed with `failure`.
  Result Extract(const ZipDirectoryEntry& entry, const std::string& password, OutputFile& output,
                 const std::function<bool(size_t)>& on_bytes, std::string& reason,
                 WriteFailure& failure);

 private:
  struct Keys {
    uint32_t k0, k1, k2;
  };
  static Keys StartKeys(const std::string& password);
  static void Decrypt(Keys& keys, unsigned char* data, size_t size);
  std::optional<uint64_t> DataOffset(const ZipDirectoryEntry& entry);
  bool ReadPacked(uint64_t& at, uint64_t& left, size_t& got);
  Result Inflate(const ZipDirectoryEntry& entry, Keys& keys, uint64_t at, OutputFile& output,
                 const std::function<bool(size_t)>& on_bytes, std::string& reason,
                 WriteFailure& failure);

  int fd_ = -1;
  std::vector<ZipDirectoryEntry> directory_;
  std::vector<unsigned char> in_;
  std::vector<unsigned char> out_;
};

}  // namespace vlrna

#endif  // VLRNA_PLATFORM_ARCHIVE_TRADITIONAL_ENTRY_H_
