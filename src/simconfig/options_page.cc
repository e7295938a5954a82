#include "simconfig/options_page.h"

#include "shell/error_reports.h"
#include "shell/page_layout.h"
#include "shell/version_line.h"
#include "simconfig/autogen_restore.h"
#include "simconfig/restore_summary.h"

namespace vlrna {

OptionsPage::OptionsPage(Context& ctx, PageFlow& flow)
    : WizardPage("Options", kPageWidth, ctx, flow) {
  AddStandardControls(*this);
  (*this)["Cmd_Next"].enabled = false;
  (*this)["Cmd_Next"].visible = false;
  Rect area = ContentArea(*this);
  const int32_t l = area.left;
  const int32_t w = area.width;
  AddControl(*this, "Lab_Top", ControlKind::kLabel, {l, 150, w, 480}, "Optionen").font = {"", 13,
                                                                                          true};
  AddControl(*this, "frm_", ControlKind::kFrame, {l, 900, w, 1200});
  AddControl(*this, "cmd_autogen", ControlKind::kButton, {l + 240, 1260, w - 480, 450},
             "Autogen wiederherstellen", "frm_");
  AddControl(*this, "Lab_3", ControlKind::kLabel, {l, 3900, w, 270}).font = {"", 7, false};
}

void OptionsPage::Load() {
  const auto& texts = ctx_.state.MessageCatalogue;
  auto report = [this](const RuntimeError& error) {
    ReportPageError(ctx_, error, "Form_Load", "Options");
  };
  RunStepsTrapped({
                      [&] { caption = texts[1]; },
                      [&] { (*this)["Lab_Top"].text = texts[55]; },
                      [&] { (*this)["Lab_3"].text = VersionLine(ctx_.platform.system.Version()); },
                      [&] { (*this)["cmd_autogen"].text = texts[56]; },
                      [&] { (*this)["Cmd_Prev"].text = texts[4]; },
                      [&] { (*this)["Cmd_Next"].text = texts[3]; },
                      [&] { (*this)["Cmd_Quit"].text = texts[5]; },
                  },
                  report);
}

bool OptionsPage::OnButton(const std::string& control) {
  if (control != "cmd_autogen") return WizardPage::OnButton(control);
  last_restore_ = RestoreAutogenDescriptions(ctx_);
  ctx_.platform.window.ShowMessage(RestoreSummaryBox(ctx_.state, last_restore_));
  return false;
}

}  // namespace vlrna
