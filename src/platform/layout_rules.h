#ifndef VLRNA_PLATFORM_LAYOUT_RULES_H_
#define VLRNA_PLATFORM_LAYOUT_RULES_H_

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/page_model.h"

namespace vlrna {

// Layout rules every renderer applies the same way. They need no toolkit: a
// renderer only measures text for them.

// The controls that take the keyboard focus, in the order Tab walks them: row
// by row from the top, each row from the left. Controls whose tops lie within
// 120 twips of a row's first control belong to that row. Labels, frames and
// picture areas take no focus.
std::vector<const Control*> TabOrder(const Page& page);

// The height in twips a label may grow to: down to 45 twips above the
// nearest visible control below it that overlaps it sideways, or to the
// page's bottom; never less than its own height.
int32_t RoomBelow(const Page& page, const Control& label);

// How a label's text is drawn: the size of its font and its height in twips.
struct LabelFit {
  double points = 0;
  int32_t height = 0;
};

// The width and height in twips that a text needs when wrapped at words into
// `width` twips, drawn at `points`.
using MeasureText = std::function<void(double points, int32_t width, int32_t& needed_width,
                                       int32_t& needed_height)>;

// Fits a label's text: a text longer than its label (a translation, a larger
// face) first takes the free room below the label, and only then is drawn
// smaller, in half points down to three quarters of `points`; it is never
// cut off while there is a size that fits.
LabelFit FitLabel(const Page& page, const Control& label, double points,
                  const MeasureText& measure);

// Whether the user can see `control`: it is visible and so is every frame
// that holds it.
bool IsShown(const Page& page, const Control& control);

// `control` as the user sees it: a frame holds its controls, so hidden or
// disabled it hides or disables them with it, as the classic frame does.
Control AsShown(const Page& page, const Control& control);

// The mnemonic letters ("&Next" gives 'n') that two shown controls of the
// page share, as "n: Cmd_Next, Cmd_Options". Empty when every letter is
// unique.
std::vector<std::string> ClashingMnemonics(const Page& page);

// Where a renderer drew a control, in any one unit for all controls; nullopt
// for a control it drew no area of its own for (a progress bar's caption).
using DrawnRect = std::function<std::optional<Rect>(const Control&)>;

// The pairs of shown controls whose drawn areas overlap, as "Lab_1 overlaps
// Lab_2" in the page's order. A frame or picture area may hold controls that
// lie wholly inside it; one that reaches over its edge overlaps it. Empty
// when nothing overlaps.
std::vector<std::string> OverlappingControls(const Page& page, const DrawnRect& drawn);

}  // namespace vlrna

#endif  // VLRNA_PLATFORM_LAYOUT_RULES_H_
