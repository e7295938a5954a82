#include "platform/layout_rules.h"

#include <algorithm>
#include <map>

#include "platform/ascii_case.h"

namespace vlrna {
namespace {

constexpr int32_t kLabelGap = 45;
constexpr int32_t kRowTolerance = 120;

bool TakesFocus(ControlKind kind) {
  return kind != ControlKind::kLabel && kind != ControlKind::kFrame &&
         kind != ControlKind::kPicture && kind != ControlKind::kProgressBar;
}

bool OverlapSideways(const Rect& a, const Rect& b) {
  return a.left < b.left + b.width && b.left < a.left + a.width;
}

// The mnemonic letter of a caption in lower case, or 0; "&&" is a literal
// ampersand.
char MnemonicOf(const std::string& text) {
  for (size_t i = 0; i + 1 < text.size(); ++i) {
    if (text[i] != '&') continue;
    if (text[i + 1] == '&') {
      ++i;
      continue;
    }
    return AsciiLower(text[i + 1]);
  }
  return 0;
}

}  // namespace

std::vector<const Control*> TabOrder(const Page& page) {
  std::vector<const Control*> order;
  for (const Control& c : page.controls()) {
    if (TakesFocus(c.kind)) order.push_back(&c);
  }
  std::stable_sort(order.begin(), order.end(),
                   [](const Control* a, const Control* b) { return a->rect.top < b->rect.top; });
  for (size_t row = 0; row < order.size();) {
    size_t end = row + 1;
    while (end < order.size() && order[end]->rect.top - order[row]->rect.top < kRowTolerance) ++end;
    std::stable_sort(
        order.begin() + row, order.begin() + end,
        [](const Control* a, const Control* b) { return a->rect.left < b->rect.left; });
    row = end;
  }
  return order;
}

int32_t RoomBelow(const Page& page, const Control& label) {
  const Rect& r = label.rect;
  int32_t limit = page.client_height();
  for (const Control& other : page.controls()) {
    if (&other == &label || other.name == label.name || !other.visible) continue;
    if (other.rect.top <= r.top || !OverlapSideways(other.rect, r)) continue;
    limit = std::min(limit, other.rect.top - kLabelGap);
  }
  return std::max(limit - r.top, r.height);
}

LabelFit FitLabel(const Page& page, const Control& label, double points,
                  const MeasureText& measure) {
  const int32_t room = RoomBelow(page, label);
  const double smallest = points * 0.75;
  LabelFit fit{points, label.rect.height};
  for (;;) {
    int32_t width = 0;
    int32_t height = 0;
    measure(fit.points, label.rect.width, width, height);
    const bool fits = height <= room && width <= label.rect.width;
    if (fits || fit.points - 0.5 < smallest) {
      fit.height = std::max(label.rect.height, std::min(height, room));
      return fit;
    }
    fit.points -= 0.5;
  }
}

std::vector<std::string> ClashingMnemonics(const Page& page) {
  std::map<char, std::vector<std::string>> holders;
  for (const Control& c : page.controls()) {
    if (!c.visible || c.kind == ControlKind::kTextBox || c.kind == ControlKind::kMultiLineText) {
      continue;
    }
    if (char letter = MnemonicOf(c.text)) holders[letter].push_back(c.name);
  }
  std::vector<std::string> clashes;
  for (const auto& [letter, names] : holders) {
    if (names.size() < 2) continue;
    std::string line = std::string(1, letter) + ":";
    for (size_t i = 0; i < names.size(); ++i) line += (i == 0 ? " " : ", ") + names[i];
    clashes.push_back(line);
  }
  return clashes;
}

}  // namespace vlrna
