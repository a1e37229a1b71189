#include "recorder/ScheduleEntry.h"

#include <ctime>
#include <locale.h>

#include "platform/framework/DateTimePickerDates.h"
#include "recorder/GlobeVar.h"

namespace {

const char* const kWeekDays[] = {"Monday", "Tuesday", "Wednesday", "Thursday",
                                 "Friday", "Saturday", "Sunday"};
const char* const kMonths[] = {"January", "February", "March",     "April",   "May",      "June",
                               "July",    "August",   "September", "October", "November", "December"};

// The date in the user's short date format (their LC_TIME setting),
// without touching the process-wide locale.
std::string ShortDateText(int year, int month, int day) {
  std::tm date{};
  date.tm_year = year - 1900;
  date.tm_mon = month - 1;
  date.tm_mday = day;
  locale_t userLocale = newlocale(LC_TIME_MASK, "", static_cast<locale_t>(0));
  if (userLocale == static_cast<locale_t>(0)) userLocale = newlocale(LC_TIME_MASK, "C", static_cast<locale_t>(0));
  char text[64] = {};
  size_t length = userLocale != static_cast<locale_t>(0) ? strftime_l(text, sizeof text, "%x", &date, userLocale) : 0;
  if (userLocale != static_cast<locale_t>(0)) freelocale(userLocale);
  if (length == 0) return ZeroPad(month, 2) + "/" + ZeroPad(day, 2) + "/" + ZeroPad(year, 4);
  return std::string(text, length);
}

}  // namespace

ScheduleKind KindOfEntry(const ScheduleEntry& e) {
  const bool dayOfMonth = e.Day >= 1 && e.Day <= 31;
  if (e.DayOfWeek == 0) {
    if (e.Year == 0 && e.Month == 0 && e.Day == 0) return ScheduleKind::Daily;
    if (e.Year != 0 && e.Month != 0 && e.Day != 0)
      return IsValidDate(e.Year, e.Month, e.Day) ? ScheduleKind::Once : ScheduleKind::None;
    if (e.Year == 0 && e.Month == 0 && dayOfMonth) return ScheduleKind::Monthly;
    if (e.Year == 0 && e.Month >= 1 && e.Month <= 12 && dayOfMonth) return ScheduleKind::Yearly;
    return ScheduleKind::None;
  }
  if (e.Year == 0 && e.Month == 0 && e.Day == 0 && e.DayOfWeek <= 7) return ScheduleKind::Weekly;
  return ScheduleKind::None;
}

std::string FrequencyText(const ScheduleEntry& e, FrequencyWording wording) {
  const bool added = wording == FrequencyWording::Added;
  switch (KindOfEntry(e)) {
    case ScheduleKind::Daily: return added ? "Daily" : "Every day";
    case ScheduleKind::Once:
      return (added ? "Once: " : "Special date: ") + ShortDateText(e.Year, e.Month, e.Day);
    case ScheduleKind::Weekly: return (added ? "Weekly: " : "Every week: ") + WeekDayName(e.DayOfWeek);
    case ScheduleKind::Monthly: return (added ? "Monthly: " : "Every month: ") + std::to_string(e.Day);
    case ScheduleKind::Yearly:
      return (added ? "Annually: " : "Every year: ") + MonthName(e.Month) + " " + std::to_string(e.Day);
    case ScheduleKind::None: break;
  }
  return {};
}

std::string TimeOfDayText(int hour, int minute, int second) {
  return ZeroPad(hour, 2) + ":" + ZeroPad(minute, 2) + ":" + ZeroPad(second, 2);
}

std::string StartTimeText(const ScheduleEntry& e) { return TimeOfDayText(e.StartH, e.StartM, e.StartS); }

std::string StopTimeText(const ScheduleEntry& e) { return TimeOfDayText(e.StopH, e.StopM, e.StopS); }

std::string WeekDayName(int dayOfWeek) {
  return dayOfWeek >= 1 && dayOfWeek <= 7 ? kWeekDays[dayOfWeek - 1] : "";
}

std::string MonthName(int month) { return month >= 1 && month <= 12 ? kMonths[month - 1] : ""; }
