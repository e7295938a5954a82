#include "platform/archive/entry_name.h"

#include <gtest/gtest.h>

namespace vlrna {
namespace {

using Parts = std::vector<std::string>;

TEST(CheckEntryNameTest, AcceptsStoredFoldersWithEitherSeparator) {
  EXPECT_EQ(CheckEntryName("vlrna/dem/n47e008.bgl").parts, (Parts{"vlrna", "dem", "n47e008.bgl"}));
  EXPECT_EQ(CheckEntryName("vlrna\\ortho\\a b.bgl").parts, (Parts{"vlrna", "ortho", "a b.bgl"}));
  EXPECT_EQ(CheckEntryName("./vlrna//objects/./x.txt").parts, (Parts{"vlrna", "objects", "x.txt"}));
  EXPECT_EQ(CheckEntryName("vlrna/zzqa/").parts, (Parts{"vlrna", "zzqa"}));
  EXPECT_EQ(CheckEntryName("Z\xe9rich\\caf\xe9.txt").parts, (Parts{"Z\xe9rich", "caf\xe9.txt"}));
  EXPECT_EQ(CheckEntryName(".hidden/..x/x..y").parts, (Parts{".hidden", "..x", "x..y"}));
  EXPECT_EQ(CheckEntryName("CONFIG/console.txt").parts, (Parts{"CONFIG", "console.txt"}));
}

TEST(CheckEntryNameTest, RefusesNamesThatLeaveTheFolderOrNameDevices) {
  const char* kHostile[] = {
      "../evil.txt",
      "vlrna/../../evil.txt",
      "vlrna\\..\\..\\evil.txt",
      "/etc/passwd",
      "\\windows\\x.dll",
      "\\\\server\\share\\x",
      "C:evil.txt",
      "c:\\evil.txt",
      "file.txt:stream",
      "a/b:c/d",
      "a/con",
      "nul.txt",
      "COM1.log",
      "lpt9",
      "a/b./c",
      "a/b /c",
      "...",
      "a/ ",
      "bad|name",
      "tab\there",
      "",
      "./",
      "/",
      "..",
  };
  for (const char* name : kHostile) {
    EntryNameCheck check = CheckEntryName(name);
    EXPECT_FALSE(check.accepted()) << name;
    EXPECT_TRUE(check.parts.empty()) << name;
  }
  EXPECT_FALSE(CheckEntryName(std::string_view("ok.txt\0../../x", 14)).accepted());
}

TEST(ResolveWindowsFolderTest, ResolvesStepsWithoutLeavingTheRoot) {
  EXPECT_EQ(ResolveWindowsFolder("D:\\Scenery\\vlrna\\..\\"), "D:\\Scenery\\");
  EXPECT_EQ(ResolveWindowsFolder("D:\\Scenery\\vlrna\\.."), "D:\\Scenery\\");
  EXPECT_EQ(ResolveWindowsFolder("C:\\FSX\\"), "C:\\FSX\\");
  EXPECT_EQ(ResolveWindowsFolder("C:/a/./b//c/../"), "C:\\a\\b\\");
  EXPECT_EQ(ResolveWindowsFolder("C:\\..\\..\\"), "C:\\");
  EXPECT_EQ(ResolveWindowsFolder("\\\\srv\\share\\a\\..\\..\\"), "\\\\srv\\share\\");
  EXPECT_EQ(ResolveWindowsFolder("a\\b\\..\\"), "a\\");
}

}  // namespace
}  // namespace vlrna
