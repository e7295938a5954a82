#include "install/install_start_page.h"

#include "install/archive_search.h"
#include "install/install_sequence.h"
#include "install/overall_line.h"
#include "install/progress_display.h"
#include "platform/headless/headless_window.h"
#include "platform/runtime_error.h"
#include "preview/preview_machine.h"
#include "shell/archive_keys.h"
#include "shell/install_log.h"
#include "shell/page_layout.h"

namespace vlrna {

InstallStartPage::InstallStartPage(Context& ctx, PageFlow& flow,
                                   const InstallProgressObserver& observer)
    : WizardPage("InstallStart", kPageWidth, ctx, flow),
      observer_(observer),
      ini_(ctx.platform.files, ctx.platform.code_page),
      extraction_(ctx, *this, this),
      overall_(kArchiveKeyUses.size()),
      recorder_(ctx) {
  AddStandardControls(*this);
  const Rect area = ContentArea(*this);
  const int32_t l = area.left;
  const int32_t w = area.width;
  AddControl(*this, "Lab_Welcome", ControlKind::kLabel, {l, 150, w, 480}).font = {"", 13, true};
  AddControl(*this, "Lab1", ControlKind::kLabel, {l, 720, w, 900});
  AddControl(*this, "Lab2", ControlKind::kLabel, {l, 1680, w, 900});
  // The bar takes the place of Lab2, which is hidden while it shows.
  AddControl(*this, "picProgress", ControlKind::kProgressBar, {l, 1680, w, 330});
  AddControl(*this, "lblProgress", ControlKind::kLabel, {l + w / 2 - 300, 1725, 600, 240}, "",
             "picProgress");
  // The whole set's progress, under the bar of the archive being unpacked.
  AddControl(*this, "lblOverall", ControlKind::kLabel, {l, 2100, w, 480});
  // Before the run: what it will change, shown on demand.
  AddControl(*this, "Cmd_Details", ControlKind::kButton, {l, 2640, 1275, 375});
  AddControl(*this, "txtDetails", ControlKind::kMultiLineText, {l, 3075, w, 1395}).read_only = true;
}

void InstallStartPage::Load() {
  const auto& texts = ctx_.state.MessageCatalogue;
  caption = texts[1];
  (*this)["Lab_Welcome"].text = texts[20];
  (*this)["Lab1"].text = texts[21];
  (*this)["Lab2"].text = texts[22];
  (*this)["Cmd_Details"].text = texts[76];
  SetButtonCaptions();
  (*this)["Lab2"].visible = true;
  (*this)["Cmd_Details"].visible = true;
  (*this)["txtDetails"].visible = false;
  (*this)["picProgress"].visible = false;
  (*this)["lblOverall"].visible = false;
}

bool InstallStartPage::OnButton(const std::string& control) {
  if (control == "Cmd_Next") {
    Run();
    return true;
  }
  if (control == "Cmd_Details") {
    ShowDetails();
    return true;
  }
  if (control == "Cmd_Prev") return true;
  return WizardPage::OnButton(control);
}

void InstallStartPage::Run() {
  // The window keeps painting while the archives are unpacked, but this page
  // takes no input until the run is over.
  BusyScope busy(*this);
  Page& page = *this;
  page["Lab_Welcome"].text = ctx_.state.MessageCatalogue[23];
  page["Lab1"].text = "";
  page["Lab2"].text = "";
  page["Lab2"].visible = false;
  page["Cmd_Details"].visible = false;
  page["txtDetails"].visible = false;
  page["picProgress"].visible = true;
  page["lblOverall"].visible = true;
  for (const char* button : {"Cmd_Prev", "Cmd_Next", "Cmd_Quit"}) page[button].enabled = false;
  WriteLog(ctx_, "Copying Files...");
  ReadKnownTotals();
  RunInstallation();
  page["Cmd_Prev"].enabled = false;
  page["Cmd_Next"].enabled = true;
  page["Cmd_Quit"].enabled = false;
}

void InstallStartPage::ShowDetails() {
  std::vector<std::string> lines;
  {
    BusyScope busy(*this);
    lines = PreviewChanges();
  }
  std::string text = ctx_.state.MessageCatalogue[77];
  for (const std::string& line : lines) text += "\r\n" + ctx_.platform.code_page.Utf8ToAnsi(line);
  (*this)["txtDetails"].text = text;
  (*this)["txtDetails"].visible = true;
}

std::vector<std::string> InstallStartPage::PreviewChanges() {
  // A window of its own answers the run's questions the safe way, so that
  // nothing of the preview reaches the screen.
  HeadlessWindow window;
  window.set_fallback_answer([](const MessageRequest& box) {
    return box.buttons == MessageButtons::kYesNo ? kAnswerNo : kAnswerCancel;
  });
  PreviewSettings settings;
  settings.log_to_disk = false;
  settings.window = &window;
  settings.end_throws = true;
  PreviewMachine preview(ctx_.platform, std::move(settings));
  ProgramState state = ctx_.state;
  Context ctx{state, preview.platform()};
  Page page(name() + "Preview", client_width(), client_height());
  for (const Control& control : controls())
    AddControl(page, control.name, control.kind, control.rect, "", control.container);
  IniService ini(preview.platform().files, preview.platform().code_page);
  ArchiveExtraction extraction(ctx, page, nullptr);
  bool ended = false;
  try {
    vlrna::RunInstallation(
        ctx, ini, page,
        [&extraction](size_t, const std::string& name, const std::string& password,
                      const std::string& destination) {
          return extraction.ExtractArchive(name, password, destination);
        });
  } catch (const PreviewEnded&) {
    ended = true;
  } catch (const RuntimeError&) {
    ended = true;
  }
  std::vector<std::string> lines =
      preview.Describe(SummaryPhrasesFromCatalogue(ctx_.state, ctx_.platform.code_page));
  if (ended) lines.push_back(ctx_.platform.code_page.AnsiToUtf8(ctx_.state.MessageCatalogue[88]));
  return lines;
}

void InstallStartPage::RunInstallation() {
  recorder_.Begin();
  vlrna::RunInstallation(
      ctx_, ini_, *this,
      [this](size_t index, const std::string& name, const std::string& password,
             const std::string& destination) {
        return ExtractArchive(index, name, password, destination);
      },
      &recorder_);
}

// The sizes of the archives at hand, read from their directories before
// anything is unpacked. One on a disc not yet inserted adds its size when it
// is opened; its disc mates are read once it has been unpacked.
void InstallStartPage::ReadKnownTotals() {
  for (size_t i = 0; i < kArchiveKeyUses.size(); ++i) {
    if (overall_.KnowsTotal(i)) continue;
    std::optional<uint64_t> total = ReadArchiveTotal(ctx_, std::string(kArchiveKeyUses[i].archive));
    if (total) overall_.SetTotal(i, *total);
  }
  ShowOverall();
}

bool InstallStartPage::ExtractArchive(size_t index, const std::string& name,
                                      const std::string& password, const std::string& destination) {
  archive_index_ = index;
  archive_name_ = name;
  const bool failed = extraction_.ExtractArchive(name, password, destination);
  if (!failed) {
    overall_.Finish(index, ctx_.platform.system.MonotonicMillis());
    if (!overall_.Figures().total_complete) ReadKnownTotals();
    ShowOverall();
    Notify(100);
  }
  return failed;
}

void InstallStartPage::ArchiveOpened(uint64_t total, int64_t now_ms) {
  overall_.SetTotal(archive_index_, total);
  overall_.Begin(archive_index_, now_ms);
  ShowOverall();
}

void InstallStartPage::BytesDone(uint64_t bytes_done, int64_t now_ms) {
  overall_.Update(archive_index_, bytes_done, now_ms);
  ShowOverall();
  const ProgramState& s = ctx_.state;
  Notify(ProgressPercent(static_cast<double>(s.glZipBytesDone), s.gdZipTotalBytes));
}

void InstallStartPage::Unpacking(const std::string& name, const std::string& destination,
                                 const std::vector<ZipEntryInfo>& entries) {
  recorder_.Unpacking(name, destination, entries);
}

void InstallStartPage::Unpacked(const std::string& name, const std::string& destination,
                                const std::vector<ZipEntryInfo>& entries) {
  recorder_.Unpacked(name, destination, entries);
}

void InstallStartPage::ShowOverall() {
  (*this)["lblOverall"].text = OverallLine(ctx_.state, overall_.Figures());
}

void InstallStartPage::Notify(int archive_percent) {
  if (!observer_) return;
  observer_({archive_index_ + 1, archive_name_, archive_percent, overall_.Figures()});
}

}  // namespace vlrna
