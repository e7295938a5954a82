#include "platform/posix/wine_prefix.h"

#include <gtest/gtest.h>
#include <stdlib.h>
#include <unistd.h>

#include "platform/posix/test_prefix.h"
#include "platform/runtime_error.h"

namespace vlrna {
namespace {

// Sets an environment variable for the life of the object.
class ScopedEnv {
 public:
  ScopedEnv(const char* name, const char* value) : name_(name) {
    const char* old = getenv(name);
    had_ = old != nullptr;
    if (had_) old_ = old;
    if (value) {
      setenv(name, value, 1);
    } else {
      unsetenv(name);
    }
  }
  ~ScopedEnv() {
    if (had_) {
      setenv(name_, old_.c_str(), 1);
    } else {
      unsetenv(name_);
    }
  }

 private:
  const char* name_;
  bool had_ = false;
  std::string old_;
};

std::string OpenError(const std::string& root) {
  try {
    WinePrefix::Open(root);
  } catch (const RuntimeError& e) {
    EXPECT_EQ(e.number(), kErrPathNotFound);
    return e.description();
  }
  return "opened";
}

TEST(WinePrefixTest, RefusesWhatIsNoPrefixNamingThePathAndTheWayOut) {
  TestPrefix prefix;
  std::string missing = OpenError(prefix.Path("nothing"));
  EXPECT_NE(missing.find(prefix.Path("nothing")), std::string::npos) << missing;
  EXPECT_NE(missing.find("WINEPREFIX"), std::string::npos) << missing;

  prefix.MakeFolder("half");
  prefix.Write("half/system.reg", TestPrefix::kSystemHeader);
  EXPECT_NE(OpenError(prefix.Path("half")).find("user.reg"), std::string::npos);
  prefix.Write("half/user.reg", TestPrefix::kUserHeader);
  EXPECT_NE(OpenError(prefix.Path("half")).find("dosdevices"), std::string::npos);

  if (geteuid() == 0) {  // only root can give the prefix away
    prefix.MakeFolder("other");
    prefix.Write("other/system.reg", TestPrefix::kSystemHeader);
    prefix.Write("other/user.reg", TestPrefix::kUserHeader);
    prefix.MakeFolder("other/dosdevices");
    ASSERT_EQ(chown(prefix.Path("other").c_str(), 4242, 4242), 0);
    EXPECT_NE(OpenError(prefix.Path("other")).find("another user"), std::string::npos);
  }

  ScopedEnv env("WINEPREFIX", prefix.root().c_str());
  EXPECT_EQ(WinePrefix::FromEnvironment().root(), prefix.root());
  ScopedEnv home("HOME", prefix.Path("drive_c").c_str());
  ScopedEnv unset("WINEPREFIX", nullptr);
  EXPECT_NE(OpenError("").size(), 0u);
  try {
    WinePrefix::FromEnvironment();
    FAIL() << "a home without .wine opened";
  } catch (const RuntimeError& e) {
    EXPECT_NE(e.description().find(prefix.Path("drive_c/.wine")), std::string::npos);
  }
}

TEST(WinePrefixTest, WindowsPathsFindTheSpellingOnDiskAndKeepNewComponents) {
  TestPrefix prefix;
  prefix.Write("drive_c/Program Files (x86)/Steam/FSX/Scenery.cfg", "");
  WinePrefix wine = prefix.Open();
  std::string fsx = prefix.Path("dosdevices/c:/Program Files (x86)/Steam/FSX");
  EXPECT_EQ(wine.ToUnixPath("C:\\Program Files (x86)\\Steam\\FSX\\Scenery.cfg"),
            fsx + "/Scenery.cfg");
  EXPECT_EQ(wine.ToUnixPath("c:\\PROGRAM FILES (X86)\\steam\\fsx\\SCENERY.CFG"),
            fsx + "/Scenery.cfg");
  EXPECT_EQ(wine.ToUnixPath("c:/program files (x86)//steam/./x/../fsx\\"), fsx);
  EXPECT_EQ(wine.ToUnixPath("\\\\?\\C:\\program files (x86)\\steam"),
            prefix.Path("dosdevices/c:/Program Files (x86)/Steam"));
  // Once a component is missing, it and all after it keep their spelling.
  EXPECT_EQ(wine.ToUnixPath("C:\\program files (x86)\\Veltrona\\vlrna\\DEM"),
            prefix.Path("dosdevices/c:/Program Files (x86)/Veltrona/vlrna/DEM"));
  EXPECT_EQ(wine.ToUnixPath("C:\\"), prefix.Path("dosdevices/c:"));
  EXPECT_EQ(wine.ToUnixPath("\\\\?\\unix\\etc\\hostname"), "/etc/hostname");

  for (const char* bad : {"Q:\\FSX", "FSX\\Scenery.cfg", "", "\\\\"}) {
    try {
      wine.ToUnixPath(bad);
      ADD_FAILURE() << bad << " was mapped";
    } catch (const RuntimeError& e) {
      EXPECT_EQ(e.number(), kErrPathNotFound) << bad;
    }
  }
}

TEST(WinePrefixTest, NamesConvertBetweenTheAnsiCodePageAndUtf8) {
  TestPrefix prefix;
  prefix.MakeFolder("drive_c/Szenerie/M\xC3\x9CNCHEN");  // MÜNCHEN in UTF-8
  WinePrefix wine = prefix.Open();
  EXPECT_EQ(wine.code_page().number(), 1252u);
  // ü in code page 1252 matches Ü on disk.
  EXPECT_EQ(wine.ToUnixPath("C:\\szenerie\\m\xFCnchen\\Gr\xF6\xDF"
                            "e"),
            prefix.Path("dosdevices/c:/Szenerie/M\xC3\x9CNCHEN/Gr\xC3\xB6\xC3\x9F"
                        "e"));
  EXPECT_EQ(wine.ToWindowsPath(prefix.Path("drive_c/Szenerie/M\xC3\x9CNCHEN")),
            "C:\\Szenerie\\M\xDCNCHEN");
  // What the code page cannot hold becomes '?'.
  EXPECT_EQ(wine.ToWindowsPath(prefix.Path("drive_c/\xE6\x97\xA5")), "C:\\?");

  prefix.SetSystemReg(
      "\n[System\\\\CurrentControlSet\\\\Control\\\\Nls\\\\CodePage] 1700000000\n"
      "#time=1da2b3c4d5e6f70\n\"ACP\"=\"1250\"\n\"OEMCP\"=\"852\"\n");
  WinePrefix central = prefix.Open();
  EXPECT_EQ(central.code_page().number(), 1250u);
  // 0xA5 is A with ogonek in 1250.
  EXPECT_EQ(central.ToUnixPath("C:\\\xA5"), prefix.Path("dosdevices/c:/\xC4\x84"));
}

TEST(WinePrefixTest, UnixPathsGoBackThroughTheMostSpecificDrive) {
  TestPrefix prefix;
  prefix.MakeFolder("cdrom/Setup");
  prefix.Link('d', prefix.Path("cdrom"));
  WinePrefix wine = prefix.Open();
  EXPECT_EQ(wine.ToWindowsPath(prefix.Path("drive_c/users/pilot")), "C:\\users\\pilot");
  EXPECT_EQ(wine.ToWindowsPath(prefix.Path("dosdevices/c:/users/pilot/")), "C:\\users\\pilot");
  EXPECT_EQ(wine.ToWindowsPath(prefix.Path("drive_c")), "C:\\");
  EXPECT_EQ(wine.ToWindowsPath(prefix.Path("cdrom/Setup/vlrna-setup")), "D:\\Setup\\vlrna-setup");
  EXPECT_EQ(wine.ToWindowsPath("/"), "Z:\\");
  EXPECT_EQ(wine.ToWindowsPath("/usr/../etc/./hostname"), "Z:\\etc\\hostname");
  // Not yet existing parts keep their spelling.
  EXPECT_EQ(wine.ToWindowsPath(prefix.Path("drive_c/New/Folder")), "C:\\New\\Folder");

  unlink(prefix.Path("dosdevices/z:").c_str());
  EXPECT_EQ(wine.ToWindowsPath("/etc/hostname"), "\\\\?\\unix\\etc\\hostname");
  EXPECT_EQ(wine.ToUnixPath(wine.ToWindowsPath("/etc/hostname")), "/etc/hostname");
}

TEST(WinePrefixTest, TheUserIsUserElseSteamuserElseTheOnlyOne) {
  TestPrefix prefix;
  {
    ScopedEnv user("USER", "nobody-here");
    EXPECT_EQ(prefix.Open().user_name(), "pilot");
    EXPECT_EQ(prefix.Open().UserProfile(), "C:\\users\\pilot");
    prefix.MakeFolder("drive_c/users/steamuser");
    EXPECT_EQ(prefix.Open().user_name(), "steamuser");
  }
  ScopedEnv user("USER", "PILOT");
  EXPECT_EQ(prefix.Open().user_name(), "pilot");  // the spelling on disk
  EXPECT_EQ(prefix.Open().RoamingAppData(), "C:\\users\\pilot\\AppData\\Roaming");
}

}  // namespace
}  // namespace vlrna
