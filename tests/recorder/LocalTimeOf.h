#pragma once
// A local date and time for tests; dayOfWeek as the clock gives it
// (0 Sunday .. 6 Saturday).

#include "platform/os/Clock.h"

inline SYSTEMTIME LocalTimeOf(int year, int month, int day, int hour, int minute, int second, int dayOfWeek = 0,
                              int milliseconds = 0) {
  SYSTEMTIME t;
  t.wYear = static_cast<WORD>(year);
  t.wMonth = static_cast<WORD>(month);
  t.wDay = static_cast<WORD>(day);
  t.wDayOfWeek = static_cast<WORD>(dayOfWeek);
  t.wHour = static_cast<WORD>(hour);
  t.wMinute = static_cast<WORD>(minute);
  t.wSecond = static_cast<WORD>(second);
  t.wMilliseconds = static_cast<WORD>(milliseconds);
  return t;
}
