#include "editor/Amplify.h"

#include "skin/ZELForm.h"
#include "skin/ZELScrollBar.h"

TfrmAmplify* frmAmplify = nullptr;

namespace {

constexpr int kPlusStart = 120;
constexpr int kMinusStart = 80;

}  // namespace

TfrmAmplify::TfrmAmplify(TComponent* owner)
    : TfrmEffectDialog(owner, "frmAmplify", "Amplify +", true), plusLevel_(kPlusStart), minusLevel_(kMinusStart) {
  sbarAmplify = AddParameter({"sbarAmplify", 100, 200, kPlusStart, "Level   ", "%"});
  Label1 = LabelOf(sbarAmplify);
  FinishLayout();
}

TfrmAmplify::~TfrmAmplify() {
  if (frmAmplify == this) frmAmplify = nullptr;
}

void TfrmAmplify::SetPlusMode(bool plus) {
  TQuietChanges quiet(*this);
  plus_ = plus;
  zelForm1->SetCaption(plus ? "Amplify +" : "Amplify -");
  // Widen towards the new range first, so Min never passes Max.
  if (plus) {
    sbarAmplify->SetMax(200);
    sbarAmplify->SetMin(100);
  } else {
    sbarAmplify->SetMin(0);
    sbarAmplify->SetMax(100);
  }
  sbarAmplify->SetPosition(plus ? plusLevel_ : minusLevel_);
}

int TfrmAmplify::Level() const { return sbarAmplify->Position(); }

void TfrmAmplify::ParameterChanged(TzelScrollBar*) { (plus_ ? plusLevel_ : minusLevel_) = sbarAmplify->Position(); }

void TfrmAmplify::RestoreDefaults() { sbarAmplify->SetPosition(plus_ ? kPlusStart : kMinusStart); }
