#include "platform/archive/output_file.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>

#include "platform/archive/scratch_folder.h"
#include "platform/single_byte_code_page.h"

namespace vlrna {
namespace {

namespace fs = std::filesystem;

TEST(OutputFileTest, TemporaryNamesStayBesideTheFileAndShort) {
  struct Case {
    std::string path;
    const char* separators;
    std::string temporary;
  };
  const std::string long_name(300, 'n');
  const Case cases[] = {
      {"/s/vlrna/tile.bgl", "/", "/s/vlrna/.tile.bgl.vlrna-7-3"},
      // Windows paths part at both separators.
      {"C:\\s/vlrna\\tile.bgl", "\\/", "C:\\s/vlrna\\.tile.bgl.vlrna-7-3"},
      {"C:\\s\\vlrna/tile.bgl", "\\/", "C:\\s\\vlrna/.tile.bgl.vlrna-7-3"},
      {"tile.bgl", "/", ".tile.bgl.vlrna-7-3"},
      {"/s/" + long_name, "/", "/s/." + long_name.substr(0, 200) + ".vlrna-7-3"},
  };
  for (const Case& c : cases) EXPECT_EQ(TemporaryName(c.path, c.separators, 7, 3), c.temporary);
}

class OutputFolderTest : public ::testing::Test {
 protected:
  std::string Native(const std::string& relative) const {
    return scratch_.Native(relative, Windows1252());
  }
  ScratchFolder scratch_{"out"};
};

TEST_F(OutputFolderTest, MakesEveryMissingFolderAndRefusesAFileInTheWay) {
  WriteFailure failure;
  ASSERT_TRUE(MakeOutputFolders(Native("a\\b\\c\\d"), failure)) << failure.reason;
  EXPECT_TRUE(fs::is_directory(scratch_.path() / "a/b/c/d"));
  EXPECT_TRUE(MakeOutputFolders(Native("a\\b"), failure)) << "one that exists is fine";
  std::ofstream(Native("a\\file")) << "x";
  for (const char* blocked : {"a\\file", "a\\file\\below"}) {
    WriteFailure refused;
    EXPECT_FALSE(MakeOutputFolders(Native(blocked), refused)) << blocked;
    EXPECT_FALSE(refused.reason.empty()) << blocked;
    EXPECT_FALSE(refused.disk_full) << blocked;
  }
}

TEST_F(OutputFolderTest, FileAppearsWholeUnderItsNameOnlyWhenFinished) {
  const std::string path = Native("tile.bgl");
  std::ofstream(path) << "an older and longer tile";
  {
    OutputFile dropped;
    WriteFailure failure;
    ASSERT_TRUE(dropped.Create(path, failure)) << failure.reason;
    ASSERT_TRUE(dropped.WriteAt("new", 3, 0, failure)) << failure.reason;
  }
  // Dropped unfinished: the old file stands and nothing else is left.
  EXPECT_EQ(std::distance(fs::directory_iterator(scratch_.path()), {}), 1);
  OutputFile output;
  WriteFailure failure;
  ASSERT_TRUE(output.Create(path, failure)) << failure.reason;
  // A gap is left as zeros, as the data of a sparse entry.
  ASSERT_TRUE(output.WriteAt("ab", 2, 0, failure)) << failure.reason;
  ASSERT_TRUE(output.WriteAt("yz", 2, 6, failure)) << failure.reason;
  ASSERT_TRUE(output.Finish(true, 1'500'000'000, 0, failure)) << failure.reason;
  std::ifstream in(path, std::ios::binary);
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), std::string("ab\0\0\0\0yz", 8));
  auto written = std::chrono::file_clock::to_sys(fs::last_write_time(scratch_.path() / "tile.bgl"));
  EXPECT_EQ(std::chrono::duration_cast<std::chrono::seconds>(written.time_since_epoch()).count(),
            1'500'000'000);
  EXPECT_EQ(std::distance(fs::directory_iterator(scratch_.path()), {}), 1);
}

}  // namespace
}  // namespace vlrna
