#include "skin/ZELButtonPush.h"

#include <algorithm>

#include "platform/base/Exceptions.h"
#include "platform/framework/Forms.h"
#include "platform/framework/Timer.h"
#include "platform/gfx/DrawText.h"
#include "platform/gfx/ImageList.h"
#include "platform/os/VirtualKeys.h"
#include "skin/ZELFlavour.h"
#include "skin/ZELPublic.h"

namespace {

// What a button shows when its picture cannot be had.
constexpr int kFallbackWidth = 74;
constexpr int kFallbackHeight = 21;
// Window timers fire no faster than this, whatever they are asked for.
constexpr int kShortestRepeat = 10;

bool IsPressKey(WPARAM key) { return key == VK_SPACE || key == VK_RETURN; }

bool NoModifiersHeld() {
  return GetKeyState(VK_SHIFT) >= 0 && GetKeyState(VK_CONTROL) >= 0 && GetKeyState(VK_MENU) >= 0;
}

}  // namespace

TzelCustomButton::TzelCustomButton(TComponent* owner) : TCustomControl(owner) {
  controlStyle_ &= ~(csAcceptsControls | csDoubleClicks);
  SetTabStop(true);
  link_.OnApply = [this](const TzelLookSource& source) { ApplyTheme(source); };
  SetUIStyle(GetOwnerUIStyle(owner));
}

TzelCustomButton::~TzelCustomButton() = default;

void TzelCustomButton::PublishDialogProperties() {
  Publish("Cancel", &TzelCustomButton::Cancel, &TzelCustomButton::SetCancel);
  Publish("Default", &TzelCustomButton::Default, &TzelCustomButton::SetDefault);
  Publish("ModalResult", &TzelCustomButton::ModalResult, &TzelCustomButton::SetModalResult);
  Publish("Transparent", &TzelCustomButton::Transparent, &TzelCustomButton::SetTransparent);
  Publish("FocusedRectMargin", &TzelCustomButton::FocusedRectMargin, &TzelCustomButton::SetFocusedRectMargin);
}

// ---- Properties ------------------------------------------------------------------

void TzelCustomButton::SetDefault(bool value) {
  default_ = value;
  if (!HandleAllocated() || !Parent()) return;
  // Every button on the form weighs again which one Enter presses.
  if (TCustomForm* form = ParentForm())
    form->Perform(CM_FOCUSCHANGED, 0, reinterpret_cast<LPARAM>(form->ActiveControl()));
}

void TzelCustomButton::SetTransparent(bool value) {
  transparent_ = value;
  TransparentChanged();
}

void TzelCustomButton::TransparentChanged() {
  pictureTransparent_ = transparent_;
  Invalidate();
}

void TzelCustomButton::SetFocusedRectMargin(int value) {
  focusedRectMargin_ = value;
  Invalidate();
}

void TzelCustomButton::SetAutoSize(bool value) {
  TCustomControl::SetAutoSize(value);
  UpdateAutoSize();
  Invalidate();
}

void TzelCustomButton::SetEnabled(bool value) {
  TCustomControl::SetEnabled(value);
  // A disabled button hears no release; it must not go on repeating.
  if (!value) {
    down_ = false;
    StopRepeat();
  }
  EnabledChanged();
  Invalidate();
}

void TzelCustomButton::FontChanged() {
  Canvas()->Font()->Assign(*Font());
  Invalidate();
}

void TzelCustomButton::UpdateAutoSize() {
  if (!AutoSize()) return;
  TBitmap strip;
  try {
    GetBuiltInThemeBitmap(UIStyle(), 1, &strip, 0, 0);
  } catch (const Exception&) {
    strip.SetSize(0, 0);
  }
  if (strip.Empty()) strip.SetSize(kFallbackWidth, kFallbackHeight);
  SetBounds(Left(), Top(), strip.Width() / 3, strip.Height());
}

// ---- State pictures --------------------------------------------------------------

// The editor's theme files hold the strip as bitmap item 15 (SKIN2_BUTTON).
void TzelCustomButton::GetThemePicture(TBitmap& dest, int part) {
  const TzelLookSource source = link_.Source();
  if (source.ByItem())
    source.File().GetBitmapFrame(15, &dest, 3, part);
  else
    source.ElementBitmap(1, dest, 3, part);
}

void TzelCustomButton::GetNormalPicture(TBitmap& dest) { GetThemePicture(dest, 1); }
void TzelCustomButton::GetHoverPicture(TBitmap& dest) { GetThemePicture(dest, 2); }
void TzelCustomButton::GetDownPicture(TBitmap& dest) { GetThemePicture(dest, 3); }
void TzelCustomButton::GetDisabledPicture(TBitmap& dest) { GetThemePicture(dest, 1); }

// ---- Painting ----------------------------------------------------------------------

void TzelCustomButton::Paint() {
  const TRect client = ClientRect();
  TBitmap buffer(std::max(1, client.Width()), std::max(1, client.Height()));
  TCanvas& canvas = *buffer.Canvas();

  TBitmap picture;
  try {
    if (!Enabled()) GetDisabledPicture(picture);
    else if (down_) GetDownPicture(picture);
    else if (hover_) GetHoverPicture(picture);
    else GetNormalPicture(picture);
  } catch (const Exception&) {
    picture.SetSize(kFallbackWidth, kFallbackHeight);
  }
  picture.SetTransparent(pictureTransparent_);

  if (transparent_) {
    DrawParentBackground(canvas, *this);
  } else {
    canvas.Brush()->SetColor(Color());
    canvas.FillRect(client);
  }
  DrawPicture(canvas, picture);
  if (Focused() && TabStop()) DrawFocus(canvas);
  canvas.Font()->Assign(*Font());
  Canvas()->Font()->Assign(*Font());
  const std::string caption = Caption();
  if (caption.find_first_not_of(' ') != std::string::npos) DrawCaption(canvas, caption);
  Canvas()->Draw(0, 0, &buffer);
}

void TzelCustomButton::DrawPicture(TCanvas& canvas, TBitmap& picture) {
  if (picture.Empty()) return;
  TImageList list(picture.Width(), picture.Height());
  if (pictureTransparent_)
    list.AddMasked(&picture, picture.Canvas()->Pixels(0, 0));
  else
    list.Add(&picture);
  list.Draw(&canvas, 0, 0, 0, Enabled());
}

void TzelCustomButton::DrawCaption(TCanvas& canvas, const std::string& caption) {
  canvas.Brush()->SetStyle(bsClear);
  canvas.Font()->Assign(*Font());
  if (boldCaption_) canvas.Font()->SetStyle(canvas.Font()->Style() | fsBold);
  const TRect client = ClientRect();
  const UINT format = DT_WORDBREAK | DT_EXPANDTABS | DT_CENTER;
  TRect text = client;
  DrawText(canvas.Handle(), caption, text, format | DT_CALCRECT);
  OffsetRect(text, (client.Width() - text.Width()) / 2, (client.Height() - text.Height()) / 2);
  if (!Enabled()) {
    TRect shadow = text;
    OffsetRect(shadow, 1, 1);
    canvas.Font()->SetColor(clWhite);
    DrawText(canvas.Handle(), caption, shadow, format);
    canvas.Font()->SetColor(0x808080);
  } else if (down_) {
    OffsetRect(text, 1, 1);
  }
  DrawText(canvas.Handle(), caption, text, format);
  boldCaption_ = false;
}

void TzelCustomButton::DrawFocus(TCanvas& canvas) {
  TRect focus = ClientRect();
  InflateRect(focus, -focusedRectMargin_, -focusedRectMargin_);
  canvas.Brush()->SetStyle(bsSolid);
  canvas.DrawFocusRect(focus);
}

// ---- Mouse -------------------------------------------------------------------------

// The timer object stays (a tick's handler may stop the repeat); only
// its running state changes.
void TzelCustomButton::StopRepeat() {
  if (repeatTimer_) repeatTimer_->SetEnabled(false);
}

bool TzelCustomButton::Repeating() const { return repeatTimer_ && repeatTimer_->Enabled(); }

void TzelCustomButton::ReleaseState() {
  hover_ = down_ = false;
  StopRepeat();
  Invalidate();
}

void TzelCustomButton::CMMouseEnter(TMessage& message) {
  if (!IsDesigning() && message.LParam == 0) {
    hover_ = true;
    Invalidate();
  }
  TCustomControl::CMMouseEnter(message);
}

void TzelCustomButton::CMMouseLeave(TMessage& message) {
  const bool own = message.LParam == 0;
  if (own) ReleaseState();
  TCustomControl::CMMouseLeave(message);
  if (own && OnMouseExit) OnMouseExit(this);
}

void TzelCustomButton::CMCancelMode(TMessage& message) {
  TCustomControl::CMCancelMode(message);
  if (SkinFlavour() == zelCurrentBuild) ReleaseState();
}

bool TzelCustomButton::TakeFocusQuietly() {
  try {
    if (CanFocus()) SetFocus();
  } catch (const Exception&) {
    return false;
  }
  return true;
}

void TzelCustomButton::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  if (button == mbLeft) {
    down_ = true;
    if (!Repeating()) {
      if (!repeatTimer_) {
        repeatTimer_ = std::make_unique<TTimer>(nullptr);
        repeatTimer_->SetEnabled(false);
        repeatTimer_->OnTimer = [this](TObject*) {
          if (OnMouseContinuouslyDown) OnMouseContinuouslyDown(this);
        };
      }
      repeatTimer_->SetInterval(static_cast<unsigned>(std::max(repeatInterval_, kShortestRepeat)));
      repeatTimer_->SetEnabled(true);
    }
    if (TabStop() && Enabled() && Visible()) TakeFocusQuietly();
    Invalidate();
  }
  TCustomControl::MouseDown(button, shift, x, y);
}

void TzelCustomButton::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  // Repeating lasts only while the button is held, also when the release
  // brings no click.
  if (button == mbLeft) StopRepeat();
  TCustomControl::MouseUp(button, shift, x, y);
}

void TzelCustomButton::MouseMove(TShiftState shift, int x, int y) {
  TCustomControl::MouseMove(shift, x, y);
  if (x < 0 || y < 0 || x > Width() || y > Height()) {
    if (hover_ || down_) {
      hover_ = down_ = false;
      Invalidate();
    }
  }
}

void TzelCustomButton::Click() {
  if (down_) {
    StopRepeat();
    down_ = false;
    Invalidate();
  }
  if (Parent()) {
    if (TCustomForm* form = ParentForm()) form->SetModalResult(modalResult_);
  }
  TCustomControl::Click();
}

// ---- Keyboard and focus ----------------------------------------------------------

void TzelCustomButton::CreateWnd() {
  TCustomControl::CreateWnd();
  activeDefault_ = default_;
}

void TzelCustomButton::CMDialogKey(TMessage& message) {
  const bool enter = message.WParam == VK_RETURN && activeDefault_;
  const bool escape = message.WParam == VK_ESCAPE && cancel_;
  if ((enter || escape) && NoModifiersHeld() && CanFocus()) {
    Click();
    message.Result = 1;
    return;
  }
  TCustomControl::CMDialogKey(message);
}

void TzelCustomButton::CMDialogChar(TMessage& message) {
  TCustomControl::CMDialogChar(message);
  message.Result = 0;
  if (!IsAccel(static_cast<char32_t>(message.WParam), Caption())) return;
  HWND focus = GetFocus();
  const bool altHeld = GetKeyState(VK_MENU) < 0 || (message.LParam & 0x20000000) != 0;
  const bool fromSkinButton = focus && SendMessage(focus, zelMsgIsSkinButton, 0, 0) == 1;
  if ((altHeld || fromSkinButton) && Parent() && Parent()->Enabled() && Enabled() && Visible()) {
    Click();
    message.Result = 1;
  }
}

void TzelCustomButton::CMFocusChanged(TMessage& message) {
  auto* focused = reinterpret_cast<TWinControl*>(message.LParam);
  activeDefault_ = dynamic_cast<TzelButton*>(focused) ? focused == this : default_;
  Invalidate();
  TCustomControl::CMFocusChanged(message);
}

void TzelCustomButton::Dispatch(TMessage& message) {
  switch (message.Msg) {
    case WM_ERASEBKGND: message.Result = 1; return;
    case zelMsgIsSkinButton:
      if (SkinFlavour() == zelCurrentBuild) {
        message.Result = 1;
        return;
      }
      break;
    case WM_KEYDOWN:
      if (IsPressKey(message.WParam) && Focused() && Enabled()) {
        down_ = true;
        Invalidate();
      }
      break;
    case WM_KEYUP:
      if (IsPressKey(message.WParam) && Focused() && down_ && Enabled()) {
        TCustomControl::Dispatch(message);
        down_ = false;
        Invalidate();
        Click();
        return;
      }
      break;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      TCustomControl::Dispatch(message);
      Invalidate();
      return;
    case CM_FONTCHANGED:
      TCustomControl::Dispatch(message);
      FontChanged();
      return;
    case CM_TEXTCHANGED:
      TCustomControl::Dispatch(message);
      CaptionChanged();
      Invalidate();
      return;
    default: break;
  }
  TCustomControl::Dispatch(message);
}
