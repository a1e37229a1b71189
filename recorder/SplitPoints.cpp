#include "recorder/SplitPoints.h"

#include <algorithm>
#include <cmath>

void TSplitPoints::Reset(std::int64_t start, std::int64_t end) { points_ = {{start, true}, {end, true}}; }

bool TSplitPoints::Add(std::int64_t position) {
  const auto place = std::lower_bound(points_.begin(), points_.end(), position,
                                      [](const SplitPoint& point, std::int64_t ms) { return point.position < ms; });
  if (place != points_.end() && place->position == position) return false;
  const auto index = place - points_.begin();
  const bool inside = index > 0 && place != points_.end();
  points_.insert(place, SplitPoint{position, inside ? points_[index - 1].use : true});
  return true;
}

bool TSplitPoints::Delete(int index, bool keepFlags) {
  if (index <= 0 || index >= LastIndex()) return false;
  if (!keepFlags) points_[index - 1].use = points_[index].use;
  points_.erase(points_.begin() + index);
  return true;
}

void TSplitPoints::Clear() {
  if (points_.size() > 2) points_.erase(points_.begin() + 1, points_.end() - 1);
}

void TSplitPoints::SetUse(int index, bool use) {
  if (index >= 0 && index < Count()) points_[index].use = use;
}

int TTimelineScale::MsToPixel(std::int64_t ms) const {
  if (ms >= end) return width - 17;
  if (ms <= start) return 16;
  return static_cast<int>(std::llround(static_cast<double>(ms) / static_cast<double>(end) * (width - 33))) + 16;
}

std::int64_t TTimelineScale::PixelToMs(int x) const {
  // A bar not laid out yet has no scale: everything is the start.
  if (x < 0 || width <= 33) return start;
  if (x > width - 16) return end;
  const auto ms = std::llround(static_cast<double>(x) / (width - 33) * static_cast<double>(end));
  return std::clamp<std::int64_t>(ms, start, std::max(start, end));
}

std::int64_t TTimelineScale::Step() const {
  if (width <= 16) return 0;
  return end / (width - 16) / 10;
}
