#pragma once
// Converts sample data to interleaved 16-bit blocks (or, configured with
// ConfigureFloat, interleaved floats) at another rate and channel count.
// Channel counts above two are mixed down by the library's standard matrix.

#include "platform/audio/AudioTypes.h"

#include <cstdint>
#include <vector>

struct SwrContext;

namespace detail {

class Resampler {
 public:
  Resampler() = default;
  ~Resampler();
  Resampler(const Resampler&) = delete;
  Resampler& operator=(const Resampler&) = delete;

  // sampleFormat is the codec library's sample format number; pass
  // Interleaved16() for our own blocks. Returns false on values the
  // library refuses.
  bool Configure(int inRate, int inChannels, int inSampleFormat, int outRate, int outChannels);
  // Interleaved floats in and out, for editing at full precision.
  bool ConfigureFloat(int inRate, int inChannels, int outRate, int outChannels);
  bool IsConfiguredFor(int inRate, int inChannels, int inSampleFormat) const;
  bool IsPassThrough() const { return passThrough_; }

  // Appends the converted samples to out. input holds one pointer per plane.
  void Convert(const std::uint8_t* const* input, int frames, TSampleBlock& out);
  // Appends what the rate converter still holds back.
  void Flush(TSampleBlock& out);
  // The same for a converter set up by ConfigureFloat.
  void Convert(const float* input, int frames, std::vector<float>& out);
  void Flush(std::vector<float>& out);

  static int Interleaved16();

 private:
  void Release();
  bool Configure(int inRate, int inChannels, int inSampleFormat, int outRate, int outChannels,
                 int outSampleFormat);
  // Runs the converter into out, grown by what it produced.
  template <class Sample>
  void Run(const std::uint8_t* const* input, int frames, std::vector<Sample>& out);

  SwrContext* context_ = nullptr;
  bool passThrough_ = false;
  int inRate_ = 0, inChannels_ = 0, inFormat_ = -1;
  int outRate_ = 0, outChannels_ = 0;
};

}  // namespace detail
