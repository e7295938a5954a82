#include "preview/recording_files.h"

#include <gtest/gtest.h>

#include "platform/fake/fake_files.h"
#include "platform/runtime_error.h"

namespace vlrna {
namespace {

class RecordingFilesTest : public ::testing::Test {
 protected:
  RecordingFilesTest() {
    real_.AddFolder("C:\\FSX");
    real_.AddFile("C:\\FSX\\Scenery.cfg", "[General]\r\n");
    real_.AddFolder("C:\\users\\pilot");
  }
  FakeFiles real_;
  RecordingFiles files_{real_, [](const std::string& path) { return path.ends_with(".LOG"); }};
};

TEST_F(RecordingFilesTest, WritesStayInMemoryAndAreReadBack) {
  const FileStamp before = files_.Stamp("C:\\FSX\\scenery.cfg");
  files_.CopyFile("C:\\FSX\\Scenery.cfg", "C:\\FSX\\Scenery.cfg.vlrna.bak");
  files_.ReplaceFileAtomically("C:\\FSX\\Scenery.cfg", "[General]\r\n[Area.001]\r\n");
  const FileStamp after = files_.Stamp("C:\\FSX\\SCENERY.CFG");
  files_.AppendToFile("C:\\FSX\\new.txt", "a");
  files_.WriteAt("C:\\FSX\\new.txt", 3, "d");
  files_.AppendToFile("C:\\users\\pilot\\VLRNA_2612070300.LOG", "log line\r\n");

  EXPECT_EQ(real_.Content("C:\\FSX\\Scenery.cfg"), "[General]\r\n");
  EXPECT_FALSE(real_.HasFile("C:\\FSX\\Scenery.cfg.vlrna.bak"));
  EXPECT_FALSE(real_.HasFile("C:\\FSX\\new.txt"));
  EXPECT_EQ(real_.Content("C:\\users\\pilot\\VLRNA_2612070300.LOG"), "log line\r\n");

  EXPECT_EQ(files_.ReadFile("C:\\FSX\\Scenery.cfg"), "[General]\r\n[Area.001]\r\n");
  EXPECT_EQ(files_.ReadAt("C:\\FSX\\new.txt", 0, 10), std::string("a\0\0d", 4));
  EXPECT_TRUE(files_.NormalFileExists("c:\\fsx\\scenery.cfg.vlrna.bak"));
  EXPECT_NE(before, after);  // readers that cache by stamp see the change

  const std::vector<RecordedChange> changes = files_.Changes();
  ASSERT_EQ(changes.size(), 3u);
  EXPECT_EQ(changes[0].path, "C:\\FSX\\Scenery.cfg.vlrna.bak");
  EXPECT_FALSE(changes[0].before.has_value());
  EXPECT_EQ(changes[1].before, "[General]\r\n");
  EXPECT_EQ(changes[1].after, "[General]\r\n[Area.001]\r\n");
  EXPECT_EQ(changes[2].path, "C:\\FSX\\new.txt");
}

TEST_F(RecordingFilesTest, FoldersAreRecordedAndAWriteBackToTheOldBytesIsNoChange) {
  EXPECT_THROW(files_.AppendToFile("E:\\Scenery\\vlrna\\x.txt", "x"), RuntimeError);
  files_.CreateFolders("E:\\Scenery\\vlrna");
  files_.AppendToFile("E:\\Scenery\\vlrna\\x.txt", "x");
  EXPECT_EQ(files_.CreatedFolders(),
            (std::vector<std::string>{"E:\\Scenery", "E:\\Scenery\\vlrna"}));
  EXPECT_EQ(files_.ListSubfolders("E:\\Scenery"), std::vector<std::string>{"vlrna"});
  EXPECT_FALSE(real_.FolderExists("E:\\Scenery"));

  files_.ReplaceFileAtomically("C:\\FSX\\Scenery.cfg", "changed");
  files_.ReplaceFileAtomically("C:\\FSX\\Scenery.cfg", "[General]\r\n");
  ASSERT_EQ(files_.Changes().size(), 1u);
  EXPECT_EQ(files_.Changes()[0].path, "E:\\Scenery\\vlrna\\x.txt");
}

}  // namespace
}  // namespace vlrna

namespace vlrna {
namespace {

TEST_F(RecordingFilesTest, DeletionsAndRemovedFoldersAreRecordedNotMade) {
  real_.AddFile("C:\\FSX\\Effects\\fx.fx", "fx");
  files_.AppendToFile("C:\\FSX\\Effects\\new.fx", "n");
  EXPECT_EQ(files_.ListFiles("C:\\FSX\\Effects"), (std::vector<std::string>{"fx.fx", "new.fx"}));
  EXPECT_FALSE(files_.RemoveEmptyFolder("C:\\FSX\\Effects"));
  EXPECT_TRUE(files_.DeleteFile("C:\\FSX\\Effects\\FX.FX"));
  EXPECT_TRUE(files_.DeleteFile("C:\\FSX\\Effects\\new.fx"));
  EXPECT_FALSE(files_.DeleteFile("C:\\FSX\\Effects\\fx.fx"));
  EXPECT_FALSE(files_.NormalFileExists("C:\\FSX\\Effects\\fx.fx"));
  EXPECT_THROW(files_.ReadFile("C:\\FSX\\Effects\\fx.fx"), RuntimeError);
  EXPECT_TRUE(files_.ListFiles("C:\\FSX\\Effects").empty());
  EXPECT_TRUE(files_.RemoveEmptyFolder("C:\\FSX\\Effects\\"));
  EXPECT_FALSE(files_.FolderExists("C:\\FSX\\Effects"));
  EXPECT_TRUE(files_.ListSubfolders("C:\\FSX").empty());
  EXPECT_EQ(files_.RemovedFolders(), std::vector<std::string>{"C:\\FSX\\Effects\\"});

  EXPECT_TRUE(real_.HasFile("C:\\FSX\\Effects\\fx.fx"));
  const std::vector<RecordedChange> changes = files_.Changes();
  ASSERT_EQ(changes.size(), 1u);  // the new file never was: no change
  EXPECT_EQ(changes[0].before, "fx");
  EXPECT_FALSE(changes[0].after.has_value());
}

}  // namespace
}  // namespace vlrna
