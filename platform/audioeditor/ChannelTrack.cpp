#include "platform/audioeditor/ChannelTrack.h"

#include <algorithm>

namespace detail {

std::size_t ChannelTrack::SpanAt(std::int64_t frame) const {
  auto after = std::upper_bound(starts_.begin(), starts_.end(), frame);
  return static_cast<std::size_t>(after - starts_.begin()) - 1;
}

void ChannelTrack::Read(std::int64_t from, std::int64_t count, float* out) const {
  if (count <= 0) return;
  std::int64_t done = 0;
  if (from < 0) {
    done = std::min(count, -from);
    std::fill(out, out + done, 0.0f);
  }
  std::int64_t frame = from + done;
  if (frame < length_ && done < count) {
    for (std::size_t i = SpanAt(frame); i < spans_.size() && done < count; ++i) {
      const Span& span = spans_[i];
      const std::int64_t offset = frame - starts_[i];
      const std::int64_t take = std::min(span.count - offset, count - done);
      const float* source = span.chunk->Data() + span.begin + offset;
      std::copy(source, source + take, out + done);
      done += take;
      frame += take;
    }
  }
  std::fill(out + done, out + count, 0.0f);
}

void ChannelTrack::MinMax(std::int64_t from, std::int64_t to, float& lo, float& hi) const {
  from = std::max<std::int64_t>(from, 0);
  to = std::min(to, length_);
  if (from >= to) return;
  for (std::size_t i = SpanAt(from); i < spans_.size() && starts_[i] < to; ++i) {
    const Span& span = spans_[i];
    const std::int64_t first = std::max(from, starts_[i]) - starts_[i];
    const std::int64_t last = std::min(to, starts_[i] + span.count) - starts_[i];
    span.chunk->MinMax(span.begin + first, span.begin + last, lo, hi);
  }
}

void ChannelTrack::CopyRange(std::int64_t from, std::int64_t to, ChannelTrack& target) const {
  from = std::max<std::int64_t>(from, 0);
  to = std::min(to, length_);
  if (from >= to) return;
  for (std::size_t i = SpanAt(from); i < spans_.size() && starts_[i] < to; ++i) {
    const Span& span = spans_[i];
    const std::int64_t first = std::max(from, starts_[i]) - starts_[i];
    const std::int64_t last = std::min(to, starts_[i] + span.count) - starts_[i];
    target.AppendSpan({span.chunk, span.begin + first, last - first});
  }
}

ChannelTrack ChannelTrack::Slice(std::int64_t from, std::int64_t to) const {
  ChannelTrack result;
  CopyRange(from, to, result);
  return result;
}

ChannelTrack ChannelTrack::Spliced(std::int64_t from, std::int64_t to, const ChannelTrack& insert) const {
  from = std::clamp<std::int64_t>(from, 0, length_);
  to = std::clamp<std::int64_t>(to, from, length_);
  ChannelTrack result;
  CopyRange(0, from, result);
  result.Append(insert);
  CopyRange(to, length_, result);
  return result;
}

void ChannelTrack::Append(const ChannelTrack& other) {
  for (const Span& span : other.spans_) AppendSpan(span);
}

void ChannelTrack::AppendSpan(const Span& span) {
  if (span.count <= 0) return;
  // A span that continues the last one in the same chunk lengthens it, so
  // cutting and pasting back leaves no seam in the list.
  if (!spans_.empty()) {
    Span& last = spans_.back();
    if (last.chunk == span.chunk && last.begin + last.count == span.begin) {
      last.count += span.count;
      length_ += span.count;
      return;
    }
  }
  spans_.push_back(span);
  starts_.push_back(length_);
  length_ += span.count;
}

void ChannelTrack::AppendSilence(std::int64_t frames) {
  const ChunkPtr silence = SilentChunk();
  while (frames > 0) {
    const std::int64_t take = std::min(frames, silence->Size());
    // Separate spans: continuing the last silent span would reach past the chunk.
    spans_.push_back({silence, 0, take});
    starts_.push_back(length_);
    length_ += take;
    frames -= take;
  }
}

void TrackBuilder::Append(const float* samples, std::int64_t count) {
  while (count > 0) {
    const std::int64_t take = std::min(RoomSize(), count);
    std::copy(samples, samples + take, Room());
    Commit(take);
    samples += take;
    count -= take;
  }
}

float* TrackBuilder::Room() {
  if (!pending_) pending_ = AllocateSamples(kChunkFrames);
  return pending_.get() + pendingCount_;
}

void TrackBuilder::Commit(std::int64_t count) {
  pendingCount_ += std::clamp<std::int64_t>(count, 0, RoomSize());
  if (pendingCount_ == kChunkFrames) Seal();
}

void TrackBuilder::Append(const ChannelTrack& track) {
  Seal();
  track_.Append(track);
}

void TrackBuilder::Seal() {
  if (pendingCount_ == 0) return;
  SampleStorage samples = std::move(pending_);
  // A part-filled chunk keeps only what it holds.
  if (pendingCount_ < kChunkFrames) {
    SampleStorage exact = AllocateSamples(pendingCount_);
    std::copy(samples.get(), samples.get() + pendingCount_, exact.get());
    samples = std::move(exact);
  }
  auto chunk = std::make_shared<const SampleChunk>(std::move(samples), pendingCount_);
  pendingCount_ = 0;
  track_.AppendSpan({chunk, 0, chunk->Size()});
}

ChannelTrack TrackBuilder::Finish() {
  Seal();
  pending_.reset();
  ChannelTrack result = std::move(track_);
  track_ = {};
  return result;
}

}  // namespace detail
