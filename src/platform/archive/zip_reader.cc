#include "platform/archive/zip_reader.h"

#include <archive.h>
#include <archive_entry.h>

#include <algorithm>

#include "platform/archive/entry_name.h"
#include "platform/archive/native_file.h"
#include "platform/unicode_text.h"

namespace vlrna {
namespace {

// Reading block size: large enough that a reader thread rarely waits for the
// disk, small enough that memory stays flat.
constexpr size_t kReadBlockBytes = 1 << 20;

ZipEntry::Kind KindOf(archive_entry* entry) {
  if (archive_entry_hardlink(entry) != nullptr) return ZipEntry::kLink;
  switch (archive_entry_filetype(entry)) {
    case AE_IFREG:
      return ZipEntry::kFile;
    case AE_IFDIR:
      return ZipEntry::kFolder;
    case AE_IFLNK:
      return ZipEntry::kLink;
    default:
      return ZipEntry::kDevice;
  }
}

bool IsUtf8Text(std::string_view text) {
  char32_t c;
  for (size_t at = 0; at < text.size();) {
    if (!NextUtf8(text, at, c)) return false;
  }
  return true;
}

}  // namespace

std::string OverDeclaredSize(uint64_t declared) {
  return "it unpacks to more than the " + std::to_string(declared) + " bytes it declares";
}

ZipReader::ZipReader(std::string native_path, const AnsiCodePage& code_page)
    : native_path_(std::move(native_path)), code_page_(code_page) {}

ZipReader::~ZipReader() {
  if (archive_ != nullptr) archive_read_free(archive_);
}

bool ZipReader::Open(const std::string& password) {
  archive_ = archive_read_new();
  if (archive_ == nullptr) return false;
  archive_read_support_format_zip_seekable(archive_);
  NativeFile file;
  if (file.Open(native_path_)) directory_ = ReadZipDirectoryAsStored(file);
  index_ = 0;
  if (!password.empty()) archive_read_add_passphrase(archive_, password.c_str());
  return archive_read_open_filename(archive_, native_path_.c_str(), kReadBlockBytes) == ARCHIVE_OK;
}

ZipReader::Step ZipReader::Next(ZipEntry& entry) {
  name_error_.clear();
  archive_entry* header = nullptr;
  int r = archive_read_next_header(archive_, &header);
  if (r == ARCHIVE_EOF) return kEnd;
  if (r < ARCHIVE_WARN || header == nullptr) return kError;
  std::optional<std::string> name = NameOf(header);
  ++index_;
  if (!name) return kError;
  entry.name = std::move(*name);
  entry.kind = KindOf(header);
  entry.size = archive_entry_size_is_set(header) ? archive_entry_size(header) : 0;
  entry.has_mtime = archive_entry_mtime_is_set(header);
  entry.mtime = archive_entry_mtime(header);
  entry.mtime_nsec = archive_entry_mtime_nsec(header);
  return kEntry;
}

// The seekable reader hands the entries out in the order of their local
// headers, the order of `directory_`.
std::optional<std::string> ZipReader::NameOf(archive_entry* header) {
  if (directory_ && index_ < directory_->size()) {
    const ZipDirectoryEntry& stored = (*directory_)[index_];
    std::optional<std::string> name = NameInCodePage(stored, code_page_);
    if (!name) {
      const std::string& text = stored.unicode_name.value_or(stored.name);
      name_error_ = "the entry name " + EscapedName(text) +
                    (IsUtf8Text(text)
                         ? " cannot be written in code page " + std::to_string(code_page_.number())
                         : std::string(" is flagged as UTF-8 but is not UTF-8"));
    }
    return name;
  }
  // Without the directory only libarchive's name is left, whose conversion
  // depends on the locale: it is sure for ASCII alone.
  const char* raw = archive_entry_pathname(header);
  std::string name = raw == nullptr ? "" : raw;
  if (std::any_of(name.begin(), name.end(), [](char c) { return c & 0x80; })) {
    name_error_ = "the entry name " + EscapedName(name) + " cannot be read";
    return std::nullopt;
  }
  return name;
}

ZipReader::Step ZipReader::ReadBlock(const void*& data, size_t& size, int64_t& offset) {
  la_int64_t at = 0;
  int r = archive_read_data_block(archive_, &data, &size, &at);
  offset = at;
  if (r == ARCHIVE_EOF) return kEnd;
  if (r != ARCHIVE_OK) return kError;
  return kEntry;
}

bool ZipReader::Skip() { return archive_read_data_skip(archive_) == ARCHIVE_OK; }

std::string ZipReader::error() const {
  if (!name_error_.empty()) return name_error_;
  const char* text = archive_ == nullptr ? nullptr : archive_error_string(archive_);
  return text == nullptr ? "unknown error" : text;
}

int ZipReader::error_number() const { return archive_ == nullptr ? 0 : archive_errno(archive_); }

}  // namespace vlrna
