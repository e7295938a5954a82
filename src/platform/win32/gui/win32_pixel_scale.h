#ifndef VLRNA_PLATFORM_WIN32_GUI_WIN32_PIXEL_SCALE_H_
#define VLRNA_PLATFORM_WIN32_GUI_WIN32_PIXEL_SCALE_H_

#include <cstdint>

#include "platform/page_model.h"
#include "platform/win32/windows_api.h"

namespace vlrna {

struct PixelRect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
};

// Converts the model's twips into the screen's pixels at its real
// resolution: 96 dots per inch give 15 twips per pixel, 144 give 10.
class PixelScale {
 public:
  PixelScale(int dpi_x = 96, int dpi_y = 96);
  // The resolution of the main screen.
  static PixelScale OfScreen();
  // The resolution of the screen `window` lies on, where the system knows
  // one resolution per screen; else that of the main screen.
  static PixelScale OfWindow(HWND window);

  int dpi_x() const { return dpi_x_; }
  int dpi_y() const { return dpi_y_; }

  int ToPixelsX(int32_t twips) const;
  int ToPixelsY(int32_t twips) const;
  int32_t ToTwipsX(int pixels) const;
  int32_t ToTwipsY(int pixels) const;

  // Both edges are rounded on their own, so controls that touch in twips
  // touch in pixels.
  PixelRect ToPixels(const Rect& rect) const;

 private:
  int dpi_x_;
  int dpi_y_;
};

}  // namespace vlrna

#endif  // VLRNA_PLATFORM_WIN32_GUI_WIN32_PIXEL_SCALE_H_
