#pragma once
// Calendar dates for the date picker and its month calendar: the
// date-time value, its parts, and dates written the way the user's
// locale writes them.

#include <string>
#include <vector>

#include "platform/base/Types.h"

// Days since 30 December 1899; the fraction is the time of day.
using TDateTime = double;

bool IsLeapYear(int year);
// 28 to 31; 0 for a month outside 1..12.
int DaysInAMonth(int year, int month);
// Whether year (1..9999), month and day name a day of the calendar.
bool IsValidDate(int year, int month, int day);
// The value of a date at midnight. The parts must form a valid date.
TDateTime EncodeDate(WORD year, WORD month, WORD day);
void DecodeDate(TDateTime value, WORD& year, WORD& month, WORD& day);
// 0 Sunday .. 6 Saturday.
int DayOfWeekOf(int year, int month, int day);

enum TDTDateFormat { dfShort, dfLong };

// A piece of a written date: a field the user can step, or text between.
enum TDateField { dtfNone = -1, dtfDay = 0, dtfMonth = 1, dtfYear = 2 };
struct TDatePart {
  std::string Text;
  TDateField Field = dtfNone;
};

// The date in the locale's short (numbers) or long (names) date format,
// piece by piece.
std::vector<TDatePart> WriteDate(int year, int month, int day, TDTDateFormat format);
std::string DateText(int year, int month, int day, TDTDateFormat format);
namespace detail {
// The same for a short format pattern of strftime's kind.
std::vector<TDatePart> WriteDateInPattern(const std::string& shortPattern, int year, int month, int day,
                                          TDTDateFormat format);
}  // namespace detail

// Month names (1..12) and short day names (0 Sunday..6) of the locale.
std::string LocaleMonthName(int month);
std::string LocaleShortDayName(int dayOfWeek);
