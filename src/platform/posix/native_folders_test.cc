#include "platform/posix/native_folders.h"

#include <gtest/gtest.h>
#include <pthread.h>
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

// A deep path on a thread with a small stack, as worker threads and Windows
// programs have: the walk must not grow with the depth.
TEST(NativeFoldersTest, DeepPathsTakeNoStack) {
  std::string pattern = (fs::temp_directory_path() / "vlrna_folders_XXXXXX").string();
  const fs::path root = mkdtemp(pattern.data());
  struct Call {
    std::string path;
    int error = -1;
  } call{root.string()};
  for (int i = 0; i < 1000; ++i) call.path += "/d";
  pthread_attr_t attributes;
  pthread_attr_init(&attributes);
  pthread_attr_setstacksize(&attributes, 64 << 10);
  pthread_t thread;
  auto run = [](void* data) -> void* {
    auto* c = static_cast<Call*>(data);
    c->error = MakeNativeFolders(c->path, 0755);
    return nullptr;
  };
  ASSERT_EQ(pthread_create(&thread, &attributes, run, &call), 0);
  pthread_join(thread, nullptr);
  pthread_attr_destroy(&attributes);
  EXPECT_EQ(call.error, 0);
  EXPECT_TRUE(fs::is_directory(call.path));
  fs::remove_all(root);
}

}  // namespace
}  // namespace vlrna
