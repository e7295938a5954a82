#include "platform/page_model.h"

#include <stdexcept>
#include <utility>

namespace vlrna {

Page::Page(std::string name, int32_t client_width, int32_t client_height)
    : name_(std::move(name)), client_width_(client_width), client_height_(client_height) {}

Control& Page::Add(Control control) {
  if (Has(control.name)) throw std::logic_error("control added twice: " + control.name);
  controls_.push_back(std::move(control));
  return controls_.back();
}

bool Page::Has(std::string_view name) const {
  for (const Control& c : controls_) {
    if (c.name == name) return true;
  }
  return false;
}

Control& Page::operator[](std::string_view name) {
  for (Control& c : controls_) {
    if (c.name == name) return c;
  }
  throw std::out_of_range(name_ + " has no control " + std::string(name));
}

const Control& Page::operator[](std::string_view name) const {
  return const_cast<Page&>(*this)[name];
}

void Page::SetOption(std::string_view name) {
  Control& chosen = (*this)[name];
  for (Control& c : controls_) {
    if (c.kind == ControlKind::kOption && c.container == chosen.container) c.value = false;
  }
  chosen.value = true;
}

std::string Page::SelectedOption(std::string_view container) const {
  for (const Control& c : controls_) {
    if (c.kind == ControlKind::kOption && c.container == container && c.value) return c.name;
  }
  return "";
}

void Page::Click(std::string_view name) {
  const Control& c = (*this)[name];
  OnClick(c.name);
}

void Page::ChooseOption(std::string_view name) {
  SetOption(name);
  OnChange(std::string(name));
}

void Page::ChooseListItem(std::string_view name, int32_t index) {
  Control& c = (*this)[name];
  if (index < 0 || index >= static_cast<int32_t>(c.items.size())) {
    throw std::out_of_range(name_ + "." + c.name + " has no item " + std::to_string(index));
  }
  c.list_index = index;
  c.text = c.items[index];
  OnChange(c.name);
}

void Page::EditText(std::string_view name, std::string text) {
  Control& c = (*this)[name];
  c.text = std::move(text);
  OnChange(c.name);
}

}  // namespace vlrna
