#include "install/progress_display.h"

#include <gtest/gtest.h>

#include "platform/headless/headless_window.h"

namespace vlrna {
namespace {

TEST(DrawProgressTest, BarAndPercentage) {
  struct Case {
    double current;
    double maximum;
    int32_t x;  // on a bar 1000 wide
    const char* label;
    double current_after;
  };
  const Case cases[] = {
      {0, 1, 0, "0%", 0},
      {5, 4, 1000, "100%", 4},  // past the end: lowered to the maximum
      {4, 4, 1000, "100%", 4},
      {1, 8, 125, "12%", 1},      // 12.5% goes to the even neighbour 12
      {27, 200, 135, "14%", 27},  // and 13.5% to 14
      {1, 2000, 0, "0%", 1},      // x 0.5 and 0.05% both go down to even 0
      {3, 2000, 2, "0%", 3},      // x 1.5 goes up to even 2
      // Beyond 32 bits: the figures stay doubles until the end.
      {6442450944.0, 8589934592.0, 750, "75%", 6442450944.0},
      // An empty archive: full, and no division by its zero size.
      {0, 0, 1000, "100%", 0},
  };
  for (const Case& c : cases) {
    HeadlessWindow window;
    Page page("InstallStart", 5000, 5000);
    Control bar;
    bar.name = "picProgress";
    bar.kind = ControlKind::kProgressBar;
    bar.rect.width = 1000;
    page.Add(bar);
    Control label;
    label.name = "lblProgress";
    label.container = "picProgress";
    page.Add(label);
    double current = c.current;
    DrawProgress(window, page, current, c.maximum);
    EXPECT_EQ(page["picProgress"].progress_x, c.x) << c.current << " of " << c.maximum;
    EXPECT_EQ(page["lblProgress"].text, c.label) << c.current << " of " << c.maximum;
    EXPECT_EQ(current, c.current_after);
    EXPECT_EQ(window.refreshes(), 1);
  }
}

}  // namespace
}  // namespace vlrna
