#include "platform/audio/AudioFileErrors.h"
#include "platform/audio/FileReader.h"
#include "platform/audioeditor/DocumentFiles.h"
#include "platform/audioeditor/WavCueChunks.h"

#include <vector>

namespace detail {

LoadedAudio LoadAudioFile(const std::string& path, const ProgressFn& progress) {
  FileReader reader;
  if (reader.Open(path, true) != AUDIO_OK) throw Exception(reader.ErrorText());
  const int channels = reader.Channels();
  const std::int64_t length = reader.LengthFrames();

  LoadedAudio loaded;
  loaded.formatText = reader.FormatText();
  loaded.document = AudioDocument::Empty(reader.SampleRate(), channels);
  // The decoder writes straight into the chunks being built.
  std::vector<TrackBuilder> builders(static_cast<std::size_t>(channels));
  std::vector<float*> planes(static_cast<std::size_t>(channels));
  ProgressSteps steps(progress);
  std::int64_t done = 0;
  for (;;) {
    for (int c = 0; c < channels; ++c) planes[static_cast<std::size_t>(c)] = builders[static_cast<std::size_t>(c)].Room();
    const std::int64_t frames = reader.ReadFloat(builders.front().RoomSize(), planes.data());
    if (frames == 0) break;
    for (auto& builder : builders) builder.Commit(frames);
    done += frames;
    steps.Report(done, length);
  }
  for (int c = 0; c < channels; ++c)
    loaded.document.tracks[static_cast<std::size_t>(c)] = builders[static_cast<std::size_t>(c)].Finish();
  loaded.tags = ReadFileTags(path);
  loaded.markers = ReadWavCueMarkers(path);
  const std::int64_t end = loaded.document.Length();
  std::erase_if(loaded.markers, [end](const CueMarker& m) { return m.position > end; });
  return loaded;
}

}  // namespace detail
