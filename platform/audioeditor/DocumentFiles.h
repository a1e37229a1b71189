#pragma once
// Opening a whole audio file into a document, and saving a document in
// place. A save writes a new file beside the target and renames it over
// the target only when everything was written, so a failed save (a full
// disk, a folder that cannot be written) leaves the original as it was.

#include "platform/audioeditor/AudioDocument.h"
#include "platform/audioeditor/CueMarkers.h"
#include "platform/audioeditor/FileTags.h"
#include "platform/audioeditor/OperationProgress.h"

#include <string>

namespace detail {

struct LoadedAudio {
  AudioDocument document;
  std::string formatText;
  FileTags tags;
  CueMarkerList markers;
};

// Decodes all of the file (WAV, MP3, MP2, OGG or WMA). Throws Exception
// with the reason when the file cannot be read.
LoadedAudio LoadAudioFile(const std::string& path, const ProgressFn& progress);

struct SaveExtras {
  bool withInfo = true;  // tags, and cue markers in WAV files
  FileTags tags;
  CueMarkerList markers;
};

// Writes the document in the format its extension names (.wav, .mp3, .ogg
// or .wma) and returns the description of the format written. Throws
// Exception with the reason on failure; the file that was there is then
// untouched.
std::string SaveAudioFile(const AudioDocument& document, const std::string& path, const SaveExtras& extras,
                          const ProgressFn& progress);

}  // namespace detail
