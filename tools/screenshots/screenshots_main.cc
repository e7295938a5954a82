// Takes screenshots of the wizard as a user sees it: the real pages over the
// screenshot machine, carrying the medium's real message files, licence texts
// and pictures, drawn by the Qt renderer offscreen. For each language it walks
// the wizard from the language page to the finished page, saving every page
// with its title bar, every message box and, for the first language, the
// whole screen, as PNG files in one folder per language. Every page shot is
// checked for layout problems; each is printed, and the exit code is 1 when
// there was one.
//
//   vlrna_screenshots <wizard folder of the medium> <output folder> <scale>

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <deque>
#include <map>
#include <set>
#include <stdexcept>
#include <string>

#include "platform/qt/layout_check.h"
#include "platform/qt/qt_window_layer.h"
#include "tools/screenshots/screenshot_machine.h"
#include "tools/screenshots/screenshot_walk.h"

namespace vlrna {
namespace {

constexpr char kWizardFolder[] = "D:\\Setup\\";
constexpr int kTitleBar = 24;  // the height of the title bar drawn above a page

QMessageBox::StandardButton ButtonFor(MessageAnswer answer) {
  switch (answer) {
    case kAnswerYes:
      return QMessageBox::Yes;
    case kAnswerNo:
      return QMessageBox::No;
    case kAnswerCancel:
      return QMessageBox::Cancel;
    case kAnswerRetry:
      return QMessageBox::Retry;
    default:
      return QMessageBox::Ok;
  }
}

// A page as the user sees it on the screen: with a plain title bar that
// carries its caption.
QImage Framed(PageWindow& window) {
  const QImage client = window.grab().toImage();
  const QSize size(window.width() + 2, window.height() + kTitleBar + 1);
  QImage framed(size * client.devicePixelRatio(), QImage::Format_RGB32);
  framed.setDevicePixelRatio(client.devicePixelRatio());
  QPainter painter(&framed);
  painter.fillRect(QRect(QPoint(0, 0), size), QColor(60, 60, 60));
  painter.setPen(Qt::white);
  painter.drawText(QRect(8, 0, size.width() - 16, kTitleBar), Qt::AlignLeft | Qt::AlignVCenter,
                   window.windowTitle());
  painter.drawImage(QPoint(1, kTitleBar), client);
  return framed;
}

// The walker of the screenshots, acting on the widgets as the user does.
class QtUser : public WalkUser {
 public:
  QtUser(QtWindowLayer& layer, const QString& out, const QString& language, bool whole_screen)
      : layer_(layer), out_(out), language_(language), whole_screen_(whole_screen) {
    // Pictures of an earlier run whose names are no longer taken would mislead.
    QDir folder(out_);
    folder.mkpath(QStringLiteral("."));
    for (const QString& old : folder.entryList({QStringLiteral("*.png")}, QDir::Files)) {
      folder.remove(old);
    }
  }

  Page& Visible() override { return VisibleWindow().page(); }
  void Click(const std::string& control) override { Reachable<QPushButton>(control).click(); }
  void ChooseOption(const std::string& control) override {
    Reachable<QRadioButton>(control).click();
  }
  void ChooseListItem(const std::string& control, const std::string& item) override;
  void Answer(const std::string& box, MessageAnswer answer) override {
    answers_[box].push_back(answer);
  }
  void Shoot(const std::string& name) override;

  // Saves the picture of a message box that is showing and answers it as
  // the walk said, or with its default button when the walk did not expect it.
  void AnswerBox(QMessageBox& box);

  const std::set<std::string>& problems() const { return problems_; }

 private:
  PageWindow& VisibleWindow();
  template <typename W>
  W& Reachable(const std::string& control);
  void Save(const QImage& image, const QString& name);
  QImage Screen(PageWindow& window);
  void Problem(const std::string& line);

  QtWindowLayer& layer_;
  QString out_;
  QString language_;
  bool whole_screen_;
  int count_ = 0;
  std::map<std::string, std::deque<MessageAnswer>> answers_;
  std::set<std::string> problems_;
};

PageWindow& QtUser::VisibleWindow() {
  for (QWidget* widget : QApplication::topLevelWidgets()) {
    auto* window = dynamic_cast<PageWindow*>(widget);
    if (window != nullptr && window->isVisible()) return *window;
  }
  throw std::runtime_error("no page is visible");
}

template <typename W>
W& QtUser::Reachable(const std::string& control) {
  auto* widget = qobject_cast<W*>(VisibleWindow().WidgetOf(control));
  if (widget == nullptr || !widget->isVisible() || !widget->isEnabled()) {
    throw std::runtime_error(control + " cannot be reached on " + Visible().name());
  }
  return *widget;
}

void QtUser::ChooseListItem(const std::string& control, const std::string& item) {
  const std::vector<std::string>& items = Visible()[control].items;
  const auto found = std::find(items.begin(), items.end(), item);
  if (found == items.end()) throw std::runtime_error(control + " has no entry " + item);
  const int index = static_cast<int>(found - items.begin());
  if (auto* drives = qobject_cast<QComboBox*>(VisibleWindow().WidgetOf(control))) {
    drives->setCurrentIndex(index);
    emit drives->activated(index);
    return;
  }
  // A folder is opened as the user opens it: highlighted, then Enter.
  auto& folders = Reachable<QTreeWidget>(control);
  for (QTreeWidgetItemIterator it(&folders); *it != nullptr; ++it) {
    if ((*it)->data(0, Qt::UserRole).toInt() == index) folders.setCurrentItem(*it);
  }
  QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
  QApplication::sendEvent(&folders, &enter);
}

void QtUser::Shoot(const std::string& name) {
  PageWindow& window = VisibleWindow();
  layer_.Refresh(window.page());
  QCoreApplication::processEvents();
  const QString file = QString::fromStdString(name);
  Save(Framed(window), file);
  if (whole_screen_) Save(Screen(window), "screen_" + file);
  for (const std::string& problem : LayoutProblems(window)) Problem(problem);
}

void QtUser::AnswerBox(QMessageBox& box) {
  const std::string id = box.objectName().toStdString();
  Save(box.grab().toImage(), "box_" + box.objectName());
  auto& queued = answers_[id];
  QAbstractButton* button = box.defaultButton();
  if (queued.empty()) {
    Problem("a box the walk did not expect: " + id + ": " + box.text().toStdString());
  } else {
    if (QAbstractButton* wanted = box.button(ButtonFor(queued.front()))) button = wanted;
    queued.pop_front();
  }
  if (button != nullptr) button->click();
}

void QtUser::Save(const QImage& image, const QString& name) {
  const QString file =
      QDir(out_).filePath(QString("%1_%2.png").arg(++count_, 2, 10, QChar('0')).arg(name));
  if (!image.save(file)) Problem("cannot write " + file.toStdString());
}

// The whole screen: the main window with the page drawn where it stands.
QImage QtUser::Screen(PageWindow& window) {
  QImage screen = layer_.main_window()->grab().toImage();
  QPainter painter(&screen);
  painter.drawImage(window.pos() - QPoint(1, kTitleBar), Framed(window));
  return screen;
}

void QtUser::Problem(const std::string& line) {
  if (problems_.insert(line).second) {
    std::fprintf(stderr, "%s: %s\n", qPrintable(language_), line.c_str());
  }
}

// Answers every message box as soon as it shows, through the user who walks.
void AnswerBoxes(QtUser*& user) {
  auto* timer = new QTimer(qApp);
  QObject::connect(timer, &QTimer::timeout, [&user] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (box != nullptr && box->isVisible() && user != nullptr) user->AnswerBox(*box);
  });
  timer->start(20);
}

void LoadMedium(FakeFiles& files, const QString& medium) {
  for (const char* name :
       {"ITEMS.ENG", "ITEMS.GER", "ITEMS.ITA", "ITEMS.FRA", "license.txt", "lizenz.txt"}) {
    QFile file(QDir(medium).filePath(name));
    if (!file.open(QIODevice::ReadOnly)) throw std::runtime_error("cannot read the medium's files");
    files.AddFile(std::string(kWizardFolder) + name, file.readAll().toStdString());
  }
}

// Walks the wizard in the language of `option`; returns the number of
// problems found.
size_t Walk(const QString& medium, const QString& out, const char* option, const QString& language,
            bool whole_screen, QtUser*& current) {
  FakePlatform fake;
  DescribeScreenshotMachine(fake);
  LoadMedium(fake.files, medium);
  QtWindowLayer layer(
      [&medium](const std::string& path) {
        if (path.rfind(kWizardFolder, 0) != 0) return std::string();
        return QDir(medium)
            .filePath(QString::fromStdString(path.substr(sizeof(kWizardFolder) - 1)))
            .toStdString();
      },
      fake.code_page);
  Platform platform{fake.registry, fake.files, fake.drives,    fake.processes, fake.system,
                    fake.sound,    layer,      fake.code_page, &fake.zip};
  ProgramState state;
  Context ctx{state, platform};
  Wizard wizard(ctx);
  QtUser user(layer, QDir(out).filePath(language), language, whole_screen);
  current = &user;
  ScreenshotWalk walk(ctx, wizard, user);
  size_t failures = 0;
  try {
    walk.Run(option);
  } catch (const std::exception& error) {
    std::fprintf(stderr, "%s: the walk stopped: %s\n", qPrintable(language), error.what());
    ++failures;
  }
  if (layer.TakeError() != nullptr) {
    std::fprintf(stderr, "%s: a page's handler raised an error\n", qPrintable(language));
    ++failures;
  }
  layer.CloseAll();
  current = nullptr;
  return failures + user.problems().size();
}

// Makes the offscreen platform a 1920 x 1080 screen at `scale` device pixels
// per pixel. A platform chosen in QT_QPA_PLATFORM (xcb under Xvfb) is kept.
void DescribeScreen(const QString& out, int scale) {
  const QByteArray chosen = qgetenv("QT_QPA_PLATFORM");
  if (!chosen.isEmpty() && !chosen.startsWith("offscreen")) return;
  const QString config = QDir(out).filePath("offscreen.json");
  QFile file(config);
  if (file.open(QIODevice::WriteOnly)) {
    file.write(QString(R"({"windowFrameMargins": false, "screens": [{"name": "shots", )"
                       R"("x": 0, "y": 0, "width": 1920, "height": 1080, "logicalDpi": 96, )"
                       R"("dpr": %1}]})")
                   .arg(scale)
                   .toUtf8());
  }
  qputenv("QT_QPA_PLATFORM", ("offscreen:configfile=" + config).toUtf8());
}

}  // namespace
}  // namespace vlrna

int main(int argc, char** argv) {
  if (argc != 4) {
    std::fprintf(stderr, "usage: %s <wizard folder of the medium> <output folder> <scale>\n",
                 argv[0]);
    return 2;
  }
  const QString medium = QString::fromLocal8Bit(argv[1]);
  const QString out = QString::fromLocal8Bit(argv[2]);
  QDir().mkpath(out);
  vlrna::DescribeScreen(out, std::atoi(argv[3]));
  QApplication app(argc, argv);
  QApplication::setQuitOnLastWindowClosed(false);
  vlrna::QtUser* current = nullptr;
  vlrna::AnswerBoxes(current);
  const char* languages[][2] = {
      {"Opt_ENG", "ENG"}, {"Opt_GER", "GER"}, {"Opt_ITA", "ITA"}, {"Opt_FRA", "FRA"}};
  size_t problems = 0;
  for (const auto& [option, language] : languages) {
    problems += vlrna::Walk(medium, out, option, language, option == languages[0][0], current);
  }
  std::printf("screenshots in %s; %zu layout problems\n", argv[2], problems);
  return problems == 0 ? 0 : 1;
}
