#pragma once
// How much of a disc a burn list fills.

#include <cstdint>

// Audio CD: the CD-audio byte rate of the duration in the 2048-byte sector
// space the capacity bar counts in, rounded half to even.
std::int64_t AudioCdBytes(std::int64_t totalMs);
