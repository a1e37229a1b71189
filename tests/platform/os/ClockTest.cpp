#include "platform/os/Clock.h"

#include <gtest/gtest.h>

TEST(Clock, TicksAreMonotonicMillisecondsAndSleepWaits) {
  std::uint64_t before = GetTickCount64();
  Sleep(20);
  std::uint64_t after = GetTickCount64();
  EXPECT_GE(after - before, 20u);
  EXPECT_LT(after - before, 2000u);
}

TEST(Clock, LocalTimeHasPlausibleFieldsAndAReplacementSetsTheTime) {
  SYSTEMTIME now;
  GetLocalTime(now);
  EXPECT_GE(now.wYear, 2024);
  EXPECT_TRUE(now.wMonth >= 1 && now.wMonth <= 12);
  EXPECT_TRUE(now.wDay >= 1 && now.wDay <= 31);
  EXPECT_LE(now.wDayOfWeek, 6);

  struct FixedClock : IClock {
    std::uint64_t TickCount64() override { return 0x1'0000'0005ULL; }
    SYSTEMTIME LocalTime() override { return {2026, 3, 0, 1, 8, 0, 5, 0}; }
  } fixed;
  SetClock(&fixed);
  GetLocalTime(now);
  std::uint64_t ticks = GetTickCount64();
  DWORD wrapped = GetTickCount();
  SetClock(nullptr);
  EXPECT_EQ(now.wYear, 2026);
  EXPECT_EQ(now.wDayOfWeek, 0);
  EXPECT_EQ(now.wSecond, 5);
  EXPECT_EQ(ticks, 0x1'0000'0005ULL);
  EXPECT_EQ(wrapped, 5u);  // the 32-bit count wraps
}
