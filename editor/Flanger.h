#pragma once
// The flanger dialog.

#include "editor/EffectDialog.h"

class TfrmFlanger : public TfrmEffectDialog {
 public:
  explicit TfrmFlanger(TComponent* owner);
  ~TfrmFlanger() override;
  std::string ClassName() const override { return "TfrmFlanger"; }

  // Read after the dialog ended with 1.
  int DelayRate() const;
  int MixDepth() const;
  int FeedBackGain() const;
  int SweepDepth() const;
  int SweepRate() const;
  float SweepPhase() const;  // radians, 0..3.14

  TzelScrollBar* sbarDelayRate;
  TzelScrollBar* sbarMixDepth;
  TzelScrollBar* sbarFeedBackGain;
  TzelScrollBar* sbarSweepDepth;
  TzelScrollBar* sbarSweepRate;
  TzelScrollBar* sbarSweepPhase;
  TLabel* Label1;
  TLabel* Label2;
  TLabel* Label3;
  TLabel* Label4;
  TLabel* Label5;
  TLabel* Label6;
};

extern TfrmFlanger* frmFlanger;
