#ifndef VLRNA_PLATFORM_WIN32_GUI_WIN32_FONTS_H_
#define VLRNA_PLATFORM_WIN32_GUI_WIN32_FONTS_H_

#include <map>
#include <string>
#include <tuple>

#include "platform/page_model.h"
#include "platform/win32/windows_api.h"

namespace vlrna {

// The fonts of the pages, made once per face, size, weight and resolution
// and kept until the cache goes. Sizes are in points at `dpi_y`, the
// vertical resolution of the screen the font is drawn on.
class FontCache {
 public:
  // The pages are laid out in twips for the classic compact dialog font.
  static constexpr double kDefaultPoints = 8.0;
  static constexpr char kDefaultFace[] = "MS Shell Dlg 2";

  FontCache() = default;
  ~FontCache();
  FontCache(const FontCache&) = delete;
  FontCache& operator=(const FontCache&) = delete;

  // The model's font at its own size, or the default where it gives none.
  HFONT Get(const Font& font, int dpi_y);
  // The model's face and weight at `points`.
  HFONT Get(const Font& font, double points, int dpi_y);
  static double PointsOf(const Font& font);

 private:
  std::string FaceFor(const std::string& face);

  std::map<std::string, std::string> faces_;  // the model's face: the one drawn
  // By face, size in tenths of points, weight and resolution.
  std::map<std::tuple<std::string, int, bool, int>, HFONT> fonts_;
};

}  // namespace vlrna

#endif  // VLRNA_PLATFORM_WIN32_GUI_WIN32_FONTS_H_
