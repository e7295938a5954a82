#include "platform/fake/fake_zip.h"

namespace vlrna {

int32_t FakeZip::zOpenZipFile(const std::string& path) {
  calls_.push_back("open " + path);
  open_ = open_result == 0;
  path_ = path;
  entries_done_ = 0;
  bytes_done_ = 0;
  return open_result;
}

uint64_t FakeZip::zGetTotalBytes() {
  calls_.push_back("total");
  return open_ ? total_bytes : 0;
}

int32_t FakeZip::zExtractAll(const std::string& destination, const std::string& password,
                             int32_t flag1, int32_t flag2, int32_t flag3,
                             const ProgressCallback& progress) {
  calls_.push_back("extract " + destination + " " + password + " " + std::to_string(flag1) + " " +
                   std::to_string(flag2) + " " + std::to_string(flag3));
  for (uint64_t step : progress_steps) {
    bytes_done_ = step;
    ++entries_done_;
    if (progress) progress();
  }
  auto result = extract_results.find(path_);
  return result != extract_results.end() ? result->second : extract_result;
}

std::string FakeZip::zGetLastErrorAsText() {
  calls_.push_back("error");
  return last_error;
}

int32_t FakeZip::zGetRunTimeInfo(uint64_t& entries_done, uint64_t& bytes_done) {
  calls_.push_back("info");
  if (!open_ || !runtime_info) return 0;
  entries_done = entries_done_;
  bytes_done = bytes_done_;
  return 1;
}

int32_t FakeZip::zListEntries(std::vector<ZipEntryInfo>& out) {
  calls_.push_back("list");
  out.clear();
  if (!open_) return 1;
  auto found = entries.find(path_);
  if (found != entries.end()) out = found->second;
  return 0;
}

int32_t FakeZip::zCloseZipFile() {
  calls_.push_back("close");
  open_ = false;
  return 0;
}

}  // namespace vlrna
