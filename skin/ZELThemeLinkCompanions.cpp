// The companion scroll bars of a themed control: attached and released,
// laid out by the control, kept in step with its native bars.

#include <cstdlib>

#include "platform/framework/ControlMessages.h"
#include "platform/framework/ListControls.h"
#include "platform/framework/ScrollInfo.h"
#include "skin/ZELPublic.h"
#include "skin/ZELScrollBar.h"
#include "skin/ZELThemeLink.h"

void TzelThemeLink::SetCompanion(int bar, TzelScrollBar* value) {
  TzelScrollBar*& slot = Slot(bar);
  if (value == slot) return;
  if (slot) {
    slot->RemoveFreeNotification(this);
    slot->OnChange = nullptr;
    slot->SetLineButton(0);
    slot->SetMax(100);
    slot->SetEnabled(true);
  }
  slot = value;
  if (value) {
    value->FreeNotification(this);
    if (rules_.smallChange) value->SetSmallChange(rules_.smallChange);
    value->SetOrientation(bar == SB_VERT ? zelVertical : zelHorizontal);
    value->OnChange = [this, bar](TObject*) { CompanionMoved(bar); };
    value->BringToFront();
  }
  if (OnCompanionsChanged) OnCompanionsChanged();
  if (value) PlaceCompanions();
}

void TzelThemeLink::PlaceCompanions() {
  if (control_.IsLoading() || (!horizontal_ && !vertical_)) return;
  if (OnPlace) OnPlace();
  SyncCompanions();
}

void TzelThemeLink::HideCompanions() {
  for (TzelScrollBar* companion : {horizontal_, vertical_})
    if (companion) companion->SetVisible(false);
}

void TzelThemeLink::SyncCompanions() {
  // Without a window there is no native state to copy yet.
  if (syncing_ || scrolling_ || control_.IsLoading() || !control_.HandleAllocated()) return;
  syncing_ = true;
  if (horizontal_) SyncCompanion(*horizontal_, SB_HORZ);
  if (vertical_) SyncCompanion(*vertical_, SB_VERT);
  syncing_ = false;
}

void TzelThemeLink::SyncCompanion(TzelScrollBar& companion, int bar) {
  HWND window = control_.Handle();
  SCROLLBARINFO info;
  info.cbSize = sizeof(SCROLLBARINFO);
  if (!GetScrollBarInfoDyn(window, bar == SB_VERT ? OBJID_VSCROLL : OBJID_HSCROLL, &info)) {
    companion.SetLineButton(0);
    companion.SetEnabled(false);
    companion.SetVisible(false);
    return;
  }
  const bool idle = (info.rgstate[0] & (STATE_SYSTEM_INVISIBLE | STATE_SYSTEM_UNAVAILABLE)) != 0;
  const bool active = !idle && control_.Enabled();
  if (active) companion.SetLineButton(std::abs(info.xyThumbBottom - info.xyThumbTop));
  else if (idle || !rules_.hideIdle) companion.SetLineButton(0);
  companion.SetEnabled(active);
  if (rules_.hideIdle) {
    if (active || idle) companion.SetVisible(active);
  } else {
    companion.SetSliderVisible(active);
  }

  SCROLLINFO range;
  range.fMask = SIF_ALL;
  if (!GetScrollInfo(window, bar, &range)) return;
  if (active && bar == SB_HORZ && rules_.horizontalStepsByPages) companion.SetSmallChange(static_cast<int>(range.nPage) * 3);
  companion.SetMax(range.nMax - static_cast<int>(range.nPage) + 1);
  companion.SetMin(range.nMin);
  companion.SetPosition(range.nPos);
}

void TzelThemeLink::CompanionMoved(int bar) {
  TzelScrollBar* companion = Companion(bar);
  if (syncing_ || !companion || !control_.HandleAllocated()) return;
  scrolling_ = true;
  if (OnCompanionMoved) OnCompanionMoved(*companion, bar);
  scrolling_ = false;
  SyncCompanions();
}

// Whatever may have moved the content under the native bars: scrolling,
// keys, the wheel, text and item changes, enabling, clicks and drags.
bool TzelThemeLink::MayScroll(const TMessage& m, bool leftButtonHeld) {
  constexpr UINT kWmDeleteItem = 0x002D;
  switch (m.Msg) {
    case WM_HSCROLL:
    case WM_VSCROLL:
    case WM_KEYDOWN:
    case WM_CHAR:
    case WM_MOUSEWHEEL:
    case WM_SETTEXT:
    case WM_CUT:
    case WM_PASTE:
    case WM_CLEAR:
    case WM_UNDO:
    case kWmDeleteItem:
    case LB_ADDSTRING:
    case LB_INSERTSTRING:
    case LB_DELETESTRING:
    case LB_SETCOUNT:
    case CM_ENABLEDCHANGED:
    case WM_LBUTTONDOWN:
      return true;
    case WM_MOUSEMOVE:
      return leftButtonHeld;
    default:
      return false;
  }
}

bool ScrollBarsOnLeft(const TControl& control) {
  const TBiDiMode mode = control.BiDiMode();
  return SysLocaleMiddleEast() && mode != bdLeftToRight && mode != bdRightToLeftReadingOnly;
}
