#include "app/unattended_run.h"

#include <cstdio>

#include "pages/unattended_run.h"
#include "platform/headless/headless_window.h"
#include "preview/preview_machine.h"

namespace vlrna {
namespace {

void PrintLine(const std::string& text) {
  std::fwrite(text.data(), 1, text.size(), stdout);
  std::fputc('\n', stdout);
  std::fflush(stdout);
}

}  // namespace

void RunUnattendedOnLinux(LinuxMachine& machine, Zip& zip, const UnattendedOptions& options) {
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
  if (!options.dry_run) RunUnattended(platform, window, options, out);
  PrintLine("vlrna-setup: preview (--dry-run): nothing but the log is written");
  PreviewSettings settings;
  settings.report = [](const std::vector<std::string>& lines) {
    PrintLine("vlrna-setup: what the run would change:");
    for (const std::string& line : lines) PrintLine(line);
  };
  PreviewMachine preview(platform, std::move(settings));
  RunUnattended(preview.platform(), window, options, out);
}

}  // namespace vlrna
