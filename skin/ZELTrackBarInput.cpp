// The track bar's mouse and keys: dragging the slider, paging towards a
// press on the bar (repeated while the button is held) and the keys.

#include <algorithm>
#include <cstdint>

#include "platform/framework/Forms.h"
#include "platform/os/VirtualKeys.h"
#include "skin/ZELFlavour.h"
#include "skin/ZELImagePanel.h"
#include "skin/ZELTrackBar.h"

namespace {
constexpr UINT_PTR kRepeatTimer = 1;
constexpr UINT kRepeatMs = 100;
}  // namespace

void TzelTrackBar::BecomeActiveControl() {
  if (!ActivateOnClick() || !Enabled() || !CanFocus()) return;
  if (TCustomForm* form = ParentForm()) form->SetActiveControl(this);
}

void TzelTrackBar::SliderMouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  // The older build drags as if the slider were held at its leading edge.
  grabOffset_ = SkinFlavour() == zelOlderBuild ? 0 : (Horizontal() ? x : y);
  dragging_ = true;
  BecomeActiveControl();
  SetMouseCapture(true);
  if (OnMouseDown) OnMouseDown(this, button, shift, x + slider_->Left(), y + slider_->Top());
}

void TzelTrackBar::SliderMouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  StopRepeat();
  dragging_ = false;
  if (OnMouseUp) OnMouseUp(this, button, shift, x + slider_->Left(), y + slider_->Top());
}

// Wide ranges must not overflow on the way to the clamp.
void TzelTrackBar::StepBy(std::int64_t delta) {
  SetPosition(int(std::clamp(std::int64_t(position_) + delta, std::int64_t(min_), std::int64_t(max_))));
}

// One page (step) towards the pointer, never past it.
void TzelTrackBar::PageTowards(int along, int step) {
  const int place = SliderPlace();
  const std::int64_t target = PositionFromPoint(along);
  if (along > place) StepBy(std::min<std::int64_t>(step, target - position_));
  else if (along < place) StepBy(std::max<std::int64_t>(-std::int64_t(step), target - position_));
}

void TzelTrackBar::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  if (button == mbLeft) {
    PageTowards(Horizontal() ? x : y, pageSize_);
    StartRepeat();
    BecomeActiveControl();
  }
  TCustomPanel::MouseDown(button, shift, x, y);
}

void TzelTrackBar::MouseMove(TShiftState shift, int x, int y) {
  if (dragging_) {
    position_ = std::clamp(PositionFromPoint(Horizontal() ? x : y), min_, max_);
    PlaceSlider();
    NotifyIfMoved();
  } else if (!ClientRect().Contains({x, y})) {
    StopRepeat();
  }
  TCustomPanel::MouseMove(shift, x, y);
}

void TzelTrackBar::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  StopRepeat();
  dragging_ = false;
  SetMouseCapture(false);
  TCustomPanel::MouseUp(button, shift, x, y);
}

void TzelTrackBar::StartRepeat() {
  if (repeating_ || !HandleAllocated()) return;
  repeating_ = true;
  SetTimer(Handle(), kRepeatTimer, kRepeatMs, nullptr);
}

void TzelTrackBar::StopRepeat() {
  if (!repeating_) return;
  repeating_ = false;
  if (HandleAllocated()) KillTimer(Handle(), kRepeatTimer);
}

// Held on the bar: horizontal bars page three times as fast.
void TzelTrackBar::RepeatTick() {
  TPoint cursor;
  if (!GetCursorPos(&cursor)) return;
  const TPoint p = ScreenToClient(cursor);
  PageTowards(Horizontal() ? p.X : p.Y, Horizontal() ? 3 * pageSize_ : pageSize_);
}

void TzelTrackBar::KeyDown(WORD& key, TShiftState shift) {
  TCustomPanel::KeyDown(key, shift);
  switch (key) {
    case VK_PRIOR: StepBy(-std::int64_t(pageSize_)); break;
    case VK_NEXT: StepBy(pageSize_); break;
    case VK_END: SetPosition(max_); break;
    case VK_HOME: SetPosition(min_); break;
    case VK_LEFT:
    case VK_UP: StepBy(-std::int64_t(lineSize_)); break;
    case VK_RIGHT:
    case VK_DOWN: StepBy(lineSize_); break;
    default: break;
  }
}

void TzelTrackBar::WMGetDlgCode(TMessage& message) {
  TCustomPanel::WMGetDlgCode(message);
  message.Result = DLGC_WANTARROWS;
}

void TzelTrackBar::Dispatch(TMessage& message) {
  if (message.Msg == WM_TIMER && message.WParam == kRepeatTimer) {
    if (repeating_) RepeatTick();
    return;
  }
  TCustomPanel::Dispatch(message);
  if (message.Msg == CM_FOCUSCHANGED) Invalidate();
}
