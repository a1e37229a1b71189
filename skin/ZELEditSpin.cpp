// The spin buttons and the integer spin edit built on the skinned edit.

#include <algorithm>
#include <climits>

#include "platform/framework/SysUtils.h"
#include "skin/ZELEdit.h"

namespace {
constexpr int kMinButtonsWidth = 15;
constexpr int kRepeatMs = 400;
constexpr char32_t kEnter = 13;
constexpr char32_t kBackspace = 8;
}  // namespace

// ---- TzelSpinButtons -----------------------------------------------------------

TzelSpinButtons::TzelSpinButtons(TComponent* owner) : TWinControl(owner) {
  SetControlStyle((ControlStyle() & ~(csAcceptsControls | csSetCaption)) | csFramed | csOpaque);
  up_ = MakeButton(zelUp);
  down_ = MakeButton(zelDown);
  SetBounds(0, 0, 20, 25);
  Publish("FileTheme", &TzelSpinButtons::FileTheme, &TzelSpinButtons::SetFileTheme);
  Publish("UIStyle", &TzelSpinButtons::UIStyle, &TzelSpinButtons::SetUIStyle);
}

TzelArrowButton* TzelSpinButtons::MakeButton(TzelArrowButtonType arrow) {
  auto* button = new TzelArrowButton(this);
  button->SetArrow(arrow);
  button->SetTabStop(false);
  button->SetMouseContinuouslyDownInterval(kRepeatMs);
  button->OnClick = [this](TObject* sender) { ButtonStep(sender); };
  button->OnMouseContinuouslyDown = [this](TObject* sender) { ButtonStep(sender); };
  button->SetParent(this);
  return button;
}

void TzelSpinButtons::ButtonStep(TObject* sender) {
  if (sender == up_) {
    if (OnUpClick) OnUpClick(this);
  } else if (sender == down_) {
    if (OnDownClick) OnDownClick(this);
  }
}

TzelUIStyle TzelSpinButtons::UIStyle() const { return up_ ? up_->UIStyle() : DeepBlue; }

void TzelSpinButtons::SetUIStyle(TzelUIStyle value) {
  up_->SetUIStyle(value);
  down_->SetUIStyle(value);
}

TzelFileTheme* TzelSpinButtons::FileTheme() const { return up_ ? up_->FileTheme() : nullptr; }

void TzelSpinButtons::SetFileTheme(TzelFileTheme* value) {
  up_->SetFileTheme(value);
  down_->SetFileTheme(value);
  SetUIStyle(UIStyle());
}

bool TzelSpinButtons::AdjustBounds(int& width, int height) {
  const int asked = width;
  width = std::max(width, kMinButtonsWidth);
  if (up_ && down_) {
    const int upHeight = height / 2 + 1;
    up_->SetBounds(0, 0, width, upHeight);
    down_->SetBounds(0, upHeight - 1, width, height - upHeight + 1);
  }
  return width != asked;
}

void TzelSpinButtons::SetBounds(int left, int top, int width, int height) {
  AdjustBounds(width, height);
  TWinControl::SetBounds(left, top, width, height);
}

void TzelSpinButtons::Loaded() {
  TWinControl::Loaded();
  int width = Width();
  if (AdjustBounds(width, Height())) SetBounds(Left(), Top(), width, Height());
}

void TzelSpinButtons::WMSize(TMessage& message) {
  TWinControl::WMSize(message);
  int width = Width();
  if (AdjustBounds(width, Height())) SetBounds(Left(), Top(), width, Height());
}

void TzelSpinButtons::KeyDown(WORD& key, TShiftState shift) {
  if (key == VK_UP) up_->Click();
  else if (key == VK_DOWN) down_->Click();
  TWinControl::KeyDown(key, shift);
}

// ---- TzelSpinEdit ------------------------------------------------------------------

TzelSpinEdit::TzelSpinEdit(TComponent* owner) : TzelEdit(owner) {
  buttons_ = new TzelSpinButtons(this);
  buttons_->SetWidth(15);
  buttons_->SetHeight(20);
  buttons_->SetVisible(true);
  buttons_->SetParent(this);
  buttons_->OnUpClick = [this](TObject* sender) { UpClick(sender); };
  buttons_->OnDownClick = [this](TObject* sender) { DownClick(sender); };
  SetText("0");
  Publish("MinValue", &TzelSpinEdit::MinValue, &TzelSpinEdit::SetMinValue);
  Publish("MaxValue", &TzelSpinEdit::MaxValue, &TzelSpinEdit::SetMaxValue);
  Publish("Increment", &TzelSpinEdit::Increment, &TzelSpinEdit::SetIncrement);
  Publish("EditorEnabled", &TzelSpinEdit::EditorEnabled, &TzelSpinEdit::SetEditorEnabled);
  Publish("Value", &TzelSpinEdit::Value, &TzelSpinEdit::SetValue);
  ThemeApplied();
}

TzelSpinEdit::~TzelSpinEdit() {
  Destroying();
  delete buttons_;
  buttons_ = nullptr;
}

void TzelSpinEdit::ThemeApplied() {
  // The base constructor applies the look before the buttons exist.
  if (!buttons_) return;
  buttons_->SetFileTheme(FileTheme());
  buttons_->SetUIStyle(UIStyle());
}

void TzelSpinEdit::CreateParams(TCreateParams& params) {
  TzelEdit::CreateParams(params);
  params.Style |= ES_MULTILINE | WS_CLIPCHILDREN;
}

// Bounds set before the window existed sent no WM_SIZE: the buttons are
// laid out here as well.
void TzelSpinEdit::CreateWnd() {
  TzelEdit::CreateWnd();
  PlaceButtons();
}

void TzelSpinEdit::PlaceButtons() {
  if (buttons_) buttons_->SetBounds(Width() - buttons_->Width() - 4, 0, buttons_->Width(), Height() - 4);
  SetEditRect();
}

// The text stops short of the buttons.
void TzelSpinEdit::SetEditRect() {
  if (!HandleAllocated() || !buttons_) return;
  TRect rect{0, 0, ClientWidth() - buttons_->Width() - 2, ClientHeight() + 1};
  SendMessage(Handle(), EM_SETRECTNP, 0, reinterpret_cast<LPARAM>(&rect));
}

void TzelSpinEdit::WMSize(TMessage& message) {
  TzelEdit::WMSize(message);
  if (Height() < 0) {
    SetHeight(0);
    return;
  }
  PlaceButtons();
}

long long TzelSpinEdit::Clamped(long long value) const {
  if (minValue_ == maxValue_) return value;
  if (value < minValue_) return minValue_;
  if (value > maxValue_) return maxValue_;
  return value;
}

int TzelSpinEdit::Value() const {
  int value = 0;
  return TryStrToInt(Text(), value) ? value : minValue_;
}

void TzelSpinEdit::SetValue(int value) { SetText(IntToStr(Clamped(value))); }

// A step never leaves the integer range, however large the increment.
void TzelSpinEdit::Step(long long delta) {
  if (ReadOnly()) {
    MessageBeep(0);
    return;
  }
  const long long next = std::clamp<long long>(static_cast<long long>(Value()) + delta, INT_MIN, INT_MAX);
  SetValue(static_cast<int>(next));
}

void TzelSpinEdit::UpClick(TObject*) { Step(increment_); }
void TzelSpinEdit::DownClick(TObject*) { Step(-static_cast<long long>(increment_)); }

bool TzelSpinEdit::IsValidChar(char32_t key) {
  const bool control = key < 32 && key != kEnter;
  if (!editorEnabled_) return control && key != kBackspace;
  return key == U'-' || (key >= U'0' && key <= U'9') || control;
}

void TzelSpinEdit::KeyDown(WORD& key, TShiftState shift) {
  if (key == VK_UP) UpClick(this);
  else if (key == VK_DOWN) DownClick(this);
  TzelEdit::KeyDown(key, shift);
}

void TzelSpinEdit::KeyPress(char32_t& key) {
  if (!IsValidChar(key)) {
    key = 0;
    MessageBeep(0);
  }
  if (key != 0) TzelEdit::KeyPress(key);
}

void TzelSpinEdit::WndProc(TMessage& message) {
  if ((message.Msg == WM_CUT || message.Msg == WM_PASTE) && (!editorEnabled_ || ReadOnly())) return;
  TzelEdit::WndProc(message);
}

// Entering selects all text unless by a left press: the plain edit does it.
void TzelSpinEdit::CMExit(TMessage& message) {
  TzelEdit::CMExit(message);
  const int value = Value();
  if (Clamped(value) != value) SetValue(value);
}
