#include "platform/archive/quick_entry.h"

#include <fcntl.h>
#include <unistd.h>

#include <zlib.h>

#include <algorithm>

#include "platform/archive/traditional_cipher.h"
#include "platform/archive/winzip_aes_cipher.h"
#include "platform/archive/zip_bytes.h"

namespace vlrna {
namespace {

constexpr size_t kBufferBytes = 1 << 20;
constexpr size_t kLocalHeaderBytes = 30;
constexpr uint32_t kLocalSignature = 0x04034b50;
constexpr uint16_t kEncrypted = 1 << 0;
constexpr uint16_t kLengthAtEnd = 1 << 3;
constexpr uint16_t kStrongEncryption = 1 << 6;
constexpr uint16_t kStored = 0;
constexpr uint16_t kDeflated = 8;
constexpr uint16_t kWinZipAes = 99;
constexpr char kDataCutShort[] = "the archive ends inside the entry's data";

bool Packable(uint16_t method) { return method == kStored || method == kDeflated; }

// The bytes an encrypted entry stores besides its packed data: nullopt for
// entries the quick way does not take.
std::optional<uint64_t> EncryptionBytes(const ZipDirectoryEntry& entry) {
  if (!(entry.flags & kEncrypted) || (entry.flags & kStrongEncryption)) return std::nullopt;
  if (Packable(entry.method)) return TraditionalCipher::kHeaderBytes;
  if (entry.method != kWinZipAes || !Packable(entry.aes_method)) return std::nullopt;
  if (entry.aes_version != 1 && entry.aes_version != 2) return std::nullopt;
  std::optional<size_t> salt = WinZipAesCipher::SaltBytes(entry.aes_strength);
  if (!salt) return std::nullopt;
  return *salt + WinZipAesCipher::kVerifierBytes + WinZipAesCipher::kCodeBytes;
}

uint16_t DataMethod(const ZipDirectoryEntry& entry) {
  return entry.method == kWinZipAes ? entry.aes_method : entry.method;
}

// Ends the inflater however Inflate leaves.
struct InflateStream {
  z_stream z{};
  bool open = inflateInit2(&z, -MAX_WBITS) == Z_OK;
  ~InflateStream() {
    if (open) inflateEnd(&z);
  }
};

}  // namespace

QuickEntryReader::QuickEntryReader(const std::string& native_archive) {
  fd_ = open(native_archive.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd_ < 0) return;
  std::optional<std::vector<ZipDirectoryEntry>> directory = ReadZipDirectory(fd_);
  if (directory) directory_ = std::move(*directory);
}

QuickEntryReader::~QuickEntryReader() {
  if (fd_ >= 0) close(fd_);
}

const ZipDirectoryEntry* QuickEntryReader::Find(size_t index, uint64_t size,
                                                std::string_view name) const {
  if (index >= directory_.size()) return nullptr;
  const ZipDirectoryEntry& entry = directory_[index];
  // Both readers must mean the same entry; other names are converted and
  // cannot be compared byte for byte.
  bool ascii = std::all_of(entry.name.begin(), entry.name.end(),
                           [](char c) { return static_cast<unsigned char>(c) < 0x80; });
  if (ascii && entry.name != name) return nullptr;
  std::optional<uint64_t> overhead = EncryptionBytes(entry);
  if (!overhead || entry.size != size || entry.packed_size < *overhead) return nullptr;
  if (DataMethod(entry) == kStored && entry.packed_size - *overhead != entry.size) return nullptr;
  return &entry;
}

// Where the entry's stored data starts, after the local header; nullopt
// when that header is not one.
std::optional<uint64_t> QuickEntryReader::DataOffset(const ZipDirectoryEntry& entry) {
  unsigned char header[kLocalHeaderBytes];
  if (!ReadAt(fd_, header, sizeof header, entry.local_header_offset)) return std::nullopt;
  if (Get32(header) != kLocalSignature) return std::nullopt;
  return entry.local_header_offset + kLocalHeaderBytes + Get16(header + 26) + Get16(header + 28);
}

QuickEntryReader::Result QuickEntryReader::Extract(const ZipDirectoryEntry& entry,
                                                   const std::string& password, OutputFile& output,
                                                   const std::function<bool(size_t)>& on_bytes,
                                                   std::string& reason, WriteFailure& failure) {
  std::optional<uint64_t> at = DataOffset(entry);
  if (!at) return kDeclined;
  in_.resize(kBufferBytes);
  out_.resize(kBufferBytes);
  Target target{output, on_bytes, reason, failure};
  if (entry.method == kWinZipAes) return ExtractAes(entry, password, *at, target);
  return ExtractTraditional(entry, password, *at, target);
}

QuickEntryReader::Result QuickEntryReader::ExtractTraditional(const ZipDirectoryEntry& entry,
                                                              const std::string& password,
                                                              uint64_t at, Target& target) {
  unsigned char header[TraditionalCipher::kHeaderBytes];
  if (!ReadAt(fd_, header, sizeof header, at)) return kDeclined;
  TraditionalCipher cipher(password);
  // The last header byte repeats the CRC's high byte, or with the sizes
  // after the data, the time's.
  unsigned char check = (entry.flags & kLengthAtEnd) ? entry.dos_time >> 8 : entry.crc >> 24;
  if (!cipher.AcceptHeader(header, check)) {
    target.reason = "Incorrect passphrase";
    return kWrongPassword;
  }
  Span data{at + sizeof header, entry.packed_size - sizeof header};
  uint64_t written = 0;
  uint32_t crc = 0;
  Result result = Inflate(cipher, entry.method == kDeflated, data, written, &crc, target);
  if (result != kDone) return result;
  if (written != entry.size || crc != entry.crc) {
    target.reason = "ZIP bad CRC or size";
    return kDamaged;
  }
  return kDone;
}

QuickEntryReader::Result QuickEntryReader::ExtractAes(const ZipDirectoryEntry& entry,
                                                      const std::string& password, uint64_t at,
                                                      Target& target) {
  size_t salt_bytes = *WinZipAesCipher::SaltBytes(entry.aes_strength);
  unsigned char salt[16];
  unsigned char verifier[WinZipAesCipher::kVerifierBytes];
  if (!ReadAt(fd_, salt, salt_bytes, at) ||
      !ReadAt(fd_, verifier, sizeof verifier, at + salt_bytes)) {
    return kDeclined;
  }
  WinZipAesCipher cipher;
  switch (cipher.Begin(password, entry.aes_strength, salt, verifier)) {
    case WinZipAesCipher::kNoCipher:
      return kDeclined;
    case WinZipAesCipher::kWrongPassword:
      target.reason = "Incorrect passphrase";
      return kWrongPassword;
    case WinZipAesCipher::kReady:
      break;
  }
  uint64_t header = salt_bytes + sizeof verifier;
  Span data{at + header, entry.packed_size - header - WinZipAesCipher::kCodeBytes};
  uint64_t written = 0;
  uint32_t crc = 0;
  // AE-2 leaves the CRC out: the code stands for it.
  bool check_crc = entry.aes_version == 1;
  Result result = Inflate(cipher, entry.aes_method == kDeflated, data, written,
                          check_crc ? &crc : nullptr, target);
  if (result != kDone) return result;
  // The code covers every stored byte, also any the inflater left over.
  while (data.size > 0) {
    if (ReadDecrypted(cipher, data) == 0) {
      target.reason = kDataCutShort;
      return kDamaged;
    }
  }
  unsigned char code[WinZipAesCipher::kCodeBytes];
  if (!ReadAt(fd_, code, sizeof code, data.at) || !cipher.Authentic(code)) {
    target.reason = "ZIP bad Authentication code";
    return kDamaged;
  }
  if (written != entry.size || (check_crc && crc != entry.crc)) {
    target.reason = "ZIP bad CRC or size";
    return kDamaged;
  }
  return kDone;
}

// Reads the next block of `data` into the input buffer and decrypts it;
// returns its size, 0 when there is none or the file ends first.
size_t QuickEntryReader::ReadDecrypted(EntryCipher& cipher, Span& data) {
  size_t got = static_cast<size_t>(std::min<uint64_t>(data.size, in_.size()));
  if (got == 0 || !ReadAt(fd_, in_.data(), got, data.at)) return 0;
  cipher.Decrypt(in_.data(), got);
  data.at += got;
  data.size -= got;
  return got;
}

// Decrypts and unpacks `data` block by block, writing what comes out and
// summing it when `crc` is wanted.
QuickEntryReader::Result QuickEntryReader::Inflate(EntryCipher& cipher, bool deflated, Span& data,
                                                   uint64_t& written, uint32_t* crc,
                                                   Target& target) {
  InflateStream stream;
  if (!stream.open) return kDeclined;
  uLong sum = crc32(0, nullptr, 0);
  int status = Z_OK;
  bool need_input = true;  // inflate may hold output for a full buffer
  while (deflated ? status != Z_STREAM_END : data.size > 0) {
    if (stream.z.avail_in == 0 && need_input) {
      size_t got = ReadDecrypted(cipher, data);
      if (got == 0) {
        target.reason = kDataCutShort;
        return kDamaged;
      }
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
        target.reason = std::string("damaged deflate data: ") + (stream.z.msg ? stream.z.msg : "?");
        return kDamaged;
      }
      block = out_.data();
      produced = out_.size() - stream.z.avail_out;
      need_input = stream.z.avail_out != 0;
    } else {
      stream.z.avail_in = 0;
    }
    if (crc != nullptr) sum = crc32_z(sum, block, produced);
    if (!target.output.WriteAt(block, produced, static_cast<int64_t>(written), target.failure)) {
      return kWriteFailed;
    }
    written += produced;
    if (!target.on_bytes(produced)) return kStopped;
  }
  if (crc != nullptr) *crc = static_cast<uint32_t>(sum);
  return kDone;
}

}  // namespace vlrna
