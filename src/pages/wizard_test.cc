#include "pages/wizard.h"

#include <gtest/gtest.h>

#include "destination/select_path_page.h"
#include "platform/fake/fake_machine.h"
#include "shell/page_flow.h"
#include "shell/program_end.h"

namespace vlrna {
namespace {

// A German user with Flight Simulator X and Prepar3D v4 and a second hard
// disk D:, the medium on the CD-ROM drive E:.
class WizardWalkTest : public ::testing::Test {
 protected:
  WizardWalkTest() {
    DescribeTypicalMachine(fake);
    fake.registry.SetString(RegistryRoot::kCurrentUser, "Software\\Lockheed Martin\\Prepar3D v4",
                            "AppPath", "C:\\P3D4");
    fake.system.language_id = 0x0407;
    fake.window = HeadlessWindow({1920 * 15, 1200 * 15, 15, 15});
    fake.drives.drives = {{"c: [system]", kDriveFixed, 51'234ull * 1024 * 1024, true},
                          {"d: [data]", kDriveFixed, 20'000'000'000ull, true},
                          {"e: [veltrona_1]", kDriveCdRom, 0, true}};
    fake.files.AddFolder("C:\\P3D4");
    fake.files.AddFolder("D:\\Scenery");
    fake.files.AddFolder("D:\\Games");
  }
  // The log's lines after their time stamps.
  std::vector<std::string> LogLines() {
    std::vector<std::string> lines;
    const std::string log = fake.files.Content(kTypicalLogPath);
    for (size_t at = 0; at < log.size();) {
      size_t end = log.find("\r\n", at);
      lines.push_back(log.substr(at + 23, end - at - 23));
      at = end + 2;
    }
    return lines;
  }
  Page& Visible() { return *fake.window.visible_page(); }

  FakePlatform fake;
  ProgramState state;
  Context ctx{state, fake.platform};
  Wizard wizard{ctx};
};

TEST_F(WizardWalkTest, ChoosesPrepar3DAndAFolderOnDriveDUpToTheInstallation) {
  wizard.Start();
  EXPECT_EQ(Visible().SelectedOption("Frm_1"), "Opt_GER");
  fake.window.Click("Cmd_Next");
  ASSERT_EQ(Visible().name(), "Welcome");
  fake.window.Click("Cmd_Next");
  ASSERT_EQ(Visible().name(), "FSSelect");
  EXPECT_EQ(Visible().SelectedOption("Frame2"), "optSimulation(0)");
  fake.window.ChooseOption("optSimulation(5)");
  fake.window.Click("Cmd_Next");
  ASSERT_EQ(Visible().name(), "License");
  EXPECT_EQ(Visible()["inpLicense"].text, "Lizenz\r\nBedingungen\r\n");
  fake.window.Click("Cmd_Next");
  ASSERT_EQ(Visible().name(), "SelectPath");
  EXPECT_EQ(Visible()["inpPath"].text, "C:\\P3D4\\vlrna\\");
  fake.window.ChooseListItem("cmbDrive", "d: [data]");
  fake.window.ChooseListItem("cmbPath", "D:\\Scenery");
  EXPECT_EQ(Visible()["inpPath"].text, "D:\\Scenery\\vlrna\\");
  fake.window.Answer(kDestinationCreateFolderBox, kAnswerYes);
  fake.window.Click("Cmd_Next");

  // The hand-over: the installation page waits for its Next.
  ASSERT_EQ(Visible().name(), "InstallStart");
  EXPECT_EQ(state.gsInstPath, "D:\\Scenery\\vlrna\\");
  EXPECT_EQ(state.gsFSXPath, "C:\\P3D4\\");
  EXPECT_EQ(state.gsSimExe, "Prepar3D.exe");
  EXPECT_EQ(state.gsSceneryCfg, "C:\\ProgramData\\Lockheed Martin\\Prepar3D v4\\Scenery.cfg");
  EXPECT_EQ(state.gsSimCfg,
            "C:\\Users\\pilot\\AppData\\Roaming\\Lockheed Martin\\Prepar3D v4\\Prepar3D.cfg");
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
      "Prepar3D V4 Path found: C:\\P3D4\\",
      "Existing Installation not found!",
      "License read",
      "Installation directory selected: D:\\Scenery\\vlrna\\",
  };
  EXPECT_EQ(LogLines(), expected);
}

TEST_F(WizardWalkTest, CancelAsksAndEndsTheOneWay) {
  wizard.Start();
  fake.window.Click("Cmd_Next");
  fake.window.Answer(kConfirmQuitBox, kAnswerYes);
  EXPECT_THROW(fake.window.Click("Cmd_Quit"), ProcessEnded);
  const std::vector<std::string> lines = LogLines();
  EXPECT_EQ(
      std::vector<std::string>(lines.end() - 3, lines.end()),
      (std::vector<std::string>{"SETUP aborted by user!", "Closing all forms...", "Aborting..."}));
  EXPECT_EQ(fake.processes.terminated.size(), 1u);
  EXPECT_TRUE(fake.window.closed());
  EXPECT_EQ(fake.system.end_calls, std::vector<int>{1});
}

}  // namespace
}  // namespace vlrna
