// The Windows wizard: Win32 windows draw the pages, or with --unattended it
// runs without them and prints to the console or the files it was started
// with (command line: pages/unattended_options.h). It is a GUI program; the
// launcher VLRSetup.exe starts it from the medium.

#include <memory>
#include <string>
#include <vector>

#include "app/unattended_run.h"
#include "app/windows_console.h"
#include "pages/unattended_options.h"
#include "pages/wizard.h"
#include "platform/archive/archive_zip.h"
#include "platform/win32/gui/win32_window_layer.h"
#include "platform/win32/windows_machine.h"
#include "shell/program_end.h"

namespace vlrna {
namespace {

std::string SamePath(const std::string& windows_path) { return windows_path; }

[[noreturn]] void RunUnattendedOnWindows(WindowsMachine& machine, Zip& zip,
                                         const UnattendedOptions& options,
                                         WindowsConsole& console) {
  HeadlessWindow window;
  Platform platform = machine.MakePlatform(window, &zip);
  UnattendedOutput out;
  out.print = [&console, &code_page = platform.code_page](const std::string& ansi) {
    console.Print(WindowsConsole::kOut, code_page.AnsiToUtf8(ansi));
  };
  out.print_native = [&console](const std::string& utf8) {
    console.Print(WindowsConsole::kOut, utf8);
  };
  // native_path stays unset: Windows paths are the machine's own.
  console.Print(WindowsConsole::kOut, "vlrna-setup: unattended run");
  RunUnattendedOrPreview(platform, window, options, out);
}

int RunWithWindows(WindowsMachine& machine, Zip& zip) {
  Win32WindowLayer window(machine.code_page);
  Platform platform = machine.MakePlatform(window, &zip);
  ProgramState state;
  Context ctx{state, platform};
  Wizard wizard(ctx);
  try {
    wizard.Start();
    return window.Run();
  } catch (const RuntimeError& error) {
    EndOnUntrappedError(ctx, error);
  }
}

int Main(int argc, char** argv) {
  WindowsConsole console;
  WindowsMachine machine;
  // The command line (ANSI, as the C run-time gives it) is judged before
  // anything else happens.
  const ParsedCommandLine command =
      ParseCommandLine(std::vector<std::string>(argv + 1, argv + argc));
  if (!command.error.empty()) {
    console.Print(WindowsConsole::kErr,
                  "vlrna-setup: " + machine.code_page.AnsiToUtf8(command.error));
    console.Print(WindowsConsole::kErr, kCommandLineUsage);
    return kExitBadCommand;
  }
  const UnattendedOptions& options = command.options;
  if (options.help) {
    console.Print(WindowsConsole::kOut, kCommandLineUsage);
    return 0;
  }
  ArchiveZip zip({SamePath, machine.code_page});
  if (options.unattended) RunUnattendedOnWindows(machine, zip, options, console);
  return RunWithWindows(machine, zip);
}

}  // namespace
}  // namespace vlrna

int main(int argc, char** argv) { return vlrna::Main(argc, argv); }
