#include "install/install_record.h"

#include <gtest/gtest.h>

#include "install/install_recorder.h"

namespace vlrna {
namespace {

InstallRecord FullRecord() {
  InstallRecord r;
  r.simulator = "FSX";
  r.simulator_folder = "C:\\FSX\\";
  r.scenery_cfg = "C:\\ProgramData\\Microsoft\\FSX\\Scenery.cfg";
  r.simulator_cfg = "C:\\Users\\pilot\\AppData\\Roaming\\Microsoft\\FSX\\fsx.cfg";
  r.package_folder = "E:\\Scenery\\vlrna\\";
  r.finished = {"setup.101", "scenery.cfg"};
  r.created_folders = {"E:\\Scenery\\vlrna\\", "E:\\Scenery\\vlrna\\dem\\"};
  r.unpacked = {{"E:\\Scenery\\vlrna\\dem\\a b.bgl", 1234, 1'765'000'000'123'456'789},
                {"C:\\FSX\\Effects\\fx_vlrna.fx", 0, -5}};
  r.replaced = {{"C:\\FSX\\Effects\\fx_vlrna.fx", "E:\\Scenery\\vlrna\\backup\\Effects\\fx.fx"}};
  r.areas = {7, 8, 120};
  r.scenery_backup = r.scenery_cfg + ".vlrna.bak";
  r.terrain = InstallRecord::Terrain{InstallRecord::TerrainState::kValue, "1|28 ", "256"};
  r.autogen = {{"C:\\FSX\\Autogen\\AutogenDescriptions.spb", std::string("\0\xFF\x10\x7F", 4),
                "C:\\FSX\\Autogen\\AutogenDescriptions.spb.copy"}};
  return r;
}

// Everything a removal needs survives the text, including values with the
// field separator, zero bytes and negative times.
TEST(InstallRecordTest, EveryFactSurvivesTheTextAndTheTextIsStable) {
  const InstallRecord r = FullRecord();
  const std::string text = FormatInstallRecord(r);
  std::optional<InstallRecord> back = ParseInstallRecord(text);
  ASSERT_TRUE(back);
  EXPECT_EQ(FormatInstallRecord(*back), text);
  EXPECT_EQ(back->unpacked.size(), 2u);
  EXPECT_EQ(back->unpacked[0].modified_ns, 1'765'000'000'123'456'789);
  EXPECT_EQ(back->terrain->before_value, "1|28 ");
  EXPECT_EQ(back->autogen[0].overwritten, std::string("\0\xFF\x10\x7F", 4));
  EXPECT_NE(text.find("\r\nunpacked=1234|1765000000123456789|E:\\Scenery\\vlrna\\dem\\a b.bgl\r\n"),
            std::string::npos);
  EXPECT_NE(text.find("\r\nterrain=value|256|1|28 \r\n"), std::string::npos);
}

TEST(InstallRecordTest, MissingKeysAndSectionsAreToldApart) {
  for (auto state :
       {InstallRecord::TerrainState::kNoKey, InstallRecord::TerrainState::kNoSection}) {
    InstallRecord r;
    r.terrain = InstallRecord::Terrain{state, "", "256"};
    std::optional<InstallRecord> back = ParseInstallRecord(FormatInstallRecord(r));
    ASSERT_TRUE(back && back->terrain);
    EXPECT_EQ(back->terrain->before, state);
    EXPECT_EQ(back->terrain->after_value, "256");
  }
}

TEST(InstallRecordTest, DamagedLinesCostThemselvesOnlyAndOtherTextIsNoRecord) {
  std::string text = FormatInstallRecord(FullRecord());
  text +=
      "unpacked=12|x|C:\\bad\r\narea=1000\r\nautogen=C:\\a|0|C:\\b\r\nterrain=odd|1|2\r\n"
      "no equals sign\n\narea=3\nfuture_key=1\r\n";
  std::optional<InstallRecord> back = ParseInstallRecord(text);
  ASSERT_TRUE(back);
  EXPECT_EQ(back->unpacked.size(), 2u);
  EXPECT_EQ(back->areas, (std::vector<int>{7, 8, 120, 3}));
  EXPECT_EQ(back->autogen.size(), 1u);
  EXPECT_EQ(back->terrain->before_value, "1|28 ");
  EXPECT_FALSE(ParseInstallRecord("[Area.001]\r\nLocal=x\r\n"));
  EXPECT_FALSE(ParseInstallRecord(""));
}

TEST(InstallRecordTest, EntriesAreKeptOncePerPathWithoutRegardToCase) {
  InstallRecord r;
  r.SetUnpacked({"C:\\A\\x.bgl", 1, 1});
  r.SetUnpacked({"c:\\a\\X.BGL", 2, 2});
  r.AddFolder("C:\\A\\");
  r.AddFolder("c:\\a\\");
  r.AddFinished("setup.101");
  r.AddFinished("setup.101");
  ASSERT_EQ(r.unpacked.size(), 1u);
  EXPECT_EQ(r.unpacked[0].size, 2u);
  EXPECT_EQ(r.created_folders.size(), 1u);
  EXPECT_EQ(r.finished.size(), 1u);
  EXPECT_NE(r.FindUnpacked("C:\\a\\x.bgl"), nullptr);
  EXPECT_EQ(r.FindReplaced("C:\\a\\x.bgl"), nullptr);
}

TEST(InstallRecordTest, FoldersResolveLikeWindows) {
  struct Case {
    const char* in;
    const char* resolved;
    const char* parent;
  };
  for (const Case& c : {Case{"E:\\Scenery\\vlrna\\..\\", "E:\\Scenery\\", "E:\\"},
                        Case{"C:\\FSX\\.\\a\\\\b\\", "C:\\FSX\\a\\b\\", "C:\\FSX\\a\\"},
                        Case{"C:\\..\\..\\", "C:\\", ""}}) {
    EXPECT_EQ(ResolveFolder(c.in), c.resolved) << c.in;
    EXPECT_EQ(ParentFolder(c.resolved), c.parent) << c.in;
  }
  EXPECT_EQ(ParentFolder("C:\\a\\b.txt"), "C:\\a\\");
  EXPECT_EQ(InstallRecordName("P3D4"), "VLRNA_INSTALL_P3D4.txt");
}

}  // namespace
}  // namespace vlrna
