#include "shell/main_window.h"

#include <gtest/gtest.h>

#include "pages/wizard.h"
#include "platform/fake/fake_machine.h"

namespace vlrna {
namespace {

class StartupTest : public ::testing::Test {
 protected:
  StartupTest() { DescribeTypicalMachine(fake); }

  std::string Log() { return fake.files.Content(kTypicalLogPath); }

  FakePlatform fake;
  ProgramState state;
  Context ctx{state, fake.platform};
  Wizard wizard{ctx};
};

TEST(BackgroundPictureTest, WidthBoundaries) {
  EXPECT_EQ(BackgroundPictureFor(1920), "\\vlrna_1920.bmp");
  EXPECT_EQ(BackgroundPictureFor(1681), "\\vlrna_1920.bmp");
  EXPECT_EQ(BackgroundPictureFor(1680), "\\vlrna_1680.bmp");
  EXPECT_EQ(BackgroundPictureFor(1366), "\\vlrna_1680.bmp");
  EXPECT_EQ(BackgroundPictureFor(1280.5), "\\vlrna_1680.bmp");
  EXPECT_EQ(BackgroundPictureFor(1280), "\\vlrna_1280.bmp");
  EXPECT_EQ(BackgroundPictureFor(1025), "\\vlrna_1280.bmp");
  EXPECT_EQ(BackgroundPictureFor(1024), "\\vlrna_1024.bmp");
  EXPECT_EQ(BackgroundPictureFor(800), "\\vlrna_1024.bmp");
}

TEST(LanguageIdTest, OnlyGermanAndItalianKeepTheirIds) {
  EXPECT_EQ(NormaliseLanguageId(0x0407), 0x0407);
  EXPECT_EQ(NormaliseLanguageId(0x0807), 0x0807);
  EXPECT_EQ(NormaliseLanguageId(0x0410), 0x0410);
  EXPECT_EQ(NormaliseLanguageId(0x040C), 0x0009);
  EXPECT_EQ(NormaliseLanguageId(0x0409), 0x0009);
  EXPECT_EQ(NormaliseLanguageId(0x0000), 0x0009);
}

TEST_F(StartupTest, LogsItsFindingsInOrderAndShowsTheLanguagePageOverTheMainWindow) {
  fake.system.language_id = 0x0807;
  fake.window = HeadlessWindow({1366 * 15, 768 * 15, 15, 15});
  wizard.Start();
  const std::string stamp = "2026.12.05  10:07:33 | ";
  EXPECT_EQ(Log(), stamp + std::string(68, '-') + "\r\n" +          //
                       stamp + "Veltrona Zozo 4.3.217\r\n" +        //
                       stamp + std::string(68, '-') + "\r\n" +      //
                       stamp + "Applicationpath = D:\\Setup\r\n" +  //
                       stamp + "Installing from D:\r\n" +           //
                       stamp + "Screen Width = 1366\r\n" +          //
                       stamp + "SystemlanguageID = 0x0807\r\n");
  EXPECT_EQ(state.gsUserDir, "C:\\Users\\pilot");
  EXPECT_EQ(state.gsSourcePath, "D:");
  EXPECT_EQ(state.gnSystemLanguage, 0x0807);
  MainWindow& main = wizard.main_window();
  EXPECT_EQ(main.caption, "Veltrona Zozo Installation");
  EXPECT_EQ(main["picBackground"].picture, "D:\\Setup\\vlrna_1680.bmp");
  EXPECT_EQ(main["picBackground"].rect.width, 1366 * 15);
  ASSERT_EQ(fake.window.main_window(), &main);
  Page* setup = fake.window.visible_page();
  ASSERT_NE(setup, nullptr);
  EXPECT_EQ(setup->name(), "Setup");
  EXPECT_EQ(setup->left, (1366 * 15 - 5430) / 2);
  EXPECT_EQ(setup->top, (768 * 15 - 3510) / 2);
}

TEST_F(StartupTest, DamagedRegistryFilesAreLoggedOnceAfterTheHeader) {
  fake.registry.load_problems = {{"/p/system.reg", 0, "cannot be read"},
                                 {"/p/user.reg", 3, "line 12: malformed value data"}};
  wizard.Start();
  const std::string stamp = "2026.12.05  10:07:33 | ";
  const std::string header = stamp + std::string(68, '-') + "\r\n";
  std::string log = Log();
  EXPECT_EQ(log.substr(0, log.find("Applicationpath")),
            header + stamp + "Veltrona Zozo 4.3.217\r\n" + header + stamp +
                "Registry file '/p/system.reg' not read: cannot be read\r\n" + stamp +
                "Registry file '/p/user.reg' damaged: 3 lines skipped, the first at line 12: "
                "malformed value data\r\n" +
                stamp);
}

TEST_F(StartupTest, DriveListsKeepLargeFixedDrivesAndEveryCdDrive) {
  fake.drives.drives = {
      {"c: [system]", kDriveFixed, 14'000'000'000ull, true},
      {"d: [data]", kDriveFixed, 14'000'000'001ull, true},
      {"e: [dvd_data]", kDriveCdRom, 0, false},
      {"f:", kDriveCdRom, 0, true},
      {"n: [\\\\nas\\sim]", kDriveRemote, 900'000'000'000ull, true},
      {"r: [r\xE9serve]", kDriveFixed, 20'000ull * 1024 * 1024 + 524'288, true},
      {"u: [stick]", kDriveRemovable, 60'000'000'000ull, true},
  };
  wizard.Start();
  EXPECT_EQ(state.gsFixedDrives[0], "2");
  EXPECT_EQ(state.gsFixedDrives[1], "D: [DATA] - [13351 MB free]");
  EXPECT_EQ(state.gsFixedDrives[2], "R: [R\xC9SERVE] - [20001 MB free]");
  EXPECT_EQ(state.gsCdDrives[0], "2");
  EXPECT_EQ(state.gsCdDrives[1], "E: [DVD_DATA]");
  EXPECT_EQ(state.gsCdDrives[2], "F:");
}

TEST_F(StartupTest, NoLargeDriveAndTwoCdDrivesStillStart) {
  fake.drives.drives = {{"d:", kDriveCdRom, 0, true}, {"e:", kDriveCdRom, 0, true}};
  wizard.Start();
  EXPECT_EQ(state.gsFixedDrives[0], "0");
  EXPECT_EQ(state.gsCdDrives[0], "2");
}

TEST_F(StartupTest, MissingProfileFolderEndsBeforeAnyLog) {
  fake.registry = FakeRegistry();
  try {
    wizard.Start();
    FAIL() << "the start-up went on";
  } catch (const ProcessEnded& end) {
    EXPECT_EQ(end.exit_code, 1);
  }
  ASSERT_EQ(fake.window.messages().size(), 1u);
  EXPECT_EQ(fake.window.messages()[0].id, kNoUserDirBox);
  EXPECT_EQ(fake.window.messages()[0].text,
            "ERROR: User Directory not found in registry!\r\nInstallation will abort!");
  EXPECT_EQ(fake.window.messages()[0].title, "Installation Error");
  EXPECT_TRUE(fake.files.journal().empty());
  EXPECT_EQ(fake.window.visible_page(), nullptr);
}

TEST_F(StartupTest, AnEmptyProfileValueRunsWithoutALog) {
  fake.registry.SetString(RegistryRoot::kCurrentUser, "Volatile Environment", "USERPROFILE", "");
  wizard.Start();
  EXPECT_TRUE(fake.files.journal().empty());
  EXPECT_EQ(fake.window.visible_page()->name(), "Setup");
}

TEST_F(StartupTest, LauncherNotRunningUnderItsExactNameEndsTheProgram) {
  fake.processes.running = {{5, "vlrsetup.exe", "D:\\vlrsetup.exe"}};
  fake.processes.terminated.clear();
  EXPECT_THROW(wizard.Start(), ProcessEnded);
  EXPECT_EQ(fake.window.messages().back().text,
            "ERROR: Source Path not found!\r\nInstallation will abort!");
  std::string log = Log();
  EXPECT_NE(log.find("Applicationpath = D:\\Setup\r\n"), std::string::npos);
  EXPECT_EQ(log.find("Installing from"), std::string::npos);
  EXPECT_NE(log.find("Closing all forms...\r\n"), std::string::npos);
  EXPECT_TRUE(fake.processes.terminated.empty());
}

}  // namespace
}  // namespace vlrna
