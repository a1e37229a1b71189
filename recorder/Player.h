#pragma once
// The player window: the audio files of one folder and their playback.

#include <string>

#include "platform/framework/Forms.h"

class TfrmPlayer : public TForm {
 public:
  explicit TfrmPlayer(TComponent* owner);
  std::string ClassName() const override { return "TfrmPlayer"; }

  // What the main window asks of this window; the player window fills
  // these in as it grows.
  // Appends a file of the folder list; recordedNow marks this run's recordings.
  void AddFileToList(const std::string& path, bool recordedNow);
  // Row being converted, -1 while no conversion runs.
  int ConvertingRowIndex() const { return convertingRowIndex_; }
  void SetConvertingRowIndex(int row) { convertingRowIndex_ = row; }
  void CancelConversion() { conversionCancelled_ = true; }
  bool ConversionCancelled() const { return conversionCancelled_; }
  // The main window's playback volume moved (0..65535).
  void SetVolumePosition(int volume) { volumePosition_ = volume; }
  int VolumePosition() const { return volumePosition_; }
  // The main window's mute box changed: the mute picture swaps.
  void SwapMuteGlyph() { muteGlyphSwapped_ = !muteGlyphSwapped_; }
  bool MuteGlyphSwapped() const { return muteGlyphSwapped_; }

 private:
  int convertingRowIndex_ = -1;
  bool conversionCancelled_ = false;
  int volumePosition_ = 0;
  bool muteGlyphSwapped_ = false;
};

extern TfrmPlayer* frmPlayer;
