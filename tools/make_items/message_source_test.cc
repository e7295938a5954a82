#include "make_items/message_source.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vlrna {
namespace {

using Texts = std::vector<std::string>;

std::string ErrorOf(std::string_view source) {
  try {
    ParseMessageSource(source, "items_ger.txt");
  } catch (const SourceError& error) {
    return error.what();
  }
  return "";
}

TEST(MessageSourceTest, ReadsTextsWithCommentsBlankLinesAndLineBreaks) {
  const std::string source =
      "\xEF\xBB\xBF# German texts\n"
      "\n"
      "# Title\n"
      "[1]\n"
      "%APPTITLE% Installation   \n"
      "\n"
      "[2]\r\n"
      "\r\n"
      "Erste Zeile\r\n"
      "# a comment inside a text is left out\r\n"
      "  zweite Zeile, einger\xC3\xBC"
      "ckt\r\n"
      "\r\n"
      "letzte\r\n"
      "\r\n"
      "[3]\n"
      "[4]\n"
      "&Weiter >";
  EXPECT_EQ(ParseMessageSource(source, "x"), (Texts{"%APPTITLE% Installation",
                                                    "Erste Zeile\r\n  zweite Zeile, einger\xFC"
                                                    "ckt\r\n\r\nletzte",
                                                    "", "&Weiter >"}));
  EXPECT_EQ(ParseMessageSource("# nothing yet\n", "x"), Texts{});
}

TEST(MessageSourceTest, NamesFileLineAndColumnOfEveryFault) {
  EXPECT_EQ(ErrorOf("[1]\nA\n[3]\nC\n"), "items_ger.txt:3:1: expected text [2], found [3]");
  EXPECT_EQ(ErrorOf("[1]\n[2]\n[2]\n"), "items_ger.txt:3:1: expected text [3], found [2]");
  EXPECT_EQ(ErrorOf("[0]\n"), "items_ger.txt:1:1: expected text [1], found [0]");
  EXPECT_EQ(ErrorOf("# head\nstray\n[1]\n"), "items_ger.txt:2:1: text before the first [1]");
  EXPECT_EQ(ErrorOf("[1]\nok\n[2]\nPfeil \xE2\x86\x92 hier\n"),
            "items_ger.txt:4:7: character U+2192 cannot be written in code page 1252");
  EXPECT_EQ(ErrorOf("[1]\r\nZur\xFC"
                    "ck\r\n"),
            "items_ger.txt:2:4: malformed UTF-8 sequence");
  // Lines that only look like headers stay text.
  EXPECT_EQ(ParseMessageSource("[1]\n[ 2]\n[2a]\n", "x"), (Texts{"[ 2]\r\n[2a]"}));
}

TEST(MessageSourceTest, RefusesMoreTextsThanTheWizardKeeps) {
  std::string source;
  for (int i = 1; i <= 100; ++i) source += "[" + std::to_string(i) + "]\nx\n";
  EXPECT_EQ(ParseMessageSource(source, "x").size(), 100u);
  source += "[101]\n";
  EXPECT_EQ(ErrorOf(source), "items_ger.txt:201:1: more than 100 texts");
}

TEST(MessageSourceTest, RendersMarkersAroundEachTextAndEndMarkAtTheEnd) {
  EXPECT_EQ(RenderMessageFile({"&Next >", "", "a\r\nb"}),
            "\x01&Next >\x02\r\n\x01\x02\r\n\x01"
            "a\r\nb\x02\r\n\x03");
  EXPECT_EQ(RenderMessageFile({}), "\x03");
}

TEST(MessageSourceTest, PlainTextEndsEveryLineInCrLf) {
  EXPECT_EQ(ConvertPlainText("\xEF\xBB\xBF"
                             "Lizenz\n\nf\xC3\xBCr Sie\n",
                             "x"),
            "Lizenz\r\n\r\nf\xFCr Sie\r\n");
  EXPECT_EQ(ConvertPlainText("a\r\nlast line without end", "x"), "a\r\nlast line without end\r\n");
  EXPECT_EQ(ConvertPlainText("", "x"), "");
  try {
    ConvertPlainText("one\ntwo \xE2\x86\x92\n", "lizenz.txt");
    FAIL();
  } catch (const SourceError& error) {
    EXPECT_STREQ(error.what(),
                 "lizenz.txt:2:5: character U+2192 cannot be written in code page 1252");
  }
}

}  // namespace
}  // namespace vlrna
