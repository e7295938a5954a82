#include "platform/archive/archive_zip.h"

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <exception>
#include <fstream>
#include <thread>

#include "platform/archive/entry_name.h"
#include "platform/archive/extract_worker.h"
#include "platform/archive/native_file.h"
#include "platform/archive/output_file.h"
#include "platform/archive/stale_temporaries.h"
#include "platform/archive/zip_layout.h"

namespace vlrna {
namespace {

// How often the calling thread reports progress while the workers run.
constexpr std::chrono::milliseconds kProgressInterval(50);

int WorkerCount(int wanted) {
  if (wanted > 0) return wanted;
  int cores = static_cast<int>(std::thread::hardware_concurrency());
  return std::clamp(cores, 1, 4);
}

// An archive without entries is only its end record, which libarchive's
// seekable reader does not take for an archive.
bool IsEmptyZip(const std::string& native) {
  std::ifstream in(native, std::ios::binary);
  char record[22] = {};
  in.read(record, sizeof record);
  if (in.gcount() != sizeof record || in.peek() != std::char_traits<char>::eof()) return false;
  static constexpr char kEmpty[10] = {'P', 'K', 5, 6, 0, 0, 0, 0, 0, 0};
  return std::equal(kEmpty, kEmpty + sizeof kEmpty, record);
}

// Reads every header of the archive: names, kinds, sizes, times.
bool ScanArchive(const std::string& native, const AnsiCodePage& code_page,
                 std::vector<ZipEntry>& entries, std::string& error) {
  ZipReader reader(native, code_page);
  if (!reader.Open("")) {
    error = reader.error();
    return IsEmptyZip(native);
  }
  for (;;) {
    ZipEntry entry;
    ZipReader::Step step = reader.Next(entry);
    if (step == ZipReader::kEnd) return true;
    if (step == ZipReader::kError) {
      error = reader.error();
      return false;
    }
    entries.push_back(std::move(entry));
  }
}

}  // namespace

ArchiveZip::ArchiveZip(ArchiveZipOptions options) : options_(std::move(options)) {}

ArchiveZip::~ArchiveZip() = default;

int32_t ArchiveZip::Fail(std::string text) {
  last_error_ = std::move(text);
  return 1;
}

int32_t ArchiveZip::zOpenZipFile(const std::string& path) {
  // The workers read the open archive's entries until they are done.
  if (running_ != nullptr) return Fail("Cannot open archive " + path + " while one is unpacked");
  zCloseZipFile();
  std::string native = options_.map_path(path);
  if (native.empty()) return Fail("Cannot open archive " + path + " (the path cannot be reached)");
  std::vector<ZipEntry> entries;
  std::string error;
  if (!ScanArchive(native, options_.code_page, entries, error)) {
    return Fail("Cannot open archive " + path + " (" + error + ")");
  }
  if (std::optional<LayoutRefusal> refusal = CheckZipLayout(native, entries)) {
    return Fail(EntryRefusal(path, refusal->entry, refusal->why));
  }
  archive_path_ = path;
  native_archive_ = native;
  entries_ = std::move(entries);
  total_bytes_ = 0;
  for (const ZipEntry& entry : entries_) total_bytes_ += entry.size;
  entries_done_ = 0;
  bytes_done_ = 0;
  open_ = true;
  return 0;
}

uint64_t ArchiveZip::zGetTotalBytes() { return open_ ? total_bytes_ : 0; }

int32_t ArchiveZip::zExtractAll(const std::string& destination, const std::string& password,
                                int32_t, int32_t, int32_t, const ProgressCallback& progress) {
  if (!open_) return Fail("No archive is open");
  if (running_ != nullptr) return Fail("Cannot unpack archive " + archive_path_ + " twice at once");
  entries_done_ = 0;
  bytes_done_ = 0;
  ExtractPlan plan;
  std::string error;
  if (!PlanExtraction(archive_path_, entries_, destination, options_.map_path,
                      WorkerCount(options_.workers), plan, error)) {
    return Fail(error);
  }
  if (!MakeFolders(plan)) return 1;
  RemoveStaleTemporaries(plan, NativeProcessId());
  ExtractShared shared(archive_path_, native_archive_, password, options_.code_page);
  RunWorkers(plan, shared, progress);
  entries_done_ = shared.entries_done.load();
  bytes_done_ = shared.bytes_done.load();
  const bool failed = shared.failed();
  if (!failed) entries_done_ = entries_.size();
  // The last figures, however quick the work was.
  if (progress) progress();
  return failed ? Fail(shared.first_error()) : 0;
}

bool ArchiveZip::MakeFolders(const ExtractPlan& plan) {
  for (const std::string& folder : plan.native_folders) {
    WriteFailure failure;
    if (!MakeOutputFolders(folder, failure)) {
      Fail(std::string(failure.disk_full ? "Disk full: cannot" : "Cannot") + " make the folder " +
           folder + " (" + failure.reason + ") for archive " + archive_path_);
      return false;
    }
  }
  return true;
}

void ArchiveZip::RunWorkers(const ExtractPlan& plan, ExtractShared& shared,
                            const ProgressCallback& progress) {
  std::mutex mutex;
  std::condition_variable finished;
  size_t running = 0;  // each worker counts itself off
  std::vector<std::thread> threads;
  for (const WorkerPlan& work : plan.work) {
    if (work.empty()) continue;
    try {
      std::lock_guard<std::mutex> lock(mutex);
      threads.emplace_back([&, work = &work] {
        RunExtractWorker(*work, shared);
        std::lock_guard<std::mutex> lock(mutex);
        --running;
        finished.notify_all();
      });
      ++running;
    } catch (...) {
      // Its files would be missing: the extraction fails once the workers
      // already started have stopped.
      shared.FailUnexpectedly("a worker thread cannot start");
      break;
    }
  }
  running_ = &shared;
  try {
    std::unique_lock<std::mutex> lock(mutex);
    while (running > 0) {
      finished.wait_for(lock, kProgressInterval);
      lock.unlock();
      if (progress) progress();
      lock.lock();
    }
  } catch (...) {
    // The caller's progress handler failed: stop the workers before passing
    // the failure on, so no thread outlives the call.
    shared.Stop();
    for (std::thread& thread : threads) thread.join();
    running_ = nullptr;
    throw;
  }
  for (std::thread& thread : threads) thread.join();
  running_ = nullptr;
}

std::string ArchiveZip::zGetLastErrorAsText() { return last_error_; }

int32_t ArchiveZip::zGetRunTimeInfo(uint64_t& entries_done, uint64_t& bytes_done) {
  if (!open_) return 0;
  if (running_ != nullptr) {
    entries_done = running_->entries_done.load();
    bytes_done = running_->bytes_done.load();
  } else {
    entries_done = entries_done_.load();
    bytes_done = bytes_done_.load();
  }
  return 1;
}

int32_t ArchiveZip::zListEntries(std::vector<ZipEntryInfo>& out) {
  out.clear();
  if (!open_) return 1;
  for (const ZipEntry& entry : entries_) {
    if (entry.kind != ZipEntry::kFile && entry.kind != ZipEntry::kFolder) continue;
    // A refused name fails the extraction, so it lands nowhere.
    EntryNameCheck check = CheckEntryName(entry.name);
    if (!check.accepted() || check.parts.empty()) continue;
    ZipEntryInfo info;
    for (const std::string& part : check.parts) {
      info.name += (info.name.empty() ? "" : "\\") + part;
    }
    info.folder = entry.kind == ZipEntry::kFolder;
    info.size = info.folder ? 0 : entry.size;
    out.push_back(std::move(info));
  }
  return 0;
}

int32_t ArchiveZip::zCloseZipFile() {
  if (running_ != nullptr) {
    return Fail("Cannot close archive " + archive_path_ + " while it is unpacked");
  }
  open_ = false;
  entries_.clear();
  total_bytes_ = 0;
  return 0;
}

}  // namespace vlrna
