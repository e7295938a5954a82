#include "simconfig/ini_service.h"

#include <gtest/gtest.h>

#include "platform/fake/fake_files.h"
#include "platform/fake/fault_injecting_files.h"
#include "platform/runtime_error.h"
#include "platform/single_byte_code_page.h"

namespace vlrna {
namespace {

const char kCfg[] = "C:\\FSX\\fsx.cfg";

class IniServiceTest : public ::testing::Test {
 protected:
  IniServiceTest() { files.AddFile(kCfg, "[TERRAIN]\r\nLOD_RADIUS=4.5\r\n"); }

  int32_t WriteError(const std::string& path, const std::string& section, const std::string& key,
                     const std::string& value) {
    try {
      ini.Write(path, section, key, value);
    } catch (const RuntimeError& e) {
      return e.number();
    }
    return 0;
  }

  FakeFiles files;
  FaultInjectingFiles faulty{files};
  IniService ini{faulty, Windows1252()};
};

TEST_F(IniServiceTest, EveryReadSeesTheFileAsItIsNow) {
  EXPECT_EQ(ini.Read(kCfg, "terrain", "lod_radius", "x"), "4.5");
  EXPECT_EQ(ini.Read(kCfg, "terrain", "lod_radius", "x"), "4.5");
  EXPECT_EQ(faulty.calls(FaultInjectingFiles::Op::kRead), 1);  // parsed once

  files.AddFile(kCfg, "[TERRAIN]\r\nLOD_RADIUS=6.5\r\n");  // changed behind our back
  EXPECT_EQ(ini.Read(kCfg, "terrain", "lod_radius", "x"), "6.5");
  files.Remove(kCfg);
  EXPECT_EQ(ini.Read(kCfg, "terrain", "lod_radius", "gone"), "gone");
  // Our own writes need no read afterwards.
  ini.Write(kCfg, "TERRAIN", "A", "1");
  ini.Write(kCfg, "TERRAIN", "B", "2");
  EXPECT_EQ(ini.Read(kCfg, "terrain", "a", ""), "1");
  EXPECT_EQ(faulty.calls(FaultInjectingFiles::Op::kRead), 2);
  EXPECT_EQ(files.Content(kCfg), "[TERRAIN]\r\nA=1\r\nB=2\r\n");
}

TEST_F(IniServiceTest, ReadsAreCutTo254CharactersUnlessAskedForMore) {
  std::string long_value(300, 'x');
  ini.Write(kCfg, "Area.001", "Local", long_value);
  EXPECT_EQ(ini.Read(kCfg, "Area.001", "Local", ""), long_value.substr(0, 254));
  EXPECT_EQ(ini.Read(kCfg, "Area.001", "Local", "", 1279), long_value);
  EXPECT_EQ(ini.Read(kCfg, "Area.001", "Missing", long_value).size(), 254u);
}

TEST_F(IniServiceTest, AnUnreadableFileReadsAsMissingButIsNeverOverwritten) {
  files.Break(kCfg, kErrPermissionDenied);
  EXPECT_EQ(ini.Read(kCfg, "TERRAIN", "LOD_RADIUS", "dflt"), "dflt");
  EXPECT_EQ(WriteError(kCfg, "TERRAIN", "LOD_RADIUS", "9"), kErrPermissionDenied);
  EXPECT_TRUE(files.journal().empty());
}

TEST_F(IniServiceTest, WritesCreateAFileOnlyWhereItsFolderExists) {
  ini.Write("C:\\FSX\\new.cfg", "TERRAIN", "X", "1");
  EXPECT_EQ(files.Content("C:\\FSX\\new.cfg"), "[TERRAIN]\r\nX=1\r\n");
  EXPECT_EQ(WriteError("C:\\Nowhere\\new.cfg", "TERRAIN", "X", "1"), kErrPathNotFound);
}

TEST_F(IniServiceTest, RefusesTextThatWouldBreakTheFile) {
  EXPECT_EQ(WriteError(kCfg, "TERRAIN", "X", "D:\\a\r\n[Area.001]"), kErrInvalidCall);
  EXPECT_EQ(WriteError(kCfg, "TERRAIN", "X=Y", "1"), kErrInvalidCall);
  EXPECT_EQ(WriteError(kCfg, "TER]RAIN", "X", "1"), kErrInvalidCall);
  EXPECT_EQ(files.Content(kCfg), "[TERRAIN]\r\nLOD_RADIUS=4.5\r\n");
}

TEST_F(IniServiceTest, AFailedReplaceLeavesTheOldFileAndTheServiceInStep) {
  faulty.FailNth(FaultInjectingFiles::Op::kReplace, 1, kErrDiskFull);
  EXPECT_EQ(WriteError(kCfg, "TERRAIN", "LOD_RADIUS", "9"), kErrDiskFull);
  EXPECT_EQ(files.Content(kCfg), "[TERRAIN]\r\nLOD_RADIUS=4.5\r\n");
  EXPECT_EQ(ini.Read(kCfg, "TERRAIN", "LOD_RADIUS", ""), "4.5");
  ini.Write(kCfg, "TERRAIN", "OTHER", "1");
  EXPECT_EQ(files.Content(kCfg), "[TERRAIN]\r\nLOD_RADIUS=4.5\r\nOTHER=1\r\n");
}

TEST_F(IniServiceTest, ComparisonModeParsesForEveryCall) {
  IniService every_time(faulty, Windows1252(), false);
  every_time.Read(kCfg, "TERRAIN", "LOD_RADIUS", "");
  every_time.Read(kCfg, "TERRAIN", "LOD_RADIUS", "");
  EXPECT_EQ(faulty.calls(FaultInjectingFiles::Op::kRead), 2);
}

}  // namespace
}  // namespace vlrna
