#include "install/overall_line.h"

#include <gtest/gtest.h>

namespace vlrna {
namespace {

constexpr uint64_t kMB = 1024 * 1024;

TEST(OverallLineTest, FillsTheCatalogueTexts) {
  ProgramState state;
  state.MessageCatalogue[65] = "%DONE%/%TOTAL% MB (%PERCENT%%) %SPEED% MB/s %TIMELEFT%";
  state.MessageCatalogue[66] = "%DONE% of at least %TOTAL% MB, %SPEED% MB/s";
  struct Case {
    const char* language;
    OverallFigures figures;
    const char* line;
  };
  const Case cases[] = {
      {"E", {1234 * kMB, 5678 * kMB, true, 99.99, {}, 3723}, "1234/5678 MB (99%) - MB/s 1:02:03"},
      {"D", {0, 5 * kMB + kMB / 2, true, 0.0, 1.54 * kMB, 361}, "0/6 MB (0%) 1,5 MB/s 6:01"},
      {"F",
       {900 * kMB, 1000 * kMB, false, {}, 1.04 * kMB, {}},
       "900 of at least 1000 MB, 1,0 MB/s"},
  };
  for (const Case& c : cases) {
    state.gsLanguage = c.language;
    EXPECT_EQ(OverallLine(state, c.figures), c.line);
  }
}

}  // namespace
}  // namespace vlrna
