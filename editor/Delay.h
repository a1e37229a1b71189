#pragma once
// The delay (echo) dialog.

#include "editor/EffectDialog.h"

class TfrmDelay : public TfrmEffectDialog {
 public:
  explicit TfrmDelay(TComponent* owner);
  ~TfrmDelay() override;
  std::string ClassName() const override { return "TfrmDelay"; }

  // Read after the dialog ended with 1.
  int DelayTime() const;
  int MixDepth() const;
  int FeedBackGain() const;

  TzelScrollBar* sbarDelayTime;
  TzelScrollBar* sbarMixDepth;
  TzelScrollBar* sbarFeedBackGain;
  TLabel* Label1;
  TLabel* Label2;
  TLabel* Label3;
};

extern TfrmDelay* frmDelay;
