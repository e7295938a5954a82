#include "install/overall_progress.h"

#include <gtest/gtest.h>

namespace vlrna {
namespace {

constexpr uint64_t kMB = 1024 * 1024;

TEST(OverallProgressTest, BytesSpeedAndTimeLeftOfAKnownSet) {
  OverallProgress p(3);
  p.SetTotal(0, 100 * kMB);
  p.SetTotal(1, 0);  // an empty archive
  p.SetTotal(2, 300 * kMB);
  OverallFigures f = p.Figures();
  EXPECT_TRUE(f.total_complete);
  EXPECT_EQ(f.total_bytes, 400 * kMB);
  EXPECT_EQ(*f.percent, 0);
  EXPECT_FALSE(f.bytes_per_second);  // nothing measured yet
  EXPECT_FALSE(f.seconds_left);

  p.Begin(0, 10'000);
  p.Update(0, 40 * kMB, 12'000);
  p.Update(0, 30 * kMB, 13'000);  // a figure never goes back
  f = p.Figures();
  EXPECT_EQ(f.done_bytes, 40 * kMB);
  EXPECT_EQ(*f.percent, 10);
  EXPECT_DOUBLE_EQ(*f.bytes_per_second, 40.0 * kMB / 3);
  EXPECT_EQ(*f.seconds_left, 27);  // 360 MB at 13.3 MB/s

  p.Finish(0, 14'000);  // the last bytes the library did not report count too
  // A minute at the disc prompt is not unpacking time.
  p.Begin(1, 74'000);
  p.Finish(1, 74'000);
  p.Begin(2, 74'000);
  p.Update(2, 500 * kMB, 79'000);  // more than the archive holds
  f = p.Figures();
  EXPECT_EQ(f.done_bytes, 400 * kMB);
  EXPECT_EQ(*f.percent, 100);
  EXPECT_DOUBLE_EQ(*f.bytes_per_second, 400.0 * kMB / 9);
  EXPECT_EQ(*f.seconds_left, 0);
}

TEST(OverallProgressTest, AnArchiveFoundLateRaisesTheTotalWithoutMovingBack) {
  OverallProgress p(2);
  p.SetTotal(0, 10 * kMB);
  p.Begin(0, 0);
  p.Update(0, 10 * kMB, 1'000);
  p.Finish(0, 1'000);
  OverallFigures before = p.Figures();
  EXPECT_FALSE(before.total_complete);
  EXPECT_EQ(before.total_bytes, 10 * kMB);  // at least
  EXPECT_FALSE(before.percent);             // would be 100% of what is known
  EXPECT_FALSE(before.seconds_left);
  EXPECT_DOUBLE_EQ(*before.bytes_per_second, 10.0 * kMB);

  p.SetTotal(1, 30 * kMB);  // the second disc is in
  p.Begin(1, 50'000);
  OverallFigures after = p.Figures();
  EXPECT_TRUE(after.total_complete);
  EXPECT_EQ(after.total_bytes, 40 * kMB);
  EXPECT_EQ(after.done_bytes, before.done_bytes);
  EXPECT_EQ(*after.percent, 25);
  EXPECT_EQ(*after.seconds_left, 3);
}

TEST(OverallProgressTest, SpeedNeedsHalfASecondOfUnpacking) {
  OverallProgress p(1);
  p.SetTotal(0, 10 * kMB);
  p.Begin(0, 0);
  p.Update(0, kMB, OverallProgress::kMinMeasuredMillis - 1);
  EXPECT_FALSE(p.Figures().bytes_per_second);
  p.Update(0, kMB, OverallProgress::kMinMeasuredMillis);
  EXPECT_TRUE(p.Figures().bytes_per_second);
  EXPECT_THROW(p.Update(1, 0, 0), std::out_of_range);
}

}  // namespace
}  // namespace vlrna
