#include "pages/finished_page.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "pages/stand_in_page.h"
#include "pages/wizard.h"
#include "platform/fake/fake_machine.h"

namespace vlrna {
namespace {

TEST(FinishedPageTest, NextEndsTheRunTheOrderlyWayAfterTwoFinishedLines) {
  FakePlatform fake;
  DescribeTypicalMachine(fake);
  ProgramState state;
  Context ctx{state, fake.platform};
  Wizard wizard(ctx);
  wizard.flow().Register("InstallStart", StandInPage("InstallStart"));
  wizard.Start();
  fake.window.Click("Cmd_Next");
  wizard.flow().Transition(*fake.window.visible_page(), "InstallStart");
  fake.window.Click("Cmd_Next");

  Page& page = *fake.window.visible_page();
  ASSERT_EQ(page.name(), "Finished");
  EXPECT_EQ(page.caption, "T1");
  EXPECT_EQ(page["Lab_Welcome"].text, "T36");
  EXPECT_EQ(page["Lab_1"].text, "T37");
  EXPECT_EQ(page["Lab_2"].text, "T39");
  EXPECT_FALSE(page["Cmd_Prev"].enabled);
  EXPECT_FALSE(page["Cmd_Quit"].enabled);
  const size_t boxes = fake.window.messages().size();
  const std::string loaded = fake.files.Content(kTypicalLogPath);
  EXPECT_EQ(loaded.substr(loaded.size() - 24), "Installation finished!\r\n");

  EXPECT_THROW(fake.window.Click("Cmd_Next"), ProcessEnded);
  const std::string log = fake.files.Content(kTypicalLogPath);
  const std::string end =
      "| Installation finished!\r\n2026.12.05  10:07:33 | Installation finished!\r\n"
      "2026.12.05  10:07:33 | Closing all forms...\r\n2026.12.05  10:07:33 | Aborting...\r\n";
  EXPECT_EQ(log.substr(log.size() - end.size()), end);
  EXPECT_EQ(fake.window.messages().size(), boxes);
  const auto& events = fake.window.events();
  auto hidden = std::find(events.begin(), events.end(), "hide Finished");
  EXPECT_LT(hidden, std::find(events.begin(), events.end(), "close all"));
  EXPECT_EQ(fake.processes.terminated.size(), 1u);
  EXPECT_EQ(fake.system.end_calls, std::vector<int>{1});
}

}  // namespace
}  // namespace vlrna
