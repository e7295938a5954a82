#ifndef VLRNA_PLATFORM_HEADLESS_HEADLESS_WINDOW_H_
#define VLRNA_PLATFORM_HEADLESS_HEADLESS_WINDOW_H_

#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/window.h"

namespace vlrna {

// A window layer without a screen. Tests and unattended runs act as the user:
// they click controls of the visible page by name, choose options and list
// items, and answer message boxes by id. Everything shown is recorded.
//
// Acting on a control that the user could not reach (no page visible, the
// control hidden or disabled) raises std::logic_error, and so does a message
// box nobody answered: a test must not pass by doing what a user cannot.
// Input to a busy page is what a user can give but the window drops: it is
// counted and does nothing.
//
// Input given with DuringNextYield arrives as the event loop would deliver
// it: inside the next Yield. What its handler lets pass is kept and raised
// again by that Yield, as every renderer does.
class HeadlessWindow : public WindowLayer {
 public:
  explicit HeadlessWindow(ScreenInfo screen = {}) : screen_(screen) {}

  // --- What the user does.
  void Click(std::string_view control);
  void ChooseOption(std::string_view control);
  void ChooseListItem(std::string_view control, std::string_view item);
  void EditText(std::string_view control, std::string text);
  // Queues input (one of the calls above) to be given inside the next Yield.
  void DuringNextYield(std::function<void()> input) { pending_.push_back(std::move(input)); }

  // Queues the answer for the next box with this id.
  void Answer(const std::string& id, MessageAnswer answer);
  // The answer for boxes of this id that have no queued answer.
  void AnswerAlways(const std::string& id, MessageAnswer answer);
  // Answers the boxes that have no answer queued or set, in place of
  // refusing them (an unattended run chooses the answer that ends safely).
  void set_fallback_answer(std::function<MessageAnswer(const MessageRequest&)> fallback) {
    fallback_ = std::move(fallback);
  }
  // Called with every box and the answer it gets (an unattended run shows
  // them).
  void set_on_message(std::function<void(const MessageRequest&, MessageAnswer)> on_message) {
    on_message_ = std::move(on_message);
  }
  // Called at every Yield, after the queued input: what the user does while
  // long work runs.
  void set_on_yield(std::function<void()> on_yield) { on_yield_ = std::move(on_yield); }
  // Boxes with only an OK button are confirmed without an answer queued.
  void set_confirm_ok_boxes(bool confirm) { confirm_ok_boxes_ = confirm; }

  // --- What was shown.
  Page* visible_page() const { return visible_; }
  Page* main_window() const { return main_; }
  const std::vector<MessageRequest>& messages() const { return messages_; }
  // "show Setup at 6885,4635", "hide Setup", "main window", "close all".
  const std::vector<std::string>& events() const { return events_; }
  int yields() const { return yields_; }
  int dropped_inputs() const { return dropped_; }
  int refreshes() const { return refreshes_; }
  bool closed() const { return closed_; }

  ScreenInfo Screen() override { return screen_; }
  void ShowMainWindow(Page& main) override;
  void ShowPage(Page& page) override;
  void HidePage(Page& page) override;
  void Refresh(Page& page) override;
  MessageAnswer ShowMessage(const MessageRequest& request) override;
  void Yield() override;
  void CloseAll() override;

 private:
  // The control the user acts on, or null when the page is busy and drops
  // the input.
  Control* Reachable(std::string_view control);

  ScreenInfo screen_;
  Page* main_ = nullptr;
  Page* visible_ = nullptr;
  std::map<std::string, std::deque<MessageAnswer>> queued_;
  std::map<std::string, MessageAnswer> always_;
  bool confirm_ok_boxes_ = true;
  MessageAnswer AnswerFor(const MessageRequest& request);

  std::function<MessageAnswer(const MessageRequest&)> fallback_;
  std::function<void(const MessageRequest&, MessageAnswer)> on_message_;
  std::function<void()> on_yield_;
  std::vector<MessageRequest> messages_;
  std::vector<std::string> events_;
  std::deque<std::function<void()>> pending_;
  int yields_ = 0;
  int dropped_ = 0;
  int refreshes_ = 0;
  bool closed_ = false;
};

}  // namespace vlrna

#endif  // VLRNA_PLATFORM_HEADLESS_HEADLESS_WINDOW_H_
