#ifndef VLRNA_PLATFORM_ARCHIVE_ZIP_READER_H_
#define VLRNA_PLATFORM_ARCHIVE_ZIP_READER_H_

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/ansi_code_page.h"
#include "platform/archive/zip_directory.h"

struct archive;
struct archive_entry;

namespace vlrna {

// What a reader learns of one entry from its header.
struct ZipEntry {
  enum Kind { kFile, kFolder, kLink, kDevice };

  std::string name;  // 8-bit text in the reader's code page, as stored
  Kind kind = kFile;
  uint64_t size = 0;  // unpacked bytes
  bool has_mtime = false;
  int64_t mtime = 0;  // seconds since 1970
  int64_t mtime_nsec = 0;
};

// The reason given for an entry whose data unpacks to more than the
// `declared` bytes its headers state.
std::string OverDeclaredSize(uint64_t declared);

// One libarchive reader over one zip file. Entry names come from the
// archive's central directory, read by the reader itself, whatever the
// process's locale: names flagged as UTF-8 and unflagged names (taken as
// `code_page`) both arrive as 8-bit text in `code_page` (see
// NameInCodePage). Used by one thread at a time.
class ZipReader {
 public:
  enum Step { kError = -1, kEnd = 0, kEntry = 1 };

  ZipReader(std::string native_path, const AnsiCodePage& code_page);
  ~ZipReader();
  ZipReader(const ZipReader&) = delete;
  ZipReader& operator=(const ZipReader&) = delete;

  // Opens the file for reading, decrypting with `password`. False when the
  // file cannot be read or is not a zip archive (see error()).
  bool Open(const std::string& password);

  // Reads the next entry's header into `entry`.
  Step Next(ZipEntry& entry);

  // The next block of the current entry's data, at `offset` in the file to be
  // written. kEnd after the last block.
  Step ReadBlock(const void*& data, size_t& size, int64_t& offset);

  // Passes over the current entry's data without unpacking it.
  bool Skip();

  // libarchive's text for the last failure.
  std::string error() const;

  // The errno behind the last failure, or 0.
  int error_number() const;

 private:
  std::optional<std::string> NameOf(archive_entry* header);

  std::string native_path_;
  const AnsiCodePage& code_page_;
  struct archive* archive_ = nullptr;
  std::string name_error_;
  // The central directory in the order the entries come, or nullopt when
  // it is beyond our own reading; `index_` is the next entry's place in it.
  std::optional<std::vector<ZipDirectoryEntry>> directory_;
  size_t index_ = 0;
};

}  // namespace vlrna

#endif  // VLRNA_PLATFORM_ARCHIVE_ZIP_READER_H_
