#include "platform/win32/gui/win32_owner_draw.h"

#include <algorithm>
#include <cmath>

namespace vlrna {
namespace {

void Fill(HDC dc, const RECT& area, COLORREF colour) {
  SetBkColor(dc, colour);
  ExtTextOutA(dc, 0, 0, ETO_OPAQUE, &area, nullptr, 0, nullptr);
}

void DrawCentred(HDC dc, const RECT& bar, const RECT& clip, const std::string& text,
                 COLORREF colour) {
  if (clip.right <= clip.left) return;
  const int saved = SaveDC(dc);
  IntersectClipRect(dc, clip.left, clip.top, clip.right, clip.bottom);
  SetTextColor(dc, colour);
  RECT box = bar;
  DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &box,
            DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
  RestoreDC(dc, saved);
}

TRIVERTEX Vertex(LONG x, LONG y, COLORREF colour) {
  TRIVERTEX v{};
  v.x = x;
  v.y = y;
  v.Red = static_cast<COLOR16>(GetRValue(colour) << 8);
  v.Green = static_cast<COLOR16>(GetGValue(colour) << 8);
  v.Blue = static_cast<COLOR16>(GetBValue(colour) << 8);
  return v;
}

// A small folder: a tab on top of a body, the body lighter when open.
void DrawFolderSign(HDC dc, int left, int top, int size, bool open) {
  const int tab = std::max(2, size / 3);
  RECT tab_rect{left, top, left + size / 2, top + tab};
  RECT body{left, top + tab - 1, left + size, top + size - 1};
  Fill(dc, tab_rect, RGB(200, 150, 40));
  Fill(dc, body, open ? RGB(255, 224, 120) : RGB(230, 180, 60));
  HBRUSH edge = CreateSolidBrush(RGB(140, 100, 20));
  FrameRect(dc, &body, edge);
  DeleteObject(edge);
}

}  // namespace

int BoundaryColumn(int bar_left, int bar_width, int32_t boundary, int32_t scale_width) {
  if (scale_width <= 0) scale_width = 1;
  const int32_t clamped = std::min(std::max(boundary, 0), scale_width);
  const double share = static_cast<double>(clamped) / scale_width;
  return bar_left + static_cast<int>(std::lround(share * bar_width));
}

void DrawProgressBar(HDC dc, const RECT& area, int32_t boundary, int32_t scale_width,
                     const std::string& caption, HFONT font) {
  Fill(dc, area, GetSysColor(COLOR_BTNFACE));
  FrameRect(dc, &area, GetSysColorBrush(COLOR_BTNSHADOW));
  if (boundary < 0) return;
  const RECT bar{area.left + 1, area.top + 1, area.right - 1, area.bottom - 1};
  if (bar.right <= bar.left || bar.bottom <= bar.top) return;
  const int column = BoundaryColumn(bar.left, bar.right - bar.left, boundary, scale_width);
  const RECT done{bar.left, bar.top, column, bar.bottom};
  const RECT remaining{column, bar.top, bar.right, bar.bottom};
  if (done.right > done.left) Fill(dc, done, kProgressDone);
  if (remaining.right > remaining.left) Fill(dc, remaining, kProgressRemaining);
  if (caption.empty()) return;
  HGDIOBJ old = SelectObject(dc, font);
  SetBkMode(dc, TRANSPARENT);
  DrawCentred(dc, bar, done, caption, RGB(255, 255, 255));
  DrawCentred(dc, bar, remaining, caption, RGB(0, 0, 0));
  SelectObject(dc, old);
}

void DrawSkyPanel(HDC dc, const RECT& area) {
  const LONG middle = area.top + (area.bottom - area.top) * 7 / 10;
  TRIVERTEX vertices[] = {Vertex(area.left, area.top, RGB(28, 58, 96)),
                          Vertex(area.right, middle, RGB(92, 134, 170)),
                          Vertex(area.left, middle, RGB(92, 134, 170)),
                          Vertex(area.right, area.bottom, RGB(150, 178, 196))};
  GRADIENT_RECT parts[] = {{0, 1}, {2, 3}};
  GradientFill(dc, vertices, 4, parts, 2, GRADIENT_FILL_RECT_V);
}

void DrawFolderRow(const DRAWITEMSTRUCT& item, const FolderRow& row, HFONT font) {
  HDC dc = item.hDC;
  const RECT& area = item.rcItem;
  const bool selected = (item.itemState & ODS_SELECTED) != 0;
  Fill(dc, area, GetSysColor(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
  HGDIOBJ old = SelectObject(dc, font);
  TEXTMETRICA metrics{};
  GetTextMetricsA(dc, &metrics);
  const int height = area.bottom - area.top;
  const int sign = std::max(8, height - 4);
  int left = area.left + 2 + row.depth * metrics.tmAveCharWidth * 2;
  DrawFolderSign(dc, left, area.top + (height - sign) / 2, sign, row.open);
  left += sign + 4;
  RECT text{left, area.top, area.right, area.bottom};
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
  DrawTextA(dc, row.label.c_str(), static_cast<int>(row.label.size()), &text,
            DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
  if ((item.itemState & ODS_FOCUS) != 0) DrawFocusRect(dc, &area);
  SelectObject(dc, old);
}

}  // namespace vlrna
