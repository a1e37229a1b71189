#pragma once
// Converts sample data to interleaved 16-bit blocks (or, configured with
// ConfigureFloat, interleaved floats; with ConfigurePlanarFloat, one run of
// floats per channel) at another rate and channel count. Channel counts
// above two are mixed down by the library's standard matrix.

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
  // Any sample data in, full-scale floats out, each channel in its own
  // plane; at most kMaxPlanes output channels.
  bool ConfigurePlanarFloat(int inRate, int inChannels, int inSampleFormat, int outRate, int outChannels);
  // Whether the converter takes this input and delivers outSampleFormat
  // (Interleaved16() or PlanarFloat()).
  bool IsConfiguredFor(int inRate, int inChannels, int inSampleFormat, int outSampleFormat) const;
  bool IsPassThrough() const { return passThrough_; }

  // Appends the converted samples to out. input holds one pointer per plane.
  void Convert(const std::uint8_t* const* input, int frames, TSampleBlock& out);
  // Appends what the rate converter still holds back.
  void Flush(TSampleBlock& out);
  // The same for a converter set up by ConfigureFloat.
  void Convert(const float* input, int frames, std::vector<float>& out);
  void Flush(std::vector<float>& out);
  // For a converter set up by ConfigurePlanarFloat: the most frames the
  // next Convert of `frames` input frames can deliver, and the conversion
  // itself into out (one pointer per output channel, room for capacity
  // frames each). Returns the frames written.
  int MaxOutput(int frames) const;
  int Convert(const std::uint8_t* const* input, int frames, float* const* out, int capacity);

  static constexpr int kMaxPlanes = 8;
  static int Interleaved16();
  static int PlanarFloat();

 private:
  void Release();
  bool Configure(int inRate, int inChannels, int inSampleFormat, int outRate, int outChannels,
                 int outSampleFormat);
  // Runs the converter into out, grown by what it produced.
  template <class Sample>
  void Run(const std::uint8_t* const* input, int frames, std::vector<Sample>& out);

  SwrContext* context_ = nullptr;
  bool passThrough_ = false;
  int inRate_ = 0, inChannels_ = 0, inFormat_ = -1, outFormat_ = -1;
  int outRate_ = 0, outChannels_ = 0;
};

}  // namespace detail
