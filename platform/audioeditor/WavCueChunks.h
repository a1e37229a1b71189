#pragma once
// Cue markers in WAV files: the `cue ` chunk holds the positions, a `LIST`
// chunk of type `adtl` the label (`labl`), note (`note`) and, for a range,
// its length with the text (`ltxt`). Reading never trusts a size field.

#include "platform/audioeditor/CueMarkers.h"

#include <string>

namespace detail {

// The markers of a WAV file; empty for other files or when there are none.
CueMarkerList ReadWavCueMarkers(const std::string& path);
// Appends the marker chunks to a complete WAV file (none for no markers);
// false when the file cannot be written.
bool AppendWavCueMarkers(const std::string& path, const CueMarkerList& markers);

}  // namespace detail
