#ifndef VLRNA_INSTALL_PROGRESS_DISPLAY_H_
#define VLRNA_INSTALL_PROGRESS_DISPLAY_H_

#include <cstdint>

#include "platform/page_model.h"
#include "platform/window.h"

namespace vlrna {

// The whole number percentage `current` is of `maximum`, halves to even; 100
// for a maximum of 0 or less, which only an archive without content has.
int16_t ProgressPercent(double current, double maximum);

// Draws `current` of `maximum` on the page's progress bar `picProgress` and
// writes the percentage followed by "%" into its label `lblProgress`, then
// has `window` repaint the page. A current value above the maximum is first
// lowered to it, in the caller's variable. A maximum of 0 or less (an empty
// archive) shows the bar full at 100%.
void DrawProgress(WindowLayer& window, Page& page, double& current, double maximum);

}  // namespace vlrna

#endif  // VLRNA_INSTALL_PROGRESS_DISPLAY_H_
