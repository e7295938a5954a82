#include "simconfig/terrain_setting.h"

#include <gtest/gtest.h>

#include "platform/fake/fake_platform.h"
#include "platform/runtime_error.h"
#include "shell/install_log.h"

namespace vlrna {
namespace {

const char kCfg[] = "C:\\Users\\pilot\\AppData\\Roaming\\Microsoft\\FSX\\fsx.cfg";
const char kKey[] = "IMAGE_PIXELS_FOR_AUTOGEN_POLYGONS";

class TerrainSettingTest : public ::testing::Test {
 protected:
  TerrainSettingTest() {
    state.gsUserDir = "C:\\Users\\pilot";
    fake.files.AddFolder(state.gsUserDir);
    MakeLogFileName(ctx);
  }

  // Runs the routine on a file with `value` and returns the log line.
  std::string Run(const std::string& file) {
    fake.files.AddFile(kCfg, file);
    fake.files.Remove("C:\\Users\\pilot\\VLRNA_2612051007.LOG");
    SetAutogenPolygonPixels(ctx, ini, kCfg);
    std::string log = fake.files.Content("C:\\Users\\pilot\\VLRNA_2612051007.LOG");
    return log.substr(23, log.size() - 25);
  }

  FakePlatform fake;
  ProgramState state;
  Context ctx{state, fake.platform};
  IniService ini{fake.files, fake.code_page};
};

TEST_F(TerrainSettingTest, LowMissingAndNonNumericValuesBecome256) {
  const std::string set = std::string(kKey) + " set to 256 in cfg-File " + kCfg;
  for (const char* value : {"128", "255.9", "abc", "", "-300", "12e1 "}) {
    std::string before = "[Main]\r\nUser Objects=Airplane\r\n[TERRAIN]\r\nLOD_RADIUS=4.5\r\n" +
                         std::string(kKey) + "=" + value + "\r\nMESH_COMPLEXITY=100\r\n";
    EXPECT_EQ(Run(before), set) << value;
    std::string after = before;
    after.replace(after.find(kKey) + sizeof kKey, std::string(value).size(), "256");
    EXPECT_EQ(fake.files.Content(kCfg), after) << value;
  }
}

TEST_F(TerrainSettingTest, HighEnoughValuesAreQuotedAndLeftAlone) {
  for (const char* value : {"256", "1024", "\"512\"", "2.56e3x"}) {
    std::string before = "[TERRAIN]\n" + std::string(kKey) + "=" + value + "\n";
    std::string quoted = std::string(value) == "\"512\"" ? "512" : value;
    EXPECT_EQ(Run(before),
              std::string(kKey) + " already set to " + quoted + " in cfg-File " + kCfg);
    EXPECT_EQ(fake.files.Content(kCfg), before);
  }
  EXPECT_TRUE(fake.files.journal().empty() || fake.files.journal().back().rfind("append", 0) == 0);
}

TEST_F(TerrainSettingTest, AMissingSectionIsAddedAtTheEndAndAMissingFileCreated) {
  Run("[DISPLAY]\r\nTEXTURE_MAX_LOAD=1024");
  EXPECT_EQ(fake.files.Content(kCfg),
            "[DISPLAY]\r\nTEXTURE_MAX_LOAD=1024\r\n[TERRAIN]\r\n" + std::string(kKey) + "=256");
  fake.files.Remove(kCfg);
  SetAutogenPolygonPixels(ctx, ini, kCfg);
  EXPECT_EQ(fake.files.Content(kCfg), "[TERRAIN]\r\n" + std::string(kKey) + "=256\r\n");
  EXPECT_THROW(SetAutogenPolygonPixels(ctx, ini, "C:\\Gone\\fsx.cfg"), RuntimeError);
}

}  // namespace
}  // namespace vlrna
