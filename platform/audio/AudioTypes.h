#pragma once
// Sample blocks as the audio components pass them: 16-bit signed samples,
// channels interleaved. An empty block marks the end of data, and given to
// a display it clears the display. Positions and lengths count frames
// (samples per channel).

#include <cstdint>
#include <vector>

using TSampleBlock = std::vector<std::int16_t>;
