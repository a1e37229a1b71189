#pragma once
// Level measurement and the recent-sample memory shared by the recorder
// and the player.

#include <cstddef>
#include <cstdint>
#include <vector>

#include "platform/audio/AudioTypes.h"

namespace detail {

// The last stretch of an interleaved stream, addressed by frame position
// since the stream started.
class SampleHistory {
 public:
  void Reset(int channels, std::size_t capacityFrames);
  void Append(const std::int16_t* samples, std::size_t frames);
  // Frames appended since Reset.
  std::int64_t EndFrame() const { return endFrame_; }
  // The `count` values that end at frame `endFrame` (a frame boundary), in
  // stream order. Values older than the memory, or not yet there, are 0;
  // the result always has exactly `count` values (at most the capacity).
  TSampleBlock LastValues(std::size_t count, std::int64_t endFrame) const;
  // Peak absolute value of each channel over the frames [from, to).
  void Peaks(std::int64_t from, std::int64_t to, int& left, int& right) const;
  std::size_t CapacityValues() const { return ring_.size(); }

 private:
  std::int16_t ValueAt(std::int64_t valueIndex) const;

  int channels_ = 1;
  std::vector<std::int16_t> ring_;
  std::int64_t endFrame_ = 0;
};

// Meter scale: the peak as a percentage of full scale, 0..100.
int PeakToPercent(int peak);

// Peak of each channel of interleaved samples; mono gives the same value twice.
void BlockPeaks(const std::int16_t* samples, std::size_t frames, int channels, int& left, int& right);

}  // namespace detail
