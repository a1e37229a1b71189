#include "recorder/WindowBuilding.h"

#include <utility>

#include "platform/os/KeyState.h"
#include "recorder/PlaybackProgress.h"
#include "recorder/WindowSkin.h"

TzelTrackBar* MakeProgressSlider(TForm* form, int left, int top, int width, int height, bool& held,
                                 std::function<void()> seek) {
  auto* slider = SkinnedSlider(form, "tbPlaybackProgress", left, top, width, height, 0, kProgressMax);
  slider->SetEnabled(false);
  slider->SetHint("Adjust playback progress");
  slider->SetShowHint(true);
  bool* heldFlag = &held;
  slider->OnMouseDown = [heldFlag](TObject*, TMouseButton button, TShiftState, int, int) {
    if (button == mbLeft) *heldFlag = true;
  };
  slider->OnMouseUp = [heldFlag, seek = std::move(seek)](TObject*, TMouseButton button, TShiftState, int, int) {
    if (button != mbLeft) return;
    *heldFlag = false;
    seek();
  };
  return slider;
}

void PassKeyboardOnFromSlider(TzelTrackBar* slider, const std::function<void()>& handOver) {
  slider->OnEnter = [handOver](TObject*) {
    if (GetAsyncKeyState(VK_LBUTTON) >= 0) handOver();
  };
  slider->OnMouseUp = [handOver, released = slider->OnMouseUp](TObject* sender, TMouseButton button,
                                                               TShiftState shift, int x, int y) {
    if (released) released(sender, button, shift, x, y);
    handOver();
  };
}
