#include "platform/fake/files_wrapper.h"

#include <gtest/gtest.h>

#include "platform/fake/fake_files.h"

namespace vlrna {
namespace {

TEST(FilesWrapperTest, EveryCallReachesTheWrappedFilesWithItsArguments) {
  FakeFiles fake;
  FilesWrapper files(fake);
  files.CreateFolders("C:\\A\\B");
  files.WriteAt("C:\\A\\x.bin", 2, "yz");
  files.AppendToFile("C:\\A\\x.bin", "!");
  files.CopyFile("C:\\A\\x.bin", "C:\\A\\B\\y.bin");
  files.ReplaceFileAtomically("C:\\A\\z.txt", "new");
  EXPECT_EQ(fake.journal(), (std::vector<std::string>{
                                "mkdir C:\\A\\B", "write C:\\A\\x.bin", "append C:\\A\\x.bin",
                                "copy C:\\A\\x.bin -> C:\\A\\B\\y.bin", "replace C:\\A\\z.txt"}));
  EXPECT_EQ(files.ReadFile("C:\\A\\B\\y.bin"), std::string("\0\0yz!", 5));
  EXPECT_EQ(files.ReadAt("C:\\A\\x.bin", 3, 5), "z!");
  EXPECT_TRUE(files.NormalFileExists("C:\\A\\z.txt"));
  EXPECT_TRUE(files.FolderExists("C:\\A\\B"));
  EXPECT_EQ(files.ListSubfolders("C:\\A"), std::vector<std::string>{"B"});
  EXPECT_EQ(files.Stamp("C:\\A\\z.txt"), fake.Stamp("C:\\A\\z.txt"));
}

}  // namespace
}  // namespace vlrna
