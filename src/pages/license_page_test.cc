#include "pages/license_page.h"

#include <gtest/gtest.h>

#include "pages/wizard.h"
#include "platform/fake/fake_machine.h"
#include "shell/page_layout.h"

namespace vlrna {
namespace {

const char kAgreement[] = "D:\\Setup\\license.txt";

TEST(AgreementTextTest, EveryLineEndsInCrLfWhateverEndedItInTheFile) {
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"", ""},
      {"one\r\ntwo\r\nthree", "one\r\ntwo\r\nthree\r\n"},
      {"one\r\ntwo\r\nthree\r\n", "one\r\ntwo\r\nthree\r\n"},
      {"unix\nmac\rdos\r\n", "unix\r\nmac\r\ndos\r\n"},
      {"\n\r\r\n", "\r\n\r\n\r\n"},
  };
  for (const auto& [file, text] : cases) EXPECT_EQ(AgreementText(file), text) << file;
}

// A bare page in the place of a neighbour the tests do not look at.
std::unique_ptr<WizardPage> StandIn(const char* name, Context& ctx, PageFlow& flow) {
  auto page = std::make_unique<WizardPage>(name, kPageWidth, ctx, flow);
  AddStandardControls(*page);
  return page;
}

// A machine whose wizard stands on the licence page, or has ended trying.
struct LicenseWalk {
  explicit LicenseWalk(const std::string& entry63 = "T63") {
    DescribeTypicalMachine(fake);
    fake.files.Remove(kAgreement);
    std::vector<std::string> texts = NumberedTexts(62);
    texts.push_back(entry63);
    fake.files.AddFile("D:\\Setup\\ITEMS.ENG", MakeMessageFile(texts));
    for (const char* name : {"FSSelect", "SelectPath"}) {
      wizard.flow().Register(name, [name](Context& c, PageFlow& f) { return StandIn(name, c, f); });
    }
    wizard.Start();
    for (int i = 0; i < 2; ++i) fake.window.Click("Cmd_Next");
  }

  FakePlatform fake;
  ProgramState state;
  Context ctx{state, fake.platform};
  Wizard wizard{ctx};
};

TEST(LicensePageTest, ReadsTheAgreementOnceAndNextGoesOn) {
  LicenseWalk walk;
  walk.fake.files.AddFile(kAgreement, "one\r\ntwo\r\nthree");
  walk.fake.window.Click("Cmd_Next");
  Page& page = *walk.fake.window.visible_page();
  ASSERT_EQ(page.name(), "License");
  EXPECT_EQ(page["Lab_Welcome"].text + page["Lab_1"].text, "T10T11");
  EXPECT_EQ(page["inpLicense"].text, "one\r\ntwo\r\nthree\r\n");

  walk.fake.files.AddFile(kAgreement, "a later agreement");
  walk.fake.window.Click("Cmd_Prev");
  walk.fake.window.Click("Cmd_Next");
  EXPECT_EQ(page["inpLicense"].text, "one\r\ntwo\r\nthree\r\n");
  walk.fake.window.Click("Cmd_Next");
  EXPECT_EQ(walk.fake.window.visible_page()->name(), "SelectPath");
  const std::string log = walk.fake.files.Content(kTypicalLogPath);
  EXPECT_EQ(log.substr(log.size() - 14), "License read\r\n");
}

TEST(LicensePageTest, TheAgreementArrivesInTheMachinesCodePage) {
  LicenseWalk walk;
  walk.fake.code_page = FakeCodePage(1251, kWindows1251HighHalf);
  walk.fake.files.AddFile(kAgreement,
                          "\xA9 Gr\xFC\xDF"
                          "e \x85");  // © Grüße …
  walk.fake.window.Click("Cmd_Next");
  EXPECT_EQ((*walk.fake.window.visible_page())["inpLicense"].text, "\xA9 Gr??e \x85\r\n");
}

TEST(LicensePageTest, AMissingOrUnreadableAgreementEndsTheRunNamingTheFile) {
  for (bool unreadable : {false, true}) {
    // The message comes from entry 63, in English while a message file lacks it.
    LicenseWalk walk(unreadable ? "" : "%FILE% fehlt.");
    std::string message = std::string(kAgreement) + " fehlt.";
    if (unreadable) {
      walk.fake.files.AddFile(kAgreement, "text");
      walk.fake.files.Break(kAgreement, kErrPermissionDenied);
      message = std::string("ERROR: License file ") + kAgreement + " could not be read!";
    }
    EXPECT_THROW(walk.fake.window.Click("Cmd_Next"), ProcessEnded);
    EXPECT_EQ(walk.fake.window.messages().back().text, message + "\r\nProgram will abort!");
    const std::string log = walk.fake.files.Content(kTypicalLogPath);
    EXPECT_NE(log.find(unreadable ? "| Error Nr.70 : " : "| Error Nr.53 : "), std::string::npos);
    EXPECT_EQ(walk.fake.system.end_calls, std::vector<int>{1});
  }
}

}  // namespace
}  // namespace vlrna
