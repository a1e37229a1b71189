#include "recorder/ScheduleCheck.h"

#include <algorithm>

#include "recorder/GlobeVar.h"

namespace {

std::int64_t SecondOfDay(int hour, int minute, int second) {
  return static_cast<std::int64_t>(hour) * 3600 + static_cast<std::int64_t>(minute) * 60 + second;
}

// The entry's numbering: 1 Monday .. 7 Sunday (the clock's is 0 Sunday .. 6).
int IsoDayOfWeek(const SYSTEMTIME& date) { return date.wDayOfWeek == 0 ? 7 : date.wDayOfWeek; }

bool StartWindowOpen(const ScheduleEntry& entry, const SYSTEMTIME& now) {
  return WithinActionWindow(now, entry.StartH, entry.StartM, entry.StartS);
}

bool SameDay(WORD year, WORD month, WORD day, const SYSTEMTIME& now) {
  return year == now.wYear && month == now.wMonth && day == now.wDay;
}

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

bool TScheduleCheck::WasStopped(const ScheduleEntry& entry, const SYSTEMTIME& now) const {
  return std::any_of(stopped_.begin(), stopped_.end(), [&](const Stopped& s) {
    return s.Entry == entry && SameDay(s.Year, s.Month, s.Day, now);
  });
}

void TScheduleCheck::Run(const std::vector<ScheduleEntry>& entries, const SYSTEMTIME& now,
                         const TScheduleTarget& target) {
  // Once its start window closes, a stopped entry may start on its next day.
  std::erase_if(stopped_, [&](const Stopped& s) {
    return !SameDay(s.Year, s.Month, s.Day, now) || !StartWindowOpen(s.Entry, now);
  });
  for (const ScheduleEntry& entry : entries) {
    if (!entry.Use || !EntryAppliesOn(entry, now)) continue;
    const bool startWindowOpen = StartWindowOpen(entry, now);
    if (startWindowOpen && !target.Recording() && !WasStopped(entry, now)) target.StartRecording();
    if (WithinActionWindow(now, entry.StopH, entry.StopM, entry.StopS)) {
      target.Stop();
      if (startWindowOpen && !WasStopped(entry, now)) stopped_.push_back({entry, now.wYear, now.wMonth, now.wDay});
    }
  }
}

void TScheduleCheck::RunNow(const TScheduleTarget& target) {
  SYSTEMTIME now;
  GetLocalTime(now);
  // A copy: starting a recording may lead to the schedule being edited.
  const std::vector<ScheduleEntry> entries = ScheduleEntries;
  Run(entries, now, target);
}
