#include "shell/folder_lists.h"

#include <gtest/gtest.h>

#include "platform/fake/fake_platform.h"

namespace vlrna {
namespace {

TEST(FolderListsTest, ResolvesFolderTextsAsTheClassicListDoes) {
  const char* cases[][3] = {
      // shown folder, text set, folder opened
      {"C:\\FSX", "c:", "C:\\FSX"},  // the drive shown keeps its folder
      {"C:\\FSX", "d:", "D:\\"},
      {"", "\\", "C:\\"},
      {"D:\\Games", "\\FSX\\", "D:\\FSX"},
      {"C:\\FSX", "Scenery", "C:\\FSX\\Scenery"},
      {"C:\\a\\b", "..\\..\\..\\x", "C:\\x"},
      {"C:\\", "e:\\\\Games\\.\\Sim\\", "E:\\Games\\Sim"},
  };
  for (const auto& c : cases) EXPECT_EQ(ResolveFolder(c[0], c[1]), c[2]) << c[0] << " " << c[1];
}

TEST(FolderListsTest, ShowsTheChainAndTheSubfoldersOrRaisesAndLeavesTheList) {
  FakePlatform fake;
  ProgramState state;
  Context ctx{state, fake.platform};
  fake.drives.drives = {{"c:", kDriveFixed}, {"e:", kDriveRemovable, std::nullopt, false}, {"f:"}};
  fake.files.AddFolder("C:\\FSX\\Scenery");
  fake.files.AddFolder("C:\\FSX\\addon");
  fake.files.Break("F:\\", kErrPathNotFound);  // a drive whose root leads nowhere
  Control list;
  ShowFolder(ctx, list, "C:\\FSX");
  const std::vector<std::string> items = {"C:\\", "C:\\FSX", "C:\\FSX\\addon", "C:\\FSX\\Scenery"};
  EXPECT_EQ(list.items, items);
  EXPECT_EQ(list.list_index, 1);
  const std::pair<const char*, int32_t> failures[] = {
      {"E:\\", kErrDeviceUnavailable},
      {"F:\\", kErrDiskNotReady},
      {"C:\\Gone", kErrPathNotFound},
  };
  for (const auto& [folder, number] : failures) {
    try {
      ShowFolder(ctx, list, folder);
      ADD_FAILURE() << folder << " was shown";
    } catch (const RuntimeError& error) {
      EXPECT_EQ(error.number(), number) << folder;
    }
    EXPECT_EQ(list.text, "C:\\FSX");
    EXPECT_EQ(list.items, items);
  }
}

}  // namespace
}  // namespace vlrna
