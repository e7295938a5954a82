#include "platform/qt/layout_check.h"
#include "platform/single_byte_code_page.h"

#include <gtest/gtest.h>

#include "platform/qt/qt_test_support.h"
#include "platform/qt/qt_window_layer.h"

namespace vlrna {
namespace {

using qt_test::Make;

struct Case {
  const char* what;
  std::vector<Control> controls;  // besides a button and a frame holding an option
  std::string problem = "";       // the one line expected, or empty
};

TEST(LayoutCheckTest, FindsWhatTheUserWouldSeeWrong) {
  const std::string long_text(40, 'x');
  std::string words;
  for (int i = 0; i < 30; ++i) words += "Szenerie ";
  const Case cases[] = {
      {"a sound page", {}, ""},
      {"a label that cannot grow or shrink enough",
       {Make("Lab_1", ControlKind::kLabel, words, {2400, 2400, 3000, 300}),
        Make("Cmd_Prev", ControlKind::kButton, "&Back", {2400, 2760, 1275, 375})},
       "Page: Lab_1: its text needs"},
      {"a long path that wraps at its folders",
       {Make("Lab_1", ControlKind::kLabel,
             "Log: C:\\Users\\pilot\\AppData\\Roaming\\Veltrona\\VLRNA_2612051007.LOG",
             {2400, 2400, 2400, 300})}},
      {"a word wider than its label",
       {Make("Lab_1", ControlKind::kLabel, "Szenerieverzeichnis", {2400, 2400, 600, 300})},
       "Page: Lab_1: the word \"Szenerieverzeichnis\" needs"},
      {"a button's caption",
       {Make("Cmd_Prev", ControlKind::kButton, "&" + long_text, {2400, 2400, 1275, 375})},
       "Page: Cmd_Prev: its caption needs"},
      {"an option's caption",
       {Make("Opt_2", ControlKind::kOption, long_text, {2400, 2400, 1275, 330})},
       "Page: Opt_2: its caption needs"},
      {"a frame's caption",
       {Make("Frm_2", ControlKind::kFrame, long_text, {2400, 2400, 1275, 1000})},
       "Page: Frm_2: its caption needs"},
      {"two buttons on each other",
       {Make("Cmd_Prev", ControlKind::kButton, "&Back", {240, 3960, 1275, 375})},
       "Page: Cmd_Next overlaps Cmd_Prev"},
      {"a button over the edge",
       {Make("Cmd_Prev", ControlKind::kButton, "&Back", {6500, 240, 1275, 375})},
       "Page: Cmd_Prev reaches outside the page"},
      {"a mnemonic twice",
       {Make("Cmd_Prev", ControlKind::kButton, "&New", {2400, 2400, 1275, 375})},
       "Page: mnemonic n: Cmd_Next, Cmd_Prev"},
  };
  for (const Case& c : cases) {
    QtWindowLayer layer([](const std::string& path) { return path; }, Windows1252());
    Page page("Page", 7305, 5295);
    page.Add(Make("Cmd_Next", ControlKind::kButton, "&Next >", {240, 4000, 1275, 375}));
    page.Add(Make("Frm_1", ControlKind::kFrame, "Language", {240, 240, 2000, 1200}));
    page.Add(Make("Opt_1", ControlKind::kOption, "Deutsch", {360, 600, 1500, 330}, "Frm_1"));
    for (const Control& control : c.controls) page.Add(control);
    layer.ShowPage(page);
    const std::vector<std::string> problems = LayoutProblems(*layer.WindowOf(page));
    if (c.problem.empty()) {
      EXPECT_TRUE(problems.empty()) << c.what << ": " << problems.front();
    } else {
      ASSERT_EQ(problems.size(), 1u) << c.what;
      EXPECT_EQ(problems[0].rfind(c.problem, 0), 0u) << c.what << ": " << problems[0];
    }
    layer.CloseAll();
  }
}

}  // namespace
}  // namespace vlrna
