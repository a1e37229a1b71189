#pragma once
// The vibrato dialog.

#include "editor/EffectDialog.h"

class TfrmVibrato : public TfrmEffectDialog {
 public:
  explicit TfrmVibrato(TComponent* owner);
  ~TfrmVibrato() override;
  std::string ClassName() const override { return "TfrmVibrato"; }

  // Read after the dialog ended with 1.
  int SweepDepth() const;
  int SweepFrequency() const;
  float SweepPhase() const;  // radians, 0..3.14

  TzelScrollBar* sbarSweepDepth;
  TzelScrollBar* sbarSweepFrequency;
  TzelScrollBar* sbarSweepPhase;
  TLabel* Label1;
  TLabel* Label2;
  TLabel* Label3;
};

extern TfrmVibrato* frmVibrato;
