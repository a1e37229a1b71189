// Undo, redo and the clipboard of the editor component.

#include "platform/audioeditor/AudioEditor2.h"
#include "platform/audioeditor/DocumentFiles.h"

#include <algorithm>

void TAudioEditor2::Undo() {
  RequireNotRecording();
  BusyScope busy(*this);
  if (!history_.Undo(state_)) return;
  DocumentChanged();
}

void TAudioEditor2::Redo() {
  RequireNotRecording();
  BusyScope busy(*this);
  if (!history_.Redo(state_)) return;
  DocumentChanged();
}

void TAudioEditor2::Copy() {
  if (!HasSelection()) return;
  clipboard_ = state_.document.Slice(state_.selectionStart, state_.selectionEnd);
}

void TAudioEditor2::Cut() {
  if (!HasSelection()) return;
  RequireNotRecording();
  BusyScope busy(*this);
  const std::int64_t from = state_.selectionStart, to = state_.selectionEnd;
  clipboard_ = state_.document.Slice(from, to);
  detail::EditState next = state_;
  next.document = state_.document.Spliced(from, to, detail::AudioDocument::Empty(state_.document.sampleRate,
                                                                                  state_.document.channels));
  detail::MarkersDeleted(next.markers, from, to);
  next.cursor = next.selectionStart = next.selectionEnd = from;
  Commit(std::move(next));
}

detail::AudioDocument TAudioEditor2::InDocumentFormat(const detail::AudioDocument& audio,
                                                      const std::function<void(int)>& progress) const {
  const detail::AudioDocument& d = state_.document;
  if (audio.sampleRate == d.sampleRate && audio.channels == d.channels) return audio;
  return detail::ConvertDocument(audio, d.sampleRate, d.channels, progress);
}

void TAudioEditor2::InsertAudio(const detail::AudioDocument& audio, const std::function<void(int)>& progress) {
  const detail::AudioDocument insert = InDocumentFormat(audio, progress);
  const std::int64_t from = HasSelection() ? state_.selectionStart : state_.cursor;
  const std::int64_t to = HasSelection() ? state_.selectionEnd : from;
  detail::EditState next = state_;
  next.document = state_.document.Spliced(from, to, insert);
  detail::MarkersDeleted(next.markers, from, to);
  detail::MarkersInserted(next.markers, from, insert.Length());
  next.cursor = next.selectionStart = from;
  next.selectionEnd = from + insert.Length();
  Commit(std::move(next));
}

void TAudioEditor2::MixAudio(const detail::AudioDocument& audio, float documentLevel, float audioLevel,
                             const std::function<void(int)>& progress) {
  const detail::AudioDocument mix = InDocumentFormat(audio, progress);
  const std::int64_t at = HasSelection() ? state_.selectionStart : state_.cursor;
  detail::EditState next = state_;
  next.document = detail::MixInto(state_.document, at, mix, documentLevel, audioLevel, progress);
  next.cursor = next.selectionStart = at;
  next.selectionEnd = at + mix.Length();
  Commit(std::move(next));
}

void TAudioEditor2::Paste() {
  if (clipboard_.Length() == 0 || state_.document.tracks.empty()) return;
  RunOperation([&](const auto& progress) { InsertAudio(clipboard_, progress); });
}

void TAudioEditor2::PasteMix(float documentLevel, float clipboardLevel) {
  if (clipboard_.Length() == 0 || state_.document.tracks.empty()) return;
  RunOperation([&](const auto& progress) { MixAudio(clipboard_, documentLevel, clipboardLevel, progress); });
}

void TAudioEditor2::PasteFromFile(const std::string& name) {
  if (state_.document.tracks.empty()) return;
  RunOperation([&](const auto& progress) {
    const detail::LoadedAudio loaded = detail::LoadAudioFile(name, progress);
    if (loaded.document.Length() > 0) InsertAudio(loaded.document, progress);
  });
}

void TAudioEditor2::MixFromFile(const std::string& name, float documentLevel, float fileLevel) {
  if (state_.document.tracks.empty()) return;
  RunOperation([&](const auto& progress) {
    const detail::LoadedAudio loaded = detail::LoadAudioFile(name, progress);
    if (loaded.document.Length() > 0) MixAudio(loaded.document, documentLevel, fileLevel, progress);
  });
}
