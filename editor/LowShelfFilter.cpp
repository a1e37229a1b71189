#include "editor/LowShelfFilter.h"

TfrmLowShelfFilter* frmLowShelfFilter = nullptr;

TfrmLowShelfFilter::TfrmLowShelfFilter(TComponent* owner) : TfrmShelfFilter(owner, "frmLowShelfFilter", "Low Shelf Filter", 200) {}

TfrmLowShelfFilter::~TfrmLowShelfFilter() {
  if (frmLowShelfFilter == this) frmLowShelfFilter = nullptr;
}
