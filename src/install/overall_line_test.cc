#include "install/overall_line.h"

#include <gtest/gtest.h>

namespace vlrna {
namespace {

constexpr uint64_t kMB = 1024 * 1024;

TEST(OverallLineTest, FillsTheCatalogueTexts) {
  ProgramState state;
  state.MessageCatalogue[65] = "%DONE% of %TOTAL% MB (%PERCENT%%), %SPEED% MB/s, %TIMELEFT% left";
  state.MessageCatalogue[66] = "%DONE% of at least %TOTAL% MB, %SPEED% MB/s";
  struct Case {
    const char* language;
    OverallFigures figures;
    const char* line;
  };
  const Case cases[] = {
      {"E",
       {1234 * kMB, 5678 * kMB, true, 21.73, 12.26 * kMB, 361},
       "1234 of 5678 MB (21%), 12.3 MB/s, 6:01 left"},
      {"D",
       {0, 5678 * kMB + kMB / 2, true, 0.0, std::nullopt, std::nullopt},
       "0 of 5679 MB (0%), - MB/s, -:-- left"},
      {"F",
       {900 * kMB, 1000 * kMB, false, std::nullopt, 1.04 * kMB, std::nullopt},
       "900 of at least 1000 MB, 1,0 MB/s"},
      {"E", {kMB, kMB, true, 99.9999, 1.0 * kMB, 0}, "1 of 1 MB (99%), 1.0 MB/s, 0:00 left"},
  };
  for (const Case& c : cases) {
    state.gsLanguage = c.language;
    EXPECT_EQ(OverallLine(state, c.figures), c.line);
  }
}

TEST(OverallLineTest, TimeLeftReadsAsAClock) {
  EXPECT_EQ(FormatTimeLeft(0), "0:00");
  EXPECT_EQ(FormatTimeLeft(59), "0:59");
  EXPECT_EQ(FormatTimeLeft(750), "12:30");
  EXPECT_EQ(FormatTimeLeft(3723), "1:02:03");
  EXPECT_EQ(FormatTimeLeft(-5), "0:00");
}

}  // namespace
}  // namespace vlrna
