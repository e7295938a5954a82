#include "platform/posix/name_case.h"

#include <gtest/gtest.h>

namespace vlrna {
namespace {

TEST(NameCaseTest, NamesCompareWithoutRegardToCaseInEveryAlphabet) {
  EXPECT_TRUE(SameNameIgnoringCase("Scenery.CFG", "scenery.cfg"));
  EXPECT_TRUE(
      SameNameIgnoringCase("M\xC3\x9C"
                           "NCHEN",
                           "m\xC3\xBC"
                           "nchen"));  // Ü ü
  EXPECT_TRUE(
      SameNameIgnoringCase("\xD0\x9C\xD0\x98\xD0\xA0", "\xD0\xBC\xD0\xB8\xD1\x80"));  // МИР мир
  EXPECT_FALSE(SameNameIgnoringCase("scenery.cfg", "scenery.cf"));
  EXPECT_FALSE(SameNameIgnoringCase("a", "\xC3\xA0"));
}

}  // namespace
}  // namespace vlrna
