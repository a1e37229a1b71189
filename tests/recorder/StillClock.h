#pragma once
// A clock that stands still until the test moves it.

#include <cstdint>

#include "platform/os/Clock.h"

class StillClock : public IClock {
 public:
  std::uint64_t tick = 1000000;
  SYSTEMTIME time{2024, 1, 3, 31, 13, 5, 9, 0};
  std::uint64_t TickCount64() override { return tick; }
  SYSTEMTIME LocalTime() override { return time; }
};
