// Listening in the splitter: from the position, a stretch before or after
// it, one section as a preview, at half, normal or one and a half speed.
// The timeline follows the samples handed to the player.

#include <algorithm>

#include "platform/base/Exceptions.h"
#include "platform/framework/SysUtils.h"
#include "recorder/GlobeVar.h"
#include "recorder/Splitter.h"

namespace {

constexpr int kBlockMs = 166;

}  // namespace

void TfrmSplitter::OpenAndPlay(const std::string& path) {
  AP.Stop();
  AF.Close();
  AF.SetWMAEnabled(true);
  AF.OpenRead(path, 0, 1);
  AI.Open(path);
  if (AF.LengthSamples() == 0) {
    AP.Stop();
    AF.Close();
    return;
  }
  try {
    AP.SetFormat(AF.SampleRate(), AF.Channels());
  } catch (const Exception&) {
    AF.Close();
    return;
  }
  blockSize_ = AP.MsToSamples(kBlockMs);
  fedSamples_ = 0;
  tempoFlushed_ = false;
  AF.Seek(startSample_, 3);
  AP.Play();
  if (AP.LastError() != 0) AF.Close();
}

void TfrmSplitter::FeedPlayer() {
  // A preview reads no further than its section: the player then plays
  // what it holds to the end and says so, at any speed.
  std::int64_t count = blockSize_;
  if (mode_ == TPlayMode::Preview) count = std::clamp<std::int64_t>(previewEndSample_ - startSample_ - fedSamples_, 0, count);
  TSampleBlock data = count > 0 ? AF.ReadBlock(count) : TSampleBlock();
  fedSamples_ += static_cast<std::int64_t>(data.size()) / std::max(1, AF.FileChannels());
  const float tempo = rb05x->Checked() ? 50.0f : rb15x->Checked() ? 150.0f : 100.0f;
  if (tempo != 100.0f) {
    if (!data.empty()) {
      AT.ChangeTempo(data, tempo);
    } else if (!tempoFlushed_) {
      // What the tempo change still holds is the end of the stretch.
      AT.Flush(data);
      tempoFlushed_ = true;
    }
  }
  try {
    AP.PlayBlock(data);
  } catch (const Exception&) {
    EndPlayback();
  }
}

void TfrmSplitter::PlayerTimer(int, int, int) {
  const std::int64_t fedMs = AP.SamplesToMs(static_cast<int>(startSample_ + fedSamples_));
  if (mode_ == TPlayMode::Preview) {
    // It ends when the player has played the section (OnEndPlay).
    SetStatus(previewedRow_, "Previewing: " + FormatDurationMsec(fedMs));
    return;
  }
  Timeline->SetPosition(fedMs);
  if (Timeline->Position() >= playEnd_) EndPlayback();
}

void TfrmSplitter::EndPlayback() {
  AP.Stop();
  AF.Close();
  if (mode_ == TPlayMode::Forward) Timeline->SetPosition(playStart_);
  if (mode_ == TPlayMode::Backward) Timeline->SetPosition(playEnd_);
  if (mode_ == TPlayMode::Forward) mode_ = TPlayMode::None;
}

void TfrmSplitter::StartPlayback(TPlayMode mode, std::int64_t startMs, std::int64_t endMs) {
  mode_ = mode;
  // Never before the file's start, whatever the box holds.
  playStart_ = std::max<std::int64_t>(0, startMs);
  playEnd_ = endMs;
  startSample_ = AP.MsToSamples(static_cast<int>(playStart_));
  if (mode == TPlayMode::Preview) previewEndSample_ = AP.MsToSamples(static_cast<int>(playEnd_));
  OpenAndPlay(SourcePath);
}

void TfrmSplitter::StopPreviewIfRunning() {
  if (mode_ == TPlayMode::Preview) btnPreviewStopClick();
}

void TfrmSplitter::btnPlayClick() {
  StopPreviewIfRunning();
  mode_ = TPlayMode::None;
  paused_ = false;
  StartPlayback(TPlayMode::None, Timeline->Position(), Timeline->End());
}

void TfrmSplitter::btnPauseClick() {
  StopPreviewIfRunning();
  paused_ = !paused_;
  if (!paused_) {
    StartPlayback(mode_, Timeline->Position(), playEnd_ > 0 ? playEnd_ : Timeline->End());
    return;
  }
  startSample_ += AP.PlayedSamples();
  AP.Stop();
}

void TfrmSplitter::btnStopClick() {
  StopPreviewIfRunning();
  paused_ = false;
  EndPlayback();
  if (cboxBackToStart->Checked()) Timeline->SetPosition(playStart_);
}

void TfrmSplitter::btnPlayForwardClick() {
  StopPreviewIfRunning();
  const std::int64_t position = Timeline->Position();
  StartPlayback(TPlayMode::Forward, position, position + StrToIntDef(Trim(numForward->Text()), 0));
}

void TfrmSplitter::btnPlayBackwardClick() {
  StopPreviewIfRunning();
  paused_ = false;
  const std::int64_t position = Timeline->Position();
  StartPlayback(TPlayMode::Backward, position - StrToIntDef(Trim(numBackward->Text()), 0), position);
}

void TfrmSplitter::btnPreviewClick() {
  const int row = SelectedRow();
  const auto& points = Timeline->Points().Points();
  if (row < 0 || row + 1 >= static_cast<int>(points.size())) return;
  SetStatus(previewedRow_, "");
  paused_ = false;
  previewedRow_ = row;
  StartPlayback(TPlayMode::Preview, points[row].position, points[row + 1].position - 1);
  btnPreviewStop->SetVisible(true);
  btnPreview->SetVisible(false);
  EnablePointCommands(false);
}

void TfrmSplitter::btnPreviewStopClick() {
  mode_ = TPlayMode::None;
  paused_ = false;
  EndPlayback();
  SetStatus(previewedRow_, "");
  btnPreviewStop->SetVisible(false);
  btnPreview->SetVisible(true);
  EnablePointCommands(true);
}

void TfrmSplitter::EnablePointCommands(bool enabled) {
  for (TControl* control : std::initializer_list<TControl*>{btnAddTime, btnRemove, btnRemoveAll, btnGoto, numGotoMin,
                                                            numGotoSec, numGotoMs})
    control->SetEnabled(enabled);
}
