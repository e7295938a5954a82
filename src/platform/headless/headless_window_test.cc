#include "platform/headless/headless_window.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace vlrna {
namespace {

class RecordingPage : public Page {
 public:
  RecordingPage() : Page("Test", 100, 100) {
    Put("Frm_1", ControlKind::kFrame, "");
    Put("Opt_A", ControlKind::kOption, "Frm_1");
    Put("Opt_B", ControlKind::kOption, "Frm_1");
    Put("Cmd_Go", ControlKind::kButton, "");
  }
  std::vector<std::string> events;

 protected:
  void Put(const char* name, ControlKind kind, const char* container) {
    Control c;
    c.name = name;
    c.kind = kind;
    c.container = container;
    Add(c);
  }
  void OnClick(const std::string& control) override { events.push_back("click " + control); }
  void OnChange(const std::string& control) override { events.push_back("change " + control); }
};

TEST(HeadlessWindowTest, TheUserReachesOnlyWhatIsVisibleAndEnabled) {
  HeadlessWindow window;
  RecordingPage page;
  EXPECT_THROW(window.Click("Cmd_Go"), std::logic_error);  // no page shown yet
  window.ShowPage(page);
  window.ChooseOption("Opt_B");
  window.Click("Cmd_Go");
  EXPECT_EQ(page.events, (std::vector<std::string>{"change Opt_B", "click Cmd_Go"}));
  EXPECT_EQ(page.SelectedOption("Frm_1"), "Opt_B");
  page["Cmd_Go"].enabled = false;
  EXPECT_THROW(window.Click("Cmd_Go"), std::logic_error);
  page["Frm_1"].visible = false;
  EXPECT_THROW(window.ChooseOption("Opt_A"), std::logic_error);
  EXPECT_EQ(page.SelectedOption("Frm_1"), "Opt_B");
}

TEST(HeadlessWindowTest, ABusyPageTakesNoInput) {
  HeadlessWindow window;
  RecordingPage page;
  window.ShowPage(page);
  {
    BusyScope busy(page);
    EXPECT_THROW(window.Click("Cmd_Go"), std::logic_error);
  }
  window.Click("Cmd_Go");
  EXPECT_EQ(page.events, std::vector<std::string>{"click Cmd_Go"});
}

TEST(HeadlessWindowTest, BoxesAreAnsweredByIdOrRefused) {
  HeadlessWindow window;
  window.Answer("ask", kAnswerNo);
  window.AnswerAlways("ask", kAnswerYes);
  MessageRequest ask{"ask", "Sure?", "T", MessageIcon::kQuestion, MessageButtons::kYesNo};
  EXPECT_EQ(window.ShowMessage(ask), kAnswerNo);
  EXPECT_EQ(window.ShowMessage(ask), kAnswerYes);
  EXPECT_EQ(window.ShowMessage({"info", "x", "T", MessageIcon::kInformation}), kAnswerOk);
  EXPECT_THROW(
      window.ShowMessage({"other", "?", "T", MessageIcon::kQuestion, MessageButtons::kYesNo}),
      std::logic_error);
  EXPECT_EQ(window.messages().size(), 4u);
}

TEST(HeadlessWindowTest, OnlyOnePageIsVisibleAtATime) {
  HeadlessWindow window;
  RecordingPage first;
  RecordingPage second;
  window.ShowPage(first);
  EXPECT_THROW(window.ShowPage(second), std::logic_error);
  window.HidePage(first);
  window.ShowPage(second);
  EXPECT_EQ(window.visible_page(), &second);
  window.CloseAll();
  EXPECT_EQ(window.visible_page(), nullptr);
  EXPECT_FALSE(second.visible);
}

}  // namespace
}  // namespace vlrna
