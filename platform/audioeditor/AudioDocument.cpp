#include "platform/audioeditor/AudioDocument.h"

#include <algorithm>
#include <cmath>

namespace detail {

std::int16_t ToSample16(float value) {
  if (std::isnan(value)) return 0;
  const float scaled = std::nearbyint(value * kSampleScale);
  // Clipped, never wrapped round: a loud peak stays a loud peak.
  if (scaled < -32768.0f) return -32768;
  if (scaled > 32767.0f) return 32767;
  return static_cast<std::int16_t>(scaled);
}

AudioDocument AudioDocument::Empty(int sampleRate, int channels) {
  AudioDocument document;
  document.sampleRate = sampleRate;
  document.channels = channels;
  document.tracks.resize(static_cast<std::size_t>(channels));
  return document;
}

AudioDocument AudioDocument::Silence(int sampleRate, int channels, std::int64_t frames) {
  AudioDocument document = Empty(sampleRate, channels);
  for (auto& track : document.tracks) track.AppendSilence(frames);
  return document;
}

AudioDocument AudioDocument::FromInterleaved(int sampleRate, int channels, const TSampleBlock& block) {
  AudioDocument document = Empty(sampleRate, channels);
  const std::size_t frames = block.size() / static_cast<std::size_t>(channels);
  std::vector<float> plane(frames);
  for (int c = 0; c < channels; ++c) {
    for (std::size_t i = 0; i < frames; ++i)
      plane[i] = static_cast<float>(block[i * static_cast<std::size_t>(channels) + static_cast<std::size_t>(c)]) / kSampleScale;
    TrackBuilder builder;
    builder.Append(plane.data(), static_cast<std::int64_t>(frames));
    document.tracks[static_cast<std::size_t>(c)] = builder.Finish();
  }
  return document;
}

AudioDocument AudioDocument::Slice(std::int64_t from, std::int64_t to) const {
  AudioDocument result = Empty(sampleRate, channels);
  for (std::size_t c = 0; c < tracks.size(); ++c) result.tracks[c] = tracks[c].Slice(from, to);
  return result;
}

AudioDocument AudioDocument::Spliced(std::int64_t from, std::int64_t to, const AudioDocument& insert) const {
  AudioDocument result = Empty(sampleRate, channels);
  for (std::size_t c = 0; c < tracks.size(); ++c)
    result.tracks[c] = tracks[c].Spliced(from, to, insert.tracks.at(c));
  return result;
}

TSampleBlock AudioDocument::ReadInterleaved16(std::int64_t from, std::int64_t frames) const {
  from = std::max<std::int64_t>(from, 0);
  frames = std::clamp<std::int64_t>(frames, 0, std::max<std::int64_t>(0, Length() - from));
  TSampleBlock block(static_cast<std::size_t>(frames) * static_cast<std::size_t>(channels));
  std::vector<float> plane(static_cast<std::size_t>(frames));
  for (int c = 0; c < channels; ++c) {
    tracks[static_cast<std::size_t>(c)].Read(from, frames, plane.data());
    for (std::int64_t i = 0; i < frames; ++i)
      block[static_cast<std::size_t>(i * channels + c)] = ToSample16(plane[static_cast<std::size_t>(i)]);
  }
  return block;
}

}  // namespace detail
