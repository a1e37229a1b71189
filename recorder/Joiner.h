#pragma once
// The joiner window: appends several audio files into one.

#include "platform/framework/Forms.h"

class TfrmJoiner : public TForm {
 public:
  explicit TfrmJoiner(TComponent* owner);
  std::string ClassName() const override { return "TfrmJoiner"; }
};

extern TfrmJoiner* frmJoiner;
