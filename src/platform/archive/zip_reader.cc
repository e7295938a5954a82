#include "platform/archive/zip_reader.h"

#include <archive.h>
#include <archive_entry.h>

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
  std::string charset = "zip:hdrcharset=" + CharsetName(code_page_.number());
  archive_read_set_options(archive_, charset.c_str());
  if (!password.empty()) archive_read_add_passphrase(archive_, password.c_str());
  return archive_read_open_filename(archive_, native_path_.c_str(), kReadBlockBytes) == ARCHIVE_OK;
}

ZipReader::Step ZipReader::Next(ZipEntry& entry) {
  name_error_.clear();
  archive_entry* header = nullptr;
  int r = archive_read_next_header(archive_, &header);
  if (r == ARCHIVE_EOF) return kEnd;
  if (r < ARCHIVE_WARN || header == nullptr) return kError;
  const char* utf8 = archive_entry_pathname_utf8(header);
  if (utf8 == nullptr) utf8 = archive_entry_pathname(header);
  std::optional<std::string> name = code_page_.Utf8ToAnsiExactly(utf8 == nullptr ? "" : utf8);
  if (!name) {
    name_error_ = "the entry name " + std::string(utf8) + " cannot be written in code page " +
                  std::to_string(code_page_.number());
    return kError;
  }
  entry.name = std::move(*name);
  entry.kind = KindOf(header);
  entry.size = archive_entry_size_is_set(header) ? archive_entry_size(header) : 0;
  entry.has_mtime = archive_entry_mtime_is_set(header);
  entry.mtime = archive_entry_mtime(header);
  entry.mtime_nsec = archive_entry_mtime_nsec(header);
  return kEntry;
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
