#include "platform/audioeditor/AudioEditor2.h"

#include <algorithm>

std::int64_t IAudioEditor2Position::Length() const { return editor_.state_.document.Length(); }

bool IAudioEditor2Position::HasSelection() const { return editor_.HasSelection(); }

std::int64_t IAudioEditor2Position::SelectionStart() const { return editor_.state_.selectionStart; }

void IAudioEditor2Position::SetSelectionStart(std::int64_t frame) {
  editor_.state_.selectionStart = std::clamp<std::int64_t>(frame, 0, Length());
  editor_.PositionChanged();
}

std::int64_t IAudioEditor2Position::SelectionEnd() const { return editor_.state_.selectionEnd; }

void IAudioEditor2Position::SetSelectionEnd(std::int64_t frame) {
  editor_.state_.selectionEnd = std::clamp<std::int64_t>(frame, 0, Length());
  editor_.PositionChanged();
}

std::int64_t IAudioEditor2Position::CurrentPosition() const { return editor_.state_.cursor; }

void IAudioEditor2Position::SetCurrentPosition(std::int64_t frame) {
  editor_.state_.cursor = std::clamp<std::int64_t>(frame, 0, Length());
  editor_.PositionChanged();
}

bool IAudioEditor2Position::DisplayUpdate() const { return editor_.displayUpdate_; }

void IAudioEditor2Position::SetDisplayUpdate(bool value) {
  editor_.displayUpdate_ = value;
  if (value) editor_.Refresh();
}

std::int64_t IAudioEditor2Position::SamplesToMs(std::int64_t samples) const {
  const int rate = editor_.state_.document.sampleRate;
  return rate > 0 ? samples * 1000 / rate : 0;
}
