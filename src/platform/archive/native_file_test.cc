#include "platform/archive/native_file.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/archive/output_file.h"
#include "platform/archive/scratch_folder.h"
#include "platform/single_byte_code_page.h"

namespace vlrna {
namespace {

// Scenery archives pass 4 GiB: offsets and sizes keep all their bits on
// every system. The file is sparse where the system allows it.
TEST(NativeFileTest, ReadsAndSizesBeyondFourGiB) {
  ScratchFolder scratch("native");
  const std::string path = scratch.Native("big.bin", Windows1252());
  const uint64_t far = (5ull << 30) + 7;
  {
    OutputFile output;
    WriteFailure failure;
    ASSERT_TRUE(output.Create(path, failure)) << failure.reason;
    ASSERT_TRUE(output.WriteAt("head", 4, 0, failure)) << failure.reason;
    ASSERT_TRUE(output.WriteAt("tail", 4, static_cast<int64_t>(far), failure)) << failure.reason;
    ASSERT_TRUE(output.Finish(false, 0, 0, failure)) << failure.reason;
  }
  NativeFile file;
  ASSERT_TRUE(file.Open(path));
  EXPECT_EQ(file.Size(), far + 4);
  char bytes[4];
  ASSERT_TRUE(file.ReadAt(bytes, 4, far));
  EXPECT_EQ(std::string(bytes, 4), "tail");
  ASSERT_TRUE(file.ReadAt(bytes, 4, 0));
  EXPECT_EQ(std::string(bytes, 4), "head");
  EXPECT_FALSE(file.ReadAt(bytes, 4, far + 1)) << "the file ends first";

  NativeFile missing;
  EXPECT_FALSE(missing.Open(scratch.Native("missing.bin", Windows1252())));
  EXPECT_FALSE(missing.ReadAt(bytes, 1, 0));
  EXPECT_FALSE(missing.Size().has_value());
}

}  // namespace
}  // namespace vlrna
