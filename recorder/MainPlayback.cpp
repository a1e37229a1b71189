// Playback of the record list: a chosen row's file is read in blocks of
// one second and handed to the player; its row shows the position, the
// progress bar follows it and seeks where it is released.

#include <algorithm>
#include <climits>

#include "platform/base/Exceptions.h"
#include "recorder/GlobeVar.h"
#include "recorder/Main.h"
#include "recorder/MainPathText.h"
#include "recorder/PlaybackProgress.h"
#include "recorder/WindowBuilding.h"

namespace {

constexpr int kBlockMs = 1000;
constexpr int kDisplayRate = 44100;  // the level monitor's format
constexpr int kDisplayChannels = 2;
const char* const kNoOutput = "The file cannot be played: no sound output is available.";

}  // namespace

void TfrmMain::CreatePlaybackControls() {
  tbPlaybackProgress = MakeProgressSlider(this, 10, 372, 587, 14, progressHeld_, [this] { SeekToProgress(); });

  btnPlay->OnClick = [this](TObject*) { btnPlayClick(); };
  lvRecordList->OnClick = [this](TObject*) { lvRecordListClick(); };
  lvRecordList->OnChanging = [this](TObject*, TListItem*, TItemChange change, bool& allow) {
    // While voice activation records, the user may not move the selection.
    if (change == ctState && recording_ && cboxVox->Checked() && !selectingRow_) allow = false;
  };

  AP.OnRequestOnLoadArray = [this](TObject*) { FeedPlayer(); };
  AP.OnEndArrayPlay = [this](TObject*) { FeedPlayer(); };
  AP.OnTimer = [this](TObject*, int current, int left, int right) { PlayerTimer(current, left, right); };
  AP.OnEndPlay = [this](TObject*) { StopPlayback(); };
}

void TfrmMain::lvRecordListClick() {
  if (cboxVox->Checked() || recording_) return;
  TListItem* selected = lvRecordList->Selected();
  if (selected) PlayRow(selected->Index(), true);
}

void TfrmMain::btnPlayClick() {
  if (cboxVox->Checked()) return;
  paused_ = false;
  if (recording_) return;
  TListItem* selected = lvRecordList->Selected();
  if (selected) PlayRow(selected->Index(), false);
}

void TfrmMain::PlayRow(int row, bool showName) {
  if (row < 0 || row >= rows_.Count()) return;
  if (playing_) {
    rows_.Row(playingRow_).Status = "Done";
    ShowRow(playingRow_);
  }
  const std::string path = rows_.Row(row).Path;
  // The length of the file about to play, whichever way it was chosen.
  AI.Open(path);
  totalSamples_ = AI.LengthSamples();
  playingRow_ = StartPlayback(path) ? row : -1;
  if (showName) ShowPathLabel(path);
}

bool TfrmMain::StartPlayback(const std::string& path) {
  AR.Stop();
  ShowActiveLook(true);
  tbPlaybackProgress->SetPosition(0);
  tbPlaybackProgress->SetEnabled(true);
  Label1->SetCaption("Playing...");
  paused_ = false;
  playing_ = false;
  AP.Stop();
  AF1.Close();
  AF1.SetWMAEnabled(true);
  AF1.OpenRead(path, 0, 1);
  sampleOffset_ = 0;
  Label3->SetCaption(AF1.FormatText());
  if (AF1.LastError() != 0) {
    PlaybackFailed(AF1.LastErrorText().empty() ? "Cannot open " + path : AF1.LastErrorText());
    return false;
  }
  // An empty file has nothing to play: back to idle without a word.
  if (AF1.LengthSamples() == 0) {
    PlaybackFailed("");
    return false;
  }
  try {
    AP.SetFormat(AF1.SampleRate(), AF1.Channels());
    AV->SetFormat(AF1.SampleRate(), AF1.Channels());
  } catch (const Exception& error) {
    PlaybackFailed(error.Message());
    return false;
  }
  blockSamples_ = AP.MsToSamples(kBlockMs);
  sampleOffset_ = AF1.Seek(SeekTarget(tbPlaybackProgress->Position(), AF1.LengthSamples()), 3);
  AP.Play();
  if (AP.LastError() != 0) {
    PlaybackFailed(kNoOutput);
    return false;
  }
  playing_ = true;
  return true;
}

void TfrmMain::PlaybackFailed(const std::string& message) {
  ReleasePlayback();
  if (!message.empty()) ShowMessage(message);
}

// Leaves nothing open and the window idle; the rows are not touched.
void TfrmMain::ReleasePlayback() {
  AP.Stop();
  AF1.Close();
  sampleOffset_ = 0;
  playing_ = false;
  paused_ = false;
  leftMeter_->SetLevel(0);
  rightMeter_->SetLevel(0);
  Label1->SetCaption("Idle");
  AV->SetFormat(kDisplayRate, kDisplayChannels);
  AV->PutData(TSampleBlock());
  tbPlaybackProgress->SetEnabled(false);
  tbPlaybackProgress->SetPosition(0);
  progressHeld_ = false;
}

void TfrmMain::StopPlayback() {
  if (!playing_) return;
  ReleasePlayback();
  if (playingRow_ >= 0 && playingRow_ < rows_.Count()) {
    rows_.Row(playingRow_).Status = "Done";
    ShowRow(playingRow_);
  }
}

void TfrmMain::FeedPlayer() {
  if (!playing_) return;
  // The empty block at the end of the file tells the player the data ended.
  AP.PlayBlock(AF1.ReadBlock(blockSamples_));
}

void TfrmMain::PlayerTimer(int currentSamples, int levelLeft, int levelRight) {
  if (!playing_ || playingRow_ < 0 || playingRow_ >= rows_.Count()) return;
  const std::int64_t heard = PlayerTimerPosition(currentSamples, levelLeft, levelRight);
  leftMeter_->SetLevel(levelLeft);
  rightMeter_->SetLevel(heard == currentSamples ? levelRight : currentSamples);
  AV->PutData(AP.GetLastSamples(2 * AV->WindowArraySize()));
  const std::int64_t position = heard + sampleOffset_;
  const int ms = AP.SamplesToMs(static_cast<int>(std::min<std::int64_t>(position, INT_MAX)));
  rows_.Row(playingRow_).Status = "Playing: " + FormatDurationClock(ms);
  ShowRow(playingRow_);
  // A bar the user holds must not jump back under the pointer.
  if (!progressHeld_) tbPlaybackProgress->SetPosition(ProgressOf(position, totalSamples_));
}

void TfrmMain::SeekToProgress() {
  if (!playing_) return;
  const std::int64_t target = SeekTarget(tbPlaybackProgress->Position(), AF1.LengthSamples());
  if (paused_) {
    // Resuming continues from the new place.
    sampleOffset_ = AF1.Seek(target, 3);
    return;
  }
  AP.Stop();
  sampleOffset_ = AF1.Seek(target, 3);
  AP.Play();
  if (AP.LastError() != 0) {
    StopPlayback();
    ShowMessage(kNoOutput);
    return;
  }
  FeedPlayer();
}

void TfrmMain::PausePlayback() {
  if (paused_) return;
  paused_ = true;
  Label1->SetCaption("Pause");
  sampleOffset_ += AP.PlayedSamples();
  AP.Stop();
}

void TfrmMain::ResumePlayback() {
  if (!paused_) return;
  paused_ = false;
  Label1->SetCaption("Playing...");
  // The reader ran ahead of what was heard; go back to where it paused.
  sampleOffset_ = AF1.Seek(sampleOffset_, 3);
  AP.Play();
  if (AP.LastError() != 0) {
    StopPlayback();
    ShowMessage(kNoOutput);
  }
}

void TfrmMain::ShowPathLabel(const std::string& path) {
  constexpr int kLabelWidth = 290;
  TCanvas* canvas = Label2->Canvas();
  Label2->SetCaption(
      ShortenPathToFit(path, kLabelWidth, [canvas](const std::string& text) { return canvas->TextWidth(text); }));
}
