#include "platform/audio/AudioTransform2.h"

#include <soundtouch/SoundTouch.h>

#include <algorithm>
#include <cmath>
#include <vector>

struct TAudioTransform2::Impl {
  soundtouch::SoundTouch stretcher;
  int sampleRate = 44100;
  int channels = 2;
  float percent = 0;  // of the running stream; 0 = none yet
  std::vector<soundtouch::SAMPLETYPE> buffer;

  void Restart(float newPercent) {
    stretcher.clear();
    stretcher.setSampleRate(static_cast<unsigned>(sampleRate));
    stretcher.setChannels(static_cast<unsigned>(channels));
    stretcher.setTempo(newPercent / 100.0f);
    percent = newPercent;
  }

  // All the stretcher has ready, as 16-bit samples.
  void Receive(TSampleBlock& block) {
    block.clear();
    unsigned ready = stretcher.numSamples();
    buffer.resize(static_cast<size_t>(ready) * channels);
    unsigned received = stretcher.receiveSamples(buffer.data(), ready);
    block.resize(static_cast<size_t>(received) * channels);
    std::transform(buffer.begin(), buffer.begin() + static_cast<std::ptrdiff_t>(block.size()), block.begin(),
                   [](soundtouch::SAMPLETYPE s) {
                     float scaled = std::round(static_cast<float>(s) * 32768.0f);
                     return static_cast<std::int16_t>(std::clamp(scaled, -32768.0f, 32767.0f));
                   });
  }
};

TAudioTransform2::TAudioTransform2() : impl_(std::make_unique<Impl>()) {}
TAudioTransform2::~TAudioTransform2() = default;

void TAudioTransform2::SetFormat(int sampleRate, int channels) {
  if (sampleRate <= 0 || channels < 1 || channels > 2) return;
  impl_->sampleRate = sampleRate;
  impl_->channels = channels;
  impl_->percent = 0;
}

void TAudioTransform2::ChangeTempo(TSampleBlock& block, float percent) {
  Impl& d = *impl_;
  if (!std::isfinite(percent) || percent < 10.0f || percent > 1000.0f) return;
  if (block.empty() || block.size() % static_cast<size_t>(d.channels) != 0) return;
  if (percent != d.percent) d.Restart(percent);

  d.buffer.resize(block.size());
  std::transform(block.begin(), block.end(), d.buffer.begin(),
                 [](std::int16_t s) { return static_cast<soundtouch::SAMPLETYPE>(s / 32768.0f); });
  d.stretcher.putSamples(d.buffer.data(), static_cast<unsigned>(block.size() / d.channels));
  d.Receive(block);
}

void TAudioTransform2::Flush(TSampleBlock& block) {
  Impl& d = *impl_;
  block.clear();
  if (d.percent == 0) return;
  // Pads the stretcher's input with silence until all it holds is out,
  // and cuts the output to the length the tempo promises.
  d.stretcher.flush();
  d.Receive(block);
  d.stretcher.clear();
  d.percent = 0;
}
