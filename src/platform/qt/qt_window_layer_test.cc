#include "platform/qt/qt_window_layer.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "platform/qt/qt_test_support.h"
#include "platform/single_byte_code_page.h"

namespace vlrna {
namespace {

using qt_test::TestPage;

class QtWindowLayerTest : public testing::Test {
 protected:
  QtWindowLayerTest() : setup_("Setup", 7305, 5295) { qt_test::AddLanguageControls(setup_); }

  QTemporaryDir dir_;
  // Maps "C:\Setup\x.bmp" into the temporary folder.
  QtWindowLayer layer_{
      [this](const std::string& path) {
        const std::string file = path.substr(path.rfind('\\') + 1);
        return QDir(dir_.path()).filePath(QString::fromStdString(file)).toStdString();
      },
      Windows1252()};
  TestPage setup_;
};

TEST_F(QtWindowLayerTest, QuestionBoxGivesTheUsersAnswerToTheHandler) {
  std::vector<MessageAnswer> answers;
  setup_.on_click = [&](TestPage&, const std::string& control) {
    if (control != "Cmd_Quit") return;
    answers.push_back(
        layer_.ShowMessage({"confirm-quit", "Do you want to abort this installation?", "Installing",
                            MessageIcon::kQuestion, MessageButtons::kYesNo}));
  };
  layer_.ShowPage(setup_);
  auto* quit = qobject_cast<QPushButton*>(layer_.WindowOf(setup_)->WidgetOf("Cmd_Quit"));
  QString title;
  QString text;
  qt_test::AnswerNextBox(QMessageBox::Yes, &title, &text);
  quit->click();
  qt_test::AnswerNextBox(QMessageBox::No);
  quit->click();
  EXPECT_EQ(answers, (std::vector<MessageAnswer>{kAnswerYes, kAnswerNo}));
  EXPECT_EQ(title, "Installing");
  EXPECT_EQ(text, "Do you want to abort this installation?");
}

TEST_F(QtWindowLayerTest, OtherButtonSetsAnswerAsTheyRead) {
  MessageRequest retry{"disk", "Insert disk 2\r\nof 2", "Installing", MessageIcon::kCritical,
                       MessageButtons::kRetryCancel};
  qt_test::AnswerNextBox(QMessageBox::Retry);
  EXPECT_EQ(layer_.ShowMessage(retry), kAnswerRetry);
  QString text;
  qt_test::AnswerNextBox(QMessageBox::Cancel, nullptr, &text);
  EXPECT_EQ(layer_.ShowMessage(retry), kAnswerCancel);
  EXPECT_EQ(text, "Insert disk 2\nof 2");
  qt_test::AnswerNextBox(QMessageBox::Ok);
  EXPECT_EQ(layer_.ShowMessage({"info", "Done", "", MessageIcon::kInformation}), kAnswerOk);
}

TEST_F(QtWindowLayerTest, MainWindowShowsItsPictureScaledOrNothing) {
  QImage picture(64, 32, QImage::Format_RGB32);
  picture.fill(Qt::red);
  ASSERT_TRUE(picture.save(QDir(dir_.path()).filePath("vlrna_1024.bmp"), "BMP"));
  Page main("frmMain", 0, 0);
  main.caption = "Veltrona Zozo Installation";
  Control background;
  background.name = "picBackground";
  background.kind = ControlKind::kPicture;
  background.picture = "C:\\Setup\\vlrna_1024.bmp";
  main.Add(background);
  layer_.ShowMainWindow(main);
  BackgroundWindow* window = layer_.main_window();
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(window->windowTitle(), "Veltrona Zozo Installation");
  EXPECT_TRUE(window->background().has_picture());
  window->resize(300, 200);
  QImage shown = window->grab().toImage();
  EXPECT_EQ(shown.pixelColor(290, 190), QColor(Qt::red));  // stretched to the client area

  main["picBackground"].picture = "C:\\Setup\\vlrna_1920.bmp";  // not there
  layer_.Refresh(main);
  EXPECT_FALSE(window->background().has_picture());

  // Pages shown now are owned by the main window.
  layer_.ShowPage(setup_);
  EXPECT_EQ(layer_.WindowOf(setup_)->parentWidget(), window);
  layer_.CloseAll();
  EXPECT_FALSE(window->isVisible());
  EXPECT_FALSE(layer_.WindowOf(setup_)->isVisible());
  EXPECT_FALSE(setup_.visible);
  EXPECT_FALSE(main.visible);
}

TEST_F(QtWindowLayerTest, ScreenIsMeasuredInTwipsOfTheRealResolution) {
  const ScreenInfo screen = layer_.Screen();
  const QScreen* qscreen = QGuiApplication::primaryScreen();
  const double twips_per_pixel = 1440.0 / qscreen->logicalDotsPerInchX();
  EXPECT_NEAR(screen.width_twips, qscreen->geometry().width() * twips_per_pixel, 1.0);
  EXPECT_EQ(screen.twips_per_pixel_x, std::lround(twips_per_pixel));
}

TEST(HasDisplayTest, NeedsADisplayOrAnExplicitPlatform) {
  const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
  const QByteArray display = qgetenv("DISPLAY");
  const QByteArray wayland = qgetenv("WAYLAND_DISPLAY");
  qunsetenv("QT_QPA_PLATFORM");
  qunsetenv("DISPLAY");
  qputenv("WAYLAND_DISPLAY", "");
  EXPECT_FALSE(HasDisplay());
  qputenv("WAYLAND_DISPLAY", "wayland-0");
  EXPECT_TRUE(HasDisplay());
  qputenv("QT_QPA_PLATFORM", platform);
  qputenv("DISPLAY", display);
  qputenv("WAYLAND_DISPLAY", wayland);
  if (display.isEmpty()) qunsetenv("DISPLAY");
  if (wayland.isEmpty()) qunsetenv("WAYLAND_DISPLAY");
}

TEST_F(QtWindowLayerTest, YieldPassesOnWhatAHandlerRunDuringItRaised) {
  setup_.on_click = [](TestPage&, const std::string&) { throw std::runtime_error("ended"); };
  layer_.ShowPage(setup_);
  auto* next = layer_.WindowOf(setup_)->WidgetOf("Cmd_Next");
  QTimer::singleShot(0, next, [next] { qobject_cast<QPushButton*>(next)->click(); });
  QTest::qWait(20);  // the click runs here, outside any Yield
  EXPECT_NE(layer_.TakeError(), nullptr);

  QMetaObject::invokeMethod(
      next, [next] { qobject_cast<QPushButton*>(next)->click(); }, Qt::QueuedConnection);
  EXPECT_THROW(layer_.Yield(), std::runtime_error);
  EXPECT_EQ(layer_.TakeError(), nullptr);
  layer_.CloseAll();
  layer_.CloseAll();  // twice does no harm
}

TEST_F(QtWindowLayerTest, ABusyPageTakesNoClickDeliveredDuringYield) {
  int clicks = 0;
  setup_.on_click = [&clicks](TestPage&, const std::string&) { ++clicks; };
  layer_.ShowPage(setup_);
  auto* next = qobject_cast<QPushButton*>(layer_.WindowOf(setup_)->WidgetOf("Cmd_Next"));
  {
    BusyScope busy(setup_);
    QMetaObject::invokeMethod(
        next, [next] { next->click(); }, Qt::QueuedConnection);
    layer_.Yield();
    EXPECT_EQ(clicks, 0);
  }
  QMetaObject::invokeMethod(
      next, [next] { next->click(); }, Qt::QueuedConnection);
  layer_.Yield();
  EXPECT_EQ(clicks, 1);
  layer_.CloseAll();
}

}  // namespace
}  // namespace vlrna
