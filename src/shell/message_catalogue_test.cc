#include "shell/message_catalogue.h"

#include <gtest/gtest.h>

#include "platform/fake/fake_machine.h"

namespace vlrna {
namespace {

using Catalogue = std::array<std::string, 101>;

Catalogue Parse(const std::string& bytes) {
  Catalogue catalogue;
  ParseMessageFile(bytes, catalogue);
  return catalogue;
}

TEST(MessageFileFormatTest, TextsBetweenControlBytesWithLineBreaksIgnoredOutside) {
  Catalogue c = Parse(
      "\x01Next >\x02\r\n\x01"
      "Back\x02\x03");
  EXPECT_EQ(c[0], "2");
  EXPECT_EQ(c[1], "Next >");
  EXPECT_EQ(c[2], "Back");
}

TEST(MessageFileFormatTest, OddOrdersOfControlBytes) {
  // An unterminated text runs on into the next number, keeping the 0x01.
  Catalogue run_on = Parse(
      "\x01"
      "A\x01"
      "B\x02");
  EXPECT_EQ(run_on[1], "");
  EXPECT_EQ(run_on[2],
            "A\x01"
            "B");
  EXPECT_EQ(run_on[0], "2");
  // A second 0x02 stores an empty text over the first.
  EXPECT_EQ(Parse("\x01"
                  "A\x02\x02")[1],
            "");
  // Only 0x03: no texts.
  Catalogue empty = Parse("\x03");
  EXPECT_EQ(empty[0], "0");
  EXPECT_EQ(empty[1], "");
  // Nothing after 0x03 is read; without 0x03 the end of the file ends it.
  Catalogue stop = Parse("\x01X\x02\x03\x01Y\x02\x01Z\x02");
  EXPECT_EQ(stop[0], "1");
  EXPECT_EQ(stop[2], "");
  EXPECT_EQ(Parse("\x01X\x02\x01Y")[0], "2");
  // Texts keep their own line breaks.
  EXPECT_EQ(Parse("\x01one\r\ntwo\x02\x03")[1], "one\r\ntwo");
}

TEST(MessageFileFormatTest, AppTitleIsReplacedOnlyInCapitals) {
  Catalogue c = Parse("\x01Install %APPTITLE% now, %APPTITLE%!\x02\x01%apptitle%\x02\x03");
  EXPECT_EQ(c[1], "Install Veltrona Zozo now, Veltrona Zozo!");
  EXPECT_EQ(c[2], "%apptitle%");
}

TEST(MessageFileFormatTest, TextsPastEntryHundredAreIgnored) {
  std::string bytes;
  for (int i = 1; i <= 150; ++i) bytes += "\x01text" + std::to_string(i) + "\x02";
  Catalogue c = Parse(bytes);
  EXPECT_EQ(c[100], "text100");
  EXPECT_EQ(c[0], "150");
}

TEST(MessageFileFormatTest, ALaterFileLeavesHigherEntriesOfTheEarlierOne) {
  Catalogue c;
  ParseMessageFile(
      "\x01"
      "a\x02\x01"
      "b\x02\x01"
      "c\x02",
      c);
  ParseMessageFile("\x01x\x02", c);
  EXPECT_EQ(c[0], "1");
  EXPECT_EQ(c[1], "x");
  EXPECT_EQ(c[3], "c");
}

TEST(ReplaceAllTest, ReplacesEveryOccurrenceOnceAndNeverHangs) {
  std::string text = "%DRIVE%\\x%DRIVE%";
  ReplaceAll(text, "%DRIVE%", "C:");
  EXPECT_EQ(text, "C:\\xC:");
  // A replacement that holds the searched text is not searched again.
  text = "Install to %INSTPATH%";
  ReplaceAll(text, "%INSTPATH%", "D:\\%INSTPATH%\\vlrna\\");
  EXPECT_EQ(text, "Install to D:\\%INSTPATH%\\vlrna\\");
  text = "abc";
  ReplaceAll(text, "", "x");
  EXPECT_EQ(text, "abc");
  ReplaceAll(text, "B", "x");
  EXPECT_EQ(text, "abc");
}

class LoadMessageFileTest : public ::testing::Test {
 protected:
  FakePlatform fake;
  ProgramState state;
  Context ctx{state, fake.platform};
};

TEST_F(LoadMessageFileTest, MissingFileShowsTheBoxAndReturnsFalse) {
  fake.files.AddFolder("D:\\Setup\\ITEMS.ENG");  // a folder is no message file
  EXPECT_FALSE(LoadMessageFile(ctx, "D:\\Setup\\ITEMS.ENG"));
  ASSERT_EQ(fake.window.messages().size(), 1u);
  EXPECT_EQ(fake.window.messages()[0].text, "Message File could not be loaded!");
  EXPECT_EQ(fake.window.messages()[0].title, "Installing");
}

TEST_F(LoadMessageFileTest, HiddenFileDoesNotCountAndUnreadableFileRaises) {
  fake.files.AddFile("D:\\Setup\\ITEMS.GER", MakeMessageFile({"Hallo"}));
  fake.files.SetHidden("D:\\Setup\\ITEMS.GER", true);
  EXPECT_FALSE(FileExists(ctx, "D:\\Setup\\ITEMS.GER"));
  fake.files.AddFile("D:\\Setup\\ITEMS.ENG", MakeMessageFile({"Hello"}));
  fake.files.Break("D:\\Setup\\ITEMS.ENG", kErrPermissionDenied);
  EXPECT_THROW(LoadMessageFile(ctx, "D:\\Setup\\ITEMS.ENG"), RuntimeError);
}

TEST_F(LoadMessageFileTest, TheWesternTextsArriveInTheMachinesCodePage) {
  // Grüße, euro sign, ellipsis, guillemets: 1252 bytes as the build writes them.
  const std::string file =
      MakeMessageFile({"Gr\xFC\xDF"
                       "e \x80 \x85",
                       "\xAB%APPTITLE%\xBB"});
  fake.files.AddFile("D:\\Setup\\ITEMS.GER", file);
  ASSERT_TRUE(LoadMessageFile(ctx, "D:\\Setup\\ITEMS.GER"));
  EXPECT_EQ(state.MessageCatalogue[1],
            "Gr\xFC\xDF"
            "e \x80 \x85");  // a western machine: as written
  fake.code_page = FakeCodePage(1251, kWindows1251HighHalf);
  ASSERT_TRUE(LoadMessageFile(ctx, "D:\\Setup\\ITEMS.GER"));
  EXPECT_EQ(state.MessageCatalogue[1], "Gr??e \x88 \x85");  // no umlauts in 1251
  EXPECT_EQ(state.MessageCatalogue[2], "\xABVeltrona Zozo\xBB");
  EXPECT_EQ(state.MessageCatalogue[0], "2");
}

TEST_F(LoadMessageFileTest, DefinitionBlockTakesTheFirst566BytesAndRefusesAShortFile) {
  state.gsAppPath = "D:\\Setup";
  fake.files.AddFile("D:\\Setup\\spb_def.bin", std::string(566, 'a') + "tail");
  LoadSpbDefinition(ctx);
  EXPECT_EQ(state.gSpbDefinition, std::string(566, 'a'));
  fake.files.AddFile("D:\\Setup\\spb_def.bin", std::string(565, 'a'));
  EXPECT_THROW(LoadSpbDefinition(ctx), RuntimeError);
  fake.files.Remove("D:\\Setup\\spb_def.bin");
  EXPECT_THROW(LoadSpbDefinition(ctx), RuntimeError);
}

}  // namespace
}  // namespace vlrna
