#include "simconfig/restore_summary.h"

#include <gtest/gtest.h>

namespace vlrna {
namespace {

// The options page's tests show the lines of real restores; these are the
// cases around them.
TEST(RestoreSummaryTest, EmptyMixedButFineAndOlderMessageFiles) {
  ProgramState state;
  for (int i = 1; i <= 61; ++i) state.MessageCatalogue[i] = "T" + std::to_string(i);
  EXPECT_EQ(RestoreSummaryBox(state, {}).text, "");

  RestoredSimulator p3d4{
      5,
      {{"E:\\P3D4\\Autogen\\AutogenDescriptions.spb", RestoreOutcome::kUpToDate, "", ""},
       {"E:\\P3D4\\Autogen\\AutogenDescriptions_Legacy.spb", RestoreOutcome::kRestored, "", ""}}};
  MessageRequest box = RestoreSummaryBox(state, {p3d4});
  EXPECT_EQ(box.text,
            "Prepar3D v4.x: AutogenDescriptions.spb: T58; AutogenDescriptions_Legacy.spb: T57\r\n");
  EXPECT_EQ(box.icon, MessageIcon::kNone);

  state.MessageCatalogue[58].clear();  // a message file older than the entry
  p3d4.files.pop_back();
  EXPECT_EQ(RestoreSummaryLine(state, p3d4),
            "Prepar3D v4.x: autogen descriptions already up to date");
}

}  // namespace
}  // namespace vlrna
