#include "platform/qt/background_window.h"

#include <QCloseEvent>
#include <utility>

#include "platform/qt/qt_text.h"

namespace vlrna {
namespace {

constexpr char kBackground[] = "picBackground";

}  // namespace

BackgroundWindow::BackgroundWindow(Page& page, PageWindow::PictureMapper map_picture,
                                   const QtText& text)
    : page_(page),
      map_picture_(std::move(map_picture)),
      text_(text),
      background_(
          new PictureWidget(PictureWidget::Fit::kStretch, PictureWidget::Empty::kNothing, this)) {
  setObjectName(QString::fromStdString(page.name()));
  background_->setObjectName(kBackground);
  setAutoFillBackground(true);
  QPalette dark = palette();
  dark.setColor(QPalette::Window, QColor(0x20, 0x28, 0x30));
  setPalette(dark);
  Sync();
}

void BackgroundWindow::Sync() {
  setWindowTitle(text_.FromAnsi(page_.caption));
  if (!page_.Has(kBackground)) return;
  const std::string& picture = page_[kBackground].picture;
  background_->Load(picture.empty() ? QString() : map_picture_(picture));
  background_->setAccessibleName(windowTitle());
}

void BackgroundWindow::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  background_->setGeometry(rect());
}

void BackgroundWindow::closeEvent(QCloseEvent* event) {
  if (close_allowed_) {
    QWidget::closeEvent(event);
  } else {
    event->ignore();
  }
}

}  // namespace vlrna
