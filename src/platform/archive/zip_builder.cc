#include "platform/archive/zip_builder.h"

#include <archive.h>
#include <archive_entry.h>

#include <fstream>
#include <map>
#include <memory>
#include <vector>

#include "platform/archive/zip_bytes.h"

namespace vlrna {
namespace {

constexpr size_t kCopyBlockBytes = 1 << 20;

std::string EncryptionOption(ZipEncryption encryption) {
  switch (encryption) {
    case ZipEncryption::kTraditional:
      return "zip:encryption=zipcrypt";
    case ZipEncryption::kAes128:
      return "zip:encryption=aes128";
    case ZipEncryption::kAes256:
      return "zip:encryption=aes256";
    case ZipEncryption::kNone:
      break;
  }
  return "";
}

const unsigned char* Bytes(const std::string& zip) {
  return reinterpret_cast<const unsigned char*>(zip.data());
}

void Put32(std::string& zip, size_t at, uint32_t value) {
  for (int i = 0; i < 4; ++i) zip[at + i] = static_cast<char>(value >> (8 * i));
}

// Where each central directory record of `zip` starts, by entry name.
std::map<std::string, size_t, std::less<>> DirectoryRecords(const std::string& zip) {
  std::map<std::string, size_t, std::less<>> records;
  size_t end = zip.rfind("PK\x05\x06");
  if (end == std::string::npos || end + 22 > zip.size()) return records;
  size_t at = Get32(Bytes(zip) + end + 16);
  for (size_t count = Get16(Bytes(zip) + end + 10); count > 0 && at + 46 <= zip.size(); --count) {
    const unsigned char* record = Bytes(zip) + at;
    size_t name = Get16(record + 28);
    if (at + 46 + name > zip.size()) break;
    records.emplace(zip.substr(at + 46, name), at);
    at += 46 + name + Get16(record + 30) + Get16(record + 32);
  }
  return records;
}

}  // namespace

bool DeclareZipEntrySize(std::string& zip, std::string_view name, uint32_t size) {
  auto records = DirectoryRecords(zip);
  auto record = records.find(name);
  if (record == records.end()) return false;
  Put32(zip, record->second + 24, size);
  // The local header holds sizes too, unless they follow the data.
  size_t local = Get32(Bytes(zip) + record->second + 42);
  if (local + 30 <= zip.size() && Get32(Bytes(zip) + local + 22) != 0) Put32(zip, local + 22, size);
  return true;
}

bool PointZipEntryAt(std::string& zip, std::string_view name, std::string_view target) {
  auto records = DirectoryRecords(zip);
  auto record = records.find(name);
  auto other = records.find(target);
  if (record == records.end() || other == records.end()) return false;
  Put32(zip, record->second + 42, Get32(Bytes(zip) + other->second + 42));
  return true;
}

ZipBuilder::~ZipBuilder() {
  if (archive_ != nullptr) archive_write_free(archive_);
}

bool ZipBuilder::Check(int result) {
  if (result >= ARCHIVE_WARN) return true;
  const char* text = archive_error_string(archive_);
  error_ = text == nullptr ? "unknown error" : text;
  return false;
}

bool ZipBuilder::Open(const std::string& native_path, const Options& options) {
  archive_ = archive_write_new();
  if (!Check(archive_write_set_format_zip(archive_)) ||
      !Check(archive_write_set_options(archive_, "zip:hdrcharset=UTF-8"))) {
    return false;
  }
  if (!Check(archive_write_set_options(
          archive_, options.deflate ? "zip:compression=deflate" : "zip:compression=store"))) {
    return false;
  }
  std::string encryption = EncryptionOption(options.encryption);
  if (!encryption.empty()) {
    if (!Check(archive_write_set_options(archive_, encryption.c_str())) ||
        !Check(archive_write_set_passphrase(archive_, options.password.c_str()))) {
      return false;
    }
  }
  return Check(archive_write_open_filename(archive_, native_path.c_str()));
}

bool ZipBuilder::WriteHeader(const std::string& name, unsigned type, uint64_t size, int64_t mtime,
                             const std::string& link_target) {
  std::unique_ptr<archive_entry, void (*)(archive_entry*)> entry(archive_entry_new(),
                                                                 archive_entry_free);
  SetUtf8Names(entry.get(), name, link_target);
  archive_entry_set_filetype(entry.get(), type);
  archive_entry_set_perm(entry.get(), type == AE_IFDIR ? 0755 : 0644);
  archive_entry_set_size(entry.get(), static_cast<la_int64_t>(size));
  archive_entry_set_mtime(entry.get(), mtime, 0);
  return Check(archive_write_header(archive_, entry.get()));
}

bool ZipBuilder::AddFile(const std::string& name, std::string_view content, int64_t mtime) {
  if (!WriteHeader(name, AE_IFREG, content.size(), mtime)) return false;
  if (!content.empty() && archive_write_data(archive_, content.data(), content.size()) < 0) {
    return Check(ARCHIVE_FATAL);
  }
  return Check(archive_write_finish_entry(archive_));
}

bool ZipBuilder::AddFileFrom(const std::string& name, const std::string& native_source,
                             int64_t mtime, const std::function<void(uint64_t)>& progress) {
  std::ifstream in(native_source, std::ios::binary | std::ios::ate);
  if (!in) {
    error_ = "cannot read " + native_source;
    return false;
  }
  uint64_t size = static_cast<uint64_t>(in.tellg());
  in.seekg(0);
  if (!WriteHeader(name, AE_IFREG, size, mtime)) return false;
  std::vector<char> block(kCopyBlockBytes);
  while (in) {
    in.read(block.data(), static_cast<std::streamsize>(block.size()));
    std::streamsize got = in.gcount();
    if (got <= 0) break;
    if (archive_write_data(archive_, block.data(), static_cast<size_t>(got)) < 0) {
      return Check(ARCHIVE_FATAL);
    }
    if (progress) progress(static_cast<uint64_t>(got));
  }
  if (in.bad()) {
    error_ = "cannot read " + native_source;
    return false;
  }
  return Check(archive_write_finish_entry(archive_));
}

bool ZipBuilder::AddFolder(const std::string& name, int64_t mtime) {
  std::string folder = name.ends_with('/') ? name : name + "/";
  return WriteHeader(folder, AE_IFDIR, 0, mtime) && Check(archive_write_finish_entry(archive_));
}

bool ZipBuilder::AddSymlink(const std::string& name, const std::string& target) {
  return WriteHeader(name, AE_IFLNK, 0, 0, target) && Check(archive_write_finish_entry(archive_));
}

bool ZipBuilder::Close() {
  if (archive_ == nullptr) return true;
  bool closed = Check(archive_write_close(archive_));
  archive_write_free(archive_);
  archive_ = nullptr;
  return closed;
}

}  // namespace vlrna
