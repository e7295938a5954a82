#include "platform/archive/entry_unpacker.h"

#include <algorithm>

#include "platform/archive/zip_bytes.h"
#include "platform/archive/zip_reader.h"

namespace vlrna {
namespace {

constexpr size_t kBufferBytes = 1 << 20;

}  // namespace

EntryUnpacker::EntryUnpacker() = default;

EntryUnpacker::~EntryUnpacker() {
  if (stream_open_) inflateEnd(&stream_);
}

bool EntryUnpacker::Begin(const NativeFile& file, uint64_t at, uint64_t size, uint64_t declared,
                          bool deflated, bool sum_crc, OutputFile& output) {
  in_.resize(kBufferBytes);
  out_.resize(kBufferBytes);
  if (deflated) {
    if (!stream_open_) {
      stream_ = z_stream{};
      stream_open_ = inflateInit2(&stream_, -MAX_WBITS) == Z_OK;
      if (!stream_open_) return false;
    } else if (inflateReset(&stream_) != Z_OK) {
      return false;
    }
  }
  file_ = &file;
  at_ = at;
  left_ = size;
  declared_ = declared;
  deflated_ = deflated;
  sum_crc_ = sum_crc;
  ended_ = false;
  output_ = &output;
  written_ = 0;
  crc_ = crc32(0, nullptr, 0);
  reason_.clear();
  failure_ = WriteFailure{};
  return true;
}

size_t EntryUnpacker::Read(uint64_t most) {
  size_t got = static_cast<size_t>(std::min<uint64_t>({left_, in_.size(), most}));
  if (got == 0 || !file_->ReadAt(in_.data(), got, at_)) return 0;
  at_ += got;
  left_ -= got;
  return got;
}

QuickResult EntryUnpacker::Unpack(size_t size, const std::function<bool(size_t)>& on_bytes) {
  if (!deflated_) return Write(in_.data(), size, on_bytes);
  stream_.next_in = in_.data();
  stream_.avail_in = static_cast<uInt>(size);
  // Until the block is taken in and nothing more is held back; a full
  // output buffer may leave more to come.
  do {
    stream_.next_out = out_.data();
    stream_.avail_out = static_cast<uInt>(out_.size());
    int status = inflate(&stream_, Z_NO_FLUSH);
    if (status == Z_BUF_ERROR && stream_.avail_in == 0) status = Z_OK;  // wants input
    if (status != Z_OK && status != Z_STREAM_END) {
      reason_ = std::string("damaged deflate data: ") + (stream_.msg ? stream_.msg : "no progress");
      return QuickResult::kDamaged;
    }
    ended_ = status == Z_STREAM_END;
    QuickResult result = Write(out_.data(), out_.size() - stream_.avail_out, on_bytes);
    if (result != QuickResult::kDone) return result;
  } while (!ended_ && (stream_.avail_in > 0 || stream_.avail_out == 0));
  return QuickResult::kDone;
}

QuickResult EntryUnpacker::Write(const unsigned char* data, size_t size,
                                 const std::function<bool(size_t)>& on_bytes) {
  if (size == 0) return QuickResult::kDone;
  // A bomb stops here, whatever its packed data would still give.
  if (size > declared_ - written_) {
    reason_ = OverDeclaredSize(declared_);
    return QuickResult::kDamaged;
  }
  if (sum_crc_) crc_ = crc32_z(crc_, data, size);
  if (!output_->WriteAt(data, size, static_cast<int64_t>(written_), failure_)) {
    return QuickResult::kWriteFailed;
  }
  written_ += size;
  return on_bytes(size) ? QuickResult::kDone : QuickResult::kStopped;
}

}  // namespace vlrna
