#include "install/archive_extraction.h"

#include <gtest/gtest.h>

#include "platform/fake/fake_machine.h"
#include "shell/page_layout.h"

namespace vlrna {
namespace {

TEST(ArchiveExtractionTest, YieldsAtMostEveryFiftyMillisecondsAndOnlyOnFigures) {
  FakePlatform fake;
  DescribeTypicalMachine(fake);
  ProgramState state;
  state.gsSourcePath = "D:";
  Context ctx{state, fake.platform};
  Page page("InstallStart", kPageWidth, kPageHeight);
  AddControl(page, "picProgress", ControlKind::kProgressBar, {0, 0, 4000, 330});
  AddControl(page, "lblProgress", ControlKind::kLabel, {}, "", "picProgress");
  fake.files.AddFile("D:\\setup.101", "PK");
  fake.zip.total_bytes = 10;
  fake.zip.progress_steps = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
  // Each callback reads the clock once; the first one always yields. Results
  // other than 1 count as success; without figures nothing is drawn.
  struct Case {
    int64_t step_ms;
    bool figures;
    int32_t result;
    int yields;
    const char* label;
  } cases[] = {{0, true, 0, 1, "100%"},
               {20, true, 2, 4, "100%"},
               {50, true, -1, 10, "100%"},
               {50, false, 0, 0, "0%"}};
  for (const Case& c : cases) {
    fake.system.monotonic_step_ms = c.step_ms;
    fake.zip.runtime_info = c.figures;
    fake.zip.extract_result = c.result;
    const int before = fake.window.yields();
    EXPECT_FALSE(ArchiveExtraction(ctx, page, nullptr).ExtractArchive("setup.101", "pw", "C:\\"));
    EXPECT_EQ(fake.window.yields() - before, c.yields) << c.step_ms << " ms a callback";
    EXPECT_EQ(page["lblProgress"].text, c.label);
  }
}

}  // namespace
}  // namespace vlrna
