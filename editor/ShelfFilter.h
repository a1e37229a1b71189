#pragma once
// The dialog of the high-shelf and low-shelf filters: a frequency
// (1..22000 Hz), a gain (-92..0 dB) and a steepness (1..100).

#include "editor/EffectDialog.h"

class TfrmShelfFilter : public TfrmEffectDialog {
 public:
  std::string ClassName() const override { return "TfrmShelfFilter"; }

  // Read after the dialog ended with 1.
  int Frequency() const;
  int Gain() const;
  int Steepness() const;

  TzelScrollBar* sbarFrequency;
  TzelScrollBar* sbarGain;
  TzelScrollBar* sbarSteepness;
  TLabel* Label1;
  TLabel* Label2;
  TLabel* Label3;

 protected:
  TfrmShelfFilter(TComponent* owner, const std::string& name, const std::string& caption, int frequency);
};
