#include "pages/license_page.h"

#include <algorithm>

#include "platform/runtime_error.h"
#include "platform/single_byte_code_page.h"
#include "shell/catalogue_text.h"
#include "shell/install_log.h"
#include "shell/message_catalogue.h"
#include "shell/page_layout.h"
#include "shell/program_end.h"

namespace vlrna {
namespace {

constexpr char kUnreadableAgreement[] = "ERROR: License file %FILE% could not be read!";

}  // namespace

std::string AgreementText(std::string_view file) {
  std::string text;
  size_t at = 0;
  while (at < file.size()) {
    size_t end = std::min(file.find_first_of("\r\n", at), file.size());
    text.append(file.substr(at, end - at)).append("\r\n");
    at = end + 1;
    if (file[end] == '\r' && at < file.size() && file[at] == '\n') ++at;
  }
  return text;
}

LicensePage::LicensePage(Context& ctx, PageFlow& flow)
    : WizardPage("License", kPageWidth, ctx, flow) {
  AddStandardControls(*this);
  Rect area = ContentArea(*this);
  const int32_t l = area.left;
  const int32_t w = area.width;
  AddControl(*this, "Lab_Welcome", ControlKind::kLabel, {l, 150, w, 480}, "Lizenzvereinbarung:")
      .font = {"", 13, true};
  AddControl(*this, "inpLicense", ControlKind::kMultiLineText, {l, 720, w, 2970}).read_only = true;
  AddControl(*this, "Lab_1", ControlKind::kLabel, {l, 3780, w, 500},
             "Akzeptieren Sie die obige Lizenzvereinbarung, so klicken Sie Weiter.");
}

void LicensePage::Load() {
  const auto& texts = ctx_.state.MessageCatalogue;
  caption = texts[1];
  (*this)["Lab_Welcome"].text = texts[10];
  (*this)["Lab_1"].text = texts[11];
  SetButtonCaptions();
  ReadAgreement();
}

void LicensePage::ReadAgreement() {
  const std::string path = ctx_.state.gsAppPath + ctx_.state.gsLicenseFile;
  std::string bytes;
  try {
    bytes = ctx_.platform.files.ReadFile(path);
  } catch (const RuntimeError& error) {
    LogError(ctx_, error);
    std::string message = CatalogueText(ctx_.state, 63, kUnreadableAgreement);
    ReplaceAll(message, "%FILE%", path);
    FatalError(ctx_, message);
  }
  // The build writes the agreements in Windows-1252, like the message files.
  (*this)["inpLicense"].text = Recode(AgreementText(bytes), Windows1252(), ctx_.platform.code_page);
}

bool LicensePage::OnButton(const std::string& control) {
  if (control == "Cmd_Next") WriteLog(ctx_, "License read");
  return WizardPage::OnButton(control);
}

}  // namespace vlrna
