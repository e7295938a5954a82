#include "simconfig/options_page.h"

#include <gtest/gtest.h>

#include "pages/wizard.h"
#include "platform/fake/fake_machine.h"
#include "simconfig/autogen_test_files.h"
#include "simconfig/restore_summary.h"

namespace vlrna {
namespace {

const char kFsx[] = "C:\\FSX\\Autogen\\AutogenDescriptions.spb";
const char kP3d4[] = "E:\\P3D4\\Autogen\\AutogenDescriptions.spb";
const char kP3d4Legacy[] = "E:\\P3D4\\Autogen\\AutogenDescriptions_Legacy.spb";

class OptionsPageTest : public ::testing::Test {
 protected:
  OptionsPageTest() {
    DescribeTypicalMachine(fake);
    fake.registry.SetString(RegistryRoot::kCurrentUser, "Software\\Lockheed Martin\\Prepar3D v4",
                            "AppPath", "E:\\P3D4");
    fake.files.AddFile("D:\\Setup\\ITEMS.ENG", MakeMessageFile(NumberedTexts(61)));
    fake.files.AddFile("D:\\Setup\\spb_def.bin", DefinitionBlock());
    for (const char* path : {kFsx, kP3d4, kP3d4Legacy}) fake.files.AddFile(path, AutogenFile({}));
    wizard.Start();
    fake.window.Click("Cmd_Next");
  }
  const MessageRequest& Restore() {
    fake.window.Click("cmd_autogen");
    EXPECT_EQ(fake.window.messages().back().id, kOptionsSummaryBox);
    return fake.window.messages().back();
  }

  FakePlatform fake;
  ProgramState state;
  Context ctx{state, fake.platform};
  Wizard wizard{ctx};
};

TEST_F(OptionsPageTest, FromTheWelcomePageRestoresEveryFoundSimulatorAndGoesBack) {
  Page& welcome = *fake.window.visible_page();
  welcome.left = 1200;
  welcome.top = 900;
  fake.window.Click("Cmd_Options");
  Page& page = *fake.window.visible_page();
  ASSERT_EQ(page.name(), "Options");
  EXPECT_EQ(page.caption, "T1");
  EXPECT_EQ(page["Lab_Top"].text, "T55");
  EXPECT_EQ(page["cmd_autogen"].text, "T56");
  EXPECT_EQ(page["Lab_3"].text.rfind("Veltrona Zozo Setup v4.3.217", 0), 0u);
  EXPECT_FALSE(page["Cmd_Next"].visible || page["Cmd_Next"].enabled);

  const size_t unpatched = AutogenFile({}).size();
  MessageRequest first = Restore();
  EXPECT_EQ(first.text, "Flightsimulator X: T57\r\nPrepar3D v4.x: T57\r\n");
  EXPECT_EQ(first.icon, MessageIcon::kNone);
  for (const char* path : {kFsx, kP3d4, kP3d4Legacy}) {
    EXPECT_EQ(fake.files.Content(path).size(), unpatched + 562) << path;
    EXPECT_EQ(fake.files.Content(std::string(path) + ".copy"), AutogenFile({})) << path;
  }
  EXPECT_EQ(Restore().text, "Flightsimulator X: T58\r\nPrepar3D v4.x: T58\r\n");

  fake.window.Click("Cmd_Prev");
  EXPECT_EQ(fake.window.visible_page(), &welcome);
  EXPECT_EQ(welcome.left, 1200);
  EXPECT_EQ(welcome.top, 900);
}

TEST_F(OptionsPageTest, AnUnwritableFileIsReportedOnItsLineWhileTheOthersAreRestored) {
  fake.files.Break(kFsx, kErrPermissionDenied);
  fake.files.Remove(kP3d4Legacy);
  fake.window.Click("Cmd_Options");
  const MessageRequest& box = Restore();
  EXPECT_EQ(box.text, std::string("Flightsimulator X: T61 Permission denied: ") + kFsx +
                          "\r\nPrepar3D v4.x: AutogenDescriptions.spb: T57; "
                          "AutogenDescriptions_Legacy.spb: T59\r\n");
  EXPECT_EQ(box.icon, MessageIcon::kExclamation);
  EXPECT_EQ(fake.files.Content(kP3d4).size(), AutogenFile({}).size() + 562);
  EXPECT_EQ(fake.window.visible_page()->name(), "Options");
}

}  // namespace
}  // namespace vlrna
