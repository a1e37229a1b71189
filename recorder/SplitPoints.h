#pragma once
// The split points of the splitter's timeline and the mapping between
// milliseconds and the timeline's pixels. Point i and point i + 1 bound
// section i; a section is kept when its first point's use flag is set.

#include <cstdint>
#include <vector>

struct SplitPoint {
  std::int64_t position = 0;  // ms
  bool use = true;
};

class TSplitPoints {
 public:
  const std::vector<SplitPoint>& Points() const { return points_; }
  int Count() const { return static_cast<int>(points_.size()); }
  int LastIndex() const { return Count() - 1; }

  // Exactly the start and the end, both kept.
  void Reset(std::int64_t start, std::int64_t end);
  // False when a point already stands there. A point inside a section
  // takes that section's use flag, so both halves keep its state.
  bool Add(std::int64_t position);
  // False for the start, the end and anything outside: they stay. Unless
  // keepFlags, the section before takes over the removed point's flag.
  bool Delete(int index, bool keepFlags);
  // Keeps only the first and the last point.
  void Clear();
  void SetUse(int index, bool use);

 private:
  std::vector<SplitPoint> points_;
};

// The timeline's pixel scale: thumbs 33 pixels wide whose cursor line is
// 16 pixels in, over a paint box `width` wide; positions scale by the end.
struct TTimelineScale {
  int width = 0;
  std::int64_t start = 0;
  std::int64_t end = 0;

  int MsToPixel(std::int64_t ms) const;
  // x is a thumb's left edge; the answer lies within start..end.
  std::int64_t PixelToMs(int x) const;
  int RightmostThumb() const { return width - 33; }
  // The backward/forward step: a tenth of a pixel's worth of time.
  std::int64_t Step() const;
};
