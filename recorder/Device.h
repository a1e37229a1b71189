#pragma once
// The writer choice, its tray and the erase of rewritable discs.

#include "platform/framework/Forms.h"

class TfrmDevice : public TForm {
 public:
  explicit TfrmDevice(TComponent* owner);
  std::string ClassName() const override { return "TfrmDevice"; }
};

extern TfrmDevice* frmDevice;
