#pragma once
// Readable one-line descriptions of audio formats, such as
// "MPEG Layer 3, 128 kbps, 44100 Hz, Stereo".

#include <string>

namespace detail {

std::string ChannelsText(int channels);
// bitRateKbps <= 0 leaves the bit rate out.
std::string DescribeFormat(const std::string& codecName, int bitRateKbps, int sampleRate,
                           int channels);
// For uncompressed audio the sample size stands where the bit rate would.
std::string DescribePcm(int bitsPerSample, int sampleRate, int channels);

}  // namespace detail
