#include "editor/FrequencyFilter.h"

#include "skin/ZELScrollBar.h"

TfrmFrequencyFilter::TfrmFrequencyFilter(TComponent* owner, const std::string& name, const std::string& caption,
                                         int frequency)
    : TfrmEffectDialog(owner, name, caption, true) {
  sbarFrequency = AddParameter({"sbarFrequency", 1, 22000, frequency, "Frequency   ", " hz"});
  sbarSteepness = AddParameter({"sbarSteepness", 1, 100, 100, "Steepness   ", ""});
  Label1 = LabelOf(sbarFrequency);
  Label2 = LabelOf(sbarSteepness);
  FinishLayout();
}

int TfrmFrequencyFilter::Frequency() const { return sbarFrequency->Position(); }
int TfrmFrequencyFilter::Steepness() const { return sbarSteepness->Position(); }
