#include "make_items/cp1252.h"

#include <gtest/gtest.h>

namespace vlrna {
namespace {

std::size_t ColumnOfFault(std::string_view line) {
  try {
    Utf8LineToCp1252(line);
  } catch (const EncodeError& error) {
    return error.column();
  }
  return 0;
}

TEST(Cp1252Test, KeepsAsciiAndLatinOneAndMapsTheWindowsRow) {
  EXPECT_EQ(Utf8LineToCp1252("< &Zur\xC3\xBC"
                             "ck\tPr\xC3\xA9"
                             "c\xC3\xA9"
                             "dent \xC3\x88"),
            "< &Zur\xFC"
            "ck\tPr\xE9"
            "c\xE9"
            "dent \xC8");
  EXPECT_EQ(Utf8LineToCp1252("\xC2\xA0:"), "\xA0:");  // no-break space
  // Euro, low quote, ellipsis, Œ, curly apostrophe, en and em dash, ™, Ÿ.
  EXPECT_EQ(Utf8LineToCp1252("\xE2\x82\xAC\xE2\x80\x9A\xE2\x80\xA6\xC5\x92\xE2\x80\x99"
                             "\xE2\x80\x93\xE2\x80\x94\xE2\x84\xA2\xC5\xB8"),
            "\x80\x82\x85\x8C\x92\x96\x97\x99\x9F");
}

TEST(Cp1252Test, RefusesCharactersThatCodePage1252CannotHold) {
  EXPECT_EQ(Cp1252ByteOf(0x2192), -1);  // arrow
  EXPECT_EQ(Cp1252ByteOf(0x0081), -1);  // C1 control, unassigned in 1252
  EXPECT_EQ(Cp1252ByteOf(0x0152), 0x8C);
  // The column counts characters: "é" is two bytes but one column.
  EXPECT_EQ(ColumnOfFault("\xC3\xA9t\xC3\xA9 \xE2\x86\x92"), 5u);
  EXPECT_EQ(ColumnOfFault("ok \xF0\x9F\x98\x80"), 4u);  // emoji
  EXPECT_EQ(ColumnOfFault("\xD0\x96"), 1u);             // Cyrillic
  try {
    Utf8LineToCp1252("a\xE2\x86\x92");
    FAIL();
  } catch (const EncodeError& error) {
    EXPECT_STREQ(error.what(), "character U+2192 cannot be written in code page 1252");
  }
}

TEST(Cp1252Test, RefusesMalformedUtf8) {
  EXPECT_EQ(ColumnOfFault("ab\x80"), 3u);            // stray continuation byte
  EXPECT_EQ(ColumnOfFault("a\xC3"), 2u);             // cut off at the end
  EXPECT_EQ(ColumnOfFault("\xC3(x"), 1u);            // continuation missing
  EXPECT_EQ(ColumnOfFault("\xC0\xAF"), 1u);          // overlong "/"
  EXPECT_EQ(ColumnOfFault("\xE0\x80\xAF"), 1u);      // overlong, three bytes
  EXPECT_EQ(ColumnOfFault("\xED\xA0\x80"), 1u);      // surrogate
  EXPECT_EQ(ColumnOfFault("\xF4\x90\x80\x80"), 1u);  // beyond U+10FFFF
  // Latin-1 bytes from an editor saving in the wrong encoding.
  EXPECT_EQ(ColumnOfFault("Zur\xFC"
                          "ck"),
            4u);
}

TEST(Cp1252Test, RefusesTheMarkerBytesAndOtherControlCharacters) {
  // 0x01, 0x02, 0x03 would split or end a message file's text.
  EXPECT_EQ(ColumnOfFault(std::string_view("a\x01", 2)), 2u);
  EXPECT_EQ(ColumnOfFault("a\x02"), 2u);
  EXPECT_EQ(ColumnOfFault("a\x03"), 2u);
  EXPECT_EQ(ColumnOfFault(std::string_view("a\0b", 3)), 2u);
  EXPECT_EQ(ColumnOfFault("a\rb"), 2u);
  EXPECT_EQ(ColumnOfFault("a\x7F"), 2u);
  EXPECT_EQ(ColumnOfFault("\xC2\x85"), 1u);  // U+0085, a C1 control
}

}  // namespace
}  // namespace vlrna
