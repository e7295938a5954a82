#ifndef VLRNA_SIMULATORS_WELCOME_PAGE_H_
#define VLRNA_SIMULATORS_WELCOME_PAGE_H_

#include "shell/page_flow.h"

namespace vlrna {

// The welcome page: greets the user, shows the version, and on its first
// showing runs the simulator discovery. Next leads to the simulator
// selection, Options to the options page, Back to the language page.
class WelcomePage : public WizardPage {
 public:
  WelcomePage(Context& ctx, PageFlow& flow);

  void Load() override;
};

}  // namespace vlrna

#endif  // VLRNA_SIMULATORS_WELCOME_PAGE_H_
