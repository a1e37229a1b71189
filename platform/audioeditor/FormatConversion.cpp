#include "platform/audio/Resampler.h"
#include "platform/audioeditor/DocumentEffects.h"
#include "platform/audioeditor/RangeProcessing.h"

#include <algorithm>

namespace detail {

namespace {

// The channels of the document made into `channels` channels.
AudioDocument MapChannels(const AudioDocument& document, int channels, const ProgressFn& progress) {
  if (channels == document.channels) return document;
  AudioDocument result = AudioDocument::Empty(document.sampleRate, channels);
  if (channels > document.channels) {
    // More channels: each new one repeats the last (shares its chunks).
    for (int c = 0; c < channels; ++c)
      result.tracks[static_cast<std::size_t>(c)] =
          document.tracks[static_cast<std::size_t>(std::min(c, document.channels - 1))];
    return result;
  }
  // Fewer: the mean of the channels folded into the last ones.
  const std::int64_t length = document.Length();
  std::vector<float> sum(static_cast<std::size_t>(kProcessBlock)), plane(sum.size());
  std::vector<TrackBuilder> builders(static_cast<std::size_t>(channels));
  ProgressSteps steps(progress);
  for (std::int64_t at = 0; at < length; at += kProcessBlock) {
    const std::int64_t count = std::min(kProcessBlock, length - at);
    for (int target = 0; target < channels; ++target) {
      const int first = target, last = target == channels - 1 ? document.channels : target + 1;
      std::fill(sum.begin(), sum.end(), 0.0f);
      for (int c = first; c < last; ++c) {
        document.tracks[static_cast<std::size_t>(c)].Read(at, count, plane.data());
        for (std::int64_t i = 0; i < count; ++i) sum[static_cast<std::size_t>(i)] += plane[static_cast<std::size_t>(i)];
      }
      for (std::int64_t i = 0; i < count; ++i) sum[static_cast<std::size_t>(i)] /= static_cast<float>(last - first);
      builders[static_cast<std::size_t>(target)].Append(sum.data(), count);
    }
    steps.Report(at + count, length);
  }
  for (int c = 0; c < channels; ++c) result.tracks[static_cast<std::size_t>(c)] = builders[static_cast<std::size_t>(c)].Finish();
  return result;
}

ChannelTrack ResampleTrack(const ChannelTrack& track, int fromRate, int toRate, std::int64_t target) {
  Resampler resampler;
  if (!resampler.ConfigureFloat(fromRate, 1, toRate, 1)) throw Exception("Cannot convert to " + std::to_string(toRate) + " Hz");
  TrackBuilder builder;
  std::vector<float> input(static_cast<std::size_t>(kProcessBlock)), output;
  std::int64_t produced = 0;
  auto keep = [&] {
    const std::int64_t take = std::min<std::int64_t>(static_cast<std::int64_t>(output.size()), target - produced);
    builder.Append(output.data(), take);
    produced += take;
    output.clear();
  };
  for (std::int64_t at = 0; at < track.Length(); at += kProcessBlock) {
    const std::int64_t count = std::min(kProcessBlock, track.Length() - at);
    track.Read(at, count, input.data());
    resampler.Convert(input.data(), static_cast<int>(count), output);
    keep();
  }
  resampler.Flush(output);
  keep();
  ChannelTrack result = builder.Finish();
  if (result.Length() < target) result.AppendSilence(target - result.Length());
  return result;
}

}  // namespace

AudioDocument ConvertDocument(const AudioDocument& document, int sampleRate, int channels,
                              const ProgressFn& progress) {
  if (sampleRate < 1000 || sampleRate > 384000 || channels < 1 || channels > 2)
    throw Exception("Cannot convert to " + std::to_string(sampleRate) + " Hz with " + std::to_string(channels) +
                    " channels");
  AudioDocument mapped = MapChannels(document, channels, document.sampleRate == sampleRate ? progress : ProgressFn());
  if (sampleRate == document.sampleRate) return mapped;
  const std::int64_t target = document.Length() * sampleRate / document.sampleRate;
  AudioDocument result = AudioDocument::Empty(sampleRate, channels);
  ProgressSteps steps(progress);
  for (int c = 0; c < channels; ++c) {
    result.tracks[static_cast<std::size_t>(c)] =
        ResampleTrack(mapped.tracks[static_cast<std::size_t>(c)], document.sampleRate, sampleRate, target);
    steps.Report(c + 1, channels);
  }
  return result;
}

}  // namespace detail
