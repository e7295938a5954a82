#include "platform/archive/zip_directory.h"

#include <zlib.h>

#include <algorithm>
#include <string>

#include "platform/archive/zip_bytes.h"

namespace vlrna {
namespace {

constexpr uint32_t kEndSignature = 0x06054b50;
constexpr uint32_t kEnd64Signature = 0x06064b50;
constexpr uint32_t kEnd64LocatorSignature = 0x07064b50;
constexpr uint32_t kEntrySignature = 0x02014b50;
constexpr size_t kEndBytes = 22;
constexpr size_t kEntryBytes = 46;
// The end record plus the longest comment it may carry.
constexpr size_t kTailBytes = kEndBytes + 0xffff;
// Far above any scenery archive's directory; a bigger one is left to
// libarchive so that memory stays flat.
constexpr uint64_t kMaxDirectoryBytes = 8u << 20;

struct DirectoryPlace {
  uint64_t offset = 0;
  uint64_t bytes = 0;
  uint64_t count = 0;
};

// Finds the central directory from the end record, following the Zip64 one
// when the end record's figures are saturated.
std::optional<DirectoryPlace> FindDirectory(const NativeFile& file, uint64_t file_size) {
  if (file_size < kEndBytes) return std::nullopt;
  size_t tail_size = static_cast<size_t>(std::min<uint64_t>(file_size, kTailBytes));
  std::string tail(tail_size, '\0');
  uint64_t tail_at = file_size - tail_size;
  if (!file.ReadAt(tail.data(), tail_size, tail_at)) return std::nullopt;
  const auto* bytes = reinterpret_cast<const unsigned char*>(tail.data());
  for (size_t at = tail_size - kEndBytes + 1; at-- > 0;) {
    if (Get32(bytes + at) != kEndSignature) continue;
    DirectoryPlace place{Get32(bytes + at + 16), Get32(bytes + at + 12), Get16(bytes + at + 10)};
    bool saturated =
        place.offset == 0xffffffff || place.bytes == 0xffffffff || place.count == 0xffff;
    if (!saturated) return place;
    uint64_t end_at = tail_at + at;
    unsigned char locator[20];
    if (end_at < 20 || !file.ReadAt(locator, 20, end_at - 20)) return std::nullopt;
    if (Get32(locator) != kEnd64LocatorSignature) return std::nullopt;
    unsigned char end64[56];
    if (!file.ReadAt(end64, 56, Get64(locator + 8))) return std::nullopt;
    if (Get32(end64) != kEnd64Signature) return std::nullopt;
    return DirectoryPlace{Get64(end64 + 48), Get64(end64 + 40), Get64(end64 + 32)};
  }
  return std::nullopt;
}

// Applies the Zip64 extra field, where each saturated figure is stored in
// this order, and reads the WinZip AES one.
bool ApplyExtraFields(const unsigned char* extra, size_t size, ZipDirectoryEntry& entry) {
  uint32_t unicode_name_crc = 0;
  while (size >= 4) {
    uint16_t id = Get16(extra);
    size_t length = Get16(extra + 2);
    if (length > size - 4) return false;
    const unsigned char* field = extra + 4;
    if (id == 0x0001) {
      size_t left = length;
      for (uint64_t* figure : {&entry.size, &entry.packed_size, &entry.local_header_offset}) {
        if (*figure != 0xffffffff) continue;
        if (left < 8) return false;
        *figure = Get64(field);
        field += 8;
        left -= 8;
      }
    } else if (id == 0x7075 && length >= 5 && field[0] == 1) {
      entry.unicode_name.emplace(reinterpret_cast<const char*>(field + 5), length - 5);
      unicode_name_crc = Get32(field + 1);
    } else if (id == 0x9901 && length >= 7 && field[2] == 'A' && field[3] == 'E') {
      entry.aes_version = Get16(field);
      entry.aes_strength = field[4];
      entry.aes_method = Get16(field + 5);
    }
    extra += 4 + length;
    size -= 4 + length;
  }
  // A Unicode Path field stands for the name it was written with only: one
  // left behind by a tool that renamed the entry is ignored.
  if (entry.unicode_name && crc32(0, reinterpret_cast<const Bytef*>(entry.name.data()),
                                  static_cast<uInt>(entry.name.size())) != unicode_name_crc) {
    entry.unicode_name.reset();
  }
  return true;
}

}  // namespace

std::optional<std::vector<ZipDirectoryEntry>> ReadZipDirectoryAsStored(const NativeFile& file) {
  std::optional<uint64_t> size = file.Size();
  if (!size) return std::nullopt;
  const uint64_t file_size = *size;
  std::optional<DirectoryPlace> place = FindDirectory(file, file_size);
  if (!place || place->bytes > kMaxDirectoryBytes || place->offset > file_size ||
      place->bytes > file_size - place->offset) {
    return std::nullopt;
  }
  std::string directory(static_cast<size_t>(place->bytes), '\0');
  if (!file.ReadAt(directory.data(), directory.size(), place->offset)) return std::nullopt;
  const auto* bytes = reinterpret_cast<const unsigned char*>(directory.data());
  std::vector<ZipDirectoryEntry> entries;
  size_t at = 0;
  while (at + kEntryBytes <= directory.size() && Get32(bytes + at) == kEntrySignature) {
    const unsigned char* p = bytes + at;
    ZipDirectoryEntry entry;
    entry.flags = Get16(p + 8);
    entry.method = Get16(p + 10);
    entry.dos_time = Get16(p + 12);
    entry.crc = Get32(p + 16);
    entry.packed_size = Get32(p + 20);
    entry.size = Get32(p + 24);
    entry.local_header_offset = Get32(p + 42);
    size_t name = Get16(p + 28), extra = Get16(p + 30), comment = Get16(p + 32);
    if (at + kEntryBytes + name + extra + comment > directory.size()) return std::nullopt;
    entry.name.assign(reinterpret_cast<const char*>(p + kEntryBytes), name);
    if (!ApplyExtraFields(p + kEntryBytes + name, extra, entry)) return std::nullopt;
    entries.push_back(entry);
    at += kEntryBytes + name + extra + comment;
  }
  if (entries.size() != place->count && place->count != 0xffff) return std::nullopt;
  std::stable_sort(entries.begin(), entries.end(), [](const auto& a, const auto& b) {
    return a.local_header_offset < b.local_header_offset;
  });
  return entries;
}

std::optional<std::string> NameInCodePage(const ZipDirectoryEntry& entry,
                                          const AnsiCodePage& code_page) {
  constexpr uint16_t kUtf8Name = 1 << 11;
  if (entry.unicode_name) return code_page.Utf8ToAnsiExactly(*entry.unicode_name);
  if (entry.flags & kUtf8Name) return code_page.Utf8ToAnsiExactly(entry.name);
  return entry.name;
}

std::optional<std::vector<ZipDirectoryEntry>> ReadZipDirectory(const NativeFile& file) {
  std::optional<std::vector<ZipDirectoryEntry>> entries = ReadZipDirectoryAsStored(file);
  if (!entries) return std::nullopt;
  for (size_t i = 1; i < entries->size(); ++i) {
    if ((*entries)[i].local_header_offset == (*entries)[i - 1].local_header_offset) {
      return std::nullopt;
    }
  }
  return entries;
}

}  // namespace vlrna
