// The recording's clock (duration with pauses left out) and the automatic
// split, which counts pauses in.

#include <gtest/gtest.h>

#include "platform/os/Clock.h"
#include "recorder/AutoSplit.h"
#include "recorder/GlobeVar.h"
#include "recorder/RecordingTimes.h"

namespace {

class FakeClock : public IClock {
 public:
  std::uint64_t TickCount64() override { return ticks; }
  SYSTEMTIME LocalTime() override { return {}; }
  std::uint64_t ticks = 5'000'000;
};

class RecordingClockTest : public testing::Test {
 protected:
  void SetUp() override { SetClock(&clock); }
  void TearDown() override { SetClock(nullptr); }
  void Advance(std::uint64_t ms) { clock.ticks += ms; }

  FakeClock clock;
  TRecordingTimes times;
};

TEST_F(RecordingClockTest, PauseOfTenSecondsInSixtyShowsFifty) {
  times.Start(GetTickCount64());
  Advance(20'000);
  times.Pause(GetTickCount64());
  Advance(10'000);
  times.Resume(GetTickCount64());
  Advance(30'000);
  EXPECT_EQ(FormatDurationClock(static_cast<std::int64_t>(times.Duration(GetTickCount64()))), "00 : 00 : 50");
  EXPECT_EQ(times.Elapsed(GetTickCount64()), 60'000u);
  EXPECT_EQ(times.PausedTotal(), 10'000u);
}

TEST_F(RecordingClockTest, RepeatedPauseAndResumeCountOnce) {
  times.Start(GetTickCount64());
  Advance(1000);
  times.Pause(GetTickCount64());
  Advance(1000);
  times.Pause(GetTickCount64());  // already paused: the first pause counts
  Advance(1000);
  times.Resume(GetTickCount64());
  times.Resume(GetTickCount64());
  Advance(1000);
  EXPECT_EQ(times.Duration(GetTickCount64()), 2000u);
  // A new start forgets the pauses of the last recording.
  times.Start(GetTickCount64());
  Advance(500);
  EXPECT_EQ(times.Duration(GetTickCount64()), 500u);
  EXPECT_FALSE(times.Paused());
}

TEST_F(RecordingClockTest, ATickBeforeTheStartGivesZeroNotAHugeDuration) {
  times.Start(GetTickCount64());
  EXPECT_EQ(times.Elapsed(GetTickCount64() - 10), 0u);
  EXPECT_EQ(times.Duration(GetTickCount64() - 10), 0u);
}

TEST_F(RecordingClockTest, PausedRecordingIsSplitThirtySecondsAfterItsStart) {
  const TSplitSettings split{true, 0, 30, true};
  times.Start(GetTickCount64());
  Advance(5000);
  times.Pause(GetTickCount64());
  Advance(20'000);
  times.Resume(GetTickCount64());
  Advance(5000);
  EXPECT_FALSE(SplitIsDue(split, times.Elapsed(GetTickCount64())));  // exactly 30 s
  Advance(1);
  EXPECT_TRUE(SplitIsDue(split, times.Elapsed(GetTickCount64())));
}

TEST(AutoSplit, DueOnlyWhenOnAndLongerThanTheLength) {
  struct Case {
    TSplitSettings split;
    std::uint64_t elapsed;
    bool due;
  };
  const Case cases[] = {
      {{true, 1, 30, false}, 90'000, false},
      {{true, 1, 30, false}, 90'001, true},
      {{false, 1, 30, false}, 10'000'000, false},
      {{true, 0, 0, true}, 10'000'000, false},    // no length: never split
      {{true, 0, 0, false}, 1, false},
      {{true, -1, 30, true}, 10'000'000, false},  // a negative length counts as none
      {{true, 2, -30, true}, 90'001, true},
      {{true, 35791, 0, false}, 2'147'460'000, false},  // beyond 32 bits of ms
      {{true, 35791, 0, false}, 2'147'460'001, true},
  };
  for (const Case& c : cases)
    EXPECT_EQ(SplitIsDue(c.split, c.elapsed), c.due)
        << c.split.TimeMinute << " min " << c.split.TimeSecond << " s at " << c.elapsed;
  EXPECT_EQ(SplitLengthMs({true, 0, 0, false}), 0);
  EXPECT_EQ(SplitLengthMs({true, 1, 5, false}), 65'000);
}

}  // namespace
