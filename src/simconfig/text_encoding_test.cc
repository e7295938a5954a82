#include "simconfig/text_encoding.h"

#include <gtest/gtest.h>

namespace vlrna {
namespace {

TEST(TextEncodingTest, MarksAreRecognisedAndKept) {
  EXPECT_EQ(DecodeText("\xEF\xBB\xBFx").encoding, TextEncoding::kUtf8);
  EXPECT_EQ(DecodeText("\xFF\xFEx").encoding, TextEncoding::kUtf16Le);
  EXPECT_EQ(DecodeText("\xFE\xFF\0x").encoding, TextEncoding::kUtf16Be);
  EXPECT_EQ(DecodeText("\xEF\xBBx").encoding, TextEncoding::kAnsi);
  std::string be("\xFE\xFF\0[\0A\0]\xD8\x3D\xDE\x00", 12);
  DecodedText d = DecodeText(be);
  EXPECT_EQ(d.text, "[A]\xF0\x9F\x98\x80");
  EXPECT_EQ(EncodeText(d), be);
}

}  // namespace
}  // namespace vlrna
