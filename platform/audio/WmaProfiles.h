#pragma once
// The WMA output profiles, in the order the format lists show them.

#include <string>
#include <vector>

namespace detail {

struct WmaProfile {
  std::string name;
  int sampleRate;
  int channels;
  int bitRateKbps;
};

const std::vector<WmaProfile>& WmaProfiles();

// The bit rate handed to the encoder: the profile's own, or the nearest the
// encoder accepts when the profile's is below its floor.
int WmaEncoderBitRate(const WmaProfile& profile);

}  // namespace detail
