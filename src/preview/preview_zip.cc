#include "preview/preview_zip.h"

namespace vlrna {

int32_t PreviewZip::zOpenZipFile(const std::string& path) {
  const int32_t result = real_.zOpenZipFile(path);
  open_path_ = result == 0 ? path : "";
  extracted_ = false;
  return result;
}

int32_t PreviewZip::zExtractAll(const std::string& destination, const std::string&, int32_t,
                                int32_t, int32_t, const ProgressCallback& progress) {
  if (open_path_.empty()) return 1;
  std::vector<ZipEntryInfo> entries;
  uint64_t files = 0;
  if (real_.zListEntries(entries) == 0) {
    for (const ZipEntryInfo& entry : entries) files += entry.folder ? 0 : 1;
  }
  unpacks_.push_back({open_path_, destination, real_.zGetTotalBytes(), files});
  extracted_ = true;
  if (progress) progress();
  return 0;
}

int32_t PreviewZip::zGetRunTimeInfo(uint64_t& entries_done, uint64_t& bytes_done) {
  if (open_path_.empty()) return 0;
  entries_done = 0;
  bytes_done = extracted_ ? real_.zGetTotalBytes() : 0;
  return 1;
}

int32_t PreviewZip::zCloseZipFile() {
  open_path_.clear();
  extracted_ = false;
  return real_.zCloseZipFile();
}

}  // namespace vlrna
