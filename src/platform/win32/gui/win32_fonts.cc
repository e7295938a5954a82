#include "platform/win32/gui/win32_fonts.h"

#include <cmath>
#include <cstring>
#include <vector>

#include "platform/ascii_case.h"

namespace vlrna {
namespace {

int CALLBACK FoundFace(const LOGFONTA*, const TEXTMETRICA*, DWORD, LPARAM found) {
  *reinterpret_cast<bool*>(found) = true;
  return 0;
}

bool HasFace(const std::string& face) {
  LOGFONTA wanted{};
  wanted.lfCharSet = DEFAULT_CHARSET;
  strncpy(wanted.lfFaceName, face.c_str(), LF_FACESIZE - 1);
  bool found = false;
  HDC screen = GetDC(nullptr);
  EnumFontFamiliesExA(screen, &wanted, &FoundFace, reinterpret_cast<LPARAM>(&found), 0);
  ReleaseDC(nullptr, screen);
  return found;
}

bool IsSerif(const std::string& face) {
  const std::string lower = AsciiLower(face);
  return lower.find("times") != std::string::npos || lower.find("serif") != std::string::npos;
}

}  // namespace

FontCache::~FontCache() {
  for (auto& [key, font] : fonts_) DeleteObject(font);
}

double FontCache::PointsOf(const Font& font) {
  return font.points > 0 ? font.points : kDefaultPoints;
}

HFONT FontCache::Get(const Font& font, int dpi_y) { return Get(font, PointsOf(font), dpi_y); }

// A face the machine lacks (Wine brings no Times New Roman) becomes one of
// the same kind that it has, rather than the mapper's sans default.
std::string FontCache::FaceFor(const std::string& face) {
  if (face.empty()) return kDefaultFace;
  auto known = faces_.find(face);
  if (known != faces_.end()) return known->second;
  std::string chosen = face;
  if (!HasFace(face)) {
    static const std::vector<std::string> kSerif = {"Liberation Serif", "Tinos", "Nimbus Roman",
                                                    "DejaVu Serif"};
    static const std::vector<std::string> kSans = {"Liberation Sans", "Arimo", "Arial", "Tahoma"};
    for (const std::string& other : IsSerif(face) ? kSerif : kSans) {
      if (HasFace(other)) {
        chosen = other;
        break;
      }
    }
  }
  faces_.emplace(face, chosen);
  return chosen;
}

HFONT FontCache::Get(const Font& font, double points, int dpi_y) {
  const std::string face = FaceFor(font.face);
  const int tenths = static_cast<int>(std::lround(points * 10));
  auto key = std::make_tuple(face, tenths, font.bold, dpi_y);
  auto found = fonts_.find(key);
  if (found != fonts_.end()) return found->second;
  const int height = -static_cast<int>(std::lround(tenths * dpi_y / 720.0));
  HFONT made = CreateFontA(height, 0, 0, 0, font.bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE,
                           DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                           CLEARTYPE_QUALITY, DEFAULT_PITCH | FF_DONTCARE, face.c_str());
  if (made == nullptr) made = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
  fonts_.emplace(key, made);
  return made;
}

}  // namespace vlrna
