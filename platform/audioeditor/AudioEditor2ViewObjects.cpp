// Channel visibility, colours, scales and device buffers.

#include "platform/audioeditor/AudioEditor2.h"

#include <algorithm>

void IAudioEditor2Channel::SetIndex(int value) {
  if (value < 1 || value > 2) throw Exception("There is no channel " + std::to_string(value));
  index_ = value;
}

bool IAudioEditor2Channel::Visible() const { return editor_.channelVisible_[static_cast<std::size_t>(index_ - 1)]; }

void IAudioEditor2Channel::SetVisible(bool value) {
  editor_.channelVisible_[static_cast<std::size_t>(index_ - 1)] = value;
  editor_.Refresh();
}

const EditorColors& IAudioEditor2Colors::colors() const { return editor_.colorSettings_; }

void IAudioEditor2Colors::Set(TColor EditorColors::*member, TColor value) {
  editor_.colorSettings_.*member = value;
  editor_.Refresh();
}

void IAudioEditor2Scale::SetVisible(bool value) {
  settings_.visible = value;
  editor_.Refresh();
}

void IAudioEditor2Scale::SetGridVisible(bool value) {
  settings_.gridVisible = value;
  editor_.Refresh();
}

void IAudioEditor2Scale::SetScaleType(int value) {
  const int highest = &settings_ == &editor_.scaleXSettings_ ? kScaleMilliseconds : kScaleDecibels;
  if (value < 1 || value > highest) throw Exception("Unknown scale type " + std::to_string(value));
  settings_.scaleType = value;
  editor_.Refresh();
}

void IAudioEditor2Device::SetBufferSize(int ms) { buffers_.sizeMs = std::clamp(ms, 100, 10000); }
void IAudioEditor2Device::SetBufferCount(int count) { buffers_.count = std::clamp(count, 1, 100); }
void IAudioEditor2Device::SetBufferTick(int ms) { buffers_.tickMs = std::clamp(ms, 10, 1000); }
