// The system clipboard of the editor component: a WAV image, which other
// programs take and give as audio/wav.

#include "platform/audioeditor/AudioEditor2.h"
#include "platform/audioeditor/DocumentFiles.h"
#include "platform/os/Guid.h"
#include "platform/win/WinApi.h"

#include <cstdio>
#include <fstream>
#include <iterator>

namespace {

// A file name in the temporary folder, removed with the object.
class ScratchWav {
 public:
  explicit ScratchWav(const std::string& folder) : path_(folder + "clipboard-" + NewGuidString() + ".wav") {}
  ~ScratchWav() { std::remove(path_.c_str()); }
  const std::string& Path() const { return path_; }

 private:
  std::string path_;
};

}  // namespace

void TAudioEditor2::CopyToWindowsClipboard() {
  if (!HasDocument()) return;
  const detail::EffectRange range = SelectedRange();
  RunOperation([&](const auto& progress) {
    ScratchWav scratch(tempDirectory_);
    detail::SaveAudioFile(state_.document.Slice(range.from, range.to), scratch.Path(), {false, {}, {}}, progress);
    std::ifstream file(scratch.Path(), std::ios::binary);
    std::vector<std::uint8_t> image((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    if (!SetClipboardData(CF_WAVE, image)) throw Exception("The clipboard does not take audio");
  });
}

void TAudioEditor2::PasteFromWindowsClipboard() {
  if (state_.document.tracks.empty()) return;
  const auto image = GetClipboardData(CF_WAVE);
  if (!image || image->empty()) return;
  RunOperation([&](const auto& progress) {
    ScratchWav scratch(tempDirectory_);
    {
      std::ofstream file(scratch.Path(), std::ios::binary);
      file.write(reinterpret_cast<const char*>(image->data()), static_cast<std::streamsize>(image->size()));
      if (!file) throw Exception("Cannot write into the temporary folder " + tempDirectory_);
    }
    const detail::LoadedAudio loaded = detail::LoadAudioFile(scratch.Path(), progress);
    if (loaded.document.Length() > 0) InsertAudio(loaded.document, progress);
  });
}
