#include "simconfig/autogen_restore.h"

#include <gtest/gtest.h>

#include <map>

#include "platform/fake/fake_platform.h"
#include "platform/fake/fault_injecting_files.h"
#include "shell/install_log.h"
#include "simconfig/autogen_test_files.h"

namespace vlrna {
namespace {

const char kLog[] = "C:\\Users\\pilot\\VLRNA_2612051007.LOG";
const char kFsx[] = "C:\\FSX\\Autogen\\AutogenDescriptions.spb";
const char kP3d3[] = "D:\\P3D v3\\Autogen\\AutogenDescriptions.spb";
const char kP3d4[] = "E:\\P3D4\\Autogen\\AutogenDescriptions.spb";
const char kP3d4Legacy[] = "E:\\P3D4\\Autogen\\AutogenDescriptions_Legacy.spb";

// Each restored simulator's row with the outcomes of its files.
using Rows = std::vector<std::pair<int, std::vector<RestoreOutcome>>>;

class AutogenRestoreTest : public ::testing::Test {
 protected:
  AutogenRestoreTest() {
    state.gsUserDir = "C:\\Users\\pilot";
    fake.files.AddFolder(state.gsUserDir);
    MakeLogFileName(ctx);
    state.gSpbDefinition = DefinitionBlock();
    // Three of the six simulators, each description file waiting for its patch.
    Found(0, "C:\\FSX\\");
    Found(4, "D:\\P3D v3\\");
    Found(5, "E:\\P3D4\\");
    for (const char* path : {kFsx, kP3d3, kP3d4, kP3d4Legacy}) {
      fake.files.AddFile(path, AutogenFile({"{other}"}));
    }
  }
  void Found(int row, const std::string& folder) {
    state.gbSimFound[row] = true;
    state.gsSimPath[row] = folder;
  }
  static Rows Outcomes(const std::vector<RestoredSimulator>& restored) {
    Rows result;
    for (const RestoredSimulator& simulator : restored) {
      result.push_back({simulator.row, {}});
      for (const RestoredFile& file : simulator.files) result.back().second.push_back(file.outcome);
    }
    return result;
  }

  FakePlatform fake;
  ProgramState state;
  Context ctx{state, fake.platform};
};

using enum RestoreOutcome;

TEST_F(AutogenRestoreTest, VisitsFoundSimulatorsInTableOrderAndASecondRunChangesNothing) {
  std::vector<RestoredSimulator> first = RestoreAutogenDescriptions(ctx);
  EXPECT_EQ(Outcomes(first),
            (Rows{{0, {kRestored}}, {4, {kRestored}}, {5, {kRestored, kRestored}}}));
  EXPECT_EQ(first[2].files[1].path, kP3d4Legacy);
  EXPECT_FALSE(RestoreFailed(first));
  const std::string log = fake.files.Content(kLog);
  EXPECT_LT(log.find(std::string("Opening File: ") + kP3d3), log.find(kP3d4));
  EXPECT_LT(log.find(std::string("Opening File: ") + kP3d4 + "\r\n"), log.find(kP3d4Legacy));

  std::map<std::string, std::string> patched;
  for (const char* path : {kFsx, kP3d3, kP3d4, kP3d4Legacy}) {
    patched[path] = fake.files.Content(path);
    EXPECT_EQ(patched[path].size(), AutogenFile({"{other}"}).size() + 562) << path;
  }
  std::vector<RestoredSimulator> second = RestoreAutogenDescriptions(ctx);
  EXPECT_EQ(Outcomes(second),
            (Rows{{0, {kUpToDate}}, {4, {kUpToDate}}, {5, {kUpToDate, kUpToDate}}}));
  for (const auto& [path, content] : patched) EXPECT_EQ(fake.files.Content(path), content);
}

TEST_F(AutogenRestoreTest, AFileThatCannotBeWrittenStaysWithItsSimulator) {
  FaultInjectingFiles faulty(fake.files);
  Platform platform{fake.registry, faulty,     fake.drives, fake.processes,
                    fake.system,   fake.sound, fake.window};
  Context faulty_ctx{state, platform};
  faulty.FailNth(FaultInjectingFiles::Op::kReplace, 1, kErrPermissionDenied);  // FSX's file
  fake.files.Remove(kP3d4);
  fake.files.AddFile(kP3d4Legacy, "no autogen descriptions");

  std::vector<RestoredSimulator> restored = RestoreAutogenDescriptions(faulty_ctx);
  EXPECT_EQ(Outcomes(restored),
            (Rows{{0, {kNotWritten}}, {4, {kRestored}}, {5, {kMissing, kNotRecognised}}}));
  EXPECT_EQ(restored[0].files[0].reason, std::string("Permission denied: ") + kFsx);
  EXPECT_EQ(fake.files.Content(kFsx), AutogenFile({"{other}"}));
  EXPECT_EQ(fake.files.Content(kP3d4Legacy), "no autogen descriptions");
  EXPECT_NE(
      fake.files.Content(kLog).find("| Error Nr.70 : Permission denied: " + std::string(kFsx) +
                                    " in Line 0 in Module FaultInjectingFiles\r\n"),
      std::string::npos);
  EXPECT_TRUE(RestoreFailed(restored));
}

TEST_F(AutogenRestoreTest, NoSimulatorFoundRestoresNothing) {
  state.gbSimFound = {};
  EXPECT_TRUE(RestoreAutogenDescriptions(ctx).empty());
  EXPECT_EQ(fake.files.Content(kLog), "");
}

}  // namespace
}  // namespace vlrna
