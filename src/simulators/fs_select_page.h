#ifndef VLRNA_SIMULATORS_FS_SELECT_PAGE_H_
#define VLRNA_SIMULATORS_FS_SELECT_PAGE_H_

#include <string>

#include "shell/page_flow.h"

namespace vlrna {

// The simulator selection page FSSelect: one option per row of the simulator
// table, optSimulation(0) to optSimulation(5) in the frame Frame2, enabled for
// the simulators the discovery found, the first found one selected. Next
// turns the selected row into gsSimExe, gsFSXPath, gsSceneryCfg and gsSimCfg
// and prepares the destination page for them.
class FSSelectPage : public WizardPage {
 public:
  FSSelectPage(Context& ctx, PageFlow& flow);

  void Load() override;

 protected:
  bool OnButton(const std::string& control) override;

 private:
  void ApplySameFolderRule();
  void TakeChoice();
};

// The name of option `row`: "optSimulation(<row>)".
std::string SimulationOption(int row);

}  // namespace vlrna

#endif  // VLRNA_SIMULATORS_FS_SELECT_PAGE_H_
