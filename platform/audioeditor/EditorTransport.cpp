#include "platform/audioeditor/EditorTransport.h"

#include "platform/audioeditor/AudioEditor2.h"

#include <algorithm>

namespace detail {

EditorTransport::EditorTransport(TAudioEditor2& editor) : editor_(editor) {}

EditorTransport::~EditorTransport() {
  // Destroying the devices stops them; no event of theirs runs afterwards.
  player_.reset();
  recorder_.reset();
}

std::int64_t EditorTransport::BlockFrames(int sampleRate) const {
  const DeviceBuffers& b = editor_.playbackBuffers_;
  return std::max<std::int64_t>(1, static_cast<std::int64_t>(b.sizeMs) / b.count * sampleRate / 1000);
}

void EditorTransport::Play(int mode) {
  if (recording_) return;
  if (mode < TAudioEditor2::kPlaySelection || mode > TAudioEditor2::kPlayLoop)
    throw Exception("Unknown play mode " + std::to_string(mode));
  StopPlayer();
  paused_ = false;
  const EditState& state = editor_.state_;
  if (state.document.Length() == 0) return;
  snapshot_ = state.document;
  const bool selected = state.selectionEnd > state.selectionStart;
  const std::int64_t from = selected ? state.selectionStart : state.cursor;
  rangeFrom_ = mode == TAudioEditor2::kPlayLoop && !selected ? 0 : from;
  rangeTo_ = mode == TAudioEditor2::kPlayToEnd || !selected ? snapshot_.Length() : state.selectionEnd;
  loop_ = mode == TAudioEditor2::kPlayLoop;
  if (rangeFrom_ >= rangeTo_) return;
  StartPlayer(rangeFrom_);
}

void EditorTransport::StartPlayer(std::int64_t from) {
  if (!player_) {
    player_ = std::make_unique<TAudioPlayer2>();
    player_->OnRequestOnLoadArray = [this](TObject*) { Feed(); };
    player_->OnEndArrayPlay = [this](TObject*) { Feed(); };
    player_->OnTimer = [this](TObject*, int played, int left, int right) { PlayerTimer(played, left, right); };
    player_->OnEndPlay = [this](TObject*) { PlayerEnded(); };
  }
  player_->SetFormat(snapshot_.sampleRate, snapshot_.channels);
  player_->SetBufferCount(editor_.playbackBuffers_.count);
  startFrame_ = nextFeed_ = from;
  fed_ = heard_ = 0;
  endGiven_ = false;
  player_->Play();
  if (player_->LastError() != TAudioPlayer2::kErrorNone) {
    player_->Stop();
    throw Exception(player_->LastError() == TAudioPlayer2::kErrorNoDevice ? "No playback device"
                                                                             : "The playback device cannot be opened");
  }
  playing_ = true;
}

void EditorTransport::Feed() {
  if (!playing_ || endGiven_) return;
  if (nextFeed_ >= rangeTo_) {
    if (!loop_) {
      player_->PlayBlock({});
      endGiven_ = true;
      return;
    }
    nextFeed_ = rangeFrom_;
  }
  const std::int64_t count = std::min(BlockFrames(snapshot_.sampleRate), rangeTo_ - nextFeed_);
  player_->PlayBlock(snapshot_.ReadInterleaved16(nextFeed_, count));
  nextFeed_ += count;
  fed_ += count;
}

std::int64_t EditorTransport::PlayPosition() const {
  if (!playing_) return -1;
  const std::int64_t span = rangeTo_ - rangeFrom_;
  if (loop_ && span > 0) {
    const std::int64_t offset = startFrame_ - rangeFrom_ + heard_;
    return rangeFrom_ + offset % span;
  }
  return std::min(startFrame_ + heard_, rangeTo_);
}

void EditorTransport::PlayerTimer(int played, int left, int right) {
  if (!playing_) return;
  heard_ = played;
  if (editor_.OnMeter) editor_.OnMeter(&editor_, static_cast<float>(left), static_cast<float>(right));
  editor_.Refresh();
}

void EditorTransport::PlayerEnded() {
  StopPlayer();
  if (editor_.OnMeter) editor_.OnMeter(&editor_, 0, 0);
  editor_.Refresh();
}

void EditorTransport::StopPlayer() {
  if (player_) player_->Stop();
  playing_ = false;
  snapshot_ = {};
}

void EditorTransport::Pause() {
  if (!playing_) return;
  if (player_) heard_ = player_->PlayedSamples();
  pausedAt_ = PlayPosition();
  const bool loop = loop_;
  const std::int64_t from = rangeFrom_, to = rangeTo_;
  AudioDocument snapshot = snapshot_;
  StopPlayer();
  // Resume goes on with the same snapshot and range.
  snapshot_ = std::move(snapshot);
  rangeFrom_ = from;
  rangeTo_ = to;
  loop_ = loop;
  paused_ = true;
  editor_.Refresh();
}

void EditorTransport::Resume() {
  if (!paused_) return;
  paused_ = false;
  if (pausedAt_ >= rangeTo_ && !loop_) return;
  StartPlayer(std::clamp(pausedAt_, rangeFrom_, rangeTo_ - 1));
}

void EditorTransport::Stop() {
  paused_ = false;
  if (playing_ || snapshot_.Length() > 0) {
    StopPlayer();
    if (editor_.OnMeter) editor_.OnMeter(&editor_, 0, 0);
  }
  if (recording_) FinishRecording();
  editor_.Refresh();
}

void EditorTransport::Record(int mode) {
  if (mode != TAudioEditor2::kRecordInsert) throw Exception("Unknown record mode " + std::to_string(mode));
  if (editor_.busy_) throw Exception("Engine busy");
  if (recording_ || editor_.state_.document.tracks.empty()) return;
  StopPlayer();
  paused_ = false;
  const AudioDocument& document = editor_.state_.document;
  if (!recorder_) {
    recorder_ = std::make_unique<TAudioRecord2>();
    recorder_->OnEndArrayRecord = [this](TObject*, int) { RecordedBlock(); };
    recorder_->OnTimer = [this](TObject*, int, int left, int right) {
      if (editor_.OnMeter) editor_.OnMeter(&editor_, static_cast<float>(left), static_cast<float>(right));
    };
    recorder_->OnError = [this](TObject*, const std::string&) { Stop(); };
  }
  if (recorder_->DeviceCount() < 0) throw Exception("No recording device");
  recorder_->SetFormat(document.sampleRate, document.channels);
  const DeviceBuffers& b = editor_.recordingBuffers_;
  recorder_->SetBlockSize(static_cast<int>(std::max<std::int64_t>(1, static_cast<std::int64_t>(b.sizeMs) / b.count *
                                                                          document.sampleRate / 1000)));
  recorder_->SetTimerInterval(b.tickMs);
  recorded_.clear();
  recorded_.resize(static_cast<std::size_t>(document.channels));
  recordedFrames_ = 0;
  recordAt_ = editor_.state_.cursor;
  recording_ = true;
  recorder_->Start();
}

void EditorTransport::RecordedBlock() {
  if (!recording_) return;
  const TSampleBlock block = recorder_->GetBlock();
  const int channels = static_cast<int>(recorded_.size());
  const std::size_t frames = block.size() / static_cast<std::size_t>(channels);
  std::vector<float> plane(frames);
  for (int c = 0; c < channels; ++c) {
    for (std::size_t i = 0; i < frames; ++i)
      plane[i] = static_cast<float>(block[i * static_cast<std::size_t>(channels) + static_cast<std::size_t>(c)]) / kSampleScale;
    recorded_[static_cast<std::size_t>(c)].Append(plane.data(), static_cast<std::int64_t>(frames));
  }
  recordedFrames_ += static_cast<std::int64_t>(frames);
}

void EditorTransport::FinishRecording() {
  // Stop hands over every block captured so far before it returns.
  recorder_->Stop();
  recording_ = false;
  if (editor_.OnMeter) editor_.OnMeter(&editor_, 0, 0);
  if (recordedFrames_ == 0) return;
  const AudioDocument& document = editor_.state_.document;
  AudioDocument take = AudioDocument::Empty(document.sampleRate, document.channels);
  for (std::size_t c = 0; c < recorded_.size(); ++c) take.tracks[c] = recorded_[c].Finish();
  recorded_.clear();
  EditState next = editor_.state_;
  const std::int64_t at = std::min(recordAt_, document.Length());
  next.document = document.Spliced(at, at, take);
  MarkersInserted(next.markers, at, take.Length());
  next.cursor = next.selectionStart = at;
  next.selectionEnd = at + take.Length();
  editor_.Commit(std::move(next));
}

}  // namespace detail

void TAudioEditor2::Play(int mode) { transport_->Play(mode); }
void TAudioEditor2::Record(int mode) { transport_->Record(mode); }
void TAudioEditor2::Stop() { transport_->Stop(); }
void TAudioEditor2::Pause() { transport_->Pause(); }
void TAudioEditor2::Resume() { transport_->Resume(); }
bool TAudioEditor2::Playing() const { return transport_->Playing(); }
bool TAudioEditor2::Recording() const { return transport_->Recording(); }
bool TAudioEditor2::Paused() const { return transport_->Paused(); }
std::int64_t TAudioEditor2::PlayPosition() const { return transport_->PlayPosition(); }
