#ifndef VLRNA_PLATFORM_ARCHIVE_EXTRACT_WORKER_H_
#define VLRNA_PLATFORM_ARCHIVE_EXTRACT_WORKER_H_

#include <atomic>
#include <cstdint>
#include <mutex>
#include <string>
#include <vector>

#include "platform/ansi_code_page.h"
#include "platform/archive/extract_plan.h"

namespace vlrna {

// What the workers of one extraction share: the archive, the figures the
// calling thread reports, and the first failure, which stops them all.
class ExtractShared {
 public:
  ExtractShared(std::string archive_path, std::string native_archive, std::string password,
                const AnsiCodePage& code_page)
      : archive_path(std::move(archive_path)),
        native_archive(std::move(native_archive)),
        password(std::move(password)),
        code_page(code_page) {}

  const std::string archive_path;  // as the caller named it, for messages
  const std::string native_archive;
  const std::string password;
  const AnsiCodePage& code_page;
  std::atomic<uint64_t> bytes_done{0};
  std::atomic<uint64_t> entries_done{0};

  // Keeps `text` when it is the first failure and tells every worker to stop.
  // Never throws: short of memory for the text, the failure still counts.
  void Fail(std::string text) noexcept;
  // Fails with "Cannot unpack archive ..." for an unexpected failure, such
  // as an exception, described by `what`.
  void FailUnexpectedly(const char* what) noexcept;
  // Tells every worker to stop without a failure of its own.
  void Stop() { stop_ = true; }
  bool stopped() const { return stop_; }
  bool failed() const { return failed_; }
  // The first failure, "" when none.
  std::string first_error();

 private:
  std::atomic<bool> stop_{false};
  std::atomic<bool> failed_{false};
  std::mutex mutex_;
  std::string first_error_;
};

// Unpacks the files of `plan`. Runs on a worker thread; reports through
// `shared` only, also a failure that comes as an exception.
void RunExtractWorker(const WorkerPlan& plan, ExtractShared& shared) noexcept;

}  // namespace vlrna

#endif  // VLRNA_PLATFORM_ARCHIVE_EXTRACT_WORKER_H_
