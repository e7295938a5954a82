#ifndef VLRNA_PLATFORM_ARCHIVE_ENTRY_UNPACKER_H_
#define VLRNA_PLATFORM_ARCHIVE_ENTRY_UNPACKER_H_

#include <zlib.h>

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/archive/native_file.h"
#include "platform/archive/output_file.h"

namespace vlrna {

// How unpacking an entry the quick way ended.
enum class QuickResult { kDone, kDeclined, kWrongPassword, kDamaged, kWriteFailed, kStopped };

// Unpacks one zip entry's packed data, stored or deflated, into its output
// file a block at a time: Read() fetches the next block from the archive,
// the caller decrypts it in place, Unpack() inflates and writes it. Apart,
// the steps let one thread decrypt two entries side by side. Counts what it
// writes and sums its CRC when asked. Keeps its buffers for the next entry.
class EntryUnpacker {
 public:
  EntryUnpacker();
  ~EntryUnpacker();
  EntryUnpacker(const EntryUnpacker&) = delete;
  EntryUnpacker& operator=(const EntryUnpacker&) = delete;

  // Starts on the `size` packed bytes at `at` of the archive `file`,
  // which unpack to `declared` bytes: output beyond them is refused as
  // damaged before it is written. False when the inflater cannot start.
  bool Begin(const NativeFile& file, uint64_t at, uint64_t size, uint64_t declared, bool deflated,
             bool sum_crc, OutputFile& output);
  // Reads the next block of packed data, `most` bytes at most, into
  // block(); returns its size, 0 when the data is used up or the archive
  // ends first.
  size_t Read(uint64_t most = UINT64_MAX);
  unsigned char* block() { return in_.data(); }
  // Unpacks the `size` bytes of block() just read and decrypted; `on_bytes`
  // hears each piece written and returns false to stop. kDamaged comes with
  // reason(), kWriteFailed with failure().
  QuickResult Unpack(size_t size, const std::function<bool(size_t)>& on_bytes);
  // True when the data is unpacked: the deflate stream ended, or every
  // stored byte was read.
  bool finished() const { return deflated_ ? ended_ : left_ == 0; }

  uint64_t left() const { return left_; }  // packed bytes not read yet
  uint64_t at() const { return at_; }      // where they start
  uint64_t written() const { return written_; }
  uint32_t crc() const { return static_cast<uint32_t>(crc_); }
  const std::string& reason() const { return reason_; }
  const WriteFailure& failure() const { return failure_; }

 private:
  QuickResult Write(const unsigned char* data, size_t size,
                    const std::function<bool(size_t)>& on_bytes);

  const NativeFile* file_ = nullptr;
  uint64_t at_ = 0;
  uint64_t left_ = 0;
  uint64_t declared_ = 0;
  bool deflated_ = false;
  bool sum_crc_ = false;
  bool ended_ = false;
  OutputFile* output_ = nullptr;
  uint64_t written_ = 0;
  uLong crc_ = 0;
  z_stream stream_{};
  bool stream_open_ = false;
  std::vector<unsigned char> in_;
  std::vector<unsigned char> out_;
  std::string reason_;
  WriteFailure failure_;
};

}  // namespace vlrna

#endif  // VLRNA_PLATFORM_ARCHIVE_ENTRY_UNPACKER_H_
