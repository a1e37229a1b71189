#include "platform/audioeditor/DocumentEffects.h"
#include "platform/audioeditor/RangeProcessing.h"

#include <algorithm>
#include <cmath>

namespace detail {

AudioDocument ApplyGainRamp(const AudioDocument& document, EffectRange range, double startPercent,
                            double endPercent, const ProgressFn& progress) {
  range = Clamped(document, range);
  const std::int64_t frames = range.to - range.from;
  const double start = startPercent / 100, end = endPercent / 100;
  // The last frame gets the end level exactly.
  const double step = frames > 1 ? (end - start) / static_cast<double>(frames - 1) : 0;
  return ProcessRange(
      document, range,
      [&](int, float* samples, std::int64_t count, std::int64_t offset) {
        for (std::int64_t i = 0; i < count; ++i)
          samples[i] = ClipSample(samples[i] * (start + step * static_cast<double>(offset + i)));
      },
      progress);
}

AudioDocument Normalize(const AudioDocument& document, EffectRange range, double levelPercent,
                        const ProgressFn& progress) {
  range = Clamped(document, range);
  float lo = 0, hi = 0;
  for (const ChannelTrack& track : document.tracks) track.MinMax(range.from, range.to, lo, hi);
  const double peak = std::max(std::fabs(lo), std::fabs(hi));
  if (peak <= 0) return document;
  const double gain = std::clamp(levelPercent, 0.0, 100.0) / 100 / peak;
  return ApplyGainRamp(document, range, gain * 100, gain * 100, progress);
}

AudioDocument MixInto(const AudioDocument& document, std::int64_t at, const AudioDocument& insert,
                      double documentPercent, double insertPercent, const ProgressFn& progress) {
  at = std::clamp<std::int64_t>(at, 0, document.Length());
  const std::int64_t grow = std::max<std::int64_t>(0, at + insert.Length() - document.Length());
  AudioDocument target = document;
  if (grow > 0) target = document.Spliced(document.Length(), document.Length(),
                                          AudioDocument::Silence(document.sampleRate, document.channels, grow));
  const double keep = documentPercent / 100, add = insertPercent / 100;
  std::vector<float> other(static_cast<std::size_t>(kProcessBlock));
  return ProcessRange(
      target, {at, at + insert.Length()},
      [&](int channel, float* samples, std::int64_t count, std::int64_t offset) {
        insert.tracks[static_cast<std::size_t>(channel)].Read(offset, count, other.data());
        for (std::int64_t i = 0; i < count; ++i)
          samples[i] = ClipSample(samples[i] * keep + other[static_cast<std::size_t>(i)] * add);
      },
      progress);
}

}  // namespace detail
