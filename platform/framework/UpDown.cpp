// The up-down control: stepping, the associated edit, auto-repeat while a
// button is held, and its plain look.

#include "platform/framework/UpDown.h"

#include <algorithm>
#include <charconv>
#include <climits>

#include "platform/framework/ControlLooks.h"
#include "platform/framework/ScrollInfo.h"
#include "platform/framework/SysUtils.h"

namespace {

constexpr UINT_PTR kRepeatTimer = 1;
constexpr UINT kFirstRepeatMs = 400;  // a press steps once, then repeats after this
constexpr UINT kRepeatMs = 100;

// The number of a text such as "-1,234"; false for anything else. Digits
// beyond what an int holds read as the nearest int, so they clamp to the
// range rather than being lost.
bool ParseNumber(const std::string& text, int& value) {
  std::string digits;
  for (char c : Trim(text))
    if (c != ',') digits += c;
  if (digits.empty()) return false;
  const char* first = digits.data();
  const char* last = first + digits.size();
  bool negative = *first == '-';
  if (negative) ++first;
  if (first == last || !std::all_of(first, last, [](char c) { return c >= '0' && c <= '9'; })) return false;
  long long magnitude = 0;
  auto [end, error] = std::from_chars(first, last, magnitude);
  if (error == std::errc::result_out_of_range || magnitude > INT_MAX) magnitude = static_cast<long long>(INT_MAX) + 1;
  long long signedValue = negative ? -magnitude : magnitude;
  value = static_cast<int>(std::clamp<long long>(signedValue, INT_MIN, INT_MAX));
  return end == last;
}

// A small solid triangle pointing up or down, centred in rect.
void DrawArrow(TCanvas* canvas, const TRect& rect, bool up, TColor color) {
  int size = std::max(2, std::min(rect.Width() / 3, rect.Height() / 2));
  int cx = (rect.Left + rect.Right) / 2;
  int top = (rect.Top + rect.Bottom - size) / 2;
  canvas->Brush()->SetColor(color);
  for (int row = 0; row < size; ++row) {
    int half = up ? row : size - 1 - row;
    canvas->FillRect(Rect(cx - half, top + row, cx + half + 1, top + row + 1));
  }
}

}  // namespace

struct TUpDown::THook {
  TUpDown* owner = nullptr;
  TWndMethod saved;
};

TUpDown::TUpDown(TComponent* owner) : TWinControl(owner) {
  controlStyle_ = csCaptureMouse | csOpaque | csFixedWidth;
  SetBounds(0, 0, 16, 24);
  Publish("Min", &TUpDown::Min, &TUpDown::SetMin);
  Publish("Max", &TUpDown::Max, &TUpDown::SetMax);
  Publish("Position", &TUpDown::Position, &TUpDown::SetPosition);
  Publish("Increment", &TUpDown::Increment, &TUpDown::SetIncrement);
  Publish("Wrap", &TUpDown::Wrap, &TUpDown::SetWrap);
  Publish("Thousands", &TUpDown::Thousands, &TUpDown::SetThousands);
  Publish("ArrowKeys", &TUpDown::ArrowKeys, &TUpDown::SetArrowKeys);
}

TUpDown::~TUpDown() { UnhookAssociate(); }

void TUpDown::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.Style |= UDS_ALIGNRIGHT | UDS_SETBUDDYINT;
  if (wrap_) params.Style |= UDS_WRAP;
  if (arrowKeys_) params.Style |= UDS_ARROWKEYS;
  if (!thousands_) params.Style |= UDS_NOTHOUSANDS;
  // Quick presses are presses, not double clicks.
  params.ClassStyle &= ~static_cast<UINT>(CS_DBLCLKS);
}

// ---- Range and position ----------------------------------------------------------

int TUpDown::Clamp(int value) const { return std::clamp(value, std::min(min_, max_), std::max(min_, max_)); }

void TUpDown::SetMin(int value) { Perform(UDM_SETRANGE32, static_cast<WPARAM>(value), max_); }
void TUpDown::SetMax(int value) { Perform(UDM_SETRANGE32, static_cast<WPARAM>(min_), value); }

int TUpDown::Position() const {
  SyncFromAssociate();
  return position_;
}

void TUpDown::SetPosition(int value) { Perform(UDM_SETPOS32, 0, value); }

void TUpDown::SetThousands(bool value) {
  if (value == thousands_) return;
  thousands_ = value;
  if (associate_) ShowInAssociate();
}

std::string TUpDown::FormatNumber(int value) const {
  std::string digits = std::to_string(value < 0 ? -static_cast<long long>(value) : value);
  std::string text = value < 0 ? "-" : "";
  for (std::size_t i = 0; i < digits.size(); ++i) {
    if (thousands_ && i > 0 && (digits.size() - i) % 3 == 0) text += ',';
    text += digits[i];
  }
  return text;
}

void TUpDown::SyncFromAssociate() const {
  if (!associate_) return;
  std::string text = associate_->Text();
  if (text == seenText_) return;
  seenText_ = text;
  int value = 0;
  if (ParseNumber(text, value)) position_ = Clamp(value);
}

void TUpDown::ShowInAssociate() {
  if (!associate_) return;
  std::string text = FormatNumber(position_);
  seenText_ = text;
  if (associate_->Text() != text) associate_->SetText(text);
}

// ---- Stepping ----------------------------------------------------------------------

TUDBtnType TUpDown::ButtonAt(int y) const { return y < Height() / 2 ? btNext : btPrev; }

void TUpDown::Step(TUDBtnType button) {
  if (!Enabled()) return;
  int current = Position();
  int low = std::min(min_, max_), high = std::max(min_, max_);
  // With Min above Max the up button still moves towards Max.
  long long direction = (button == btNext) == (max_ >= min_) ? 1 : -1;
  long long target = current + direction * increment_;
  if (target > high) target = wrap_ ? low : high;
  if (target < low) target = wrap_ ? high : low;
  int delta = static_cast<int>(target - current);
  if (!CanChange(delta)) return;
  position_ = Clamp(static_cast<int>(std::clamp<long long>(static_cast<long long>(current) + delta, INT_MIN, INT_MAX)));
  ShowInAssociate();
  if (HandleAllocated())
    if (HWND parent = GetParent(Handle()))
      SendMessage(parent, WM_VSCROLL, static_cast<WPARAM>(MAKELPARAM(SB_THUMBPOSITION, position_)),
                  reinterpret_cast<LPARAM>(Handle()));
  Click(button);
}

bool TUpDown::CanChange(int& delta) {
  if (!HandleAllocated()) {
    bool allow = true;
    if (OnChanging) OnChanging(this, allow);
    return allow;
  }
  NMUPDOWN request;
  request.hdr.hwndFrom = Handle();
  request.hdr.code = UDN_DELTAPOS;
  request.iPos = position_;
  request.iDelta = delta;
  if (NotifyOwnControl(Handle(), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&request)) != 0) return false;
  delta = request.iDelta;  // a hook may change the step
  return true;
}

void TUpDown::Click(TUDBtnType button) {
  if (OnClick) OnClick(this, button);
}

void TUpDown::Dispatch(TMessage& m) {
  if (m.Msg == CN_NOTIFY && m.LParam) {
    auto* header = reinterpret_cast<const NMHDR*>(m.LParam);
    if (header->code == UDN_DELTAPOS) {
      bool allow = true;
      if (OnChanging) OnChanging(this, allow);
      m.Result = allow ? 0 : 1;
      return;
    }
  }
  TWinControl::Dispatch(m);
}

void TUpDown::DefaultHandler(TMessage& m) {
  switch (m.Msg) {
    case UDM_SETRANGE32: {
      int oldPosition = Position();
      min_ = static_cast<int>(static_cast<std::intptr_t>(m.WParam));
      max_ = static_cast<int>(m.LParam);
      position_ = Clamp(oldPosition);
      if (position_ != oldPosition) ShowInAssociate();
      return;
    }
    case UDM_GETRANGE32:
      if (m.WParam) *reinterpret_cast<int*>(m.WParam) = min_;
      if (m.LParam) *reinterpret_cast<int*>(m.LParam) = max_;
      return;
    case UDM_SETPOS32:
      m.Result = Position();
      position_ = Clamp(static_cast<int>(m.LParam));
      ShowInAssociate();
      return;
    case UDM_GETPOS32: {
      int value = 0;
      bool isNumber = !associate_ || ParseNumber(associate_->Text(), value);
      SyncFromAssociate();
      if (m.LParam) *reinterpret_cast<BOOL*>(m.LParam) = isNumber ? FALSE : TRUE;
      m.Result = position_;
      return;
    }
    case WM_TIMER:
      if (m.WParam == kRepeatTimer) {
        if (!pressed_) {
          StopRepeat();
        } else {
          SetTimer(Handle(), kRepeatTimer, kRepeatMs, nullptr);
          if (pointerOnPressed_) Step(pressedButton_);
        }
        return;
      }
      break;
    case WM_CAPTURECHANGED: StopRepeat(); break;
    default: break;
  }
  TWinControl::DefaultHandler(m);
}

// ---- Mouse ---------------------------------------------------------------------------

void TUpDown::WMButtonDown(TMessage& m, TMouseButton button, bool doubleClick) {
  TWinControl::WMButtonDown(m, button, doubleClick);
  if (button != mbLeft || !Enabled()) return;
  pressed_ = true;
  pressedButton_ = ButtonAt(GET_Y_LPARAM(m.LParam));
  pointerOnPressed_ = true;
  Invalidate();
  Step(pressedButton_);
  if (pressed_ && HandleAllocated()) SetTimer(Handle(), kRepeatTimer, kFirstRepeatMs, nullptr);
}

void TUpDown::WMMouseMove(TMessage& m) {
  if (pressed_) {
    TPoint p{GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam)};
    bool on = ClientRect().Contains(p) && ButtonAt(p.Y) == pressedButton_;
    if (on != pointerOnPressed_) {
      pointerOnPressed_ = on;
      Invalidate();
    }
  }
  TWinControl::WMMouseMove(m);
}

void TUpDown::WMButtonUp(TMessage& m, TMouseButton button) {
  if (button == mbLeft) StopRepeat();
  TWinControl::WMButtonUp(m, button);
}

void TUpDown::StopRepeat() {
  if (HandleAllocated()) KillTimer(Handle(), kRepeatTimer);
  if (!pressed_) return;
  pressed_ = false;
  Invalidate();
}

void TUpDown::CMCancelMode(TMessage& m) {
  StopRepeat();
  TWinControl::CMCancelMode(m);
}

void TUpDown::CMEnabledChanged(TMessage& m) {
  StopRepeat();
  TWinControl::CMEnabledChanged(m);
  Invalidate();
}

// ---- The associated edit ------------------------------------------------------------

void TUpDown::SetAssociate(TWinControl* value) {
  if (value == associate_ || value == this) return;
  UnhookAssociate();
  if (associate_) RemoveFreeNotification(associate_);
  associate_ = value;
  seenText_.clear();
  if (!associate_) return;
  FreeNotification(associate_);
  if (!Parent() && associate_->Parent()) SetParent(associate_->Parent());
  PlaceBesideAssociate();
  HookAssociate();
  ShowInAssociate();
}

// At the edit's right edge, the edit narrowed by the buttons' width.
void TUpDown::PlaceBesideAssociate() {
  if (associate_->Parent() != Parent()) return;
  int editWidth = std::max(0, associate_->Width() - Width());
  associate_->SetWidth(editWidth);
  SetBounds(associate_->Left() + editWidth, associate_->Top(), Width(), associate_->Height());
}

// The edit's window procedure is chained, so its Up and Down keys step
// this control before the edit sees them.
void TUpDown::HookAssociate() {
  hook_ = std::make_shared<THook>();
  hook_->owner = this;
  hook_->saved = associate_->WindowProc;
  std::shared_ptr<THook> hook = hook_;
  associate_->WindowProc = [hook](TMessage& m) {
    if (hook->owner) hook->owner->AssociateWindowProc(m);
    else hook->saved(m);
  };
}

void TUpDown::UnhookAssociate() {
  if (hook_) hook_->owner = nullptr;
  hook_.reset();
}

void TUpDown::AssociateWindowProc(TMessage& m) {
  std::shared_ptr<THook> hook = hook_;  // a handler may change the associate
  if (m.Msg == WM_KEYDOWN && arrowKeys_ && (m.WParam == VK_UP || m.WParam == VK_DOWN)) {
    Step(m.WParam == VK_UP ? btNext : btPrev);
    m.Result = 0;
    return;
  }
  hook->saved(m);
  // Every number the text held is remembered as the last good position.
  if (m.Msg == CM_TEXTCHANGED && hook->owner) hook->owner->SyncFromAssociate();
}

void TUpDown::Notification(TComponent* component, TOperation operation) {
  TWinControl::Notification(component, operation);
  if (operation == opRemove && component == associate_) {
    // The edit's window procedure goes with it.
    UnhookAssociate();
    associate_ = nullptr;
  }
}

// ---- Painting -----------------------------------------------------------------------

void TUpDown::PaintWindow(HDC dc) {
  TCanvas* canvas = dc;
  TRect client = ClientRect();
  int middle = client.Height() / 2;
  for (TUDBtnType button : {btNext, btPrev}) {
    TRect face = button == btNext ? Rect(0, 0, client.Width(), middle) : Rect(0, middle, client.Width(), client.Height());
    bool down = pressed_ && pointerOnPressed_ && pressedButton_ == button;
    DrawButtonFace(canvas, face, down, false, clBtnFace);
    if (down) OffsetRect(face, 1, 1);
    DrawArrow(canvas, face, button == btNext, Enabled() ? clBtnText : clBtnShadow);
  }
}
