#include "skin/ZELComboBox.h"

#include "platform/gfx/Bitmap.h"
#include "skin/ZELPublic.h"
#include "skin/ZELResources.h"

namespace {
constexpr int kThemeFormColor = 21;     // SKIN2_CONTROLCOLOR
constexpr int kElementFormBackground = 15;
constexpr TColor kDisabledArrowColor = 0x808080;
constexpr TColor kArrowShadowColor = 0xFFFFFF;

void FrameWith(TCanvas& canvas, const TRect& rect, TColor color) {
  canvas.Brush()->SetStyle(bsSolid);
  canvas.Brush()->SetColor(color);
  canvas.FrameRect(rect);
}

void Triangle(TCanvas& canvas, int x, int y, TColor color) {
  canvas.Pen()->SetColor(color);
  canvas.Brush()->SetStyle(bsSolid);
  canvas.Brush()->SetColor(color);
  const TPoint points[] = {{x, y}, {x + 6, y}, {x + 3, y + 3}};
  canvas.Polygon(points);
}
}  // namespace

TzelCustomComboBox::TzelCustomComboBox(TComponent* owner) : TzelFramed<TComboBox>(owner) {
  SetControlStyle(ControlStyle() | csOpaque);
  SetBorderWidth(0);
  // The frame goes round the field and the dropped-down list: painted here.
  Link().SetPaintsFrame(false);
  Link().OnApply = [this](const TzelLookSource& source) {
    arrowColor_ = clBlack;
    buttonColor_ = source.Color(kElementFormBackground, kThemeFormColor);
  };
  SetUIStyle(GetOwnerUIStyle(owner));
}

void TzelCustomComboBox::SetArrowColor(TColor value) {
  arrowColor_ = value;
  Invalidate();
}

void TzelCustomComboBox::SetButtonColor(TColor value) {
  buttonColor_ = value;
  Invalidate();
}

void TzelCustomComboBox::CloseUp() {
  TzelFramed<TComboBox>::CloseUp();
  // The frame drawn around the list lay over the parent.
  if (Parent()) Parent()->Invalidate();
}

void TzelCustomComboBox::WndProc(TMessage& m) {
  TzelFramed<TComboBox>::WndProc(m);
  if (m.Msg == WM_PAINT || m.Msg == WM_ERASEBKGND) PaintFrame();
}

void TzelCustomComboBox::PaintFrame() {
  if (!HandleAllocated() || Style() == csSimple) return;
  COMBOBOXINFO info;
  if (!GetComboBoxInfoDyn(Handle(), &info)) return;
  // The native field has a sunken edge outside its client area: the frame
  // covers the whole window, as it does where the field has none.
  DrawControlBorder(*this, BorderColor(), Color(), true);
  HDC dc = GetDC(Handle());
  if (!dc) return;
  TCanvas& canvas = *dc;
  if (DroppedDown() && info.hwndList) {
    // The list is a window of its own: its frame goes on that window.
    HDC listDc = GetWindowDC(info.hwndList);
    if (listDc) {
      TRect bounds;
      GetWindowRect(info.hwndList, &bounds);
      FrameWith(*listDc, {0, 0, bounds.Width(), bounds.Height()}, BorderColor());
      ReleaseDC(info.hwndList, listDc);
    }
  }
  if (!info.rcButton.IsEmpty()) {
    PaintButton(canvas, info.rcButton);
    if (UIStyle() != WinXP) PaintArrow(canvas, info.rcButton);
  }
  ReleaseDC(Handle(), dc);
}

void TzelCustomComboBox::PaintButton(TCanvas& canvas, const TRect& button) {
  if (UIStyle() == MacOS || UIStyle() == WinXP) {
    TBitmap face;
    LoadBitmapResource(UIStyle() == MacOS ? "MACOS_COMBOBOX_BUTTON" : "WINXP_COMBOBOX_BUTTON", face);
    if (!face.Empty()) canvas.StretchDraw(button, &face);
    return;
  }
  canvas.Brush()->SetStyle(bsSolid);
  canvas.Brush()->SetColor(buttonColor_);
  canvas.FillRect(button);
  const bool lineOnRight = SysLocaleMiddleEast() && BiDiMode() == bdRightToLeft;
  const int x = lineOnRight ? button.Right - 1 : button.Left;
  canvas.Pen()->SetColor(BorderColor());
  canvas.Pen()->SetWidth(1);
  canvas.MoveTo(x, button.Top - 1);
  canvas.LineTo(x, button.Bottom + 1);
}

void TzelCustomComboBox::PaintArrow(TCanvas& canvas, const TRect& button) {
  const int x = button.Left + button.Width() / 2 - 3;
  const int y = button.Height() / 2;
  if (Enabled()) {
    Triangle(canvas, x, y, arrowColor_);
  } else {
    Triangle(canvas, x + 1, y + 1, kArrowShadowColor);
    Triangle(canvas, x, y, kDisabledArrowColor);
  }
}

TzelComboBox::TzelComboBox(TComponent* owner) : TzelCustomComboBox(owner) {
  Publish("ArrowColor", &TzelComboBox::ArrowColor, &TzelComboBox::SetArrowColor);
  Publish("ButtonColor", &TzelComboBox::ButtonColor, &TzelComboBox::SetButtonColor);
}
