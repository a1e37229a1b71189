#include "platform/audioeditor/AudioEditor2.h"

#include <algorithm>

const detail::CueMarker* IAudioEditor2Markers::Readable() const {
  const auto& markers = editor_.state_.markers;
  const int current = editor_.currentMarker_;
  if (current < 1 || current > static_cast<int>(markers.size())) return nullptr;
  return &markers[static_cast<std::size_t>(current - 1)];
}

detail::CueMarker& IAudioEditor2Markers::Writable() {
  if (!Readable()) throw Exception("No marker is selected");
  return editor_.state_.markers[static_cast<std::size_t>(editor_.currentMarker_ - 1)];
}

int IAudioEditor2Markers::Count() const { return static_cast<int>(editor_.state_.markers.size()); }

int IAudioEditor2Markers::Current() const { return editor_.currentMarker_; }

void IAudioEditor2Markers::SetCurrent(int index) {
  if (index < 1 || index > Count()) throw Exception("There is no marker " + std::to_string(index));
  editor_.currentMarker_ = index;
}

std::int64_t IAudioEditor2Markers::Position() const { return Readable() ? Readable()->position : 0; }
std::int64_t IAudioEditor2Markers::Length() const { return Readable() ? Readable()->length : 0; }
std::string IAudioEditor2Markers::Label() const { return Readable() ? Readable()->label : std::string(); }
std::string IAudioEditor2Markers::Note() const { return Readable() ? Readable()->note : std::string(); }
std::string IAudioEditor2Markers::Text() const { return Readable() ? Readable()->text : std::string(); }

void IAudioEditor2Markers::SetPosition(std::int64_t frame) {
  if (frame < 0 || frame > editor_.state_.document.Length())
    throw Exception("A marker position must lie within the document");
  Writable().position = frame;
  editor_.Refresh();
}

void IAudioEditor2Markers::SetLength(std::int64_t frames) {
  if (frames < 0) throw Exception("A marker length cannot be negative");
  Writable().length = frames;
  editor_.Refresh();
}

void IAudioEditor2Markers::SetLabel(const std::string& value) {
  Writable().label = value;
  editor_.Refresh();
}

void IAudioEditor2Markers::SetNote(const std::string& value) { Writable().note = value; }
void IAudioEditor2Markers::SetText(const std::string& value) { Writable().text = value; }

void IAudioEditor2Markers::AddMarker(std::int64_t position, std::int64_t length, const std::string& label,
                                     const std::string& note, const std::string& text, int, int, int, int) {
  if (position < 0 || position > editor_.state_.document.Length())
    throw Exception("A marker position must lie within the document");
  if (length < 0) throw Exception("A marker length cannot be negative");
  editor_.state_.markers.push_back({position, length, label, note, text});
  editor_.currentMarker_ = Count();
  editor_.Refresh();
}

void IAudioEditor2Markers::DeleteMarker() {
  Writable();  // raises without a current marker
  auto& markers = editor_.state_.markers;
  markers.erase(markers.begin() + (editor_.currentMarker_ - 1));
  editor_.currentMarker_ = std::min(editor_.currentMarker_, Count());
  editor_.Refresh();
}
