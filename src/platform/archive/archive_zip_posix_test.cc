// The zip library's tests that need Linux: named pipes and the device that
// is always full.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>

#include "platform/archive/archive_zip_fixture.h"

namespace vlrna {
namespace {

TEST_F(ArchiveZipTest, FullDiskFailsNamingFileArchiveAndEntry) {
  Build("setup.202", Encrypted(ZipEncryption::kTraditional), [](ZipBuilder& zip) {
    ASSERT_TRUE(zip.AddFile("vlrna/ortho/tile.bgl", Pattern(100000, 6)));
  });
  // The device that is always full stands in for the tile's file.
  ArchiveZip zip({[this](const std::string& path) {
                    return path == "C:\\S\\vlrna\\ortho\\tile.bgl" ? "/dev/full" : Map(path);
                  },
                  Windows1252(), 2});
  ASSERT_EQ(zip.zOpenZipFile("D:\\setup.202"), 0);
  EXPECT_EQ(zip.zExtractAll("C:\\S\\", "B57A1CF7", 1, 1, 0, {}), 1);
  EXPECT_EQ(zip.zGetLastErrorAsText(),
            "Disk full: cannot write C:\\S\\vlrna\\ortho\\tile.bgl (No space left on device) for "
            "archive D:\\setup.202, entry vlrna/ortho/tile.bgl");
}

// Worker one blocks on a named pipe until worker two's file is complete; one
// thread doing both in turn would never get there.
TEST_F(ArchiveZipTest, WorkersRunConcurrently) {
  const std::string second = Pattern(500'000, 5);
  Build("setup.101", Encrypted(ZipEncryption::kTraditional), [&](ZipBuilder& zip) {
    ASSERT_TRUE(zip.AddFile("vlrna/pipe", std::string(600'000, 'p')));
    ASSERT_TRUE(zip.AddFile("vlrna/second.bgl", second));
  });
  fs::create_directories(root_ / "c/S/vlrna");
  fs::path pipe = root_ / "c/S/vlrna/pipe";
  ASSERT_EQ(mkfifo(pipe.c_str(), 0644), 0);
  int reader = -1;
  bool second_first = false;
  auto start = std::chrono::steady_clock::now();
  ArchiveZip zip = MakeZip(2);
  ASSERT_EQ(zip.zOpenZipFile("D:\\setup.101"), 0);
  int32_t result = zip.zExtractAll("C:\\S\\", "B57A1CF7", 1, 1, 0, [&] {
    fs::path done = root_ / "c/S/vlrna/second.bgl";
    std::error_code ignored;
    bool complete = fs::file_size(done, ignored) == second.size();
    bool late = std::chrono::steady_clock::now() - start > std::chrono::seconds(20);
    if (reader < 0 && (complete || late)) {
      second_first = complete;
      reader = open(pipe.c_str(), O_RDONLY | O_NONBLOCK);
    }
    char sink[65536];
    while (reader >= 0 && read(reader, sink, sizeof sink) > 0) {
    }
  });
  if (reader >= 0) close(reader);
  EXPECT_EQ(result, 0) << zip.zGetLastErrorAsText();
  EXPECT_TRUE(second_first);
}

// The worker writing into a named pipe waits until the progress handler
// reads it, so the handler surely runs while the extraction does.
TEST_F(ArchiveZipTest, ArchiveIsNeitherClosedNorReplacedWhileUnpacked) {
  Build("setup.101", Encrypted(ZipEncryption::kNone), [&](ZipBuilder& zip) {
    ASSERT_TRUE(zip.AddFile("vlrna/pipe", std::string(300'000, 'p')));
  });
  fs::create_directories(root_ / "c/S/vlrna");
  fs::path pipe = root_ / "c/S/vlrna/pipe";
  ASSERT_EQ(mkfifo(pipe.c_str(), 0644), 0);
  ArchiveZip zip = MakeZip(2);
  ASSERT_EQ(zip.zOpenZipFile("D:\\setup.101"), 0);
  int reader = -1;
  std::vector<int32_t> results;
  int32_t result = zip.zExtractAll("C:\\S\\", "", 1, 1, 0, [&] {
    if (reader < 0) {
      results = {zip.zCloseZipFile(), zip.zOpenZipFile("D:\\setup.101")};
      reader = open(pipe.c_str(), O_RDONLY | O_NONBLOCK);
    }
    char sink[65536];
    while (reader >= 0 && read(reader, sink, sizeof sink) > 0) {
    }
  });
  if (reader >= 0) close(reader);
  EXPECT_EQ(result, 0) << zip.zGetLastErrorAsText();
  EXPECT_EQ(results, (std::vector<int32_t>{1, 1}));
  EXPECT_EQ(zip.zGetTotalBytes(), 300'000u);  // still open
}

}  // namespace
}  // namespace vlrna
