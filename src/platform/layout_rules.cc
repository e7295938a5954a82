#include "platform/layout_rules.h"

#include <algorithm>
#include <map>
#include <utility>

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

bool Overlap(const Rect& a, const Rect& b) {
  return OverlapSideways(a, b) && a.top < b.top + b.height && b.top < a.top + a.height;
}

bool Holds(const Rect& outer, const Rect& inner) {
  return outer.left <= inner.left && outer.top <= inner.top &&
         inner.left + inner.width <= outer.left + outer.width &&
         inner.top + inner.height <= outer.top + outer.height;
}

// Frames and picture areas are backdrops: controls may lie on them.
bool MayHold(const Control& backdrop, const Rect& area, const Rect& other) {
  return (backdrop.kind == ControlKind::kFrame || backdrop.kind == ControlKind::kPicture) &&
         Holds(area, other);
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

bool IsShown(const Page& page, const Control& control) {
  const Control* c = &control;
  // A frame nested deeper than any page nests them is taken as shown.
  for (int depth = 0; depth < 8; ++depth) {
    if (!c->visible) return false;
    if (c->container.empty() || !page.Has(c->container)) return true;
    c = &page[c->container];
  }
  return true;
}

Control AsShown(const Page& page, const Control& control) {
  Control c = control;
  std::string container = control.container;
  for (int depth = 0; depth < 8 && !container.empty() && page.Has(container); ++depth) {
    const Control& holder = page[container];
    c.visible = c.visible && holder.visible;
    c.enabled = c.enabled && holder.enabled;
    container = holder.container;
  }
  return c;
}

std::vector<std::string> ClashingMnemonics(const Page& page) {
  std::map<char, std::vector<std::string>> holders;
  for (const Control& c : page.controls()) {
    if (!IsShown(page, c) || c.kind == ControlKind::kTextBox ||
        c.kind == ControlKind::kMultiLineText) {
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

std::vector<std::string> OverlappingControls(const Page& page, const DrawnRect& drawn) {
  std::vector<std::pair<const Control*, Rect>> areas;
  for (const Control& c : page.controls()) {
    if (!IsShown(page, c)) continue;
    if (std::optional<Rect> area = drawn(c)) areas.emplace_back(&c, *area);
  }
  std::vector<std::string> overlaps;
  for (size_t i = 0; i < areas.size(); ++i) {
    for (size_t j = i + 1; j < areas.size(); ++j) {
      const auto& [a, a_area] = areas[i];
      const auto& [b, b_area] = areas[j];
      if (!Overlap(a_area, b_area)) continue;
      if (MayHold(*a, a_area, b_area) || MayHold(*b, b_area, a_area)) continue;
      overlaps.push_back(a->name + " overlaps " + b->name);
    }
  }
  return overlaps;
}

}  // namespace vlrna
