#pragma once
// The Notch filter dialog.

#include "editor/FrequencyFilter.h"

class TfrmNotchFilter : public TfrmFrequencyFilter {
 public:
  explicit TfrmNotchFilter(TComponent* owner);
  ~TfrmNotchFilter() override;
  std::string ClassName() const override { return "TfrmNotchFilter"; }
};

extern TfrmNotchFilter* frmNotchFilter;
