#ifndef VLRNA_PAGES_WIZARD_H_
#define VLRNA_PAGES_WIZARD_H_

#include <utility>

#include "install/install_start_page.h"
#include "shell/context.h"
#include "shell/main_window.h"
#include "shell/page_flow.h"

namespace vlrna {

// The whole wizard of one run: the main window and every page this build
// has, registered with the page flow.
class Wizard {
 public:
  explicit Wizard(Context& ctx);

  // The start-up: the main window's load, which ends by showing the language
  // page. From then on the user's input drives the pages.
  void Start() { main_window_.Load(); }

  PageFlow& flow() { return flow_; }
  MainWindow& main_window() { return main_window_; }

  // Who hears the installation's progress besides the page (an unattended
  // run); may be set at any time before or during the run.
  void set_install_progress_observer(InstallProgressObserver observer) {
    install_observer_ = std::move(observer);
  }

 private:
  InstallProgressObserver install_observer_;  // outlives the pages that refer to it
  PageFlow flow_;
  MainWindow main_window_;
};

}  // namespace vlrna

#endif  // VLRNA_PAGES_WIZARD_H_
