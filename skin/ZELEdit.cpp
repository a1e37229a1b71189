#include "skin/ZELEdit.h"

TzelEdit::TzelEdit(TComponent* owner) : TzelFramed<TCustomEdit>(owner) {
  SetControlStyle(ControlStyle() | csOpaque);
  SetBorderStyle(bsNone);
  SetBorderWidth(2);  // the painted frame lives in this margin
  SetAutoSize(true);
  Link().OnApply = [this](const TzelLookSource&) { ThemeApplied(); };
  SetUIStyle(GetOwnerUIStyle(owner));
}
