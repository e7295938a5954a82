#include "shell/shared_helpers.h"

#include "platform/runtime_error.h"

namespace vlrna {

std::string AddTrailingBackslash(const std::string& path) {
  std::string result;
  result.reserve(path.size() + 1);
  for (char c : path + "\\") {
    if (c == '\\' && !result.empty() && result.back() == '\\') continue;
    result.push_back(c);
  }
  return result;
}

bool DriveIsReady(Context& ctx, const std::string& drive) {
  return ctx.platform.drives.IsReady(drive);
}

std::string FindProcessFolder(Context& ctx, const std::string& executable) {
  std::vector<ProcessInfo> processes;
  try {
    processes = ctx.platform.processes.List();
  } catch (const RuntimeError&) {
    return "";  // no process list: the same as no launcher
  }
  std::string folder;
  for (const ProcessInfo& p : processes) {
    if (p.name != executable) continue;
    ctx.state.goLauncherProcess = p;
    size_t keep = p.executable_path.size() >= p.name.size() + 1
                      ? p.executable_path.size() - p.name.size() - 1
                      : 0;
    folder = p.executable_path.substr(0, keep);
  }
  return folder;
}

double FreeDiskBytes(Context& ctx, const std::string& root) {
  std::optional<uint64_t> bytes = ctx.platform.drives.FreeBytesForCaller(root);
  return bytes ? static_cast<double>(*bytes) : 0.0;
}

}  // namespace vlrna
