#include "pages/wizard.h"

#include <memory>

#include "destination/select_path_page.h"
#include "install/install_start_page.h"
#include "pages/finished_page.h"
#include "pages/license_page.h"
#include "shell/language_page.h"
#include "simconfig/options_page.h"
#include "simulators/fs_path_page.h"
#include "simulators/fs_select_page.h"
#include "simulators/welcome_page.h"

namespace vlrna {
namespace {

template <typename P>
PageFlow::Factory Make() {
  return [](Context& ctx, PageFlow& flow) { return std::make_unique<P>(ctx, flow); };
}

}  // namespace

Wizard::Wizard(Context& ctx) : flow_(ctx), main_window_(ctx, flow_) {
  flow_.Register("Setup", Make<LanguagePage>());
  flow_.Register("Welcome", Make<WelcomePage>());
  flow_.Register("Options", Make<OptionsPage>());
  flow_.Register("FSSelect", Make<FSSelectPage>());
  flow_.Register("License", Make<LicensePage>());
  flow_.Register("SelectPath", Make<SelectPathPage>());
  flow_.Register("InstallStart", [this](Context& c, PageFlow& f) {
    return std::make_unique<InstallStartPage>(c, f, install_observer_);
  });
  flow_.Register("Finished", Make<FinishedPage>());
  flow_.Register("FS_Path", Make<FSPathPage>());
}

}  // namespace vlrna
