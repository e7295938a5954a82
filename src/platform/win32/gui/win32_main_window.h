#ifndef VLRNA_PLATFORM_WIN32_GUI_WIN32_MAIN_WINDOW_H_
#define VLRNA_PLATFORM_WIN32_GUI_WIN32_MAIN_WINDOW_H_

#include <exception>
#include <functional>

#include "platform/page_model.h"
#include "platform/win32/gui/win32_bitmaps.h"
#include "platform/win32/windows_api.h"

namespace vlrna {

// The main window: the caption of its page and the picture of its control
// "picBackground" stretched over the whole client area, on a dark ground
// where there is none. The user cannot close it; the program does.
class Win32MainWindow {
 public:
  // `bitmaps` must outlive the window. `on_destroyed` runs when the window
  // goes other than through Close (the system ended it).
  Win32MainWindow(Page& page, BitmapCache& bitmaps, std::function<void()> on_destroyed,
                  std::function<void(std::exception_ptr)> keep_error);
  ~Win32MainWindow();
  Win32MainWindow(const Win32MainWindow&) = delete;
  Win32MainWindow& operator=(const Win32MainWindow&) = delete;

  Page& page() const { return page_; }
  // Null once closed.
  HWND hwnd() const { return hwnd_; }

  void Sync();
  void ShowMaximised();
  // Destroys the window for good.
  void Close();

 private:
  static LRESULT CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam);
  LRESULT Handle(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam);
  void Paint();
  void DropScaled();

  Page& page_;
  BitmapCache& bitmaps_;
  std::function<void()> on_destroyed_;
  std::function<void(std::exception_ptr)> keep_error_;
  HWND hwnd_ = nullptr;
  HBITMAP shown_picture_ = nullptr;
  HBITMAP scaled_ = nullptr;  // the picture at the client size last drawn
  SIZE scaled_size_{};
};

}  // namespace vlrna

#endif  // VLRNA_PLATFORM_WIN32_GUI_WIN32_MAIN_WINDOW_H_
