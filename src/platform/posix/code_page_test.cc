#include "platform/posix/code_page.h"

#include <gtest/gtest.h>

namespace vlrna {
namespace {

TEST(CodePageTest, WesternTextConvertsBothWaysAndKeepsEveryByte) {
  CodePage cp(1252);
  EXPECT_EQ(cp.AnsiToUtf8("Gr\xFC\xDF"
                          "e \x80"),
            "Gr\xC3\xBC\xC3\x9F"
            "e \xE2\x82\xAC");
  EXPECT_EQ(cp.Utf8ToAnsi("Gr\xC3\xBC\xC3\x9F"
                          "e \xE2\x82\xAC"),
            "Gr\xFC\xDF"
            "e \x80");
  // Bytes without a letter in 1252 still go both ways unchanged.
  EXPECT_EQ(cp.Utf8ToAnsi(cp.AnsiToUtf8("\x81\x8D\x8F\x90\x9D")), "\x81\x8D\x8F\x90\x9D");
  EXPECT_EQ(cp.Utf8ToAnsi("\xE6\x97\xA5 \xF0\x9F\x9B\xAB"), "? ?");  // no such letters
  EXPECT_EQ(cp.Utf8ToAnsi("bad \xFF byte"), "bad \xFF byte");
  EXPECT_EQ(cp.Utf16ToAnsi(std::u16string_view(u"Z\u00FCrich\0x", 8)),
            std::string("Z\xFCrich\0x", 8));
  EXPECT_EQ(CodePage(99999).number(), 1252u);  // unknown: the default
}

TEST(CodePageTest, DoubleByteCodePagesGoThroughIconv) {
  CodePage japanese(932);
  std::string sjis = "\x93\xFA\x96\x7B\\x";  // "日本\x": the second byte of 本 is no backslash
  EXPECT_EQ(japanese.AnsiToUtf8(sjis), "\xE6\x97\xA5\xE6\x9C\xAC\\x");
  EXPECT_EQ(japanese.Utf8ToAnsi("\xE6\x97\xA5\xE6\x9C\xAC\\x"), sjis);
  EXPECT_EQ(CodePage(65001).AnsiToUtf8("\xC3\xBC"), "\xC3\xBC");
}

TEST(CodePageTest, NamesCompareWithoutRegardToCaseInEveryAlphabet) {
  EXPECT_TRUE(SameNameIgnoringCase("Scenery.CFG", "scenery.cfg"));
  EXPECT_TRUE(
      SameNameIgnoringCase("M\xC3\x9C"
                           "NCHEN",
                           "m\xC3\xBC"
                           "nchen"));  // Ü ü
  EXPECT_TRUE(
      SameNameIgnoringCase("\xD0\x9C\xD0\x98\xD0\xA0", "\xD0\xBC\xD0\xB8\xD1\x80"));  // МИР мир
  EXPECT_FALSE(SameNameIgnoringCase("scenery.cfg", "scenery.cf"));
  EXPECT_FALSE(SameNameIgnoringCase("a", "\xC3\xA0"));
}

}  // namespace
}  // namespace vlrna
