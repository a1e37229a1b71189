// The player's playback volume and mute, kept in step with the main
// window's. The volume slider stands upside down: its top is loudest.

#include "platform/base/Exceptions.h"
#include "recorder/Main.h"
#include "recorder/PlaybackLine.h"
#include "recorder/Player.h"
#include "recorder/WindowSkin.h"

namespace {
constexpr int kVolumeMax = 65535;
}  // namespace

void TfrmPlayer::PickPlaybackLine() {
  if (PickWaveLine(AP) < 0) return;
  volumeEcho_ = true;  // the line's own volume: the main window has it already
  tbPlaybackVolume->SetPosition(kVolumeMax - AP.LineVolume());
  volumeEcho_ = false;
  try {
    // The mute both windows show stays true on a later show.
    AP.SetLineMute(muted_);
  } catch (const Exception& error) {
    ShowMessage(error.Message());
  }
}

void TfrmPlayer::tbPlaybackVolumeChange() {
  const int volume = VolumePosition();
  if (shown_) {
    try {
      AP.SetLineVolume(volume);
    } catch (const Exception& error) {
      ShowMessage(error.Message());
    }
  }
  if (!volumeEcho_ && frmMain) frmMain->SetPlaybackVolumeFromPlayer(volume);
  volumeEcho_ = false;
}

void TfrmPlayer::SetVolumePosition(int volume) {
  volumeEcho_ = true;
  tbPlaybackVolume->SetPosition(kVolumeMax - volume);
  // Cleared here too: a position that does not move raises no change, and
  // the user's next move must still reach the main window.
  volumeEcho_ = false;
}

int TfrmPlayer::VolumePosition() const { return kVolumeMax - tbPlaybackVolume->Position(); }

void TfrmPlayer::btnMuteClick() {
  ShowMuteState(!muted_);
  try {
    AP.SetLineMute(muted_);
  } catch (const Exception& error) {
    ShowMessage(error.Message());
  }
  if (frmMain) frmMain->cboxMute->SetChecked(muted_);
}

void TfrmPlayer::SwapMuteGlyph() {
  // Follows the main window's box rather than flipping blindly, so the two
  // windows cannot drift apart.
  ShowMuteState(frmMain ? frmMain->cboxMute->Checked() : !muted_);
}

void TfrmPlayer::ShowMuteState(bool muted) {
  muted_ = muted;
  if (muteGlyphSwapped_ != muted) SwapButtonPictures(btnMute, imgMute);
  muteGlyphSwapped_ = muted;
}
