#include "platform/posix/posix_files.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "platform/posix/test_prefix.h"
#include "platform/runtime_error.h"

namespace vlrna {
namespace {

class PosixFilesTest : public ::testing::Test {
 protected:
  PosixFilesTest() {
    prefix_.Write("drive_c/FSX/Scenery.cfg", "[General]\r\n");
    prefix_.Write("drive_c/FSX/.hidden.cfg", "x");
    prefix_.MakeFolder("drive_c/FSX/Scenery/Global");
    prefix_.MakeFolder("drive_c/FSX/addon scenery");
    prefix_.MakeFolder("drive_c/FSX/Autogen");
  }

  // The number of a RuntimeError raised by `action`, or 0.
  template <typename F>
  int32_t ErrorOf(F action, std::string* description = nullptr) {
    try {
      action();
    } catch (const RuntimeError& e) {
      if (description) *description = e.description();
      return e.number();
    }
    return 0;
  }

  mode_t Mode(const std::string& relative) {
    struct stat st;
    stat(prefix_.Path(relative).c_str(), &st);
    return st.st_mode & 07777;
  }

  TestPrefix prefix_;
  WinePrefix wine_ = prefix_.Open();
  PosixFiles files_{wine_};
};

TEST_F(PosixFilesTest, ExistenceSeesNormalFilesAndFoldersOnly) {
  EXPECT_TRUE(files_.NormalFileExists("C:\\fsx\\SCENERY.CFG"));
  EXPECT_FALSE(files_.NormalFileExists("C:\\FSX\\.hidden.cfg"));  // a dot file is hidden
  EXPECT_FALSE(files_.NormalFileExists("C:\\FSX\\Scenery"));
  EXPECT_FALSE(files_.NormalFileExists("C:\\FSX\\missing.cfg"));
  EXPECT_FALSE(files_.NormalFileExists("Q:\\FSX\\Scenery.cfg"));
  EXPECT_TRUE(files_.FolderExists("c:\\fsx\\scenery\\GLOBAL\\"));
  EXPECT_TRUE(files_.FolderExists("C:\\"));
  EXPECT_FALSE(files_.FolderExists("C:\\FSX\\Scenery.cfg"));
  EXPECT_FALSE(files_.FolderExists("not a path"));
}

TEST_F(PosixFilesTest, SubfoldersAreNamedSortedWithoutRegardToCase) {
  prefix_.MakeFolder("drive_c/FSX/\xC3\x84rger");  // Ärger
  EXPECT_EQ(files_.ListSubfolders("c:\\fsx"),
            (std::vector<std::string>{"addon scenery", "Autogen", "Scenery", "\xC4rger"}));
  EXPECT_EQ(ErrorOf([&] { files_.ListSubfolders("C:\\nowhere"); }), kErrFileNotFound);
  EXPECT_EQ(ErrorOf([&] { files_.ListSubfolders("C:\\nowhere\\deeper"); }), kErrPathNotFound);
}

TEST_F(PosixFilesTest, ReadsAndWritesBytesAtOffsets) {
  EXPECT_EQ(files_.ReadFile("C:\\FSX\\scenery.cfg"), "[General]\r\n");
  files_.WriteAt("C:\\FSX\\Autogen\\data.spb", 4, std::string("\xAC\xEB\0\x01", 4));
  EXPECT_EQ(prefix_.Read("drive_c/FSX/Autogen/data.spb"), std::string("\0\0\0\0\xAC\xEB\0\x01", 8));
  files_.WriteAt("C:\\FSX\\Autogen\\DATA.spb", 2, "zz");
  EXPECT_EQ(files_.ReadAt("C:\\FSX\\Autogen\\data.spb", 2, 4), std::string("zz\xAC\xEB", 4));
  EXPECT_EQ(files_.ReadAt("C:\\FSX\\Autogen\\data.spb", 6, 100), std::string("\0\x01", 2));
  EXPECT_EQ(files_.ReadAt("C:\\FSX\\Autogen\\data.spb", 50, 4), "");

  files_.AppendToFile("C:\\users\\pilot\\VLRNA_2612051007.LOG", "one\r\n");
  files_.AppendToFile("C:\\Users\\Pilot\\VLRNA_2612051007.LOG", "two\r\n");
  EXPECT_EQ(prefix_.Read("drive_c/users/pilot/VLRNA_2612051007.LOG"), "one\r\ntwo\r\n");
}

TEST_F(PosixFilesTest, FailuresNameTheFileAndTellFileFromPath) {
  std::string description;
  EXPECT_EQ(ErrorOf([&] { files_.ReadFile("C:\\FSX\\fsx.cfg"); }, &description), kErrFileNotFound);
  EXPECT_NE(description.find("C:\\FSX\\fsx.cfg"), std::string::npos) << description;
  EXPECT_EQ(ErrorOf([&] { files_.ReadFile("C:\\Nowhere\\fsx.cfg"); }), kErrPathNotFound);
  EXPECT_EQ(ErrorOf([&] { files_.AppendToFile("C:\\Nowhere\\x.log", "x"); }), kErrPathNotFound);
  EXPECT_EQ(ErrorOf([&] { files_.ReadFile("C:\\FSX\\Scenery"); }), kErrPathFileAccess);
  EXPECT_EQ(ErrorOf([&] { files_.ReadFile("Q:\\x"); }), kErrPathNotFound);
  EXPECT_EQ(ErrorOf([&] { files_.CreateFolders("C:\\FSX\\Scenery.cfg\\sub"); }), kErrPathNotFound);
}

TEST_F(PosixFilesTest, CreateFoldersReusesExistingSpellingAndKeepsTheNewOne) {
  files_.CreateFolders("C:\\fsx\\ADDON SCENERY\\Veltrona\\vlrna\\");
  EXPECT_TRUE(
      std::filesystem::is_directory(prefix_.Path("drive_c/FSX/addon scenery/Veltrona/vlrna")));
  EXPECT_FALSE(std::filesystem::exists(prefix_.Path("drive_c/fsx")));
  files_.CreateFolders("C:\\FSX\\addon scenery\\veltrona");  // exists already: nothing to do
  EXPECT_EQ(files_.ListSubfolders("C:\\FSX\\addon scenery"), std::vector<std::string>{"Veltrona"});
}

TEST_F(PosixFilesTest, CopyReplacesTheTargetButNotAReadOnlyOne) {
  files_.CopyFile("C:\\FSX\\Scenery.cfg", "C:\\FSX\\Scenery.cfg.vlrna.bak");
  prefix_.Write("drive_c/FSX/Scenery.cfg", "[Area.001]\r\n");
  files_.CopyFile("C:\\FSX\\Scenery.cfg", "C:\\fsx\\scenery.cfg.VLRNA.bak");
  EXPECT_EQ(prefix_.Read("drive_c/FSX/Scenery.cfg.vlrna.bak"), "[Area.001]\r\n");

  chmod(prefix_.Path("drive_c/FSX/Scenery.cfg.vlrna.bak").c_str(), 0444);
  EXPECT_EQ(
      ErrorOf([&] { files_.CopyFile("C:\\FSX\\Scenery.cfg", "C:\\FSX\\Scenery.cfg.vlrna.bak"); }),
      kErrPermissionDenied);
  EXPECT_EQ(ErrorOf([&] { files_.CopyFile("C:\\FSX\\none.cfg", "C:\\FSX\\none.bak"); }),
            kErrFileNotFound);
  EXPECT_FALSE(std::filesystem::exists(prefix_.Path("drive_c/FSX/none.bak")));
  // No temporary file is left behind.
  for (const auto& entry : std::filesystem::directory_iterator(prefix_.Path("drive_c/FSX"))) {
    EXPECT_EQ(entry.path().filename().string().find("vlrna-"), std::string::npos);
  }
}

TEST_F(PosixFilesTest, AtomicReplaceKeepsPermissionsLinksAndTheOldFileOnFailure) {
  chmod(prefix_.Path("drive_c/FSX/Scenery.cfg").c_str(), 0640);
  FileStamp before = files_.Stamp("C:\\FSX\\Scenery.cfg");
  files_.ReplaceFileAtomically("C:\\FSX\\SCENERY.cfg", "[Area.001]\r\nLayer=1\r\n");
  EXPECT_EQ(prefix_.Read("drive_c/FSX/Scenery.cfg"), "[Area.001]\r\nLayer=1\r\n");
  EXPECT_EQ(Mode("drive_c/FSX/Scenery.cfg"), 0640u);
  FileStamp after = files_.Stamp("c:\\fsx\\scenery.cfg");
  EXPECT_TRUE(before.exists && after.exists);
  EXPECT_NE(before, after);
  EXPECT_EQ(after.size, 21u);
  EXPECT_FALSE(files_.Stamp("C:\\FSX\\none.cfg").exists);

  // The simulator's file is a link to a file elsewhere: the link stays.
  prefix_.Write("elsewhere/fsx.cfg", "[TERRAIN]\r\n");
  std::filesystem::create_symlink(prefix_.Path("elsewhere/fsx.cfg"),
                                  prefix_.Path("drive_c/FSX/fsx.cfg"));
  files_.ReplaceFileAtomically("C:\\FSX\\fsx.cfg", "[TERRAIN]\r\nX=1\r\n");
  EXPECT_TRUE(std::filesystem::is_symlink(prefix_.Path("drive_c/FSX/fsx.cfg")));
  EXPECT_EQ(prefix_.Read("elsewhere/fsx.cfg"), "[TERRAIN]\r\nX=1\r\n");

  // A new file gets the usual permissions, not those of a temporary file.
  files_.ReplaceFileAtomically("C:\\FSX\\new.cfg", "x");
  EXPECT_EQ(Mode("drive_c/FSX/new.cfg") & 0644u, 0644u);
  EXPECT_EQ(ErrorOf([&] { files_.ReplaceFileAtomically("C:\\Nowhere\\x.cfg", "x"); }),
            kErrPathNotFound);
  EXPECT_EQ(ErrorOf([&] { files_.ReplaceFileAtomically("C:\\FSX\\Scenery", "x"); }),
            kErrPathFileAccess);
  EXPECT_TRUE(std::filesystem::is_directory(prefix_.Path("drive_c/FSX/Scenery")));
}

TEST_F(PosixFilesTest, AReplaceRemovesTheTemporaryFilesAKilledRunLeftForTheSameFile) {
  struct Entry {
    const char* name;
    bool folder;
    bool removed;
  };
  const Entry entries[] = {
      {".Scenery.cfg.vlrna-a1B2c3", false, true},   {".Scenery.cfg.vlrna-ZZZZZZ", false, true},
      {".Scenery.cfg.vlrna-a1B2c", false, false},    // not what the temporary name gives
      {".Scenery.cfg.vlrna-a1B2c3d", false, false},  // the same
      {".Scenery.cfg.vlrna-a1.2c3", false, false},   // the same
      {".scenery.cfg.vlrna-a1B2c3", false, false},   // another file's
      {".fsx.cfg.vlrna-a1B2c3", false, false},       // another file's
      {"Scenery.cfg.vlrna-a1B2c3", false, false},    // not hidden: not ours
      {".Scenery.cfg.vlrna-Folder", true, false},    // a folder is never ours
  };
  for (const Entry& e : entries) {
    std::string path = std::string("drive_c/FSX/") + e.name;
    if (e.folder) {
      prefix_.MakeFolder(path);
    } else {
      prefix_.Write(path, "half");
    }
  }
  files_.ReplaceFileAtomically("C:\\FSX\\Scenery.cfg", "[General]\r\n");
  for (const Entry& e : entries) {
    EXPECT_EQ(std::filesystem::exists(prefix_.Path(std::string("drive_c/FSX/") + e.name)),
              !e.removed)
        << e.name;
  }
  EXPECT_EQ(prefix_.Read("drive_c/FSX/Scenery.cfg"), "[General]\r\n");
}

}  // namespace
}  // namespace vlrna

namespace vlrna {
namespace {

TEST_F(PosixFilesTest, DeletesFilesAndOnlyEmptyFoldersAndListsFiles) {
  prefix_.Write("drive_c/FSX/Autogen/a.agn", "a");
  prefix_.Write("drive_c/FSX/Autogen/B.agn", "b");
  EXPECT_EQ(files_.ListFiles("C:\\FSX\\autogen"), (std::vector<std::string>{"a.agn", "B.agn"}));
  EXPECT_NE(ErrorOf([&] { files_.ListFiles("C:\\FSX\\missing"); }), 0);
  EXPECT_TRUE(files_.DeleteFile("C:\\FSX\\Autogen\\A.AGN"));
  EXPECT_FALSE(files_.DeleteFile("C:\\FSX\\Autogen\\a.agn"));  // gone: no error
  EXPECT_FALSE(files_.DeleteFile("C:\\missing\\a.agn"));
  EXPECT_EQ(ErrorOf([&] { files_.DeleteFile("C:\\FSX\\Autogen"); }), kErrPathFileAccess);
  chmod(prefix_.Path("drive_c/FSX/Autogen/B.agn").c_str(), 0444);
  EXPECT_EQ(ErrorOf([&] { files_.DeleteFile("C:\\FSX\\Autogen\\B.agn"); }), kErrPermissionDenied);
  EXPECT_FALSE(files_.RemoveEmptyFolder("C:\\FSX\\Autogen\\"));  // B.agn is still there
  EXPECT_TRUE(files_.RemoveEmptyFolder("C:\\FSX\\Scenery\\Global\\"));
  EXPECT_FALSE(files_.RemoveEmptyFolder("C:\\FSX\\Scenery\\Global"));
  EXPECT_TRUE(files_.FolderExists("C:\\FSX\\Autogen"));
  EXPECT_FALSE(files_.FolderExists("C:\\FSX\\Scenery\\Global"));
}

}  // namespace
}  // namespace vlrna
