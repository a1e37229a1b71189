#pragma once
// The disc-burner window: the burn list, the writer and the burn.

#include "platform/framework/Forms.h"

class TfrmBurner : public TForm {
 public:
  explicit TfrmBurner(TComponent* owner);
  std::string ClassName() const override { return "TfrmBurner"; }
};

extern TfrmBurner* frmBurner;
