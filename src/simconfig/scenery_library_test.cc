#include "simconfig/scenery_library.h"

#include <gtest/gtest.h>

#include <cstdio>

#include "platform/fake/fake_platform.h"
#include "platform/fake/fault_injecting_files.h"
#include "platform/runtime_error.h"
#include "shell/install_log.h"

namespace vlrna {
namespace {

const char kCfg[] = "C:\\ProgramData\\Microsoft\\FSX\\Scenery.cfg";
const char kStamp[] = "2026.12.05  10:07:33 | ";

std::string Area(int n, const std::string& layer, const std::string& local) {
  char name[16];
  std::snprintf(name, sizeof name, "Area.%03d", n);
  return std::string("[") + name + "]\r\nTitle=Area " + std::to_string(n) + "\r\nLocal=" + local +
         "\r\nLayer=" + layer + "\r\nActive=TRUE\r\nRequired=FALSE\r\n\r\n";
}

class SceneryLibraryTest : public ::testing::Test {
 protected:
  SceneryLibraryTest() {
    state.gsUserDir = "C:\\Users\\pilot";
    fake.files.AddFolder(state.gsUserDir);
    MakeLogFileName(ctx);
    state.gsSceneryCfg = kCfg;
    state.gsInstPath = "D:\\Scenery\\vlrna\\";
  }

  static std::string LogFileName() { return "C:\\Users\\pilot\\VLRNA_2612051007.LOG"; }
  std::string Log() { return fake.files.Content(LogFileName()); }
  std::string Read(const std::string& section, const std::string& key) {
    return ReadIniValue(ini, kCfg, section, key, "<missing>");
  }
  // "layer/area" of the six entries, as the log names them.
  std::vector<std::string> Registered() {
    std::vector<std::string> out;
    const std::string marker = "written! Layer ";
    std::string log = Log();
    for (size_t at = log.find(marker); at != std::string::npos; at = log.find(marker, at + 1)) {
      size_t end = log.find("\r\n", at);
      std::string rest = log.substr(at + marker.size(), end - at - marker.size());
      out.push_back(rest.replace(rest.find(" , Area "), 8, "/"));
    }
    return out;
  }

  FakePlatform fake;
  ProgramState state;
  Context ctx{state, fake.platform};
  IniService ini{fake.files, fake.code_page};
};

TEST_F(SceneryLibraryTest, AFileWithoutAreasGetsAreasOneToSix) {
  fake.files.AddFile(kCfg, "[General]\r\nTitle=FS World\r\n");
  RegisterSceneryAreas(ctx, ini, kCfg);
  EXPECT_EQ(Registered(), (std::vector<std::string>{"1/1", "2/2", "3/3", "4/4", "5/5", "6/6"}));
  EXPECT_EQ(fake.files.Content(std::string(kCfg) + ".vlrna.bak"),
            "[General]\r\nTitle=FS World\r\n");
  EXPECT_EQ(Read("Area.006", "Title"), "Veltrona ZZQB Morwitz MIL");
  EXPECT_EQ(Read("Area.006", "Local"), "D:\\Scenery\\vlrna\\zzqb");
  // The backup comes first, then one replacement of the file.
  const auto& journal = fake.files.journal();
  size_t copies = 0, replaces = 0;
  for (const std::string& entry : journal) {
    copies += entry.rfind("copy ", 0) == 0;
    replaces += entry == std::string("replace ") + kCfg;
  }
  EXPECT_EQ(copies, 1u);
  EXPECT_EQ(replaces, 1u);
  std::string expected = "[General]\r\nTitle=FS World\r\n";
  for (int i = 0; i < 6; ++i) {
    const SceneryEntry& e = kSceneryEntries[i];
    expected += "[Area.00" + std::to_string(i + 1) + "]\r\nTitle=" + e.title +
                "\r\nActive=True\r\nLayer=" + std::to_string(i + 1) +
                "\r\nLocal=D:\\Scenery\\vlrna\\" + e.subfolder + "\r\nRequired=False\r\n";
  }
  EXPECT_EQ(fake.files.Content(kCfg), expected);
  std::string log = Log();
  EXPECT_EQ(log.substr(0, log.find("Entry")), std::string(kStamp) +
                                                  "Copy of 'scenery.cfg' written\r\n" + kStamp +
                                                  "Editing '" + kCfg + "'\r\n" + kStamp);
  EXPECT_NE(log.find("Entry in 'scenery.cfg' written! Layer 1 , Area 1\r\n"), std::string::npos);
}

TEST_F(SceneryLibraryTest, NewEntriesFollowTheHighestAreaAndLayerIndependently) {
  fake.files.AddFile(kCfg, Area(1, "1", "Scenery\\World") + Area(2, "2", "Scenery\\Props") +
                               Area(50, "12abc", "Addon Scenery") + Area(130, "125", "x") +
                               Area(131, "", "no layer, not an area") + Area(7, "abc", "y"));
  RegisterSceneryAreas(ctx, ini, kCfg);
  // Area.131 has no layer, so it is no area and is taken over.
  EXPECT_EQ(Registered(), (std::vector<std::string>{"126/131", "127/132", "128/133", "129/134",
                                                    "130/135", "131/136"}));
  EXPECT_EQ(Read("Area.131", "Title"), "Veltrona Elevation");
  EXPECT_EQ(Read("Area.131", "Local"), "D:\\Scenery\\vlrna\\dem");
  EXPECT_EQ(Read("Area.050", "Layer"), "12abc");
}

TEST_F(SceneryLibraryTest, ASecondInstallationRewritesItsEntriesInPlace) {
  std::string old_entries =
      Area(3, "3", "E:\\Old\\VLRNA\\DEM") + Area(4, "4", "E:\\Old\\vlrna\\ortho") +
      Area(5, "5", "E:\\Old\\vlrna\\objects") + Area(6, "6", "E:\\Old\\vlrna\\airports");
  fake.files.AddFile(kCfg, Area(1, "1", "a") + old_entries + Area(9, "40", "b") +
                               Area(12, "7", "E:\\handmade\\zzqa"));
  ini.Write(kCfg, "Area.004", "Active", "False");
  ini.Write(kCfg, "Area.004", "Texture", "kept");
  RegisterSceneryAreas(ctx, ini, kCfg);
  EXPECT_EQ(Registered(), (std::vector<std::string>{"3/3", "4/4", "5/5", "6/6", "41/13", "42/14"}));
  EXPECT_EQ(Read("Area.004", "Active"), "True");
  EXPECT_EQ(Read("Area.004", "Texture"), "kept");
  EXPECT_EQ(Read("Area.003", "Local"), "D:\\Scenery\\vlrna\\dem");
  EXPECT_EQ(Read("Area.012", "Local"), "E:\\handmade\\zzqa");  // not recognised
}

TEST_F(SceneryLibraryTest, FindSceneryAreaOnlyRaisesAndMatchesOnLowerCase) {
  fake.files.AddFile(
      kCfg, Area(1, "5.5", "a") + Area(2, "4.5", "D:\\SCENERY\\VLRNA\\DEM") + Area(3, "9", "c"));
  int16_t area = 0, layer = 0;
  EXPECT_FALSE(FindSceneryArea(ini, kCfg, "", area, layer));
  EXPECT_EQ(area, 3);
  EXPECT_EQ(layer, 9);
  area = 200, layer = 300;
  EXPECT_FALSE(FindSceneryArea(ini, kCfg, "vlrna\\ortho", area, layer));
  EXPECT_EQ(area, 200);
  EXPECT_EQ(layer, 300);
  area = 0, layer = 0;
  EXPECT_TRUE(FindSceneryArea(ini, kCfg, "vlrna\\dem", area, layer));
  EXPECT_EQ(area, 2);
  EXPECT_EQ(layer, 4);  // 4.5 rounds to the even neighbour
}

TEST_F(SceneryLibraryTest, AreaNumberThousandTakesTheLowestFreeNumberInstead) {
  std::string cfg;
  for (int n = 0; n <= 999; ++n) {
    if (n != 0 && n != 17 && n != 18 && n != 19 && n != 400 && n != 401) {
      cfg += Area(n, std::to_string(n + 1), "x");
    }
  }
  fake.files.AddFile(kCfg, cfg + "[Area.018]\r\nTitle=no layer\r\n");
  RegisterSceneryAreas(ctx, ini, kCfg);
  EXPECT_EQ(Registered(), (std::vector<std::string>{"1001/0", "1002/17", "1003/18", "1004/19",
                                                    "1005/400", "1006/401"}));
  EXPECT_EQ(Read("Area.999", "Title"), "Area 999");
  EXPECT_EQ(Read("Area.018", "Title"), "Veltrona Objects");
}

TEST_F(SceneryLibraryTest, AFullLibraryAndTheLargestLayerRaiseOverflow) {
  std::string cfg;
  for (int n = 0; n <= 999; ++n) cfg += Area(n, "1", "x");
  fake.files.AddFile(kCfg, cfg);
  try {
    RegisterSceneryAreas(ctx, ini, kCfg);
    FAIL() << "no error";
  } catch (const RuntimeError& e) {
    EXPECT_EQ(e.number(), kErrOverflow);
    EXPECT_NE(e.description().find("Area.000 to Area.999"), std::string::npos);
  }
  EXPECT_EQ(fake.files.Content(kCfg), cfg);

  fake.files.AddFile(kCfg, Area(1, "32767", "x"));
  EXPECT_THROW(RegisterSceneryAreas(ctx, ini, kCfg), RuntimeError);
  fake.files.AddFile(kCfg, Area(1, "32767.5", "x"));
  int16_t area = 0, layer = 0;
  EXPECT_THROW(FindSceneryArea(ini, kCfg, "", area, layer), RuntimeError);
}

TEST_F(SceneryLibraryTest, FailuresStopBeforeTheLogClaimsAWrite) {
  fake.files.Break(kCfg, kErrPermissionDenied);
  EXPECT_THROW(RegisterSceneryAreas(ctx, ini, kCfg), RuntimeError);
  EXPECT_EQ(Log(), std::string(kStamp) + "Copy of 'scenery.cfg' written\r\n");
}

TEST_F(SceneryLibraryTest, AFailedWriteAtAnyMomentLeavesTheOldOrTheWholeNewLibrary) {
  const std::string old_cfg = "[General]\r\n";
  fake.files.AddFile(kCfg, old_cfg);
  RegisterSceneryAreas(ctx, ini, kCfg);
  const std::string new_cfg = fake.files.Content(kCfg);
  FaultInjectingFiles faulty(fake.files);
  Platform platform{fake.registry, faulty,     fake.drives, fake.processes,
                    fake.system,   fake.sound, fake.window, fake.code_page};
  Context faulty_ctx{state, platform};
  IniService faulty_ini(faulty, fake.code_page);
  for (int nth = 1; nth <= 30; ++nth) {  // any of the writes the six entries could take
    SCOPED_TRACE(nth);
    fake.files.AddFile(kCfg, old_cfg);
    fake.files.Remove(LogFileName());
    faulty.FailNth(FaultInjectingFiles::Op::kReplace, nth, kErrDiskFull);
    try {
      RegisterSceneryAreas(faulty_ctx, faulty_ini, kCfg);
      EXPECT_EQ(fake.files.Content(kCfg), new_cfg);
    } catch (const RuntimeError&) {
      EXPECT_EQ(fake.files.Content(kCfg), old_cfg);
      EXPECT_EQ(Registered(), std::vector<std::string>{});  // no entry claimed
    }
  }
}

TEST_F(SceneryLibraryTest, ARerunKeepsTheBackupOfTheUsersLibrary) {
  const std::string backup = std::string(kCfg) + ".vlrna.bak";
  fake.files.AddFile(kCfg, Area(1, "1", "a"));
  RegisterSceneryAreas(ctx, ini, kCfg);
  // Damaged since by hand or by another program: an area without its Local.
  std::string damaged = fake.files.Content(kCfg);
  size_t local = damaged.find("Local=D:\\Scenery\\vlrna\\ortho");
  damaged.erase(local, damaged.find('\n', local) + 1 - local);
  fake.files.AddFile(kCfg, damaged);
  RegisterSceneryAreas(ctx, ini, kCfg);
  EXPECT_EQ(fake.files.Content(backup), Area(1, "1", "a"));
  EXPECT_NE(Log().find("Copy of 'scenery.cfg' kept: " + backup + "\r\n"), std::string::npos);
}

TEST_F(SceneryLibraryTest, TheOneReplacementHoldsTheBytesOfKeyByKeyWrites) {
  const std::string reference = "C:\\reference.cfg";
  const std::string start = Area(1, "1", "a") + "; a comment\n" +
                            Area(3, "3", "E:\\Old\\VLRNA\\DEM") + Area(9, "40", "b") +
                            "[Area.004]\r\nLayer = 4\r\n  Local=x\\vlrna\\ortho ";
  fake.files.AddFile(kCfg, start);
  fake.files.AddFile(reference, start);
  RegisterSceneryAreas(ctx, ini, kCfg);
  const std::vector<std::string> registered = Registered();
  ASSERT_EQ(registered.size(), kSceneryEntries.size());
  for (size_t i = 0; i < registered.size(); ++i) {
    const std::string& layer_area = registered[i];
    std::string layer = layer_area.substr(0, layer_area.find('/'));
    char section[16];
    std::snprintf(section, sizeof section, "Area.%03d",
                  std::stoi(layer_area.substr(layer_area.find('/') + 1)));
    ini.Write(reference, section, "Title", kSceneryEntries[i].title);
    ini.Write(reference, section, "Active", "True");
    ini.Write(reference, section, "Layer", layer);
    ini.Write(reference, section, "Local", state.gsInstPath + kSceneryEntries[i].subfolder);
    ini.Write(reference, section, "Required", "False");
  }
  EXPECT_EQ(fake.files.Content(kCfg), fake.files.Content(reference));
}

TEST_F(SceneryLibraryTest, ARegistrationParsesTheFileOnceAndSeesLaterChanges) {
  fake.files.AddFile(kCfg, Area(1, "1", "a") + Area(2, "2", "b"));
  FaultInjectingFiles counting(fake.files);
  IniService counted(counting, fake.code_page);
  Platform platform{fake.registry, counting,   fake.drives, fake.processes,
                    fake.system,   fake.sound, fake.window, fake.code_page};
  Context counted_ctx{state, platform};
  RegisterSceneryAreas(counted_ctx, counted, kCfg);
  EXPECT_EQ(counting.calls(FaultInjectingFiles::Op::kRead), 1);

  // Another program moves the package's dem area: the next run finds it there.
  std::string moved = fake.files.Content(kCfg);
  moved.replace(moved.find("[Area.003]"), 10, "[Area.040]");
  fake.files.AddFile(kCfg, moved);
  int16_t area = 0, layer = 0;
  EXPECT_TRUE(FindSceneryArea(counted, kCfg, "vlrna\\dem", area, layer));
  EXPECT_EQ(area, 40);
}

TEST_F(SceneryLibraryTest, ExistingInstallationIsTheRootOfTheLastFoundEntry) {
  EXPECT_EQ(FindExistingInstallation(ctx, ini), "");  // no file at all
  EXPECT_EQ(Log(), std::string(kStamp) + "Existing Installation not found!\r\n");

  fake.files.AddFile(kCfg, Area(1, "1", "x") + Area(2, "2", "E:\\Photo\\VLRNA\\Ortho"));
  state.gsExistingPath = "stale";
  EXPECT_EQ(FindExistingInstallation(ctx, ini), "E:\\Photo\\");
  EXPECT_EQ(state.gsExistingPath, "E:\\Photo\\");

  std::string deep(230, 'd');
  fake.files.AddFile(kCfg, Area(1, "1", "C:\\A\\vlrna\\dem") +
                               Area(2, "2", "F:\\" + deep + "\\vlrna\\airports") +
                               Area(3, "3", "G:\\zz\\vlrna\\zzqa"));
  EXPECT_EQ(FindExistingInstallation(ctx, ini), "F:\\" + deep + "\\");
}

}  // namespace
}  // namespace vlrna
