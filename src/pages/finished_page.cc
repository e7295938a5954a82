#include "pages/finished_page.h"

#include "shell/catalogue_text.h"
#include "shell/install_log.h"
#include "shell/message_catalogue.h"
#include "shell/page_layout.h"
#include "shell/program_end.h"

namespace vlrna {

FinishedPage::FinishedPage(Context& ctx, PageFlow& flow)
    : WizardPage("Finished", kPageWidth, ctx, flow) {
  AddStandardControls(*this);
  (*this)["Cmd_Prev"].enabled = false;
  (*this)["Cmd_Quit"].enabled = false;
  Rect area = ContentArea(*this);
  const int32_t l = area.left;
  const int32_t w = area.width;
  AddControl(*this, "Lab_Welcome", ControlKind::kLabel, {l, 150, w, 480},
             "Installation abgeschlossen")
      .font = {"", 13, true};
  AddControl(*this, "Lab_1", ControlKind::kLabel, {l, 720, w, 900},
             "%APPTITLE% wurde erfolgreich installiert.");
  AddControl(*this, "Lab_2", ControlKind::kLabel, {l, 1740, w, 1800});
}

void FinishedPage::Load() {
  const auto& texts = ctx_.state.MessageCatalogue;
  caption = texts[1];
  (*this)["Lab_Welcome"].text = texts[36];
  (*this)["Lab_1"].text = ctx_.state.gbEditFailed ? WithErrorsText() : texts[37];
  // Text 39 tells that the scenery is in the library, which a failed edit
  // may have left untrue.
  (*this)["Lab_2"].text = ctx_.state.gbEditFailed ? "" : texts[39];
  SetButtonCaptions();
  WriteLog(ctx_, "Installation finished!");
}

// An installation whose configuration edits did not all succeed is not
// reported as a success: the page says so and points to the log, which names
// the edit that failed.
std::string FinishedPage::WithErrorsText() const {
  std::string text = CatalogueText(ctx_.state, 64,
                                   "The installation of %APPTITLE% finished with errors. Please "
                                   "see the log file %LOGFILE%.");
  ReplaceAll(text, "%APPTITLE%", kAppTitle);
  ReplaceAll(text, "%LOGFILE%", ctx_.state.gsUserDir + "\\" + ctx_.state.gsLogFile);
  return text;
}

bool FinishedPage::OnButton(const std::string& control) {
  if (control == "Cmd_Prev") return false;
  if (control != "Cmd_Next") return WizardPage::OnButton(control);
  ctx_.platform.window.HidePage(*this);
  WriteLog(ctx_, "Installation finished!");
  FatalError(ctx_, "");
}

}  // namespace vlrna
