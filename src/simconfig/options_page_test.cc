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
    fake.files.AddFile("D:\\Setup\\ITEMS.ENG", MakeMessageFile(NumberedTexts(61)));
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
