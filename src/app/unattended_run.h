#ifndef VLRNA_APP_UNATTENDED_RUN_H_
#define VLRNA_APP_UNATTENDED_RUN_H_

#include "platform/posix/linux_machine.h"
#include "platform/zip.h"

namespace vlrna {

// Runs the wizard without a screen on `machine`: accepts every proposal,
// prints each page and message box as it comes, and ends the program the one
// way it always ends. Returns only when the wizard could not even start.
int RunUnattended(LinuxMachine& machine, Zip& zip);

}  // namespace vlrna

#endif  // VLRNA_APP_UNATTENDED_RUN_H_
