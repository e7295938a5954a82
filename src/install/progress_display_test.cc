#include "install/progress_display.h"

#include <gtest/gtest.h>

#include "platform/headless/headless_window.h"
#include "shell/page_layout.h"

namespace vlrna {
namespace {

TEST(DrawProgressTest, BarAndPercentage) {
  struct Case {
    double current, maximum;
    int32_t x;  // on a bar 1000 wide
    const char* label;
  };
  const Case cases[] = {
      {0, 1, 0, "0%"},        {5, 4, 1000, "100%"},   // past the end: lowered to the maximum
      {1, 8, 125, "12%"},     {27, 200, 135, "14%"},  // halves of percents go to even
      {3, 2000, 2, "0%"},     {1, 2000, 0, "0%"},     // and so do halves of x
      {6e9, 8e9, 750, "75%"},                         // beyond 32 bits
      {0, 0, 1000, "100%"},                           // an empty archive, no division by 0
  };
  for (const Case& c : cases) {
    HeadlessWindow window;
    Page page("InstallStart", kPageWidth, kPageHeight);
    AddControl(page, "picProgress", ControlKind::kProgressBar, {0, 0, 1000, 300});
    AddControl(page, "lblProgress", ControlKind::kLabel, {}, "", "picProgress");
    double current = c.current;
    DrawProgress(window, page, current, c.maximum);
    EXPECT_EQ(page["picProgress"].progress_x, c.x) << c.current << " of " << c.maximum;
    EXPECT_EQ(page["lblProgress"].text, c.label) << c.current << " of " << c.maximum;
    EXPECT_EQ(current, std::min(c.current, c.maximum));
    EXPECT_EQ(window.refreshes(), 1);
  }
}

}  // namespace
}  // namespace vlrna
