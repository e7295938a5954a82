#include "app/unattended_run.h"

#include <utility>

#include "preview/preview_machine.h"

namespace vlrna {

void RunUnattendedOrPreview(Platform& platform, HeadlessWindow& window,
                            const UnattendedOptions& options, const UnattendedOutput& out) {
  if (!options.dry_run) RunUnattended(platform, window, options, out);
  out.print_native("vlrna-setup: preview (--dry-run): nothing but the log is written");
  PreviewSettings settings;
  settings.report = [&out](const std::vector<std::string>& lines) {
    out.print_native("vlrna-setup: what the run would change:");
    for (const std::string& line : lines) out.print_native(line);
  };
  PreviewMachine preview(platform, std::move(settings));
  RunUnattended(preview.platform(), window, options, out);
}

}  // namespace vlrna
