#pragma once
// The automatic split: a recording ends once it has run (pauses included)
// longer than the split length, and a new one may follow at once.

#include <cstdint>

struct TSplitSettings {
  bool TimeStop = false;       // split on
  std::int32_t TimeMinute = 0;
  std::int32_t TimeSecond = 0;
  bool TimeNewRecord = false;  // start the next recording at once
};

// TimeStop, TimeMinute, TimeSecond and TimeNewRecord of the globals.
TSplitSettings SplitSettings();

// The split length in ms; 0 when it is not positive.
std::int64_t SplitLengthMs(const TSplitSettings& settings);

// True when the recording is to end now. A split length of zero or less
// never splits: it would stop and restart the recording on every tick.
bool SplitIsDue(const TSplitSettings& settings, std::uint64_t elapsedMs);
