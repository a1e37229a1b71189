#include "editor/Flanger.h"

#include "skin/ZELScrollBar.h"

TfrmFlanger* frmFlanger = nullptr;

TfrmFlanger::TfrmFlanger(TComponent* owner) : TfrmEffectDialog(owner, "frmFlanger", "Flanger", true) {
  sbarDelayRate = AddParameter({"sbarDelayRate", 0, 100, 50, "Delay Rate   ", ""});
  sbarMixDepth = AddParameter({"sbarMixDepth", 0, 100, 30, "Mix Depth   ", ""});
  sbarFeedBackGain = AddParameter({"sbarFeedBackGain", 0, 100, 10, "Feedback Gain   ", ""});
  sbarSweepDepth = AddParameter({"sbarSweepDepth", 0, 100, 50, "Sweep Depth   ", ""});
  sbarSweepRate = AddParameter({"sbarSweepRate", 0, 100, 5, "Sweep Rate   ", "%"});
  sbarSweepPhase = AddParameter({"sbarSweepPhase", 0, 360, 0, "Sweep Phase   ", "", true});
  Label1 = LabelOf(sbarDelayRate);
  Label2 = LabelOf(sbarMixDepth);
  Label3 = LabelOf(sbarFeedBackGain);
  Label4 = LabelOf(sbarSweepDepth);
  Label5 = LabelOf(sbarSweepRate);
  Label6 = LabelOf(sbarSweepPhase);
  FinishLayout();
}

TfrmFlanger::~TfrmFlanger() {
  if (frmFlanger == this) frmFlanger = nullptr;
}

int TfrmFlanger::DelayRate() const { return sbarDelayRate->Position(); }
int TfrmFlanger::MixDepth() const { return sbarMixDepth->Position(); }
int TfrmFlanger::FeedBackGain() const { return sbarFeedBackGain->Position(); }
int TfrmFlanger::SweepDepth() const { return sbarSweepDepth->Position(); }
int TfrmFlanger::SweepRate() const { return sbarSweepRate->Position(); }
float TfrmFlanger::SweepPhase() const { return PhaseRadians(sbarSweepPhase->Position()); }
