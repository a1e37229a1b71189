#pragma once
// An immutable run of float samples of one channel. Besides the samples it
// keeps the minimum and maximum of every block of kPeakBlock frames and of
// the whole chunk, so views and peak searches over long stretches read the
// summaries instead of the samples. Chunks are shared between documents,
// undo steps and the clipboard; nothing ever changes one.

#include "platform/audioeditor/SampleMemory.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace detail {

class SampleChunk {
 public:
  static constexpr std::int64_t kPeakBlock = 256;

  // Takes the first count samples of storage.
  SampleChunk(SampleStorage samples, std::int64_t count);

  std::int64_t Size() const { return size_; }
  const float* Data() const { return samples_.get(); }
  // Widens lo and hi by the samples of [from, to).
  void MinMax(std::int64_t from, std::int64_t to, float& lo, float& hi) const;

 private:
  SampleStorage samples_;
  std::int64_t size_ = 0;
  std::vector<float> blockMin_, blockMax_;
  float min_ = 0, max_ = 0;
};

using ChunkPtr = std::shared_ptr<const SampleChunk>;

// A chunk of kChunkFrames zeros, shared by every stretch of silence.
ChunkPtr SilentChunk();

}  // namespace detail
