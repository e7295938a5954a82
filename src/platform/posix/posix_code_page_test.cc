#include "platform/posix/posix_code_page.h"

#include <gtest/gtest.h>

namespace vlrna {
namespace {

TEST(PosixCodePageTest, WesternTextConvertsBothWaysAndKeepsEveryByte) {
  PosixCodePage cp(1252);
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
  EXPECT_EQ(PosixCodePage(99999).number(), 1252u);  // unknown: the default
}

TEST(PosixCodePageTest, DoubleByteCodePagesGoThroughIconv) {
  PosixCodePage japanese(932);
  std::string sjis = "\x93\xFA\x96\x7B\\x";  // "日本\x": the second byte of 本 is no backslash
  EXPECT_EQ(japanese.AnsiToUtf8(sjis), "\xE6\x97\xA5\xE6\x9C\xAC\\x");
  EXPECT_EQ(japanese.Utf8ToAnsi("\xE6\x97\xA5\xE6\x9C\xAC\\x"), sjis);
  EXPECT_EQ(PosixCodePage(65001).AnsiToUtf8("\xC3\xBC"), "\xC3\xBC");
}

TEST(PosixCodePageTest, ExactConversionRefusesWhatTheCodePageCannotHold) {
  const PosixCodePage western(1252), japanese(932), utf8(65001);
  struct Case {
    const AnsiCodePage& code_page;
    std::string_view utf8;
    std::optional<std::string> ansi;
  };
  const Case cases[] = {
      {western, "caf\xC3\xA9 \xE2\x82\xAC", "caf\xE9 \x80"},
      {western, "\xE6\x97\xA5", std::nullopt},  // no such letter
      {western, "bad \xFF", std::nullopt},      // no UTF-8
      {japanese, "\xE6\x97\xA5\xE6\x9C\xAC", "\x93\xFA\x96\x7B"},
      {japanese, "caf\xC3\xA9", std::nullopt},
      {japanese, "bad \xFF", std::nullopt},
      {utf8, "\xC3\xBC", "\xC3\xBC"},
      {utf8, "bad \xFF", std::nullopt},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(c.code_page.Utf8ToAnsiExactly(c.utf8), c.ansi)
        << c.code_page.number() << " " << testing::PrintToString(c.utf8);
  }
}

TEST(PosixCodePageTest, TheWesternTextsOfThePackageReachEveryCodePage) {
  const PosixCodePage western(1252);
  const std::string text = "Gr\xFC\xDF\xE9 \x85 \x80";  // ü ß é … €
  EXPECT_EQ(Recode(text, western, PosixCodePage(1252)), text);
  EXPECT_EQ(Recode(text, western, PosixCodePage(1251)), "Gr??? \x85 \x88");
  EXPECT_EQ(Recode(text, western, PosixCodePage(932)), "Gr??? \x81\x63 ?");
  EXPECT_EQ(Recode(text, western, PosixCodePage(65001)),
            "Gr\xC3\xBC\xC3\x9F\xC3\xA9 \xE2\x80\xA6 \xE2\x82\xAC");
}

}  // namespace
}  // namespace vlrna
