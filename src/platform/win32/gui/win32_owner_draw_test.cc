#include "platform/win32/gui/win32_owner_draw.h"

#include <gtest/gtest.h>

namespace vlrna {
namespace {

// A memory canvas the drawing routines paint into, read back pixel by pixel.
class Canvas {
 public:
  Canvas(int width, int height) : dc_(CreateCompatibleDC(nullptr)) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    bitmap_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    old_ = SelectObject(dc_, bitmap_);
  }
  ~Canvas() {
    SelectObject(dc_, old_);
    DeleteObject(bitmap_);
    DeleteDC(dc_);
  }
  HDC dc() const { return dc_; }
  COLORREF At(int x, int y) const { return GetPixel(dc_, x, y); }

 private:
  HDC dc_;
  HBITMAP bitmap_;
  HGDIOBJ old_;
};

TEST(Win32ProgressDrawingTest, DoneAndRemainingPartsSplitAtTheBoundary) {
  Canvas canvas(202, 22);
  const RECT area{0, 0, 202, 22};
  HFONT font = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
  // A quarter done in the bar's own scale: the bar is 200 pixels inside its
  // frame, so the remaining part begins at column 1 + 50.
  DrawProgressBar(canvas.dc(), area, 1000, 4000, "25%", font);
  EXPECT_EQ(canvas.At(2, 3), kProgressDone);
  EXPECT_EQ(canvas.At(50, 3), kProgressDone);
  EXPECT_EQ(canvas.At(51, 3), kProgressRemaining);
  EXPECT_EQ(canvas.At(199, 18), kProgressRemaining);
  EXPECT_NE(canvas.At(0, 0), kProgressDone);  // the frame
  // The caption lies on the middle of the bar, dark on the grey part.
  bool caption = false;
  for (int x = 80; x < 120 && !caption; ++x) {
    for (int y = 4; y < 18 && !caption; ++y) caption = canvas.At(x, y) == RGB(0, 0, 0);
  }
  EXPECT_TRUE(caption);

  // Before the first boundary nothing of the bar is drawn.
  DrawProgressBar(canvas.dc(), area, -1, 4000, "", font);
  EXPECT_NE(canvas.At(20, 10), kProgressDone);
  EXPECT_NE(canvas.At(150, 10), kProgressRemaining);
}

}  // namespace
}  // namespace vlrna
