#pragma once
// The dialog of the notch, band-pass, high-pass and low-pass filters: a
// frequency (1..22000 Hz) and a steepness (1..100). Each filter's unit
// names its own dialog and the frequency it starts at.

#include "editor/EffectDialog.h"

class TfrmFrequencyFilter : public TfrmEffectDialog {
 public:
  std::string ClassName() const override { return "TfrmFrequencyFilter"; }

  // Read after the dialog ended with 1.
  int Frequency() const;
  int Steepness() const;

  TzelScrollBar* sbarFrequency;
  TzelScrollBar* sbarSteepness;
  TLabel* Label1;
  TLabel* Label2;

 protected:
  TfrmFrequencyFilter(TComponent* owner, const std::string& name, const std::string& caption, int frequency);
};
