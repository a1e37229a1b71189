// The schedule timer's check: which entries apply on a date, the ten-second
// start and stop windows, around midnight and month ends, and the order
// of the actions.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "LocalTimeOf.h"
#include "recorder/GlobeVar.h"
#include "recorder/ScheduleCheck.h"

namespace {

ScheduleEntry Entry(int startH, int startM, int startS, int stopH, int stopM, int stopS, int day = 0, int month = 0,
                    int year = 0, int dayOfWeek = 0) {
  ScheduleEntry e;
  e.Use = true;
  e.StartH = static_cast<BYTE>(startH), e.StartM = static_cast<BYTE>(startM), e.StartS = static_cast<BYTE>(startS);
  e.StopH = static_cast<BYTE>(stopH), e.StopM = static_cast<BYTE>(stopM), e.StopS = static_cast<BYTE>(stopS);
  e.Day = static_cast<WORD>(day), e.Month = static_cast<WORD>(month), e.Year = static_cast<WORD>(year);
  e.DayOfWeek = static_cast<WORD>(dayOfWeek);
  return e;
}

// A stand-in for the main window that logs what the check asks of it.
class ScheduleCheckTest : public testing::Test {
 protected:
  std::vector<std::string> Check(const std::vector<ScheduleEntry>& entries, const SYSTEMTIME& now) {
    log.clear();
    check.Run(entries, now, target);
    return log;
  }

  TScheduleCheck check;
  bool recording = false;
  std::vector<std::string> log;
  TScheduleTarget target{[this] { return recording; },
                         [this] {
                           log.push_back("start");
                           recording = true;
                         },
                         [this] {
                           log.push_back("stop");
                           recording = false;
                         }};
};

using Log = std::vector<std::string>;

TEST_F(ScheduleCheckTest, DailyEntryStartsAndStopsWithinTenSeconds) {
  const std::vector<ScheduleEntry> daily{Entry(8, 0, 0, 8, 30, 0)};
  EXPECT_EQ(Check(daily, LocalTimeOf(2024, 1, 31, 7, 59, 59, 3)), Log{});
  EXPECT_EQ(Check(daily, LocalTimeOf(2024, 1, 31, 8, 0, 0, 3)), Log{"start"});
  EXPECT_EQ(Check(daily, LocalTimeOf(2024, 1, 31, 8, 0, 5, 3)), Log{});  // already recording
  recording = false;  // the user stopped it: the schedule starts again
  EXPECT_EQ(Check(daily, LocalTimeOf(2024, 1, 31, 8, 0, 10, 3)), Log{"start"});
  recording = false;
  EXPECT_EQ(Check(daily, LocalTimeOf(2024, 1, 31, 8, 0, 11, 3)), Log{});
  recording = true;
  EXPECT_EQ(Check(daily, LocalTimeOf(2024, 1, 31, 8, 29, 59, 3)), Log{});
  EXPECT_EQ(Check(daily, LocalTimeOf(2024, 1, 31, 8, 30, 0, 3)), Log{"stop"});
  // Stop acts whether or not a recording runs (it also ends playback).
  EXPECT_EQ(Check(daily, LocalTimeOf(2024, 1, 31, 8, 30, 10, 3)), Log{"stop"});
  EXPECT_EQ(Check(daily, LocalTimeOf(2024, 1, 31, 8, 30, 11, 3)), Log{});
}

TEST_F(ScheduleCheckTest, AnEntryShorterThanItsStartWindowRecordsOnce) {
  // Ticks every half second from before the start to past the stop window.
  const std::vector<ScheduleEntry> shortEntry{Entry(9, 0, 0, 9, 0, 10)};
  Log all;
  for (int second = 9 * 3600 - 2; second <= 9 * 3600 + 25; ++second)
    for (int halfSecond = 0; halfSecond < 2; ++halfSecond)
      for (const std::string& action :
           Check(shortEntry, LocalTimeOf(2024, 1, 31, second / 3600, second / 60 % 60, second % 60, 3)))
        all.push_back(action);
  // One start, and a stop at each tick of the stop window (also ending playback).
  ASSERT_FALSE(all.empty());
  EXPECT_EQ(std::count(all.begin(), all.end(), "start"), 1);
  EXPECT_EQ(all.front(), "start");
  EXPECT_EQ(all[1], "stop");

  // The next day the entry starts again; a second entry still starts
  // after the first one's stop.
  EXPECT_EQ(Check(shortEntry, LocalTimeOf(2024, 2, 1, 9, 0, 0, 4)), Log{"start"});
  EXPECT_EQ(Check(shortEntry, LocalTimeOf(2024, 2, 1, 9, 0, 10, 4)), Log{"stop"});
  EXPECT_EQ(Check({shortEntry[0], Entry(9, 0, 5, 10, 0, 0)}, LocalTimeOf(2024, 2, 1, 9, 0, 10, 4)),
            (Log{"stop", "start"}));
}

TEST_F(ScheduleCheckTest, EntriesOutOfUseOrOfNoKindNeverAct) {
  ScheduleEntry off = Entry(8, 0, 0, 8, 0, 5);
  off.Use = false;
  const SYSTEMTIME now = LocalTimeOf(2024, 1, 31, 8, 0, 5, 3);
  EXPECT_EQ(Check({off}, now), Log{});
  EXPECT_EQ(Check({Entry(8, 0, 0, 8, 0, 5, 31, 0, 0, 3)}, now), Log{});    // day of month and week
  EXPECT_EQ(Check({Entry(8, 0, 0, 8, 0, 5, 0, 1, 2024)}, now), Log{});     // month and year, no day
  EXPECT_EQ(Check({Entry(8, 0, 0, 8, 0, 5, 31, 2, 2024)}, now), Log{});    // no such date
  EXPECT_EQ(Check({}, now), Log{});
}

TEST_F(ScheduleCheckTest, EachKindAppliesOnItsDays) {
  struct Case {
    ScheduleEntry entry;
    SYSTEMTIME date;
    bool applies;
  };
  const ScheduleEntry once = Entry(0, 0, 0, 0, 0, 0, 29, 2, 2024);
  const ScheduleEntry sunday = Entry(0, 0, 0, 0, 0, 0, 0, 0, 0, 7);
  const ScheduleEntry monday = Entry(0, 0, 0, 0, 0, 0, 0, 0, 0, 1);
  const ScheduleEntry monthly31 = Entry(0, 0, 0, 0, 0, 0, 31);
  const ScheduleEntry yearlyLeapDay = Entry(0, 0, 0, 0, 0, 0, 29, 2);
  const Case cases[] = {
      {Entry(0, 0, 0, 0, 0, 0), LocalTimeOf(2024, 2, 29, 0, 0, 0, 4), true},
      {once, LocalTimeOf(2024, 2, 29, 0, 0, 0, 4), true},
      {once, LocalTimeOf(2025, 2, 28, 0, 0, 0, 5), false},
      {once, LocalTimeOf(2024, 3, 29, 0, 0, 0, 5), false},
      {sunday, LocalTimeOf(2024, 3, 3, 0, 0, 0, 0), true},
      {sunday, LocalTimeOf(2024, 3, 4, 0, 0, 0, 1), false},
      {monday, LocalTimeOf(2024, 3, 4, 0, 0, 0, 1), true},
      {monday, LocalTimeOf(2024, 3, 3, 0, 0, 0, 0), false},
      {monthly31, LocalTimeOf(2024, 1, 31, 0, 0, 0, 3), true},
      {monthly31, LocalTimeOf(2024, 2, 29, 0, 0, 0, 4), false},  // no catching up in short months
      {monthly31, LocalTimeOf(2024, 3, 1, 0, 0, 0, 5), false},
      {yearlyLeapDay, LocalTimeOf(2024, 2, 29, 0, 0, 0, 4), true},
      {yearlyLeapDay, LocalTimeOf(2025, 2, 28, 0, 0, 0, 5), false},
      {yearlyLeapDay, LocalTimeOf(2024, 3, 29, 0, 0, 0, 5), false},
  };
  for (const Case& c : cases)
    EXPECT_EQ(EntryAppliesOn(c.entry, c.date), c.applies)
        << "entry " << c.entry.Day << "/" << c.entry.Month << "/" << c.entry.Year << " dow " << c.entry.DayOfWeek
        << " on " << c.date.wDay << "/" << c.date.wMonth << "/" << c.date.wYear;
}

TEST_F(ScheduleCheckTest, NoWindowReachesAcrossMidnight) {
  // 23:59:55 is not "seven seconds ago" at 00:00:02 of the next day.
  const std::vector<ScheduleEntry> lateEntry{Entry(23, 59, 55, 23, 59, 58)};
  EXPECT_EQ(Check(lateEntry, LocalTimeOf(2024, 1, 1, 0, 0, 2, 1)), Log{});
  EXPECT_EQ(Check(lateEntry, LocalTimeOf(2023, 12, 31, 23, 59, 59, 0)), (Log{"start", "stop"}));
  const std::vector<ScheduleEntry> midnight{Entry(0, 0, 0, 0, 0, 5)};
  recording = false;
  EXPECT_EQ(Check(midnight, LocalTimeOf(2023, 12, 31, 23, 59, 59, 0)), Log{});
  EXPECT_EQ(Check(midnight, LocalTimeOf(2024, 1, 1, 0, 0, 3, 1)), (Log{"start"}));
  EXPECT_TRUE(WithinActionWindow(LocalTimeOf(2024, 1, 1, 0, 0, 10, 1), 0, 0, 0));
  EXPECT_FALSE(WithinActionWindow(LocalTimeOf(2024, 1, 1, 0, 0, 11, 1), 0, 0, 0));
}

TEST_F(ScheduleCheckTest, EntriesActInOrderStartBeforeStop) {
  const SYSTEMTIME now = LocalTimeOf(2024, 1, 31, 12, 0, 3, 3);
  // One entry starting and stopping within the same ten seconds.
  EXPECT_EQ(Check({Entry(12, 0, 0, 12, 0, 1)}, now), (Log{"start", "stop"}));
  // Two entries starting together start one recording.
  recording = false;
  EXPECT_EQ(Check({Entry(12, 0, 0, 13, 0, 0), Entry(12, 0, 2, 14, 0, 0)}, now), Log{"start"});
  // A stop of the first entry lets the second start again.
  recording = true;
  EXPECT_EQ(Check({Entry(11, 0, 0, 12, 0, 0), Entry(12, 0, 2, 14, 0, 0)}, now), (Log{"stop", "start"}));
}

TEST_F(ScheduleCheckTest, CheckNowUsesTheSharedEntriesAndTheClock) {
  class FixedClock : public IClock {
   public:
    std::uint64_t TickCount64() override { return 0; }
    SYSTEMTIME LocalTime() override { return LocalTimeOf(2024, 3, 3, 21, 15, 4, 0); }
  } clock;
  SetClock(&clock);
  ScheduleEntries = {Entry(21, 15, 0, 22, 0, 0, 0, 0, 0, 7)};
  log.clear();
  check.RunNow(target);
  EXPECT_EQ(log, Log{"start"});
  ScheduleEntries.clear();
  SetClock(nullptr);
}

}  // namespace
