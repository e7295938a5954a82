#include "platform/posix/native_folders.h"

#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/stat.h>

#include <cerrno>
#include <filesystem>
#include <fstream>

namespace vlrna {
namespace {

namespace fs = std::filesystem;

TEST(NativeFoldersTest, MakesWhatIsMissingAndTellsAFileInTheWayFromAFileAtTheEnd) {
  std::string pattern = (fs::temp_directory_path() / "vlrna_folders_XXXXXX").string();
  const fs::path root = mkdtemp(pattern.data());
  std::ofstream(root / "file") << "x";
  struct Case {
    const char* path;
    int error;
  };
  const Case cases[] = {
      {"a/b/c", 0},  {"a/b/c", 0},  // the second time there is nothing to do
      {"a/b/d/", 0}, {"file", EEXIST}, {"file/sub", ENOTDIR}, {"file/sub/deeper", ENOTDIR},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(MakeNativeFolders((root / c.path).string(), 0750), c.error) << c.path;
  }
  EXPECT_TRUE(fs::is_directory(root / "a/b/c"));
  EXPECT_TRUE(fs::is_directory(root / "a/b/d"));
  struct stat info;
  ASSERT_EQ(stat((root / "a/b").c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 0007, 0u);  // the mode asked for, not the default
  fs::remove_all(root);
}

}  // namespace
}  // namespace vlrna
