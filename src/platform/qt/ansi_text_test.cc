#include "platform/qt/ansi_text.h"

#include <gtest/gtest.h>

namespace vlrna {
namespace {

TEST(AnsiTextTest, EveryByteSurvivesTheRoundTrip) {
  std::string all;
  for (int b = 1; b < 256; ++b) all.push_back(static_cast<char>(b));
  const QString text = FromAnsi(all);
  EXPECT_EQ(text.size(), 255);
  EXPECT_EQ(ToAnsi(text), all);
}

TEST(AnsiTextTest, UsesTheWindowsCodePageNotLatin1) {
  EXPECT_EQ(FromAnsi("\x80"), QString(QChar(0x20AC)));  // euro sign
  EXPECT_EQ(FromAnsi("\x93x\x94"), QString::fromUtf8("\u201Cx\u201D"));
  EXPECT_EQ(FromAnsi("Fran\xE7"
                     "ais"),
            QString::fromUtf8("Fran\u00E7ais"));
  EXPECT_EQ(ToAnsi(QString::fromUtf8("Zur\u00FCck \u2026")),
            "Zur\xFC"
            "ck \x85");
}

TEST(AnsiTextTest, CharactersOutsideTheCodePageBecomeQuestionMarks) {
  // A Greek letter and a character outside the basic plane, one byte each.
  EXPECT_EQ(ToAnsi(QString::fromUtf8("a\u03A9b\U0001F600c")), "a?b?c");
}

TEST(AnsiTextTest, LineEndsAreConvertedAtTheEdge) {
  EXPECT_EQ(FromAnsiForDisplay("one\r\ntwo\rthree\nfour"), QString("one\ntwo\nthree\nfour"));
  EXPECT_EQ(ToAnsiFromDisplay(QString("one\ntwo\r\nthree\n")), "one\r\ntwo\r\nthree\r\n");
}

}  // namespace
}  // namespace vlrna
