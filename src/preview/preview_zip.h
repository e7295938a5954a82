#ifndef VLRNA_PREVIEW_PREVIEW_ZIP_H_
#define VLRNA_PREVIEW_PREVIEW_ZIP_H_

#include <cstdint>
#include <string>
#include <vector>

#include "platform/zip.h"

namespace vlrna {

// One archive a preview would have unpacked.
struct PlannedUnpack {
  std::string archive;
  std::string destination;
  uint64_t bytes = 0;
  uint64_t files = 0;
};

// The zip library as a preview sees it: archives are opened and measured by
// the real one, and an extraction succeeds at once without writing, its
// figures those of a completed one.
class PreviewZip : public Zip {
 public:
  explicit PreviewZip(Zip& real) : real_(real) {}

  const std::vector<PlannedUnpack>& unpacks() const { return unpacks_; }

  int32_t zOpenZipFile(const std::string& path) override;
  uint64_t zGetTotalBytes() override { return real_.zGetTotalBytes(); }
  int32_t zExtractAll(const std::string& destination, const std::string& password, int32_t flag1,
                      int32_t flag2, int32_t flag3, const ProgressCallback& progress) override;
  std::string zGetLastErrorAsText() override { return real_.zGetLastErrorAsText(); }
  int32_t zGetRunTimeInfo(uint64_t& entries_done, uint64_t& bytes_done) override;
  int32_t zListEntries(std::vector<ZipEntryInfo>& out) override { return real_.zListEntries(out); }
  int32_t zCloseZipFile() override;

 private:
  Zip& real_;
  std::string open_path_;
  bool extracted_ = false;
  std::vector<PlannedUnpack> unpacks_;
};

}  // namespace vlrna

#endif  // VLRNA_PREVIEW_PREVIEW_ZIP_H_
