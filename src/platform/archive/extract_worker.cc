#include "platform/archive/extract_worker.h"

#include "platform/archive/entry_name.h"
#include "platform/archive/output_file.h"
#include "platform/archive/quick_entry.h"
#include "platform/archive/zip_reader.h"

namespace vlrna {
namespace {

std::string EntryContext(const ExtractShared& shared, const ZipEntry& entry) {
  return "archive " + shared.archive_path + ", entry " + PrintableName(entry.name);
}

// libarchive tells a wrong password only by its text.
bool IsPasswordFailure(const std::string& reason) {
  return reason.find("passphrase") != std::string::npos ||
         reason.find("Passphrase") != std::string::npos;
}

void FailRead(ExtractShared& shared, const ZipEntry& entry, const ZipReader& reader) {
  std::string reason = reader.error();
  if (IsPasswordFailure(reason)) {
    shared.Fail("Wrong password for " + EntryContext(shared, entry) + " (" + reason + ")");
  } else {
    shared.Fail("Damaged data in " + EntryContext(shared, entry) + " (" + reason + ")");
  }
}

void FailWrite(ExtractShared& shared, const PlannedFile& file, const WriteFailure& failure) {
  std::string what = failure.disk_full ? "Disk full: cannot write " : "Cannot write ";
  shared.Fail(what + file.windows_path + " (" + failure.reason + ") for " +
              EntryContext(shared, *file.entry));
}

// Unpacks the file the quick way when `fast` takes its entry. False when it
// does not, with nothing written; true when done or failed (see `shared`).
bool ExtractFast(QuickEntryReader& fast, const PlannedFile& file, OutputFile& output,
                 ExtractShared& shared) {
  const ZipDirectoryEntry* raw = fast.Find(file.index, file.entry->size, file.entry->name);
  if (raw == nullptr || shared.password.empty()) return false;
  std::string reason;
  WriteFailure failure;
  auto on_bytes = [&shared](size_t size) {
    shared.bytes_done += size;
    return !shared.stopped();
  };
  switch (fast.Extract(*raw, shared.password, output, on_bytes, reason, failure)) {
    case QuickEntryReader::kDeclined:
      return false;
    case QuickEntryReader::kWrongPassword:
      shared.Fail("Wrong password for " + EntryContext(shared, *file.entry) + " (" + reason + ")");
      return true;
    case QuickEntryReader::kDamaged:
      shared.Fail("Damaged data in " + EntryContext(shared, *file.entry) + " (" + reason + ")");
      return true;
    case QuickEntryReader::kWriteFailed:
      FailWrite(shared, file, failure);
      return true;
    case QuickEntryReader::kStopped:
      return true;
    case QuickEntryReader::kDone:
      break;
  }
  const ZipEntry& entry = *file.entry;
  if (!output.Finish(entry.has_mtime, entry.mtime, entry.mtime_nsec, failure)) {
    FailWrite(shared, file, failure);
    return true;
  }
  ++shared.entries_done;
  return true;
}

void ExtractFile(ZipReader& reader, QuickEntryReader& fast, const PlannedFile& file,
                 ExtractShared& shared) {
  WriteFailure failure;
  OutputFile output;
  if (!output.Create(file.native_path, failure)) return FailWrite(shared, file, failure);
  if (ExtractFast(fast, file, output, shared)) return;
  for (;;) {
    const void* data = nullptr;
    size_t size = 0;
    int64_t offset = 0;
    ZipReader::Step step = reader.ReadBlock(data, size, offset);
    if (step == ZipReader::kEnd) break;
    if (step == ZipReader::kError) return FailRead(shared, *file.entry, reader);
    if (!output.WriteAt(data, size, offset, failure)) return FailWrite(shared, file, failure);
    shared.bytes_done += size;
    if (shared.stopped()) return;
  }
  const ZipEntry& entry = *file.entry;
  if (!output.Finish(entry.has_mtime, entry.mtime, entry.mtime_nsec, failure)) {
    return FailWrite(shared, file, failure);
  }
  ++shared.entries_done;
}

}  // namespace

void ExtractShared::Fail(std::string text) {
  std::lock_guard<std::mutex> lock(mutex_);
  if (first_error_.empty()) first_error_ = std::move(text);
  stop_ = true;
}

std::string ExtractShared::first_error() {
  std::lock_guard<std::mutex> lock(mutex_);
  return first_error_;
}

void RunExtractWorker(const std::vector<PlannedFile>& files, ExtractShared& shared) {
  ZipReader reader(shared.native_archive, shared.code_page);
  if (!reader.Open(shared.password)) {
    return shared.Fail("Cannot read archive " + shared.archive_path + " (" + reader.error() + ")");
  }
  QuickEntryReader fast(shared.native_archive);
  size_t index = 0;
  for (const PlannedFile& file : files) {
    ZipEntry entry;
    while (!shared.stopped()) {
      ZipReader::Step step = reader.Next(entry);
      if (step != ZipReader::kEntry) {
        return shared.Fail("Damaged archive " + shared.archive_path + ": entry " +
                           PrintableName(file.entry->name) + " cannot be found again (" +
                           (step == ZipReader::kEnd ? "the archive ends" : reader.error()) + ")");
      }
      if (index++ == file.index) break;
      if (!reader.Skip()) return FailRead(shared, entry, reader);
    }
    if (shared.stopped()) return;
    if (entry.name != file.entry->name || entry.kind != ZipEntry::kFile) {
      return shared.Fail("Damaged archive " + shared.archive_path + ": entry " +
                         PrintableName(file.entry->name) + " changed while it was read");
    }
    ExtractFile(reader, fast, file, shared);
  }
}

}  // namespace vlrna
