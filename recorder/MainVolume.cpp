// Playback volume and mute, mirrored with the player window.

#include "platform/base/Exceptions.h"
#include "recorder/Main.h"
#include "recorder/PlaybackLine.h"
#include "recorder/Player.h"
#include "recorder/WindowSkin.h"

namespace {
constexpr int kInitialPlaybackVolume = 9999;
}  // namespace

void TfrmMain::CreateVolumeControls() {
  cboxMute = SkinnedBox<TzelCheckBox>(this, "cboxMute", 538, 113, 60, "Mute");
  cboxMute->SetHint("Mute playback volume");
  cboxMute->SetShowHint(true);
  cboxMute->OnMouseDown = [this](TObject*, TMouseButton button, TShiftState, int, int) {
    if (button == mbLeft) muteAtPress_ = cboxMute->Checked();
  };
  // The box changes its mark after the release is reported; look once the
  // click has been handled, and only act on a real change.
  cboxMute->OnMouseUp = [this](TObject*, TMouseButton button, TShiftState, int, int) {
    if (button != mbLeft) return;
    const bool before = muteAtPress_;
    PostWhileAlive([this, before] { ApplyMuteClick(before); });
  };

  tbPlayBackVolume = SkinnedSlider(this, "tbPlayBackVolume", 441, 139, 143, 14, 0, 65535);
  tbPlayBackVolume->SetPosition(kInitialPlaybackVolume);
  tbPlayBackVolume->SetHint("Adjust playback volume");
  tbPlayBackVolume->SetShowHint(true);
  tbPlayBackVolume->OnChange = [this](TObject*) {
    if (!shown_) return;
    const int volume = tbPlayBackVolume->Position();
    try {
      AP.SetLineVolume(volume);
    } catch (const Exception& error) {
      ShowMessage(error.Message());
    }
    if (!volumeEcho_ && frmPlayer) frmPlayer->SetVolumePosition(volume);
    volumeEcho_ = false;
  };
}

void TfrmMain::SetPlaybackVolumeFromPlayer(int value) {
  volumeEcho_ = true;
  tbPlayBackVolume->SetPosition(value);
  // Cleared here too: a position that does not move raises no change, and
  // the next move of the user's own must still reach the player window.
  volumeEcho_ = false;
}

void TfrmMain::ApplyMuteClick(bool checkedAtPress) {
  if (!shown_ || cboxMute->Checked() == checkedAtPress) return;
  try {
    AP.SetLineMute(cboxMute->Checked());
  } catch (const Exception& error) {
    ShowMessage(error.Message());
  }
  if (frmPlayer) frmPlayer->SwapMuteGlyph();
}

void TfrmMain::PickPlaybackLine() {
  if (PickWaveLine(AP) < 0) return;
  tbPlayBackVolume->SetPosition(AP.LineVolume());
  try {
    AP.SetLineMute(false);
  } catch (const Exception& error) {
    ShowMessage(error.Message());
  }
}
