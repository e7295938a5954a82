#include "platform/qt/page_window.h"

#include <gtest/gtest.h>

#include <QAccessible>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "platform/qt/qt_test_support.h"
#include "platform/qt/qt_window_layer.h"
#include "platform/single_byte_code_page.h"

namespace vlrna {
namespace {

using qt_test::TestPage;

class PageWindowTest : public testing::Test {
 protected:
  PageWindowTest() : setup_("Setup", 7305, 5295) { qt_test::AddLanguageControls(setup_); }

  PageWindow& Show(Page& page) {
    layer_.ShowPage(page);
    EXPECT_TRUE(QTest::qWaitForWindowActive(layer_.WindowOf(page)));
    return *layer_.WindowOf(page);
  }
  template <typename W>
  W* Widget(Page& page, const char* control) {
    return qobject_cast<W*>(layer_.WindowOf(page)->WidgetOf(control));
  }

  QtWindowLayer layer_{[](const std::string& path) { return path; }, Windows1252()};
  TestPage setup_;
};

TEST_F(PageWindowTest, DrawsTheLanguagePageFromItsModel) {
  setup_["Opt_ITA"].visible = false;
  PageWindow& window = Show(setup_);

  EXPECT_TRUE(window.isVisible());
  EXPECT_TRUE(window.isModal());
  EXPECT_EQ(window.windowTitle(), "Veltrona Zozo Installation");
  // 15 twips per pixel on a 96-dpi screen.
  EXPECT_EQ(window.size(), QSize(487, 353));
  EXPECT_EQ(window.pos(), QPoint(459, 309));

  auto* heading = Widget<QLabel>(setup_, "Lab_Welcome");
  ASSERT_NE(heading, nullptr);
  EXPECT_EQ(heading->text(), "Select Language");
  EXPECT_TRUE(heading->font().bold());
  EXPECT_GT(heading->font().pointSizeF(), 13.0);  // fitted from 18 at most by a quarter
  EXPECT_EQ(heading->geometry().topLeft(), QPoint(120, 16));
  EXPECT_EQ(heading->width(), 353);

  auto* french = Widget<QRadioButton>(setup_, "Opt_FRA");
  EXPECT_EQ(french->text(), QString::fromUtf8("Fran\u00E7ais"));
  EXPECT_TRUE(Widget<QRadioButton>(setup_, "Opt_ENG")->isChecked());
  EXPECT_TRUE(Widget<QRadioButton>(setup_, "Opt_ITA")->isHidden());

  auto* back = Widget<QPushButton>(setup_, "Cmd_Prev");
  EXPECT_FALSE(back->isEnabled());
  EXPECT_EQ(back->text(), QString::fromUtf8("< &Zur\u00FCck"));
  EXPECT_EQ(back->accessibleName(), QString::fromUtf8("< Zur\u00FCck"));
  EXPECT_TRUE(Widget<QPushButton>(setup_, "Cmd_Next")->isDefault());
  // The options lie on their frame, not under it.
  auto* frame = Widget<QGroupBox>(setup_, "Frm_1");
  EXPECT_LT(window.children().indexOf(frame), window.children().indexOf(french));
}

TEST_F(PageWindowTest, UserInputReachesTheModelAndItsHandlers) {
  Show(setup_);
  QTest::mouseClick(Widget<QRadioButton>(setup_, "Opt_GER"), Qt::LeftButton, {}, QPoint(8, 8));
  EXPECT_TRUE(setup_["Opt_GER"].value);
  EXPECT_FALSE(setup_["Opt_ENG"].value);
  EXPECT_EQ(setup_.changes, std::vector<std::string>{"Opt_GER"});

  // A disabled button cannot be pressed; the enabled ones reach the handler.
  QTest::mouseClick(Widget<QPushButton>(setup_, "Cmd_Prev"), Qt::LeftButton);
  QTest::mouseClick(Widget<QPushButton>(setup_, "Cmd_Next"), Qt::LeftButton);
  EXPECT_EQ(setup_.clicks, std::vector<std::string>{"Cmd_Next"});
}

TEST_F(PageWindowTest, KeyboardAloneCanChooseAndMoveOn) {
  PageWindow& window = Show(setup_);
  auto* english = Widget<QRadioButton>(setup_, "Opt_ENG");
  EXPECT_TRUE(english->hasFocus());
  QTest::keyClick(english, Qt::Key_Down);  // arrows move through the options
  EXPECT_TRUE(setup_["Opt_GER"].value);
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);  // the default button
  QTest::keyClick(&window, Qt::Key_Escape);                      // the cancel button
  EXPECT_EQ(setup_.clicks, (std::vector<std::string>{"Cmd_Next", "Cmd_Quit"}));
  // Tab reads the page from the top: the options, then the buttons.
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  EXPECT_EQ(QApplication::focusWidget(), Widget<QPushButton>(setup_, "Cmd_Next"));
  window.close();  // the close button cancels too, and the page stays
  EXPECT_EQ(setup_.clicks.back(), "Cmd_Quit");
  EXPECT_TRUE(window.isVisible());
}

TEST_F(PageWindowTest, HandlersChangesAreShownAndPagesHandOver) {
  TestPage welcome("Welcome", 7305, 5295);
  welcome.Add(qt_test::Make("Lab_Welcome", ControlKind::kLabel, "Welcome", {240, 240, 6000, 400}));
  setup_.on_click = [&](TestPage& page, const std::string& control) {
    if (control != "Cmd_Next") return;
    page["Lab_1"].text = "Loading\r\nmessages";
    layer_.HidePage(page);
    welcome.left = page.left;
    welcome.top = page.top;
    layer_.ShowPage(welcome);
  };
  PageWindow& window = Show(setup_);
  window.move(300, 200);  // the user moves the page first
  EXPECT_EQ(setup_.left, 4500);
  EXPECT_EQ(setup_.top, 3000);

  Widget<QPushButton>(setup_, "Cmd_Next")->click();
  EXPECT_EQ(Widget<QLabel>(setup_, "Lab_1")->text(), "Loading\nmessages");
  EXPECT_FALSE(window.isVisible());
  EXPECT_FALSE(setup_.visible);
  PageWindow* next = layer_.WindowOf(welcome);
  ASSERT_NE(next, nullptr);
  EXPECT_TRUE(next->isVisible());
  EXPECT_EQ(next->pos(), QPoint(300, 200));
}

TEST_F(PageWindowTest, TypedTextReachesTheModelAndFramesHoldTheirControls) {
  TestPage path("SelectPath", 7635, 5295);
  path.Add(qt_test::Make("FrmPath", ControlKind::kFrame,
                         "Select &Destination Path:", {240, 240, 6000, 2000}));
  path.Add(qt_test::Make("inpPath", ControlKind::kTextBox, "C:\\FSX\\vlrna\\",
                         {360, 600, 5000, 300}, "FrmPath"));
  Show(path);
  auto* edit = Widget<QLineEdit>(path, "inpPath");
  EXPECT_EQ(edit->accessibleName(), "Select Destination Path:");
  edit->clear();
  QTest::keyClicks(edit, "D:\\Sc");
  QKeyEvent e_grave(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString::fromUtf8("\u00E8"));
  QApplication::sendEvent(edit, &e_grave);
  QTest::keyClicks(edit, "nes\\");
  EXPECT_EQ(path["inpPath"].text, "D:\\Sc\xE8nes\\");
  EXPECT_EQ(path.changes.size(), 10u);

  // What the frame holds goes and comes with it.
  path["FrmPath"].visible = false;
  layer_.Refresh(path);
  EXPECT_TRUE(edit->isHidden());
  path["FrmPath"].visible = true;
  path["FrmPath"].enabled = false;
  layer_.Refresh(path);
  EXPECT_FALSE(edit->isHidden());
  EXPECT_FALSE(edit->isEnabled());
}

TEST_F(PageWindowTest, LongTextsTakeTheFreeRoomBelowThenGetSmaller) {
  TestPage page("Welcome", 7305, 5295);
  std::string words;
  for (int i = 0; i < 20; ++i) words += "Szenerie ";
  page.Add(qt_test::Make("Lab_1", ControlKind::kLabel, words, {240, 240, 3000, 300}));
  page.Add(qt_test::Make("Lab_2", ControlKind::kLabel, words, {240, 2400, 3000, 300}));
  page.Add(qt_test::Make("Cmd_Next", ControlKind::kButton, "&Next >", {240, 2760, 1200, 375}));
  Show(page);
  auto* free = Widget<QLabel>(page, "Lab_1");
  auto* boxed = Widget<QLabel>(page, "Lab_2");
  // Lab_1 grows, but stops short of Lab_2; Lab_2 has no room and shrinks.
  EXPECT_GT(free->height(), 20);
  EXPECT_LT(free->geometry().bottom(), boxed->y());
  EXPECT_EQ(free->font().pointSizeF(), 9.0);
  EXPECT_LT(boxed->font().pointSizeF(), 9.0);
  EXPECT_LT(boxed->geometry().bottom(), Widget<QPushButton>(page, "Cmd_Next")->y());
}

TEST_F(PageWindowTest, AnExceptionFromAHandlerIsKeptForTheLoop) {
  setup_.on_click = [](TestPage&, const std::string&) { throw std::runtime_error("boom"); };
  Show(setup_);
  Widget<QPushButton>(setup_, "Cmd_Next")->click();
  std::exception_ptr error = layer_.TakeError();
  ASSERT_NE(error, nullptr);
  EXPECT_THROW(std::rethrow_exception(error), std::runtime_error);
  EXPECT_EQ(layer_.TakeError(), nullptr);
}

}  // namespace
}  // namespace vlrna
