#pragma once
// The High-pass filter dialog.

#include "editor/FrequencyFilter.h"

class TfrmHighPassFilter : public TfrmFrequencyFilter {
 public:
  explicit TfrmHighPassFilter(TComponent* owner);
  ~TfrmHighPassFilter() override;
  std::string ClassName() const override { return "TfrmHighPassFilter"; }
};

extern TfrmHighPassFilter* frmHighPassFilter;
