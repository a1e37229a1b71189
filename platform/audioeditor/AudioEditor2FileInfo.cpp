#include "platform/audioeditor/AudioEditor2.h"

int IAudioEditor2FileInfo::SampleRate() const { return editor_.state_.document.sampleRate; }
int IAudioEditor2FileInfo::Channels() const { return editor_.state_.document.channels; }

std::string IAudioEditor2FileInfo::FormatText() const {
  return editor_.state_.document.tracks.empty() ? std::string() : editor_.FormatText();
}

std::string IAudioEditor2FileInfo::Title() const { return editor_.tags_.title; }
void IAudioEditor2FileInfo::SetTitle(const std::string& value) { editor_.tags_.title = value; }
std::string IAudioEditor2FileInfo::Artist() const { return editor_.tags_.artist; }
void IAudioEditor2FileInfo::SetArtist(const std::string& value) { editor_.tags_.artist = value; }
std::string IAudioEditor2FileInfo::Album() const { return editor_.tags_.album; }
void IAudioEditor2FileInfo::SetAlbum(const std::string& value) { editor_.tags_.album = value; }
int IAudioEditor2FileInfo::Genre() const { return editor_.tags_.genre; }

void IAudioEditor2FileInfo::SetGenre(int value) {
  if (value < -1 || value >= detail::kGenreCount) throw Exception("There is no genre " + std::to_string(value));
  editor_.tags_.genre = value;
}

std::string IAudioEditor2FileInfo::Copyright() const { return editor_.tags_.copyright; }
void IAudioEditor2FileInfo::SetCopyright(const std::string& value) { editor_.tags_.copyright = value; }
int IAudioEditor2FileInfo::Year() const { return editor_.tags_.year; }

void IAudioEditor2FileInfo::SetYear(int value) {
  if (value < 0 || value > 9999) throw Exception("Invalid year " + std::to_string(value));
  editor_.tags_.year = value;
}

int IAudioEditor2FileInfo::Track() const { return editor_.tags_.track; }

void IAudioEditor2FileInfo::SetTrack(int value) {
  if (value < 0 || value > 65535) throw Exception("Invalid track " + std::to_string(value));
  editor_.tags_.track = value;
}

std::string IAudioEditor2FileInfo::Comment() const { return editor_.tags_.comment; }
void IAudioEditor2FileInfo::SetComment(const std::string& value) { editor_.tags_.comment = value; }
std::string IAudioEditor2FileInfo::Composer() const { return editor_.tags_.composer; }
void IAudioEditor2FileInfo::SetComposer(const std::string& value) { editor_.tags_.composer = value; }
std::string IAudioEditor2FileInfo::EncodedBy() const { return editor_.tags_.encodedBy; }
void IAudioEditor2FileInfo::SetEncodedBy(const std::string& value) { editor_.tags_.encodedBy = value; }
std::string IAudioEditor2FileInfo::URL() const { return editor_.tags_.url; }
void IAudioEditor2FileInfo::SetURL(const std::string& value) { editor_.tags_.url = value; }
std::string IAudioEditor2FileInfo::GenreName(int index) const { return detail::GenreName(index); }
bool IAudioEditor2FileInfo::AudioInfoEnabled() const { return editor_.audioInfoEnabled_; }
void IAudioEditor2FileInfo::SetAudioInfoEnabled(bool value) { editor_.audioInfoEnabled_ = value; }
