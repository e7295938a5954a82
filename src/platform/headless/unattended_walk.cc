#include "platform/headless/unattended_walk.h"

namespace vlrna {

WalkReport WalkForward(HeadlessWindow& window, int max_steps) {
  WalkReport report;
  for (int step = 0; step < max_steps; ++step) {
    Page* page = window.visible_page();
    if (page == nullptr) return report;
    report.pages.push_back(page->name());
    const Control& next = (*page)["Cmd_Next"];
    if (!next.visible || !next.enabled) {
      report.stopped_at = page->name();
      return report;
    }
    window.Click("Cmd_Next");
    if (window.visible_page() == page) {
      report.stopped_at = page->name();
      return report;
    }
  }
  return report;
}

}  // namespace vlrna
