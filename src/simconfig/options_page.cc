#include "simconfig/options_page.h"

#include "shell/error_reports.h"
#include "shell/message_catalogue.h"
#include "shell/page_layout.h"
#include "shell/simulator_table.h"
#include "shell/version_line.h"
#include "simconfig/autogen_restore.h"
#include "simconfig/restore_summary.h"

namespace vlrna {

OptionsPage::OptionsPage(Context& ctx, PageFlow& flow)
    : WizardPage("Options", kPageWidth, ctx, flow),
      ini_(ctx.platform.files, ctx.platform.code_page) {
  AddStandardControls(*this);
  (*this)["Cmd_Next"].enabled = false;
  (*this)["Cmd_Next"].visible = false;
  Rect area = ContentArea(*this);
  const int32_t l = area.left;
  const int32_t w = area.width;
  AddControl(*this, "Lab_Top", ControlKind::kLabel, {l, 150, w, 480}, "Optionen").font = {"", 13,
                                                                                          true};
  AddControl(*this, "frm_", ControlKind::kFrame, {l, 900, w, 1650});
  AddControl(*this, "cmd_autogen", ControlKind::kButton, {l + 240, 1260, w - 480, 450},
             "Autogen wiederherstellen", "frm_");
  AddControl(*this, "cmd_uninstall", ControlKind::kButton, {l + 240, 1860, w - 480, 450},
             "Szenerie entfernen", "frm_");
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
                      [&] { (*this)["cmd_uninstall"].text = texts[67]; },
                      [&] { (*this)["Cmd_Prev"].text = texts[4]; },
                      [&] { (*this)["Cmd_Next"].text = texts[3]; },
                      [&] { (*this)["Cmd_Quit"].text = texts[5]; },
                  },
                  report);
}

bool OptionsPage::OnButton(const std::string& control) {
  if (control == "cmd_uninstall") {
    Uninstall();
    return false;
  }
  if (control != "cmd_autogen") return WizardPage::OnButton(control);
  last_restore_ = RestoreAutogenDescriptions(ctx_);
  RecordRestoredAutogen(ctx_, ini_, last_restore_);
  ctx_.platform.window.ShowMessage(RestoreSummaryBox(ctx_.state, last_restore_));
  return false;
}

void OptionsPage::Uninstall() {
  const auto& texts = ctx_.state.MessageCatalogue;
  WindowLayer& window = ctx_.platform.window;
  last_removal_.clear();
  std::vector<InstalledPackage> found = FindInstalledPackages(ctx_, ini_, uninstall_row_);
  if (found.empty()) {
    window.ShowMessage({kUninstallNothingBox, texts[70], texts[69], MessageIcon::kInformation,
                        MessageButtons::kOk});
    return;
  }
  std::string list;
  for (const InstalledPackage& package : found) {
    list +=
        "\r\n" + std::string(kSimulatorTable[package.row].summary_label) + package.package_folder;
  }
  std::string question = texts[68];
  ReplaceAll(question, "%REMOVE%", list + "\r\n\r\n");
  if (window.ShowMessage({kUninstallConfirmBox, question, texts[69], MessageIcon::kQuestion,
                          MessageButtons::kYesNo}) != kAnswerYes) {
    return;
  }
  for (const InstalledPackage& package : found) {
    last_removal_.push_back(RemovePackage(ctx_, ini_, package));
  }
  window.ShowMessage(RemovalSummaryBox(ctx_.state, last_removal_));
}

MessageRequest RemovalSummaryBox(const ProgramState& state,
                                 const std::vector<RemovalReport>& reports) {
  const auto& texts = state.MessageCatalogue;
  std::string failures;
  std::string kept;
  for (const RemovalReport& report : reports) {
    for (const std::string& line : report.failures) failures += "\r\n" + line;
    for (const std::string& line : report.kept) kept += "\r\n" + line;
  }
  if (!failures.empty()) {
    return {kUninstallSummaryBox, texts[73] + failures, texts[69], MessageIcon::kCritical,
            MessageButtons::kOk};
  }
  if (!kept.empty()) {
    return {kUninstallSummaryBox, texts[72] + kept, texts[69], MessageIcon::kExclamation,
            MessageButtons::kOk};
  }
  return {kUninstallSummaryBox, texts[71], texts[69], MessageIcon::kNone, MessageButtons::kOk};
}

}  // namespace vlrna
