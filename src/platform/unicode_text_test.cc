#include "platform/unicode_text.h"

#include <gtest/gtest.h>

namespace vlrna {
namespace {

TEST(Utf8Test, ReadsWellFormedSequencesAndRefusesTheRestOneByteAtATime) {
  struct Case {
    std::string_view bytes;
    bool ok;
    char32_t character;
    size_t length;  // how far the reading moved
  };
  const Case cases[] = {
      {"a", true, U'a', 1},
      {"\xC3\xBC", true, 0xFC, 2},
      {"\xE2\x82\xAC", true, 0x20AC, 3},
      {"\xF0\x9F\x98\x80", true, 0x1F600, 4},
      {"\xED\xA0\x80", true, 0xD800, 3},  // a lone surrogate, as UTF-16 files hold them
      {"\x80", false, 0, 1},              // a continuation byte
      {"\xC3", false, 0, 1},              // cut off at the end
      {"\xC3(", false, 0, 1},             // continuation missing
      {"\xC0\xAF", false, 0, 1},          // overlong "/"
      {"\xE0\x80\xAF", false, 0, 1},      // overlong, three bytes
      {"\xF4\x90\x80\x80", false, 0, 1},  // beyond U+10FFFF
      {"\xF8\x88\x80\x80\x80", false, 0, 1},
  };
  for (const Case& c : cases) {
    size_t pos = 0;
    char32_t character = 0;
    EXPECT_EQ(NextUtf8(c.bytes, pos, character), c.ok) << testing::PrintToString(c.bytes);
    EXPECT_EQ(pos, c.length) << testing::PrintToString(c.bytes);
    if (c.ok) {
      EXPECT_EQ(character, c.character) << testing::PrintToString(c.bytes);
    }
  }
}

TEST(Utf8Test, StrayBytesStandForTheirOwnValueAndEveryCharacterGoesBack) {
  EXPECT_EQ(DecodeUtf8("Z\xFCri\xC3\xA7h"), U"Z\u00FCri\u00E7h");
  const std::u32string wide = {U'a', 0xE9, 0x20AC, 0x1F600, 0xD800};
  EXPECT_EQ(DecodeUtf8(EncodeUtf8(wide)), wide);
}

}  // namespace
}  // namespace vlrna
