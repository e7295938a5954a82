#include "shell/install_log.h"

#include <cstdio>

#include "platform/ascii_case.h"
#include "platform/runtime_error.h"

namespace vlrna {

bool IsInstallLogPath(std::string_view path) {
  const size_t slash = path.find_last_of('\\');
  const std::string name = AsciiUpper(path.substr(slash == std::string_view::npos ? 0 : slash + 1));
  return name.starts_with("VLRNA_") && name.ends_with(".LOG");
}

void MakeLogFileName(Context& ctx) {
  LocalTime t = ctx.platform.system.Now();
  char name[32];
  std::snprintf(name, sizeof name, "VLRNA_%02d%02d%02d%02d%02d.LOG", t.year % 100, t.month, t.day,
                t.hour, t.minute);
  ctx.state.gsLogFile = name;
}

std::string LogTimeStamp(const LocalTime& t) {
  char stamp[40];
  std::snprintf(stamp, sizeof stamp, "%04d.%02d.%02d  %02d:%02d:%02d | ", t.year, t.month, t.day,
                t.hour, t.minute, t.second);
  return stamp;
}

void WriteLog(Context& ctx, std::string_view text) {
  // Before the log has a name (a start-up that failed early) lines are dropped.
  if (ctx.state.gsUserDir.empty() || ctx.state.gsLogFile.empty()) return;
  std::string line = LogTimeStamp(ctx.platform.system.Now());
  line.append(text);
  line.append("\r\n");
  try {
    ctx.platform.files.AppendToFile(ctx.state.gsUserDir + "\\" + ctx.state.gsLogFile, line);
  } catch (const RuntimeError&) {
    // A log that cannot be written must not stop the installation.
  }
}

}  // namespace vlrna
