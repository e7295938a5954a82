#ifndef VLRNA_PLATFORM_HEADLESS_UNATTENDED_WALK_H_
#define VLRNA_PLATFORM_HEADLESS_UNATTENDED_WALK_H_

#include <string>
#include <vector>

#include "platform/headless/headless_window.h"

namespace vlrna {

struct WalkReport {
  std::vector<std::string> pages;  // every page shown, in order
  std::string stopped_at;          // the page that did not move on, or empty
};

// Acts as a user who accepts every proposal: on each page that is shown it
// presses Next, until a page does not move on (or `max_steps` is reached).
// The caller sets up the answers to message boxes beforehand.
WalkReport WalkForward(HeadlessWindow& window, int max_steps = 32);

}  // namespace vlrna

#endif  // VLRNA_PLATFORM_HEADLESS_UNATTENDED_WALK_H_
