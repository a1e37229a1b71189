#include "skin/ZELListBoxCompanion.h"

#include <cstdlib>

#include "platform/framework/ControlMessages.h"
#include "platform/framework/ScrollInfo.h"
#include "skin/ZELPublic.h"
#include "skin/ZELScrollBar.h"

void SyncCompanionWithNativeBar(TzelScrollBar& companion, HWND window, LONG objectId, int bar, bool controlEnabled) {
  SCROLLBARINFO info;
  const bool known = window && GetScrollBarInfoDyn(window, objectId, &info);
  if (!known || (info.rgstate[0] & STATE_SYSTEM_INVISIBLE) || (info.rgstate[0] & STATE_SYSTEM_UNAVAILABLE)) {
    companion.SetLineButton(0);
    companion.SetEnabled(false);
    companion.SetVisible(false);
  } else if (controlEnabled) {
    companion.SetLineButton(std::abs(info.xyThumbBottom - info.xyThumbTop));
    companion.SetEnabled(true);
    companion.SetVisible(true);
  } else {
    companion.SetEnabled(false);
  }
  SCROLLINFO range;
  range.fMask = SIF_ALL;
  if (!window || !GetScrollInfo(window, bar, &range)) return;
  companion.SetMax(range.nMax - static_cast<int>(range.nPage) + 1);
  companion.SetMin(range.nMin);
  companion.SetPosition(range.nPos);
}

bool ScrollBarsOnLeft(const TControl& control) {
  const TBiDiMode mode = control.BiDiMode();
  return SysLocaleMiddleEast() && mode != bdLeftToRight && mode != bdRightToLeftReadingOnly;
}

bool MayScrollList(const TMessage& m, bool leftButtonHeld) {
  constexpr UINT kWmDeleteItem = 0x002D;
  switch (m.Msg) {
    case WM_HSCROLL:
    case WM_VSCROLL:
    case WM_KEYDOWN:
    case WM_MOUSEWHEEL:
    case kWmDeleteItem:
    case CM_ENABLEDCHANGED:
    case WM_LBUTTONDOWN:
      return true;
    case WM_MOUSEMOVE:
      return leftButtonHeld;
    default:
      return false;
  }
}

void ReleaseCompanion(TzelScrollBar& companion) {
  companion.OnChange = nullptr;
  companion.SetLineButton(0);
  companion.SetMax(100);
  companion.SetEnabled(true);
}
