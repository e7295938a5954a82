#ifndef VLRNA_PLATFORM_WINDOW_H_
#define VLRNA_PLATFORM_WINDOW_H_

#include <cstdint>
#include <string>

#include "platform/page_model.h"

namespace vlrna {

struct ScreenInfo {
  int32_t width_twips = 1920 * 15;
  int32_t height_twips = 1080 * 15;
  int32_t twips_per_pixel_x = 15;
  int32_t twips_per_pixel_y = 15;
};

enum class MessageIcon { kNone, kCritical, kQuestion, kExclamation, kInformation };
enum class MessageButtons { kOk, kOkCancel, kYesNo, kRetryCancel };

// Answers numbered as the classic message box numbers them.
enum MessageAnswer : int32_t {
  kAnswerOk = 1,
  kAnswerCancel = 2,
  kAnswerRetry = 4,
  kAnswerYes = 6,
  kAnswerNo = 7,
};

// One message box. `id` is stable across versions and languages, so that a
// test or an unattended run can answer the box by it ("confirm-quit").
struct MessageRequest {
  std::string id;
  std::string text;
  std::string title;
  MessageIcon icon = MessageIcon::kNone;
  MessageButtons buttons = MessageButtons::kOk;
};

// The window system: one main window, pages shown one at a time over it, and
// message boxes. Texts are bytes in the ANSI code page.
//
// The contract every renderer holds (headless, Qt, Win32):
// - Input reaches a page only through its input methods (Page::Click and the
//   like), and only while the page is visible, not busy, and the control and
//   every frame holding it are visible and enabled. Input to a busy page
//   (Page::busy, set by long work inside a handler) is dropped, whether it
//   arrives from the event loop or during Yield.
// - An exception a page handler lets pass never crosses the toolkit's event
//   loop: the layer keeps the first one and raises it again where the core
//   waits: in the Yield that the handler called, else where the core entered
//   the event loop (the renderer's Run).
// - Lists and progress bars show what the page model says (page_model.h);
//   layout rules that need no toolkit (label fitting, tab order) come from
//   the core, so every renderer applies the same ones.
class WindowLayer {
 public:
  virtual ~WindowLayer() = default;

  virtual ScreenInfo Screen() = 0;

  // Shows the main window maximised, drawn from its model: the caption and the
  // picture of its control "picBackground", scaled to the client area.
  virtual void ShowMainWindow(Page& main) = 0;

  // Shows `page` at its left and top, owned by the main window and modal: the
  // only window that takes input. Returns at once; the user's input reaches
  // the page through its input methods.
  virtual void ShowPage(Page& page) = 0;
  virtual void HidePage(Page& page) = 0;

  // Brings what is on the screen in line with the page's model at once.
  virtual void Refresh(Page& page) = 0;

  // Shows a modal message box and returns the button pressed.
  virtual MessageAnswer ShowMessage(const MessageRequest& request) = 0;

  // Processes the window events that are pending, once, so the windows
  // repaint and move during long work. Raises again what a handler run from
  // these events let pass.
  virtual void Yield() = 0;

  // Closes every page and the main window. Never raises.
  virtual void CloseAll() = 0;
};

}  // namespace vlrna

#endif  // VLRNA_PLATFORM_WINDOW_H_
