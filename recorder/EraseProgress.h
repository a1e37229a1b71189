#pragma once
// The erase-progress window: a timed estimate until the erase ends.

#include "platform/framework/Forms.h"

class TfrmEraseProgress : public TForm {
 public:
  explicit TfrmEraseProgress(TComponent* owner);
  std::string ClassName() const override { return "TfrmEraseProgress"; }
};

extern TfrmEraseProgress* frmEraseProgress;
