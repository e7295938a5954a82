#include "pages/wizard.h"

#include <memory>

#include "shell/language_page.h"
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
  flow_.Register("InstallStart", [this](Context& c, PageFlow& f) {
    return std::make_unique<InstallStartPage>(c, f, install_observer_);
  });
}

}  // namespace vlrna
