#include "simconfig/autogen_unpatch.h"

#include <gtest/gtest.h>

#include "simconfig/autogen_scan.h"
#include "simconfig/autogen_test_files.h"

namespace vlrna {
namespace {

std::string Patched(const std::string& file) {
  AutogenScan scan = ScanAutogenDescriptions(file);
  EXPECT_EQ(PatchLayoutProblem(scan, file.size()), "");
  return SpliceDefinitionBlock(file, scan, DefinitionBlock());
}

TEST(AutogenUnpatchTest, TakesTheBlockOutSoTheFileIsAsBefore) {
  const std::string other_end("\x11\x22\x33\x44", 4);
  struct Case {
    std::string original;
    std::string overwritten;  // as the record holds it
  };
  for (const Case& c : {Case{AutogenFile({}), kListEnd}, Case{AutogenFile({"{x}", "{y}"}), ""},
                        Case{AutogenFile({"{x}"}, other_end), other_end}}) {
    std::string out;
    ASSERT_EQ(RemoveDefinitionBlock(Patched(c.original), DefinitionBlock(), c.overwritten, &out),
              UnpatchResult::kRemoved);
    EXPECT_EQ(out, c.original);
    EXPECT_EQ(RemoveDefinitionBlock(out, DefinitionBlock(), c.overwritten, &out),
              UnpatchResult::kNoRecords);
  }
}

TEST(AutogenUnpatchTest, LeavesFilesItCannotUndoExactly) {
  std::string out = "untouched";
  const std::string patched = Patched(AutogenFile({}));
  // The simulator's own records after ours, or a block that is not ours.
  const std::string moved = AutogenFile({kMarker1, "{later}"});
  std::string other_block = DefinitionBlock();
  other_block[100] ^= 1;
  EXPECT_EQ(RemoveDefinitionBlock(moved, DefinitionBlock(), "", &out), UnpatchResult::kMoved);
  EXPECT_EQ(RemoveDefinitionBlock(patched, other_block, "", &out), UnpatchResult::kMoved);
  EXPECT_EQ(RemoveDefinitionBlock(patched, "short", "", &out), UnpatchResult::kMoved);
  EXPECT_EQ(RemoveDefinitionBlock("not spb", DefinitionBlock(), "", &out),
            UnpatchResult::kNotRecognised);
  EXPECT_EQ(
      RemoveDefinitionBlock(patched.substr(0, patched.size() - 20), DefinitionBlock(), "", &out),
      UnpatchResult::kNotRecognised);
  EXPECT_EQ(out, "untouched");
}

}  // namespace
}  // namespace vlrna
