#ifndef VLRNA_APP_UNATTENDED_RUN_H_
#define VLRNA_APP_UNATTENDED_RUN_H_

#include "pages/unattended_options.h"
#include "platform/posix/linux_machine.h"
#include "platform/zip.h"

namespace vlrna {

// Runs the wizard without a screen on `machine` as `options` say, printing
// to the terminal in UTF-8. Never returns.
[[noreturn]] void RunUnattendedOnLinux(LinuxMachine& machine, Zip& zip,
                                       const UnattendedOptions& options);

}  // namespace vlrna

#endif  // VLRNA_APP_UNATTENDED_RUN_H_
