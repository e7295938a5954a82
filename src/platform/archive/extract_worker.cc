#include "platform/archive/extract_worker.h"

#include <exception>
#include <optional>

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

// Unpacks the file with libarchive, whose reader stands at its entry.
void ExtractSlowly(ZipReader& reader, const PlannedFile& file, OutputFile& output,
                   ExtractShared& shared) {
  WriteFailure failure;
  for (;;) {
    const void* data = nullptr;
    size_t size = 0;
    int64_t offset = 0;
    ZipReader::Step step = reader.ReadBlock(data, size, offset);
    if (step == ZipReader::kEnd) break;
    if (step == ZipReader::kError) return FailRead(shared, *file.entry, reader);
    // Nothing beyond the declared size reaches the disk.
    const uint64_t declared = file.entry->size;
    if (offset < 0 || static_cast<uint64_t>(offset) > declared || size > declared - offset) {
      return shared.Fail("Damaged data in " + EntryContext(shared, *file.entry) + " (" +
                         OverDeclaredSize(declared) + ")");
    }
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

// One file on its way out the quick way.
struct Job {
  explicit Job(const PlannedFile& file) : file(file) {}
  const PlannedFile& file;
  OutputFile output;
};

// A worker's walk through its two lanes of files. Each lane has a
// libarchive reader of its own and keeps one file going the quick way; two
// traditionally encrypted ones advance a block at a time side by side, so
// that their decryption runs interleaved. Files left to libarchive are
// unpacked as their lane comes to them.
class Worker {
 public:
  Worker(const WorkerPlan& plan, ExtractShared& shared)
      : shared_(shared),
        lanes_{Lane(plan.lanes[0], shared), Lane(plan.lanes[1], shared)},
        fast_(shared.native_archive),
        on_bytes_([&shared](size_t size) {
          shared.bytes_done += size;
          return !shared.stopped();
        }) {}

  void Run() {
    for (Lane& lane : lanes_) {
      if (!lane.files.empty() && !lane.reader.Open(shared_.password)) {
        return shared_.Fail("Cannot read archive " + shared_.archive_path + " (" +
                            lane.reader.error() + ")");
      }
    }
    for (;;) {
      for (int slot : {0, 1}) {
        if (!Fill(slot)) return;
      }
      bool finished = false;
      for (int slot : {0, 1}) {
        std::optional<Job>& job = lanes_[slot].job;
        if (!job || !fast_.Unpacked(slot)) continue;
        if (!Report(*job, slot, fast_.Finish(slot))) return;
        job.reset();
        finished = true;
      }
      if (finished) continue;  // its lane takes the next file first
      // Other entries gain nothing from running beside each other: one at
      // a time keeps the writes together.
      std::pair<int, QuickResult> outcome{-1, QuickResult::kDone};
      if (lanes_[0].job && lanes_[1].job && fast_.Pairable()) {
        outcome = fast_.AdvanceBoth(on_bytes_);
      } else if (lanes_[0].job || lanes_[1].job) {
        int slot = lanes_[0].job ? 0 : 1;
        outcome = {slot, fast_.Advance(slot, on_bytes_)};
      } else {
        return;  // every file is out
      }
      if (outcome.second != QuickResult::kDone) {
        Report(*lanes_[outcome.first].job, outcome.first, outcome.second);
        return;
      }
    }
  }

 private:
  struct Lane {
    Lane(const std::vector<PlannedFile>& files, const ExtractShared& shared)
        : files(files), reader(shared.native_archive, shared.code_page) {}
    const std::vector<PlannedFile>& files;  // in archive order
    size_t next = 0;                        // the file to start next
    ZipReader reader;
    size_t index = 0;  // of the reader's next entry
    std::optional<Job> job;
  };

  // Gives the lane of `slot` a file the quick way unpacks, unpacking those
  // it does not take on the way. False when something failed or stopped.
  bool Fill(int slot) {
    Lane& lane = lanes_[slot];
    while (!lane.job && lane.next < lane.files.size()) {
      if (shared_.stopped()) return false;
      const PlannedFile& file = lane.files[lane.next++];
      if (!Locate(lane, file)) return false;
      Job& job = lane.job.emplace(file);
      WriteFailure failure;
      if (!job.output.Create(file.native_path, failure)) {
        FailWrite(shared_, file, failure);
        return false;
      }
      QuickResult quick = QuickResult::kDeclined;
      const ZipDirectoryEntry* raw = fast_.Find(file.index, file.entry->size, file.entry->name);
      if (raw != nullptr && !shared_.password.empty()) {
        quick = fast_.Prepare(slot, *raw, shared_.password, job.output);
      }
      if (quick == QuickResult::kDone) return true;
      if (quick != QuickResult::kDeclined) return Report(job, slot, quick);
      ExtractSlowly(lane.reader, file, job.output, shared_);
      lane.job.reset();
    }
    return !shared_.stopped();
  }

  // Steps the lane's reader to the file's entry, passing over those between.
  bool Locate(Lane& lane, const PlannedFile& file) {
    ZipEntry entry;
    while (!shared_.stopped()) {
      ZipReader::Step step = lane.reader.Next(entry);
      if (step != ZipReader::kEntry) {
        shared_.Fail("Damaged archive " + shared_.archive_path + ": entry " +
                     PrintableName(file.entry->name) + " cannot be found again (" +
                     (step == ZipReader::kEnd ? "the archive ends" : lane.reader.error()) + ")");
        return false;
      }
      if (lane.index++ == file.index) break;
      if (!lane.reader.Skip()) {
        FailRead(shared_, entry, lane.reader);
        return false;
      }
    }
    if (shared_.stopped()) return false;
    if (entry.name != file.entry->name || entry.kind != ZipEntry::kFile) {
      shared_.Fail("Damaged archive " + shared_.archive_path + ": entry " +
                   PrintableName(file.entry->name) + " changed while it was read");
      return false;
    }
    return true;
  }

  // Ends a job the quick way left: its file finished and counted when it is
  // done, the failure reported otherwise. True when done.
  bool Report(Job& job, int slot, QuickResult result) {
    const ZipEntry& entry = *job.file.entry;
    std::string reason = fast_.reason(slot);
    switch (result) {
      case QuickResult::kDone: {
        WriteFailure failure;
        if (!job.output.Finish(entry.has_mtime, entry.mtime, entry.mtime_nsec, failure)) {
          FailWrite(shared_, job.file, failure);
          return false;
        }
        ++shared_.entries_done;
        return true;
      }
      case QuickResult::kWrongPassword:
        shared_.Fail("Wrong password for " + EntryContext(shared_, entry) + " (" + reason + ")");
        return false;
      case QuickResult::kDamaged:
        shared_.Fail("Damaged data in " + EntryContext(shared_, entry) + " (" + reason + ")");
        return false;
      case QuickResult::kWriteFailed:
        FailWrite(shared_, job.file, fast_.failure(slot));
        return false;
      case QuickResult::kDeclined:
      case QuickResult::kStopped:
        return false;
    }
    return false;
  }

  ExtractShared& shared_;
  Lane lanes_[2];
  QuickEntryReader fast_;
  QuickEntryReader::OnBytes on_bytes_;
};

}  // namespace

void ExtractShared::Fail(std::string text) noexcept {
  failed_ = true;
  stop_ = true;
  std::lock_guard<std::mutex> lock(mutex_);
  if (first_error_.empty()) first_error_.swap(text);
}

std::string ExtractShared::first_error() {
  std::lock_guard<std::mutex> lock(mutex_);
  if (failed_ && first_error_.empty()) return "Cannot unpack archive " + archive_path;
  return first_error_;
}

void ExtractShared::FailUnexpectedly(const char* what) noexcept {
  std::string text;
  try {
    text = "Cannot unpack archive " + archive_path + " (" + what + ")";
  } catch (...) {
    // Out of memory for the text: the failure counts without it.
  }
  Fail(std::move(text));
}

void RunExtractWorker(const WorkerPlan& plan, ExtractShared& shared) noexcept {
  try {
    Worker(plan, shared).Run();
  } catch (const std::exception& failure) {
    shared.FailUnexpectedly(failure.what());
  } catch (...) {
    shared.FailUnexpectedly("unknown failure");
  }
}

}  // namespace vlrna
