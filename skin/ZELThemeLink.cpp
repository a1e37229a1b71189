#include "skin/ZELThemeLink.h"

#include "skin/ZELMgr.h"
#include "skin/ZELPublic.h"
#include "skin/ZELScrollBar.h"

namespace {
constexpr int kElementBorderColor = 25;  // ControlBorderColor
constexpr int kItemBorderColor = 22;     // SKIN2_CONTROLBORDERCOLOR
}  // namespace

TzelThemeLink::TzelThemeLink(TWinControl& control) : TComponent(nullptr), control_(control) {
  OnCompanionMoved = [this](TzelScrollBar& companion, int bar) {
    const WPARAM code = MAKELPARAM(SB_THUMBPOSITION, static_cast<WORD>(companion.Position()));
    control_.Perform(bar == SB_VERT ? WM_VSCROLL : WM_HSCROLL, code, 0);
    control_.Invalidate();
  };
}

TzelThemeLink::~TzelThemeLink() {
  // The companions outlive the control: they must not call back into it.
  for (TzelScrollBar* companion : {horizontal_, vertical_})
    if (companion) companion->OnChange = nullptr;
}

void TzelThemeLink::SetUIStyle(TzelUIStyle value) {
  uiStyle_ = value;
  ApplyLook();
}

void TzelThemeLink::SetFileTheme(TzelFileTheme* value) {
  if (fileTheme_) fileTheme_->RemoveFreeNotification(this);
  fileTheme_ = value;
  if (fileTheme_) fileTheme_->FreeNotification(this);
  if (rules_.shareTheme)
    for (TzelScrollBar* companion : {horizontal_, vertical_})
      if (companion) companion->SetFileTheme(value);
  ApplyLook();
}

void TzelThemeLink::SetBorderColor(TColor value) {
  borderColor_ = value;
  control_.Invalidate();
}

void TzelThemeLink::ApplyLook() {
  const TzelLookSource source = Source();
  borderColor_ = source.Color(kElementBorderColor, kItemBorderColor);
  for (TzelScrollBar* companion : {horizontal_, vertical_})
    if (companion) companion->SetUIStyle(source.Look());
  if (OnApply) OnApply(source);
  control_.Invalidate();
}

void TzelThemeLink::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  if (operation != opRemove) return;
  if (component == fileTheme_) {
    fileTheme_ = nullptr;
    SetUIStyle(DeepBlue);
    return;
  }
  for (int bar : {SB_HORZ, SB_VERT}) {
    if (component != Companion(bar)) continue;
    Slot(bar) = nullptr;
    if (OnCompanionsChanged && !control_.IsDestroying()) OnCompanionsChanged();
  }
}

void TzelThemeLink::BeforeMessage(const TMessage& m) {
  if (m.Msg == WM_LBUTTONDOWN) leftButtonHeld_ = true;
  if (m.Msg == WM_LBUTTONUP) leftButtonHeld_ = false;
  // The bars are laid out before the control resizes too, so that what
  // it does while resizing reads them where they will stand.
  if (m.Msg == WM_SIZE) PlaceCompanions();
  if (m.Msg == CM_VISIBLECHANGED && !m.WParam) HideCompanions();
}

void TzelThemeLink::AfterMessage(const TMessage& m) {
  switch (m.Msg) {
    // The frame goes over what the control and its margin painted.
    case WM_PAINT:
    case WM_ERASEBKGND:
    case WM_NCPAINT:
      if (paintsFrame_) DrawControlBorder(control_, borderColor_, control_.Color(), true);
      break;
    case WM_MOVE:
    case WM_SIZE:
      PlaceCompanions();
      break;
    case CM_VISIBLECHANGED:
      if (m.WParam) PlaceCompanions();
      break;
    default:
      if (MayScroll(m, leftButtonHeld_)) SyncCompanions();
      break;
  }
}
