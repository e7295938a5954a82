#ifndef VLRNA_PLATFORM_QT_QT_WINDOW_LAYER_H_
#define VLRNA_PLATFORM_QT_QT_WINDOW_LAYER_H_

#include <exception>
#include <functional>
#include <map>
#include <memory>
#include <string>

#include "platform/qt/background_window.h"
#include "platform/qt/page_window.h"
#include "platform/qt/qt_text.h"
#include "platform/window.h"

class QApplication;

namespace vlrna {

// Maps a Windows path ("C:\Setup\vlrna_1920.bmp", ANSI bytes) to a native
// path (bytes in the file system's encoding).
using PathMapper = std::function<std::string(const std::string& windows_path)>;

// The window layer drawn with Qt Widgets. Pages become application-modal
// dialogs owned by the main window, placed with the screen's logical
// resolution; ShowPage returns at once and the user's input reaches the
// pages from the event loop that `Run` enters. After every input, and on
// Refresh, Yield and before a message box, the windows are synced with their
// models.
//
// The layer keeps references to the pages it was given: they must live until
// CloseAll.
//
// An exception that a page's handler lets pass is kept: Yield raises it again
// in the handler that yielded, and otherwise the event loop ends and `Run`
// raises it. Input to a busy or hidden page is dropped (the widgets are set
// back to the model).
class QtWindowLayer : public WindowLayer {
 public:
  // Needs a QApplication that outlives the layer. Texts are converted
  // through `code_page`, the machine's, which must outlive the layer too.
  QtWindowLayer(PathMapper map_path, const AnsiCodePage& code_page);
  ~QtWindowLayer() override;

  // Enters the event loop; returns its exit code, or raises what a handler
  // let pass.
  int Run();

  ScreenInfo Screen() override;
  void ShowMainWindow(Page& main) override;
  void ShowPage(Page& page) override;
  void HidePage(Page& page) override;
  void Refresh(Page& page) override;
  MessageAnswer ShowMessage(const MessageRequest& request) override;
  void Yield() override;
  void CloseAll() override;

  // The windows as they are now; null before they were first shown.
  BackgroundWindow* main_window() const { return main_.get(); }
  PageWindow* WindowOf(const Page& page) const;
  // The exception a handler let pass and nobody took yet, or null.
  std::exception_ptr TakeError();

 private:
  friend std::unique_ptr<QtWindowLayer> MakeQtWindowLayer(int&, char**, PathMapper,
                                                          const AnsiCodePage&);

  void Dispatch(Page& page, const std::function<void(Page&)>& input);
  void SyncAll();
  QString NativePicture(const std::string& windows_path) const;
  QWidget* Owner() const;

  std::unique_ptr<QApplication> app_;  // when the layer made the application
  PathMapper map_path_;
  QtText text_;
  TwipScale scale_;
  std::unique_ptr<BackgroundWindow> main_;
  std::map<const Page*, std::unique_ptr<PageWindow>> pages_;
  std::exception_ptr error_;
  int dispatch_depth_ = 0;
  bool running_ = false;  // inside Run
};

// Makes the application (with the Qt translations of the system's language
// for the standard buttons) and the layer that owns it.
std::unique_ptr<QtWindowLayer> MakeQtWindowLayer(int& argc, char** argv, PathMapper map_path,
                                                 const AnsiCodePage& code_page);

// Whether a window system can be reached: DISPLAY or WAYLAND_DISPLAY is set,
// or QT_QPA_PLATFORM names a platform plugin explicitly (offscreen included).
bool HasDisplay();

}  // namespace vlrna

#endif  // VLRNA_PLATFORM_QT_QT_WINDOW_LAYER_H_
