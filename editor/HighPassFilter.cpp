#include "editor/HighPassFilter.h"

TfrmHighPassFilter* frmHighPassFilter = nullptr;

TfrmHighPassFilter::TfrmHighPassFilter(TComponent* owner) : TfrmFrequencyFilter(owner, "frmHighPassFilter", "High Pass Filter", 100) {}

TfrmHighPassFilter::~TfrmHighPassFilter() {
  if (frmHighPassFilter == this) frmHighPassFilter = nullptr;
}
