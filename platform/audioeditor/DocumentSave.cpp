#include "platform/audio/AudioFile2.h"
#include "platform/audio/WmaProfiles.h"
#include "platform/audioeditor/DocumentFiles.h"
#include "platform/audioeditor/WavCueChunks.h"
#include "platform/os/TempFiles.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <filesystem>

namespace detail {

namespace {

enum class SavedKind { Wav, Mp3, Ogg, Wma };

std::string LowerExtension(const std::string& path) {
  std::string ext = std::filesystem::path(path).extension().string();
  for (char& c : ext) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return ext;
}

SavedKind KindOf(const std::string& path) {
  const std::string ext = LowerExtension(path);
  if (ext == ".wav") return SavedKind::Wav;
  if (ext == ".mp3") return SavedKind::Mp3;
  if (ext == ".ogg") return SavedKind::Ogg;
  if (ext == ".wma") return SavedKind::Wma;
  throw Exception("Cannot save files of type \"" + ext + "\": choose WAV, MP3, OGG or WMA");
}

// The rate the MP3 encoder takes that is nearest the document's.
int Mp3Rate(int rate) {
  static constexpr std::array<int, 9> rates{8000, 11025, 12000, 16000, 22050, 24000, 32000, 44100, 48000};
  return *std::min_element(rates.begin(), rates.end(),
                           [rate](int a, int b) { return std::abs(a - rate) < std::abs(b - rate); });
}

int Mp3BitRate(int rate, int channels) {
  const int perChannel = rate >= 32000 ? 64 : rate >= 16000 ? 32 : 16;
  return perChannel * channels;
}

// The WMA profile (1-based) closest to the document's format, with the
// highest bit rate among equals.
int WmaProfileFor(int rate, int channels) {
  const auto& profiles = WmaProfiles();
  int best = 0;
  for (std::size_t i = 0; i < profiles.size(); ++i) {
    const auto& p = profiles[i];
    const auto& b = profiles[static_cast<std::size_t>(best)];
    const int distance = std::abs(p.sampleRate - rate) + (p.channels == channels ? 0 : 1000000);
    const int bestDistance = std::abs(b.sampleRate - rate) + (b.channels == channels ? 0 : 1000000);
    if (distance < bestDistance || (distance == bestDistance && p.bitRateKbps > b.bitRateKbps))
      best = static_cast<int>(i);
  }
  return best + 1;
}

void ChooseOutput(TAudioFile2& writer, SavedKind kind, const AudioDocument& document) {
  const int rate = document.sampleRate, channels = document.channels;
  writer.SetWMAEnabled(kind == SavedKind::Wma);
  switch (kind) {
    case SavedKind::Wav: writer.SetWAVOutput(rate, channels, 16); break;
    case SavedKind::Mp3: writer.SetMP3Output(Mp3Rate(rate), Mp3BitRate(Mp3Rate(rate), channels), channels); break;
    case SavedKind::Ogg: writer.SetOGGOutput(rate, channels, 499); break;
    case SavedKind::Wma: writer.SetWMAOutput(WmaProfileFor(rate, channels)); break;
  }
  writer.SetInputFormat(rate, channels);
}

// The new file beside the target, removed again unless it is kept.
class SiblingFile {
 public:
  explicit SiblingFile(const std::string& target) {
    const std::filesystem::path t(target);
    const std::string folder = t.parent_path().empty() ? "." : t.parent_path().string();
    const std::string name = folder + "/." + t.stem().string() + ".saving" + t.extension().string();
    const int fd = CreateUniqueFile(name, path_);
    if (fd < 0) throw Exception("Cannot write into the folder " + folder);
    ::close(fd);
  }
  ~SiblingFile() {
    if (!kept_) std::remove(path_.c_str());
  }
  const std::string& Path() const { return path_; }
  // Flushes the new file to disk and renames it over the target.
  void Replace(const std::string& target) {
    struct stat old {};
    const mode_t mode = ::stat(target.c_str(), &old) == 0 ? (old.st_mode & 07777) : DefaultMode();
    const int fd = ::open(path_.c_str(), O_RDONLY | O_CLOEXEC);
    const bool synced = fd >= 0 && ::fchmod(fd, mode) == 0 && ::fsync(fd) == 0;
    if (fd >= 0) ::close(fd);
    if (!synced || std::rename(path_.c_str(), target.c_str()) != 0)
      throw Exception("Cannot replace " + target);
    kept_ = true;
  }

 private:
  static mode_t DefaultMode() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
  }
  std::string path_;
  bool kept_ = false;
};

bool HasTags(const FileTags& tags) { return !(tags == FileTags{}); }

}  // namespace

std::string SaveAudioFile(const AudioDocument& document, const std::string& path, const SaveExtras& extras,
                          const ProgressFn& progress) {
  const SavedKind kind = KindOf(path);
  SiblingFile file(path);
  TAudioFile2 writer;
  ChooseOutput(writer, kind, document);
  writer.CreateWrite(file.Path());
  if (writer.LastError() != AUDIO_OK) throw Exception("Cannot save " + path + ": " + writer.LastErrorText());
  const std::string formatText = writer.FormatText();

  const std::int64_t length = document.Length();
  ProgressSteps steps(progress);
  try {
    for (std::int64_t at = 0; at < length; at += kChunkFrames) {
      writer.WriteBlock(document.ReadInterleaved16(at, kChunkFrames));
      steps.Report(std::min(at + kChunkFrames, length), length);
    }
  } catch (const EAudioFileError& e) {
    throw Exception("Cannot save " + path + ": " + e.Message());
  }
  writer.Close();
  if (writer.LastError() != AUDIO_OK) throw Exception("Cannot save " + path + ": " + writer.LastErrorText());

  if (extras.withInfo) {
    if (kind == SavedKind::Wav && !AppendWavCueMarkers(file.Path(), extras.markers))
      throw Exception("Cannot save the markers into " + path);
    if (HasTags(extras.tags) && !WriteFileTags(file.Path(), extras.tags))
      throw Exception("Cannot save the tags into " + path);
  }
  file.Replace(path);
  return formatText;
}

}  // namespace detail
