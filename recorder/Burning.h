#pragma once
// The burning-progress window: disc options, start and progress of a burn.

#include "platform/framework/Forms.h"

class TfrmBurningProgress : public TForm {
 public:
  explicit TfrmBurningProgress(TComponent* owner);
  std::string ClassName() const override { return "TfrmBurningProgress"; }
};

extern TfrmBurningProgress* frmBurningProgress;
