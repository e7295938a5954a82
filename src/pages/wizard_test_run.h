#ifndef VLRNA_PAGES_WIZARD_TEST_RUN_H_
#define VLRNA_PAGES_WIZARD_TEST_RUN_H_

#include <functional>
#include <memory>
#include <string>

#include "pages/wizard.h"
#include "platform/fake/fake_machine.h"

namespace vlrna {

// For page tests: a wizard on the typical machine, changed by `setup`,
// started and moved on with Next `nexts` times.
struct WizardTestRun {
  explicit WizardTestRun(int nexts, const std::function<void(FakePlatform&)>& setup = nullptr) {
    DescribeTypicalMachine(fake);
    if (setup) setup(fake);
    wizard.Start();
    for (int i = 0; i < nexts; ++i) fake.window.Click("Cmd_Next");
  }
  Page& page() { return *fake.window.visible_page(); }
  std::string Log() { return fake.files.Content(kTypicalLogPath); }
  bool Logged(const std::string& line) {
    return Log().find("| " + line + "\r\n") != std::string::npos;
  }

  FakePlatform fake;
  ProgramState state;
  Context ctx{state, fake.platform};
  Wizard wizard{ctx};
};

}  // namespace vlrna

#endif  // VLRNA_PAGES_WIZARD_TEST_RUN_H_
