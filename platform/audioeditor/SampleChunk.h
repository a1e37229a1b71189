#pragma once
// An immutable run of float samples of one channel. Besides the samples it
// keeps the minimum and maximum of every block of kPeakBlock frames and of
// the whole chunk, so views and peak searches over long stretches read the
// summaries instead of the samples. Chunks are shared between documents,
// undo steps and the clipboard; nothing ever changes one.

#include <cstdint>
#include <memory>
#include <vector>

namespace detail {

class SampleChunk {
 public:
  static constexpr std::int64_t kPeakBlock = 256;

  explicit SampleChunk(std::vector<float> samples);

  std::int64_t Size() const { return static_cast<std::int64_t>(samples_.size()); }
  const float* Data() const { return samples_.data(); }
  // Widens lo and hi by the samples of [from, to).
  void MinMax(std::int64_t from, std::int64_t to, float& lo, float& hi) const;

 private:
  std::vector<float> samples_;
  std::vector<float> blockMin_, blockMax_;
  float min_ = 0, max_ = 0;
};

using ChunkPtr = std::shared_ptr<const SampleChunk>;

// Frames per chunk made when samples are gathered (a second and a half at
// 44.1 kHz): small enough that a change copies little, large enough that a
// long document is a short list.
constexpr std::int64_t kChunkFrames = 65536;

// A chunk of kChunkFrames zeros, shared by every stretch of silence.
ChunkPtr SilentChunk();

}  // namespace detail
