#include "platform/win32/gui/win32_fonts.h"

#include <cmath>

namespace vlrna {

FontCache::~FontCache() {
  for (auto& [key, font] : fonts_) DeleteObject(font);
}

double FontCache::PointsOf(const Font& font) {
  return font.points > 0 ? font.points : kDefaultPoints;
}

HFONT FontCache::Get(const Font& font) { return Get(font, PointsOf(font)); }

HFONT FontCache::Get(const Font& font, double points) {
  const std::string face = font.face.empty() ? kDefaultFace : font.face;
  const int tenths = static_cast<int>(std::lround(points * 10));
  auto key = std::make_tuple(face, tenths, font.bold);
  auto found = fonts_.find(key);
  if (found != fonts_.end()) return found->second;
  const int height = -static_cast<int>(std::lround(tenths * dpi_y_ / 720.0));
  HFONT made = CreateFontA(height, 0, 0, 0, font.bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE,
                           DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                           CLEARTYPE_QUALITY, DEFAULT_PITCH | FF_DONTCARE, face.c_str());
  if (made == nullptr) made = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
  fonts_.emplace(key, made);
  return made;
}

}  // namespace vlrna
