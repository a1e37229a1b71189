#pragma once
// Resamples one row of a source rectangle to a destination size: by
// picking the nearest source pixel, by combining the pixels a shrink leaves
// out with AND or OR (the window system's default modes), or by averaging
// the source area each destination pixel covers (the halftone mode).

#include <cstdint>
#include <vector>

#include "platform/gfx/Bitmap.h"

namespace detail {

enum class StretchKind { Nearest, AndScans, OrScans, Average };

class StretchSampler {
 public:
  // The source rectangle must lie inside source. Only the visible part of
  // the destination (relative to its top-left) is ever asked for, so only
  // that part is prepared, however large the destination.
  StretchSampler(const TBitmap& source, const TRect& sourceRect, int destWidth, int destHeight,
                 const TRect& visible, StretchKind kind);

  // Destination row y, columns [from, to) (inside visible, relative to the
  // destination's top-left), as 0x00RRGGBB pixels into out[0 .. to - from).
  void Row(int y, int from, int to, std::uint32_t* out);

 private:
  struct Taps {
    std::vector<int> first;              // first source index per destination index
    std::vector<int> start;              // where its weights begin in weights
    std::vector<int> count;              // number of source pixels
    std::vector<std::uint32_t> weights;  // summing to kOne per destination index
  };
  static Taps AreaTaps(int destLength, int sourceLength, int from, int to);
  static std::vector<int> NearestMap(int destLength, int sourceLength, int from, int to);
  // For AND and OR: per destination index the first source index and how
  // many a shrink folds into it (one when enlarging).
  static void ScanRanges(int destLength, int sourceLength, int from, int to, std::vector<int>& first,
                         std::vector<int>& count);
  void CombinedRow(int y, int from, int to, std::uint32_t* out) const;

  const TBitmap& source_;
  TRect rect_;
  TRect visible_;
  StretchKind kind_;
  int bpp_;
  std::vector<int> columns_, rows_;            // nearest mode, and first index for AND / OR
  std::vector<int> columnCount_, rowCount_;    // AND / OR
  Taps columnTaps_, rowTaps_;        // halftone mode
  int blendedRow_ = -1;
  std::vector<std::uint32_t> blended_;  // the current row blended vertically, 3 channels per column
};

}  // namespace detail
