#include "platform/audio/FormatDescription.h"

namespace detail {

std::string ChannelsText(int channels) {
  if (channels == 1) return "Mono";
  if (channels == 2) return "Stereo";
  return std::to_string(channels) + " channels";
}

std::string DescribeFormat(const std::string& codecName, int bitRateKbps, int sampleRate,
                           int channels) {
  std::string text = codecName.empty() ? std::string("Audio") : codecName;
  if (bitRateKbps > 0) text += ", " + std::to_string(bitRateKbps) + " kbps";
  text += ", " + std::to_string(sampleRate) + " Hz, " + ChannelsText(channels);
  return text;
}

std::string DescribePcm(int bitsPerSample, int sampleRate, int channels) {
  return "PCM, " + std::to_string(bitsPerSample) + " bit, " + std::to_string(sampleRate) +
         " Hz, " + ChannelsText(channels);
}

}  // namespace detail
