// What kind of entry the date fields make, and the list's texts for it.

#include <gtest/gtest.h>

#include <cstdlib>

#include "recorder/ScheduleEntry.h"

namespace {

ScheduleEntry Dated(WORD year, WORD month, WORD day, WORD dayOfWeek) {
  ScheduleEntry entry;
  entry.Year = year;
  entry.Month = month;
  entry.Day = day;
  entry.DayOfWeek = dayOfWeek;
  return entry;
}

struct KindCase {
  ScheduleEntry entry;
  ScheduleKind kind;
  const char* added;
  const char* stored;
};

TEST(ScheduleKinds, DateFieldsDecideKindAndFrequencyText) {
  const KindCase cases[] = {
      {Dated(0, 0, 0, 0), ScheduleKind::Daily, "Daily", "Every day"},
      {Dated(0, 0, 0, 1), ScheduleKind::Weekly, "Weekly: Monday", "Every week: Monday"},
      {Dated(0, 0, 0, 7), ScheduleKind::Weekly, "Weekly: Sunday", "Every week: Sunday"},
      {Dated(0, 0, 31, 0), ScheduleKind::Monthly, "Monthly: 31", "Every month: 31"},
      {Dated(0, 3, 5, 0), ScheduleKind::Yearly, "Annually: March 5", "Every year: March 5"},
      {Dated(0, 2, 29, 0), ScheduleKind::Yearly, "Annually: February 29", "Every year: February 29"},
      {Dated(0, 12, 1, 0), ScheduleKind::Yearly, "Annually: December 1", "Every year: December 1"},
      // No kind: the defaults of a file missing every date key, and damaged fields.
      {Dated(2004, 1, 1, 1), ScheduleKind::None, "", ""},
      {Dated(0, 0, 0, 8), ScheduleKind::None, "", ""},
      {Dated(0, 13, 5, 0), ScheduleKind::None, "", ""},
      {Dated(0, 0, 32, 0), ScheduleKind::None, "", ""},
      {Dated(0, 4, 0, 0), ScheduleKind::None, "", ""},
      {Dated(2004, 0, 0, 0), ScheduleKind::None, "", ""},
      {Dated(2004, 13, 5, 0), ScheduleKind::None, "", ""},
      {Dated(2005, 2, 29, 0), ScheduleKind::None, "", ""},  // not a leap year
      {Dated(65535, 65535, 65535, 0), ScheduleKind::None, "", ""},
  };
  for (const KindCase& c : cases) {
    SCOPED_TRACE(testing::Message() << c.entry.Year << "-" << c.entry.Month << "-" << c.entry.Day << " w"
                                    << c.entry.DayOfWeek);
    EXPECT_EQ(KindOfEntry(c.entry), c.kind);
    EXPECT_EQ(FrequencyText(c.entry, FrequencyWording::Added), c.added);
    EXPECT_EQ(FrequencyText(c.entry, FrequencyWording::Stored), c.stored);
  }
}

TEST(ScheduleKinds, OnceShowsTheDateInTheShortDateFormat) {
  const char* old = std::getenv("LC_ALL");
  const std::string saved = old != nullptr ? old : "";
  setenv("LC_ALL", "C", 1);
  EXPECT_EQ(KindOfEntry(Dated(2024, 2, 29, 0)), ScheduleKind::Once);
  EXPECT_EQ(FrequencyText(Dated(2004, 3, 5, 0), FrequencyWording::Added), "Once: 03/05/04");
  EXPECT_EQ(FrequencyText(Dated(2004, 3, 5, 0), FrequencyWording::Stored), "Special date: 03/05/04");
  if (old != nullptr) setenv("LC_ALL", saved.c_str(), 1);
  else unsetenv("LC_ALL");
}

TEST(ScheduleTimes, TwoDigitsEachAndNeverCut) {
  ScheduleEntry entry;
  entry.StartH = 22;
  entry.StopH = 23;
  entry.StopM = 30;
  entry.StopS = 5;
  EXPECT_EQ(StartTimeText(entry), "22:00:00");
  EXPECT_EQ(StopTimeText(entry), "23:30:05");
  EXPECT_EQ(TimeOfDayText(200, 7, 0), "200:07:00");
}

}  // namespace
