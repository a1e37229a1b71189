#pragma once
// The options window of the recorder.

#include "platform/framework/Forms.h"

class TfrmOptions : public TForm {
 public:
  explicit TfrmOptions(TComponent* owner);
  std::string ClassName() const override { return "TfrmOptions"; }
};

extern TfrmOptions* frmOptions;
