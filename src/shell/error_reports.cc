#include "shell/error_reports.h"

namespace vlrna {

void RunStepsTrapped(std::initializer_list<std::function<void()>> steps,
                     const std::function<void(const RuntimeError&)>& report) {
  int32_t line = 0;
  for (const auto& step : steps) {
    ++line;
    try {
      step();
    } catch (RuntimeError& error) {
      error.set_line(line);
      report(error);
    }
  }
}

void ReportPageError(Context& ctx, const RuntimeError& error, const std::string& procedure,
                     const std::string& form) {
  ctx.platform.window.ShowMessage(
      {kPageErrorBox,
       "Error " + std::to_string(error.number()) + " (" + error.description() + ") in Line " +
           std::to_string(error.line()) + " in procedure " + procedure + " of Formular " + form,
       kAppTitle, MessageIcon::kCritical, MessageButtons::kOk});
}

}  // namespace vlrna
