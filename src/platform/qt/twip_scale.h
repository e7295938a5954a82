#ifndef VLRNA_PLATFORM_QT_TWIP_SCALE_H_
#define VLRNA_PLATFORM_QT_TWIP_SCALE_H_

#include <QRect>
#include <cstdint>

#include "platform/page_model.h"

namespace vlrna {

// Converts the model's twips into Qt's device-independent pixels with the
// screen's logical resolution (96 dots per inch gives 15 twips per pixel).
class TwipScale {
 public:
  TwipScale(double dpi_x = 96.0, double dpi_y = 96.0);
  // The logical resolution of the primary screen, or 96 without a screen.
  static TwipScale OfPrimaryScreen();

  double dpi_x() const { return dpi_x_; }
  double dpi_y() const { return dpi_y_; }

  int ToPixelsX(int32_t twips) const;
  int ToPixelsY(int32_t twips) const;
  int32_t ToTwipsX(int pixels) const;
  int32_t ToTwipsY(int pixels) const;

  // Both edges are rounded on their own, so controls that touch in twips
  // touch in pixels.
  QRect ToPixels(const Rect& rect) const;

 private:
  double dpi_x_;
  double dpi_y_;
};

}  // namespace vlrna

#endif  // VLRNA_PLATFORM_QT_TWIP_SCALE_H_
