#pragma once
// Time: a monotonic millisecond counter for measuring intervals and the
// local wall-clock time for schedules. Both come from one replaceable
// clock, so tests can set the time.

#include <cstdint>

#include "platform/base/Types.h"

struct SYSTEMTIME {
  WORD wYear = 0;
  WORD wMonth = 0;      // 1..12
  WORD wDayOfWeek = 0;  // 0 = Sunday .. 6 = Saturday
  WORD wDay = 0;        // 1..31
  WORD wHour = 0;
  WORD wMinute = 0;
  WORD wSecond = 0;
  WORD wMilliseconds = 0;
};

class IClock {
 public:
  virtual ~IClock() = default;
  // Milliseconds since an arbitrary fixed point; never goes backwards.
  virtual std::uint64_t TickCount64() = 0;
  virtual SYSTEMTIME LocalTime() = 0;
};

// Puts a replacement in place (not owned); nullptr restores the real one.
void SetClock(IClock* clock);

std::uint64_t GetTickCount64();
// The low 32 bits of GetTickCount64: wraps after about 49.7 days.
DWORD GetTickCount();
void GetLocalTime(SYSTEMTIME& time);

// Blocks the calling thread for at least the given milliseconds.
void Sleep(DWORD milliseconds);
