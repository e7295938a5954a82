#include "platform/archive/zip_layout.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <optional>

#include "platform/archive/entry_name.h"
#include "platform/archive/zip_bytes.h"
#include "platform/archive/zip_directory.h"

namespace vlrna {
namespace {

constexpr size_t kLocalHeaderBytes = 30;

// The name a local header stores, or nullopt when it cannot be read.
std::optional<std::string> LocalName(int fd, uint64_t at) {
  unsigned char header[kLocalHeaderBytes];
  if (!ReadAt(fd, header, sizeof header, at)) return std::nullopt;
  std::string name(Get16(header + 26), '\0');
  if (!ReadAt(fd, name.data(), name.size(), at + sizeof header)) return std::nullopt;
  return name;
}

std::optional<LayoutRefusal> CheckName(int fd, const ZipDirectoryEntry& entry) {
  std::optional<std::string> local = LocalName(fd, entry.local_header_offset);
  bool nul = entry.name.find('\0') != std::string::npos ||
             (local && local->find('\0') != std::string::npos);
  if (nul) return LayoutRefusal{EscapedName(entry.name), "its name holds a NUL character"};
  return std::nullopt;
}

std::optional<LayoutRefusal> CheckLayout(int fd, const std::vector<ZipEntry>&) {
  std::optional<std::vector<ZipDirectoryEntry>> directory = ReadZipDirectoryAsStored(fd);
  if (!directory) return std::nullopt;
  for (size_t i = 0; i < directory->size(); ++i) {
    const ZipDirectoryEntry& entry = (*directory)[i];
    if (std::optional<LayoutRefusal> refusal = CheckName(fd, entry)) return refusal;
  }
  return std::nullopt;
}

}  // namespace

std::optional<LayoutRefusal> CheckZipLayout(const std::string& native,
                                            const std::vector<ZipEntry>& entries) {
  int fd = open(native.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return std::nullopt;
  std::optional<LayoutRefusal> refusal = CheckLayout(fd, entries);
  close(fd);
  return refusal;
}

}  // namespace vlrna
