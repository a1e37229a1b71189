#pragma once
// The Band-pass filter dialog.

#include "editor/FrequencyFilter.h"

class TfrmBandPassFilter : public TfrmFrequencyFilter {
 public:
  explicit TfrmBandPassFilter(TComponent* owner);
  ~TfrmBandPassFilter() override;
  std::string ClassName() const override { return "TfrmBandPassFilter"; }
};

extern TfrmBandPassFilter* frmBandPassFilter;
