#include "simulators/fs_path_page.h"

#include <gtest/gtest.h>

#include "pages/wizard_test_run.h"

namespace vlrna {
namespace {

// No page leads to FS_Path: the tests open it from the welcome page, as a
// later flow might, for the simulator in `folder`.
struct ToFSPath : WizardTestRun {
  explicit ToFSPath(const std::string& folder) : WizardTestRun(1) {
    fake.files.AddFile("C:\\FSX\\Scenery.cfg", "");
    fake.files.AddFile("C:\\FSX\\fsx.exe", "MZ");
    fake.files.AddFolder("C:\\FSX\\Scenery");
    state.gsFSXPath = folder;
    state.gsSimExe = "fsx.exe";
    page().left = 1234;
    wizard.flow().Transition(page(), "FS_Path");
  }
};

TEST(FSPathPageTest, OffersNextForAFolderWithBothFilesAndTakesTheTypedOne) {
  ToFSPath run("C:\\FSX\\");
  Page& page = run.page();
  EXPECT_EQ(page["inpPath"].text, "C:\\FSX");
  EXPECT_TRUE(page["Cmd_Next"].enabled);
  EXPECT_TRUE(run.Logged("gsFSXPath= C:\\FSX\\"));
  FSPathPage& fs_path = static_cast<FSPathPage&>(page);
  run.fake.files.Remove("C:\\FSX\\fsx.exe");  // the library alone is not enough
  EXPECT_FALSE(fs_path.CheckPath("C:\\FSX\\"));
  EXPECT_FALSE(page["Cmd_Next"].enabled);
  run.fake.files.AddFile("C:\\FSX\\fsx.exe", "MZ");
  EXPECT_TRUE(fs_path.CheckPath("C:\\FSX"));
  run.fake.window.EditText("inpPath", "D:\\Sim");
  EXPECT_TRUE(page["Cmd_Next"].enabled);  // typing alone changes nothing
  run.fake.window.Click("Cmd_Next");
  EXPECT_EQ(run.state.gsFSXPath, "D:\\Sim\\");
  EXPECT_EQ(run.state.gsSceneryCfg, "D:\\Sim\\Scenery.cfg");
  EXPECT_TRUE(run.Logged("FSX path selected: D:\\Sim\\"));
  EXPECT_EQ(run.page().name(), "License");
  EXPECT_EQ(run.page().left, 1234);  // where the welcome page was
}

TEST(FSPathPageTest, AFolderTheListsCannotShowFallsBackToTheRootOfC) {
  ToFSPath run("Q:\\Gone\\");
  EXPECT_EQ(run.page()["cmbPath"].text, "C:\\");
  EXPECT_EQ(run.page()["inpPath"].text, "C:\\");
  EXPECT_FALSE(run.page()["Cmd_Next"].enabled);
}

}  // namespace
}  // namespace vlrna
