#include "shell/program_end.h"

#include <gtest/gtest.h>

#include "platform/fake/fake_platform.h"
#include "shell/install_log.h"
#include "shell/shared_helpers.h"

namespace vlrna {
namespace {

class ProgramEndTest : public ::testing::Test {
 protected:
  ProgramEndTest() {
    state.gsUserDir = "C:\\Users\\pilot";
    fake.files.AddFolder(state.gsUserDir);
    MakeLogFileName(ctx);
  }
  std::string Log() { return fake.files.Content("C:\\Users\\pilot\\VLRNA_2612051007.LOG"); }

  FakePlatform fake;
  ProgramState state;
  Context ctx{state, fake.platform};
};

TEST_F(ProgramEndTest, FatalErrorLogsShowsClosesTerminatesAndEndsWithOne) {
  state.goLauncherProcess = ProcessInfo{7, "VLRSetup.exe", "D:\\VLRSetup.exe"};
  try {
    FatalError(ctx, "Error extracting file!");
    FAIL() << "FatalError returned";
  } catch (const ProcessEnded& end) {
    EXPECT_EQ(end.exit_code, 1);
  }
  EXPECT_EQ(Log(),
            "2026.12.05  10:07:33 | Error extracting file!\r\n"
            "2026.12.05  10:07:33 | Closing all forms...\r\n"
            "2026.12.05  10:07:33 | Aborting...\r\n");
  ASSERT_EQ(fake.window.messages().size(), 1u);
  EXPECT_EQ(fake.window.messages()[0].text, "Error extracting file!\r\nProgram will abort!");
  EXPECT_EQ(fake.window.messages()[0].title, "Error");
  EXPECT_EQ(fake.window.messages()[0].icon, MessageIcon::kCritical);
  EXPECT_TRUE(fake.window.closed());
  ASSERT_EQ(fake.processes.terminated.size(), 1u);
  EXPECT_EQ(fake.processes.terminated[0].id, 7u);
  EXPECT_EQ(fake.sound.stops, 1);
}

TEST_F(ProgramEndTest, SilentFatalErrorShowsNoBoxAndSurvivesAMissingLauncher) {
  EXPECT_THROW(FatalError(ctx, ""), ProcessEnded);
  EXPECT_TRUE(fake.window.messages().empty());
  EXPECT_TRUE(fake.processes.terminated.empty());
  EXPECT_EQ(Log(),
            "2026.12.05  10:07:33 | Closing all forms...\r\n"
            "2026.12.05  10:07:33 | Aborting...\r\n");
}

TEST_F(ProgramEndTest, AnUntrappedErrorIsNamedAndEndsWithoutTheClosingSequence) {
  state.goLauncherProcess = ProcessInfo{7, "VLRSetup.exe", "D:\\VLRSetup.exe"};
  EXPECT_THROW(EndOnUntrappedError(ctx, RuntimeError(53, "File not found", "License")),
               ProcessEnded);
  ASSERT_EQ(fake.window.messages().size(), 1u);
  EXPECT_EQ(fake.window.messages()[0].text, "Run-time error '53':\r\n\r\nFile not found");
  EXPECT_EQ(Log(), "");
  EXPECT_TRUE(fake.processes.terminated.empty());
  EXPECT_EQ(fake.system.end_calls, std::vector<int>{1});
}

TEST_F(ProgramEndTest, ConfirmQuitLogsOnlyOnYes) {
  state.MessageCatalogue[25] = "Cancel";
  state.MessageCatalogue[26] = "Really?";
  fake.window.Answer(kConfirmQuitBox, kAnswerNo);
  EXPECT_FALSE(ConfirmQuit(ctx));
  EXPECT_EQ(Log(), "");
  fake.window.Answer(kConfirmQuitBox, kAnswerYes);
  EXPECT_TRUE(ConfirmQuit(ctx));
  EXPECT_EQ(Log(), "2026.12.05  10:07:33 | SETUP aborted by user!\r\n");
  EXPECT_EQ(fake.window.messages()[0].title, "Cancel");
  EXPECT_EQ(fake.window.messages()[0].text, "Really?");
}

TEST_F(ProgramEndTest, LogErrorJoinsItsPartsDirectly) {
  LogError(ctx, RuntimeError(53, "File not found", "Registry", 12));
  EXPECT_EQ(
      Log(),
      "2026.12.05  10:07:33 | Error Nr.53 : File not found in Line 12 in Module Registry\r\n");
}

TEST(SharedHelpersTest, AddTrailingBackslashLeavesExactlyOne) {
  EXPECT_EQ(AddTrailingBackslash("C:\\Games"), "C:\\Games\\");
  EXPECT_EQ(AddTrailingBackslash("C:\\Games\\"), "C:\\Games\\");
  EXPECT_EQ(AddTrailingBackslash("C:\\\\Games\\\\\\"), "C:\\Games\\");
  EXPECT_EQ(AddTrailingBackslash("\\\\server\\share"), "\\server\\share\\");
  EXPECT_EQ(AddTrailingBackslash(""), "\\");
}

TEST(SharedHelpersTest, FindProcessFolderIsCaseSensitiveAndTakesTheLastMatch) {
  FakePlatform fake;
  ProgramState state;
  Context ctx{state, fake.platform};
  fake.processes.running = {{1, "vlrsetup.exe", "E:\\vlrsetup.exe"}};
  EXPECT_EQ(FindProcessFolder(ctx, "VLRSetup.exe"), "");
  EXPECT_FALSE(state.goLauncherProcess);

  fake.processes.running = {{1, "VLRSetup.exe", "D:\\VLRSetup.exe"},
                            {2, "explorer.exe", "C:\\windows\\explorer.exe"},
                            {3, "VLRSetup.exe", "D:\\Install\\VLRSetup.exe"}};
  EXPECT_EQ(FindProcessFolder(ctx, "VLRSetup.exe"), "D:\\Install");
  EXPECT_EQ(state.goLauncherProcess->id, 3u);

  fake.processes.running = {{1, "VLRSetup.exe", "D:\\VLRSetup.exe"}};
  EXPECT_EQ(FindProcessFolder(ctx, "VLRSetup.exe"), "D:");

  fake.processes.fail_listing = true;
  EXPECT_EQ(FindProcessFolder(ctx, "VLRSetup.exe"), "");
}

TEST(SharedHelpersTest, FreeDiskBytesKeepsSixtyFourBitsAndGivesZeroOnFailure) {
  FakePlatform fake;
  ProgramState state;
  Context ctx{state, fake.platform};
  fake.drives.drives = {{"c: [system]", kDriveFixed, 0x1'2345'6789'0ull, true},
                        {"n: [\\\\nas\\share]", kDriveRemote, std::nullopt, true}};
  EXPECT_EQ(FreeDiskBytes(ctx, "C:\\"), 78187493520.0);
  EXPECT_EQ(FreeDiskBytes(ctx, "N:\\"), 0.0);
  EXPECT_EQ(FreeDiskBytes(ctx, "Q:\\"), 0.0);
}

}  // namespace
}  // namespace vlrna
