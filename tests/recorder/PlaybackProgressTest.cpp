// The playback progress bar: position to bar and bar to position.

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

#include "recorder/PlaybackProgress.h"

namespace {

TEST(PlaybackProgress, PositionOnTheBarIsRoundedAndHeldToItsRange) {
  struct Case {
    std::int64_t position, total;
    int progress;
  };
  const std::int64_t huge = std::numeric_limits<std::int64_t>::max();
  const Case cases[] = {
      {0, 44100, 0},       {22050, 44100, 500},   {44, 44100, 1},    // 0.998 rounds up
      {22, 44100, 0},      {44100, 44100, 1000},  {50000, 44100, 1000},
      {-5, 44100, 0},      {100, 0, 0},           {100, -1, 0},      // a file of no length
      {huge / 2, huge, 500}, {huge - 1, huge, 1000},
  };
  for (const Case& c : cases) EXPECT_EQ(ProgressOf(c.position, c.total), c.progress) << c.position << "/" << c.total;
}

TEST(PlaybackProgress, PlaceOnTheBarGivesTheSampleToSeek) {
  EXPECT_EQ(SeekTarget(0, 44100), 0);
  EXPECT_EQ(SeekTarget(500, 44101), 22051);  // 22050.5 rounds up
  EXPECT_EQ(SeekTarget(1000, 44100), 44100);
  EXPECT_EQ(SeekTarget(1500, 44100), 44100);
  EXPECT_EQ(SeekTarget(-3, 44100), 0);
  EXPECT_EQ(SeekTarget(700, 0), 0);
  const std::int64_t huge = std::numeric_limits<std::int64_t>::max();
  EXPECT_EQ(SeekTarget(1000, huge), huge);
}

}  // namespace
