#include "editor/Vibrato.h"

#include "skin/ZELScrollBar.h"

TfrmVibrato* frmVibrato = nullptr;

TfrmVibrato::TfrmVibrato(TComponent* owner) : TfrmEffectDialog(owner, "frmVibrato", "Vibrato", true) {
  sbarSweepDepth = AddParameter({"sbarSweepDepth", 0, 100, 25, "Sweep Depth   ", ""});
  sbarSweepFrequency = AddParameter({"sbarSweepFrequency", 0, 100, 3, "Sweep Frequency   ", ""});
  sbarSweepPhase = AddParameter({"sbarSweepPhase", 0, 360, 0, "Sweep Phase   ", "", true});
  Label1 = LabelOf(sbarSweepDepth);
  Label2 = LabelOf(sbarSweepFrequency);
  Label3 = LabelOf(sbarSweepPhase);
  FinishLayout();
}

TfrmVibrato::~TfrmVibrato() {
  if (frmVibrato == this) frmVibrato = nullptr;
}

int TfrmVibrato::SweepDepth() const { return sbarSweepDepth->Position(); }
int TfrmVibrato::SweepFrequency() const { return sbarSweepFrequency->Position(); }
float TfrmVibrato::SweepPhase() const { return PhaseRadians(sbarSweepPhase->Position()); }
