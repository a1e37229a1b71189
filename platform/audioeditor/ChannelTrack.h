#pragma once
// The samples of one channel as a list of spans into shared chunks. Edits
// build a new list that points into the same chunks, so cutting an hour
// of audio copies a list of a few thousand entries and no sample.

#include "platform/audioeditor/SampleChunk.h"

#include <cstdint>
#include <vector>

namespace detail {

class ChannelTrack {
 public:
  struct Span {
    ChunkPtr chunk;
    std::int64_t begin = 0;  // first frame used within the chunk
    std::int64_t count = 0;
  };

  std::int64_t Length() const { return length_; }
  const std::vector<Span>& Spans() const { return spans_; }

  // count frames from `from` into out; frames outside the track read 0.
  void Read(std::int64_t from, std::int64_t count, float* out) const;
  // Widens lo and hi by the samples of [from, to).
  void MinMax(std::int64_t from, std::int64_t to, float& lo, float& hi) const;

  // Frames [from, to), clamped to the track.
  ChannelTrack Slice(std::int64_t from, std::int64_t to) const;
  // This track with [from, to) replaced by `insert`.
  ChannelTrack Spliced(std::int64_t from, std::int64_t to, const ChannelTrack& insert) const;

  void Append(const ChannelTrack& other);
  void AppendSpan(const Span& span);
  // frames of silence, all pointing into the one silent chunk.
  void AppendSilence(std::int64_t frames);

 private:
  // Index of the span holding frame (0 <= frame < length).
  std::size_t SpanAt(std::int64_t frame) const;
  // Appends the part [from, to) of this track to target.
  void CopyRange(std::int64_t from, std::int64_t to, ChannelTrack& target) const;

  std::vector<Span> spans_;
  std::vector<std::int64_t> starts_;  // first frame of each span
  std::int64_t length_ = 0;
};

// Gathers samples into new chunks of kChunkFrames.
class TrackBuilder {
 public:
  void Append(const float* samples, std::int64_t count);
  void Append(const ChannelTrack& track);
  ChannelTrack Finish();

  // Writing in place: Room() is where up to RoomSize() samples may be
  // written; Commit(count) then takes the first count of them.
  float* Room();
  std::int64_t RoomSize() const { return kChunkFrames - pendingCount_; }
  void Commit(std::int64_t count);

 private:
  void Seal();
  ChannelTrack track_;
  SampleStorage pending_;
  std::int64_t pendingCount_ = 0;
};

}  // namespace detail
