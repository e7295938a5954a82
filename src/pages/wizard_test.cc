#include "pages/wizard.h"

#include <gtest/gtest.h>

#include "platform/fake/fake_machine.h"
#include "platform/headless/unattended_walk.h"

namespace vlrna {
namespace {

// The user's walk through the pages this build has, checked by the log the
// run leaves behind, line by line.
TEST(WizardWalkTest, StartUpLanguagePageWelcomePageAndCancel) {
  FakePlatform fake;
  DescribeTypicalMachine(fake);
  fake.registry.SetString(RegistryRoot::kCurrentUser, "Software\\Lockheed Martin\\Prepar3D v4",
                          "AppPath", "D:\\P3D4");
  fake.system.language_id = 0x0407;
  fake.window = HeadlessWindow({1920 * 15, 1200 * 15, 15, 15});
  ProgramState state;
  Context ctx{state, fake.platform};
  Wizard wizard(ctx);

  wizard.Start();
  EXPECT_EQ(fake.window.visible_page()->SelectedOption("Frm_1"), "Opt_GER");
  fake.window.Click("Cmd_Next");
  EXPECT_EQ(fake.window.visible_page()->name(), "Welcome");
  fake.window.Click("Cmd_Next");
  EXPECT_EQ(fake.window.visible_page()->name(), "FSSelect");
  fake.window.Click("Cmd_Next");  // the licence page comes with a later build
  EXPECT_EQ(fake.window.visible_page()->name(), "FSSelect");
  fake.window.Answer("confirm-quit", kAnswerYes);
  EXPECT_THROW(fake.window.Click("Cmd_Quit"), ProcessEnded);

  const std::vector<std::string> expected = {
      std::string(68, '-'),
      "Veltrona Zozo 4.3.217",
      std::string(68, '-'),
      "Applicationpath = D:\\Setup",
      "Installing from D:",
      "Screen Width = 1920",
      "SystemlanguageID = 0x0407",
      "User Roaming Directory found at C:\\Users\\pilot\\AppData\\Roaming",
      "Common Appdata Path found at C:\\ProgramData",
      "Flightsimulator X Path found: C:\\FSX\\",
      "ERROR: Flightsimulator X (Steam Edition) Path not found in registry!",
      "ERROR: Prepar3D Path not found in registry!",
      "ERROR: Prepar3D V2 Path not found in registry!",
      "ERROR: Prepar3D V3 Path not found in registry!",
      "Prepar3D V4 Path found: D:\\P3D4\\",
      "Existing Installation not found!",
      "SETUP aborted by user!",
      "Closing all forms...",
      "Aborting...",
  };
  std::string log;
  for (const std::string& line : expected) log += "2026.12.05  10:07:33 | " + line + "\r\n";
  EXPECT_EQ(fake.files.Content(kTypicalLogPath), log);
  EXPECT_EQ(fake.processes.terminated.size(), 1u);
  EXPECT_TRUE(fake.window.closed());
  EXPECT_EQ(fake.system.end_calls, std::vector<int>{1});
  EXPECT_EQ(state.gsLanguage, "D");
}

}  // namespace
}  // namespace vlrna

namespace vlrna {
namespace {

TEST(WizardWalkTest, AnUnattendedWalkGoesAsFarAsThisBuildsPagesGo) {
  FakePlatform fake;
  DescribeTypicalMachine(fake);
  ProgramState state;
  Context ctx{state, fake.platform};
  Wizard wizard(ctx);
  wizard.Start();
  WalkReport report = WalkForward(fake.window);
  EXPECT_EQ(report.pages, (std::vector<std::string>{"Setup", "Welcome", "FSSelect"}));
  EXPECT_EQ(report.stopped_at, "FSSelect");
  EXPECT_EQ(fake.window.messages().back().id, kPageNotBuiltBox);
}

}  // namespace
}  // namespace vlrna
