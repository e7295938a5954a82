#ifndef VLRNA_PLATFORM_ARCHIVE_ZIP_BUILDER_H_
#define VLRNA_PLATFORM_ARCHIVE_ZIP_BUILDER_H_

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "platform/archive/utf8_names.h"

struct archive;

namespace vlrna {

// AES-128 only for tests: the packing tool writes AES-256.
enum class ZipEncryption { kNone, kTraditional, kAes128, kAes256 };

// Writes a zip archive with libarchive, entry by entry, for the package
// author's packing tool and for tests. Names are given as UTF-8; names
// outside ASCII are stored flagged as UTF-8. Every operation returns false
// and sets error() when it fails. Made and used on one thread.
class ZipBuilder {
 public:
  struct Options {
    ZipEncryption encryption = ZipEncryption::kNone;
    std::string password;
    bool deflate = true;
  };

  ZipBuilder() = default;
  ~ZipBuilder();
  ZipBuilder(const ZipBuilder&) = delete;
  ZipBuilder& operator=(const ZipBuilder&) = delete;

  bool Open(const std::string& native_path, const Options& options);
  bool AddFile(const std::string& name, std::string_view content, int64_t mtime = 0);
  // Streams a file from disk; `progress` hears the bytes of each block.
  bool AddFileFrom(const std::string& name, const std::string& native_source, int64_t mtime,
                   const std::function<void(uint64_t)>& progress = {});
  bool AddFolder(const std::string& name, int64_t mtime = 0);
  // A symbolic link entry: packing never makes one, tests do.
  bool AddSymlink(const std::string& name, const std::string& target);
  // Finishes the archive; without it the file is incomplete.
  bool Close();

  const std::string& error() const { return error_; }

 private:
  bool Check(int result);
  bool WriteHeader(const std::string& name, unsigned type, uint64_t size, int64_t mtime,
                   const std::string& link_target = "");

  ScopedUtf8Locale utf8_locale_;
  struct archive* archive_ = nullptr;
  std::string error_;
};

// Edits of a finished archive's bytes that no honest writer makes, for
// tests of hostile archives. Both return false when the central directory
// of `zip` has no entry of that name.
//
// Makes the headers of entry `name` declare `size` unpacked bytes.
bool DeclareZipEntrySize(std::string& zip, std::string_view name, uint32_t size);
// Points the directory record of entry `name` at the local header of entry
// `target`.
bool PointZipEntryAt(std::string& zip, std::string_view name, std::string_view target);

}  // namespace vlrna

#endif  // VLRNA_PLATFORM_ARCHIVE_ZIP_BUILDER_H_
