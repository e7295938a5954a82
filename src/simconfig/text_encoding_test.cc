#include "simconfig/text_encoding.h"

#include <gtest/gtest.h>

namespace vlrna {
namespace {

TEST(TextEncodingTest, AnsiRoundTripsThroughUtf8ForEveryByte) {
  std::string all;
  for (int b = 1; b < 256; ++b) all.push_back(static_cast<char>(b));
  EXPECT_EQ(Utf8ToAnsi(AnsiToUtf8(all)), all);
  EXPECT_EQ(AnsiToUtf8("\x80\xE9"), "\xE2\x82\xAC\xC3\xA9");  // euro sign, e-acute
}

TEST(TextEncodingTest, CharactersWithoutAnAnsiFormBecomeQuestionMarks) {
  EXPECT_EQ(Utf8ToAnsi("a\xE6\x97\xA5"
                       "b"),
            "a?b");                                // a CJK character
  EXPECT_EQ(Utf8ToAnsi("\xC3(\xFF"), "?(?");       // broken sequences
  EXPECT_EQ(Utf8ToAnsi("\xF0\x9F\x98\x80"), "?");  // beyond 16 bits
  EXPECT_EQ(Utf8ToAnsi("\xC0\xAF"), "??");         // overlong form
}

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
