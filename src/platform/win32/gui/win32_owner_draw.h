#ifndef VLRNA_PLATFORM_WIN32_GUI_WIN32_OWNER_DRAW_H_
#define VLRNA_PLATFORM_WIN32_GUI_WIN32_OWNER_DRAW_H_

#include <cstdint>
#include <string>

#include "platform/win32/gui/win32_folder_rows.h"
#include "platform/win32/windows_api.h"

namespace vlrna {

// The colours of the progress bar: the done part left of the boundary, the
// remaining part from it on.
constexpr COLORREF kProgressDone = RGB(16, 128, 16);
constexpr COLORREF kProgressRemaining = RGB(192, 192, 192);

// The pixel column where the remaining part begins, for a bar drawn from
// `bar_left` over `bar_width` pixels and a boundary in the bar's own scale
// (0 to `scale_width`), clamped to the bar.
int BoundaryColumn(int bar_left, int bar_width, int32_t boundary, int32_t scale_width);

// Draws the progress bar into `area`: a one-pixel frame, then, once a
// boundary was set (not negative), the done and the remaining parts with the
// caption centred on both, light on the done part and dark on the rest.
void DrawProgressBar(HDC dc, const RECT& area, int32_t boundary, int32_t scale_width,
                     const std::string& caption, HFONT font);

// The decoration band of a page whose picture area has no picture: a calm
// sky-coloured gradient.
void DrawSkyPanel(HDC dc, const RECT& area);

// One row of a folder list: indented by its depth, an open or closed folder
// sign, its label; highlighted when selected.
void DrawFolderRow(const DRAWITEMSTRUCT& item, const FolderRow& row, HFONT font);

}  // namespace vlrna

#endif  // VLRNA_PLATFORM_WIN32_GUI_WIN32_OWNER_DRAW_H_
