#pragma once
// The normalize dialog: the level to bring the loudest peak to.

#include "editor/EffectDialog.h"

class TfrmNormalize : public TfrmEffectDialog {
 public:
  explicit TfrmNormalize(TComponent* owner);
  ~TfrmNormalize() override;
  std::string ClassName() const override { return "TfrmNormalize"; }

  // Percent, read after the dialog ended with 1.
  int Level() const;

  TzelScrollBar* sbarNormalize;
  TLabel* Label1;
};

extern TfrmNormalize* frmNormalize;
