#ifndef VLRNA_PLATFORM_ARCHIVE_ARCHIVE_ZIP_H_
#define VLRNA_PLATFORM_ARCHIVE_ARCHIVE_ZIP_H_

#include <atomic>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/ansi_code_page.h"
#include "platform/archive/extract_plan.h"
#include "platform/archive/zip_reader.h"
#include "platform/zip.h"

namespace vlrna {

class ExtractShared;

struct ArchiveZipOptions {
  // Windows paths to this machine's paths; required.
  PathMapper map_path;
  // The system's ANSI code page, in which names come out; names without the
  // UTF-8 flag are read in it too. Required; it must outlive the library.
  const AnsiCodePage& code_page;
  // Worker threads for one extraction; 0 means one per core, at most four.
  int workers = 0;
};

// The zip library over libarchive. zExtractAll splits the archive's files
// between worker threads, each with a reader of its own, and waits on the
// calling thread, reporting progress from there. Memory stays flat whatever
// the archive's size: each worker holds a few buffers of about a megabyte.
class ArchiveZip : public Zip {
 public:
  explicit ArchiveZip(ArchiveZipOptions options);
  ~ArchiveZip() override;

  int32_t zOpenZipFile(const std::string& path) override;
  uint64_t zGetTotalBytes() override;
  int32_t zExtractAll(const std::string& destination, const std::string& password, int32_t flag1,
                      int32_t flag2, int32_t flag3, const ProgressCallback& progress) override;
  std::string zGetLastErrorAsText() override;
  int32_t zGetRunTimeInfo(uint64_t& entries_done, uint64_t& bytes_done) override;
  int32_t zListEntries(std::vector<ZipEntryInfo>& out) override;
  int32_t zCloseZipFile() override;

 private:
  int32_t Fail(std::string text);
  bool MakeFolders(const ExtractPlan& plan);
  void RunWorkers(const ExtractPlan& plan, ExtractShared& shared, const ProgressCallback& progress);

  ArchiveZipOptions options_;
  bool open_ = false;
  std::string archive_path_;
  std::string native_archive_;
  std::vector<ZipEntry> entries_;
  uint64_t total_bytes_ = 0;
  std::atomic<uint64_t> entries_done_{0};
  std::atomic<uint64_t> bytes_done_{0};
  // The extraction under way, for zGetRunTimeInfo; while there is one, the
  // archive is neither closed nor replaced.
  const ExtractShared* running_ = nullptr;
  std::string last_error_;
};

}  // namespace vlrna

#endif  // VLRNA_PLATFORM_ARCHIVE_ARCHIVE_ZIP_H_
