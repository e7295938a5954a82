#include "preview/text_diff.h"

#include <gtest/gtest.h>

#include <cstdio>

namespace vlrna {
namespace {

using Lines = std::vector<std::string>;

// Applies a unified diff as `patch` would, checking every kept and removed
// line against `before`.
Lines Apply(const Lines& before, const Lines& diff) {
  Lines out;
  size_t next = 0;  // the first line of `before` not yet copied
  for (const std::string& line : diff) {
    if (line.starts_with("@@")) {
      unsigned start = 0, count = 0;
      EXPECT_EQ(std::sscanf(line.c_str(), "@@ -%u,%u", &start, &count), 2) << line;
      size_t first = count == 0 ? start : start - 1;
      EXPECT_GE(first, next) << line;
      while (next < first) out.push_back(before[next++]);
    } else if (line[0] == '+') {
      out.push_back(line.substr(1));
    } else {
      EXPECT_LT(next, before.size()) << line;
      if (next >= before.size()) break;
      EXPECT_EQ(before[next], line.substr(1));
      if (line[0] == ' ') out.push_back(before[next]);
      ++next;
    }
  }
  while (next < before.size()) out.push_back(before[next++]);
  return out;
}

Lines Numbered(int count, const std::string& prefix = "line ") {
  Lines lines;
  for (int i = 1; i <= count; ++i) lines.push_back(prefix + std::to_string(i));
  return lines;
}

TEST(TextDiff, SplitsAtEitherLineEndAndKeepsALastLineWithoutOne) {
  EXPECT_EQ(SplitLines("a\r\nb\n\r\nc"), (Lines{"a", "b", "", "c"}));
  EXPECT_EQ(SplitLines("a\r\n"), (Lines{"a"}));
  EXPECT_TRUE(SplitLines("").empty());
}

TEST(TextDiff, AppendedAreasShowAsOneHunkWithContext) {
  Lines before = {"[Area.001]", "Title=World", "Layer=1", "Active=TRUE"};
  Lines after = before;
  after.insert(after.end(), {"", "[Area.002]", "Title=Veltrona"});
  EXPECT_EQ(UnifiedDiff(before, after),
            (Lines{"@@ -2,3 +2,6 @@", " Title=World", " Layer=1", " Active=TRUE", "+",
                   "+[Area.002]", "+Title=Veltrona"}));
  EXPECT_TRUE(UnifiedDiff(before, before).empty());
}

TEST(TextDiff, EveryDiffAppliedGivesTheNewLines) {
  Lines many = Numbered(40);
  Lines changed_far_apart = many;
  changed_far_apart[2] = "two";
  changed_far_apart[30] = "thirty";
  Lines changed_close = many;
  changed_close[10] = "ten";
  changed_close.erase(changed_close.begin() + 14);
  Lines reordered = {"b", "a", "c", "a", "b"};
  const struct {
    const char* name;
    Lines before, after;
  } cases[] = {
      {"from nothing", {}, {"a", "b"}},
      {"to nothing", {"a", "b"}, {}},
      {"changes far apart", many, changed_far_apart},
      {"changes close together", many, changed_close},
      {"reordered", {"a", "b", "c", "a", "b", "b", "a"}, reordered},
      {"repeated lines", {"", "", "x", "", ""}, {"", "x", "", "", "", "y"}},
      {"replaced whole", Numbered(3000, "a"), Numbered(3000, "b")},
  };
  for (const auto& c : cases) {
    const Lines diff = UnifiedDiff(c.before, c.after);
    EXPECT_EQ(Apply(c.before, diff), c.after) << c.name;
    // Two changes 28 lines apart are two hunks; 4 apart, one.
    if (std::string(c.name) == "changes far apart") {
      EXPECT_EQ(diff[0], "@@ -1,6 +1,6 @@");
    }
    if (std::string(c.name) == "changes close together") {
      EXPECT_EQ(diff.size(), 13u);
    }
  }
}

}  // namespace
}  // namespace vlrna
