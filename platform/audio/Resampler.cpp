#include "platform/audio/Resampler.h"

#include <algorithm>
#include <array>
#include <cstring>

extern "C" {
#include <libavutil/channel_layout.h>
#include <libavutil/opt.h>
#include <libavutil/samplefmt.h>
#include <libswresample/swresample.h>
}

namespace detail {

Resampler::~Resampler() { Release(); }

void Resampler::Release() {
  swr_free(&context_);
  passThrough_ = false;
  inFormat_ = outFormat_ = -1;
}

int Resampler::Interleaved16() { return AV_SAMPLE_FMT_S16; }
int Resampler::PlanarFloat() { return AV_SAMPLE_FMT_FLTP; }

bool Resampler::IsConfiguredFor(int inRate, int inChannels, int inSampleFormat, int outSampleFormat) const {
  return (context_ || passThrough_) && inRate == inRate_ && inChannels == inChannels_ &&
         inSampleFormat == inFormat_ && outSampleFormat == outFormat_;
}

bool Resampler::Configure(int inRate, int inChannels, int inSampleFormat, int outRate,
                          int outChannels) {
  return Configure(inRate, inChannels, inSampleFormat, outRate, outChannels, AV_SAMPLE_FMT_S16);
}

bool Resampler::ConfigureFloat(int inRate, int inChannels, int outRate, int outChannels) {
  return Configure(inRate, inChannels, AV_SAMPLE_FMT_FLT, outRate, outChannels, AV_SAMPLE_FMT_FLT);
}

bool Resampler::ConfigurePlanarFloat(int inRate, int inChannels, int inSampleFormat, int outRate,
                                     int outChannels) {
  if (outChannels > kMaxPlanes) return false;
  return Configure(inRate, inChannels, inSampleFormat, outRate, outChannels, AV_SAMPLE_FMT_FLTP);
}

bool Resampler::Configure(int inRate, int inChannels, int inSampleFormat, int outRate, int outChannels,
                          int outSampleFormat) {
  Release();
  if (inRate <= 0 || outRate <= 0 || inChannels <= 0 || outChannels <= 0) return false;
  inRate_ = inRate;
  inChannels_ = inChannels;
  inFormat_ = inSampleFormat;
  outFormat_ = outSampleFormat;
  outRate_ = outRate;
  outChannels_ = outChannels;
  if (inSampleFormat == outSampleFormat && inRate == outRate && inChannels == outChannels) {
    passThrough_ = true;
    return true;
  }
  AVChannelLayout inLayout, outLayout;
  av_channel_layout_default(&inLayout, inChannels);
  av_channel_layout_default(&outLayout, outChannels);
  int result = swr_alloc_set_opts2(&context_, &outLayout, static_cast<AVSampleFormat>(outSampleFormat), outRate,
                                   &inLayout,
                                   static_cast<AVSampleFormat>(inSampleFormat), inRate, 0, nullptr);
  av_channel_layout_uninit(&inLayout);
  av_channel_layout_uninit(&outLayout);
  if (result < 0 || swr_init(context_) < 0) {
    Release();
    return false;
  }
  return true;
}

template <class Sample>
void Resampler::Run(const std::uint8_t* const* input, int frames, std::vector<Sample>& out) {
  if (!context_) return;
  int capacity = swr_get_out_samples(context_, frames);
  if (capacity <= 0) return;
  size_t start = out.size();
  out.resize(start + static_cast<size_t>(capacity) * outChannels_);
  auto target = reinterpret_cast<std::uint8_t*>(out.data() + start);
  int produced = swr_convert(context_, &target, capacity, const_cast<const std::uint8_t**>(input), frames);
  out.resize(start + static_cast<size_t>(produced > 0 ? produced : 0) * outChannels_);
}

void Resampler::Convert(const std::uint8_t* const* input, int frames, TSampleBlock& out) {
  if (frames <= 0) return;
  if (passThrough_) {
    auto samples = reinterpret_cast<const std::int16_t*>(input[0]);
    out.insert(out.end(), samples, samples + static_cast<size_t>(frames) * inChannels_);
    return;
  }
  Run(input, frames, out);
}

void Resampler::Flush(TSampleBlock& out) { Run(nullptr, 0, out); }

void Resampler::Convert(const float* input, int frames, std::vector<float>& out) {
  if (frames <= 0) return;
  if (passThrough_) {
    out.insert(out.end(), input, input + static_cast<size_t>(frames) * inChannels_);
    return;
  }
  auto bytes = reinterpret_cast<const std::uint8_t*>(input);
  Run(&bytes, frames, out);
}

void Resampler::Flush(std::vector<float>& out) { Run(nullptr, 0, out); }

int Resampler::MaxOutput(int frames) const {
  if (passThrough_) return frames;
  return context_ ? std::max(0, swr_get_out_samples(context_, frames)) : 0;
}

int Resampler::Convert(const std::uint8_t* const* input, int frames, float* const* out, int capacity) {
  if (frames <= 0 || capacity <= 0) return 0;
  if (passThrough_) {
    const int count = std::min(frames, capacity);
    for (int c = 0; c < outChannels_; ++c)
      std::memcpy(out[c], input[c], static_cast<size_t>(count) * sizeof(float));
    return count;
  }
  if (!context_) return 0;
  std::array<std::uint8_t*, kMaxPlanes> planes{};
  for (int c = 0; c < outChannels_; ++c) planes[c] = reinterpret_cast<std::uint8_t*>(out[c]);
  const int produced = swr_convert(context_, planes.data(), capacity, const_cast<const std::uint8_t**>(input), frames);
  return std::max(0, produced);
}

}  // namespace detail
