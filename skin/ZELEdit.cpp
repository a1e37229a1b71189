#include "skin/ZELEdit.h"

#include "skin/ZELFlavour.h"
#include "skin/ZELPublic.h"

namespace {
// The border colour: a theme-file colour item in the editor's build; the
// recorder's older theme files are keyed by the built-in element numbers.
constexpr int kThemeBorderColor = 22;
constexpr int kElementBorderColor = 25;
}  // namespace

TzelEdit::TzelEdit(TComponent* owner) : TCustomEdit(owner) {
  SetControlStyle(ControlStyle() | csOpaque);
  SetBorderStyle(bsNone);
  SetBorderWidth(2);  // the painted frame lives in this margin
  SetAutoSize(true);
  Publish("BorderColor", &TzelEdit::BorderColor, &TzelEdit::SetBorderColor);
  Publish("FileTheme", &TzelEdit::FileTheme, &TzelEdit::SetFileTheme);
  Publish("UIStyle", &TzelEdit::UIStyle, &TzelEdit::SetUIStyle);
  SetUIStyle(GetOwnerUIStyle(owner));
}

void TzelEdit::SetBorderColor(TColor value) {
  borderColor_ = value;
  Invalidate();
}

void TzelEdit::SetUIStyle(TzelUIStyle value) {
  uiStyle_ = value;
  TzelUIStyle look = value;
  if (UsingFileTheme(fileTheme_, value, look))
    borderColor_ = fileTheme_->GetColor(SkinFlavour() == zelOlderBuild ? kElementBorderColor : kThemeBorderColor);
  else
    borderColor_ = GetBuiltInThemeColor(look, kElementBorderColor);
  ThemeApplied();
  Invalidate();
}

void TzelEdit::SetFileTheme(TzelFileTheme* value) {
  if (fileTheme_) fileTheme_->RemoveFreeNotification(this);
  fileTheme_ = value;
  if (fileTheme_) fileTheme_->FreeNotification(this);
  SetUIStyle(uiStyle_);
}

void TzelEdit::Notification(TComponent* component, TOperation operation) {
  TCustomEdit::Notification(component, operation);
  if (operation == opRemove && component == fileTheme_) {
    fileTheme_ = nullptr;
    SetUIStyle(DeepBlue);
  }
}

void TzelEdit::WndProc(TMessage& message) {
  TCustomEdit::WndProc(message);
  // The margin is painted with the non-client area too, so the frame goes
  // over it after each of the three.
  if (message.Msg == WM_PAINT || message.Msg == WM_ERASEBKGND || message.Msg == WM_NCPAINT)
    DrawControlBorder(*this, borderColor_, Color(), true);
}
