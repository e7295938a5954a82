#ifndef VLRNA_PLATFORM_QT_BACKGROUND_WINDOW_H_
#define VLRNA_PLATFORM_QT_BACKGROUND_WINDOW_H_

#include <QWidget>

#include "platform/page_model.h"
#include "platform/qt/control_widgets.h"
#include "platform/qt/page_window.h"

namespace vlrna {

// The main window: the caption of its page and the picture of its control
// "picBackground" scaled to the whole client area, re-scaled on every resize.
// A missing picture leaves the background empty. The window does not close on
// the user's request; the program ends through its own exit.
class BackgroundWindow : public QWidget {
 public:
  // `text` converts the model's texts; it must outlive the window.
  BackgroundWindow(Page& page, PageWindow::PictureMapper map_picture, const QtText& text);

  Page& page() const { return page_; }
  void Sync();
  const PictureWidget& background() const { return *background_; }
  void AllowClose() { close_allowed_ = true; }

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  Page& page_;
  PageWindow::PictureMapper map_picture_;
  const QtText& text_;
  PictureWidget* background_;
  bool close_allowed_ = false;
};

}  // namespace vlrna

#endif  // VLRNA_PLATFORM_QT_BACKGROUND_WINDOW_H_
