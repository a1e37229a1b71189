#include "platform/audioeditor/RangeProcessing.h"

#include <algorithm>

namespace detail {

EffectRange Clamped(const AudioDocument& document, EffectRange range) {
  const std::int64_t length = document.Length();
  range.from = std::clamp<std::int64_t>(range.from, 0, length);
  range.to = std::clamp<std::int64_t>(range.to, range.from, length);
  return range;
}

AudioDocument ProcessRange(const AudioDocument& document, EffectRange range, const BlockProcess& process,
                           const ProgressFn& progress) {
  range = Clamped(document, range);
  const std::int64_t frames = range.to - range.from;
  AudioDocument result = AudioDocument::Empty(document.sampleRate, document.channels);
  std::vector<float> block(static_cast<std::size_t>(std::min(frames, kProcessBlock)));
  ProgressSteps steps(progress);
  for (int c = 0; c < document.channels; ++c) {
    const ChannelTrack& source = document.tracks[static_cast<std::size_t>(c)];
    TrackBuilder builder;
    for (std::int64_t offset = 0; offset < frames; offset += kProcessBlock) {
      const std::int64_t count = std::min(kProcessBlock, frames - offset);
      source.Read(range.from + offset, count, block.data());
      process(c, block.data(), count, offset);
      builder.Append(block.data(), count);
      steps.Report(c * frames + offset + count, static_cast<std::int64_t>(document.channels) * frames);
    }
    result.tracks[static_cast<std::size_t>(c)] = source.Spliced(range.from, range.to, builder.Finish());
  }
  return result;
}

}  // namespace detail
