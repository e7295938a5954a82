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
  Put(page, "Lab_1", ControlKind::kLabel, {100, 100, 3000, 400});
  Put(page, "Lab_2", ControlKind::kLabel, {100, 1145, 3000, 400});
  Put(page, "Pic", ControlKind::kPicture, {5000, 600, 1000, 400});  // beside, not below
  const Control& label = page["Lab_1"];
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
  // Nor does a button in a hidden frame count.
  other.visible = true;
  other.container = "Frm_1";
  Control& frame = Put(page, "Frm_1", ControlKind::kFrame, {});
  frame.visible = false;
  EXPECT_TRUE(ClashingMnemonics(page).empty());
}

TEST(LayoutRulesTest, FramesHideAndDisableWhatTheyHoldAtEveryDepth) {
  Page page("P", 7000, 5000);
  Put(page, "Frm_Outer", ControlKind::kFrame, {});
  Put(page, "Frm_Inner", ControlKind::kFrame, {}).container = "Frm_Outer";
  Put(page, "opt_1", ControlKind::kOption, {}).container = "Frm_Inner";
  Control& outer = page["Frm_Outer"];
  Control& option = page["opt_1"];
  outer.enabled = false;
  Control shown = AsShown(page, option);
  EXPECT_FALSE(shown.enabled);
  EXPECT_TRUE(shown.visible);
  outer.enabled = true;
  outer.visible = false;
  shown = AsShown(page, option);
  EXPECT_TRUE(shown.enabled);
  EXPECT_FALSE(shown.visible);
  EXPECT_FALSE(IsShown(page, option));
  // A frame the page does not have holds nothing back.
  option.container = "Frm_Missing";
  EXPECT_TRUE(AsShown(page, option).visible);
}

TEST(LayoutRulesTest, FindsControlsThatOverlapWhereTheyAreDrawn) {
  struct Case {
    const char* what;
    ControlKind kind;  // of the first control, at {1000, 1000, 2000, 1000}
    Rect second;       // a label
    bool overlaps;
  };
  const Case cases[] = {
      {"side by side", ControlKind::kLabel, {3000, 1000, 500, 500}, false},
      {"one below the other", ControlKind::kLabel, {1000, 2000, 2000, 500}, false},
      {"a corner shared", ControlKind::kButton, {2900, 1900, 500, 500}, true},
      {"on a frame", ControlKind::kFrame, {1100, 1100, 500, 500}, false},
      {"over a frame's edge", ControlKind::kFrame, {2900, 1100, 500, 500}, true},
      {"on a picture", ControlKind::kPicture, {1000, 1000, 2000, 1000}, false},
      {"on a progress bar", ControlKind::kProgressBar, {1100, 1100, 500, 500}, true},
  };
  for (const Case& c : cases) {
    Page page("P", 7000, 5000);
    Put(page, "First", c.kind, {1000, 1000, 2000, 1000});
    Put(page, "Second", ControlKind::kLabel, c.second);
    const auto model = [](const Control& control) { return std::optional<Rect>(control.rect); };
    EXPECT_EQ(OverlappingControls(page, model).size(), c.overlaps ? 1u : 0u) << c.what;
  }
}

TEST(LayoutRulesTest, OverlapsAreJudgedWhereShownControlsAreDrawn) {
  Page page("P", 7000, 5000);
  Put(page, "Lab_1", ControlKind::kLabel, {100, 100, 3000, 400});
  Put(page, "Lab_2", ControlKind::kLabel, {100, 600, 3000, 400});
  Put(page, "Frm_1", ControlKind::kFrame, {100, 1100, 3000, 1000}).visible = false;
  Put(page, "Cmd_1", ControlKind::kButton, {100, 900, 1000, 400}).container = "Frm_1";
  Put(page, "lblCaption", ControlKind::kLabel, {100, 600, 500, 200});
  // The first label drawn taller, reaching the second; the caption drawn on
  // something else; the button hidden with its frame.
  const auto drawn = [](const Control& c) -> std::optional<Rect> {
    if (c.name == "lblCaption") return std::nullopt;
    if (c.name == "Lab_1") return Rect{100, 100, 3000, 600};
    return c.rect;
  };
  EXPECT_EQ(OverlappingControls(page, drawn), std::vector<std::string>{"Lab_1 overlaps Lab_2"});
}

}  // namespace
}  // namespace vlrna
