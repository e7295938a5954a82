#include "platform/archive/zip_layout.h"

#include <algorithm>
#include <optional>
#include <set>

#include "platform/archive/entry_name.h"
#include "platform/archive/zip_bytes.h"
#include "platform/archive/zip_directory.h"

namespace vlrna {
namespace {

constexpr size_t kLocalHeaderBytes = 30;
constexpr uint16_t kUtf8Name = 1 << 11;

// True when `text` is well-formed UTF-8: no stray continuation bytes, no
// overlong forms, nothing above U+10FFFF, no surrogates.
bool IsUtf8(std::string_view text) {
  for (size_t i = 0; i < text.size();) {
    unsigned char lead = static_cast<unsigned char>(text[i]);
    size_t more = lead < 0x80                    ? 0
                  : lead >= 0xc2 && lead <= 0xdf ? 1
                  : lead >= 0xe0 && lead <= 0xef ? 2
                  : lead >= 0xf0 && lead <= 0xf4 ? 3
                                                 : 4;
    if (more == 4 || more >= text.size() - i) return false;
    for (size_t k = 1; k <= more; ++k) {
      if ((static_cast<unsigned char>(text[i + k]) & 0xc0) != 0x80) return false;
    }
    if (more >= 2) {
      unsigned char second = static_cast<unsigned char>(text[i + 1]);
      if ((lead == 0xe0 && second < 0xa0) || (lead == 0xed && second >= 0xa0) ||
          (lead == 0xf0 && second < 0x90) || (lead == 0xf4 && second >= 0x90)) {
        return false;
      }
    }
    i += more + 1;
  }
  return true;
}

// The name a local header stores, or nullopt when it cannot be read.
std::optional<std::string> LocalName(const NativeFile& file, uint64_t at) {
  unsigned char header[kLocalHeaderBytes];
  if (!file.ReadAt(header, sizeof header, at)) return std::nullopt;
  std::string name(Get16(header + 26), '\0');
  if (!file.ReadAt(name.data(), name.size(), at + sizeof header)) return std::nullopt;
  return name;
}

std::optional<LayoutRefusal> CheckName(const NativeFile& file, const ZipDirectoryEntry& entry) {
  std::optional<std::string> local = LocalName(file, entry.local_header_offset);
  bool nul = entry.name.find('\0') != std::string::npos ||
             (local && local->find('\0') != std::string::npos);
  if (nul) return LayoutRefusal{EscapedName(entry.name), "its name holds a NUL character"};
  if ((entry.flags & kUtf8Name) && !IsUtf8(entry.name)) {
    return LayoutRefusal{EscapedName(entry.name), "its name is flagged as UTF-8 but is not UTF-8"};
  }
  return std::nullopt;
}

// The first directory entry the reader did not yield, by name.
std::string MissingEntry(const std::vector<ZipDirectoryEntry>& directory,
                         const std::vector<ZipEntry>& entries) {
  std::set<std::string> seen;
  for (const ZipEntry& entry : entries) seen.insert(entry.name);
  for (const ZipDirectoryEntry& entry : directory) {
    if (!seen.contains(entry.name)) return EscapedName(entry.name);
  }
  return directory.empty() ? "" : EscapedName(directory.back().name);
}

std::optional<LayoutRefusal> CheckLayout(const NativeFile& file,
                                         const std::vector<ZipEntry>& entries) {
  std::optional<std::vector<ZipDirectoryEntry>> directory = ReadZipDirectoryAsStored(file);
  if (!directory) return std::nullopt;
  for (size_t i = 0; i < directory->size(); ++i) {
    const ZipDirectoryEntry& entry = (*directory)[i];
    if (std::optional<LayoutRefusal> refusal = CheckName(file, entry)) return refusal;
    if (i + 1 == directory->size()) break;
    // The entry's header and data end where the next one starts at the
    // latest; the directory is in order of place.
    const ZipDirectoryEntry& next = (*directory)[i + 1];
    uint64_t room = next.local_header_offset - entry.local_header_offset;
    if (room < kLocalHeaderBytes || entry.packed_size > room - kLocalHeaderBytes) {
      return LayoutRefusal{EscapedName(entry.name),
                           "it shares its data with the entry " + EscapedName(next.name)};
    }
  }
  if (directory->size() != entries.size()) {
    return LayoutRefusal{MissingEntry(*directory, entries),
                         "the archive's directory lists it, but it cannot be read"};
  }
  return std::nullopt;
}

}  // namespace

std::optional<LayoutRefusal> CheckZipLayout(const std::string& native,
                                            const std::vector<ZipEntry>& entries) {
  NativeFile file;
  if (!file.Open(native)) return std::nullopt;
  return CheckLayout(file, entries);
}

}  // namespace vlrna
