#include "platform/audioeditor/AudioEditor2.h"

#include "platform/audio/FormatDescription.h"
#include "platform/audioeditor/DocumentFiles.h"
#include "platform/audioeditor/EditorTransport.h"
#include "platform/audioeditor/EditorView.h"

#include <algorithm>
#include <filesystem>

namespace {

std::string SystemTempFolder() {
  std::error_code error;
  std::string folder = std::filesystem::temp_directory_path(error).string();
  if (error || folder.empty()) folder = "/tmp";
  return folder.back() == '/' ? folder : folder + "/";
}

}  // namespace

TAudioEditor2::TAudioEditor2(TComponent* owner)
    : TCustomControl(owner), tempDirectory_(SystemTempFolder()) {
  view_ = std::make_unique<detail::EditorView>(*this);
  transport_ = std::make_unique<detail::EditorTransport>(*this);
  SetBounds(0, 0, 400, 200);
}

TAudioEditor2::~TAudioEditor2() {
  transport_.reset();  // no device event reaches a half-destroyed editor
}

TAudioEditor2::BusyScope::BusyScope(TAudioEditor2& editor) : editor_(editor) {
  if (editor_.busy_) throw Exception("Engine busy");
  editor_.busy_ = true;
}

TAudioEditor2::BusyScope::~BusyScope() { editor_.busy_ = false; }

void TAudioEditor2::RequireNotRecording() const {
  if (transport_->Recording()) throw Exception("Engine busy: recording");
}

void TAudioEditor2::RunOperation(const std::function<void(const std::function<void(int)>&)>& work) {
  RequireNotRecording();
  BusyScope busy(*this);
  const std::function<void(int)> progress = [this](int percent) {
    if (OnBlockOperation) OnBlockOperation(this, static_cast<short>(percent));
  };
  try {
    work(progress);
  } catch (...) {
    if (OnEndOperation) OnEndOperation(this);
    throw;
  }
  if (OnEndOperation) OnEndOperation(this);
}

detail::EffectRange TAudioEditor2::SelectedRange() const {
  if (HasSelection()) return {state_.selectionStart, state_.selectionEnd};
  return {0, state_.document.Length()};
}

void TAudioEditor2::Commit(detail::EditState next) {
  history_.Record(std::move(state_));
  state_ = std::move(next);
  const std::int64_t length = state_.document.Length();
  state_.cursor = std::clamp<std::int64_t>(state_.cursor, 0, length);
  state_.selectionStart = std::clamp<std::int64_t>(state_.selectionStart, 0, length);
  state_.selectionEnd = std::clamp<std::int64_t>(state_.selectionEnd, 0, length);
  currentMarker_ = std::min<int>(currentMarker_, static_cast<int>(state_.markers.size()));
  DocumentChanged();
}

void TAudioEditor2::ReplaceDocument(detail::AudioDocument document) {
  detail::EditState next = state_;
  next.document = std::move(document);
  Commit(std::move(next));
}

void TAudioEditor2::PositionChanged() {
  if (displayUpdate_) Refresh();
  if (OnChangePosition) OnChangePosition(this);
}

void TAudioEditor2::DocumentChanged() {
  view_->DocumentChanged();
  Refresh();
  if (OnChangePosition) OnChangePosition(this);
}

void TAudioEditor2::Refresh() { Invalidate(); }

void TAudioEditor2::OpenFile(const std::string& name, int) {
  detail::LoadedAudio loaded;
  RunOperation([&](const auto& progress) { loaded = detail::LoadAudioFile(name, progress); });
  transport_->Stop();
  state_ = {};
  state_.document = std::move(loaded.document);
  state_.markers = std::move(loaded.markers);
  history_.Clear();
  tags_ = loaded.tags;
  format_ = {loaded.formatText, state_.document.sampleRate, state_.document.channels};
  currentMarker_ = state_.markers.empty() ? 0 : 1;
  view_->Reset();
  DocumentChanged();
}

void TAudioEditor2::NewFile(int sampleRate, int channels) {
  if (sampleRate < 1000 || sampleRate > 384000 || channels < 1 || channels > 2)
    throw Exception("Cannot make a document of " + std::to_string(sampleRate) + " Hz with " +
                    std::to_string(channels) + " channels");
  RequireNotRecording();
  BusyScope busy(*this);
  transport_->Stop();
  state_ = {};
  state_.document = detail::AudioDocument::Empty(sampleRate, channels);
  history_.Clear();
  tags_ = {};
  currentMarker_ = 0;
  format_ = {};
  view_->Reset();
  DocumentChanged();
}

void TAudioEditor2::SaveFile(const std::string& name, int, int) {
  if (name.empty()) throw Exception("No file name to save to");
  RunOperation([&](const auto& progress) {
    detail::SaveExtras extras{audioInfoEnabled_, tags_, state_.markers};
    const std::string text = detail::SaveAudioFile(state_.document, name, extras, progress);
    format_ = {text, state_.document.sampleRate, state_.document.channels};
  });
}

void TAudioEditor2::ConvertFormat(int sampleRate, int channels) {
  if (sampleRate == state_.document.sampleRate && channels == state_.document.channels) return;
  RunOperation([&](const auto& progress) {
    detail::EditState next = state_;
    next.document = detail::ConvertDocument(state_.document, sampleRate, channels, progress);
    const int oldRate = state_.document.sampleRate;
    detail::MarkersRescaled(next.markers, oldRate, sampleRate);
    auto scale = [&](std::int64_t frame) { return frame * sampleRate / oldRate; };
    next.cursor = scale(next.cursor);
    next.selectionStart = scale(next.selectionStart);
    next.selectionEnd = scale(next.selectionEnd);
    Commit(std::move(next));
  });
}

std::string TAudioEditor2::FormatText() const {
  const detail::AudioDocument& d = state_.document;
  if (!format_.text.empty() && format_.sampleRate == d.sampleRate && format_.channels == d.channels)
    return format_.text;
  return detail::DescribePcm(16, d.sampleRate, d.channels);
}

TSampleBlock TAudioEditor2::ReadBlock(std::int64_t count) {
  return state_.document.ReadInterleaved16(state_.cursor, count);
}

void TAudioEditor2::SetTempDirectory(const std::string& folder) {
  std::error_code error;
  if (folder.empty() || !std::filesystem::is_directory(folder, error)) return;
  tempDirectory_ = folder.back() == '/' ? folder : folder + "/";
}

void TAudioEditor2::SetTypeView(int value) {
  if (value != kViewWaveform && value != kViewSpectral)
    throw EInvalidOperation("Unknown view type " + std::to_string(value));
  typeView_ = value;
  Refresh();
}
