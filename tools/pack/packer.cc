#include "tools/pack/packer.h"

#include <sys/stat.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <vector>

#include "platform/archive/entry_name.h"
#include "platform/archive/zip_reader.h"
#include "platform/single_byte_code_page.h"
#include "shell/archive_keys.h"

namespace vlrna {
namespace {

namespace fs = std::filesystem;

struct Item {
  std::string name;  // stored name, '/' separated, UTF-8
  fs::path source;
  bool folder = false;
  uint64_t size = 0;
  int64_t mtime = 0;
};

struct ArchiveReport {
  std::string archive;
  size_t entries = 0;
  uint64_t bytes_in = 0;
  uint64_t bytes_out = 0;
};

// The content of one archive folder, in stable order. Fails on anything the
// wizard would refuse to unpack.
bool Collect(const fs::path& folder, std::vector<Item>& items, std::string& error) {
  std::error_code ec;
  for (fs::recursive_directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
    fs::file_status status = it->symlink_status();
    std::string name = fs::relative(it->path(), folder).generic_string();
    std::optional<std::string> ansi = Windows1252().Utf8ToAnsiExactly(name);
    EntryNameCheck check = CheckEntryName(ansi.value_or("?"));
    if (!ansi || !check.accepted()) {
      error = it->path().string() + ": the wizard would refuse this name (" +
              (ansi ? check.refusal : "not in code page 1252") + ")";
      return false;
    }
    if (!fs::is_regular_file(status) && !fs::is_directory(status)) {
      error = it->path().string() + ": only files and folders can be packed";
      return false;
    }
    struct stat info;
    if (stat(it->path().c_str(), &info) != 0) {
      error = it->path().string() + ": cannot be read";
      return false;
    }
    bool is_folder = fs::is_directory(status);
    items.push_back({name, it->path(), is_folder,
                     is_folder ? 0 : static_cast<uint64_t>(info.st_size), info.st_mtime});
  }
  if (ec) {
    error = folder.string() + ": " + ec.message();
    return false;
  }
  // Folders sort before their content: "a/" < "a/b" and "a/" < "a0".
  auto key = [](const Item& item) { return item.folder ? item.name + "/" : item.name; };
  std::sort(items.begin(), items.end(),
            [&](const Item& a, const Item& b) { return key(a) < key(b); });
  return true;
}

std::string Megabytes(uint64_t bytes) {
  char text[32];
  std::snprintf(text, sizeof text, "%.1f MB", static_cast<double>(bytes) / 1e6);
  return text;
}

class ProgressLine {
 public:
  ProgressLine(std::ostream& out, bool live, std::string label, uint64_t total)
      : out_(out), live_(live), label_(std::move(label)), total_(total) {}

  void Add(uint64_t bytes) {
    done_ += bytes;
    int percent = total_ == 0 ? 100 : static_cast<int>(done_ * 100 / total_);
    if (live_ && percent != shown_) {
      shown_ = percent;
      out_ << "\r" << label_ << " " << percent << "% of " << Megabytes(total_) << std::flush;
    }
  }
  void End(const std::string& result) {
    out_ << (live_ ? "\r" : "") << label_ << " " << result << "\n" << std::flush;
  }

 private:
  std::ostream& out_;
  bool live_;
  std::string label_;
  uint64_t total_;
  uint64_t done_ = 0;
  int shown_ = -1;
};

bool WriteArchive(const fs::path& target, const std::vector<Item>& items,
                  const ZipBuilder::Options& zip_options, ProgressLine& line, std::string& error) {
  fs::path partial = target;
  partial += ".part";
  ZipBuilder builder;
  bool ok = builder.Open(partial.string(), zip_options);
  for (size_t i = 0; ok && i < items.size(); ++i) {
    const Item& item = items[i];
    ok = item.folder ? builder.AddFolder(item.name, item.mtime)
                     : builder.AddFileFrom(item.name, item.source.string(), item.mtime,
                                           [&](uint64_t bytes) { line.Add(bytes); });
  }
  ok = ok && builder.Close();
  std::error_code ec;
  if (ok) fs::rename(partial, target, ec);
  if (!ok || ec) {
    error = target.string() + ": " + (ok ? ec.message() : builder.error());
    fs::remove(partial, ec);
    return false;
  }
  return true;
}

// Reads `archive` back with its password and compares every entry with its
// source, in order.
bool VerifyArchive(const fs::path& archive, const std::string& password,
                   const std::vector<Item>& items, std::string& error) {
  const AnsiCodePage& names = Windows1252();
  ZipReader reader(archive.string(), names);
  if (!reader.Open(password)) {
    error = archive.string() + ": " + reader.error();
    return false;
  }
  for (const Item& item : items) {
    ZipEntry entry;
    if (reader.Next(entry) != ZipReader::kEntry) {
      error = archive.string() + ": entry " + item.name + " missing (" + reader.error() + ")";
      return false;
    }
    const std::string name = names.Utf8ToAnsi(item.name);
    if (entry.name != name + "/" && entry.name != name) {
      error = archive.string() + ": found " + names.AnsiToUtf8(entry.name) + " where " + item.name +
              " belongs";
      return false;
    }
    if (item.folder) continue;
    std::ifstream source(item.source, std::ios::binary);
    std::vector<char> expected;
    const void* data = nullptr;
    size_t size = 0;
    int64_t offset = 0;
    uint64_t compared = 0;
    ZipReader::Step step;
    while ((step = reader.ReadBlock(data, size, offset)) == ZipReader::kEntry) {
      expected.resize(size);
      source.read(expected.data(), static_cast<std::streamsize>(size));
      if (static_cast<size_t>(source.gcount()) != size ||
          !std::equal(expected.begin(), expected.end(), static_cast<const char*>(data))) {
        error = archive.string() + ": entry " + item.name + " differs from its source";
        return false;
      }
      compared += size;
    }
    if (step == ZipReader::kError || compared != item.size) {
      error = archive.string() + ": entry " + item.name + " cannot be read back (" +
              (step == ZipReader::kError ? reader.error() : "wrong length") + ")";
      return false;
    }
  }
  return true;
}

const char* EncryptionName(ZipEncryption encryption) {
  return encryption == ZipEncryption::kAes256 ? "AES-256" : "traditional";
}

}  // namespace

int Pack(const PackOptions& options, std::ostream& out, std::ostream& err) {
  auto start = std::chrono::steady_clock::now();
  std::error_code ec;
  fs::create_directories(options.out, ec);
  std::vector<ArchiveReport> reports;
  for (size_t n = 0; n < kArchiveKeyUses.size(); ++n) {
    const ArchiveKeyUse& use = kArchiveKeyUses[n];
    std::string archive(use.archive);
    fs::path folder = fs::path(options.content) / archive;
    std::vector<Item> items;
    std::string error;
    if (!fs::is_directory(folder)) {
      err << "vlrna-pack: " << folder.string() << " is missing\n";
      return 1;
    }
    if (!Collect(folder, items, error)) {
      err << "vlrna-pack: " << error << "\n";
      return 1;
    }
    ZipBuilder::Options zip_options;
    zip_options.encryption = options.encryption;
    zip_options.password = ArchivePassword(kArchiveGuids[use.key - 1]);
    ArchiveReport report{archive, items.size(), 0, 0};
    for (const Item& item : items) report.bytes_in += item.size;
    std::string label = "[" + std::to_string(n + 1) + "/9] " + archive;
    ProgressLine line(out, options.live_progress, label, report.bytes_in);
    fs::path target = fs::path(options.out) / archive;
    if (!WriteArchive(target, items, zip_options, line, error) ||
        (options.verify && !VerifyArchive(target, zip_options.password, items, error))) {
      line.End("failed");
      err << "vlrna-pack: " << error << "\n";
      return 1;
    }
    report.bytes_out = fs::file_size(target, ec);
    line.End(std::to_string(items.size()) + " entries, " + Megabytes(report.bytes_out) +
             (options.verify ? ", verified" : ""));
    reports.push_back(report);
  }
  uint64_t in = 0, written = 0;
  size_t entries = 0;
  for (const ArchiveReport& report : reports) {
    in += report.bytes_in;
    written += report.bytes_out;
    entries += report.entries;
  }
  double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  char summary[200];
  std::snprintf(summary, sizeof summary,
                "%zu entries, %s of content in %s of archives (%s encryption%s), %.1f s\n", entries,
                Megabytes(in).c_str(), Megabytes(written).c_str(),
                EncryptionName(options.encryption), options.verify ? ", verified" : "", seconds);
  out << "9 archives written to " << options.out << ": " << summary;
  return 0;
}

}  // namespace vlrna
