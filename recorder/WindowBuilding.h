#pragma once
// Small builders the recorder's windows share to lay out their controls.

#include <functional>
#include <string>

#include "platform/framework/ComCtrls.h"
#include "platform/framework/Forms.h"
#include "platform/framework/StdCtrls.h"
#include "skin/ZELTrackBar.h"

// A new control owned by owner, placed on parent at the given bounds.
template <typename T>
T* Place(TComponent* owner, TWinControl* parent, int left, int top, int width, int height) {
  auto* control = new T(owner);
  control->SetParent(parent);
  control->SetBounds(left, top, width, height);
  return control;
}

// Calls handOver when the slider is entered other than by a left press,
// and after every release on it (following its own release handler), so
// the window can take the keyboard away from it.
void PassKeyboardOnFromSlider(TzelTrackBar* slider, const std::function<void()>& handOver);

// The playback progress slider: disabled until something plays. held is
// true from the slider's own left press to its own release, so a position
// report handled meanwhile does not pull it from under the user or away
// from where they let go; seek runs on that release.
TzelTrackBar* MakeProgressSlider(TForm* form, int left, int top, int width, int height, bool& held,
                              std::function<void()> seek);
