#include "platform/audio/WmaProfiles.h"

#include <algorithm>

namespace detail {

namespace {
// The encoder refuses anything below this many bits per second.
constexpr int kLowestEncoderBitRate = 24000;
}  // namespace

const std::vector<WmaProfile>& WmaProfiles() {
  static const std::vector<WmaProfile> profiles = {
      {"8000Hz,mono,4kbps", 8000, 1, 4},        {"8000Hz,mono,5kbps", 8000, 1, 5},
      {"8000Hz,mono,6kbps", 8000, 1, 6},        {"8000Hz,mono,8kbps", 8000, 1, 8},
      {"11025Hz,mono,10kbps", 11025, 1, 10},    {"16000Hz,mono,16kbps", 16000, 1, 16},
      {"22050Hz,mono,20kbps", 22050, 1, 20},    {"22050Hz,stereo,20kbps", 22050, 2, 20},
      {"22050Hz,stereo,32kbps", 22050, 2, 32},  {"32000Hz,stereo,32kbps", 32000, 2, 32},
      {"32000Hz,stereo,40kbps", 32000, 2, 40},  {"32000Hz,stereo,48kbps", 32000, 2, 48},
      {"44100Hz,stereo,64kbps", 44100, 2, 64},  {"44100Hz,stereo,96kbps", 44100, 2, 96},
      {"44100Hz,stereo,128kbps", 44100, 2, 128},
  };
  return profiles;
}

int WmaEncoderBitRate(const WmaProfile& profile) {
  return std::max(profile.bitRateKbps * 1000, kLowestEncoderBitRate);
}

}  // namespace detail
