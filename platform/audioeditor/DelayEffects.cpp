#include "platform/audioeditor/DocumentEffects.h"
#include "platform/audioeditor/RangeProcessing.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace detail {

namespace {

// A delay line read at fractional delays (linear interpolation).
class DelayLine {
 public:
  explicit DelayLine(std::size_t capacity) : ring_(std::max<std::size_t>(capacity, 2) + 2, 0.0f) {}
  void Push(float x) {
    ring_[write_] = x;
    write_ = (write_ + 1) % ring_.size();
  }
  // The sample pushed `delay` samples before the last one.
  float At(double delay) const {
    delay = std::clamp(delay, 0.0, static_cast<double>(ring_.size() - 2));
    const auto whole = static_cast<std::size_t>(delay);
    const double part = delay - static_cast<double>(whole);
    const std::size_t n = ring_.size();
    const float a = ring_[(write_ + n - 1 - whole) % n];
    const float b = ring_[(write_ + n - 2 - whole) % n];
    return static_cast<float>(a + (b - a) * part);
  }

 private:
  std::vector<float> ring_;
  std::size_t write_ = 0;
};

double Percent(double value) { return std::clamp(value, 0.0, 100.0) / 100; }

// A delay swept by a sine: base + depth * (1 + sin) / 2 samples, the
// channel's sweep shifted by phase per channel index.
struct Sweep {
  double base, depth, step, phase;
  double At(std::int64_t n, int channel) const {
    return base + depth * (1 + std::sin(step * static_cast<double>(n) + phase * channel)) / 2;
  }
};

}  // namespace

AudioDocument ApplyFlanger(const AudioDocument& document, EffectRange range, const FlangerSettings& s,
                           const ProgressFn& progress) {
  const double rate = document.sampleRate;
  // Up to 5 ms of base delay and 5 ms of sweep; the sweep rate up to 10 Hz.
  const Sweep sweep{Percent(s.delayRate) * 0.005 * rate, Percent(s.sweepDepth) * 0.005 * rate,
                    2 * std::numbers::pi * Percent(s.sweepRate) * 10 / rate, s.sweepPhase};
  const double mix = Percent(s.mixDepth), feedback = std::min(Percent(s.feedbackGain), 0.95);
  std::vector<DelayLine> lines(static_cast<std::size_t>(document.channels),
                               DelayLine(static_cast<std::size_t>(sweep.base + sweep.depth) + 2));
  return ProcessRange(
      document, range,
      [&](int channel, float* samples, std::int64_t count, std::int64_t offset) {
        DelayLine& line = lines[static_cast<std::size_t>(channel)];
        for (std::int64_t i = 0; i < count; ++i) {
          const float x = samples[i];
          const float delayed = line.At(sweep.At(offset + i, channel));
          line.Push(static_cast<float>(x + feedback * delayed));
          // Scaled back so a full mix of two equal signals stays in range.
          samples[i] = ClipSample((x + mix * delayed) / (1 + mix));
        }
      },
      progress);
}

AudioDocument ApplyVibrato(const AudioDocument& document, EffectRange range, double sweepDepth,
                           double sweepFrequency, double sweepPhase, const ProgressFn& progress) {
  const double rate = document.sampleRate;
  // Up to 5 ms of pitch-bending delay swing.
  const Sweep sweep{1, Percent(sweepDepth) * 0.005 * rate,
                    2 * std::numbers::pi * std::clamp(sweepFrequency, 0.0, rate / 4) / rate, sweepPhase};
  std::vector<DelayLine> lines(static_cast<std::size_t>(document.channels),
                               DelayLine(static_cast<std::size_t>(sweep.base + sweep.depth) + 2));
  return ProcessRange(
      document, range,
      [&](int channel, float* samples, std::int64_t count, std::int64_t offset) {
        DelayLine& line = lines[static_cast<std::size_t>(channel)];
        for (std::int64_t i = 0; i < count; ++i) {
          line.Push(samples[i]);
          samples[i] = line.At(sweep.At(offset + i, channel));
        }
      },
      progress);
}

AudioDocument ApplyDelay(const AudioDocument& document, EffectRange range, double delayMs, double mixDepth,
                         double feedbackGain, const ProgressFn& progress) {
  const auto delay = static_cast<std::int64_t>(std::llround(std::clamp(delayMs, 0.0, 10000.0) * document.sampleRate / 1000));
  if (delay <= 0) return document;
  const double mix = Percent(mixDepth), feedback = std::min(Percent(feedbackGain), 0.95);
  // The echo line holds the input plus the fed-back echo, delay samples ago.
  std::vector<DelayLine> lines(static_cast<std::size_t>(document.channels),
                               DelayLine(static_cast<std::size_t>(delay)));
  return ProcessRange(
      document, range,
      [&](int channel, float* samples, std::int64_t count, std::int64_t) {
        DelayLine& line = lines[static_cast<std::size_t>(channel)];
        for (std::int64_t i = 0; i < count; ++i) {
          const float x = samples[i];
          const float echo = line.At(static_cast<double>(delay - 1));
          line.Push(static_cast<float>(x + feedback * echo));
          samples[i] = ClipSample(x + mix * echo);
        }
      },
      progress);
}

}  // namespace detail
