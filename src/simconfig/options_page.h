#ifndef VLRNA_SIMCONFIG_OPTIONS_PAGE_H_
#define VLRNA_SIMCONFIG_OPTIONS_PAGE_H_

#include <vector>

#include "shell/page_flow.h"
#include "simconfig/autogen_restore.h"

namespace vlrna {

// The options page: shows the version and offers one action, cmd_autogen,
// which puts the package's autogen descriptions back into the description
// files of every installed simulator and sums up what happened to each.
// Back leads to the welcome page; Next is hidden.
class OptionsPage : public WizardPage {
 public:
  OptionsPage(Context& ctx, PageFlow& flow);

  void Load() override;

  // What the last press of cmd_autogen did, file by file; empty before.
  const std::vector<RestoredSimulator>& last_restore() const { return last_restore_; }

 protected:
  bool OnButton(const std::string& control) override;

 private:
  std::vector<RestoredSimulator> last_restore_;
};

}  // namespace vlrna

#endif  // VLRNA_SIMCONFIG_OPTIONS_PAGE_H_
