#ifndef VLRNA_PLATFORM_WIN32_GUI_WIN32_WINDOW_LAYER_H_
#define VLRNA_PLATFORM_WIN32_GUI_WIN32_WINDOW_LAYER_H_

#include <exception>
#include <functional>
#include <map>
#include <memory>
#include <string_view>

#include "platform/ansi_code_page.h"
#include "platform/win32/gui/win32_bitmaps.h"
#include "platform/win32/gui/win32_fonts.h"
#include "platform/win32/gui/win32_main_window.h"
#include "platform/win32/gui/win32_page_window.h"
#include "platform/win32/gui/win32_pixel_scale.h"
#include "platform/win32/windows_api.h"
#include "platform/window.h"

namespace vlrna {

// The window layer drawn with Win32 controls. Pages become modeless dialogs
// owned by the main window, which is disabled while one shows, placed at the
// screen's real resolution; ShowPage returns at once and the user's input
// reaches the pages from the message loop that `Run` enters. After every
// input, and on Refresh, Yield and before a message box, the windows are
// synced with their models.
//
// The layer keeps references to the pages it was given: they must live until
// CloseAll. An exception that a page's handler lets pass is kept: Yield
// raises it again in the handler that yielded, and otherwise the loop ends
// and `Run` raises it. Input to a busy or hidden page is dropped (the
// controls are set back to the model).
class Win32WindowLayer : public WindowLayer {
 public:
  // Texts are ANSI bytes in `code_page` (the machine's, GetACP). Picture paths
  // are Windows paths, opened as they are. Outlives nothing it was given.
  explicit Win32WindowLayer(const AnsiCodePage& code_page);
  ~Win32WindowLayer() override;
  Win32WindowLayer(const Win32WindowLayer&) = delete;
  Win32WindowLayer& operator=(const Win32WindowLayer&) = delete;

  // The message loop: returns when CloseAll ran (or the main window was
  // destroyed) with the code posted, or raises what a handler let pass.
  int Run();

  ScreenInfo Screen() override;
  void ShowMainWindow(Page& main) override;
  void ShowPage(Page& page) override;
  void HidePage(Page& page) override;
  void Refresh(Page& page) override;
  MessageAnswer ShowMessage(const MessageRequest& request) override;
  void Yield() override;
  void CloseAll() override;

  // The windows as they are now; null before they were first shown and
  // after CloseAll.
  HWND MainWindow() const;
  HWND WindowOf(const Page& page) const;
  HWND ControlWindow(const Page& page, std::string_view control) const;
  // The exception a handler let pass and nobody took yet, or null.
  std::exception_ptr TakeError();

 private:
  void Dispatch(Page& page, const std::function<void(Page&)>& input);
  void KeepError(std::exception_ptr error);
  bool LoopMustEnd() const;
  void SyncAll();
  void Translate(MSG& message);
  void PostQuit(int code);
  HWND Owner() const;
  bool AnyPageShowing(const Page* except) const;

  // The A calls take texts in the thread's ANSI code page, which is this one:
  // the model's texts pass as they are.
  const AnsiCodePage& code_page_;
  PixelScale scale_;
  FontCache fonts_;
  BitmapCache bitmaps_;
  std::unique_ptr<Win32MainWindow> main_;
  std::map<const Page*, std::unique_ptr<Win32PageWindow>> pages_;
  std::exception_ptr error_;
  int dispatch_depth_ = 0;
  int yield_depth_ = 0;
  bool running_ = false;      // inside Run
  bool quit_posted_ = false;  // a quit of ours waits in the queue
};

}  // namespace vlrna

#endif  // VLRNA_PLATFORM_WIN32_GUI_WIN32_WINDOW_LAYER_H_
