#include "recorder/PlaybackProgress.h"

#include <algorithm>

std::int64_t PlayerTimerPosition(int currentSamples, int levelLeft, int levelRight) {
  return std::max({currentSamples, levelLeft, levelRight});
}

int ProgressOf(std::int64_t position, std::int64_t total) {
  if (total <= 0 || position <= 0) return 0;
  if (position >= total) return kProgressMax;
  // Wide enough for any 64-bit length.
  const __int128 scaled = static_cast<__int128>(position) * kProgressMax + total / 2;
  return static_cast<int>(scaled / total);
}

std::int64_t SeekTarget(int progress, std::int64_t length) {
  if (length <= 0) return 0;
  const int place = std::clamp(progress, 0, kProgressMax);
  const __int128 scaled = static_cast<__int128>(place) * length + kProgressMax / 2;
  return static_cast<std::int64_t>(scaled / kProgressMax);
}
