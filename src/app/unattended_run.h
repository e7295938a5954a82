#ifndef VLRNA_APP_UNATTENDED_RUN_H_
#define VLRNA_APP_UNATTENDED_RUN_H_

#include <string>

#include "pages/unattended_options.h"
#include "pages/unattended_run.h"
#include "platform/headless/headless_window.h"
#include "platform/platform.h"

namespace vlrna {

// Runs the wizard without a screen on `platform` (whose window layer is
// `window`) as `options` say: the installation, or with --dry-run the
// preview of it, which writes nothing but the log. `out.print_native` prints
// the preview's report too. Never returns.
[[noreturn]] void RunUnattendedOrPreview(Platform& platform, HeadlessWindow& window,
                                         const UnattendedOptions& options,
                                         const UnattendedOutput& out);

}  // namespace vlrna

#endif  // VLRNA_APP_UNATTENDED_RUN_H_
