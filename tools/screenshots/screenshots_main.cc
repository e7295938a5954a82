// Takes screenshots of the wizard as a user sees it: the real pages over a
// fake machine that carries the medium's real message files and pictures,
// drawn by the Qt renderer offscreen. For each language it starts the wizard,
// chooses the language and presses Next as far as the pages go, saving every
// page, every message box and the whole screen as PNG files.
//
//   vlrna_screenshots <wizard folder of the medium> <output folder> <scale>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "pages/wizard.h"
#include "platform/fake/fake_machine.h"
#include "platform/qt/qt_window_layer.h"
#include "sample_pages.h"

namespace vlrna {
namespace {

constexpr char kWizardFolder[] = "D:\\Setup\\";

struct Shots {
  QString medium;  // the wizard's folder of the built medium
  QString out;
  QString tag;  // the language being walked
  int count = 0;

  void Save(const QImage& image, const QString& name) {
    const QString file =
        QDir(out).filePath(QString("%1_%2.png").arg(++count, 2, 10, QChar('0')).arg(name));
    if (!image.save(file)) std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
  }
};

// Presses the default button of every message box that appears, after
// saving its picture.
void AnswerBoxes(Shots& shots) {
  auto* timer = new QTimer(qApp);
  QObject::connect(timer, &QTimer::timeout, [&shots] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (box == nullptr || !box->isVisible()) return;
    shots.Save(box->grab().toImage(), "box_" + box->objectName() + "_" + shots.tag);
    if (box->defaultButton() != nullptr) box->defaultButton()->click();
  });
  timer->start(20);
}

PageWindow* VisiblePage() {
  for (QWidget* widget : QApplication::topLevelWidgets()) {
    if (auto* page = dynamic_cast<PageWindow*>(widget); page != nullptr && page->isVisible()) {
      return page;
    }
  }
  return nullptr;
}

// The whole screen: the main window with the page drawn where it stands.
QImage Screen(QtWindowLayer& layer, PageWindow& page) {
  QCoreApplication::processEvents();
  QImage screen = layer.main_window()->grab().toImage();
  QPainter painter(&screen);
  const QImage shown = page.grab().toImage();
  const QRect client(page.pos() + QPoint(1, 24), page.size());
  painter.fillRect(client.adjusted(-1, -24, 1, 1), QColor(60, 60, 60));
  painter.setPen(Qt::white);
  painter.drawText(client.adjusted(8, -24, 0, 0).topLeft() + QPoint(0, 16), page.windowTitle());
  painter.drawImage(client, shown);
  return screen;
}

void LoadMedium(FakeFiles& files, const QString& medium) {
  for (const char* name :
       {"ITEMS.ENG", "ITEMS.GER", "ITEMS.ITA", "ITEMS.FRA", "license.txt", "lizenz.txt"}) {
    QFile file(QDir(medium).filePath(name));
    if (file.open(QIODevice::ReadOnly)) {
      files.AddFile(std::string(kWizardFolder) + name, file.readAll().toStdString());
    }
  }
}

template <typename W>
W* Find(PageWindow& page, const char* control) {
  return qobject_cast<W*>(page.WidgetOf(control));
}

// Shows the stand-ins of the pages still to come in place of `last`, in the
// language loaded, the installation page at several stages.
void ShowSamples(Shots& shots, QtWindowLayer& layer, PageWindow& last, const ProgramState& state,
                 FakeFiles& files, std::vector<std::unique_ptr<Page>>& pages) {
  const std::string licence =
      files.Content(std::string(kWizardFolder) + state.gsLicenseFile.substr(1));
  pages = MakeSamplePages(state, licence);
  layer.HidePage(last.page());
  for (auto& page : pages) {
    page->left = last.page().left;
    page->top = last.page().top;
    layer.ShowPage(*page);
    const QString name = QString::fromStdString(page->name());
    if (page->Has("picProgress")) {
      for (int percent : {0, 12, 50, 100}) {
        SetSampleProgress(*page, percent);
        layer.Refresh(*page);
        shots.Save(layer.WindowOf(*page)->grab().toImage(),
                   QString("sample_%1_%2_%3").arg(name).arg(percent).arg(shots.tag));
      }
    } else {
      shots.Save(layer.WindowOf(*page)->grab().toImage(), "sample_" + name + "_" + shots.tag);
    }
    layer.HidePage(*page);
  }
}

// Starts the wizard, chooses `option` and walks on with Next.
void Walk(Shots& shots, const char* option, const QString& tag, bool whole_screen) {
  shots.tag = tag;
  FakePlatform fake;
  DescribeTypicalMachine(fake);
  LoadMedium(fake.files, shots.medium);
  QtWindowLayer layer(
      [&shots](const std::string& path) {
        if (path.rfind(kWizardFolder, 0) != 0) return std::string();
        return QDir(shots.medium)
            .filePath(QString::fromStdString(path.substr(sizeof(kWizardFolder) - 1)))
            .toStdString();
      },
      fake.code_page);
  Platform platform{fake.registry, fake.files, fake.drives, fake.processes,
                    fake.system,   fake.sound, layer,       fake.code_page};
  ProgramState state;
  Context ctx{state, platform};
  Wizard wizard(ctx);
  wizard.Start();
  PageWindow* page = VisiblePage();
  if (page == nullptr) return;
  Find<QRadioButton>(*page, option)->click();
  shots.Save(page->grab().toImage(), "Setup_" + tag);
  if (whole_screen) shots.Save(Screen(layer, *page), "screen_Setup");
  for (int step = 0; step < 12; ++step) {
    auto* next = Find<QPushButton>(*page, "Cmd_Next");
    if (next == nullptr || !next->isEnabled() || next->isHidden()) break;
    next->click();
    QCoreApplication::processEvents();
    PageWindow* now = VisiblePage();
    if (now == nullptr || now == page) break;
    page = now;
    shots.Save(page->grab().toImage(), page->objectName() + "_" + tag);
    if (whole_screen) shots.Save(Screen(layer, *page), "screen_" + page->objectName());
  }
  if (layer.TakeError() != nullptr) std::fprintf(stderr, "a handler raised (%s)\n", option);
  std::vector<std::unique_ptr<Page>> samples;  // shown pages outlive the layer's use
  ShowSamples(shots, layer, *page, state, fake.files, samples);
  layer.CloseAll();
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
  vlrna::Shots shots;
  shots.medium = QString::fromLocal8Bit(argv[1]);
  shots.out = QString::fromLocal8Bit(argv[2]);
  QDir().mkpath(shots.out);
  vlrna::DescribeScreen(shots.out, std::atoi(argv[3]));
  QApplication app(argc, argv);
  QApplication::setQuitOnLastWindowClosed(false);
  vlrna::AnswerBoxes(shots);
  const char* languages[][2] = {
      {"Opt_ENG", "ENG"}, {"Opt_GER", "GER"}, {"Opt_ITA", "ITA"}, {"Opt_FRA", "FRA"}};
  bool first = true;
  for (const auto& [option, tag] : languages) {
    vlrna::Walk(shots, option, tag, first);
    first = false;
  }
  std::printf("%d screenshots in %s\n", shots.count, argv[2]);
  return 0;
}
