#include "simulators/welcome_page.h"

#include "shell/error_reports.h"
#include "shell/page_layout.h"
#include "shell/version_line.h"
#include "simulators/discovery.h"

namespace vlrna {

WelcomePage::WelcomePage(Context& ctx, PageFlow& flow)
    : WizardPage("Welcome", kPageWidth, ctx, flow) {
  AddStandardControls(*this);
  Rect area = ContentArea(*this);
  const int32_t l = area.left;
  const int32_t w = area.width;
  AddControl(*this, "Lab_Welcome", ControlKind::kLabel, {l, 150, w, 480}).font = {"", 13, true};
  AddControl(*this, "Lab_1", ControlKind::kLabel, {l, 720, w, 1620});
  AddControl(*this, "Lab_2", ControlKind::kLabel, {l, 2430, w, 1380});
  AddControl(*this, "Lab_3", ControlKind::kLabel, {l, 3900, w, 270}).font = {"", 7, false};
  const Control& prev = (*this)["Cmd_Prev"];
  AddControl(*this, "Cmd_Options", ControlKind::kButton,
             {120, prev.rect.top, prev.rect.width, prev.rect.height}, "&Options");
}

void WelcomePage::Load() {
  const auto& texts = ctx_.state.MessageCatalogue;
  auto report = [this](const RuntimeError& error) {
    ReportPageError(ctx_, error, "Form_Load", "Welcome");
  };
  RunStepsTrapped({
                      [&] { caption = texts[1]; },
                      [&] { (*this)["Lab_Welcome"].text = texts[2]; },
                      [&] { (*this)["Lab_1"].text = texts[7]; },
                      [&] { (*this)["Lab_3"].text = VersionLine(ctx_.platform.system.Version()); },
                      [&] { (*this)["Cmd_Prev"].text = texts[4]; },
                      [&] { (*this)["Cmd_Next"].text = texts[3]; },
                      [&] { (*this)["Cmd_Quit"].text = texts[5]; },
                      [&] { (*this)["Cmd_Options"].text = texts[54]; },
                      [&] { CheckFreeSpaceGate(ctx_); },
                      [&] { FindApplicationDataFolders(ctx_); },
                      [&] { DiscoverSimulator(ctx_, 0); },
                      [&] { DiscoverSimulator(ctx_, 1); },
                      [&] { DiscoverSimulator(ctx_, 2); },
                      [&] { DiscoverSimulator(ctx_, 3); },
                      [&] { DiscoverSimulator(ctx_, 4); },
                      [&] { DiscoverSimulator(ctx_, 5); },
                      [&] { (*this)["Lab_2"].text = texts[8]; },
                  },
                  report);
}

}  // namespace vlrna
