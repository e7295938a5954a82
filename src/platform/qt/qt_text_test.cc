#include "platform/qt/qt_text.h"

#include <gtest/gtest.h>

#include "platform/fake/fake_code_page.h"
#include "platform/single_byte_code_page.h"

namespace vlrna {
namespace {

const QtText kWestern(Windows1252());

TEST(QtTextTest, EveryByteSurvivesTheRoundTrip) {
  std::string all;
  for (int b = 1; b < 256; ++b) all.push_back(static_cast<char>(b));
  const QString text = kWestern.FromAnsi(all);
  EXPECT_EQ(text.size(), 255);
  EXPECT_EQ(kWestern.ToAnsi(text), all);
}

TEST(QtTextTest, UsesTheMachinesCodePageNotLatin1) {
  EXPECT_EQ(kWestern.FromAnsi("\x80"), QString(QChar(0x20AC)));  // euro sign
  EXPECT_EQ(kWestern.FromAnsi("\x93x\x94"), QString::fromUtf8("\u201Cx\u201D"));
  EXPECT_EQ(kWestern.FromAnsi("Fran\xE7"
                              "ais"),
            QString::fromUtf8("Fran\u00E7ais"));
  EXPECT_EQ(kWestern.ToAnsi(QString::fromUtf8("Zur\u00FCck \u2026")),
            "Zur\xFC"
            "ck \x85");
  const FakeCodePage cyrillic(1251, kWindows1251HighHalf);
  const QtText russian(cyrillic);
  EXPECT_EQ(russian.FromAnsi("\xC4\xE0\xEB\xE5\xE5 >"),
            QString::fromUtf8("\u0414\u0430\u043B\u0435\u0435 >"));
  EXPECT_EQ(russian.ToAnsi(QString::fromUtf8("\u0414\u0430\u043B\u0435\u0435 \u00E9")),
            "\xC4\xE0\xEB\xE5\xE5 ?");
}

TEST(QtTextTest, CharactersOutsideTheCodePageBecomeQuestionMarks) {
  // A Greek letter and a character outside the basic plane, one byte each.
  EXPECT_EQ(kWestern.ToAnsi(QString::fromUtf8("a\u03A9b\U0001F600c")), "a?b?c");
}

TEST(QtTextTest, LineEndsAreConvertedAtTheEdge) {
  EXPECT_EQ(kWestern.FromAnsiForDisplay("one\r\ntwo\rthree\nfour"),
            QString("one\ntwo\nthree\nfour"));
  EXPECT_EQ(kWestern.ToAnsiFromDisplay(QString("one\ntwo\r\nthree\n")), "one\r\ntwo\r\nthree\r\n");
}

}  // namespace
}  // namespace vlrna
