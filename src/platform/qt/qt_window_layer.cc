#include "platform/qt/qt_window_layer.h"

#include <QApplication>
#include <QFile>
#include <QLibraryInfo>
#include <QLocale>
#include <QScreen>
#include <QTranslator>
#include <cmath>
#include <cstdlib>
#include <utility>

#include "platform/qt/message_box.h"

namespace vlrna {

QtWindowLayer::QtWindowLayer(PathMapper map_path, const AnsiCodePage& code_page)
    : map_path_(std::move(map_path)), text_(code_page), scale_(TwipScale::OfPrimaryScreen()) {}

QtWindowLayer::~QtWindowLayer() {
  // The page windows are children of the main window: they go first.
  pages_.clear();
  main_.reset();
}

int QtWindowLayer::Run() {
  running_ = true;
  const int code = QApplication::exec();
  running_ = false;
  if (std::exception_ptr error = TakeError()) std::rethrow_exception(error);
  return code;
}

std::exception_ptr QtWindowLayer::TakeError() { return std::exchange(error_, nullptr); }

ScreenInfo QtWindowLayer::Screen() {
  ScreenInfo info;
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (screen == nullptr) return info;
  const QRect size = screen->geometry();
  info.width_twips = scale_.ToTwipsX(size.width());
  info.height_twips = scale_.ToTwipsY(size.height());
  info.twips_per_pixel_x = static_cast<int32_t>(std::lround(1440.0 / scale_.dpi_x()));
  info.twips_per_pixel_y = static_cast<int32_t>(std::lround(1440.0 / scale_.dpi_y()));
  return info;
}

QString QtWindowLayer::NativePicture(const std::string& windows_path) const {
  return QFile::decodeName(QByteArray::fromStdString(map_path_(windows_path)));
}

QWidget* QtWindowLayer::Owner() const { return main_.get(); }

PageWindow* QtWindowLayer::WindowOf(const Page& page) const {
  auto found = pages_.find(&page);
  return found == pages_.end() ? nullptr : found->second.get();
}

void QtWindowLayer::ShowMainWindow(Page& main) {
  if (main_ == nullptr || &main_->page() != &main) {
    main_ = std::make_unique<BackgroundWindow>(
        main, [this](const std::string& path) { return NativePicture(path); }, text_);
  }
  main.visible = true;
  main_->Sync();
  // Without a window manager, or with one that ignores it, maximising does
  // nothing: the window is given the whole screen first.
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    main_->setGeometry(screen->availableGeometry());
  }
  main_->showMaximized();
}

void QtWindowLayer::ShowPage(Page& page) {
  std::unique_ptr<PageWindow>& window = pages_[&page];
  const bool first = window == nullptr;
  if (first) {
    window = std::make_unique<PageWindow>(
        page, scale_, Owner(),
        [this, &page](const std::function<void(Page&)>& input) { Dispatch(page, input); },
        [this](const std::string& path) { return NativePicture(path); }, text_);
  } else if (window->parentWidget() != Owner()) {
    window->setParent(Owner(), window->windowFlags());
  }
  page.visible = true;
  window->Sync();
  window->show();
  // The offscreen platform of the tests cannot raise windows.
  if (QGuiApplication::platformName() != QStringLiteral("offscreen")) window->raise();
  window->activateWindow();
  if (first) window->FocusStart();
}

void QtWindowLayer::HidePage(Page& page) {
  page.visible = false;
  if (PageWindow* window = WindowOf(page)) window->hide();
}

void QtWindowLayer::Refresh(Page& page) {
  if (main_ != nullptr && &main_->page() == &page) main_->Sync();
  if (PageWindow* window = WindowOf(page)) {
    window->Sync();
    if (window->isVisible()) window->repaint();
  }
}

MessageAnswer QtWindowLayer::ShowMessage(const MessageRequest& request) {
  SyncAll();
  QWidget* owner = Owner();
  for (const auto& [page, window] : pages_) {
    if (window->isVisible()) owner = window.get();
  }
  return RunMessageBox(owner, request, text_);
}

void QtWindowLayer::Yield() {
  SyncAll();
  QCoreApplication::processEvents();
  if (std::exception_ptr error = TakeError()) std::rethrow_exception(error);
}

void QtWindowLayer::CloseAll() {
  try {
    for (auto& [page, window] : pages_) {
      const_cast<Page*>(page)->visible = false;
      window->AllowClose();
      window->close();
    }
    if (main_ != nullptr) {
      main_->page().visible = false;
      main_->AllowClose();
      main_->close();
    }
  } catch (...) {
    // Closing is the last thing the program does; nothing may stop it.
  }
}

void QtWindowLayer::Dispatch(Page& page, const std::function<void(Page&)>& input) {
  if (page.busy || !page.visible) {
    // Long work runs in one of this page's handlers and yields to us: a second
    // click must not start it again or leave the page under it.
    SyncAll();
    return;
  }
  ++dispatch_depth_;
  try {
    input(page);
  } catch (...) {
    if (error_ == nullptr) error_ = std::current_exception();
  }
  --dispatch_depth_;
  SyncAll();
  // Ending the loop when none runs would make every later modal loop return
  // at once.
  if (error_ != nullptr && dispatch_depth_ == 0 && running_) QCoreApplication::exit(1);
}

void QtWindowLayer::SyncAll() {
  if (main_ != nullptr) main_->Sync();
  for (auto& [page, window] : pages_) window->Sync();
}

std::unique_ptr<QtWindowLayer> MakeQtWindowLayer(int& argc, char** argv, PathMapper map_path,
                                                 const AnsiCodePage& code_page) {
  auto app = std::make_unique<QApplication>(argc, argv);
  QApplication::setQuitOnLastWindowClosed(false);
  auto* translator = new QTranslator(app.get());
  if (translator->load(QLocale::system(), QStringLiteral("qtbase"), QStringLiteral("_"),
                       QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    QApplication::installTranslator(translator);
  }
  auto layer = std::make_unique<QtWindowLayer>(std::move(map_path), code_page);
  layer->app_ = std::move(app);
  return layer;
}

bool HasDisplay() {
  for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
    const char* value = std::getenv(name);
    if (value != nullptr && *value != '\0') return true;
  }
  return false;
}

}  // namespace vlrna
