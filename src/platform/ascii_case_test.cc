#include "platform/ascii_case.h"

#include <gtest/gtest.h>

#include <string>

namespace vlrna {
namespace {

TEST(AsciiCaseTest, OnlyTheAsciiLettersChange) {
  // The ANSI letters (here Windows-1252 "Ä" and "é") and the bytes just
  // outside A..Z stay, so a name's bytes mean the same in every code page.
  EXPECT_EQ(AsciiLower("C:\\FSX\\Scenery.CFG \xC4\xE9@[`{"), "c:\\fsx\\scenery.cfg \xC4\xE9@[`{");
  EXPECT_EQ(AsciiUpper("com1.txt \xE4\xC9@[`{"), "COM1.TXT \xE4\xC9@[`{");
  EXPECT_TRUE(SameIgnoringAsciiCase("Area.001", "AREA.001"));
  EXPECT_FALSE(SameIgnoringAsciiCase("\xC4", "\xE4"));
  EXPECT_FALSE(SameIgnoringAsciiCase("Layer", "Layer "));
  // Drive letters: A..Z and a..z only, not the ANSI letters or their neighbours.
  for (char c : std::string("AZaz")) EXPECT_TRUE(IsAsciiLetter(c)) << c;
  for (char c : std::string("@[`{0\xC4\xE9")) EXPECT_FALSE(IsAsciiLetter(c)) << c;
}

}  // namespace
}  // namespace vlrna
