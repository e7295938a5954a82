#include "pages/progress_lines.h"

#include <cmath>
#include <cstdio>

#include "install/overall_line.h"

namespace vlrna {
namespace {

constexpr int64_t kEveryMs = 500;

}  // namespace

std::string ProgressLines::Line(const InstallProgressEvent& event) {
  char head[64];
  std::snprintf(head, sizeof head, "%s (%zu/9) %3d%%", event.archive.c_str(), event.step,
                event.archive_percent);
  const OverallFigures& all = event.overall;
  std::string line = head;
  if (all.total_complete && all.percent) {
    line += "  overall " + std::to_string(std::lround(std::floor(*all.percent))) + "% of " +
            Megabytes(all.total_bytes) + " MB";
  } else {
    line += "  overall " + Megabytes(all.done_bytes) + " of at least " +
            Megabytes(all.total_bytes) + " MB";
  }
  if (all.bytes_per_second) {
    char speed[32];
    std::snprintf(speed, sizeof speed, "  %.1f MB/s", *all.bytes_per_second / kMegabyte);
    line += speed;
  }
  if (all.seconds_left) line += "  " + FormatTimeLeft(*all.seconds_left) + " left";
  return line;
}

void ProgressLines::Report(const InstallProgressEvent& event) {
  const int64_t now = now_ms_();
  const bool new_archive = event.step != step_;
  const bool done = event.archive_percent >= 100 && percent_ < 100;
  if (!new_archive && !done && now - last_ms_ < kEveryMs) return;
  if (!new_archive && event.archive_percent == percent_ && !done) return;
  step_ = event.step;
  percent_ = event.archive_percent;
  last_ms_ = now;
  print_(Line(event));
}

}  // namespace vlrna
