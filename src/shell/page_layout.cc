#include "shell/page_layout.h"

#include <utility>

namespace vlrna {
namespace {

constexpr int32_t kMargin = 120;
constexpr int32_t kBandWidth = 2100;
constexpr int32_t kSeparatorTop = 4590;
constexpr int32_t kButtonTop = 4755;
constexpr int32_t kButtonWidth = 1275;
constexpr int32_t kButtonHeight = 375;

}  // namespace

Control& AddControl(Page& page, std::string name, ControlKind kind, Rect rect, std::string text,
                    std::string container) {
  Control c;
  c.name = std::move(name);
  c.kind = kind;
  c.rect = rect;
  c.text = std::move(text);
  c.container = std::move(container);
  return page.Add(std::move(c));
}

void AddStandardControls(Page& page) {
  const int32_t w = page.client_width();
  AddControl(page, "Pic_1", ControlKind::kPicture, {0, 0, kBandWidth, kSeparatorTop});
  AddControl(page, "Frame1", ControlKind::kFrame, {kMargin, kSeparatorTop, w - 2 * kMargin, 30});
  const int32_t quit_left = w - kMargin - kButtonWidth;
  const int32_t next_left = quit_left - 180 - kButtonWidth;
  const int32_t prev_left = next_left - 45 - kButtonWidth;
  AddControl(page, "Cmd_Prev", ControlKind::kButton,
             {prev_left, kButtonTop, kButtonWidth, kButtonHeight}, "< &Back");
  AddControl(page, "Cmd_Next", ControlKind::kButton,
             {next_left, kButtonTop, kButtonWidth, kButtonHeight}, "&Next >")
      .is_default = true;
  AddControl(page, "Cmd_Quit", ControlKind::kButton,
             {quit_left, kButtonTop, kButtonWidth, kButtonHeight}, "&Cancel")
      .is_cancel = true;
}

Rect ContentArea(const Page& page) {
  const int32_t left = kBandWidth + 180;
  return {left, 180, page.client_width() - left - 180, kSeparatorTop - 300};
}

}  // namespace vlrna
