#include "install/progress_display.h"

#include <cmath>

namespace vlrna {
namespace {

// Rounds to the nearest whole number, halves to the even neighbour (the
// default rounding mode).
double RoundHalfEven(double value) { return std::nearbyint(value); }

}  // namespace

int16_t ProgressPercent(double current, double maximum) {
  if (!(maximum > 0)) return 100;
  return static_cast<int16_t>(RoundHalfEven(std::fmin(current, maximum) / maximum * 100));
}

void DrawProgress(WindowLayer& window, Page& page, double& current, double maximum) {
  if (current > maximum) current = maximum;
  Control& bar = page["picProgress"];
  const int32_t width = bar.rect.width;
  // Nothing to unpack is all done: an empty archive fills its bar.
  const int32_t x =
      maximum > 0 ? static_cast<int32_t>(RoundHalfEven(width / maximum * current)) : width;
  bar.progress_x = x;
  page["lblProgress"].text = std::to_string(ProgressPercent(current, maximum)) + "%";
  window.Refresh(page);
}

}  // namespace vlrna
