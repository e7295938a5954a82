#ifndef VLRNA_PLATFORM_QT_LAYOUT_CHECK_H_
#define VLRNA_PLATFORM_QT_LAYOUT_CHECK_H_

#include <string>
#include <vector>

#include "platform/qt/page_window.h"

namespace vlrna {

// What a user of the shown page would find wrong with its layout, one line
// per problem, each starting with the page's name:
// - two shown controls share a mnemonic letter;
// - two shown widgets overlap, unless a frame or picture area holds the other;
// - a widget reaches outside the page;
// - a text does not fit its widget at the font it is drawn with: a label's
//   wrapped text is taller than the label or holds a word wider than it; a
//   button's, option's or frame's caption is wider or taller than its room.
// Texts of the edit fields and lists scroll and are not judged. Empty when
// the page is sound. Judged in the window's logical pixels, as laid out now.
std::vector<std::string> LayoutProblems(const PageWindow& window);

}  // namespace vlrna

#endif  // VLRNA_PLATFORM_QT_LAYOUT_CHECK_H_
