#include "platform/win32/gui/win32_bitmaps.h"

#include <algorithm>

namespace vlrna {

BitmapCache::~BitmapCache() {
  for (auto& [path, bitmap] : bitmaps_) {
    if (bitmap != nullptr) DeleteObject(bitmap);
  }
}

HBITMAP BitmapCache::Get(const std::string& path) {
  if (path.empty()) return nullptr;
  auto found = bitmaps_.find(path);
  if (found != bitmaps_.end()) return found->second;
  auto* bitmap = static_cast<HBITMAP>(
      LoadImageA(nullptr, path.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE | LR_CREATEDIBSECTION));
  bitmaps_.emplace(path, bitmap);
  return bitmap;
}

void DrawBitmap(HDC dc, HBITMAP bitmap, const RECT& target, bool keep_aspect) {
  BITMAP info{};
  if (bitmap == nullptr || GetObjectA(bitmap, sizeof(info), &info) == 0) return;
  if (info.bmWidth <= 0 || info.bmHeight == 0) return;
  const int source_height = std::abs(info.bmHeight);
  int width = target.right - target.left;
  int height = target.bottom - target.top;
  int left = target.left;
  int top = target.top;
  if (keep_aspect) {
    const double scale = std::min(static_cast<double>(width) / info.bmWidth,
                                  static_cast<double>(height) / source_height);
    const int fitted_width = static_cast<int>(info.bmWidth * scale);
    const int fitted_height = static_cast<int>(source_height * scale);
    left += (width - fitted_width) / 2;
    top += (height - fitted_height) / 2;
    width = fitted_width;
    height = fitted_height;
  }
  HDC source = CreateCompatibleDC(dc);
  HGDIOBJ old = SelectObject(source, bitmap);
  SetStretchBltMode(dc, HALFTONE);
  SetBrushOrgEx(dc, 0, 0, nullptr);
  StretchBlt(dc, left, top, width, height, source, 0, 0, info.bmWidth, source_height, SRCCOPY);
  SelectObject(source, old);
  DeleteDC(source);
}

}  // namespace vlrna
