#ifndef VLRNA_SIMCONFIG_OPTIONS_PAGE_H_
#define VLRNA_SIMCONFIG_OPTIONS_PAGE_H_

#include "shell/page_flow.h"

namespace vlrna {

// The options page: shows the version and offers one action, cmd_autogen,
// which puts the package's autogen descriptions back into the description
// files of every installed simulator and sums up what happened to each.
// Back leads to the welcome page; Next is hidden.
class OptionsPage : public WizardPage {
 public:
  OptionsPage(Context& ctx, PageFlow& flow);

  void Load() override;

 protected:
  bool OnButton(const std::string& control) override;
};

}  // namespace vlrna

#endif  // VLRNA_SIMCONFIG_OPTIONS_PAGE_H_
