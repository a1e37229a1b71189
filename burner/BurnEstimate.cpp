#include "burner/BurnEstimate.h"

#include <cfenv>
#include <cmath>

std::int64_t AudioCdBytes(std::int64_t totalMs) {
  const long double bytes = static_cast<long double>(totalMs) / 1000 * 44100 * 4 * 2048 / 2352;
  return static_cast<std::int64_t>(std::nearbyintl(bytes));  // the default mode rounds half to even
}
