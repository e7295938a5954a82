#include "install/archive_extraction.h"

#include <gtest/gtest.h>

#include "platform/fake/fake_machine.h"
#include "shell/page_layout.h"

namespace vlrna {
namespace {

class ArchiveExtractionTest : public ::testing::Test {
 protected:
  ArchiveExtractionTest() {
    DescribeTypicalMachine(fake);
    state.gsUserDir = "C:\\Users\\pilot";
    state.gsLogFile = "VLRNA_2612051007.LOG";
    state.gsSourcePath = "C:\\Downloads";
    state.gsCdDrives[0] = "1";
    state.gsCdDrives[1] = "D: [VELTRONA_1]";
    for (int i = 1; i <= 100; ++i) state.MessageCatalogue[i] = "T" + std::to_string(i);
    state.MessageCatalogue[47] = "Please insert disc %DISK%.";
    AddControl(page, "picProgress", ControlKind::kProgressBar, {0, 0, 4000, 330});
    AddControl(page, "lblProgress", ControlKind::kLabel, {0, 0, 600, 240}, "", "picProgress");
  }
  bool Extract(const std::string& name) {
    return extraction.ExtractArchive(name, "B57A1CF7", "C:\\Scenery\\vlrna\\..\\");
  }
  std::string Log() { return fake.files.Content(kTypicalLogPath); }

  FakePlatform fake;
  ProgramState state;
  Context ctx{state, fake.platform};
  Page page{"InstallStart", kPageWidth, kPageHeight};
  ArchiveExtraction extraction{ctx, page, nullptr};
};

TEST_F(ArchiveExtractionTest, UnpacksWithTheLibrarysFiguresOnTheBar) {
  fake.files.AddFile("D:\\setup.101", "PK");
  fake.zip.total_bytes = 4'000'000'000ull;  // past 31 bits
  fake.zip.progress_steps = {1'000'000'000ull, 3'000'000'000ull, 4'000'000'000ull};
  EXPECT_FALSE(Extract("setup.101"));
  EXPECT_EQ(fake.zip.calls(),
            (std::vector<std::string>{"open D:\\setup.101", "total",
                                      "extract C:\\Scenery\\vlrna\\..\\ B57A1CF7 1 1 0", "info",
                                      "info", "info", "close", "info"}));
  EXPECT_EQ(state.gdZipTotalBytes, 4'000'000'000.0);
  EXPECT_EQ(state.glZipBytesDone, 4'000'000'000ll);
  EXPECT_EQ(page["picProgress"].progress_x, 4000);
  EXPECT_EQ(page["lblProgress"].text, "100%");
  EXPECT_TRUE(fake.window.messages().empty());
}

TEST_F(ArchiveExtractionTest, NoFiguresFromTheLibraryDrawNothingAndDoNotYield) {
  fake.files.AddFile("D:\\setup.101", "PK");
  fake.zip.total_bytes = 100;
  fake.zip.progress_steps = {50, 100};
  fake.zip.runtime_info = false;
  EXPECT_FALSE(Extract("setup.101"));
  EXPECT_EQ(page["lblProgress"].text, "0%");  // as drawn at the start
  EXPECT_EQ(page["picProgress"].progress_x, 0);
  EXPECT_EQ(fake.window.yields(), 0);
}

TEST_F(ArchiveExtractionTest, YieldsAtMostEveryFiftyMilliseconds) {
  fake.files.AddFile("D:\\setup.101", "PK");
  fake.zip.total_bytes = 10;
  fake.zip.progress_steps = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
  // Each callback reads the clock once; the first one always yields.
  for (auto [step_ms, yields] : {std::pair{0, 1}, {20, 4}, {50, 10}}) {
    const int before = fake.window.yields();
    ArchiveExtraction fresh(ctx, page, nullptr);
    fake.system.monotonic_step_ms = step_ms;
    EXPECT_FALSE(fresh.ExtractArchive("setup.101", "pw", "C:\\x\\"));
    EXPECT_EQ(fake.window.yields() - before, yields) << step_ms << " ms a callback";
  }
}

TEST_F(ArchiveExtractionTest, AMissingArchiveAsksForItsDiscUntilItIsThere) {
  fake.drives.drives[1].ready = false;
  fake.zip.total_bytes = 0;  // an empty archive, whose figure is 0 of 0
  fake.zip.progress_steps = {0};
  int asked = 0;
  fake.window.set_on_message([&](const MessageRequest& box) {
    if (box.id == kDiscPromptBox && ++asked == 2) fake.drives.drives[1].ready = true;
    if (asked == 1) fake.files.AddFile("D:\\setup.204", "PK");  // in the drive, not yet ready
  });
  fake.window.AnswerAlways(kDiscPromptBox, kAnswerRetry);
  EXPECT_FALSE(Extract("setup.204"));
  ASSERT_EQ(fake.window.messages().size(), 2u);
  const MessageRequest& prompt = fake.window.messages()[0];
  EXPECT_EQ(prompt.text, "Please insert disc 2.");
  EXPECT_EQ(prompt.title, "T23");
  EXPECT_EQ(prompt.icon, MessageIcon::kInformation);
  EXPECT_EQ(prompt.buttons, MessageButtons::kRetryCancel);
  EXPECT_EQ(fake.zip.calls().front(), "open D:\\setup.204");
  EXPECT_EQ(page["lblProgress"].text, "100%");  // nothing to unpack is all done
}

TEST_F(ArchiveExtractionTest, CancelAtTheDiscPromptEndsWithoutAnotherBox) {
  fake.window.Answer(kDiscPromptBox, kAnswerCancel);
  EXPECT_THROW(Extract("setup.101"), ProcessEnded);
  EXPECT_EQ(fake.window.messages().size(), 1u);
  EXPECT_TRUE(fake.zip.calls().empty());
  EXPECT_EQ(Log(),
            "2026.12.05  10:07:33 | Closing all forms...\r\n"
            "2026.12.05  10:07:33 | Aborting...\r\n");
}

TEST_F(ArchiveExtractionTest, AnArchiveThatFailsIsReportedAndEndsTheProgram) {
  struct Case {
    const char* what;
    int32_t open_result;
    int32_t extract_result;
    const char* box;
  };
  const Case cases[] = {
      {"cannot be opened", 2, 0, "T30 D:\\setup.102! T31"},
      {"damaged", 0, 1, "setup.102: entry ortho/a.bmp is damaged T31"},
  };
  for (const Case& c : cases) {
    FakePlatform machine;
    DescribeTypicalMachine(machine);
    machine.files.AddFile("D:\\setup.102", "PK");
    machine.zip.open_result = c.open_result;
    machine.zip.extract_result = c.extract_result;
    machine.zip.last_error = "setup.102: entry ortho/a.bmp is damaged";
    Context m_ctx{state, machine.platform};
    ArchiveExtraction extraction_here(m_ctx, page, nullptr);
    EXPECT_THROW(extraction_here.ExtractArchive("setup.102", "pw", "C:\\x\\"), ProcessEnded)
        << c.what;
    const auto& boxes = machine.window.messages();
    ASSERT_EQ(boxes.size(), 2u) << c.what;
    EXPECT_EQ(boxes[0].id, kArchiveErrorBox);
    EXPECT_EQ(boxes[0].text, c.box);
    EXPECT_EQ(boxes[0].icon, MessageIcon::kCritical);
    EXPECT_EQ(boxes[1].text, "setup.102: entry ortho/a.bmp is damaged\r\nProgram will abort!");
  }
}

TEST_F(ArchiveExtractionTest, ResultsOtherThanOneCountAsSuccess) {
  fake.files.AddFile("D:\\setup.101", "PK");
  for (int32_t result : {0, 2, -1}) {
    fake.zip.extract_result = result;
    EXPECT_FALSE(Extract("setup.101")) << result;
  }
  EXPECT_TRUE(fake.window.messages().empty());
}

}  // namespace
}  // namespace vlrna
