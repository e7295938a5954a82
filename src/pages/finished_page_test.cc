#include "pages/finished_page.h"

#include <gtest/gtest.h>

#include "pages/wizard.h"
#include "platform/fake/fake_machine.h"

namespace vlrna {
namespace {

// A wizard on the typical machine, moved from the language page straight to
// the finished page, as the installation page would move it.
struct ToFinished {
  explicit ToFinished(bool edit_failed = false, const std::string& entry64 = "T64") {
    DescribeTypicalMachine(fake);
    std::vector<std::string> texts = NumberedTexts();
    texts[63] = entry64;
    fake.files.AddFile("D:\\Setup\\ITEMS.ENG", MakeMessageFile(texts));
    wizard.Start();
    fake.window.Click("Cmd_Next");
    state.gbEditFailed = edit_failed;
    wizard.flow().Transition(*fake.window.visible_page(), "Finished");
  }
  Page& page() { return *fake.window.visible_page(); }

  FakePlatform fake;
  ProgramState state;
  Context ctx{state, fake.platform};
  Wizard wizard{ctx};
};

TEST(FinishedPageTest, NextEndsTheRunTheOrderlyWayAfterTwoFinishedLines) {
  ToFinished run;
  FakePlatform& fake = run.fake;
  Page& page = *fake.window.visible_page();
  ASSERT_EQ(page.name(), "Finished");
  EXPECT_EQ(page["Lab_Welcome"].text + page["Lab_1"].text + page["Lab_2"].text, "T36T37T39");
  EXPECT_FALSE(page["Cmd_Prev"].enabled || page["Cmd_Quit"].enabled);
  const std::string loaded = fake.files.Content(kTypicalLogPath);
  EXPECT_EQ(loaded.substr(loaded.size() - 24), "Installation finished!\r\n");

  const size_t boxes = fake.window.messages().size();
  EXPECT_THROW(fake.window.Click("Cmd_Next"), ProcessEnded);
  const std::string end =
      "| Installation finished!\r\n2026.12.05  10:07:33 | Closing all forms...\r\n"
      "2026.12.05  10:07:33 | Aborting...\r\n";
  EXPECT_EQ(fake.files.Content(kTypicalLogPath), loaded + "2026.12.05  10:07:33 " + end);
  EXPECT_EQ(fake.window.messages().size(), boxes);
  EXPECT_EQ(fake.window.events().rbegin()[1], "hide Finished");
  EXPECT_EQ(fake.system.end_calls, std::vector<int>{1});
}

TEST(FinishedPageTest, AfterAFailedEditItSaysSoAndNamesTheLog) {
  for (const char* entry : {"Errors, see %LOGFILE%.", ""}) {
    ToFinished run(true, entry);
    const std::string text = run.page()["Lab_1"].text;
    EXPECT_TRUE(text.ends_with(std::string(kTypicalLogPath) + ".")) << text;
    EXPECT_EQ(text.find('%'), std::string::npos) << text;
    EXPECT_EQ(run.page()["Lab_2"].text, "");
  }
}

}  // namespace
}  // namespace vlrna
