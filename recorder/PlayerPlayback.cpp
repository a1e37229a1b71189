// Playback of one file of the list: fed to the player in blocks, with the
// spectrum display, the progress slider, seeking and pause.

#include "platform/base/Exceptions.h"
#include "platform/framework/SysUtils.h"
#include "recorder/GlobeVar.h"
#include "recorder/Main.h"
#include "recorder/PlaybackProgress.h"
#include "recorder/Player.h"
#include "recorder/PlayerRows.h"
#include "recorder/WindowBuilding.h"
#include "recorder/WindowSkin.h"

namespace {

constexpr int kBlockMs = 400;
const char* const kNoOutput = "The file cannot be played: no sound output is available.";
constexpr TColor kFormatTextColor = 0x3C3430;

}  // namespace

void TfrmPlayer::CreatePlaybackControls() {
  plADBG = new TPanel(this);
  plADBG->SetName("plADBG");
  plADBG->SetParent(this);
  plADBG->SetBounds(202, 70, 296, 110);
  plADBG->SetBevelOuter(bvNone);
  plADBG->SetColor(clBlack);
  AD = new TAudioDisplay2(this);
  AD->SetParent(plADBG);
  AD->SetColor(clBlack);
  AD->SetTypeDisplay(TAudioDisplay2::kModePeakBars);
  auto placeDisplay = [this] { AD->SetBounds(4, 4, plADBG->Width() - 9, plADBG->Height() - 9); };
  placeDisplay();
  plADBG->OnResize = [placeDisplay](TObject*) { placeDisplay(); };

  Label1 = BackgroundLabel(this, "Label1", 207, 190, 430, kFormatTextColor);

  tbPlaybackProgress = MakeProgressSlider(this, 207, 208, 430, 14, progressHeld_, [this] { SeekToProgress(); });

  btnPlay = PictureButton(this, "btnPlay", 207, 226, 25, 27, "PLAYER_PLAY", "Play");
  btnPause = PictureButton(this, "btnPause", 233, 226, 25, 27, "PLAYER_PAUSE", "Pause");
  btnStop = PictureButton(this, "btnStop", 259, 226, 25, 27, "PLAYER_STOP", "Stop");
  btnPlay->OnClick = [this](TObject*) { btnPlayClick(); };
  btnPause->OnClick = [this](TObject*) { btnPauseClick(); };
  btnStop->OnClick = [this](TObject*) {
    paused_ = false;
    StopPlaying();
  };

  btnMute = PictureButton(this, "btnMute", 651, 226, 25, 27, "PLAYER_MUTE", "Mute playback volume");
  btnMute->OnClick = [this](TObject*) { btnMuteClick(); };
  imgMute = AlternatePictures(this, "imgMute", "PLAYER_MUTED");
  tbPlaybackVolume = SkinnedSlider(this, "tbPlaybackVolume", 686, 189, 17, 66, 0, 65535, zelVertical);
  tbPlaybackVolume->SetPosition(65535);
  tbPlaybackVolume->SetHint("Adjust playback volume");
  tbPlaybackVolume->SetShowHint(true);
  tbPlaybackVolume->OnChange = [this](TObject*) { tbPlaybackVolumeChange(); };

  AP.OnRequestOnLoadArray = [this](TObject*) { FeedPlayer(); };
  AP.OnEndArrayPlay = [this](TObject*) { FeedPlayer(); };
  AP.OnTimer = [this](TObject*, int current, int left, int right) { PlayerTimer(current, left, right); };
  AP.OnEndPlay = [this](TObject*) { StopPlaying(); };
}

void TfrmPlayer::btnPlayClick() {
  paused_ = false;
  if (playingRowIndex_ < 0 && frmMain && frmMain->Recording() &&
      AskQuestion("Recording in process. Playing will jam your work. Do you want to continue? ") != mrYes)
    return;
  if (lvPlayList->SelCount() != 1) return;
  if (Renaming()) EndRename(true);
  TListItem* selected = lvPlayList->Selected();
  if (TListItem* playing = PlayingItem()) LeavePlayingRow(playing);
  playingRowIndex_ = selected->Index();
  SetMarker(selected, kMarkerPlaying);
  lvPlayList->Invalidate();
  PlayFile(PathOf(selected));
}

void TfrmPlayer::PlayFile(const std::string& path) {
  tbPlaybackProgress->SetPosition(0);
  tbPlaybackProgress->SetEnabled(true);
  AP.Stop();
  AF.Close();
  AF.SetWMAEnabled(true);
  AF.OpenRead(path, 0, 1);
  AI.Open(path);
  fileLength_ = AI.LengthSamples();
  startOffset_ = 0;
  if (AF.LastError() != 0) {
    PlaybackFailed("The file \"" + ExtractFileName(path) + "\" cannot be played: " +
                   (AF.LastErrorText().empty() ? "it cannot be read." : AF.LastErrorText()));
    return;
  }
  if (AF.LengthSamples() == 0) {
    PlaybackFailed("The file \"" + ExtractFileName(path) + "\" holds no sound to play.");
    return;
  }
  // The information may not know a length the reader knows.
  if (fileLength_ <= 0) fileLength_ = AF.LengthSamples();
  try {
    AP.SetFormat(AF.SampleRate(), AF.Channels());
    AD->SetFormat(AF.SampleRate(), AF.Channels());
  } catch (const Exception& error) {
    PlaybackFailed(error.Message());
    return;
  }
  blockSamples_ = AP.MsToSamples(kBlockMs);
  startOffset_ = AF.Seek(SeekTarget(tbPlaybackProgress->Position(), AF.LengthSamples()), 3);
  AP.Play();
  if (AP.LastError() != 0) PlaybackFailed(kNoOutput);
}

// Nothing stays open and the row is ordinary again, so a second try starts
// from a clean state.
void TfrmPlayer::PlaybackFailed(const std::string& message) {
  StopPlaying();
  ShowMessage(message);
}

void TfrmPlayer::FeedPlayer() {
  if (playingRowIndex_ < 0 || paused_) return;
  // An empty block at the end of the file tells the player the data ended.
  try {
    AP.PlayBlock(AF.ReadBlock(blockSamples_));
  } catch (const Exception& error) {
    PlaybackFailed(error.Message());
  }
}

void TfrmPlayer::PlayerTimer(int currentSamples, int levelLeft, int levelRight) {
  TListItem* playing = PlayingItem();
  if (!playing) return;
  const std::int64_t position = PlayerTimerPosition(currentSamples, levelLeft, levelRight);
  AD->PutData(AP.GetLastSamples(AD->FFTWindowsSize()));
  if (!progressHeld_) tbPlaybackProgress->SetPosition(ProgressOf(position + startOffset_, fileLength_));
  // The time since the player last started, as the component counts it.
  const int ms = AP.SamplesToMs(static_cast<int>(std::min<std::int64_t>(position, 0x7FFFFFFF)));
  playing->SubItems()->SetStrings(3, "Playing " + FormatDurationClock(ms));
  lvPlayList->Invalidate();
}

void TfrmPlayer::SeekToProgress() {
  if (playingRowIndex_ < 0 || AF.LengthSamples() == 0) return;
  const std::int64_t target = SeekTarget(tbPlaybackProgress->Position(), AF.LengthSamples());
  if (paused_) {
    // Leaving the pause continues from here.
    startOffset_ = AF.Seek(target, 3);
    return;
  }
  AP.Stop();
  startOffset_ = AF.Seek(target, 3);
  AP.Play();
  if (AP.LastError() != 0) {
    PlaybackFailed(kNoOutput);
    return;
  }
  FeedPlayer();
}

void TfrmPlayer::btnPauseClick() {
  paused_ = !paused_;
  if (playingRowIndex_ < 0) return;
  if (paused_) {
    startOffset_ += AP.PlayedSamples();
    AP.Stop();
    return;
  }
  AF.Seek(startOffset_ + 1, 3);
  AP.Play();
  if (AP.LastError() != 0) PlaybackFailed(kNoOutput);
}

void TfrmPlayer::StopPlaying() {
  AP.Stop();
  AF.Close();
  AD->PutData(TSampleBlock());
  tbPlaybackProgress->SetEnabled(false);
  tbPlaybackProgress->SetPosition(0);
  progressHeld_ = false;
  if (playingRowIndex_ < 0) return;
  if (TListItem* playing = PlayingItem()) LeavePlayingRow(playing);
  lvPlayList->Invalidate();
  playingRowIndex_ = -1;
}

// A recording of this run keeps its mark after playing, so it stays
// protected from rename and delete.
void TfrmPlayer::LeavePlayingRow(TListItem* item) {
  SetMarker(item, RecordedSinceStart(PathOf(item)) ? kMarkerRecordedNow : kMarkerOrdinary);
  item->SubItems()->SetStrings(3, "");
}

// The playing row, unless the list is being read again and its rows are
// not all back yet.
TListItem* TfrmPlayer::PlayingItem() const {
  TListItems* items = lvPlayList->Items();
  if (playingRowIndex_ < 0 || playingRowIndex_ >= items->Count()) return nullptr;
  TListItem* item = items->Item(playingRowIndex_);
  return MarkerOf(item) == kMarkerPlaying ? item : nullptr;
}
