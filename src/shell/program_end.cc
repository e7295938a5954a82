#include "shell/program_end.h"

#include <cstdlib>

#include "shell/install_log.h"

namespace vlrna {

void FatalError(Context& ctx, const std::string& message) {
  // Files are closed by the routines that open them, so none is open here.
  try {
    ctx.platform.sound.Stop();
  } catch (const RuntimeError&) {
  }
  if (!message.empty()) {
    WriteLog(ctx, message);
    ctx.platform.window.ShowMessage({kFatalErrorBox, message + "\r\nProgram will abort!", "Error",
                                     MessageIcon::kCritical, MessageButtons::kOk});
  }
  WriteLog(ctx, "Closing all forms...");
  try {
    ctx.platform.window.CloseAll();
  } catch (const RuntimeError&) {
  }
  WriteLog(ctx, "Aborting...");
  if (ctx.state.goLauncherProcess) {
    try {
      ctx.platform.processes.Terminate(*ctx.state.goLauncherProcess, 1);
    } catch (const RuntimeError&) {
    }
    ctx.state.goLauncherProcess.reset();
  }
  ctx.platform.system.EndProcess(1);
  std::abort();  // EndProcess does not return; this keeps the promise if it ever did
}

void EndOnUntrappedError(Context& ctx, const RuntimeError& error) {
  try {
    ctx.platform.window.ShowMessage(
        {kUntrappedErrorBox,
         "Run-time error '" + std::to_string(error.number()) + "':\r\n\r\n" + error.description(),
         kAppTitle, MessageIcon::kCritical, MessageButtons::kOk});
  } catch (const RuntimeError&) {
  }
  ctx.platform.system.EndProcess(1);
  std::abort();
}

bool ConfirmQuit(Context& ctx) {
  const auto& texts = ctx.state.MessageCatalogue;
  MessageAnswer answer = ctx.platform.window.ShowMessage(
      {kConfirmQuitBox, texts[26], texts[25], MessageIcon::kQuestion, MessageButtons::kYesNo});
  if (answer != kAnswerYes) return false;
  WriteLog(ctx, "SETUP aborted by user!");
  return true;
}

void LogError(Context& ctx, const RuntimeError& error) {
  WriteLog(ctx, "Error Nr." + std::to_string(error.number()) + " : " + error.description() +
                    " in Line " + std::to_string(error.line()) + " in Module " + error.source());
}

}  // namespace vlrna
