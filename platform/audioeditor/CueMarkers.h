#pragma once
// The document's cue markers: a position and a length in frames (a length
// above 0 marks a range) with three texts. Markers follow the audio: an
// insert before a marker moves it later, a deletion before it moves it
// earlier, and a marker whose position is deleted goes with the audio.

#include <cstdint>
#include <string>
#include <vector>

namespace detail {

struct CueMarker {
  std::int64_t position = 0;
  std::int64_t length = 0;
  std::string label, note, text;
  bool operator==(const CueMarker&) const = default;
};

using CueMarkerList = std::vector<CueMarker>;

// frames were inserted at `at`.
void MarkersInserted(CueMarkerList& markers, std::int64_t at, std::int64_t frames);
// Frames [from, to) were deleted.
void MarkersDeleted(CueMarkerList& markers, std::int64_t from, std::int64_t to);
// [from, to) was replaced by `frames` frames (an effect that changes the length).
void MarkersReplaced(CueMarkerList& markers, std::int64_t from, std::int64_t to, std::int64_t frames);
// The whole document was resampled from one rate to another.
void MarkersRescaled(CueMarkerList& markers, int fromRate, int toRate);

}  // namespace detail
