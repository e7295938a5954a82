#include "platform/posix/posix_registry.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <optional>
#include <vector>

#include "platform/posix/test_prefix.h"

namespace vlrna {
namespace {

class PosixRegistryTest : public ::testing::Test {
 protected:
  PosixRegistryTest() {
    prefix_.SetSystemReg(
        "\n[Software\\\\Microsoft\\\\Windows\\\\CurrentVersion\\\\Explorer\\\\Shell Folders] "
        "1733412345\n#time=1db47c2a9e8f3b0\n\"Common AppData\"=\"C:\\\\ProgramData\"\n"
        "\n[Software\\\\Wine\\\\Drives] 1733412345\n\"d:\"=\"cdrom\"\n");
    prefix_.SetUserReg(
        "\n[Software\\\\Microsoft\\\\Microsoft Games\\\\Flight Simulator - Steam Edition\\\\10.0]"
        " 1733412345\n#time=1db47c2a9e8f3b0\n"
        "\"AppPath\"=\"C:\\\\Program Files (x86)\\\\Steam\\\\steamapps\\\\common\\\\FSX\\\\\"\n"
        "\"Empty\"=\"\"\n\"Lang\"=dword:ffffffff\n"
        "\"Expand\"=str(2):\"%USERPROFILE%\"\n"
        "\"Gr\\x00fc\\x00df\"=\"Z\\x00fcrich \\x65e5\"\n");
    wine_.emplace(prefix_.Open());
    registry_.emplace(*wine_);
  }

  // Reads a value as GetRegistry does: open, probe, read, close.
  int32_t Read(RegistryRoot root, const std::string& key, const std::string& name,
               std::string* value, uint32_t* type = nullptr) {
    RegistryKey handle;
    int32_t status = registry_->OpenKey(root, key, &handle);
    if (status != kRegOk) return status;
    uint32_t t = 0;
    status = registry_->QueryValueType(handle, name, &t);
    if (status == kRegOk) {
      uint8_t buffer[512];
      uint32_t size = sizeof buffer;
      status = registry_->QueryValueData(handle, name, buffer, &size);
      value->assign(reinterpret_cast<char*>(buffer), size);
      if (type) *type = t;
    }
    EXPECT_EQ(registry_->CloseKey(handle), kRegOk);
    return status;
  }

  TestPrefix prefix_;
  std::optional<WinePrefix> wine_;
  std::optional<PosixRegistry> registry_;
};

TEST_F(PosixRegistryTest, StringsComeBackInTheAnsiCodePageWithTheirTerminator) {
  const char kFsx[] =
      "software\\MICROSOFT\\Microsoft Games\\Flight Simulator - Steam Edition\\10.0";
  std::string value;
  uint32_t type = 0;
  EXPECT_EQ(Read(RegistryRoot::kCurrentUser, kFsx, "apppath", &value, &type), kRegOk);
  EXPECT_EQ(value, std::string("C:\\Program Files (x86)\\Steam\\steamapps\\common\\FSX\\") + '\0');
  EXPECT_EQ(type, kRegSz);
  EXPECT_EQ(Read(RegistryRoot::kCurrentUser, kFsx, "Empty", &value), kRegOk);
  EXPECT_EQ(value, std::string(1, '\0'));
  EXPECT_EQ(Read(RegistryRoot::kCurrentUser, kFsx, "Lang", &value, &type), kRegOk);
  EXPECT_EQ(value, "\xFF\xFF\xFF\xFF");
  EXPECT_EQ(type, kRegDword);
  EXPECT_EQ(Read(RegistryRoot::kCurrentUser, kFsx, "Expand", &value, &type), kRegOk);
  EXPECT_EQ(type, kRegExpandSz);
  // A name and a text outside ASCII: 1252 bytes in and out, '?' where 1252 has no letter.
  EXPECT_EQ(Read(RegistryRoot::kCurrentUser, kFsx, "GR\xDC\xDF", &value), kRegOk);
  EXPECT_EQ(value, std::string("Z\xFCrich ?\0", 9));
  EXPECT_EQ(Read(RegistryRoot::kLocalMachine,
                 "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders",
                 "Common AppData", &value),
            kRegOk);
  EXPECT_EQ(value, std::string("C:\\ProgramData\0", 15));
}

TEST_F(PosixRegistryTest, StatusCodesAreThoseOfWindows) {
  std::string value;
  EXPECT_EQ(
      Read(RegistryRoot::kCurrentUser, "Software\\LockheedMartin\\Prepar3D", "AppPath", &value),
      kRegFileNotFound);
  // The key is in the other hive only.
  EXPECT_EQ(Read(RegistryRoot::kCurrentUser, "Software\\Wine\\Drives", "d:", &value),
            kRegFileNotFound);
  RegistryKey key;
  ASSERT_EQ(registry_->OpenKey(RegistryRoot::kCurrentUser, "Software\\Microsoft", &key), kRegOk);
  uint32_t type;
  EXPECT_EQ(registry_->QueryValueType(key, "AppPath", &type), kRegFileNotFound);
  EXPECT_EQ(registry_->CloseKey(key), kRegOk);
  EXPECT_EQ(registry_->CloseKey(key), kRegInvalidHandle);
  EXPECT_EQ(registry_->QueryValueType(key, "AppPath", &type), kRegInvalidHandle);

  ASSERT_EQ(registry_->OpenKey(RegistryRoot::kLocalMachine, "Software\\Wine\\Drives", &key),
            kRegOk);
  uint8_t small[2];
  uint32_t size = sizeof small;
  EXPECT_EQ(registry_->QueryValueData(key, "D:", small, &size), kRegMoreData);
  EXPECT_EQ(size, 6u);  // "cdrom" and its NUL
  size = 0;
  EXPECT_EQ(registry_->QueryValueData(key, "D:", nullptr, &size), kRegOk);
  EXPECT_EQ(size, 6u);
  registry_->CloseKey(key);
}

TEST_F(PosixRegistryTest, TheVolatileEnvironmentIsServedFromTheUserFolderWhenWineLeftItOut) {
  std::string value;
  EXPECT_EQ(Read(RegistryRoot::kCurrentUser, "Volatile Environment", "USERPROFILE", &value),
            kRegOk);
  EXPECT_EQ(value, std::string("C:\\users\\pilot\0", 15));
  EXPECT_EQ(Read(RegistryRoot::kCurrentUser, "Volatile Environment", "APPDATA", &value), kRegOk);
  EXPECT_EQ(value, std::string("C:\\users\\pilot\\AppData\\Roaming\0", 31));

  // What Wine wrote stays; only what is missing is added, from Shell Folders.
  prefix_.SetUserReg(
      "\n[Software\\\\Microsoft\\\\Windows\\\\CurrentVersion\\\\Explorer\\\\Shell Folders] 1\n"
      "\"AppData\"=\"C:\\\\users\\\\pilot\\\\Application Data\"\n"
      "\n[Volatile Environment] 1\n\"USERPROFILE\"=\"C:\\\\users\\\\steamuser\"\n");
  WinePrefix wine = prefix_.Open();
  PosixRegistry registry(wine);
  RegistryKey key;
  ASSERT_EQ(registry.OpenKey(RegistryRoot::kCurrentUser, "volatile environment", &key), kRegOk);
  char buffer[64];
  uint32_t size = sizeof buffer;
  registry.QueryValueData(key, "UserProfile", reinterpret_cast<uint8_t*>(buffer), &size);
  EXPECT_EQ(std::string(buffer, size), std::string("C:\\users\\steamuser\0", 19));
  size = sizeof buffer;
  registry.QueryValueData(key, "AppData", reinterpret_cast<uint8_t*>(buffer), &size);
  EXPECT_EQ(std::string(buffer, size), std::string("C:\\users\\pilot\\Application Data\0", 32));
  registry.CloseKey(key);
}

TEST_F(PosixRegistryTest, RegistryFilesNotReadWholeAreReportedOnceEach) {
  EXPECT_TRUE(registry_->LoadProblems().empty());
  prefix_.SetUserReg("\n[Software\\\\Good] 1\n\"A\"=\"1\"\ngarbage\n\"B\"=hex:zz\n\"C\"=\"3\"\n");
  std::remove(prefix_.Path("system.reg").c_str());
  prefix_.MakeFolder("system.reg");  // there, but no file to read
  WinePrefix wine = prefix_.Open();
  PosixRegistry registry(wine);
  std::vector<RegistryLoadProblem> problems = registry.LoadProblems();
  ASSERT_EQ(problems.size(), 2u);
  EXPECT_EQ(problems[0].store, prefix_.Path("system.reg"));
  EXPECT_EQ(problems[0].skipped_lines, 0u);
  EXPECT_EQ(problems[0].first, "cannot be read");
  EXPECT_EQ(problems[1].store, prefix_.Path("user.reg"));
  EXPECT_EQ(problems[1].skipped_lines, 2u);
  EXPECT_NE(problems[1].first.find("line "), std::string::npos);
}

}  // namespace
}  // namespace vlrna
