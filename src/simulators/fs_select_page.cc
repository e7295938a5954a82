#include "simulators/fs_select_page.h"

#include "destination/select_path_page.h"
#include "shell/install_log.h"
#include "shell/page_layout.h"
#include "shell/shared_helpers.h"
#include "shell/simulator_table.h"

namespace vlrna {

std::string SimulationOption(int row) { return "optSimulation(" + std::to_string(row) + ")"; }

FSSelectPage::FSSelectPage(Context& ctx, PageFlow& flow)
    : WizardPage("FSSelect", kPageWidth, ctx, flow) {
  AddStandardControls(*this);
  const Rect area = ContentArea(*this);
  const int32_t l = area.left;
  const int32_t w = area.width;
  AddControl(*this, "Lab_Title", ControlKind::kLabel, {l, 150, w, 480}).font = {"", 13, true};
  AddControl(*this, "labText", ControlKind::kLabel, {l, 720, w, 900});
  AddControl(*this, "Frame2", ControlKind::kFrame, {l, 1680, w, 2700});
  for (int row = 0; row < kSimulatorCount; ++row) {
    AddControl(*this, SimulationOption(row), ControlKind::kOption,
               {l + 240, 1980 + row * 390, w - 480, 330}, kSimulatorTable[row].option_caption,
               "Frame2")
        .enabled = false;
  }
}

void FSSelectPage::Load() {
  const ProgramState& s = ctx_.state;
  const auto& texts = s.MessageCatalogue;
  caption = texts[1];
  (*this)["Lab_Title"].text = texts[52];
  bool any_found = false;
  for (bool found : s.gbSimFound) any_found = any_found || found;
  (*this)["labText"].text = texts[any_found ? 51 : 50];
  (*this)["Cmd_Next"].enabled = any_found;
  SetButtonCaptions();
  if (!any_found) {
    WriteLog(ctx_, "ERROR: No installed Flightsimulator found!");
    return;
  }
  ApplySameFolderRule();
  // From the last row up, so that the first found row stays selected.
  for (int row = kSimulatorCount - 1; row >= 0; --row) {
    if (!s.gbSimFound[row]) continue;
    (*this)[SimulationOption(row)].enabled = true;
    SetOption(SimulationOption(row));
  }
}

// Both editions of FSX registered with one folder are one installation: the
// first option stands for it, under the Steam Edition's name, with the boxed
// edition's paths.
void FSSelectPage::ApplySameFolderRule() {
  ProgramState& s = ctx_.state;
  if (s.gsSimPath[0] != s.gsSimPath[1] || !s.gbSimFound[1]) return;
  s.gbSimFound[1] = false;
  (*this)[SimulationOption(0)].text = kSimulatorTable[1].option_caption;
  (*this)[SimulationOption(1)].text = kSimulatorTable[0].option_caption;
}

bool FSSelectPage::OnButton(const std::string& control) {
  if (control != "Cmd_Next") return WizardPage::OnButton(control);
  // The page leaves before its work, unless this build has no page to go to.
  if (flow_.Knows(PageFlow::Target(name(), control))) ctx_.platform.window.HidePage(*this);
  TakeChoice();
  if (flow_.Knows("SelectPath")) {
    if (auto* destination = dynamic_cast<SelectPathPage*>(&flow_.Get("SelectPath"))) {
      destination->PrepareForm();
    }
  }
  return true;
}

void FSSelectPage::TakeChoice() {
  ProgramState& s = ctx_.state;
  for (int row = 0; row < kSimulatorCount; ++row) {
    if (!(*this)[SimulationOption(row)].value) continue;
    const SimulatorRow& sim = kSimulatorTable[row];
    s.gsSimExe = sim.executable;
    s.gsFSXPath = AddTrailingBackslash(s.gsSimPath[row]);
    s.gsSceneryCfg = s.gsSimDataPath[row] + "\\Scenery.cfg";
    s.gsSimCfg = s.gsAppData + sim.config_file;
  }
}

}  // namespace vlrna
