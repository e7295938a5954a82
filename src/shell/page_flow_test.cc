#include "shell/page_flow.h"

#include <gtest/gtest.h>

#include "platform/fake/fake_platform.h"
#include "shell/page_layout.h"

namespace vlrna {
namespace {

// A page that counts its loads and keeps a text the user typed.
class CountingPage : public WizardPage {
 public:
  CountingPage(const std::string& name, Context& ctx, PageFlow& flow, int* loads)
      : WizardPage(name, kPageWidth, ctx, flow), loads_(loads) {
    AddStandardControls(*this);
    AddControl(*this, "inpNote", ControlKind::kTextBox, {});
    AddControl(*this, "Cmd_Options", ControlKind::kButton, {});
  }
  void Load() override { ++*loads_; }

 private:
  int* loads_;
};

class PageFlowTest : public ::testing::Test {
 protected:
  PageFlowTest() {
    for (const char* name : {"Setup", "Welcome"}) {
      flow.Register(name, [this, name](Context& c, PageFlow& f) {
        return std::make_unique<CountingPage>(name, c, f, &loads[name]);
      });
    }
  }

  FakePlatform fake;
  ProgramState state;
  Context ctx{state, fake.platform};
  PageFlow flow{ctx};
  std::map<std::string, int> loads;
};

TEST_F(PageFlowTest, PagesAreCreatedOnceAtFirstUseAndKeepTheirStateBetweenVisits) {
  flow.ShowFirst("Setup", 6000, 4000);
  EXPECT_EQ(loads["Setup"], 1);
  EXPECT_FALSE(flow.Created("Welcome"));
  fake.window.Click("Cmd_Next");
  fake.window.EditText("inpNote", "kept");
  fake.window.Click("Cmd_Prev");
  fake.window.Click("Cmd_Next");
  EXPECT_EQ(loads["Setup"], 1);
  EXPECT_EQ(loads["Welcome"], 1);
  EXPECT_EQ(fake.window.visible_page()->name(), "Welcome");
  EXPECT_EQ((*fake.window.visible_page())["inpNote"].text, "kept");
}

TEST_F(PageFlowTest, EveryMoveHandsOnThePositionOfThePageLeft) {
  flow.ShowFirst("Setup", 6000, 4000);
  fake.window.Click("Cmd_Next");
  Page* welcome = fake.window.visible_page();
  welcome->left = 100;  // the user moved the page
  welcome->top = 200;
  fake.window.Click("Cmd_Prev");
  EXPECT_EQ(fake.window.events(),
            (std::vector<std::string>{"show Setup at 6000,4000", "hide Setup",
                                      "show Welcome at 6000,4000", "hide Welcome",
                                      "show Setup at 100,200"}));
}

TEST_F(PageFlowTest, APageThisBuildLacksIsNotPretendedAndThePageStays) {
  flow.ShowFirst("Setup", 0, 0);
  fake.window.Click("Cmd_Next");
  fake.window.Click("Cmd_Options");
  EXPECT_EQ(fake.window.visible_page()->name(), "Welcome");
  ASSERT_EQ(fake.window.messages().size(), 1u);
  EXPECT_EQ(fake.window.messages()[0].id, kPageNotBuiltBox);
  EXPECT_FALSE(flow.Knows("Options"));
}

TEST(TransitionTableTest, TheWizardsOrder) {
  EXPECT_EQ(PageFlow::Target("Setup", "Cmd_Next"), "Welcome");
  EXPECT_EQ(PageFlow::Target("Setup", "Cmd_Prev"), "");
  EXPECT_EQ(PageFlow::Target("Welcome", "Cmd_Options"), "Options");
  EXPECT_EQ(PageFlow::Target("Options", "Cmd_Next"), "");
  EXPECT_EQ(PageFlow::Target("License", "Cmd_Prev"), "FSSelect");
  EXPECT_EQ(PageFlow::Target("InstallStart", "Cmd_Next"), "Finished");
  EXPECT_EQ(PageFlow::Target("Finished", "Cmd_Next"), "");
}

}  // namespace
}  // namespace vlrna
