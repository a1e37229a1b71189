#include "platform/audioeditor/CueMarkers.h"

#include <algorithm>

namespace detail {

void MarkersInserted(CueMarkerList& markers, std::int64_t at, std::int64_t frames) {
  if (frames <= 0) return;
  for (CueMarker& m : markers) {
    if (m.position >= at)
      m.position += frames;
    else if (m.position + m.length > at)
      m.length += frames;  // the insert falls inside the marked range
  }
}

void MarkersDeleted(CueMarkerList& markers, std::int64_t from, std::int64_t to) {
  if (to <= from) return;
  const std::int64_t removed = to - from;
  std::erase_if(markers, [&](const CueMarker& m) { return m.position >= from && m.position < to; });
  for (CueMarker& m : markers) {
    if (m.position >= to) {
      m.position -= removed;
    } else if (m.length > 0 && m.position + m.length > from) {
      const std::int64_t end = m.position + m.length;
      m.length -= std::min(end, to) - from;
    }
  }
}

void MarkersReplaced(CueMarkerList& markers, std::int64_t from, std::int64_t to, std::int64_t frames) {
  const std::int64_t oldLength = to - from;
  if (frames == oldLength) return;
  for (CueMarker& m : markers) {
    if (m.position >= to) {
      m.position += frames - oldLength;
    } else if (m.position >= from && oldLength > 0) {
      // Inside the changed stretch: keep its place in proportion.
      m.position = from + (m.position - from) * frames / oldLength;
    } else if (m.position + m.length > from) {
      m.length = std::max<std::int64_t>(0, m.length + frames - oldLength);
    }
  }
}

void MarkersRescaled(CueMarkerList& markers, int fromRate, int toRate) {
  if (fromRate <= 0 || toRate <= 0 || fromRate == toRate) return;
  for (CueMarker& m : markers) {
    m.position = m.position * toRate / fromRate;
    m.length = m.length * toRate / fromRate;
  }
}

}  // namespace detail
