#include "platform/audio/AudioFile2.h"
#include "platform/audioeditor/DocumentFiles.h"
#include "platform/audioeditor/WavCueChunks.h"

#include <vector>

namespace detail {

LoadedAudio LoadAudioFile(const std::string& path, const ProgressFn& progress) {
  TAudioFile2 reader;
  reader.SetWMAEnabled(true);
  reader.OpenRead(path);
  if (reader.LastError() != AUDIO_OK) throw Exception(reader.LastErrorText());
  const int rate = reader.FileSampleRate();
  const int channels = reader.FileChannels();
  const std::int64_t length = reader.LengthSamples();

  LoadedAudio loaded;
  loaded.formatText = reader.FormatText();
  loaded.document = AudioDocument::Empty(rate, channels);
  std::vector<TrackBuilder> builders(static_cast<std::size_t>(channels));
  std::vector<float> plane(static_cast<std::size_t>(kChunkFrames));
  ProgressSteps steps(progress);
  std::int64_t done = 0;
  for (;;) {
    const TSampleBlock block = reader.ReadBlock(kChunkFrames);
    const std::size_t frames = block.size() / static_cast<std::size_t>(channels);
    if (frames == 0) break;
    for (int c = 0; c < channels; ++c) {
      const std::int16_t* source = block.data() + c;
      for (std::size_t i = 0; i < frames; ++i, source += channels) plane[i] = static_cast<float>(*source) / kSampleScale;
      builders[static_cast<std::size_t>(c)].Append(plane.data(), static_cast<std::int64_t>(frames));
    }
    done += static_cast<std::int64_t>(frames);
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
