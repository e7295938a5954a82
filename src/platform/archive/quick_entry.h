#ifndef VLRNA_PLATFORM_ARCHIVE_QUICK_ENTRY_H_
#define VLRNA_PLATFORM_ARCHIVE_QUICK_ENTRY_H_

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/archive/entry_unpacker.h"
#include "platform/archive/native_file.h"
#include "platform/archive/output_file.h"
#include "platform/archive/traditional_cipher.h"
#include "platform/archive/winzip_aes_cipher.h"
#include "platform/archive/zip_directory.h"

namespace vlrna {

// The quick way for encrypted entries, stored or deflated, under
// traditional PKWARE encryption or WinZip AES: their bytes are read straight
// from the archive file, decrypted a block at a time, inflated with zlib and
// checked against the stored CRC or authentication code. libarchive
// decrypts byte by byte or block by block through calls, several times
// slower. Every other entry stays with libarchive.
//
// One per worker thread. It holds up to two entries at once, in slots 0
// and 1, so that two traditionally encrypted entries can be decrypted side
// by side. Its buffers keep memory flat.
class QuickEntryReader {
 public:
  using OnBytes = std::function<bool(size_t)>;

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

  // Reads the local header of `entry` and checks `password`, readying the
  // entry in `slot` to be unpacked into `output`, which is empty and open.
  // kDeclined, with nothing written, when the local header does not fit;
  // kWrongPassword with reason().
  QuickResult Prepare(int slot, const ZipDirectoryEntry& entry, const std::string& password,
                      OutputFile& output);
  // True when the data of the entry in `slot` is all unpacked; Finish then
  // checks it.
  bool Unpacked(int slot) const { return slots_[slot].unpacker.finished(); }
  // Unpacks the next block of the entry in `slot`. `on_bytes` hears each
  // piece written and returns false to stop. kDamaged comes with reason(),
  // kWriteFailed with failure().
  QuickResult Advance(int slot, const OnBytes& on_bytes);
  // True when the entries in both slots are under traditional encryption,
  // whose decryption gains from running side by side.
  bool Pairable() const { return slots_[0].traditional && slots_[1].traditional; }
  // Advances both entries, which must be pairable, by a block of the same
  // size, decrypting them side by side. Returns the slot that failed and
  // how, or {-1, kDone}.
  std::pair<int, QuickResult> AdvanceBoth(const OnBytes& on_bytes);
  // The checks after the data: size, CRC, authentication code.
  QuickResult Finish(int slot);

  // Prepare, Advance and Finish in slot 0.
  QuickResult Extract(const ZipDirectoryEntry& entry, const std::string& password,
                      OutputFile& output, const OnBytes& on_bytes);

  const std::string& reason(int slot) const;
  const WriteFailure& failure(int slot) const { return slots_[slot].unpacker.failure(); }

 private:
  // One entry on its way out.
  struct Slot {
    const ZipDirectoryEntry* entry = nullptr;
    std::optional<TraditionalCipher> traditional;
    std::optional<WinZipAesCipher> aes;
    EntryUnpacker unpacker;
    std::string reason;  // of a failure found outside the unpacker

    EntryCipher& cipher();
  };

  std::optional<uint64_t> DataOffset(const ZipDirectoryEntry& entry);
  QuickResult PrepareTraditional(Slot& slot, const std::string& password, uint64_t at,
                                 OutputFile& output);
  QuickResult PrepareAes(Slot& slot, const std::string& password, uint64_t at, OutputFile& output);
  // Returns `result`, keeping `reason` for reason().
  static QuickResult Settle(Slot& slot, QuickResult result, std::string reason = "");

  NativeFile file_;
  std::vector<ZipDirectoryEntry> directory_;
  Slot slots_[2];
};

}  // namespace vlrna

#endif  // VLRNA_PLATFORM_ARCHIVE_QUICK_ENTRY_H_
