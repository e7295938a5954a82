#include "platform/layout_rules.h"

#include <gtest/gtest.h>

namespace vlrna {
namespace {

Control& Put(Page& page, const char* name, ControlKind kind, Rect rect, const char* text = "") {
  Control c;
  c.name = name;
  c.kind = kind;
  c.rect = rect;
  c.text = text;
  return page.Add(c);
}

std::vector<std::string> Names(const std::vector<const Control*>& controls) {
  std::vector<std::string> names;
  for (const Control* c : controls) names.push_back(c->name);
  return names;
}

TEST(LayoutRulesTest, TabWalksRowsFromTheTopEachFromTheLeft) {
  Page page("P", 7000, 5000);
  Put(page, "Lab_1", ControlKind::kLabel, {100, 50, 2000, 200});
  Put(page, "Cmd_Next", ControlKind::kButton, {3000, 4700, 1000, 300});
  Put(page, "Cmd_Prev", ControlKind::kButton, {1900, 4760, 1000, 300});  // same row, lower
  Put(page, "inpPath", ControlKind::kTextBox, {100, 3000, 4000, 300});
  Put(page, "cmbDrive", ControlKind::kDriveList, {100, 1000, 4000, 300});
  Put(page, "Frame1", ControlKind::kFrame, {0, 900, 5000, 2500});
  EXPECT_EQ(Names(TabOrder(page)),
            (std::vector<std::string>{"cmbDrive", "inpPath", "Cmd_Prev", "Cmd_Next"}));
}

TEST(LayoutRulesTest, ALongLabelTakesTheRoomBelowBeforeItShrinks) {
  Page page("P", 7000, 5000);
  const Control& label = Put(page, "Lab_1", ControlKind::kLabel, {100, 100, 3000, 400});
  Put(page, "Lab_2", ControlKind::kLabel, {100, 1145, 3000, 400});
  Put(page, "Pic", ControlKind::kPicture, {5000, 600, 1000, 400});  // beside, not below
  EXPECT_EQ(RoomBelow(page, label), 1000);

  // A text of 100 twips per point: 10 points need 1000 twips and fit by
  // growing; 12 points need 1200 and shrink to 10; 20 points stop at 15.
  auto measure = [](double points, int32_t width, int32_t& w, int32_t& h) {
    w = width;
    h = static_cast<int32_t>(points * 100);
  };
  struct Case {
    double points;
    double fitted;
    int32_t height;
  };
  for (const Case& c :
       {Case{3, 3, 400}, Case{10, 10, 1000}, Case{12, 10, 1000}, Case{20, 15, 1000}}) {
    const LabelFit fit = FitLabel(page, label, c.points, measure);
    EXPECT_EQ(fit.points, c.fitted) << c.points;
    EXPECT_EQ(fit.height, c.height) << c.points;
  }
}

TEST(LayoutRulesTest, FindsMnemonicsThatTwoVisibleControlsShare) {
  Page page("P", 7000, 5000);
  Put(page, "Cmd_Next", ControlKind::kButton, {}, "&Next >");
  Put(page, "Cmd_Options", ControlKind::kButton, {}, "&Options");
  Put(page, "Lab_1", ControlKind::kLabel, {}, "Salt && pepper");
  EXPECT_TRUE(ClashingMnemonics(page).empty());
  Control& other = Put(page, "Cmd_New", ControlKind::kButton, {}, "&new");
  EXPECT_EQ(ClashingMnemonics(page), (std::vector<std::string>{"n: Cmd_Next, Cmd_New"}));
  other.visible = false;
  EXPECT_TRUE(ClashingMnemonics(page).empty());
}

}  // namespace
}  // namespace vlrna
