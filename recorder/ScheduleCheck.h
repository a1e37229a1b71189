#pragma once
// The schedule timer's check (every 500 ms): each entry in use that applies
// today starts a recording within ten seconds after its start time and
// stops one within ten seconds after its stop time. Nothing is caught up.

#include <cstdint>
#include <functional>
#include <vector>

#include "platform/os/Clock.h"
#include "recorder/ScheduleEntry.h"

// Whether the entry's kind (daily, once, weekly, monthly, yearly) lets it
// act on the given date; the Use flag is not looked at.
bool EntryAppliesOn(const ScheduleEntry& entry, const SYSTEMTIME& date);

// Whether now lies 0 to 10 seconds after the time of day, the same day.
bool WithinActionWindow(const SYSTEMTIME& now, int hour, int minute, int second);

// What the check does to the main window.
struct TScheduleTarget {
  std::function<bool()> Recording;     // a recording runs
  std::function<void()> StartRecording;  // not a mail recording
  std::function<void()> Stop;
};

class TScheduleCheck {
 public:
  // Visits the entries in order; for each, the start test, then the stop
  // test. The stop runs whether or not a recording runs. An entry the
  // check itself stopped does not start again while its start window is
  // still open (a short entry would otherwise leave a second, tiny
  // recording); a recording the user stopped is started again.
  void Run(const std::vector<ScheduleEntry>& entries, const SYSTEMTIME& now, const TScheduleTarget& target);

  // The same over ScheduleEntries at the local time of GetLocalTime.
  void RunNow(const TScheduleTarget& target);

 private:
  // An entry stopped on that day while its start window was open.
  struct Stopped {
    ScheduleEntry Entry;
    WORD Year, Month, Day;
  };
  bool WasStopped(const ScheduleEntry& entry, const SYSTEMTIME& now) const;
  std::vector<Stopped> stopped_;
};
