#include "platform/qt/control_widgets.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QImage>
#include <QTest>

#include "platform/qt/qt_test_support.h"
#include "platform/qt/qt_window_layer.h"
#include "platform/single_byte_code_page.h"

namespace vlrna {
namespace {

using qt_test::TestPage;

class ControlWidgetsTest : public testing::Test {
 protected:
  ControlWidgetsTest() : page_("SelectPath", 7635, 5295) {}

  QWidget* Show(const char* control) {
    layer_.ShowPage(page_);
    return layer_.WindowOf(page_)->WidgetOf(control);
  }

  QtWindowLayer layer_{[](const std::string& path) { return path; }, Windows1252()};
  TestPage page_;
};

TEST_F(ControlWidgetsTest, DriveListRefusingADriveReturnsToThePreviousOne) {
  Control drives =
      qt_test::Make("cmbDrive", ControlKind::kDriveList, "c: [system]", {240, 240, 3000, 315});
  drives.items = {"c: [system]", "d: [dvd_data]", "e: [games]"};
  drives.list_index = 0;
  page_.Add(drives);
  page_.on_change = [](TestPage& page, const std::string&) {
    Control& c = page["cmbDrive"];
    if (c.text[0] == 'd') {  // not ready: the page sets the list back
      c.list_index = 0;
      c.text = c.items[0];
    }
  };
  auto* combo = qobject_cast<QComboBox*>(Show("cmbDrive"));
  ASSERT_NE(combo, nullptr);
  EXPECT_EQ(combo->count(), 3);
  EXPECT_EQ(combo->currentText(), "c: [system]");

  QTest::keyClick(combo, Qt::Key_Down);
  EXPECT_EQ(page_.changes.size(), 1u);
  EXPECT_EQ(page_["cmbDrive"].list_index, 0);
  EXPECT_EQ(combo->currentIndex(), 0);

  combo->setCurrentIndex(1);  // a drive the page takes
  QTest::keyClick(combo, Qt::Key_Down);
  EXPECT_EQ(page_["cmbDrive"].list_index, 2);
  EXPECT_EQ(page_["cmbDrive"].text, "e: [games]");
  EXPECT_EQ(combo->currentIndex(), 2);
}

TEST_F(ControlWidgetsTest, FolderListShowsThePathAndOpensOnDoubleClickOrEnter) {
  Control folders =
      qt_test::Make("cmbPath", ControlKind::kFolderList, "C:\\FSX", {240, 240, 3000, 2000});
  folders.items = {"C:\\", "C:\\FSX", "C:\\FSX\\Addon Scenery", "C:\\FSX\\Sc\xE8nes"};
  page_.Add(folders);
  page_.on_change = [](TestPage& page, const std::string&) {
    Control& c = page["cmbPath"];
    if (c.text == "C:\\") c.items = {"C:\\", "C:\\FSX", "C:\\Games"};
  };
  auto* list = dynamic_cast<FolderListWidget*>(Show("cmbPath"));
  ASSERT_NE(list, nullptr);
  // Each folder one level deeper than the one it lies in.
  ASSERT_EQ(list->topLevelItemCount(), 1);
  QTreeWidgetItem* root = list->topLevelItem(0);
  EXPECT_EQ(root->text(0), "C:\\");
  QTreeWidgetItem* fsx = root->child(0);
  EXPECT_EQ(fsx->text(0), "FSX");
  ASSERT_EQ(fsx->childCount(), 2);
  EXPECT_EQ(fsx->child(1)->text(0), QString::fromUtf8("Sc\u00E8nes"));
  EXPECT_EQ(list->currentItem(), fsx);

  // A single click only highlights; a double click opens.
  QTreeWidgetItem* addon = fsx->child(0);
  QRect row = list->visualItemRect(addon);
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, row.center());
  EXPECT_TRUE(page_.changes.empty());
  QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, row.center());
  EXPECT_EQ(page_["cmbPath"].text, "C:\\FSX\\Addon Scenery");

  // Enter opens the highlighted folder and does not reach the default button.
  list->setCurrentItem(list->topLevelItem(0));
  QTest::keyClick(list, Qt::Key_Return);
  EXPECT_EQ(page_["cmbPath"].text, "C:\\");
  EXPECT_TRUE(page_.clicks.empty());
  ASSERT_EQ(list->topLevelItem(0)->childCount(), 2);  // drawn again from the new items
  EXPECT_EQ(list->topLevelItem(0)->child(1)->text(0), "Games");
}

class ProgressBarTest : public testing::Test {
 protected:
  ProgressBarTest() : page_("InstallStart", 7305, 5295) {
    page_.Add(qt_test::Make("Lab_1", ControlKind::kLabel, "Copying scenery files",
                            {240, 2400, 4800, 300}));
    page_.Add(qt_test::Make("picProgress", ControlKind::kProgressBar, "", {240, 3000, 4800, 330}));
    page_.Add(
        qt_test::Make("lblProgress", ControlKind::kLabel, "", {2000, 30, 600, 240}, "picProgress"));
    layer_.ShowPage(page_);
  }

  // Draws the bar 320 pixels wide (4800 twips) and returns its picture.
  QImage Draw(int32_t boundary, const std::string& caption = "") {
    page_["picProgress"].progress_x = boundary;
    page_["lblProgress"].text = caption;
    layer_.Refresh(page_);
    return layer_.WindowOf(page_)->WidgetOf("picProgress")->grab().toImage();
  }
  static QRgb At(const QImage& image, int x) { return image.pixel(x, 3) & 0xFFFFFF; }

  QtWindowLayer layer_{[](const std::string& path) { return path; }, Windows1252()};
  TestPage page_;
};

TEST_F(ProgressBarTest, DrawsDoneAndRemainingWithTheBoundaryInTheGreyPart) {
  constexpr QRgb kGreen = ProgressBarWidget::kDone & 0xFFFFFF;
  constexpr QRgb kGrey = ProgressBarWidget::kRemaining & 0xFFFFFF;
  // The bar lies inside a one-pixel frame: columns 1 to 318, 318 wide.
  QImage zero = Draw(0);
  EXPECT_EQ(At(zero, 1), kGrey);
  EXPECT_EQ(At(zero, 318), kGrey);

  QImage eighth = Draw(600);  // 12.5 %
  EXPECT_EQ(At(eighth, 1), kGreen);
  EXPECT_EQ(At(eighth, 40), kGreen);
  EXPECT_EQ(At(eighth, 41), kGrey);  // the boundary column is grey

  QImage half = Draw(2400);
  EXPECT_EQ(At(half, 159), kGreen);
  EXPECT_EQ(At(half, 160), kGrey);

  QImage full = Draw(4800);
  EXPECT_EQ(At(full, 1), kGreen);
  EXPECT_EQ(At(full, 318), kGreen);
}

TEST_F(ProgressBarTest, NothingIsDrawnBeforeTheFirstCallAndTheCaptionSitsInTheMiddle) {
  QImage none = Draw(-1);
  EXPECT_NE(At(none, 10), ProgressBarWidget::kDone & 0xFFFFFF);
  EXPECT_NE(At(none, 10), ProgressBarWidget::kRemaining & 0xFFFFFF);

  QImage labelled = Draw(2400, "50%");
  QWidget* bar = layer_.WindowOf(page_)->WidgetOf("picProgress");
  EXPECT_EQ(bar->accessibleName(), "Copying scenery files");
  EXPECT_EQ(bar->accessibleDescription(), "50%");
  const int middle = labelled.height() / 2;
  bool light_on_green = false;
  bool dark_on_grey = false;
  for (int x = 140; x < 180; ++x) {
    const QColor c = labelled.pixelColor(x, middle);
    light_on_green |= x < 160 && c.lightness() > 200;
    dark_on_grey |= x >= 160 && c.lightness() < 60;
  }
  EXPECT_TRUE(light_on_green);
  EXPECT_TRUE(dark_on_grey);
}

}  // namespace
}  // namespace vlrna
