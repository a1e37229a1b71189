#pragma once
// One scheduled recording and the texts the schedule list shows for it.

#include <string>

#include "platform/base/Types.h"

struct ScheduleEntry {
  bool Use = false;
  BYTE StartH = 0;
  BYTE StartM = 0;
  BYTE StartS = 0;
  BYTE StopH = 0;
  BYTE StopM = 0;
  BYTE StopS = 0;
  WORD Day = 0;        // day of month, or 0
  WORD Month = 0;      // or 0
  WORD Year = 0;       // or 0
  WORD DayOfWeek = 0;  // 1 Monday .. 7 Sunday, or 0
  friend bool operator==(const ScheduleEntry&, const ScheduleEntry&) = default;
};

// Which date fields are zero decides how often an entry fires. An entry
// of no kind (any other combination, or an impossible date) never fires.
enum class ScheduleKind { None, Daily, Once, Weekly, Monthly, Yearly };

ScheduleKind KindOfEntry(const ScheduleEntry& entry);

// Rows added through "Add" say "Daily", "Weekly: Monday", ...; rows edited,
// loaded from a file or restored say "Every day", "Every week: Monday", ...
enum class FrequencyWording { Added, Stored };

// Empty for an entry of no kind.
std::string FrequencyText(const ScheduleEntry& entry, FrequencyWording wording);

// "HH:MM:SS", two digits each.
std::string TimeOfDayText(int hour, int minute, int second);
std::string StartTimeText(const ScheduleEntry& entry);
std::string StopTimeText(const ScheduleEntry& entry);

// "Monday" .. "Sunday" for 1..7 and "January" .. "December" for 1..12;
// empty outside.
std::string WeekDayName(int dayOfWeek);
std::string MonthName(int month);
