#include "platform/audio/Resampler.h"

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
  inFormat_ = -1;
}

int Resampler::Interleaved16() { return AV_SAMPLE_FMT_S16; }

bool Resampler::IsConfiguredFor(int inRate, int inChannels, int inSampleFormat) const {
  return (context_ || passThrough_) && inRate == inRate_ && inChannels == inChannels_ &&
         inSampleFormat == inFormat_;
}

bool Resampler::Configure(int inRate, int inChannels, int inSampleFormat, int outRate,
                          int outChannels) {
  Release();
  if (inRate <= 0 || outRate <= 0 || inChannels <= 0 || outChannels <= 0) return false;
  inRate_ = inRate;
  inChannels_ = inChannels;
  inFormat_ = inSampleFormat;
  outRate_ = outRate;
  outChannels_ = outChannels;
  if (inSampleFormat == AV_SAMPLE_FMT_S16 && inRate == outRate && inChannels == outChannels) {
    passThrough_ = true;
    return true;
  }
  AVChannelLayout inLayout, outLayout;
  av_channel_layout_default(&inLayout, inChannels);
  av_channel_layout_default(&outLayout, outChannels);
  int result = swr_alloc_set_opts2(&context_, &outLayout, AV_SAMPLE_FMT_S16, outRate, &inLayout,
                                   static_cast<AVSampleFormat>(inSampleFormat), inRate, 0, nullptr);
  av_channel_layout_uninit(&inLayout);
  av_channel_layout_uninit(&outLayout);
  if (result < 0 || swr_init(context_) < 0) {
    Release();
    return false;
  }
  return true;
}

void Resampler::Convert(const std::uint8_t* const* input, int frames, TSampleBlock& out) {
  if (frames <= 0) return;
  if (passThrough_) {
    auto samples = reinterpret_cast<const std::int16_t*>(input[0]);
    out.insert(out.end(), samples, samples + static_cast<size_t>(frames) * inChannels_);
    return;
  }
  if (!context_) return;
  int capacity = swr_get_out_samples(context_, frames);
  if (capacity <= 0) return;
  size_t start = out.size();
  out.resize(start + static_cast<size_t>(capacity) * outChannels_);
  auto target = reinterpret_cast<std::uint8_t*>(out.data() + start);
  int produced = swr_convert(context_, &target, capacity, const_cast<const std::uint8_t**>(input), frames);
  out.resize(start + static_cast<size_t>(produced > 0 ? produced : 0) * outChannels_);
}

void Resampler::Flush(TSampleBlock& out) {
  if (!context_) return;
  int capacity = swr_get_out_samples(context_, 0);
  if (capacity <= 0) return;
  size_t start = out.size();
  out.resize(start + static_cast<size_t>(capacity) * outChannels_);
  auto target = reinterpret_cast<std::uint8_t*>(out.data() + start);
  int produced = swr_convert(context_, &target, capacity, nullptr, 0);
  out.resize(start + static_cast<size_t>(produced > 0 ? produced : 0) * outChannels_);
}

}  // namespace detail
