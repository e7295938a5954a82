#include "install/install_start_page.h"

#include <gtest/gtest.h>

#include <memory>

#include "install/archive_extraction.h"
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

// The pages around the installation page that other parts of the wizard
// provide; here they only have to be there.
class StandInPage : public WizardPage {
 public:
  StandInPage(const char* name, Context& ctx, PageFlow& flow)
      : WizardPage(name, kPageWidth, ctx, flow) {
    AddStandardControls(*this);
  }
};

class InstallStartPageTest : public ::testing::Test {
 protected:
  InstallStartPageTest() {
    DescribeTypicalMachine(fake);
    fake.files.AddFile("D:\\Setup\\ITEMS.ENG", MakeMessageFile(NumberedTexts(69)));
    // The launcher runs from the hard disk; the discs go into D: and E:.
    fake.processes.running = {{42, "VLRSetup.exe", "C:\\Downloads\\VLRSetup.exe"}};
    fake.drives.drives.push_back({"e:", kDriveCdRom, 0, true});
    fake.files.AddFile(kSceneryCfg, "[General]\r\nTitle=FS9 World Scenery\r\n");
    fake.files.AddFile(kSimCfg, "[TERRAIN]\r\nIMAGE_PIXELS_FOR_AUTOGEN_POLYGONS=32\r\n");
    fake.zip.total_bytes = 100 * kMB;
    fake.zip.progress_steps = {40 * kMB, 100 * kMB};
    fake.system.monotonic_step_ms = 100;
    for (const char* name : {"SelectPath", "Finished"}) {
      wizard.flow().Register(name, [name](Context& c, PageFlow& f) {
        return std::make_unique<StandInPage>(name, c, f);
      });
    }
  }
  void PutArchives(const std::string& folder, int from, int to) {
    for (int i = from; i <= to; ++i) fake.files.AddFile(folder + "\\" + kArchives[i], "PK");
  }
  // Starts the wizard, chooses English and goes on to the installation page
  // with what the pages between would have set.
  Page& ToInstallStart() {
    wizard.Start();
    fake.window.Click("Cmd_Next");
    state.gsFSXPath = "C:\\FSX\\";
    state.gsSceneryCfg = kSceneryCfg;
    state.gsSimCfg = kSimCfg;
    state.gsInstPath = "F:\\Scenery\\vlrna\\";
    wizard.flow().Transition(*fake.window.visible_page(), "InstallStart");
    return *fake.window.visible_page();
  }
  std::vector<std::string> LogLines(const std::string& starting) {
    std::vector<std::string> lines;
    const std::string log = fake.files.Content(kTypicalLogPath);
    for (size_t at = 0; (at = log.find("| " + starting, at)) != std::string::npos;) {
      size_t end = log.find("\r\n", at);
      lines.push_back(log.substr(at + 2, end - at - 2));
      at = end;
    }
    return lines;
  }
  std::vector<std::string> BoxIds() {
    std::vector<std::string> ids;
    for (const MessageRequest& box : fake.window.messages()) ids.push_back(box.id);
    return ids;
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

TEST_F(InstallStartPageTest, ReadyPageThenBackOrCancel) {
  Page& page = ToInstallStart();
  EXPECT_EQ(page.name(), "InstallStart");
  EXPECT_EQ(page.caption, "T1");
  EXPECT_EQ(page["Lab_Welcome"].text, "T20");
  EXPECT_EQ(page["Lab1"].text, "T21");
  EXPECT_EQ(page["Lab2"].text, "T22");
  EXPECT_FALSE(page["picProgress"].visible);
  fake.window.Answer("confirm-quit", kAnswerNo);
  fake.window.Click("Cmd_Quit");
  fake.window.Click("Cmd_Prev");
  EXPECT_EQ(fake.window.visible_page()->name(), "SelectPath");
  EXPECT_EQ(fake.window.visible_page()->left, page.left);
  EXPECT_TRUE(fake.zip.calls().empty());
}

TEST_F(InstallStartPageTest, ACompleteRun) {
  PutArchives("D:", 0, 4);
  PutArchives("E:", 5, 8);
  Page& page = ToInstallStart();
  std::vector<std::string> steps;
  wizard.set_install_progress_observer([&](const InstallProgressEvent& e) {
    std::string seen = page["Lab1"].text + " " + e.archive;
    if (steps.empty() || steps.back() != seen) steps.push_back(seen);
    EXPECT_TRUE(page.busy);
  });
  fake.window.Click("Cmd_Next");

  EXPECT_EQ(fake.window.visible_page()->name(), "Finished");
  EXPECT_FALSE(page.visible);
  EXPECT_FALSE(page.busy);
  EXPECT_EQ(page["Lab_Welcome"].text, "T23");
  EXPECT_EQ(page["Lab1"].text, "T34");
  EXPECT_FALSE(page["Lab2"].visible);
  EXPECT_TRUE(page["Cmd_Next"].enabled);
  EXPECT_FALSE(page["Cmd_Prev"].enabled || page["Cmd_Quit"].enabled);
  EXPECT_TRUE(fake.window.messages().empty());
  EXPECT_FALSE(state.gbEditFailed);
  EXPECT_EQ(steps, (std::vector<std::string>{
                       "T33 (1/9) setup.101", "T33 (2/9) setup.102", "T33 (3/9) setup.103",
                       "T33 (4/9) setup.104", "T33 (5/9) setup.105", "T33 (6/9) setup.201",
                       "T33 (7/9) setup.202", "T33 (8/9) setup.203", "T33 (9/9) setup.204"}));
  const std::string parent = "extract F:\\Scenery\\vlrna\\..\\ ";
  EXPECT_EQ(
      Extractions(),
      (std::vector<std::string>{
          parent + "B57A1CF7 1 1 0", parent + "D841DA1A 1 1 0", parent + "0F613209 1 1 0",
          parent + "3DEBC73B 1 1 0", "extract C:\\FSX\\ 603BC333 1 1 0", parent + "8DB23E10 1 1 0",
          parent + "A4091F66 1 1 0", parent + "D00FB6A4 1 1 0", parent + "EDEA375A 1 1 0"}));
  const std::string folder = " to F:\\Scenery\\vlrna\\";
  EXPECT_EQ(LogLines("Extracting archive "),
            (std::vector<std::string>{
                "Extracting archive setup.101" + folder, "Extracting archive setup.102" + folder,
                "Extracting archive setup.103" + folder, "Extracting archive setup.104" + folder,
                "Extracting archive setup.105 to C:\\FSX\\",
                "Extracting archive setup.201" + folder, "Extracting archive setup.202" + folder,
                "Extracting archive setup.203" + folder, "Extracting archive setup.204" + folder}));
  // "Copying Files..." first, then the archives, then the three edits.
  const std::string log = fake.files.Content(kTypicalLogPath);
  const size_t copying = log.find("| Copying Files...");
  const size_t first = log.find("| Extracting archive setup.101");
  const size_t scenery = log.find("| Editing '" + std::string(kSceneryCfg));
  const size_t autogen = log.find("| ERROR: File not found: C:\\FSX\\Autogen\\Autogen");
  const size_t terrain = log.find("| IMAGE_PIXELS_FOR_AUTOGEN_POLYGONS set to 256");
  EXPECT_LT(copying, first);
  EXPECT_LT(log.rfind("| Extracting archive "), scenery);
  EXPECT_LT(scenery, autogen);
  EXPECT_LT(autogen, terrain);
  EXPECT_NE(terrain, std::string::npos);
  EXPECT_NE(fake.files.Content(kSceneryCfg).find("Local=F:\\Scenery\\vlrna\\dem"),
            std::string::npos);
}

TEST_F(InstallStartPageTest, TheSecondDiscComesFromAnotherDriveAfterThePrompt) {
  PutArchives("D:", 0, 4);
  fake.drives.drives[2].ready = false;
  fake.window.set_on_message([&](const MessageRequest& box) {
    if (box.id != kDiscPromptBox) return;
    PutArchives("E:", 5, 8);
    fake.drives.drives[2].ready = true;
  });
  fake.window.Answer(kDiscPromptBox, kAnswerRetry);
  Page& page = ToInstallStart();
  std::vector<OverallFigures> seen;
  wizard.set_install_progress_observer(
      [&](const InstallProgressEvent& e) { seen.push_back(e.overall); });
  state.MessageCatalogue[65] = "%DONE% of %TOTAL% MB";
  state.MessageCatalogue[66] = "%DONE% of at least %TOTAL% MB";
  fake.window.Click("Cmd_Next");

  ASSERT_EQ(BoxIds(), std::vector<std::string>{kDiscPromptBox});
  EXPECT_EQ(fake.window.messages()[0].text, "T47");
  EXPECT_EQ(Extractions().size(), 9u);
  EXPECT_NE(std::find(fake.zip.calls().begin(), fake.zip.calls().end(), "open E:\\setup.204"),
            fake.zip.calls().end());
  // Before the second disc only its first five archives' sizes were known.
  ASSERT_FALSE(seen.empty());
  EXPECT_FALSE(seen.front().total_complete);
  EXPECT_EQ(seen.front().total_bytes, 500 * kMB);
  uint64_t done = 0;
  uint64_t total = 0;
  for (const OverallFigures& f : seen) {
    EXPECT_GE(f.done_bytes, done);
    EXPECT_GE(f.total_bytes, total);
    done = f.done_bytes;
    total = f.total_bytes;
  }
  EXPECT_TRUE(seen.back().total_complete);
  EXPECT_EQ(*seen.back().percent, 100);
  EXPECT_EQ(page["lblOverall"].text, "900 of 900 MB");
}

TEST_F(InstallStartPageTest, AMissingArchiveAndCancelAtThePrompt) {
  PutArchives("D:", 0, 3);  // setup.105 is missing
  ToInstallStart();
  fake.window.Answer(kDiscPromptBox, kAnswerCancel);
  EXPECT_THROW(fake.window.Click("Cmd_Next"), ProcessEnded);
  EXPECT_EQ(BoxIds(), std::vector<std::string>{kDiscPromptBox});
  EXPECT_EQ(Extractions().size(), 4u);
  EXPECT_EQ(LogLines("").back(), "Aborting...");
  EXPECT_TRUE(LogLines("Error extracting file!").empty());
  EXPECT_TRUE(fake.files.Content(kSceneryCfg).find("Veltrona") == std::string::npos);
}

TEST_F(InstallStartPageTest, ADamagedArchiveEndsTheRunBeforeTheRest) {
  PutArchives("D:", 0, 4);
  PutArchives("E:", 5, 8);
  fake.zip.extract_results["D:\\setup.103"] = 1;
  fake.zip.last_error = "setup.103: ortho\\a.bmp: wrong CRC";
  ToInstallStart();
  EXPECT_THROW(fake.window.Click("Cmd_Next"), ProcessEnded);
  EXPECT_EQ(BoxIds(), (std::vector<std::string>{kArchiveErrorBox, "fatal-error"}));
  EXPECT_EQ(fake.window.messages()[0].text, "setup.103: ortho\\a.bmp: wrong CRC T31");
  EXPECT_EQ(fake.window.messages()[1].text,
            "setup.103: ortho\\a.bmp: wrong CRC\r\nProgram will abort!");
  EXPECT_EQ(Extractions().size(), 3u);
  EXPECT_EQ(LogLines("Extracting archive ").size(), 3u);
  EXPECT_EQ(fake.files.Content(kSceneryCfg).find("Veltrona"), std::string::npos);
  EXPECT_EQ(fake.files.Content(kSimCfg).find("=256"), std::string::npos);
}

TEST_F(InstallStartPageTest, ARunTimeErrorWhileUnpackingIsTrappedThenEndsTheProgram) {
  PutArchives("D:", 0, 4);
  fake.platform.zip = nullptr;  // the zip library cannot be loaded
  ToInstallStart();
  EXPECT_THROW(fake.window.Click("Cmd_Next"), ProcessEnded);
  ASSERT_EQ(BoxIds(), (std::vector<std::string>{kInstallStepErrorBox, "fatal-error"}));
  EXPECT_EQ(fake.window.messages()[0].text, "Error Nr.53 : File not found: the zip library");
  EXPECT_EQ(fake.window.messages()[0].title, "T23");
  EXPECT_EQ(fake.window.messages()[1].text, "Error extracting file!\r\nProgram will abort!");
  EXPECT_EQ(LogLines("Error Nr."),
            std::vector<std::string>{"Error Nr.53 : File not found: the zip library in Line 5 "
                                     "in Module tsuz_declarations"});
  EXPECT_EQ(LogLines("Extracting archive ").size(), 1u);
}

TEST_F(InstallStartPageTest, AFailedEditIsReportedTheOthersRunAndTheFlagIsSet) {
  PutArchives("D:", 0, 4);
  PutArchives("E:", 5, 8);
  fake.files.Remove(kSceneryCfg);
  ToInstallStart();
  fake.window.Click("Cmd_Next");
  EXPECT_EQ(fake.window.visible_page()->name(), "Finished");
  ASSERT_EQ(BoxIds(), std::vector<std::string>{kInstallEditErrorBox});
  EXPECT_EQ(fake.window.messages()[0].text.rfind("Error Nr.53 : ", 0), 0u);
  EXPECT_TRUE(state.gbEditFailed);
  const std::vector<std::string> errors = LogLines("Error");
  ASSERT_EQ(errors.size(), 1u);
  EXPECT_NE(errors[0].find(" in Line 8 "), std::string::npos);
  EXPECT_EQ(LogLines("ERROR: Scenery areas not registered"),
            std::vector<std::string>{"ERROR: Scenery areas not registered in " +
                                     std::string(kSceneryCfg) + "!"});
  EXPECT_EQ(LogLines("ERROR: File not found: C:\\FSX\\Autogen").size(), 1u);  // the patch ran
  EXPECT_NE(fake.files.Content(kSimCfg).find("=256"), std::string::npos);
}

TEST_F(InstallStartPageTest, AClickWhileTheRunYieldsIsNotActedOn) {
  PutArchives("D:", 0, 4);
  PutArchives("E:", 5, 8);
  ToInstallStart();
  int refused = 0;
  fake.window.set_on_yield([&] {
    for (const char* button : {"Cmd_Next", "Cmd_Prev", "Cmd_Quit"}) {
      try {
        fake.window.Click(button);
      } catch (const std::logic_error& e) {
        refused += std::string(e.what()).find("busy") != std::string::npos;
      }
    }
  });
  fake.window.Click("Cmd_Next");
  EXPECT_GT(fake.window.yields(), 0);
  EXPECT_EQ(refused, 3 * fake.window.yields());
  EXPECT_EQ(LogLines("Copying Files...").size(), 1u);
  EXPECT_EQ(fake.window.visible_page()->name(), "Finished");
}

}  // namespace
}  // namespace vlrna
