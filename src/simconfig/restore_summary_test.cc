#include "simconfig/restore_summary.h"

#include <gtest/gtest.h>

#include "platform/fake/fake_machine.h"
#include "shell/message_catalogue.h"

namespace vlrna {
namespace {

using enum RestoreOutcome;

RestoredSimulator Simulator(int row, std::vector<RestoreOutcome> outcomes,
                            const std::string& reason = "") {
  RestoredSimulator simulator;
  simulator.row = row;
  const char* names[] = {"AutogenDescriptions.spb", "AutogenDescriptions_Legacy.spb"};
  for (size_t i = 0; i < outcomes.size(); ++i) {
    simulator.files.push_back({std::string("E:\\P3D4\\Autogen\\") + names[i], outcomes[i], reason});
  }
  return simulator;
}

TEST(RestoreSummaryTest, EachLineSaysWhatHappenedAndTheIconWarnsOfAnythingElse) {
  struct Case {
    std::vector<RestoredSimulator> restored;
    std::string text;
    MessageIcon icon;
  };
  const std::vector<Case> cases = {
      {{}, "", MessageIcon::kNone},
      {{Simulator(0, {kRestored}), Simulator(4, {kUpToDate})},
       "Flightsimulator X: T57\r\nPrepar3D v3.x: T58\r\n",
       MessageIcon::kNone},
      {{Simulator(5, {kRestored, kRestored})}, "Prepar3D v4.x: T57\r\n", MessageIcon::kNone},
      {{Simulator(5, {kUpToDate, kRestored})},
       "Prepar3D v4.x: AutogenDescriptions.spb: T58; AutogenDescriptions_Legacy.spb: T57\r\n",
       MessageIcon::kNone},
      {{Simulator(1, {kMissing}), Simulator(5, {kRestored, kNotRecognised})},
       "Flightsimulator X (Steam Edition): T59\r\nPrepar3D v4.x: AutogenDescriptions.spb: T57; "
       "AutogenDescriptions_Legacy.spb: T60\r\n",
       MessageIcon::kExclamation},
      {{Simulator(2, {kNotWritten}, "Permission denied: X"), Simulator(3, {kRestored})},
       "Prepar3D v1.x: T61 Permission denied: X\r\nPrepar3D v2.x: T57\r\n",
       MessageIcon::kExclamation},
  };
  ProgramState state;
  ParseMessageFile(MakeMessageFile(NumberedTexts(61)), state.MessageCatalogue);
  for (const Case& c : cases) {
    MessageRequest box = RestoreSummaryBox(state, c.restored);
    EXPECT_EQ(box.text, c.text);
    EXPECT_EQ(box.icon, c.icon) << c.text;
    EXPECT_EQ(box.title, "T56");
    EXPECT_EQ(box.id, kOptionsSummaryBox);
    EXPECT_EQ(box.buttons, MessageButtons::kOk);
  }
}

TEST(RestoreSummaryTest, AMessageFileWithoutTheNewerTextsFallsBackToEnglish) {
  ProgramState state;
  ParseMessageFile(MakeMessageFile(NumberedTexts(57)), state.MessageCatalogue);
  EXPECT_EQ(
      RestoreSummaryBox(state, {Simulator(0, {kUpToDate}), Simulator(4, {kNotWritten}, "R")}).text,
      "Flightsimulator X: autogen descriptions already up to date\r\n"
      "Prepar3D v3.x: autogen description file could not be written: R\r\n");
}

}  // namespace
}  // namespace vlrna
