#include "editor/Normalize.h"

#include "skin/ZELScrollBar.h"

TfrmNormalize* frmNormalize = nullptr;

TfrmNormalize::TfrmNormalize(TComponent* owner) : TfrmEffectDialog(owner, "frmNormalize", "Normalize", true) {
  sbarNormalize = AddParameter({"sbarNormalize", 0, 100, 80, "Level   ", "%"});
  Label1 = LabelOf(sbarNormalize);
  FinishLayout();
}

TfrmNormalize::~TfrmNormalize() {
  if (frmNormalize == this) frmNormalize = nullptr;
}

int TfrmNormalize::Level() const { return sbarNormalize->Position(); }
