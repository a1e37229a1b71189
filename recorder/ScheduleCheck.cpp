#include "recorder/ScheduleCheck.h"

#include "recorder/GlobeVar.h"

namespace {

std::int64_t SecondOfDay(int hour, int minute, int second) {
  return static_cast<std::int64_t>(hour) * 3600 + static_cast<std::int64_t>(minute) * 60 + second;
}

// The entry's numbering: 1 Monday .. 7 Sunday (the clock's is 0 Sunday .. 6).
int IsoDayOfWeek(const SYSTEMTIME& date) { return date.wDayOfWeek == 0 ? 7 : date.wDayOfWeek; }

}  // namespace

bool EntryAppliesOn(const ScheduleEntry& entry, const SYSTEMTIME& date) {
  switch (KindOfEntry(entry)) {
    case ScheduleKind::Daily: return true;
    case ScheduleKind::Once:
      return entry.Day == date.wDay && entry.Month == date.wMonth && entry.Year == date.wYear;
    case ScheduleKind::Weekly: return entry.DayOfWeek == IsoDayOfWeek(date);
    case ScheduleKind::Monthly: return entry.Day == date.wDay;
    case ScheduleKind::Yearly: return entry.Day == date.wDay && entry.Month == date.wMonth;
    case ScheduleKind::None: return false;
  }
  return false;
}

bool WithinActionWindow(const SYSTEMTIME& now, int hour, int minute, int second) {
  const std::int64_t difference = SecondOfDay(now.wHour, now.wMinute, now.wSecond) - SecondOfDay(hour, minute, second);
  return difference >= 0 && difference <= 10;
}

void CheckSchedule(const std::vector<ScheduleEntry>& entries, const SYSTEMTIME& now, const TScheduleTarget& target) {
  for (const ScheduleEntry& entry : entries) {
    if (!entry.Use || !EntryAppliesOn(entry, now)) continue;
    if (WithinActionWindow(now, entry.StartH, entry.StartM, entry.StartS) && !target.Recording())
      target.StartRecording();
    if (WithinActionWindow(now, entry.StopH, entry.StopM, entry.StopS)) target.Stop();
  }
}

void CheckScheduleNow(const TScheduleTarget& target) {
  SYSTEMTIME now;
  GetLocalTime(now);
  // A copy: starting a recording may lead to the schedule being edited.
  const std::vector<ScheduleEntry> entries = ScheduleEntries;
  CheckSchedule(entries, now, target);
}
