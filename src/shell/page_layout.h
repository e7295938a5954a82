#ifndef VLRNA_SHELL_PAGE_LAYOUT_H_
#define VLRNA_SHELL_PAGE_LAYOUT_H_

#include <string>

#include "platform/page_model.h"

namespace vlrna {

// Client sizes of the wizard's pages, in twips.
inline constexpr int32_t kPageWidth = 7305;
inline constexpr int32_t kWidePageWidth = 7635;  // destination and manual path pages
inline constexpr int32_t kPageHeight = 5295;

// Adds what every page carries: the picture band `Pic_1` on the left, the
// separator `Frame1` above the buttons, and the buttons `Cmd_Prev`,
// `Cmd_Next` (the default button) and `Cmd_Quit` (pressed by Esc).
void AddStandardControls(Page& page);

// The area right of the picture band and above the separator, where a page
// puts its own controls.
Rect ContentArea(const Page& page);

// Adds a control of `kind` at `rect` with `text`.
Control& AddControl(Page& page, std::string name, ControlKind kind, Rect rect,
                    std::string text = "", std::string container = "");

}  // namespace vlrna

#endif  // VLRNA_SHELL_PAGE_LAYOUT_H_
