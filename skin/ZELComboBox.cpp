#include "skin/ZELComboBox.h"

#include "platform/gfx/Bitmap.h"
#include "skin/ZELPublic.h"
#include "skin/ZELResources.h"

namespace {
constexpr int kThemeFormColor = 21;
constexpr int kThemeBorderColor = 22;
constexpr int kElementFormBackground = 15;
constexpr int kElementBorderColor = 25;
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

TzelCustomComboBox::TzelCustomComboBox(TComponent* owner) : TComboBox(owner) {
  SetControlStyle(ControlStyle() | csOpaque);
  SetBorderWidth(0);
  Publish("UIStyle", &TzelCustomComboBox::UIStyle, &TzelCustomComboBox::SetUIStyle);
  Publish("FileTheme", &TzelCustomComboBox::FileTheme, &TzelCustomComboBox::SetFileTheme);
  SetUIStyle(GetOwnerUIStyle(owner));
}

TzelCustomComboBox::~TzelCustomComboBox() {
  if (fileTheme_) fileTheme_->RemoveFreeNotification(this);
}

void TzelCustomComboBox::SetBorderColor(TColor value) {
  borderColor_ = value;
  Invalidate();
}

void TzelCustomComboBox::SetArrowColor(TColor value) {
  arrowColor_ = value;
  Invalidate();
}

void TzelCustomComboBox::SetButtonColor(TColor value) {
  buttonColor_ = value;
  Invalidate();
}

void TzelCustomComboBox::SetUIStyle(TzelUIStyle value) {
  uiStyle_ = value;
  arrowColor_ = clBlack;
  TzelUIStyle look = value;
  if (UsingFileTheme(fileTheme_, value, look)) {
    borderColor_ = fileTheme_->GetColor(kThemeBorderColor);
    buttonColor_ = fileTheme_->GetColor(kThemeFormColor);
  } else {
    borderColor_ = GetBuiltInThemeColor(look, kElementBorderColor);
    buttonColor_ = GetBuiltInThemeColor(look, kElementFormBackground);
  }
  Invalidate();
}

void TzelCustomComboBox::SetFileTheme(TzelFileTheme* value) {
  if (fileTheme_) fileTheme_->RemoveFreeNotification(this);
  fileTheme_ = value;
  if (fileTheme_) fileTheme_->FreeNotification(this);
  SetUIStyle(uiStyle_);
}

void TzelCustomComboBox::Notification(TComponent* component, TOperation operation) {
  TComboBox::Notification(component, operation);
  if (operation == opRemove && component == fileTheme_) {
    fileTheme_ = nullptr;
    SetUIStyle(DeepBlue);
  }
}

void TzelCustomComboBox::CloseUp() {
  TComboBox::CloseUp();
  // The frame drawn around the list lay over the parent.
  if (Parent()) Parent()->Invalidate();
}

void TzelCustomComboBox::WndProc(TMessage& m) {
  TComboBox::WndProc(m);
  if (m.Msg == WM_PAINT || m.Msg == WM_ERASEBKGND) PaintFrame();
}

void TzelCustomComboBox::PaintFrame() {
  if (!HandleAllocated() || Style() == csSimple) return;
  COMBOBOXINFO info;
  if (!GetComboBoxInfoDyn(Handle(), &info)) return;
  // The native field has a sunken edge outside its client area: the frame
  // covers the whole window, as it does where the field has none.
  DrawControlBorder(*this, borderColor_, Color(), true);
  HDC dc = GetDC(Handle());
  if (!dc) return;
  TCanvas& canvas = *dc;
  if (DroppedDown() && info.hwndList) {
    // The list is a window of its own: its frame goes on that window.
    HDC listDc = GetWindowDC(info.hwndList);
    if (listDc) {
      TRect bounds;
      GetWindowRect(info.hwndList, &bounds);
      FrameWith(*listDc, {0, 0, bounds.Width(), bounds.Height()}, borderColor_);
      ReleaseDC(info.hwndList, listDc);
    }
  }
  if (!info.rcButton.IsEmpty()) {
    PaintButton(canvas, info.rcButton);
    if (uiStyle_ != WinXP) PaintArrow(canvas, info.rcButton);
  }
  ReleaseDC(Handle(), dc);
}

void TzelCustomComboBox::PaintButton(TCanvas& canvas, const TRect& button) {
  if (uiStyle_ == MacOS || uiStyle_ == WinXP) {
    TBitmap face;
    LoadBitmapResource(uiStyle_ == MacOS ? "MACOS_COMBOBOX_BUTTON" : "WINXP_COMBOBOX_BUTTON", face);
    if (!face.Empty()) canvas.StretchDraw(button, &face);
    return;
  }
  canvas.Brush()->SetStyle(bsSolid);
  canvas.Brush()->SetColor(buttonColor_);
  canvas.FillRect(button);
  const bool lineOnRight = SysLocaleMiddleEast() && BiDiMode() == bdRightToLeft;
  const int x = lineOnRight ? button.Right - 1 : button.Left;
  canvas.Pen()->SetColor(borderColor_);
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
  Publish("BorderColor", &TzelComboBox::BorderColor, &TzelComboBox::SetBorderColor);
  Publish("ArrowColor", &TzelComboBox::ArrowColor, &TzelComboBox::SetArrowColor);
  Publish("ButtonColor", &TzelComboBox::ButtonColor, &TzelComboBox::SetButtonColor);
}
