#ifndef VLRNA_PAGES_WIZARD_TEST_RUN_H_
#define VLRNA_PAGES_WIZARD_TEST_RUN_H_

#include <functional>
#include <memory>
#include <string>

#include "pages/wizard.h"
#include "platform/fake/fake_machine.h"
#include "shell/page_layout.h"

namespace vlrna {

// For page tests: a wizard on the typical machine, changed by `setup`,
// started and moved on with Next `nexts` times. Unless `bare_license` is false, a
// bare page with the three buttons stands in for the licence page, which
// this build may lack.
struct WizardTestRun {
  explicit WizardTestRun(int nexts, const std::function<void(FakePlatform&)>& setup = nullptr,
                         bool bare_license = true) {
    DescribeTypicalMachine(fake);
    if (setup) setup(fake);
    if (bare_license) {
      wizard.flow().Register("License", [](Context& c, PageFlow& f) {
        auto page = std::make_unique<WizardPage>("License", kPageWidth, c, f);
        AddStandardControls(*page);
        return page;
      });
    }
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
