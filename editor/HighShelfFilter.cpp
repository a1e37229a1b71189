#include "editor/HighShelfFilter.h"

TfrmHighShelfFilter* frmHighShelfFilter = nullptr;

TfrmHighShelfFilter::TfrmHighShelfFilter(TComponent* owner) : TfrmShelfFilter(owner, "frmHighShelfFilter", "High Shelf Filter", 100) {}

TfrmHighShelfFilter::~TfrmHighShelfFilter() {
  if (frmHighShelfFilter == this) frmHighShelfFilter = nullptr;
}
