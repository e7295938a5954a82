#include "install/overall_line.h"

#include <cmath>
#include <cstdio>

#include "shell/message_catalogue.h"

namespace vlrna {
namespace {

std::string Speed(const ProgramState& state, const std::optional<double>& bytes_per_second) {
  if (!bytes_per_second) return "-";
  char text[32];
  std::snprintf(text, sizeof text, "%.1f", *bytes_per_second / kMegabyte);
  // English writes a decimal point; German, Italian and French a comma.
  if (!state.gsLanguage.empty() && state.gsLanguage != "E") {
    for (char& c : text) c = c == '.' ? ',' : c;
  }
  return text;
}

}  // namespace

std::string FormatTimeLeft(int64_t seconds) {
  char text[32];
  if (seconds < 0) seconds = 0;
  const long long s = seconds % 60;
  const long long m = seconds / 60 % 60;
  const long long h = seconds / 3600;
  if (h > 0) {
    std::snprintf(text, sizeof text, "%lld:%02lld:%02lld", h, m, s);
  } else {
    std::snprintf(text, sizeof text, "%lld:%02lld", m, s);
  }
  return text;
}

std::string Megabytes(uint64_t bytes) { return std::to_string(std::llround(bytes / kMegabyte)); }

std::string OverallLine(const ProgramState& state, const OverallFigures& figures) {
  const auto& texts = state.MessageCatalogue;
  std::string line = texts[figures.total_complete ? kOverallLineText : kOverallLineAtLeastText];
  ReplaceAll(line, "%DONE%", Megabytes(figures.done_bytes));
  ReplaceAll(line, "%TOTAL%", Megabytes(figures.total_bytes));
  ReplaceAll(line, "%SPEED%", Speed(state, figures.bytes_per_second));
  if (figures.percent) {
    // Whole percents, rounded down: 100 only when everything is done.
    ReplaceAll(line, "%PERCENT%", std::to_string(static_cast<int>(*figures.percent)));
  }
  ReplaceAll(line, "%TIMELEFT%",
             figures.seconds_left ? FormatTimeLeft(*figures.seconds_left) : "-:--");
  return line;
}

}  // namespace vlrna
