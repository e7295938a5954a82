#include "command_line_tail.h"

#include <gtest/gtest.h>

#include <string_view>

namespace vlrna {
namespace {

TEST(CommandLineTailTest, HandsOnWhatFollowsTheProgramName) {
  const struct {
    std::string_view line;
    std::string_view tail;
  } cases[] = {
      {"VLRSetup.exe", ""},
      {"VLRSetup.exe   ", ""},
      {"VLRSetup.exe --unattended --language=E", "--unattended --language=E"},
      {"\"D:\\My Disc\\VLRSetup.exe\" --dir=\"E:\\A B\"", "--dir=\"E:\\A B\""},
      {"D:\\VLRSetup.exe\t \t--help", "--help"},
      {"\"D:\\Odd\"Name.exe x", "x"},
      {"\"D:\\unclosed quote x", ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(CommandLineTail(c.line), c.tail) << c.line;
  }
}

}  // namespace
}  // namespace vlrna
