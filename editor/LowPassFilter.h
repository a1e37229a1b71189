#pragma once
// The Low-pass filter dialog.

#include "editor/FrequencyFilter.h"

class TfrmLowPassFilter : public TfrmFrequencyFilter {
 public:
  explicit TfrmLowPassFilter(TComponent* owner);
  ~TfrmLowPassFilter() override;
  std::string ClassName() const override { return "TfrmLowPassFilter"; }
};

extern TfrmLowPassFilter* frmLowPassFilter;
