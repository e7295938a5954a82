#include "pages/license_page.h"

#include <gtest/gtest.h>

#include "pages/stand_in_page.h"
#include "pages/wizard.h"
#include "platform/fake/fake_machine.h"

namespace vlrna {
namespace {

const char kAgreement[] = "D:\\Setup\\license.txt";

TEST(AgreementTextTest, EveryLineEndsInCrLfWhateverEndedItInTheFile) {
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"", ""},
      {"one\r\ntwo\r\nthree", "one\r\ntwo\r\nthree\r\n"},
      {"one\r\ntwo\r\nthree\r\n", "one\r\ntwo\r\nthree\r\n"},
      {"unix\nmac\rdos\r\n", "unix\r\nmac\r\ndos\r\n"},
      {"\r\n\r\n", "\r\n\r\n"},
      {"\n\r", "\r\n\r\n"},
      {"a\r\r\nb\n\n", "a\r\n\r\nb\r\n\r\n"},
  };
  for (const auto& [file, text] : cases) EXPECT_EQ(AgreementText(file), text) << file;
}

class LicensePageTest : public ::testing::Test {
 protected:
  LicensePageTest() {
    DescribeTypicalMachine(fake);
    // The licence page's neighbours are stand-ins here.
    wizard.flow().Register("FSSelect", StandInPage("FSSelect"));
    wizard.flow().Register("SelectPath", StandInPage("SelectPath"));
  }
  // Language page, welcome page, selection page, licence page.
  void ToLicense() {
    wizard.Start();
    for (int i = 0; i < 3; ++i) fake.window.Click("Cmd_Next");
  }
  std::string Log() { return fake.files.Content(kTypicalLogPath); }

  FakePlatform fake;
  ProgramState state;
  Context ctx{state, fake.platform};
  Wizard wizard{ctx};
};

TEST_F(LicensePageTest, ReadsTheAgreementOnceAndNextGoesOn) {
  fake.files.AddFile(kAgreement, "one\r\ntwo\r\nthree");
  ToLicense();
  Page& page = *fake.window.visible_page();
  ASSERT_EQ(page.name(), "License");
  EXPECT_EQ(page.caption, "T1");
  EXPECT_EQ(page["Lab_Welcome"].text, "T10");
  EXPECT_EQ(page["Lab_1"].text, "T11");
  EXPECT_EQ(page["inpLicense"].text, "one\r\ntwo\r\nthree\r\n");
  EXPECT_TRUE(page["inpLicense"].read_only);

  fake.files.AddFile(kAgreement, "a later agreement");
  fake.window.Click("Cmd_Prev");
  EXPECT_EQ(fake.window.visible_page()->name(), "FSSelect");
  fake.window.Click("Cmd_Next");
  EXPECT_EQ(page["inpLicense"].text, "one\r\ntwo\r\nthree\r\n");
  fake.window.Click("Cmd_Next");
  EXPECT_EQ(fake.window.visible_page()->name(), "SelectPath");
  EXPECT_EQ(Log().substr(Log().size() - 14), "License read\r\n");
}

TEST_F(LicensePageTest, AnEmptyAgreementLeavesTheBoxEmptyAndNextStillGoesOn) {
  fake.files.AddFile(kAgreement, "");
  ToLicense();
  EXPECT_EQ((*fake.window.visible_page())["inpLicense"].text, "");
  fake.window.Click("Cmd_Next");
  EXPECT_EQ(fake.window.visible_page()->name(), "SelectPath");
}

TEST(LicensePageEndTest, AMissingOrUnreadableAgreementEndsTheRunNamingTheFile) {
  struct Case {
    bool unreadable;
    const char* entry63;  // empty: a message file without the entry
    std::string message;
  };
  const std::vector<Case> cases = {
      {false, "%FILE% fehlt.", std::string(kAgreement) + " fehlt."},
      {true, "", std::string("ERROR: License file ") + kAgreement + " could not be read!"},
  };
  for (const Case& c : cases) {
    FakePlatform fake;
    DescribeTypicalMachine(fake);
    std::vector<std::string> texts = NumberedTexts(62);
    texts.push_back(c.entry63);
    fake.files.AddFile("D:\\Setup\\ITEMS.ENG", MakeMessageFile(texts));
    if (c.unreadable) {
      fake.files.AddFile(kAgreement, "text");
      fake.files.Break(kAgreement, kErrPermissionDenied);
    }
    ProgramState state;
    Context ctx{state, fake.platform};
    Wizard wizard(ctx);
    wizard.flow().Register("FSSelect", StandInPage("FSSelect"));
    wizard.Start();
    fake.window.Click("Cmd_Next");
    fake.window.Click("Cmd_Next");
    EXPECT_THROW(fake.window.Click("Cmd_Next"), ProcessEnded) << c.message;
    EXPECT_EQ(fake.window.messages().back().text, c.message + "\r\nProgram will abort!");
    const std::string log = fake.files.Content(kTypicalLogPath);
    EXPECT_NE(log.find(c.unreadable ? "| Error Nr.70 : " : "| Error Nr.53 : "), std::string::npos);
    EXPECT_NE(log.find("| " + c.message + "\r\n"), std::string::npos);
    EXPECT_EQ(fake.system.end_calls, std::vector<int>{1});
  }
}

}  // namespace
}  // namespace vlrna
