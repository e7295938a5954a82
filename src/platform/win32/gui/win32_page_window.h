#ifndef VLRNA_PLATFORM_WIN32_GUI_WIN32_PAGE_WINDOW_H_
#define VLRNA_PLATFORM_WIN32_GUI_WIN32_PAGE_WINDOW_H_

#include <cstdint>
#include <exception>
#include <functional>
#include <map>
#include <string>
#include <string_view>

#include "platform/page_model.h"
#include "platform/win32/gui/win32_bitmaps.h"
#include "platform/win32/gui/win32_fonts.h"
#include "platform/win32/gui/win32_pixel_scale.h"
#include "platform/win32/windows_api.h"

namespace vlrna {

// What a page window needs from its window layer.
struct PageWindowServices {
  // Runs one call of the page's input methods on behalf of the window; the
  // layer catches what it raises and syncs the windows after.
  std::function<void(const std::function<void(Page&)>& input)> dispatch;
  // Keeps an exception that must not leave a window procedure.
  std::function<void(std::exception_ptr)> keep_error;
};

// The window of one page: a modeless dialog of the page's fixed client size
// whose child windows are made from the page's controls and kept in line
// with them by `Sync`. The user's input goes to the page's input methods
// through the layer's dispatch, never straight to the model.
//
// Keyboard (through IsDialogMessageA in the layer's loop): Tab walks the
// controls in the core's reading order, arrows move within an option group,
// Enter presses the default button, Esc and the close button press the
// cancel button, Alt with a caption's `&` letter goes to that control.
class Win32PageWindow {
 public:
  // `fonts` and `bitmaps` must outlive the window. `scale` is that of the
  // screen the window starts on; it follows the window to other screens.
  Win32PageWindow(Page& page, HWND owner, PixelScale scale, FontCache& fonts, BitmapCache& bitmaps,
                  PageWindowServices services);
  ~Win32PageWindow();
  Win32PageWindow(const Win32PageWindow&) = delete;
  Win32PageWindow& operator=(const Win32PageWindow&) = delete;

  Page& page() const { return page_; }
  // Null once closed.
  HWND hwnd() const { return hwnd_; }
  bool IsShowing() const { return hwnd_ != nullptr && IsWindowVisible(hwnd_) != 0; }

  // Brings the window in line with the model: caption, position, size and
  // every control (made on first sight). Only changed controls are touched.
  void Sync();
  // Shows the window and makes it the active one.
  void Show();
  void Hide();
  // Destroys the window for good; the object stays, doing nothing.
  void Close();

  // The child window of a control, or null (a progress bar's caption has
  // none: the bar draws it).
  HWND ControlWindow(std::string_view control) const;
  // Gives the focus to where the user starts: the selected option, else the
  // default button.
  void FocusStart();
  // Enter on a folder list opens the highlighted folder instead of pressing
  // the default button: true when `message` was that key and was handled.
  bool OpenFolderOnEnter(const MSG& message);

 private:
  static INT_PTR CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam);
  INT_PTR Handle(UINT message, WPARAM wparam, LPARAM lparam);
  void OnCommand(int id, int code);
  void OnControlInput(const Control& c, int code, HWND window);
  void OnDriveListInput(const Control& c, int code, HWND window);
  bool OnDrawItem(const DRAWITEMSTRUCT& item);
  INT_PTR OnColour(HDC dc, HWND window);
  void OnMoved();
  void OnDpiChanged(int dpi_x, int dpi_y, const RECT& suggested);
  void PressCancel();
  void Input(const std::string& control, std::function<void(Page&)> input);

  void Place();
  void MakeMissing();
  void OrderWindows();
  void Apply(const Control& c);
  void ApplyContent(const Control& c, HWND window, const PixelRect& box);
  HFONT FitLabel(const Control& c, PixelRect& box);
  const Control* ProgressBarHolding(const Control& label) const;
  const Control* CaptionOf(const std::string& bar) const;
  const Control* ShownByWindow(HWND window) const;

  Page& page_;
  PixelScale scale_;
  FontCache& fonts_;
  BitmapCache& bitmaps_;
  PageWindowServices services_;
  HWND hwnd_ = nullptr;
  std::map<std::string, HWND, std::less<>> windows_;
  std::map<int, std::string> names_;                   // by command id
  std::map<std::string, Control, std::less<>> shown_;  // the model as last applied
  int32_t shown_left_ = INT32_MIN;
  int32_t shown_top_ = INT32_MIN;
  bool syncing_ = false;
};

}  // namespace vlrna

#endif  // VLRNA_PLATFORM_WIN32_GUI_WIN32_PAGE_WINDOW_H_
