#include "app/unattended_run.h"

#include <cstdio>
#include <stdexcept>

#include "pages/wizard.h"
#include "platform/headless/headless_window.h"
#include "platform/headless/unattended_walk.h"
#include "shell/program_end.h"

namespace vlrna {
namespace {

void Print(const CodePage& code_page, const std::string& ansi) {
  std::fputs(code_page.AnsiToUtf8(ansi).c_str(), stdout);
  std::fputc('\n', stdout);
  std::fflush(stdout);
}

}  // namespace

int RunUnattended(LinuxMachine& machine, Zip& zip) {
  const CodePage& code_page = machine.prefix.code_page();
  HeadlessWindow window;
  // A question this run was not told to answer gets the answer that ends
  // safely.
  window.set_fallback_answer([](const MessageRequest& box) {
    return box.buttons == MessageButtons::kYesNo ? kAnswerNo : kAnswerCancel;
  });
  window.set_on_message([&code_page](const MessageRequest& box, MessageAnswer) {
    Print(code_page, "[box " + box.id + "] " + box.title + ": " + box.text);
  });
  Platform platform = machine.MakePlatform(window, &zip);
  ProgramState state;
  Context ctx{state, platform};
  Wizard wizard(ctx);
  Print(code_page, "vlrna-setup: unattended run in the Wine prefix " + machine.prefix.root());
  WalkReport walk;
  try {
    wizard.Start();
    walk = WalkForward(window);
  } catch (const RuntimeError& error) {
    EndOnUntrappedError(ctx, error);
  } catch (const std::logic_error& error) {
    // A question this run has no answer for: say so and end the usual way.
    Print(code_page, std::string("vlrna-setup: the unattended run stops: ") + error.what());
    FatalError(ctx, "");
  }
  for (const std::string& page : walk.pages) Print(code_page, "page " + page + ": Next");
  if (!walk.stopped_at.empty()) {
    Print(code_page, "vlrna-setup: this build's wizard goes as far as the page " + walk.stopped_at +
                         "; the pages after it are not part of it yet.");
  }
  std::string log = state.gsUserDir + "\\" + state.gsLogFile;
  Print(code_page, "vlrna-setup: the log is " + log + " (" + machine.prefix.ToUnixPath(log) + ")");
  window.Answer(kConfirmQuitBox, kAnswerYes);
  if (window.visible_page() != nullptr) window.Click("Cmd_Quit");
  FatalError(ctx, "");
}

}  // namespace vlrna
