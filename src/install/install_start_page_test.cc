#include "install/install_start_page.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "install/install_record.h"
#include "install/install_sequence.h"
#include "pages/wizard.h"
#include "platform/fake/fake_machine.h"
#include "shell/page_layout.h"

namespace vlrna {
namespace {

constexpr uint64_t kMB = 1024 * 1024;
constexpr char kSceneryCfg[] = "C:\\ProgramData\\Microsoft\\FSX\\scenery.cfg";
constexpr char kSimCfg[] = "C:\\Users\\pilot\\AppData\\Roaming\\Microsoft\\FSX\\fsx.cfg";
const char* const kArchives[] = {"setup.101", "setup.102", "setup.103", "setup.104", "setup.105",
                                 "setup.201", "setup.202", "setup.203", "setup.204"};

// The launcher runs from the hard disk; disc 1 is in D:, disc 2 in E:.
class InstallStartPageTest : public ::testing::Test {
 protected:
  InstallStartPageTest() {
    DescribeTypicalMachine(fake);
    fake.processes.running = {{42, "VLRSetup.exe", "C:\\Downloads\\VLRSetup.exe"}};
    fake.drives.drives.push_back({"e:", kDriveCdRom, 0, true});
    PutDisc(1, "D:");
    PutDisc(2, "E:");
    fake.files.AddFile(kSceneryCfg, "[General]\r\nTitle=FS9 World Scenery\r\n");
    fake.files.AddFile(kSimCfg, "[TERRAIN]\r\nIMAGE_PIXELS_FOR_AUTOGEN_POLYGONS=32\r\n");
    fake.zip.total_bytes = 100 * kMB;
    fake.zip.progress_steps = {40 * kMB, 100 * kMB};
    fake.system.monotonic_step_ms = 100;
    wizard.flow().Register("Finished", [](Context& c, PageFlow& f) {
      auto page = std::make_unique<WizardPage>("Finished", kPageWidth, c, f);
      AddStandardControls(*page);
      return page;
    });
  }
  void PutDisc(int disc, const std::string& drive) {
    for (const char* name : kArchives) {
      if (name[6] == '0' + disc) fake.files.AddFile(drive + "\\" + name, "PK");
    }
  }
  // Chooses English, then shows the installation page with what the pages
  // between would have set.
  Page& ShowInstallPage() {
    wizard.Start();
    fake.window.Click("Cmd_Next");
    state.gsFSXPath = "C:\\FSX\\";
    state.gsSceneryCfg = kSceneryCfg;
    state.gsSimCfg = kSimCfg;
    state.gsInstPath = "F:\\Scenery\\vlrna\\";
    wizard.flow().Transition(*fake.window.visible_page(), "InstallStart");
    return *fake.window.visible_page();
  }
  // Shows the installation page and presses Next.
  Page& Install(bool ends_program = false) {
    Page& page = ShowInstallPage();
    if (ends_program) {
      EXPECT_THROW(fake.window.Click("Cmd_Next"), ProcessEnded);
    } else {
      fake.window.Click("Cmd_Next");
    }
    return page;
  }
  // The log lines that begin with `start`, without their time stamps.
  std::vector<std::string> LogLines(const std::string& start) {
    std::vector<std::string> lines;
    const std::string log = fake.files.Content(kTypicalLogPath);
    for (size_t at = 0; (at = log.find("| " + start, at)) != std::string::npos;) {
      lines.push_back(log.substr(at + 2, log.find("\r\n", at) - at - 2));
      ++at;
    }
    return lines;
  }
  std::vector<std::string> Boxes() {
    std::vector<std::string> boxes;
    for (const MessageRequest& box : fake.window.messages()) boxes.push_back(box.text);
    return boxes;
  }
  std::vector<std::string> Extractions() {
    std::vector<std::string> calls;
    for (const std::string& call : fake.zip.calls()) {
      if (call.rfind("extract ", 0) == 0) calls.push_back(call);
    }
    return calls;
  }

  FakePlatform fake;
  ProgramState state;
  Context ctx{state, fake.platform};
  Wizard wizard{ctx};
};

TEST_F(InstallStartPageTest, ACompleteRunTakesNoClickWhileItYields) {
  std::vector<std::string> steps;  // the step text at each archive's progress
  wizard.set_install_progress_observer([&](const InstallProgressEvent& e) {
    std::string now = wizard.flow().Get("InstallStart")["Lab1"].text + " " + e.archive;
    if (steps.empty() || steps.back() != now) steps.push_back(now);
  });
  fake.window.set_on_yield([&] { fake.window.Click("Cmd_Next"); });
  Page& page = Install();

  EXPECT_EQ(fake.window.visible_page()->name(), "Finished");
  EXPECT_EQ(page["Lab1"].text, "T34");
  EXPECT_TRUE(page["Cmd_Next"].enabled && !page["Cmd_Prev"].enabled && !page.busy);
  EXPECT_TRUE(fake.window.messages().empty());
  EXPECT_FALSE(state.gbEditFailed);
  EXPECT_GT(fake.window.dropped_inputs(), 0);
  EXPECT_EQ(fake.window.dropped_inputs(), fake.window.yields());
  const char* passwords[] = {"B57A1CF7", "D841DA1A", "0F613209", "3DEBC73B", "603BC333",
                             "8DB23E10", "A4091F66", "D00FB6A4", "EDEA375A"};
  std::vector<std::string> want_steps, want_extractions, want_log;
  for (int i = 0; i < 9; ++i) {
    const bool sim = i == 4;  // setup.105 goes into the simulator's folder
    want_steps.push_back("T33 (" + std::to_string(i + 1) + "/9) " + kArchives[i]);
    want_extractions.push_back(std::string("extract ") +
                               (sim ? "C:\\FSX\\ " : "F:\\Scenery\\vlrna\\..\\ ") + passwords[i] +
                               " 1 1 0");
    want_log.push_back(std::string("Extracting archive ") + kArchives[i] + " to " +
                       (sim ? "C:\\FSX\\" : "F:\\Scenery\\vlrna\\"));
  }
  EXPECT_EQ(steps, want_steps);
  EXPECT_EQ(Extractions(), want_extractions);
  EXPECT_EQ(LogLines("Extracting archive "), want_log);
  // The three edits follow the archives.
  EXPECT_NE(fake.files.Content(kSceneryCfg).find("Veltrona"), std::string::npos);
  EXPECT_NE(fake.files.Content(kSimCfg).find("=256"), std::string::npos);
}

TEST_F(InstallStartPageTest, TheSecondDiscComesAfterThePromptAndCompletesTheTotal) {
  fake.drives.drives[2].ready = false;
  fake.window.set_on_message(
      [&](const MessageRequest&, MessageAnswer) { fake.drives.drives[2].ready = true; });
  fake.window.Answer(kDiscPromptBox, kAnswerRetry);
  std::vector<OverallFigures> seen;
  wizard.set_install_progress_observer(
      [&](const InstallProgressEvent& e) { seen.push_back(e.overall); });
  std::vector<std::string> texts = NumberedTexts(69);
  texts[46] = "Insert disc %DISK%";
  texts[64] = "%DONE% of %TOTAL% MB";
  fake.files.AddFile("D:\\Setup\\ITEMS.ENG", MakeMessageFile(texts));
  Page& page = Install();

  EXPECT_EQ(Boxes(), std::vector<std::string>{"Insert disc 2"});
  EXPECT_EQ(Extractions().size(), 9u);
  ASSERT_FALSE(seen.empty());
  EXPECT_FALSE(seen.front().total_complete);  // the first disc's five only
  EXPECT_EQ(seen.front().total_bytes, 500 * kMB);
  for (size_t i = 1; i < seen.size(); ++i) {
    EXPECT_GE(seen[i].done_bytes, seen[i - 1].done_bytes);
    EXPECT_GE(seen[i].total_bytes, seen[i - 1].total_bytes);
  }
  EXPECT_EQ(*seen.back().percent, 100);
  EXPECT_EQ(page["lblOverall"].text, "900 of 900 MB");
}

TEST_F(InstallStartPageTest, CancelAtTheDiscPromptEndsWithoutAnotherBox) {
  fake.drives.drives[2].ready = false;
  fake.window.Answer(kDiscPromptBox, kAnswerCancel);
  Install(true);
  EXPECT_EQ(Boxes(), std::vector<std::string>{"T47"});
  EXPECT_EQ(Extractions().size(), 5u);
  EXPECT_EQ(LogLines("").back(), "Aborting...");
}

TEST_F(InstallStartPageTest, ADamagedArchiveEndsTheRunWithTheLibrarysText) {
  fake.zip.extract_results["D:\\setup.103"] = 1;
  fake.zip.last_error = "setup.103: wrong CRC";
  Install(true);
  EXPECT_EQ(Boxes(), (std::vector<std::string>{"setup.103: wrong CRC T31",
                                               "setup.103: wrong CRC\r\nProgram will abort!"}));
  EXPECT_EQ(Extractions().size(), 3u);
  EXPECT_EQ(fake.files.Content(kSimCfg).find("=256"), std::string::npos);
}

TEST_F(InstallStartPageTest, ARunTimeErrorWhileUnpackingIsTrappedThenEndsTheProgram) {
  fake.platform.zip = nullptr;  // the zip library cannot be loaded
  Install(true);
  EXPECT_EQ(Boxes(), (std::vector<std::string>{"Error Nr.53 : File not found: the zip library",
                                               "Error extracting file!\r\nProgram will abort!"}));
  EXPECT_EQ(LogLines("Error Nr."),
            std::vector<std::string>{"Error Nr.53 : File not found: the zip library in Line 5 "
                                     "in Module tsuz_declarations"});
  EXPECT_EQ(LogLines("Extracting archive ").size(), 1u);
}

TEST_F(InstallStartPageTest, AFailedEditIsReportedTheOthersRunAndTheFlagIsSet) {
  fake.files.Remove(kSceneryCfg);
  Install();
  EXPECT_EQ(fake.window.visible_page()->name(), "Finished");
  ASSERT_EQ(fake.window.messages().size(), 1u);
  EXPECT_EQ(fake.window.messages()[0].id, kInstallEditErrorBox);
  EXPECT_TRUE(state.gbEditFailed);
  ASSERT_EQ(LogLines("Error Nr.53 : ").size(), 1u);
  EXPECT_NE(LogLines("Error Nr.")[0].find(" in Line 8 "), std::string::npos);
  EXPECT_EQ(LogLines("ERROR: Scenery areas not registered in ").size(), 1u);
  EXPECT_EQ(LogLines("ERROR: File not found: C:\\FSX\\Autogen").size(), 1u);  // the patch ran
  EXPECT_NE(fake.files.Content(kSimCfg).find("=256"), std::string::npos);     // and the terrain
}

// Details runs the installation on a machine that only records: the page
// shows what would change, nothing is written, no box reaches the user, and
// the installation itself runs as before.
TEST_F(InstallStartPageTest, DetailsShowTheChangesAndWriteNothing) {
  Page& page = ShowInstallPage();
  const std::string cfg = fake.files.Content(kSceneryCfg);
  const std::string log = fake.files.Content(kTypicalLogPath);
  EXPECT_FALSE(page["txtDetails"].visible);

  fake.window.Click("Cmd_Details");
  const std::string shown = page["txtDetails"].text;
  EXPECT_TRUE(page["txtDetails"].visible);
  EXPECT_TRUE(shown.starts_with("T77\r\n")) << shown;
  size_t archives = 0;
  for (size_t at = shown.find("T78"); at != std::string::npos; at = shown.find("T78", at + 1)) {
    ++archives;
  }
  EXPECT_EQ(archives, 9u);
  EXPECT_NE(shown.find("\r\n  -IMAGE_PIXELS_FOR_AUTOGEN_POLYGONS=32\r\n"
                       "  +IMAGE_PIXELS_FOR_AUTOGEN_POLYGONS=256"),
            std::string::npos)
      << shown;
  EXPECT_EQ(shown.find("T88"), std::string::npos);  // it would run to its end
  EXPECT_EQ(fake.files.Content(kSceneryCfg), cfg);
  EXPECT_EQ(fake.files.Content(kTypicalLogPath), log);
  EXPECT_FALSE(fake.files.HasFile(std::string(kSceneryCfg) + ".vlrna.bak"));
  EXPECT_TRUE(Extractions().empty());
  EXPECT_TRUE(fake.window.messages().empty());

  fake.window.Click("Cmd_Next");
  EXPECT_FALSE(page["txtDetails"].visible || page["Cmd_Details"].visible);
  EXPECT_EQ(Extractions().size(), 9u);
  EXPECT_NE(fake.files.Content(kSceneryCfg).find("Veltrona"), std::string::npos);
}

}  // namespace
}  // namespace vlrna

namespace vlrna {
namespace {

// The record of a run: what the archives list, the simulator's file copied
// aside before setup.105 overwrites it, and every step finished.
TEST_F(InstallStartPageTest, RecordsWhatTheArchivesUnpackAndCopiesReplacedFilesAside) {
  fake.zip.entries["D:\\setup.101"] = {{"vlrna\\dem", 0, true}, {"vlrna\\dem\\a.bgl", 3, false}};
  fake.zip.entries["D:\\setup.105"] = {{"Autogen\\vlrna.agn", 5, false}};
  // The zip library of the fakes writes nothing: the files are there already.
  fake.files.AddFile("F:\\Scenery\\vlrna\\dem\\a.bgl", "abc");
  fake.files.AddFile("C:\\FSX\\Autogen\\vlrna.agn", "older");
  Install();
  const std::string record_path = "F:\\Scenery\\vlrna\\VLRNA_INSTALL_FSX.txt";
  std::optional<InstallRecord> record = ParseInstallRecord(fake.files.Content(record_path));
  ASSERT_TRUE(record);
  EXPECT_EQ(record->simulator, "FSX");
  EXPECT_EQ(record->finished.front(), "setup.101");
  EXPECT_EQ(record->finished.back(), "all");
  EXPECT_EQ(record->finished.size(), 13u);
  ASSERT_EQ(record->unpacked.size(), 2u);
  EXPECT_EQ(record->unpacked[0].path, "F:\\Scenery\\vlrna\\dem\\a.bgl");
  EXPECT_EQ(record->unpacked[0].size, 3u);
  ASSERT_EQ(record->replaced.size(), 1u);
  EXPECT_EQ(record->replaced[0].backup, "F:\\Scenery\\vlrna\\backup\\Autogen\\vlrna.agn");
  EXPECT_EQ(fake.files.Content(record->replaced[0].backup), "older");
  EXPECT_EQ(record->areas.size(), 6u);
  ASSERT_TRUE(record->terrain);
  EXPECT_EQ(record->terrain->before_value, "32");
  EXPECT_EQ(record->terrain->after_value, "256");
}

}  // namespace
}  // namespace vlrna
