#include "simconfig/options_page.h"

#include <gtest/gtest.h>

#include "pages/wizard.h"
#include "platform/fake/fake_machine.h"
#include "simconfig/autogen_test_files.h"

namespace vlrna {
namespace {

const char kFsx[] = "C:\\FSX\\Autogen\\AutogenDescriptions.spb";
const char kP3d3[] = "D:\\P3D3\\Autogen\\AutogenDescriptions.spb";
const char kP3d4[] = "E:\\P3D4\\Autogen\\AutogenDescriptions.spb";
const char kP3d4Legacy[] = "E:\\P3D4\\Autogen\\AutogenDescriptions_Legacy.spb";

// Flight Simulator X and Prepar3D v3 and v4, whose four description files
// lack the package's descriptions; the wizard on the options page.
class OptionsPageTest : public ::testing::Test {
 protected:
  OptionsPageTest() {
    DescribeTypicalMachine(fake);
    const RegistryRoot hkcu = RegistryRoot::kCurrentUser;
    fake.registry.SetString(hkcu, "Software\\Lockheed Martin\\Prepar3D v3", "AppPath", "D:\\P3D3");
    fake.registry.SetString(hkcu, "Software\\Lockheed Martin\\Prepar3D v4", "AppPath", "E:\\P3D4");
    fake.files.AddFile("D:\\Setup\\ITEMS.ENG", MakeMessageFile(NumberedTexts(75)));
    fake.files.AddFile("D:\\Setup\\spb_def.bin", DefinitionBlock());
    for (const char* path : {kFsx, kP3d3, kP3d4, kP3d4Legacy}) {
      fake.files.AddFile(path, AutogenFile({}));
    }
    wizard.Start();
    fake.window.Click("Cmd_Next");
    fake.window.Click("Cmd_Options");
  }
  MessageRequest Restore() {
    fake.window.Click("cmd_autogen");
    return fake.window.messages().back();
  }

  FakePlatform fake;
  ProgramState state;
  Context ctx{state, fake.platform};
  Wizard wizard{ctx};
};

TEST_F(OptionsPageTest, RestoresEveryFoundSimulatorOnceAndGoesBackToTheWelcomePage) {
  MessageRequest first = Restore();
  EXPECT_EQ(first.text, "Flightsimulator X: T57\r\nPrepar3D v3.x: T57\r\nPrepar3D v4.x: T57\r\n");
  EXPECT_EQ(first.title, "T56");
  EXPECT_EQ(first.icon, MessageIcon::kNone);
  for (const char* path : {kFsx, kP3d3, kP3d4, kP3d4Legacy}) {
    EXPECT_EQ(fake.files.Content(path).size(), AutogenFile({}).size() + 562) << path;
  }
  EXPECT_EQ(Restore().text,
            "Flightsimulator X: T58\r\nPrepar3D v3.x: T58\r\nPrepar3D v4.x: T58\r\n");

  Page& page = *fake.window.visible_page();
  EXPECT_EQ(page["Lab_Top"].text, "T55");
  EXPECT_EQ(page["Lab_3"].text.rfind("Veltrona Zozo Setup v4.3.217", 0), 0u);
  EXPECT_FALSE(page["Cmd_Next"].visible || page["Cmd_Next"].enabled);
  page.left = 1200;
  fake.window.Click("Cmd_Prev");
  EXPECT_EQ(fake.window.visible_page()->name(), "Welcome");
  EXPECT_EQ(fake.window.visible_page()->left, 1200);
}

TEST_F(OptionsPageTest, EachLineTellsItsOwnFilesAndAnUnwritableFileStopsNoOther) {
  fake.files.Break(kFsx, kErrPermissionDenied);
  fake.files.AddFile(kP3d4, "no autogen descriptions");
  fake.files.Remove(kP3d4Legacy);
  MessageRequest box = Restore();
  EXPECT_EQ(box.text, std::string("Flightsimulator X: T61 Permission denied: ") + kFsx +
                          "\r\nPrepar3D v3.x: T57\r\nPrepar3D v4.x: AutogenDescriptions.spb: T60; "
                          "AutogenDescriptions_Legacy.spb: T59\r\n");
  EXPECT_EQ(box.icon, MessageIcon::kExclamation);
  EXPECT_NE(fake.files.Content(kTypicalLogPath).find("| Error Nr.70 : Permission denied: "),
            std::string::npos);
}

}  // namespace
}  // namespace vlrna

namespace vlrna {
namespace {

// The wizard on the options page of a machine where the package is installed
// in Flight Simulator X only.
class OptionsPageRemovalTest : public OptionsPageTest {
 protected:
  static constexpr char kCfg[] = "C:\\ProgramData\\Microsoft\\FSX\\Scenery.cfg";
  OptionsPageRemovalTest() {
    fake.files.AddFile(kCfg, "[Area.001]\r\nLocal=Scenery\\World\r\nLayer=1\r\n");
  }
  void Installed() {
    fake.files.AddFile(kCfg, fake.files.Content(kCfg) +
                                 "[Area.002]\r\nLocal=E:\\Scenery\\vlrna\\dem\r\nLayer=2\r\n");
  }
  // The boxes shown by a click on cmd_uninstall, answering the question so.
  std::vector<MessageRequest> Remove(MessageAnswer answer) {
    fake.window.AnswerAlways(kUninstallConfirmBox, answer);
    size_t before = fake.window.messages().size();
    fake.window.Click("cmd_uninstall");
    const auto& all = fake.window.messages();
    return {all.begin() + static_cast<std::ptrdiff_t>(before), all.end()};
  }
};

TEST_F(OptionsPageRemovalTest, AsksNamingWhatGoesAndRemovesOnlyOnYes) {
  EXPECT_EQ((*fake.window.visible_page())["cmd_uninstall"].text, "T67");
  std::vector<MessageRequest> boxes = Remove(kAnswerYes);
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].id, kUninstallNothingBox);
  EXPECT_EQ(boxes[0].text, "T70");

  Installed();
  const std::string installed = fake.files.Content(kCfg);
  boxes = Remove(kAnswerNo);
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].id, kUninstallConfirmBox);
  EXPECT_EQ(boxes[0].title, "T69");
  EXPECT_EQ(boxes[0].buttons, MessageButtons::kYesNo);
  EXPECT_EQ(fake.files.Content(kCfg), installed);

  boxes = Remove(kAnswerYes);
  ASSERT_EQ(boxes.size(), 2u);
  EXPECT_EQ(boxes[1].id, kUninstallSummaryBox);
  EXPECT_EQ(boxes[1].text.rfind("T72\r\nNo installation record", 0), 0u) << boxes[1].text;
  EXPECT_EQ(fake.files.Content(kCfg), "[Area.001]\r\nLocal=Scenery\\World\r\nLayer=1\r\n");
  ASSERT_EQ(static_cast<OptionsPage&>(*fake.window.visible_page()).last_removal().size(), 1u);
}

TEST(RemovalSummaryBoxTest, FailuresComeBeforeWhatWasKept) {
  ProgramState state;
  for (int i = 1; i <= 75; ++i) state.MessageCatalogue[i] = "T" + std::to_string(i);
  RemovalReport clean, kept, failed;
  kept.kept = {"File changed since the installation, kept: E:\\x"};
  failed.kept = {"k"};
  failed.failures = {"Disk full: C:\\a"};
  EXPECT_EQ(RemovalSummaryBox(state, {clean}).text, "T71");
  EXPECT_EQ(RemovalSummaryBox(state, {clean, kept}).text, "T72\r\n" + kept.kept[0]);
  MessageRequest box = RemovalSummaryBox(state, {kept, failed});
  EXPECT_EQ(box.text, "T73\r\nDisk full: C:\\a");
  EXPECT_EQ(box.icon, MessageIcon::kCritical);
}

}  // namespace
}  // namespace vlrna
