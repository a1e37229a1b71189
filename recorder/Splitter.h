#pragma once
// The splitter window: cuts one audio file into several.

#include "platform/framework/Forms.h"

class TfrmSplitter : public TForm {
 public:
  explicit TfrmSplitter(TComponent* owner);
  std::string ClassName() const override { return "TfrmSplitter"; }
};

extern TfrmSplitter* frmSplitter;
