#include "platform/qt/twip_scale.h"

#include <QGuiApplication>
#include <QScreen>
#include <cmath>

namespace vlrna {
namespace {

constexpr double kTwipsPerInch = 1440.0;

}  // namespace

TwipScale::TwipScale(double dpi_x, double dpi_y)
    : dpi_x_(dpi_x > 0 ? dpi_x : 96.0), dpi_y_(dpi_y > 0 ? dpi_y : 96.0) {}

TwipScale TwipScale::OfPrimaryScreen() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (screen == nullptr) return TwipScale();
  return TwipScale(screen->logicalDotsPerInchX(), screen->logicalDotsPerInchY());
}

int TwipScale::ToPixelsX(int32_t twips) const {
  return static_cast<int>(std::lround(twips * dpi_x_ / kTwipsPerInch));
}

int TwipScale::ToPixelsY(int32_t twips) const {
  return static_cast<int>(std::lround(twips * dpi_y_ / kTwipsPerInch));
}

int32_t TwipScale::ToTwipsX(int pixels) const {
  return static_cast<int32_t>(std::lround(pixels * kTwipsPerInch / dpi_x_));
}

int32_t TwipScale::ToTwipsY(int pixels) const {
  return static_cast<int32_t>(std::lround(pixels * kTwipsPerInch / dpi_y_));
}

QRect TwipScale::ToPixels(const Rect& rect) const {
  const int left = ToPixelsX(rect.left);
  const int top = ToPixelsY(rect.top);
  const int right = ToPixelsX(rect.left + rect.width);
  const int bottom = ToPixelsY(rect.top + rect.height);
  return QRect(left, top, right - left, bottom - top);
}

}  // namespace vlrna
