#include "platform/audioeditor/SampleChunk.h"

#include <algorithm>

namespace detail {

SampleChunk::SampleChunk(SampleStorage samples, std::int64_t count) : samples_(std::move(samples)), size_(count) {
  const std::int64_t blocks = (Size() + kPeakBlock - 1) / kPeakBlock;
  blockMin_.resize(static_cast<std::size_t>(blocks));
  blockMax_.resize(static_cast<std::size_t>(blocks));
  for (std::int64_t b = 0; b < blocks; ++b) {
    const float* first = Data() + b * kPeakBlock;
    const float* last = Data() + std::min(Size(), (b + 1) * kPeakBlock);
    float lo = *first, hi = *first;
    for (const float* p = first; p != last; ++p) {
      lo = std::min(lo, *p);
      hi = std::max(hi, *p);
    }
    blockMin_[static_cast<std::size_t>(b)] = lo;
    blockMax_[static_cast<std::size_t>(b)] = hi;
  }
  if (blocks > 0) {
    min_ = *std::min_element(blockMin_.begin(), blockMin_.end());
    max_ = *std::max_element(blockMax_.begin(), blockMax_.end());
  }
}

void SampleChunk::MinMax(std::int64_t from, std::int64_t to, float& lo, float& hi) const {
  from = std::max<std::int64_t>(from, 0);
  to = std::min(to, Size());
  if (from >= to) return;
  if (from == 0 && to == Size()) {
    lo = std::min(lo, min_);
    hi = std::max(hi, max_);
    return;
  }
  // Whole blocks from their summaries, the ragged ends sample by sample.
  const std::int64_t firstWhole = (from + kPeakBlock - 1) / kPeakBlock;
  const std::int64_t endWhole = to == Size() ? static_cast<std::int64_t>(blockMin_.size()) : to / kPeakBlock;
  if (firstWhole >= endWhole) {
    for (std::int64_t i = from; i < to; ++i) {
      lo = std::min(lo, samples_[i]);
      hi = std::max(hi, samples_[i]);
    }
    return;
  }
  for (std::int64_t i = from; i < firstWhole * kPeakBlock; ++i) {
    lo = std::min(lo, samples_[i]);
    hi = std::max(hi, samples_[i]);
  }
  for (std::int64_t b = firstWhole; b < endWhole; ++b) {
    lo = std::min(lo, blockMin_[static_cast<std::size_t>(b)]);
    hi = std::max(hi, blockMax_[static_cast<std::size_t>(b)]);
  }
  for (std::int64_t i = std::max(from, endWhole * kPeakBlock); i < to; ++i) {
    lo = std::min(lo, samples_[i]);
    hi = std::max(hi, samples_[i]);
  }
}

ChunkPtr SilentChunk() {
  static const ChunkPtr silence = [] {
    SampleStorage zeros = AllocateSamples(kChunkFrames);
    std::fill(zeros.get(), zeros.get() + kChunkFrames, 0.0f);
    return std::make_shared<const SampleChunk>(std::move(zeros), kChunkFrames);
  }();
  return silence;
}

}  // namespace detail
