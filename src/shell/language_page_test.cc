#include "shell/language_page.h"

#include <gtest/gtest.h>

#include "pages/wizard.h"
#include "platform/fake/fake_machine.h"
#include "shell/program_end.h"

namespace vlrna {
namespace {

class LanguagePageTest : public ::testing::Test {
 protected:
  LanguagePageTest() { DescribeTypicalMachine(fake); }

  Page& Start() {
    wizard.Start();
    return *fake.window.visible_page();
  }
  std::string Log() { return fake.files.Content(kTypicalLogPath); }

  FakePlatform fake;
  ProgramState state;
  Context ctx{state, fake.platform};
  Wizard wizard{ctx};
};

TEST_F(LanguagePageTest, LoadSetsFixedTextsKeysDefinitionBlockAndPlaysTheSound) {
  Page& page = Start();
  EXPECT_EQ(page.caption, "Veltrona Zozo Installation");
  EXPECT_EQ(page["Lab_Welcome"].text, "Select Language");
  EXPECT_EQ(page["Lab_Welcome"].font.face, "Times New Roman");
  EXPECT_EQ(page["Opt_FRA"].text,
            "Fran\xE7"
            "ais");
  EXPECT_FALSE(page["Cmd_Prev"].enabled);
  EXPECT_TRUE(page["Cmd_Next"].is_default);
  EXPECT_EQ(state.gsArchiveGuid[1].size(), 38u);
  EXPECT_EQ(state.gsArchiveGuid[9].front(), '{');
  EXPECT_EQ(state.gSpbDefinition, std::string(566, '\x5A'));
  EXPECT_EQ(fake.sound.played, std::vector<std::string>{"D:\\Setup\\setup.wav"});
}

TEST_F(LanguagePageTest, OnlyLanguagesWithMessageFilesAreOfferedAndNoSoundIsNoError) {
  fake.files.Remove("D:\\Setup\\ITEMS.ITA");
  fake.files.Remove("D:\\Setup\\ITEMS.FRA");
  fake.files.Remove("D:\\Setup\\setup.wav");
  Page& page = Start();
  EXPECT_TRUE(page["Opt_ENG"].visible);
  EXPECT_TRUE(page["Opt_GER"].visible);
  EXPECT_FALSE(page["Opt_ITA"].visible);
  EXPECT_FALSE(page["Opt_FRA"].enabled);
  EXPECT_TRUE(fake.sound.played.empty());
}

TEST_F(LanguagePageTest, PreselectionFollowsTheSystemLanguage) {
  struct Case {
    uint16_t id;
    const char* selected;
  };
  for (Case c : {Case{0x0407, "Opt_GER"}, Case{0x0807, "Opt_GER"}, Case{0x0410, "Opt_ITA"},
                 Case{0x040C, "Opt_ENG"}, Case{0x0409, "Opt_ENG"}}) {
    FakePlatform machine;
    DescribeTypicalMachine(machine);
    machine.system.language_id = c.id;
    ProgramState s;
    Context context{s, machine.platform};
    Wizard w(context);
    w.Start();
    EXPECT_EQ(machine.window.visible_page()->SelectedOption("Frm_1"), c.selected) << c.id;
  }
}

TEST_F(LanguagePageTest, AMissingPreselectedLanguageFallsBackToOneThatIsThere) {
  fake.system.language_id = 0x0407;
  fake.files.Remove("D:\\Setup\\ITEMS.GER");
  EXPECT_EQ(Start().SelectedOption("Frm_1"), "Opt_ENG");
}

TEST_F(LanguagePageTest, NextLoadsTheChosenLanguageAndMovesToTheWelcomePage) {
  fake.files.AddFile("D:\\Setup\\ITEMS.GER", MakeMessageFile({"%APPTITLE% Installation"}));
  Start();
  fake.window.ChooseOption("Opt_GER");
  fake.window.Click("Cmd_Next");
  EXPECT_EQ(state.gsLanguage, "D");
  EXPECT_EQ(state.gsLicenseFile, "\\lizenz.txt");
  EXPECT_EQ(state.MessageCatalogue[1], "Veltrona Zozo Installation");
  EXPECT_EQ(fake.window.visible_page()->name(), "Welcome");
}

TEST_F(LanguagePageTest, AMessageFileThatVanishedEndsTheProgramNamingIt) {
  Start();
  fake.files.Remove("D:\\Setup\\ITEMS.ENG");
  EXPECT_THROW(fake.window.Click("Cmd_Next"), ProcessEnded);
  ASSERT_EQ(fake.window.messages().size(), 2u);
  EXPECT_EQ(fake.window.messages()[0].text, "Message File could not be loaded!");
  EXPECT_EQ(fake.window.messages()[1].text,
            "ERROR: Itemfiles D:\\Setup\\ITEMS.ENG not found!\r\nProgram will abort!");
  EXPECT_NE(Log().find("| ERROR: Itemfiles D:\\Setup\\ITEMS.ENG not found!\r\n"),
            std::string::npos);
}

TEST_F(LanguagePageTest, UnreadableFilesEndTheProgramWithAMessageNamingThem) {
  fake.files.Break("D:\\Setup\\spb_def.bin", kErrPermissionDenied);
  EXPECT_THROW(Start(), ProcessEnded);
  EXPECT_NE(fake.window.messages().back().text.find("D:\\Setup\\spb_def.bin could not be read"),
            std::string::npos);

  FakePlatform machine;
  DescribeTypicalMachine(machine);
  ProgramState s;
  Context context{s, machine.platform};
  Wizard w(context);
  w.Start();
  machine.files.Break("D:\\Setup\\ITEMS.ENG", kErrPermissionDenied);
  EXPECT_THROW(machine.window.Click("Cmd_Next"), ProcessEnded);
  EXPECT_NE(machine.window.messages().back().text.find("ITEMS.ENG could not be read"),
            std::string::npos);
}

TEST_F(LanguagePageTest, CancelAsksItsOwnQuestionAndLogsNoAbortLine) {
  Start();
  fake.window.Answer(kLanguageQuitBox, kAnswerNo);
  fake.window.Click("Cmd_Quit");
  EXPECT_EQ(fake.window.visible_page()->name(), "Setup");
  fake.window.Answer(kLanguageQuitBox, kAnswerYes);
  EXPECT_THROW(fake.window.Click("Cmd_Quit"), ProcessEnded);
  EXPECT_EQ(fake.window.messages()[0].title, "Installing");
  EXPECT_EQ(fake.window.messages()[0].text, "Do you want to abort this installation?");
  EXPECT_EQ(Log().find("SETUP aborted by user!"), std::string::npos);
  EXPECT_NE(Log().find("Closing all forms...\r\n"), std::string::npos);
  EXPECT_EQ(fake.processes.terminated.size(), 1u);
}

}  // namespace
}  // namespace vlrna
