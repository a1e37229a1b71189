#include "skin/ZELListBox.h"

#include <algorithm>

#include "platform/gfx/DrawText.h"
#include "skin/ZELListBoxCompanion.h"
#include "skin/ZELPublic.h"

namespace {
constexpr int kThemeBorderColor = 22;
constexpr int kElementBorderColor = 25;
constexpr int kTextInset = 2;
constexpr int kMaxItemHeight = 255;
}  // namespace

TzelListBox::TzelListBox(TComponent* owner) : TCustomListBox(owner) {
  SetControlStyle(ControlStyle() | csOpaque);
  SetBorderStyle(bsNone);
  SetBorderWidth(2);
  SetStyle(lbOwnerDrawFixed);
  Publish("UIStyle", &TzelListBox::UIStyle, &TzelListBox::SetUIStyle);
  Publish("FileTheme", &TzelListBox::FileTheme, &TzelListBox::SetFileTheme);
  Publish("BorderColor", &TzelListBox::BorderColor, &TzelListBox::SetBorderColor);
  Publish("SelectedColor", &TzelListBox::SelectedColor, &TzelListBox::SetSelectedColor);
  Publish("SelectedTextColor", &TzelListBox::SelectedTextColor, &TzelListBox::SetSelectedTextColor);
  Publish("DisabledTextColor", &TzelListBox::DisabledTextColor, &TzelListBox::SetDisabledTextColor);
  Publish("Alignment", &TzelListBox::Alignment, &TzelListBox::SetAlignment);
  Publish("ShowFocusRect", &TzelListBox::ShowFocusRect, &TzelListBox::SetShowFocusRect);
  Publish("VScrollBar", &TzelListBox::VScrollBar, &TzelListBox::SetVScrollBar);
  SetUIStyle(GetOwnerUIStyle(owner));
}

TzelListBox::~TzelListBox() {
  if (vScrollBar_) {
    vScrollBar_->OnChange = nullptr;
    vScrollBar_->RemoveFreeNotification(this);
  }
  if (fileTheme_) fileTheme_->RemoveFreeNotification(this);
}

void TzelListBox::SetBorderColor(TColor value) {
  borderColor_ = value;
  Invalidate();
}

void TzelListBox::SetUIStyle(TzelUIStyle value) {
  uiStyle_ = value;
  TzelUIStyle look = value;
  if (UsingFileTheme(fileTheme_, value, look))
    borderColor_ = fileTheme_->GetColor(kThemeBorderColor);
  else
    borderColor_ = GetBuiltInThemeColor(look, kElementBorderColor);
  if (vScrollBar_) vScrollBar_->SetUIStyle(look);
  Invalidate();
}

void TzelListBox::SetFileTheme(TzelFileTheme* value) {
  if (fileTheme_) fileTheme_->RemoveFreeNotification(this);
  fileTheme_ = value;
  if (fileTheme_) fileTheme_->FreeNotification(this);
  if (vScrollBar_) vScrollBar_->SetFileTheme(value);
  SetUIStyle(uiStyle_);
}

void TzelListBox::SetAlignment(TAlignment value) {
  if (value == alignment_) return;
  alignment_ = value;
  Invalidate();
}

void TzelListBox::SetSelectedColor(TColor value) {
  if (value == selectedColor_) return;
  selectedColor_ = value;
  Invalidate();
}

void TzelListBox::SetSelectedTextColor(TColor value) {
  if (value == selectedTextColor_) return;
  selectedTextColor_ = value;
  Invalidate();
}

void TzelListBox::SetDisabledTextColor(TColor value) {
  if (value == disabledTextColor_) return;
  disabledTextColor_ = value;
  Invalidate();
}

void TzelListBox::SetShowFocusRect(bool value) {
  if (value == showFocusRect_) return;
  showFocusRect_ = value;
  if (Focused()) Invalidate();
}

void TzelListBox::SetVScrollBar(TzelScrollBar* value) {
  if (value == vScrollBar_) return;
  if (vScrollBar_) {
    vScrollBar_->RemoveFreeNotification(this);
    ReleaseCompanion(*vScrollBar_);
  }
  vScrollBar_ = value;
  if (!vScrollBar_) return;
  vScrollBar_->FreeNotification(this);
  vScrollBar_->SetOrientation(zelVertical);
  vScrollBar_->OnChange = [this](TObject*) { CompanionChanged(); };
  vScrollBar_->BringToFront();
  PlaceCompanion();
}

void TzelListBox::Notification(TComponent* component, TOperation operation) {
  TCustomListBox::Notification(component, operation);
  if (operation != opRemove) return;
  if (component == vScrollBar_) {
    vScrollBar_ = nullptr;
  } else if (component == fileTheme_) {
    fileTheme_ = nullptr;
    SetUIStyle(DeepBlue);
  }
}

void TzelListBox::Loaded() {
  TCustomListBox::Loaded();
  PlaceCompanion();
}

void TzelListBox::CreateWnd() {
  TCustomListBox::CreateWnd();
  SyncCompanion();
}

bool TzelListBox::SyncsOn(const TMessage& m) const {
  switch (m.Msg) {
    case LB_ADDSTRING:
    case LB_INSERTSTRING:
    case LB_DELETESTRING:
    case LB_SETCOUNT:
      return true;
    default:
      return MayScrollList(m, leftButtonHeld_);
  }
}

void TzelListBox::WndProc(TMessage& m) {
  if (m.Msg == WM_LBUTTONDOWN) leftButtonHeld_ = true;
  if (m.Msg == WM_LBUTTONUP) leftButtonHeld_ = false;
  if (m.Msg == CM_VISIBLECHANGED && !m.WParam && vScrollBar_) vScrollBar_->SetVisible(false);
  TCustomListBox::WndProc(m);
  switch (m.Msg) {
    case WM_PAINT:
    case WM_ERASEBKGND:
      DrawControlBorder(*this, borderColor_, Color(), true);
      break;
    case WM_MOVE:
    case WM_SIZE:
      PlaceCompanion();
      break;
    case CM_VISIBLECHANGED:
      if (m.WParam) PlaceCompanion();
      break;
    default:
      if (SyncsOn(m)) SyncCompanion();
      break;
  }
}

void TzelListBox::PlaceCompanion() {
  if (!vScrollBar_ || IsLoading()) return;
  const int width = vScrollBar_->Width();
  int left;
  if (width > Width())
    left = Left();
  else if (ScrollBarsOnLeft(*this))
    left = Left() + 2;
  else
    left = Left() + Width() - width - 2;
  vScrollBar_->SetBounds(left, Top() + 1, width, Height() - 2);
  SyncCompanion();
}

void TzelListBox::SyncCompanion() {
  if (!vScrollBar_) return;
  syncing_ = true;
  SyncCompanionWithNativeBar(*vScrollBar_, HandleAllocated() ? Handle() : nullptr, OBJID_VSCROLL, SB_VERT,
                             Enabled());
  syncing_ = false;
}

void TzelListBox::CompanionChanged() {
  if (syncing_ || !vScrollBar_ || !HandleAllocated()) return;
  Perform(WM_VSCROLL, MAKELPARAM(SB_THUMBPOSITION, vScrollBar_->Position()), 0);
  SyncCompanion();
}

// ---- Items ------------------------------------------------------------------------

void TzelListBox::CNDrawItem(TMessage& m) {
  auto* dis = reinterpret_cast<DRAWITEMSTRUCT*>(m.LParam);
  if (!dis || !dis->hDC || static_cast<int>(dis->itemID) < 0) {
    TCustomListBox::CNDrawItem(m);
    return;
  }
  // The inherited drawing frames every focused item; here only the default
  // drawing does, and only with ShowFocusRect.
  const UINT original = dis->itemState;
  drawState_ = original & 0xFFFF;
  dis->itemState &= ~ODS_FOCUS;
  TCustomListBox::CNDrawItem(m);
  dis->itemState = original;
}

void TzelListBox::DrawItem(int index, const TRect& rect, TOwnerDrawState) {
  const TOwnerDrawState state = drawState_;
  TCanvas& canvas = *Canvas();
  canvas.Brush()->SetColor(Color());
  canvas.Font()->SetColor(Font()->Color());
  if (state & odSelected) {
    canvas.Brush()->SetColor(selectedColor_);
    canvas.Font()->SetColor(selectedTextColor_);
  }
  if ((state & (odGrayed | odDisabled)) || !Enabled()) canvas.Font()->SetColor(disabledTextColor_);
  if (OnDrawItem) {
    OnDrawItem(this, index, rect, state);
    return;
  }
  DefaultDrawItem(index, rect, state);
  if (showFocusRect_ && (state & odFocused)) canvas.DrawFocusRect(rect);
}

UINT TzelListBox::TextFlags() const {
  static const UINT kAlign[] = {DT_LEFT, DT_RIGHT, DT_CENTER};
  TAlignment align = alignment_;
  if (UseRightToLeftAlignment() && align != taCenter) align = align == taLeftJustify ? taRightJustify : taLeftJustify;
  UINT flags = DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | kAlign[align];
  if (UseRightToLeftReading()) flags |= DT_RTLREADING;
  return flags;
}

void TzelListBox::DefaultDrawItem(int index, const TRect& rect, TOwnerDrawState) {
  TCanvas& canvas = *Canvas();
  canvas.FillRect(rect);
  if (index < 0 || index >= Items()->Count()) return;
  const UINT flags = TextFlags();
  TRect text = rect;
  if (flags & DT_RIGHT)
    text.Right -= kTextInset;
  else
    text.Left += kTextInset;
  canvas.Brush()->SetStyle(bsClear);
  DrawText(canvas.Handle(), Items()->Strings(index), text, flags);
}

void TzelListBox::MeasureItem(int index, int& height) {
  if (OnMeasureItem || index < 0 || index >= Items()->Count()) {
    TCustomListBox::MeasureItem(index, height);
    return;
  }
  TRect box{0, 0, ClientWidth() - 2, 0};
  TCanvas& canvas = *Canvas();
  canvas.SetFont(*Font());
  DrawText(canvas.Handle(), Items()->Strings(index), box, TextFlags() | DT_CALCRECT);
  height = std::min(box.Height(), kMaxItemHeight);
}
