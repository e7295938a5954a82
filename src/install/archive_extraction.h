#ifndef VLRNA_INSTALL_ARCHIVE_EXTRACTION_H_
#define VLRNA_INSTALL_ARCHIVE_EXTRACTION_H_

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/page_model.h"
#include "platform/zip.h"
#include "shell/context.h"

namespace vlrna {

// Message box ids of the extraction.
inline constexpr char kDiscPromptBox[] = "install-disc-prompt";
inline constexpr char kArchiveErrorBox[] = "install-archive-error";

// Hears what the extraction of one archive comes to, with the moment on the
// platform's monotonic clock.
class ExtractionListener {
 public:
  virtual ~ExtractionListener() = default;
  // The archive is open and its unpacked size `total` known.
  virtual void ArchiveOpened(uint64_t total, int64_t now_ms) = 0;
  // A new figure of the bytes unpacked has been drawn.
  virtual void BytesDone(uint64_t bytes_done, int64_t now_ms) = 0;
  // Archive `name` is open and about to be unpacked below `destination`;
  // `entries` is what it holds. May raise RuntimeError to stop it.
  virtual void Unpacking(const std::string& /*name*/, const std::string& /*destination*/,
                         const std::vector<ZipEntryInfo>& /*entries*/) {}
  // The same archive is unpacked.
  virtual void Unpacked(const std::string& /*name*/, const std::string& /*destination*/,
                        const std::vector<ZipEntryInfo>& /*entries*/) {}
};

// Unpacks the archives of the installation set, one at a time, drawing each
// one's progress on `page` (its picProgress and lblProgress).
class ArchiveExtraction {
 public:
  // How long the window may go without processing its events while an
  // archive is unpacked.
  static constexpr int64_t kYieldIntervalMillis = 50;

  // `listener` may be null.
  ArchiveExtraction(Context& ctx, Page& page, ExtractionListener* listener);

  // Finds the archive file `name` (FindArchive), asking for the disc its
  // number names ("setup.2xx": disc 2) until it is there or the user
  // cancels, which ends the program. Opens it, sets gdZipTotalBytes to its
  // size, unpacks it below `destination` with `password`, and closes it.
  // Returns false when the archive was unpacked. An archive that cannot be
  // opened or unpacked is reported in a box and ends the program with the zip
  // library's error text. Run-time errors (a drive query, no zip library)
  // pass to the caller.
  bool ExtractArchive(const std::string& name, const std::string& password,
                      const std::string& destination);

  // The zip library's progress callback: reads the bytes done into
  // glZipBytesDone and draws them against gdZipTotalBytes; does nothing when
  // the library has no figures. Lets the window process its events, at most
  // once every kYieldIntervalMillis.
  void ZipProgress();

 private:
  std::string SearchWithPrompt(const std::string& name);
  [[noreturn]] void OpenFailure(Zip& zip, const std::string& path);
  [[noreturn]] void ExtractionFailure(Zip& zip);

  Context& ctx_;
  Page& page_;
  ExtractionListener* listener_;
  std::optional<int64_t> last_yield_ms_;
};

}  // namespace vlrna

#endif  // VLRNA_INSTALL_ARCHIVE_EXTRACTION_H_
