#include "destination/destination_folder.h"

#include <gtest/gtest.h>

namespace vlrna {
namespace {

TEST(DestinationFolderTest, OnlyFoldersFromADriveRootWithAllowedNamesPass) {
  for (const char* good : {"C:\\", "d:\\Scenery", "D:\\Scenery\\", "E:\\Sc\xE8nes\\Flug Sim",
                           "C:\\\\Games", "C:\\a.b\\.\\c"}) {
    EXPECT_TRUE(IsAbsoluteDrivePath(good)) << good;
  }
  for (const char* bad : {"", "C:", "C:Scenery", "Scenery\\vlrna", "\\Scenery", "\\\\nas\\sim",
                          "1:\\", "C:/Games", "C:\\a\\..\\b", "C:\\..", "C:\\a:b", "C:\\a?",
                          "C:\\a*", "C:\\\"a\"", "C:\\<a>", "C:\\a|b", "C:\\a\tb", "C:\\a\r\nb"}) {
    EXPECT_FALSE(IsAbsoluteDrivePath(bad)) << bad;
  }
}

TEST(DestinationFolderTest, TheDestinationIsAFolderNamedVlrnaOnce) {
  const std::pair<const char*, const char*> cases[] = {
      {"C:\\", "C:\\vlrna\\"},
      {"C:\\Games", "C:\\Games\\vlrna\\"},
      {"C:\\Games\\", "C:\\Games\\vlrna\\"},
      {"C:\\Games\\\\", "C:\\Games\\vlrna\\"},
      {"D:\\Scenery\\VLRNA", "D:\\Scenery\\VLRNA\\"},
      {"D:\\Scenery\\vlrna\\", "D:\\Scenery\\vlrna\\"},
      {"D:\\myvlrna", "D:\\myvlrna\\vlrna\\"},
      {"D:\\vlrna\\x", "D:\\vlrna\\x\\vlrna\\"},
  };
  for (const auto& [folder, destination] : cases) {
    EXPECT_EQ(DestinationFromFolder(folder), destination) << folder;
  }
}

}  // namespace
}  // namespace vlrna
