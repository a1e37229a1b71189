#include "recorder/AutoSplit.h"

#include "recorder/GlobeVar.h"

TSplitSettings SplitSettings() { return {TimeStop, TimeMinute, TimeSecond, TimeNewRecord}; }

std::int64_t SplitLengthMs(const TSplitSettings& settings) {
  const std::int64_t length =
      static_cast<std::int64_t>(settings.TimeMinute) * 60000 + static_cast<std::int64_t>(settings.TimeSecond) * 1000;
  return length > 0 ? length : 0;
}

bool SplitIsDue(const TSplitSettings& settings, std::uint64_t elapsedMs) {
  if (!settings.TimeStop) return false;
  const std::int64_t length = SplitLengthMs(settings);
  return length > 0 && static_cast<std::int64_t>(elapsedMs) > length;
}
