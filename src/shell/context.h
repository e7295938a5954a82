#ifndef VLRNA_SHELL_CONTEXT_H_
#define VLRNA_SHELL_CONTEXT_H_

#include "platform/platform.h"
#include "shell/program_state.h"

namespace vlrna {

// What every routine of the wizard works with: the program's state and the
// machine's services.
struct Context {
  ProgramState& state;
  Platform& platform;
};

}  // namespace vlrna

#endif  // VLRNA_SHELL_CONTEXT_H_
