#include "platform/archive/quick_entry.h"

#include <algorithm>

#include "platform/archive/zip_bytes.h"

namespace vlrna {
namespace {

constexpr size_t kLocalHeaderBytes = 30;
constexpr uint32_t kLocalSignature = 0x04034b50;
constexpr uint16_t kEncrypted = 1 << 0;
constexpr uint16_t kLengthAtEnd = 1 << 3;
constexpr uint16_t kStrongEncryption = 1 << 6;
constexpr uint16_t kStored = 0;
constexpr uint16_t kDeflated = 8;
constexpr uint16_t kWinZipAes = 99;
constexpr char kDataCutShort[] = "the archive ends inside the entry's data";
constexpr char kBadSum[] = "ZIP bad CRC or size";

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

}  // namespace

EntryCipher& QuickEntryReader::Slot::cipher() {
  if (traditional) return *traditional;
  return *aes;
}

QuickEntryReader::QuickEntryReader(const std::string& native_archive) {
  if (!file_.Open(native_archive)) return;
  std::optional<std::vector<ZipDirectoryEntry>> directory = ReadZipDirectory(file_);
  if (directory) directory_ = std::move(*directory);
}

QuickEntryReader::~QuickEntryReader() = default;

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

const std::string& QuickEntryReader::reason(int slot) const {
  const Slot& s = slots_[slot];
  return s.reason.empty() ? s.unpacker.reason() : s.reason;
}

QuickResult QuickEntryReader::Settle(Slot& slot, QuickResult result, std::string reason) {
  slot.reason = std::move(reason);
  return result;
}

// Where the entry's stored data starts, after the local header; nullopt
// when that header is not one.
std::optional<uint64_t> QuickEntryReader::DataOffset(const ZipDirectoryEntry& entry) {
  unsigned char header[kLocalHeaderBytes];
  if (!file_.ReadAt(header, sizeof header, entry.local_header_offset)) return std::nullopt;
  if (Get32(header) != kLocalSignature) return std::nullopt;
  return entry.local_header_offset + kLocalHeaderBytes + Get16(header + 26) + Get16(header + 28);
}

QuickResult QuickEntryReader::Prepare(int slot, const ZipDirectoryEntry& entry,
                                      const std::string& password, OutputFile& output) {
  Slot& s = slots_[slot];
  s.entry = &entry;
  s.traditional.reset();
  s.aes.reset();
  Settle(s, QuickResult::kDone);
  std::optional<uint64_t> at = DataOffset(entry);
  if (!at) return Settle(s, QuickResult::kDeclined);
  if (entry.method == kWinZipAes) return PrepareAes(s, password, *at, output);
  return PrepareTraditional(s, password, *at, output);
}

QuickResult QuickEntryReader::PrepareTraditional(Slot& slot, const std::string& password,
                                                 uint64_t at, OutputFile& output) {
  const ZipDirectoryEntry& entry = *slot.entry;
  unsigned char header[TraditionalCipher::kHeaderBytes];
  if (!file_.ReadAt(header, sizeof header, at)) return Settle(slot, QuickResult::kDeclined);
  TraditionalCipher& cipher = slot.traditional.emplace(password);
  // The last header byte repeats the CRC's high byte, or with the sizes
  // after the data, the time's.
  unsigned char check = (entry.flags & kLengthAtEnd) ? entry.dos_time >> 8 : entry.crc >> 24;
  if (!cipher.AcceptHeader(header, check)) {
    return Settle(slot, QuickResult::kWrongPassword, "Incorrect passphrase");
  }
  if (!slot.unpacker.Begin(file_, at + sizeof header, entry.packed_size - sizeof header, entry.size,
                           entry.method == kDeflated, true, output)) {
    return Settle(slot, QuickResult::kDeclined);
  }
  return QuickResult::kDone;
}

QuickResult QuickEntryReader::PrepareAes(Slot& slot, const std::string& password, uint64_t at,
                                         OutputFile& output) {
  const ZipDirectoryEntry& entry = *slot.entry;
  size_t salt_bytes = *WinZipAesCipher::SaltBytes(entry.aes_strength);
  unsigned char salt[16];
  unsigned char verifier[WinZipAesCipher::kVerifierBytes];
  if (!file_.ReadAt(salt, salt_bytes, at) ||
      !file_.ReadAt(verifier, sizeof verifier, at + salt_bytes)) {
    return Settle(slot, QuickResult::kDeclined);
  }
  switch (slot.aes.emplace().Begin(password, entry.aes_strength, salt, verifier)) {
    case WinZipAesCipher::kNoCipher:
      return Settle(slot, QuickResult::kDeclined);
    case WinZipAesCipher::kWrongPassword:
      return Settle(slot, QuickResult::kWrongPassword, "Incorrect passphrase");
    case WinZipAesCipher::kReady:
      break;
  }
  uint64_t header = salt_bytes + sizeof verifier;
  if (!slot.unpacker.Begin(file_, at + header,
                           entry.packed_size - header - WinZipAesCipher::kCodeBytes, entry.size,
                           entry.aes_method == kDeflated, entry.aes_version == 1, output)) {
    return Settle(slot, QuickResult::kDeclined);
  }
  return QuickResult::kDone;
}

QuickResult QuickEntryReader::Advance(int slot, const OnBytes& on_bytes) {
  Slot& s = slots_[slot];
  size_t got = s.unpacker.Read();
  if (got == 0) return Settle(s, QuickResult::kDamaged, kDataCutShort);
  s.cipher().Decrypt(s.unpacker.block(), got);
  return s.unpacker.Unpack(got, on_bytes);
}

std::pair<int, QuickResult> QuickEntryReader::AdvanceBoth(const OnBytes& on_bytes) {
  for (int slot : {0, 1}) {
    if (slots_[slot].unpacker.left() == 0) {
      return {slot, Settle(slots_[slot], QuickResult::kDamaged, kDataCutShort)};
    }
  }
  Slot& a = slots_[0];
  Slot& b = slots_[1];
  // As much of each as of the other, so that all of it is decrypted side
  // by side even beside a short entry.
  uint64_t most = std::min(a.unpacker.left(), b.unpacker.left());
  size_t sizes[2];
  for (int slot : {0, 1}) {
    sizes[slot] = slots_[slot].unpacker.Read(most);
    if (sizes[slot] == 0) return {slot, Settle(slots_[slot], QuickResult::kDamaged, kDataCutShort)};
  }
  TraditionalCipher::DecryptTogether(*a.traditional, a.unpacker.block(), sizes[0], *b.traditional,
                                     b.unpacker.block(), sizes[1]);
  for (int slot : {0, 1}) {
    QuickResult result = slots_[slot].unpacker.Unpack(sizes[slot], on_bytes);
    if (result != QuickResult::kDone) return {slot, result};
  }
  return {-1, QuickResult::kDone};
}

QuickResult QuickEntryReader::Finish(int index) {
  Slot& slot = slots_[index];
  const ZipDirectoryEntry& entry = *slot.entry;
  EntryUnpacker& unpacker = slot.unpacker;
  if (slot.aes) {
    // The code covers every stored byte, also any the inflater left over.
    while (unpacker.left() > 0) {
      size_t got = unpacker.Read();
      if (got == 0) return Settle(slot, QuickResult::kDamaged, kDataCutShort);
      slot.aes->Decrypt(unpacker.block(), got);
    }
    unsigned char code[WinZipAesCipher::kCodeBytes];
    if (!file_.ReadAt(code, sizeof code, unpacker.at()) || !slot.aes->Authentic(code)) {
      return Settle(slot, QuickResult::kDamaged, "ZIP bad Authentication code");
    }
  }
  // AE-2 stores no CRC: its code stands for it.
  bool has_crc = slot.traditional || entry.aes_version == 1;
  if (unpacker.written() != entry.size || (has_crc && unpacker.crc() != entry.crc)) {
    return Settle(slot, QuickResult::kDamaged, kBadSum);
  }
  return Settle(slot, QuickResult::kDone);
}

QuickResult QuickEntryReader::Extract(const ZipDirectoryEntry& entry, const std::string& password,
                                      OutputFile& output, const OnBytes& on_bytes) {
  QuickResult result = Prepare(0, entry, password, output);
  while (result == QuickResult::kDone && !Unpacked(0)) result = Advance(0, on_bytes);
  return result == QuickResult::kDone ? Finish(0) : result;
}

}  // namespace vlrna
