#include "platform/headless/headless_window.h"

#include <exception>
#include <stdexcept>

namespace vlrna {

Control* HeadlessWindow::Reachable(std::string_view control) {
  if (visible_ == nullptr) {
    throw std::logic_error("no page is visible to act on " + std::string(control));
  }
  Control& c = (*visible_)[control];
  if (visible_->busy) {
    ++dropped_;
    return nullptr;
  }
  // A frame that is hidden or disabled takes what it holds with it.
  for (const Control* at = &c; at != nullptr;
       at = at->container.empty() ? nullptr : &(*visible_)[at->container]) {
    if (!at->visible || !at->enabled) {
      throw std::logic_error(visible_->name() + "." + c.name + " is " +
                             (at->visible ? "disabled" : "hidden") +
                             (at == &c ? "" : " with its frame " + at->name));
    }
  }
  return &c;
}

void HeadlessWindow::Click(std::string_view control) {
  if (Reachable(control) != nullptr) visible_->Click(control);
}

void HeadlessWindow::ChooseOption(std::string_view control) {
  if (Reachable(control) != nullptr) visible_->ChooseOption(control);
}

void HeadlessWindow::ChooseListItem(std::string_view control, std::string_view item) {
  Control* found = Reachable(control);
  if (found == nullptr) return;
  Control& c = *found;
  for (size_t i = 0; i < c.items.size(); ++i) {
    if (c.items[i] == item) {
      visible_->ChooseListItem(control, static_cast<int32_t>(i));
      return;
    }
  }
  throw std::logic_error(visible_->name() + "." + c.name + " has no item " + std::string(item));
}

void HeadlessWindow::EditText(std::string_view control, std::string text) {
  Control* c = Reachable(control);
  if (c == nullptr) return;
  if (c->read_only) throw std::logic_error(c->name + " is read-only");
  visible_->EditText(control, std::move(text));
}

void HeadlessWindow::Answer(const std::string& id, MessageAnswer answer) {
  queued_[id].push_back(answer);
}

void HeadlessWindow::AnswerAlways(const std::string& id, MessageAnswer answer) {
  always_[id] = answer;
}

void HeadlessWindow::ShowMainWindow(Page& main) {
  main_ = &main;
  main.visible = true;
  events_.push_back("main window");
}

void HeadlessWindow::ShowPage(Page& page) {
  if (visible_ != nullptr && visible_ != &page) {
    throw std::logic_error("showing " + page.name() + " while " + visible_->name() +
                           " is still visible");
  }
  visible_ = &page;
  page.visible = true;
  events_.push_back("show " + page.name() + " at " + std::to_string(page.left) + "," +
                    std::to_string(page.top));
}

void HeadlessWindow::HidePage(Page& page) {
  page.visible = false;
  if (visible_ == &page) visible_ = nullptr;
  events_.push_back("hide " + page.name());
}

void HeadlessWindow::Refresh(Page& /*page*/) { ++refreshes_; }

void HeadlessWindow::Yield() {
  ++yields_;
  std::exception_ptr error;
  if (on_yield_) pending_.push_back(on_yield_);
  while (!pending_.empty()) {
    std::function<void()> input = std::move(pending_.front());
    pending_.pop_front();
    try {
      input();
    } catch (...) {
      if (error == nullptr) error = std::current_exception();
    }
  }
  if (error != nullptr) std::rethrow_exception(error);
}

MessageAnswer HeadlessWindow::ShowMessage(const MessageRequest& request) {
  messages_.push_back(request);
  const MessageAnswer answer = AnswerFor(request);
  if (on_message_) on_message_(request, answer);
  return answer;
}

MessageAnswer HeadlessWindow::AnswerFor(const MessageRequest& request) {
  auto queued = queued_.find(request.id);
  if (queued != queued_.end() && !queued->second.empty()) {
    MessageAnswer answer = queued->second.front();
    queued->second.pop_front();
    return answer;
  }
  auto always = always_.find(request.id);
  if (always != always_.end()) return always->second;
  if (request.buttons == MessageButtons::kOk && confirm_ok_boxes_) return kAnswerOk;
  if (fallback_) return fallback_(request);
  throw std::logic_error("nobody answered message box " + request.id + ": " + request.text);
}

void HeadlessWindow::CloseAll() {
  if (visible_ != nullptr) visible_->visible = false;
  visible_ = nullptr;
  if (main_ != nullptr) main_->visible = false;
  closed_ = true;
  events_.push_back("close all");
}

}  // namespace vlrna
