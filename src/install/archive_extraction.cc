#include "install/archive_extraction.h"

#include "install/archive_search.h"
#include "install/progress_display.h"
#include "shell/message_catalogue.h"
#include "shell/program_end.h"

namespace vlrna {

ArchiveExtraction::ArchiveExtraction(Context& ctx, Page& page, ExtractionListener* listener)
    : ctx_(ctx), page_(page), listener_(listener) {}

bool ArchiveExtraction::ExtractArchive(const std::string& name, const std::string& password,
                                       const std::string& destination) {
  double empty = 0;
  DrawProgress(ctx_.platform.window, page_, empty, 1);
  const std::string path = SearchWithPrompt(name);
  Zip& zip = ZipLibrary(ctx_);
  if (zip.zOpenZipFile(path) != 0) OpenFailure(zip, path);
  const uint64_t total = zip.zGetTotalBytes();
  ctx_.state.gdZipTotalBytes = static_cast<double>(total);
  std::vector<ZipEntryInfo> entries;
  if (listener_ != nullptr) {
    listener_->ArchiveOpened(total, ctx_.platform.system.MonotonicMillis());
    zip.zListEntries(entries);
    listener_->Unpacking(name, destination, entries);
  }
  if (zip.zExtractAll(destination, password, 1, 1, 0, [this] { ZipProgress(); }) == 1) {
    ExtractionFailure(zip);
  }
  zip.zCloseZipFile();
  if (listener_ != nullptr) listener_->Unpacked(name, destination, entries);
  ZipProgress();
  return false;
}

std::string ArchiveExtraction::SearchWithPrompt(const std::string& name) {
  // The disc number is the first digit of the archive's number.
  const std::string disc = name.size() >= 3 ? name.substr(name.size() - 3, 1) : "";
  const auto& texts = ctx_.state.MessageCatalogue;
  std::string prompt = texts[47];
  ReplaceAll(prompt, "%DISK%", disc);
  for (;;) {
    if (std::optional<std::string> path = FindArchive(ctx_, name)) return *path;
    MessageAnswer answer =
        ctx_.platform.window.ShowMessage({kDiscPromptBox, prompt, texts[23],
                                          MessageIcon::kInformation, MessageButtons::kRetryCancel});
    if (answer != kAnswerRetry) FatalError(ctx_, "");
  }
}

void ArchiveExtraction::OpenFailure(Zip& zip, const std::string& path) {
  const std::string error = zip.zGetLastErrorAsText();
  const auto& texts = ctx_.state.MessageCatalogue;
  ctx_.platform.window.ShowMessage({kArchiveErrorBox, texts[30] + " " + path + "! " + texts[31],
                                    texts[23], MessageIcon::kCritical, MessageButtons::kOk});
  FatalError(ctx_, error);
}

void ArchiveExtraction::ExtractionFailure(Zip& zip) {
  const std::string error = zip.zGetLastErrorAsText();
  const auto& texts = ctx_.state.MessageCatalogue;
  ctx_.platform.window.ShowMessage({kArchiveErrorBox, error + " " + texts[31], texts[23],
                                    MessageIcon::kCritical, MessageButtons::kOk});
  FatalError(ctx_, error);
}

void ArchiveExtraction::ZipProgress() {
  uint64_t entries_done = 0;
  uint64_t bytes_done = 0;
  if (ZipLibrary(ctx_).zGetRunTimeInfo(entries_done, bytes_done) == 0) return;
  ctx_.state.glZipBytesDone = static_cast<int64_t>(bytes_done);
  double current = static_cast<double>(bytes_done);
  DrawProgress(ctx_.platform.window, page_, current, ctx_.state.gdZipTotalBytes);
  const int64_t now = ctx_.platform.system.MonotonicMillis();
  if (listener_ != nullptr) listener_->BytesDone(bytes_done, now);
  // The library may call back far more often than a screen needs; yielding
  // each time would slow the unpacking down.
  if (!last_yield_ms_ || now - *last_yield_ms_ >= kYieldIntervalMillis) {
    last_yield_ms_ = now;
    ctx_.platform.window.Yield();
  }
}

}  // namespace vlrna
