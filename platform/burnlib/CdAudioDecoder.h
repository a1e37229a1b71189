#pragma once
// Turns an audio file (WAV, MP3, OGG, WMA, ...) into CD audio: 16-bit
// little-endian stereo samples at 44100 Hz, padded with silence to whole
// 2352-byte sectors.

#include <cstdint>
#include <functional>
#include <string>

namespace burnlib {

constexpr std::int64_t kCdSectorBytes = 2352;

struct DecodeResult {
  bool ok = false;
  std::string error;         // why it failed
  std::int64_t bytes = 0;    // bytes written, a whole number of sectors
  std::int32_t format = 0;   // 1 PCM, 2 MP3, 3 OGG, 0 other
};

// Decodes `source` into the file `target`, reporting progress in percent
// with the source's format (as DecodeResult::format). A failed decode
// removes what it wrote.
DecodeResult DecodeToCdAudio(const std::string& source, const std::string& target,
                             const std::function<void(float percent, std::int32_t format)>& progress);

}  // namespace burnlib
