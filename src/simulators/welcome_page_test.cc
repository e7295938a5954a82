#include "simulators/welcome_page.h"

#include <gtest/gtest.h>

#include "pages/wizard.h"
#include "platform/fake/fake_machine.h"
#include "shell/simulator_table.h"
#include "simulators/discovery.h"

namespace vlrna {
namespace {

class WelcomePageTest : public ::testing::Test {
 protected:
  WelcomePageTest() { DescribeTypicalMachine(fake); }

  void ToWelcome() {
    wizard.Start();
    fake.window.Click("Cmd_Next");
  }
  std::string Log() { return fake.files.Content(kTypicalLogPath); }
  void SetAppPath(int row, const std::string& folder) {
    fake.registry.SetString(RegistryRoot::kCurrentUser, kSimulatorTable[row].registry_key,
                            "AppPath", folder);
  }
  // The message of the FatalError that ended the run.
  std::string FatalMessage() {
    EXPECT_FALSE(fake.window.messages().empty());
    return fake.window.messages().back().text;
  }

  FakePlatform fake;
  ProgramState state;
  Context ctx{state, fake.platform};
  Wizard wizard{ctx};
};

TEST_F(WelcomePageTest, ShowsCatalogueTextsAndVersionAndLogsEveryRow) {
  SetAppPath(1, "E:\\Steam\\steamapps\\common\\FSX");
  SetAppPath(5, "C:\\\\P3D v4\\\\");
  ToWelcome();
  Page& page = *fake.window.visible_page();
  EXPECT_EQ(page.name(), "Welcome");
  EXPECT_EQ(page.caption, "T1");
  EXPECT_EQ(page["Lab_Welcome"].text, "T2");
  EXPECT_EQ(page["Lab_1"].text, "T7");
  EXPECT_EQ(page["Lab_2"].text, "T8");
  EXPECT_EQ(page["Cmd_Options"].text, "T54");
  EXPECT_EQ(page["Lab_3"].text.rfind("Veltrona Zozo Setup v4.3.217", 0), 0u);
  const std::string log = Log();
  const std::string expected =
      "| User Roaming Directory found at C:\\Users\\pilot\\AppData\\Roaming\r\n"
      "2026.12.05  10:07:33 | Common Appdata Path found at C:\\ProgramData\r\n"
      "2026.12.05  10:07:33 | Flightsimulator X Path found: C:\\FSX\\\r\n"
      "2026.12.05  10:07:33 | Flightsimulator X (Steam Edition) Path found: "
      "E:\\Steam\\steamapps\\common\\FSX\\\r\n"
      "2026.12.05  10:07:33 | ERROR: Prepar3D Path not found in registry!\r\n"
      "2026.12.05  10:07:33 | ERROR: Prepar3D V2 Path not found in registry!\r\n"
      "2026.12.05  10:07:33 | ERROR: Prepar3D V3 Path not found in registry!\r\n"
      "2026.12.05  10:07:33 | Prepar3D V4 Path found: C:\\P3D v4\\\r\n";
  EXPECT_NE(log.find(expected), std::string::npos) << log;
  EXPECT_EQ(state.gsFSXPath, "C:\\FSX\\");
  EXPECT_EQ(state.gsSimDataPath[5], "C:\\ProgramData\\Lockheed Martin\\Prepar3D v4");
  EXPECT_TRUE(state.gbSimFound[1]);
  EXPECT_FALSE(state.gbSimFound[2]);
  EXPECT_EQ(state.gsSimPath[2], "");
}

TEST_F(WelcomePageTest, AnEmptyAppPathOrOneUnderAnotherSpellingCountsAsNotFound) {
  SetAppPath(0, "");
  fake.registry.SetString(RegistryRoot::kCurrentUser, "Software\\Lockheed Martin\\Prepar3D",
                          "AppPath", "C:\\P3D");
  fake.registry.SetDword(RegistryRoot::kCurrentUser, kSimulatorTable[3].registry_key, "AppPath", 7);
  ToWelcome();
  EXPECT_FALSE(state.gbSimFound[0]);
  EXPECT_FALSE(state.gbSimFound[2]);
  EXPECT_TRUE(state.gbSimFound[3]);  // a number is text too
  EXPECT_EQ(state.gsFSXPath, "");
}

TEST_F(WelcomePageTest, NoDriveWithEnoughSpaceStopsBeforeAnyRegistryRead) {
  fake.drives.drives = {{"c:", kDriveFixed, 1'000'000ull, true}};
  wizard.Start();
  int opens = fake.registry.opens();
  EXPECT_THROW(fake.window.Click("Cmd_Next"), ProcessEnded);
  EXPECT_EQ(fake.registry.opens(), opens);
  ASSERT_EQ(fake.window.messages().size(), 2u);
  EXPECT_EQ(fake.window.messages()[0].text, "T12");
  EXPECT_EQ(fake.window.messages()[0].title, "T1");
  EXPECT_EQ(fake.window.messages()[0].icon, MessageIcon::kInformation);
  EXPECT_EQ(FatalMessage(), "ERROR: No drive with enough space found!\r\nProgram will abort!");
  EXPECT_FALSE(fake.window.main_window()->visible);
}

TEST_F(WelcomePageTest, TheFatalStopsOfTheFolderLookups) {
  struct Case {
    const char* what;
    std::function<void(FakeRegistry&)> change;
    const char* message;
  };
  const RegistryRoot hkcu = RegistryRoot::kCurrentUser;
  const RegistryRoot hklm = RegistryRoot::kLocalMachine;
  const char* folders = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";
  std::vector<Case> cases = {
      {"no APPDATA",
       [&](FakeRegistry& r) { r.SetRaw(hkcu, "Volatile Environment", "APPDATA", kRegNone, ""); },
       "ERROR: User Roaming Directory is empty in registry!"},
      {"APPDATA expandable",
       [&](FakeRegistry& r) {
         r.SetRaw(hkcu, "Volatile Environment", "APPDATA", kRegExpandSz, std::string("x\0", 2));
       },
       "ERROR: User Roaming Directory is empty in registry!"},
      {"common empty", [&](FakeRegistry& r) { r.SetString(hklm, folders, "Common AppData", ""); },
       "ERROR: Common Appdata Path is empty in registry!"},
      {"no shell folders", [&](FakeRegistry& r) { r.DenyKey(hklm, folders, 2); },
       "ERROR: Common Appdata Path not found in registry!"},
  };
  for (const Case& c : cases) {
    FakePlatform machine;
    DescribeTypicalMachine(machine);
    c.change(machine.registry);
    ProgramState s;
    Context context{s, machine.platform};
    Wizard w(context);
    w.Start();
    EXPECT_THROW(machine.window.Click("Cmd_Next"), ProcessEnded) << c.what;
    EXPECT_EQ(machine.window.messages().back().text,
              std::string(c.message) + "\r\nProgram will abort!")
        << c.what;
    EXPECT_EQ(machine.processes.terminated.size(), 1u);
  }
}

TEST_F(WelcomePageTest, AMissingVolatileEnvironmentIsNotFoundRatherThanEmpty) {
  // The profile folder is read from the same key, so take it away only after
  // the start-up.
  wizard.Start();
  fake.registry.DenyKey(RegistryRoot::kCurrentUser, "Volatile Environment", 2);
  EXPECT_THROW(fake.window.Click("Cmd_Next"), ProcessEnded);
  EXPECT_EQ(FatalMessage(),
            "ERROR: User Roaming Directory not found in registry!\r\nProgram will abort!");
}

TEST_F(WelcomePageTest, ComingBackDoesNotRunTheDiscoveryAgainAndKeepsTheFirstTexts) {
  ToWelcome();
  fake.files.AddFile("D:\\Setup\\ITEMS.GER", MakeMessageFile({"Deutsch 1", "Deutsch 2"}));
  fake.window.Click("Cmd_Prev");
  EXPECT_EQ(fake.window.visible_page()->name(), "Setup");
  fake.window.ChooseOption("Opt_GER");
  fake.window.Click("Cmd_Next");
  Page& page = *fake.window.visible_page();
  EXPECT_EQ(page.name(), "Welcome");
  EXPECT_EQ(page.caption, "T1");
  EXPECT_EQ(state.MessageCatalogue[1], "Deutsch 1");
  EXPECT_EQ(state.MessageCatalogue[3], "T3");  // higher entries of the first file stay
  const std::string log = Log();
  EXPECT_EQ(log.find("Common Appdata Path found"), log.rfind("Common Appdata Path found"));
}

TEST_F(WelcomePageTest, CancelAsksTheCommonQuestion) {
  ToWelcome();
  fake.window.Answer("confirm-quit", kAnswerNo);
  fake.window.Click("Cmd_Quit");
  EXPECT_EQ(fake.window.visible_page()->name(), "Welcome");
  fake.window.Answer("confirm-quit", kAnswerYes);
  EXPECT_THROW(fake.window.Click("Cmd_Quit"), ProcessEnded);
  const std::string log = Log();
  EXPECT_NE(log.find("| SETUP aborted by user!\r\n2026.12.05  10:07:33 | Closing all forms...\r\n"
                     "2026.12.05  10:07:33 | Aborting...\r\n"),
            std::string::npos);
  EXPECT_EQ(fake.window.messages().back().title, "T25");
  EXPECT_EQ(fake.system.end_calls, std::vector<int>{1});
}

}  // namespace
}  // namespace vlrna
