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
  void Fail(std::string text);
  // Tells every worker to stop without a failure of its own.
  void Stop() { stop_ = true; }
  bool stopped() const { return stop_; }
  // The first failure, "" when none.
  std::string first_error();

 private:
  std::atomic<bool> stop_{false};
  std::mutex mutex_;
  std::string first_error_;
};

// Unpacks the files of `plan`. Runs on a worker thread; reports through
// `shared` only.
void RunExtractWorker(const WorkerPlan& plan, ExtractShared& shared);

}  // namespace vlrna

#endif  // VLRNA_PLATFORM_ARCHIVE_EXTRACT_WORKER_H_
