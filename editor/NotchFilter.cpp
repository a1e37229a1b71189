#include "editor/NotchFilter.h"

TfrmNotchFilter* frmNotchFilter = nullptr;

TfrmNotchFilter::TfrmNotchFilter(TComponent* owner) : TfrmFrequencyFilter(owner, "frmNotchFilter", "Notch Filter", 50) {}

TfrmNotchFilter::~TfrmNotchFilter() {
  if (frmNotchFilter == this) frmNotchFilter = nullptr;
}
