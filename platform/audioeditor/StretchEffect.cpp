#include "platform/audioeditor/DocumentEffects.h"
#include "platform/audioeditor/RangeProcessing.h"

#include <soundtouch/SoundTouch.h>

#include <algorithm>
#include <cmath>

namespace detail {

AudioDocument Stretch(const AudioDocument& document, EffectRange range, double lengthPercent,
                      const ProgressFn& progress) {
  range = Clamped(document, range);
  const std::int64_t frames = range.to - range.from;
  if (frames == 0 || !std::isfinite(lengthPercent) || lengthPercent <= 0) return document;
  const double factor = std::clamp(lengthPercent, 10.0, 1000.0) / 100;
  const auto target = static_cast<std::int64_t>(std::llround(static_cast<double>(frames) * factor));
  const int channels = document.channels;

  soundtouch::SoundTouch stretcher;
  stretcher.setSampleRate(static_cast<unsigned>(document.sampleRate));
  stretcher.setChannels(static_cast<unsigned>(channels));
  stretcher.setTempo(1 / factor);

  std::vector<TrackBuilder> builders(static_cast<std::size_t>(channels));
  std::vector<float> plane(static_cast<std::size_t>(kProcessBlock));
  std::vector<float> interleaved;
  std::int64_t produced = 0;
  // Takes what the stretcher has ready, up to the target length.
  auto drain = [&] {
    std::vector<float> out(static_cast<std::size_t>(8192 * channels));
    for (;;) {
      const auto got = static_cast<std::int64_t>(stretcher.receiveSamples(out.data(), 8192));
      if (got == 0) break;
      const std::int64_t take = std::min(got, target - produced);
      for (int c = 0; c < channels && take > 0; ++c) {
        for (std::int64_t i = 0; i < take; ++i)
          plane[static_cast<std::size_t>(i)] = out[static_cast<std::size_t>(i * channels + c)];
        builders[static_cast<std::size_t>(c)].Append(plane.data(), take);
      }
      produced += std::max<std::int64_t>(take, 0);
    }
  };
  ProgressSteps steps(progress);
  for (std::int64_t offset = 0; offset < frames; offset += kProcessBlock) {
    const std::int64_t count = std::min(kProcessBlock, frames - offset);
    interleaved.resize(static_cast<std::size_t>(count * channels));
    for (int c = 0; c < channels; ++c) {
      document.tracks[static_cast<std::size_t>(c)].Read(range.from + offset, count, plane.data());
      for (std::int64_t i = 0; i < count; ++i)
        interleaved[static_cast<std::size_t>(i * channels + c)] = plane[static_cast<std::size_t>(i)];
    }
    stretcher.putSamples(interleaved.data(), static_cast<unsigned>(count));
    drain();
    steps.Report(offset + count, frames);
  }
  stretcher.flush();
  drain();

  AudioDocument stretched = AudioDocument::Empty(document.sampleRate, channels);
  for (int c = 0; c < channels; ++c) {
    ChannelTrack track = builders[static_cast<std::size_t>(c)].Finish();
    // The stretcher may end a few frames short: silence makes up the length.
    if (track.Length() < target) track.AppendSilence(target - track.Length());
    stretched.tracks[static_cast<std::size_t>(c)] = track;
  }
  return document.Spliced(range.from, range.to, stretched);
}

}  // namespace detail
