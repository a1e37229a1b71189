#include "skin/ZELButton.h"

#include <algorithm>

#include "platform/base/Exceptions.h"
#include "platform/framework/ControlMessages.h"
#include "platform/gfx/Bitmap.h"
#include "platform/gfx/DrawText.h"
#include "platform/os/VirtualKeys.h"
#include "skin/ZELPublic.h"

TzelCheckBox::TzelCheckBox(TComponent* owner) : TzelThemed<TCustomControl>(owner) {
  TCustomControl::SetAutoSize(true);
  SetBounds(Left(), Top(), 93, 17);
  controlStyle_ &= ~csDoubleClicks;
  SetColor(clWindow);
  SetTabStop(true);
  SetUIStyle(GetOwnerUIStyle(owner));  // the look is read at paint time
  Publish("Checked", &TzelCheckBox::Checked, &TzelCheckBox::SetChecked);
  Publish("State", &TzelCheckBox::State, &TzelCheckBox::SetState);
  Publish("Transparent", &TzelCheckBox::Transparent, &TzelCheckBox::SetTransparent);
}

void TzelCheckBox::SetChecked(bool value) {
  if (value == checked_) return;
  checked_ = value;
  Invalidate();
  CheckedChanged();
}

void TzelCheckBox::SetTransparent(bool value) {
  transparent_ = value;
  Invalidate();
}

void TzelCheckBox::SetAutoSize(bool value) {
  TCustomControl::SetAutoSize(value);
  Invalidate();
}

void TzelCheckBox::SetEnabled(bool value) {
  TCustomControl::SetEnabled(value);
  Invalidate();
}

bool TzelCheckBox::ShowsFocus() { return TabStop() && Focused(); }

void TzelCheckBox::FireOnClick() {
  if (!IsLoading() && OnClick) OnClick(this);
}

void TzelCheckBox::CheckedChanged() { FireOnClick(); }

void TzelCheckBox::Toggle() {
  BeforeToggle();
  SetChecked(!checked_);
}

void TzelCheckBox::Click() {
  Toggle();
  TCustomControl::Click();
}

// The editor's theme files hold six check box states; the looks and the
// recorder's theme files four, by element.
void TzelCheckBox::LoadStatePicture(TBitmap& picture) {
  const TzelLookSource source = LookSource();
  const bool on = checked_, enabled = Enabled();
  if (source.ByItem() && ThemeElement() == 3) {
    const int part = on ? (enabled ? 1 : 4) : (enabled ? 3 : 6);
    source.File().GetBitmapFrame(ThemeFileBitmapIndex(), &picture, 6, part);
  } else {
    const int part = on ? (enabled ? 1 : 3) : (enabled ? 2 : 4);
    try {
      if (source.ByItem())
        source.File().GetBitmapFrame(ThemeFileBitmapIndex(), &picture, 4, part);
      else
        source.ElementBitmap(ThemeElement(), picture, 4, part);
    } catch (const Exception&) {
      picture.SetSize(0, 0);  // missing art: only the caption is drawn
    }
  }
  picture.SetTransparent(PictureTransparent());
}

void TzelCheckBox::Paint() {
  TBitmap picture;
  LoadStatePicture(picture);
  const int w = picture.Width(), h = picture.Height();
  const std::string caption = Caption();

  TBitmap measure(1, 1);
  measure.Canvas()->Font()->Assign(*Font());
  const int textHeight = measure.Canvas()->TextHeight("W");
  if (AutoSize()) {
    const int height = std::max(textHeight + 2, h) + 4;
    const int width = w + measure.Canvas()->TextWidth(caption) + 8;
    if (width != Width() || height != Height()) SetBounds(Left(), Top(), width, height);
  }

  const TRect client = ClientRect();
  TBitmap buffer(std::max(1, client.Width()), std::max(1, client.Height()));
  TCanvas& canvas = *buffer.Canvas();
  if (transparent_) {
    DrawParentBackground(canvas, *this);
  } else {
    canvas.Brush()->SetColor(Color());
    canvas.FillRect(client);
  }
  canvas.Font()->Assign(*Font());
  canvas.Brush()->SetStyle(bsClear);
  const int ty = (client.Height() - textHeight) / 2;
  const int py = (client.Height() - h) / 2;
  const bool rightToLeft = UseRightToLeftAlignment();
  TRect textRect = rightToLeft ? TRect{0, ty, Width() - w - 4, Height()} : TRect{w + 4, ty, Width(), Height()};
  if (w > 0 && h > 0) canvas.Draw(rightToLeft ? Width() - w - 1 : 1, py, &picture);
  DrawText(canvas.Handle(), caption, textRect,
           DT_SINGLELINE | (rightToLeft ? DT_RIGHT | DT_RTLREADING : DT_LEFT));
  if (ShowsFocus()) {
    canvas.Brush()->SetStyle(bsSolid);
    canvas.DrawFocusRect(rightToLeft ? TRect{0, ty, Width() - w - 2, ty + textHeight + 2}
                                     : TRect{w + 3, ty, Width(), ty + textHeight + 2});
  }
  Canvas()->Draw(0, 0, &buffer);
}

void TzelCheckBox::TakeFocusQuietly() {
  try {
    if (CanFocus()) SetFocus();
  } catch (const Exception&) {
  }
}

void TzelCheckBox::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  TCustomControl::MouseDown(button, shift, x, y);
  if (button == mbLeft && Enabled() && Visible()) TakeFocusQuietly();
}

void TzelCheckBox::Dispatch(TMessage& message) {
  switch (message.Msg) {
    case WM_ERASEBKGND: message.Result = 1; return;
    case WM_KEYUP:
      TCustomControl::Dispatch(message);
      if ((message.WParam == VK_SPACE || message.WParam == VK_RETURN) && Focused() && Enabled() &&
          KeyToggles()) {
        Invalidate();
        Click();
      }
      return;
    case CM_DIALOGCHAR:
      TCustomControl::Dispatch(message);
      if (IsAccel(static_cast<char32_t>(message.WParam), Caption()) && Enabled() && Visible() &&
          Parent() && Parent()->Enabled()) {
        TakeFocusQuietly();
        Click();
        message.Result = 1;
      } else {
        message.Result = 0;
      }
      return;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case CM_FONTCHANGED:
    case CM_TEXTCHANGED:
      TCustomControl::Dispatch(message);
      Invalidate();
      return;
    default: TCustomControl::Dispatch(message);
  }
}

TzelRadioButton::TzelRadioButton(TComponent* owner) : TzelCheckBox(owner) {
  controlStyle_ |= csDoubleClicks;
  Publish("GroupIndex", &TzelRadioButton::GroupIndex, &TzelRadioButton::SetGroupIndex);
}

void TzelRadioButton::CheckedChanged() {
  if (!Checked()) return;
  if (Parent()) {
    for (int i = 0; i < Parent()->ControlCount(); ++i) {
      auto* sibling = dynamic_cast<TzelRadioButton*>(Parent()->Controls(i));
      if (sibling && sibling != this && sibling->GroupIndex() == groupIndex_) sibling->SetChecked(false);
    }
  }
  FireOnClick();
}

void TzelRadioButton::Toggle() {
  if (!Checked()) SetChecked(true);
}

void TzelRadioButton::Dispatch(TMessage& message) {
  TzelCheckBox::Dispatch(message);
  if (message.Msg != WM_SETFOCUS) return;
  // Arrowing between a radio group's items checks the one that gets the focus.
  TWinControl* previous = TWinControl::FindControl(reinterpret_cast<HWND>(message.WParam));
  if (previous && previous != this && previous->ClassName() == "TzelRadioGroupButton") Click();
}
