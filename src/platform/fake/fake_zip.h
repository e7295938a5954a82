#ifndef VLRNA_PLATFORM_FAKE_FAKE_ZIP_H_
#define VLRNA_PLATFORM_FAKE_FAKE_ZIP_H_

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "platform/zip.h"

namespace vlrna {

// A zip library that unpacks nothing. A test scripts its results and the
// progress it reports; every call is recorded in `calls()` in the order made
// ("open D:\setup.101", "total", "extract C:\x\..\ pw 1 1 0", "error",
// "info", "list", "close").
class FakeZip : public Zip {
 public:
  // Script. `progress_steps` are the bytes-done figures zExtractAll reports,
  // calling the callback once after each.
  int32_t open_result = 0;
  uint64_t total_bytes = 0;
  int32_t extract_result = 0;
  // Results of zExtractAll for particular archives, by the path they were
  // opened with; the others give extract_result.
  std::map<std::string, int32_t> extract_results;
  std::vector<uint64_t> progress_steps;
  // What zListEntries gives for an archive, by the path it was opened with;
  // none for the others.
  std::map<std::string, std::vector<ZipEntryInfo>> entries;
  std::string last_error;
  // When false, zGetRunTimeInfo reports no figures.
  bool runtime_info = true;

  const std::vector<std::string>& calls() const { return calls_; }
  bool is_open() const { return open_; }
  // Figures as zGetRunTimeInfo reports them.
  uint64_t bytes_done() const { return bytes_done_; }

  int32_t zOpenZipFile(const std::string& path) override;
  uint64_t zGetTotalBytes() override;
  int32_t zExtractAll(const std::string& destination, const std::string& password, int32_t flag1,
                      int32_t flag2, int32_t flag3, const ProgressCallback& progress) override;
  std::string zGetLastErrorAsText() override;
  int32_t zGetRunTimeInfo(uint64_t& entries_done, uint64_t& bytes_done) override;
  int32_t zListEntries(std::vector<ZipEntryInfo>& out) override;
  int32_t zCloseZipFile() override;

 private:
  std::vector<std::string> calls_;
  bool open_ = false;
  std::string path_;
  uint64_t entries_done_ = 0;
  uint64_t bytes_done_ = 0;
};

}  // namespace vlrna

#endif  // VLRNA_PLATFORM_FAKE_FAKE_ZIP_H_
