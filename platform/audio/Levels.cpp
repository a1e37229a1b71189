#include "platform/audio/Levels.h"

#include <algorithm>
#include <cstdlib>

namespace detail {

void SampleHistory::Reset(int channels, std::size_t capacityFrames) {
  channels_ = std::max(1, channels);
  ring_.assign(capacityFrames * channels_, 0);
  endFrame_ = 0;
}

void SampleHistory::Append(const std::int16_t* samples, std::size_t frames) {
  if (ring_.empty()) return;
  const std::size_t values = frames * channels_;
  std::int64_t pos = endFrame_ * channels_;
  // Only the tail can survive when more arrives than the ring holds.
  std::size_t skip = values > ring_.size() ? values - ring_.size() : 0;
  pos += skip;
  for (std::size_t i = skip; i < values; ++i, ++pos) ring_[pos % ring_.size()] = samples[i];
  endFrame_ += frames;
}

std::int16_t SampleHistory::ValueAt(std::int64_t valueIndex) const {
  const std::int64_t end = endFrame_ * channels_;
  const std::int64_t oldest = end - static_cast<std::int64_t>(ring_.size());
  if (valueIndex < 0 || valueIndex < oldest || valueIndex >= end) return 0;
  return ring_[valueIndex % ring_.size()];
}

TSampleBlock SampleHistory::LastValues(std::size_t count, std::int64_t endFrame) const {
  count = std::min(count, ring_.size());
  TSampleBlock out(count);
  const std::int64_t first = endFrame * channels_ - static_cast<std::int64_t>(count);
  for (std::size_t i = 0; i < count; ++i) out[i] = ValueAt(first + static_cast<std::int64_t>(i));
  return out;
}

void SampleHistory::Peaks(std::int64_t from, std::int64_t to, int& left, int& right) const {
  left = right = 0;
  for (std::int64_t f = std::max<std::int64_t>(from, 0); f < to; ++f) {
    left = std::max(left, std::abs(static_cast<int>(ValueAt(f * channels_))));
    right = std::max(right, std::abs(static_cast<int>(ValueAt(f * channels_ + channels_ - 1))));
  }
}

int PeakToPercent(int peak) { return std::min(100, (std::min(peak, 32767) * 100 + 16383) / 32767); }

void BlockPeaks(const std::int16_t* samples, std::size_t frames, int channels, int& left, int& right) {
  left = right = 0;
  for (std::size_t i = 0; i < frames; ++i) {
    left = std::max(left, std::abs(static_cast<int>(samples[i * channels])));
    right = std::max(right, std::abs(static_cast<int>(samples[i * channels + channels - 1])));
  }
}

}  // namespace detail
