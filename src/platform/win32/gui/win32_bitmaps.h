#ifndef VLRNA_PLATFORM_WIN32_GUI_WIN32_BITMAPS_H_
#define VLRNA_PLATFORM_WIN32_GUI_WIN32_BITMAPS_H_

#include <map>
#include <string>

#include "platform/win32/windows_api.h"

namespace vlrna {

// The BMP pictures of the windows, loaded once per path and kept until the
// cache goes.
class BitmapCache {
 public:
  BitmapCache() = default;
  ~BitmapCache();
  BitmapCache(const BitmapCache&) = delete;
  BitmapCache& operator=(const BitmapCache&) = delete;

  // The picture of a Windows path, or null when the path is empty or the
  // file is missing or no BMP; a failed path is not tried again.
  HBITMAP Get(const std::string& path);

 private:
  std::map<std::string, HBITMAP> bitmaps_;
};

// Draws `bitmap` into `target` of `dc`, smoothly scaled; with `keep_aspect`
// centred at its own proportions, else stretched over the whole target.
void DrawBitmap(HDC dc, HBITMAP bitmap, const RECT& target, bool keep_aspect);

}  // namespace vlrna

#endif  // VLRNA_PLATFORM_WIN32_GUI_WIN32_BITMAPS_H_
