#include "install/archive_search.h"

#include <gtest/gtest.h>

#include "platform/fake/fake_platform.h"

namespace vlrna {
namespace {

class ArchiveSearchTest : public ::testing::Test {
 protected:
  ArchiveSearchTest() {
    state.gsSourcePath = "D:\\Install";
    fake.drives.drives = {{"c: [system]", kDriveFixed},
                          {"e: [dvd_data]", kDriveCdRom},
                          {"f:", kDriveCdRom},
                          {"g:", kDriveCdRom, 0, false}};
    SetCdDrives({"E: [DVD_DATA]", "F:", "G:"});
  }
  void SetCdDrives(const std::vector<std::string>& entries) {
    state.gsCdDrives = {};
    state.gsCdDrives[0] = std::to_string(entries.size());
    for (size_t i = 0; i < entries.size(); ++i) state.gsCdDrives[i + 1] = entries[i];
  }

  FakePlatform fake;
  ProgramState state;
  Context ctx{state, fake.platform};
};

TEST_F(ArchiveSearchTest, WhereTheArchiveIsTakenFrom) {
  struct Case {
    const char* what;
    std::vector<std::string> files;
    std::optional<std::string> found;
  };
  const std::vector<Case> cases = {
      {"beside the launcher first",
       {"D:\\Install\\setup.101", "E:\\setup.101"},
       "D:\\Install\\setup.101"},
      {"a drive entry with its volume label", {"E:\\setup.101"}, "E:\\setup.101"},
      {"the last drive that has it", {"E:\\setup.101", "F:\\setup.101"}, "F:\\setup.101"},
      {"a drive that is not ready is not looked into", {"G:\\setup.101"}, std::nullopt},
      {"a folder of that name is no archive", {"D:\\Install\\setup.101\\x"}, std::nullopt},
  };
  for (const Case& c : cases) {
    for (const std::string& f : c.files) fake.files.AddFile(f, "PK");
    EXPECT_EQ(FindArchive(ctx, "setup.101"), c.found) << c.what;
    for (const std::string& f : c.files) fake.files.Remove(f);
  }
}

TEST_F(ArchiveSearchTest, DrivesAreAskedOnlyWhenTheLauncherFolderLacksTheArchive) {
  SetCdDrives({"?"});  // a drive query for this entry would fail
  fake.files.AddFile("D:\\Install\\setup.204", "PK");
  EXPECT_EQ(FindArchive(ctx, "setup.204"), "D:\\Install\\setup.204");
  EXPECT_THROW(FindArchive(ctx, "setup.203"), RuntimeError);
  SetCdDrives({});
  EXPECT_EQ(FindArchive(ctx, "setup.203"), std::nullopt);
}

TEST_F(ArchiveSearchTest, ATotalIsReadOnlyFromAnArchiveAtHand) {
  fake.files.AddFile("F:\\setup.101", "PK");
  fake.zip.total_bytes = 5'000'000'000ull;
  EXPECT_EQ(ReadArchiveTotal(ctx, "setup.101"), 5'000'000'000ull);
  EXPECT_EQ(fake.zip.calls(), (std::vector<std::string>{"open F:\\setup.101", "total", "close"}));
  EXPECT_FALSE(fake.zip.is_open());
  EXPECT_EQ(ReadArchiveTotal(ctx, "setup.102"), std::nullopt);  // on no drive
  fake.zip.open_result = 3;
  EXPECT_EQ(ReadArchiveTotal(ctx, "setup.101"), std::nullopt);
  SetCdDrives({"?", "F:"});
  EXPECT_EQ(ReadArchiveTotal(ctx, "setup.101"), std::nullopt);  // the search failed
  SetCdDrives({"F:"});
  fake.platform.zip = nullptr;
  EXPECT_EQ(ReadArchiveTotal(ctx, "setup.101"), std::nullopt);
  EXPECT_THROW(ZipLibrary(ctx), RuntimeError);
}

}  // namespace
}  // namespace vlrna
