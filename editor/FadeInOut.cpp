#include "editor/FadeInOut.h"

#include "skin/ZELForm.h"
#include "skin/ZELScrollBar.h"

TfrmFadeInOut* frmFadeInOut = nullptr;

namespace {

constexpr int kSilent = 0;
constexpr int kFull = 100;

}  // namespace

TfrmFadeInOut::TfrmFadeInOut(TComponent* owner)
    : TfrmEffectDialog(owner, "frmFadeInOut", "Fade In", true),
      fadeInLevels_{kSilent, kFull},
      fadeOutLevels_{kFull, kSilent} {
  sbarStarting = AddParameter({"sbarStarting", 0, 100, kSilent, "Starting Level   ", "%"});
  sbarEnding = AddParameter({"sbarEnding", 0, 100, kFull, "Ending Level   ", "%"});
  Label1 = LabelOf(sbarStarting);
  Label2 = LabelOf(sbarEnding);
  FinishLayout();
}

TfrmFadeInOut::~TfrmFadeInOut() {
  if (frmFadeInOut == this) frmFadeInOut = nullptr;
}

void TfrmFadeInOut::SetFadeInMode(bool fadeIn) {
  fadeIn_ = fadeIn;
  zelForm1->SetCaption(fadeIn ? "Fade In" : "Fade Out");
  ShowLevels(Memory());
}

int TfrmFadeInOut::StartingLevel() const { return sbarStarting->Position(); }
int TfrmFadeInOut::EndingLevel() const { return sbarEnding->Position(); }

void TfrmFadeInOut::ShowLevels(TLevels levels) {
  TQuietChanges quiet(*this);
  sbarStarting->SetPosition(levels.starting);
  sbarEnding->SetPosition(levels.ending);
}

void TfrmFadeInOut::ParameterChanged(TzelScrollBar* bar) {
  const int starting = sbarStarting->Position();
  const int ending = sbarEnding->Position();
  // A fade in never falls and a fade out never rises: the other level
  // follows the one moved past it.
  const bool crossed = fadeIn_ ? starting > ending : starting < ending;
  if (crossed) {
    if (bar == sbarStarting)
      sbarEnding->SetPosition(starting);
    else
      sbarStarting->SetPosition(ending);
  }
  Memory() = {sbarStarting->Position(), sbarEnding->Position()};
  WriteLabels();
}

void TfrmFadeInOut::RestoreDefaults() {
  const TLevels defaults = fadeIn_ ? TLevels{kSilent, kFull} : TLevels{kFull, kSilent};
  ShowLevels(defaults);
  Memory() = defaults;
}
