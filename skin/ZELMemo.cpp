#include "skin/ZELMemo.h"

#include <cstdlib>

#include "platform/framework/ControlMessages.h"
#include "skin/ZELPublic.h"

namespace {
constexpr int kElementBorderColor = 25;
constexpr DWORD kStateInvisible = 0x8000;
constexpr DWORD kStateUnavailable = 0x0001;
}  // namespace

TzelMemo::TzelMemo(TComponent* owner) : TMemo(owner) {
  SetControlStyle(ControlStyle() | csOpaque);
  SetBorderStyle(bsNone);
  SetBorderWidth(2);
  Publish("FileTheme", &TzelMemo::FileTheme, &TzelMemo::SetFileTheme);
  Publish("UIStyle", &TzelMemo::UIStyle, &TzelMemo::SetUIStyle);
  Publish("BorderColor", &TzelMemo::BorderColor, &TzelMemo::SetBorderColor);
  Publish("VScrollBar", &TzelMemo::VScrollBar, &TzelMemo::SetVScrollBar);
  Publish("HScrollBar", &TzelMemo::HScrollBar, &TzelMemo::SetHScrollBar);
  SetUIStyle(GetOwnerUIStyle(owner));
}

TzelMemo::~TzelMemo() {
  Destroying();
  // The companions outlive the memo: they must not call back into it.
  if (hScrollBar_) hScrollBar_->OnChange = nullptr;
  if (vScrollBar_) vScrollBar_->OnChange = nullptr;
}

void TzelMemo::SetBorderColor(TColor value) {
  borderColor_ = value;
  Invalidate();
}

void TzelMemo::SetUIStyle(TzelUIStyle value) {
  uiStyle_ = value;
  TzelUIStyle look = value;
  const bool fromFile = UsingFileTheme(fileTheme_, value, look);
  borderColor_ = fromFile ? fileTheme_->GetColor(kElementBorderColor) : GetBuiltInThemeColor(look, kElementBorderColor);
  const TzelUIStyle companionLook = fromFile ? FromThemeFile : look;
  if (hScrollBar_) hScrollBar_->SetUIStyle(companionLook);
  if (vScrollBar_) vScrollBar_->SetUIStyle(companionLook);
  Invalidate();
}

void TzelMemo::SetFileTheme(TzelFileTheme* value) {
  if (fileTheme_) fileTheme_->RemoveFreeNotification(this);
  fileTheme_ = value;
  if (fileTheme_) fileTheme_->FreeNotification(this);
  if (hScrollBar_) hScrollBar_->SetFileTheme(value);
  if (vScrollBar_) vScrollBar_->SetFileTheme(value);
  SetUIStyle(uiStyle_);
}

void TzelMemo::SetHScrollBar(TzelScrollBar* value) { SetCompanion(hScrollBar_, value, zelHorizontal); }
void TzelMemo::SetVScrollBar(TzelScrollBar* value) { SetCompanion(vScrollBar_, value, zelVertical); }

void TzelMemo::ReleaseCompanion(TzelScrollBar* bar) {
  bar->RemoveFreeNotification(this);
  bar->OnChange = nullptr;
  bar->SetLineButton(0);
  bar->SetMax(100);
  bar->SetEnabled(true);
}

void TzelMemo::SetCompanion(TzelScrollBar*& slot, TzelScrollBar* value, TzelProgressBarOrientation orientation) {
  if (slot == value) return;
  if (slot) ReleaseCompanion(slot);
  slot = value;
  if (!value) {
    UpdateNativeScrollBars();
    return;
  }
  value->FreeNotification(this);
  value->SetOrientation(orientation);
  const UINT scrollMessage = orientation == zelHorizontal ? WM_HSCROLL : WM_VSCROLL;
  value->OnChange = [this, value, scrollMessage](TObject*) { CompanionChanged(value, scrollMessage); };
  value->BringToFront();
  UpdateNativeScrollBars();
  PlaceScrollBars();
}

void TzelMemo::UpdateNativeScrollBars() {
  if (hScrollBar_ && vScrollBar_) SetScrollBars(ssBoth);
  else if (vScrollBar_) SetScrollBars(ssVertical);
  else if (hScrollBar_) SetScrollBars(ssHorizontal);
  else SetScrollBars(ssNone);
}

void TzelMemo::CompanionChanged(TzelScrollBar* bar, UINT scrollMessage) {
  if (syncing_) return;
  scrolling_ = true;
  Perform(scrollMessage, static_cast<WPARAM>(MAKELPARAM(SB_THUMBPOSITION, static_cast<WORD>(bar->Position()))), 0);
  Invalidate();
  scrolling_ = false;
}

void TzelMemo::Notification(TComponent* component, TOperation operation) {
  TMemo::Notification(component, operation);
  if (operation != opRemove) return;
  if (component == hScrollBar_ || component == vScrollBar_) {
    (component == hScrollBar_ ? hScrollBar_ : vScrollBar_) = nullptr;
    if (!(ComponentState() & csDestroying)) UpdateNativeScrollBars();
  }
  if (component == fileTheme_) {
    fileTheme_ = nullptr;
    SetUIStyle(DeepBlue);
  }
}

void TzelMemo::SyncOne(TzelScrollBar* bar, LONG objectId, int barKind) {
  if (!bar) return;
  SCROLLBARINFO info;
  info.cbSize = sizeof(SCROLLBARINFO);
  if (!GetScrollBarInfoDyn(Handle(), objectId, &info)) {
    bar->SetVisible(false);
    return;
  }
  const DWORD state = info.rgstate[0];
  if (!(state & (kStateInvisible | kStateUnavailable)) && Enabled()) {
    bar->SetLineButton(std::abs(info.xyThumbBottom - info.xyThumbTop));
    SCROLLINFO page;
    page.fMask = SIF_PAGE;
    GetScrollInfo(Handle(), barKind, &page);
    if (barKind == SB_HORZ) bar->SetSmallChange(static_cast<int>(page.nPage) * 3);
    bar->SetEnabled(true);
    bar->SetSliderVisible(true);
  } else {
    bar->SetLineButton(0);
    bar->SetEnabled(false);
    bar->SetSliderVisible(false);
  }
  SCROLLINFO scroll;
  scroll.fMask = SIF_ALL;
  GetScrollInfo(Handle(), barKind, &scroll);
  bar->SetMax(scroll.nMax - static_cast<int>(scroll.nPage) + 1);
  bar->SetMin(scroll.nMin);
  bar->SetPosition(scroll.nPos);
}

void TzelMemo::SyncScrollBars() {
  // Without a window there is no native state to copy yet.
  if (scrolling_ || syncing_ || !HandleAllocated()) return;
  syncing_ = true;
  SyncOne(hScrollBar_, OBJID_HSCROLL, SB_HORZ);
  SyncOne(vScrollBar_, OBJID_VSCROLL, SB_VERT);
  syncing_ = false;
}

bool TzelMemo::RightToLeftBars() const {
  return (BiDiMode() == bdRightToLeft || BiDiMode() == bdRightToLeftNoAlign) && UseRightToLeftReading();
}

void TzelMemo::PlaceScrollBars() {
  const bool rightToLeft = RightToLeftBars();
  const int vw = vScrollBar_ ? vScrollBar_->Width() : 0;
  const int hh = hScrollBar_ ? hScrollBar_->Height() : 0;
  if (hScrollBar_) {
    hScrollBar_->SetVisible(Height() >= hh);
    const int top = Top() + Height() - hh - 2;
    if (!rightToLeft)
      hScrollBar_->SetBounds(Left() + 1, top, vScrollBar_ ? Width() - vw - 1 : Width() - 1, hh);
    else if (vScrollBar_)
      hScrollBar_->SetBounds(Left() + vw + 1, top, Width() - vw - 2, hh);
    else
      hScrollBar_->SetBounds(Left() + 1, top, Width() - 2, hh);
  }
  if (vScrollBar_) {
    vScrollBar_->SetVisible(Width() >= vw);
    const int left = rightToLeft ? Left() + 2 : Left() + Width() - vw - 2;
    vScrollBar_->SetBounds(left, Top() + 1, vw, hScrollBar_ ? Height() - hh - 2 : Height() - 2);
  }
  SyncScrollBars();
}

void TzelMemo::WndProc(TMessage& message) {
  TMemo::WndProc(message);
  switch (message.Msg) {
    case WM_PAINT:
    case WM_ERASEBKGND:
    case WM_NCPAINT:
      DrawControlBorder(*this, borderColor_, Color(), true);
      break;
    case WM_LBUTTONDOWN:
      leftButtonDown_ = true;
      SyncScrollBars();
      break;
    case WM_LBUTTONUP:
      leftButtonDown_ = false;
      break;
    case WM_MOUSEMOVE:
      if (leftButtonDown_) SyncScrollBars();
      break;
    // Typed characters change the text after their key-down: they move
    // the scroll state too.
    case WM_KEYDOWN:
    case WM_CHAR:
    case WM_MOUSEWHEEL:
    case WM_SETTEXT:
    case WM_CUT:
    case WM_PASTE:
    case WM_CLEAR:
    case WM_UNDO:
    case CM_ENABLEDCHANGED:
      SyncScrollBars();
      break;
    case WM_HSCROLL:
    case WM_VSCROLL:
      if (!scrolling_) SyncScrollBars();
      break;
    case WM_SIZE:
    case WM_MOVE:
      PlaceScrollBars();
      break;
    case CM_VISIBLECHANGED:
      if (Visible()) {
        PlaceScrollBars();
      } else {
        if (hScrollBar_) hScrollBar_->SetVisible(false);
        if (vScrollBar_) vScrollBar_->SetVisible(false);
      }
      break;
    default:
      break;
  }
}
