#pragma once
// The Low-shelf filter dialog.

#include "editor/ShelfFilter.h"

class TfrmLowShelfFilter : public TfrmShelfFilter {
 public:
  explicit TfrmLowShelfFilter(TComponent* owner);
  ~TfrmLowShelfFilter() override;
  std::string ClassName() const override { return "TfrmLowShelfFilter"; }
};

extern TfrmLowShelfFilter* frmLowShelfFilter;
