#include "install/archive_search.h"

#include <gtest/gtest.h>

#include "platform/fake/fake_platform.h"

namespace vlrna {
namespace {

TEST(ArchiveSearchTest, WhereTheArchiveIsTakenFrom) {
  FakePlatform fake;
  fake.drives.drives = {{"e: [dvd_data]", kDriveCdRom}, {"f:", kDriveCdRom}, {"g:", kDriveCdRom}};
  fake.drives.drives[2].ready = false;
  ProgramState state;
  state.gsSourcePath = "D:\\Install";
  state.gsCdDrives = {"3", "E: [DVD_DATA]", "F:", "G:"};
  Context ctx{state, fake.platform};
  struct Case {
    std::vector<std::string> files;
    std::optional<std::string> found;
  };
  const Case cases[] = {
      {{"D:\\Install\\setup.101", "E:\\setup.101"}, "D:\\Install\\setup.101"},  // launcher first
      {{"E:\\setup.101"}, "E:\\setup.101"},                   // a drive entry with its volume label
      {{"E:\\setup.101", "F:\\setup.101"}, "F:\\setup.101"},  // the last drive wins
      {{"G:\\setup.101"}, std::nullopt},                      // G: is not ready
      {{"D:\\Install\\setup.101\\x"}, std::nullopt},          // a folder is no archive
  };
  for (const Case& c : cases) {
    for (const std::string& f : c.files) fake.files.AddFile(f, "PK");
    EXPECT_EQ(FindArchive(ctx, "setup.101"), c.found) << c.files[0];
    for (const std::string& f : c.files) fake.files.Remove(f);
  }
  // The drives are not asked when the launcher's folder has the archive.
  state.gsCdDrives = {"1", "?"};
  fake.files.AddFile("D:\\Install\\setup.204", "PK");
  EXPECT_EQ(FindArchive(ctx, "setup.204"), "D:\\Install\\setup.204");
  EXPECT_THROW(FindArchive(ctx, "setup.203"), RuntimeError);
  EXPECT_EQ(ReadArchiveTotal(ctx, "setup.203"), std::nullopt);  // never raises
}

}  // namespace
}  // namespace vlrna
