#include "destination/select_path_page.h"

#include <gtest/gtest.h>

#include "pages/wizard_test_run.h"

namespace vlrna {
namespace {

// A run to the destination page, FSX in C:\FSX, with texts whose
// placeholders show.
struct ToDestination : WizardTestRun {
  explicit ToDestination(const std::function<void(FakePlatform&)>& setup = nullptr)
      : WizardTestRun(4, [&](FakePlatform& f) {
          std::vector<std::string> texts = NumberedTexts(62);
          texts[34] = "Create %INSTPATH%?";
          texts[39] = "No disk %DRIVE%";
          texts[40] = "No space %DRIVE%";
          texts[61] = "Bad %INSTPATH%";
          f.files.AddFile("D:\\Setup\\ITEMS.ENG", MakeMessageFile(texts));
          f.files.AddFolder("C:\\FSX\\Scenery");
          f.drives.drives.push_back({"e: [data]", kDriveFixed});
          if (setup) setup(f);
        }) {}
  const std::string& input() { return page()["inpPath"].text; }
};

TEST(SelectPathPageTest, NextTakesOnlyAFixedDriveWithRoomAndAsksBeforeANewFolder) {
  struct Case {
    std::function<void(FakePlatform&)> setup;
    const char* typed;  // nullptr: the proposal C:\FSX\vlrna\ stays
    const char* box;    // with the answer No for a question
    const char* text;
    const char* log;  // the last line
  };
  const Case cases[] = {
      {[](FakePlatform& f) {
         f.files.AddFolder("C:\\FSX\\vlrna");
         f.drives.drives[0].free_bytes = 14'000'000'001ull;
       },
       nullptr, nullptr, nullptr, "Installation directory selected: C:\\FSX\\vlrna\\"},
      {nullptr, nullptr, kDestinationCreateFolderBox, "Create C:\\FSX\\vlrna\\?", "License read"},
      {[](FakePlatform& f) {
         f.drives.drives.push_back({"n: [\\\\nas\\sim]", kDriveRemote});
       },
       "n:\\Scenery", kDestinationNotFixedBox, "No disk N:", "Drive N is no harddrive!"},
      {[](FakePlatform& f) { f.drives.drives[0].free_bytes = 14'000'000'000ull; }, nullptr,
       kDestinationNoSpaceBox, "No space C:", "Drive C has too less space!"},
      {nullptr, "C:\\FSX\\..\\Windows", kDestinationBadPathBox, "Bad C:\\FSX\\..\\Windows",
       "Installation directory is not valid!"},
      {nullptr, "e:\\Games", kDestinationCreateFolderBox, "Create e:\\Games\\vlrna\\?",
       "License read"},
  };
  for (const Case& c : cases) {
    ToDestination run(c.setup);
    if (c.typed != nullptr) run.fake.window.EditText("inpPath", c.typed);
    run.fake.window.Answer(kDestinationCreateFolderBox, kAnswerNo);
    const size_t boxes = run.fake.window.messages().size();
    run.fake.window.Click("Cmd_Next");
    EXPECT_TRUE(run.Log().ends_with(std::string("| ") + c.log + "\r\n")) << c.log;
    if (c.box == nullptr) {  // the page went on to the installation
      EXPECT_EQ(run.fake.window.messages().size(), boxes);
      EXPECT_EQ(run.page().name(), "InstallStart");
      continue;
    }
    ASSERT_EQ(run.fake.window.messages().size(), boxes + 1) << c.log;
    const MessageRequest& box = run.fake.window.messages().back();
    EXPECT_EQ(box.id, c.box) << c.log;
    EXPECT_EQ(box.text, c.text ? c.text : box.text);
    EXPECT_EQ(run.page().name(), "SelectPath");
  }
}

TEST(SelectPathPageTest, AnEarlierInstallationIsProposedAgainWithTheListsLocked) {
  const std::pair<const char*, const char*> cases[] = {
      {"Layer=1\r\nLocal=E:\\Scenery\\VLRNA\\dem", "E:\\Scenery\\vlrna\\"},
      {"Layer=1\r\nLocal=E:\\Gone\\vlrna\\ortho", "E:\\Gone\\vlrna\\"},
      {"Layer=1\r\nLocal=Scenery\\vlrna\\dem", nullptr},          // relative: not proposed
      {"Layer=99999\r\nLocal=E:\\Scenery\\vlrna\\dem", nullptr},  // unreadable: not proposed
  };
  for (const auto& [area, proposal] : cases) {
    ToDestination run([&](FakePlatform& f) {
      f.files.AddFolder("E:\\Scenery");
      f.files.AddFile("C:\\ProgramData\\Microsoft\\FSX\\Scenery.cfg",
                      std::string("[Area.001]\r\n") + area + "\r\n");
    });
    const bool locked = proposal != nullptr;
    EXPECT_EQ(run.input(), locked ? proposal : "C:\\FSX\\vlrna\\") << area;
    EXPECT_EQ(run.page()["Lab_1"].text, locked ? "T45" : "T14");
    EXPECT_EQ(run.page()["FrmPath"].visible, !locked);
    EXPECT_EQ(run.page()["cmbPath"].enabled, !locked);
  }
}

TEST(SelectPathPageTest, TheListsStayOnTheLastFolderTheyCouldShow) {
  ToDestination run([](FakePlatform& f) {
    f.drives.drives.push_back({"r:", kDriveRemovable, std::nullopt, false});
  });
  ASSERT_EQ(run.page().name(), "SelectPath");
  EXPECT_EQ(run.input(), "C:\\FSX\\vlrna\\");
  run.fake.files.Break("C:\\FSX\\Scenery", kErrPermissionDenied);
  run.fake.window.ChooseListItem("cmbPath", "C:\\FSX\\Scenery");
  run.fake.window.ChooseListItem("cmbDrive", "r:");
  const auto& boxes = run.fake.window.messages();
  ASSERT_EQ(boxes.size(), 2u);
  EXPECT_EQ(boxes[0].id, kDestinationDriveErrorBox);
  EXPECT_EQ(boxes[1].text, "Device unavailable");
  EXPECT_EQ(run.page()["cmbDrive"].text, "c: [system]");
  EXPECT_EQ(run.page()["cmbPath"].text, "C:\\FSX");
  EXPECT_EQ(run.input(), "C:\\FSX\\vlrna\\");
  run.fake.window.ChooseListItem("cmbPath", "C:\\");
  EXPECT_EQ(run.input(), "C:\\vlrna\\");
}

}  // namespace
}  // namespace vlrna
