#include "skin/ZELListBox.h"

#include <algorithm>

#include "platform/gfx/DrawText.h"
#include "skin/ZELPublic.h"

namespace {
constexpr int kTextInset = 2;
constexpr int kMaxItemHeight = 255;
}  // namespace

TzelListBox::TzelListBox(TComponent* owner) : TzelFramed<TCustomListBox>(owner) {
  SetControlStyle(ControlStyle() | csOpaque);
  SetBorderStyle(bsNone);
  SetBorderWidth(2);
  SetStyle(lbOwnerDrawFixed);
  Publish("SelectedColor", &TzelListBox::SelectedColor, &TzelListBox::SetSelectedColor);
  Publish("SelectedTextColor", &TzelListBox::SelectedTextColor, &TzelListBox::SetSelectedTextColor);
  Publish("DisabledTextColor", &TzelListBox::DisabledTextColor, &TzelListBox::SetDisabledTextColor);
  Publish("Alignment", &TzelListBox::Alignment, &TzelListBox::SetAlignment);
  Publish("ShowFocusRect", &TzelListBox::ShowFocusRect, &TzelListBox::SetShowFocusRect);
  Publish("VScrollBar", &TzelListBox::VScrollBar, &TzelListBox::SetVScrollBar);
  Link().OnPlace = [this] { PlaceCompanion(); };
  SetUIStyle(GetOwnerUIStyle(owner));
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

// Over the right edge (the left one where the bars stand there), inside
// the frame's outer line.
void TzelListBox::PlaceCompanion() {
  TzelScrollBar& bar = *VScrollBar();
  const int width = bar.Width();
  int left;
  if (width > Width())
    left = Left();
  else if (ScrollBarsOnLeft(*this))
    left = Left() + 2;
  else
    left = Left() + Width() - width - 2;
  bar.SetBounds(left, Top() + 1, width, Height() - 2);
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
