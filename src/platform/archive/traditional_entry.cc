#include "platform/archive/traditional_entry.h"

#include <fcntl.h>
#include <unistd.h>
#include <zlib.h>

#include <algorithm>
#include <array>

#include "platform/archive/zip_bytes.h"

namespace vlrna {
namespace {

constexpr size_t kBufferBytes = 1 << 20;
constexpr size_t kLocalHeaderBytes = 30;
constexpr size_t kEncryptionHeaderBytes = 12;
constexpr uint32_t kLocalSignature = 0x04034b50;
constexpr uint16_t kEncrypted = 1 << 0;
constexpr uint16_t kLengthAtEnd = 1 << 3;
constexpr uint16_t kStrongEncryption = 1 << 6;
constexpr uint16_t kStored = 0;
constexpr uint16_t kDeflated = 8;

constexpr std::array<uint32_t, 256> MakeCrcTable() {
  std::array<uint32_t, 256> table{};
  for (uint32_t n = 0; n < 256; ++n) {
    uint32_t c = n;
    for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xedb88320u ^ (c >> 1) : c >> 1;
    table[n] = c;
  }
  return table;
}
constexpr std::array<uint32_t, 256> kCrcTable = MakeCrcTable();

// Ends the inflater however Inflate leaves.
struct InflateStream {
  z_stream z{};
  bool open = inflateInit2(&z, -MAX_WBITS) == Z_OK;
  ~InflateStream() {
    if (open) inflateEnd(&z);
  }
};

}  // namespace

TraditionalEntryReader::TraditionalEntryReader(const std::string& native_archive) {
  fd_ = open(native_archive.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd_ < 0) return;
  std::optional<std::vector<ZipDirectoryEntry>> directory = ReadZipDirectory(fd_);
  if (directory) directory_ = std::move(*directory);
}

TraditionalEntryReader::~TraditionalEntryReader() {
  if (fd_ >= 0) close(fd_);
}

const ZipDirectoryEntry* TraditionalEntryReader::Find(size_t index, uint64_t size,
                                                      std::string_view name) const {
  if (index >= directory_.size()) return nullptr;
  const ZipDirectoryEntry& entry = directory_[index];
  // Both readers must mean the same entry; other names are converted and
  // cannot be compared byte for byte.
  bool ascii = std::all_of(entry.name.begin(), entry.name.end(),
                           [](char c) { return static_cast<unsigned char>(c) < 0x80; });
  if (ascii && entry.name != name) return nullptr;
  bool traditional = (entry.flags & kEncrypted) && !(entry.flags & kStrongEncryption);
  bool method = entry.method == kStored || entry.method == kDeflated;
  if (!traditional || !method || entry.size != size) return nullptr;
  if (entry.packed_size < kEncryptionHeaderBytes) return nullptr;
  if (entry.method == kStored && entry.packed_size - kEncryptionHeaderBytes != entry.size) {
    return nullptr;
  }
  return &entry;
}

TraditionalEntryReader::Keys TraditionalEntryReader::StartKeys(const std::string& password) {
  Keys keys{0x12345678, 0x23456789, 0x34567890};
  for (char c : password) {
    keys.k0 = kCrcTable[(keys.k0 ^ static_cast<unsigned char>(c)) & 0xff] ^ (keys.k0 >> 8);
    keys.k1 = (keys.k1 + (keys.k0 & 0xff)) * 134775813u + 1;
    keys.k2 = kCrcTable[(keys.k2 ^ (keys.k1 >> 24)) & 0xff] ^ (keys.k2 >> 8);
  }
  return keys;
}

void TraditionalEntryReader::Decrypt(Keys& keys, unsigned char* data, size_t size) {
  uint32_t k0 = keys.k0, k1 = keys.k1, k2 = keys.k2;
  for (size_t i = 0; i < size; ++i) {
    uint32_t t = (k2 | 2) & 0xffff;
    unsigned char c = static_cast<unsigned char>(data[i] ^ ((t * (t ^ 1)) >> 8));
    data[i] = c;
    k0 = kCrcTable[(k0 ^ c) & 0xff] ^ (k0 >> 8);
    k1 = (k1 + (k0 & 0xff)) * 134775813u + 1;
    k2 = kCrcTable[(k2 ^ (k1 >> 24)) & 0xff] ^ (k2 >> 8);
  }
  keys = {k0, k1, k2};
}

// Where the encryption header starts, after the local header; nullopt when
// that header is not one.
std::optional<uint64_t> TraditionalEntryReader::DataOffset(const ZipDirectoryEntry& entry) {
  unsigned char header[kLocalHeaderBytes];
  if (!ReadAt(fd_, header, sizeof header, entry.local_header_offset)) return std::nullopt;
  if (Get32(header) != kLocalSignature) return std::nullopt;
  return entry.local_header_offset + kLocalHeaderBytes + Get16(header + 26) + Get16(header + 28);
}

TraditionalEntryReader::Result TraditionalEntryReader::Extract(
    const ZipDirectoryEntry& entry, const std::string& password, OutputFile& output,
    const std::function<bool(size_t)>& on_bytes, std::string& reason, WriteFailure& failure) {
  std::optional<uint64_t> at = DataOffset(entry);
  unsigned char check[kEncryptionHeaderBytes];
  if (!at || !ReadAt(fd_, check, sizeof check, *at)) return kDeclined;
  Keys keys = StartKeys(password);
  Decrypt(keys, check, sizeof check);
  // The last header byte repeats the CRC's high byte, or with the sizes
  // after the data, the time's.
  unsigned char expected = (entry.flags & kLengthAtEnd) ? entry.dos_time >> 8 : entry.crc >> 24;
  if (check[kEncryptionHeaderBytes - 1] != expected) {
    reason = "Incorrect passphrase";
    return kWrongPassword;
  }
  in_.resize(kBufferBytes);
  out_.resize(kBufferBytes);
  return Inflate(entry, keys, *at + kEncryptionHeaderBytes, output, on_bytes, reason, failure);
}

// Reads, decrypts and unpacks the entry's data block by block, writing and
// summing what comes out.
TraditionalEntryReader::Result TraditionalEntryReader::Inflate(
    const ZipDirectoryEntry& entry, Keys& keys, uint64_t at, OutputFile& output,
    const std::function<bool(size_t)>& on_bytes, std::string& reason, WriteFailure& failure) {
  InflateStream stream;
  if (!stream.open) return kDeclined;
  uint64_t left = entry.packed_size - kEncryptionHeaderBytes;
  uint64_t written = 0;
  uLong crc = crc32(0, nullptr, 0);
  bool deflated = entry.method == kDeflated;
  int status = Z_OK;
  bool need_input = true;  // inflate may hold output for a full buffer
  while (deflated ? status != Z_STREAM_END : left > 0) {
    if (stream.z.avail_in == 0 && need_input) {
      size_t got = static_cast<size_t>(std::min<uint64_t>(left, in_.size()));
      if (got == 0 || !ReadAt(fd_, in_.data(), got, at)) {
        reason = "the archive ends inside the entry's data";
        return kDamaged;
      }
      Decrypt(keys, in_.data(), got);
      at += got;
      left -= got;
      stream.z.next_in = in_.data();
      stream.z.avail_in = static_cast<uInt>(got);
    }
    const unsigned char* block = in_.data();
    size_t produced = stream.z.avail_in;
    if (deflated) {
      stream.z.next_out = out_.data();
      stream.z.avail_out = static_cast<uInt>(out_.size());
      status = inflate(&stream.z, Z_NO_FLUSH);
      if (status == Z_BUF_ERROR && stream.z.avail_in == 0) status = Z_OK;  // wants input
      if (status != Z_OK && status != Z_STREAM_END) {
        reason = std::string("damaged deflate data: ") + (stream.z.msg ? stream.z.msg : "?");
        return kDamaged;
      }
      block = out_.data();
      produced = out_.size() - stream.z.avail_out;
      need_input = stream.z.avail_out != 0;
    } else {
      stream.z.avail_in = 0;
    }
    crc = crc32_z(crc, block, produced);
    if (!output.WriteAt(block, produced, static_cast<int64_t>(written), failure)) {
      return kWriteFailed;
    }
    written += produced;
    if (!on_bytes(produced)) return kStopped;
  }
  if (written != entry.size || crc != entry.crc) {
    reason = "ZIP bad CRC or size";
    return kDamaged;
  }
  return kDone;
}

}  // namespace vlrna
