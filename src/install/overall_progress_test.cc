#include "install/overall_progress.h"

#include <gtest/gtest.h>

namespace vlrna {
namespace {

constexpr uint64_t kMB = 1024 * 1024;

TEST(OverallProgressTest, CountsOnlyTheUnpackingAndNeverMovesBack) {
  OverallProgress p(3);
  p.SetTotal(0, 100 * kMB);
  p.SetTotal(1, 0);  // an empty archive; the third is on a disc not yet in
  p.Begin(0, 10'000);
  p.Update(0, 40 * kMB, 10'000 + OverallProgress::kMinMeasuredMillis - 1);
  EXPECT_FALSE(p.Figures().bytes_per_second);  // too soon to tell
  p.Update(0, 40 * kMB, 12'000);
  p.Update(0, 30 * kMB, 13'000);  // a figure never goes back
  OverallFigures f = p.Figures();
  EXPECT_EQ(f.done_bytes, 40 * kMB);
  EXPECT_EQ(f.total_bytes, 100 * kMB);  // at least: no percent, no time left
  EXPECT_FALSE(f.total_complete || f.percent || f.seconds_left);
  EXPECT_DOUBLE_EQ(*f.bytes_per_second, 40.0 * kMB / 3);

  p.Finish(0, 14'000);  // bytes the library did not report count too
  p.Begin(1, 74'000);   // a minute at the disc prompt is not unpacking time
  p.Finish(1, 74'000);
  p.SetTotal(2, 300 * kMB);
  p.Begin(2, 74'000);
  p.Update(2, 100 * kMB, 79'000);
  f = p.Figures();
  EXPECT_EQ(f.done_bytes, 200 * kMB);
  EXPECT_EQ(*f.percent, 50);
  EXPECT_DOUBLE_EQ(*f.bytes_per_second, 200.0 * kMB / 9);
  EXPECT_EQ(*f.seconds_left, 9);
  p.Update(2, 500 * kMB, 80'000);  // more than the archive holds
  EXPECT_EQ(*p.Figures().percent, 100);
}

}  // namespace
}  // namespace vlrna
