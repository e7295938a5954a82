#include "platform/win32/gui/win32_pixel_scale.h"

#include <cmath>

#include "platform/win32/gui/win32_dpi.h"

namespace vlrna {
namespace {

constexpr double kTwipsPerInch = 1440.0;

int Round(double value) { return static_cast<int>(std::lround(value)); }

}  // namespace

PixelScale::PixelScale(int dpi_x, int dpi_y)
    : dpi_x_(dpi_x > 0 ? dpi_x : 96), dpi_y_(dpi_y > 0 ? dpi_y : 96) {}

PixelScale PixelScale::OfScreen() {
  HDC screen = GetDC(nullptr);
  if (screen == nullptr) return PixelScale();
  const PixelScale scale(GetDeviceCaps(screen, LOGPIXELSX), GetDeviceCaps(screen, LOGPIXELSY));
  ReleaseDC(nullptr, screen);
  return scale;
}

PixelScale PixelScale::OfWindow(HWND window) {
  const int dpi = DpiOfWindow(window);
  return dpi > 0 ? PixelScale(dpi, dpi) : OfScreen();
}

int PixelScale::ToPixelsX(int32_t twips) const { return Round(twips * dpi_x_ / kTwipsPerInch); }

int PixelScale::ToPixelsY(int32_t twips) const { return Round(twips * dpi_y_ / kTwipsPerInch); }

int32_t PixelScale::ToTwipsX(int pixels) const { return Round(pixels * kTwipsPerInch / dpi_x_); }

int32_t PixelScale::ToTwipsY(int pixels) const { return Round(pixels * kTwipsPerInch / dpi_y_); }

PixelRect PixelScale::ToPixels(const Rect& rect) const {
  const int left = ToPixelsX(rect.left);
  const int top = ToPixelsY(rect.top);
  return {left, top, ToPixelsX(rect.left + rect.width) - left,
          ToPixelsY(rect.top + rect.height) - top};
}

}  // namespace vlrna
