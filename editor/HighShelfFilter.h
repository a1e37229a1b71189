#pragma once
// The High-shelf filter dialog.

#include "editor/ShelfFilter.h"

class TfrmHighShelfFilter : public TfrmShelfFilter {
 public:
  explicit TfrmHighShelfFilter(TComponent* owner);
  ~TfrmHighShelfFilter() override;
  std::string ClassName() const override { return "TfrmHighShelfFilter"; }
};

extern TfrmHighShelfFilter* frmHighShelfFilter;
