#pragma once
// The player window: the audio files of one folder and their playback.

#include "platform/framework/Forms.h"

class TfrmPlayer : public TForm {
 public:
  explicit TfrmPlayer(TComponent* owner);
  std::string ClassName() const override { return "TfrmPlayer"; }
};

extern TfrmPlayer* frmPlayer;
