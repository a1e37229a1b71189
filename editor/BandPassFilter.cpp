#include "editor/BandPassFilter.h"

TfrmBandPassFilter* frmBandPassFilter = nullptr;

TfrmBandPassFilter::TfrmBandPassFilter(TComponent* owner) : TfrmFrequencyFilter(owner, "frmBandPassFilter", "Band Pass Filter", 100) {}

TfrmBandPassFilter::~TfrmBandPassFilter() {
  if (frmBandPassFilter == this) frmBandPassFilter = nullptr;
}
