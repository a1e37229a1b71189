#include "editor/ShelfFilter.h"

#include "skin/ZELScrollBar.h"

TfrmShelfFilter::TfrmShelfFilter(TComponent* owner, const std::string& name, const std::string& caption,
                                 int frequency)
    : TfrmEffectDialog(owner, name, caption, true) {
  sbarFrequency = AddParameter({"sbarFrequency", 1, 22000, frequency, "Frequency   ", " hz"});
  sbarGain = AddParameter({"sbarGain", -92, 0, -10, "Gain   ", " db"});
  sbarSteepness = AddParameter({"sbarSteepness", 1, 100, 100, "Steepness   ", ""});
  Label1 = LabelOf(sbarFrequency);
  Label2 = LabelOf(sbarGain);
  Label3 = LabelOf(sbarSteepness);
  FinishLayout();
}

int TfrmShelfFilter::Frequency() const { return sbarFrequency->Position(); }
int TfrmShelfFilter::Gain() const { return sbarGain->Position(); }
int TfrmShelfFilter::Steepness() const { return sbarSteepness->Position(); }
