#pragma once
// The recording schedule window.

#include "platform/framework/Forms.h"

class TfrmSchedule : public TForm {
 public:
  explicit TfrmSchedule(TComponent* owner);
  std::string ClassName() const override { return "TfrmSchedule"; }
};

extern TfrmSchedule* frmSchedule;
