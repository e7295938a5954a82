#include "platform/single_byte_code_page.h"

#include <gtest/gtest.h>

#include "platform/fake/fake_code_page.h"

namespace vlrna {
namespace {

TEST(SingleByteCodePageTest, EveryWesternByteSurvivesTheRoundTrip) {
  std::string all;
  for (int b = 0; b < 256; ++b) all.push_back(static_cast<char>(b));
  const std::string utf8 = Windows1252().AnsiToUtf8(all);
  EXPECT_EQ(Windows1252().Utf8ToAnsi(utf8), all);
  EXPECT_EQ(Windows1252().Utf8ToAnsiExactly(utf8), all);
  EXPECT_EQ(Windows1252().AnsiToUtf8("\x80\x93x\x94\xE9"),
            "\xE2\x82\xAC\xE2\x80\x9Cx\xE2\x80\x9D\xC3\xA9");  // not Latin-1
}

TEST(SingleByteCodePageTest, WhatTheCodePageLacksBecomesAQuestionMarkOrNothing) {
  const FakeCodePage cyrillic(1251, kWindows1251HighHalf);
  struct Case {
    const AnsiCodePage& code_page;
    std::string_view utf8;
    std::string ansi;
    bool exact;
  };
  const Case cases[] = {
      {Windows1252(),
       "a\xCE\xA9"
       "b\xF0\x9F\x98\x80",
       "a?b?", false},  // Greek, and beyond 16 bits
      {Windows1252(),
       "Zur\xFC"
       "ck",
       "Zur\xFC"
       "ck",
       false},                                      // a Latin-1 byte keeps its letter
      {Windows1252(), "\xED\xA0\x80", "?", false},  // a lone surrogate
      {cyrillic, "\xD0\x9C\xD0\xB8\xD1\x80", "\xCC\xE8\xF0", true},  // Мир
      {cyrillic, "\xE2\x82\xAC", "\x88", true},                      // euro sign
      {cyrillic, "caf\xC3\xA9", "caf?", false},
  };
  for (const Case& c : cases) {
    const std::string shown = testing::PrintToString(c.utf8);
    EXPECT_EQ(c.code_page.Utf8ToAnsi(c.utf8), c.ansi) << shown;
    EXPECT_EQ(c.code_page.Utf8ToAnsiExactly(c.utf8).has_value(), c.exact) << shown;
  }
}

}  // namespace
}  // namespace vlrna
