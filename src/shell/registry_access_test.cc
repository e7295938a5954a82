#include "shell/registry_access.h"

#include <gtest/gtest.h>

#include "platform/fake/fake_platform.h"

namespace vlrna {
namespace {

class GetRegistryTest : public ::testing::Test {
 protected:
  int32_t Get(int32_t root, const std::string& key, const std::string& name) {
    return GetRegistry(ctx, root, key, name, value);
  }

  FakePlatform fake;
  ProgramState state;
  Context ctx{state, fake.platform};
  std::string value = "left over";
  static constexpr RegistryRoot kUser = RegistryRoot::kCurrentUser;
};

TEST_F(GetRegistryTest, MissingKeyMissingValueAndOtherRoots) {
  EXPECT_EQ(Get(1, "Software\\Nothing", "AppPath"), 2);
  EXPECT_EQ(value, "");
  fake.registry.AddKey(kUser, "Software\\Empty");
  value = "left over";
  EXPECT_EQ(Get(1, "Software\\Empty", "AppPath"), 0);
  EXPECT_EQ(value, "");
  EXPECT_NE(Get(2, "Software\\Empty", "AppPath"), 0);
  EXPECT_NE(Get(-1, "Software\\Empty", "AppPath"), 0);
  fake.registry.DenyKey(kUser, "Software\\Locked", 5);
  EXPECT_EQ(Get(1, "Software\\Locked", "AppPath"), 5);
  EXPECT_EQ(fake.registry.open_keys(), 0);
}

TEST_F(GetRegistryTest, ValueTypes) {
  fake.registry.SetString(kUser, "K", "empty", "");
  fake.registry.SetDword(kUser, "K", "minus", 0xFFFFFFFF);
  fake.registry.SetDword(kUser, "K", "answer", 42);
  fake.registry.SetRaw(kUser, "K", "expand", kRegExpandSz, std::string("%TEMP%\0", 7));
  fake.registry.SetRaw(kUser, "K", "nuls", kRegSz, std::string("a\0b\0", 4));
  fake.registry.SetRaw(kUser, "K", "unterminated", kRegSz, "C:\\FSX");
  fake.registry.SetString(kUser, "K", "blanks", "  C:\\FSX  ");
  EXPECT_EQ(Get(1, "K", "empty"), 0);
  EXPECT_EQ(value, "");
  Get(1, "K", "minus");
  EXPECT_EQ(value, "-1");
  Get(1, "k", "ANSWER");
  EXPECT_EQ(value, "42");
  EXPECT_EQ(Get(1, "K", "expand"), 0);
  EXPECT_EQ(value, "");
  Get(1, "K", "nuls");
  EXPECT_EQ(value, "ab");
  Get(1, "K", "unterminated");  // the last byte is taken for the terminator
  EXPECT_EQ(value, "C:\\FS");
  Get(1, "K", "blanks");
  EXPECT_EQ(value, "  C:\\FSX  ");
  EXPECT_EQ(fake.registry.open_keys(), 0);
}

TEST_F(GetRegistryTest, AFailedReadReturnsItsStatusAndNoValue) {
  fake.registry.SetString(kUser, "K", "path", "C:\\FSX");
  fake.registry.SetDword(kUser, "K", "number", 7);
  for (int32_t status : {kRegAccessDenied, kRegFileNotFound}) {  // locked, or gone meanwhile
    fake.registry.FailDataReads(status);
    for (const char* name : {"path", "number"}) {
      SCOPED_TRACE(std::string(name) + " " + std::to_string(status));
      value = "left over";
      EXPECT_EQ(Get(1, "K", name), status);
      EXPECT_EQ(value, "");
    }
  }
  EXPECT_EQ(fake.registry.open_keys(), 0);
}

TEST_F(GetRegistryTest, A511CharacterStringFitsAndA512CharacterOneEndsTheProgram) {
  state.gsUserDir = "C:\\Users\\pilot";
  state.gsLogFile = "VLRNA.LOG";
  fake.files.AddFolder(state.gsUserDir);
  fake.registry.SetString(kUser, "K", "fits", std::string(511, 'x'));
  fake.registry.SetString(kUser, "K", "long", std::string(512, 'x'));
  EXPECT_EQ(Get(1, "K", "fits"), 0);
  EXPECT_EQ(value, std::string(511, 'x'));
  EXPECT_THROW(Get(1, "K", "long"), ProcessEnded);
  ASSERT_EQ(fake.window.messages().size(), 1u);
  EXPECT_EQ(fake.window.messages()[0].title, "Guru-Meditation");
  EXPECT_EQ(fake.window.messages()[0].text.rfind("Error Nr.5 (", 0), 0u);
  EXPECT_NE(fake.window.messages()[0].text.find(") in function: GetRegistry"), std::string::npos);
  std::string log = fake.files.Content("C:\\Users\\pilot\\VLRNA.LOG");
  EXPECT_NE(log.find("| Error Nr.5 : "), std::string::npos);
  EXPECT_NE(log.find("Closing all forms...\r\n"), std::string::npos);
}

}  // namespace
}  // namespace vlrna
