#include "editor/LowPassFilter.h"

TfrmLowPassFilter* frmLowPassFilter = nullptr;

TfrmLowPassFilter::TfrmLowPassFilter(TComponent* owner) : TfrmFrequencyFilter(owner, "frmLowPassFilter", "Low Pass Filter", 200) {}

TfrmLowPassFilter::~TfrmLowPassFilter() {
  if (frmLowPassFilter == this) frmLowPassFilter = nullptr;
}
