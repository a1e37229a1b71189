#pragma once
// The fade dialog, fading in or out from a starting to an ending level;
// each mode keeps its own last pair, and the levels keep their order
// (rising for a fade in, falling for a fade out).

#include "editor/EffectDialog.h"

class TfrmFadeInOut : public TfrmEffectDialog {
 public:
  explicit TfrmFadeInOut(TComponent* owner);
  ~TfrmFadeInOut() override;
  std::string ClassName() const override { return "TfrmFadeInOut"; }

  // Set before showing: true = "Fade In", false = "Fade Out". Puts the
  // mode's last pair on the scroll bars.
  void SetFadeInMode(bool fadeIn);
  bool FadeInMode() const { return fadeIn_; }

  // Percent, read after the dialog ended with 1.
  int StartingLevel() const;
  int EndingLevel() const;

  TzelScrollBar* sbarStarting;
  TzelScrollBar* sbarEnding;
  TLabel* Label1;
  TLabel* Label2;

 protected:
  void ParameterChanged(TzelScrollBar* bar) override;
  void RestoreDefaults() override;

 private:
  struct TLevels {
    int starting;
    int ending;
  };
  TLevels& Memory() { return fadeIn_ ? fadeInLevels_ : fadeOutLevels_; }
  void ShowLevels(TLevels levels);

  bool fadeIn_ = true;
  bool settingMode_ = false;
  TLevels fadeInLevels_;
  TLevels fadeOutLevels_;
};

extern TfrmFadeInOut* frmFadeInOut;
