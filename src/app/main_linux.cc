// The Linux wizard: the Wine prefix of the simulator is the machine it
// installs into; Qt draws the pages, or with --unattended it runs without a
// screen (command line: pages/unattended_options.h).

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "app/unattended_run.h"
#include "pages/unattended_options.h"
#include "pages/wizard.h"
#include "platform/archive/archive_zip.h"
#include "platform/posix/linux_machine.h"
#include "platform/qt/qt_window_layer.h"
#include "shell/program_end.h"

namespace vlrna {
namespace {

void PrintLine(const std::string& text) {
  std::fwrite(text.data(), 1, text.size(), stdout);
  std::fputc('\n', stdout);
  std::fflush(stdout);
}

// Without a screen, printing to the terminal in UTF-8.
[[noreturn]] void RunUnattendedOnLinux(LinuxMachine& machine, Zip& zip,
                                       const UnattendedOptions& options) {
  const WinePrefix& prefix = machine.prefix;
  HeadlessWindow window;
  Platform platform = machine.MakePlatform(window, &zip);
  UnattendedOutput out;
  out.print = [&code_page = platform.code_page](const std::string& ansi) {
    PrintLine(code_page.AnsiToUtf8(ansi));
  };
  out.print_native = PrintLine;
  out.native_path = [&prefix](const std::string& windows_path) -> std::string {
    try {
      return prefix.ToUnixPath(windows_path);
    } catch (...) {
      return "";  // a drive without its link: the Windows form is all there is
    }
  };
  PrintLine("vlrna-setup: unattended run in the Wine prefix " + prefix.root());
  RunUnattendedOrPreview(platform, window, options, out);
}

int RunWithQt(LinuxMachine& machine, Zip& zip, int& argc, char** argv) {
  const WinePrefix& prefix = machine.prefix;
  std::unique_ptr<QtWindowLayer> window = MakeQtWindowLayer(
      argc, argv, [&prefix](const std::string& path) { return prefix.ToUnixPath(path); },
      prefix.code_page());
  Platform platform = machine.MakePlatform(*window, &zip);
  ProgramState state;
  Context ctx{state, platform};
  Wizard wizard(ctx);
  try {
    wizard.Start();
    return window->Run();
  } catch (const RuntimeError& error) {
    EndOnUntrappedError(ctx, error);
  }
}

int Main(int argc, char** argv) {
  // The command line is judged before anything else happens.
  const ParsedCommandLine command =
      ParseCommandLine(std::vector<std::string>(argv + 1, argv + argc));
  if (!command.error.empty()) {
    std::fprintf(stderr, "vlrna-setup: %s\n%s", command.error.c_str(), kCommandLineUsage);
    return kExitBadCommand;
  }
  const UnattendedOptions& options = command.options;
  if (options.help) {
    std::fputs(kCommandLineUsage, stdout);
    return 0;
  }
  std::unique_ptr<LinuxMachine> machine;
  try {
    machine = std::make_unique<LinuxMachine>(WinePrefix::FromEnvironment());
  } catch (const RuntimeError& error) {
    std::fprintf(stderr, "vlrna-setup: %s\n", error.description().c_str());
    return kExitEnded;
  }
  const WinePrefix& prefix = machine->prefix;
  ArchiveZip zip(
      {[&prefix](const std::string& path) { return prefix.ToUnixPath(path); }, prefix.code_page()});
  if (options.unattended) RunUnattendedOnLinux(*machine, zip, options);
  if (!HasDisplay()) {
    std::fputs(
        "vlrna-setup: no display (neither DISPLAY nor WAYLAND_DISPLAY is set).\n"
        "  Run it on your desktop, or without a screen with:\n"
        "  VLRSetup.exe --unattended --accept-license --language=E\n",
        stderr);
    return kExitEnded;
  }
  return RunWithQt(*machine, zip, argc, argv);
}

}  // namespace
}  // namespace vlrna

int main(int argc, char** argv) { return vlrna::Main(argc, argv); }
