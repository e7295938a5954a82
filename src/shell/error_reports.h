#ifndef VLRNA_SHELL_ERROR_REPORTS_H_
#define VLRNA_SHELL_ERROR_REPORTS_H_

#include <functional>
#include <initializer_list>
#include <string>

#include "platform/runtime_error.h"
#include "shell/context.h"

namespace vlrna {

inline constexpr char kPageErrorBox[] = "page-error";

// Runs `steps` in order. A RuntimeError in a step gets the step's number
// (from 1) as its line and goes to `report`; then the next step runs. This is
// how a routine that traps its errors "continues with the next statement".
void RunStepsTrapped(std::initializer_list<std::function<void()>> steps,
                     const std::function<void(const RuntimeError&)>& report);

// The report of a page handler: a critical box with the default title,
// "Error <n> (<description>) in Line <line> in procedure <procedure> of
// Formular <form>". Nothing is logged.
void ReportPageError(Context& ctx, const RuntimeError& error, const std::string& procedure,
                     const std::string& form);

}  // namespace vlrna

#endif  // VLRNA_SHELL_ERROR_REPORTS_H_
