#include "editor/Delay.h"

#include "skin/ZELScrollBar.h"

TfrmDelay* frmDelay = nullptr;

TfrmDelay::TfrmDelay(TComponent* owner) : TfrmEffectDialog(owner, "frmDelay", "Delay", true) {
  sbarDelayTime = AddParameter({"sbarDelayTime", 0, 999, 120, "Delay Time   ", ""});
  sbarMixDepth = AddParameter({"sbarMixDepth", 0, 100, 30, "Mix Depth   ", ""});
  sbarFeedBackGain = AddParameter({"sbarFeedBackGain", 0, 100, 10, "Feedback Gain   ", ""});
  Label1 = LabelOf(sbarDelayTime);
  Label2 = LabelOf(sbarMixDepth);
  Label3 = LabelOf(sbarFeedBackGain);
  FinishLayout();
}

TfrmDelay::~TfrmDelay() {
  if (frmDelay == this) frmDelay = nullptr;
}

int TfrmDelay::DelayTime() const { return sbarDelayTime->Position(); }
int TfrmDelay::MixDepth() const { return sbarMixDepth->Position(); }
int TfrmDelay::FeedBackGain() const { return sbarFeedBackGain->Position(); }
