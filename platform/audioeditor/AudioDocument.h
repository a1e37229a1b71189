#pragma once
// A document: its format and one track per channel, all of one length.
// A value type that costs little to copy, as its tracks share their chunks.

#include "platform/audio/AudioTypes.h"
#include "platform/audioeditor/ChannelTrack.h"

#include <cstdint>
#include <vector>

namespace detail {

struct AudioDocument {
  int sampleRate = 44100;
  int channels = 2;
  std::vector<ChannelTrack> tracks;

  // An empty document (no frames) of the given format.
  static AudioDocument Empty(int sampleRate, int channels);
  static AudioDocument Silence(int sampleRate, int channels, std::int64_t frames);
  // Interleaved 16-bit frames as a document.
  static AudioDocument FromInterleaved(int sampleRate, int channels, const TSampleBlock& block);

  std::int64_t Length() const { return tracks.empty() ? 0 : tracks.front().Length(); }
  AudioDocument Slice(std::int64_t from, std::int64_t to) const;
  // This document with [from, to) replaced by insert, which has as many channels.
  AudioDocument Spliced(std::int64_t from, std::int64_t to, const AudioDocument& insert) const;

  // frames from `from`, interleaved, rounded to 16 bit and clipped; frames
  // past the end are left out.
  TSampleBlock ReadInterleaved16(std::int64_t from, std::int64_t frames) const;
};

// The scale between float samples and 16-bit values: x16 / 32768.
constexpr float kSampleScale = 32768.0f;
std::int16_t ToSample16(float value);

}  // namespace detail
