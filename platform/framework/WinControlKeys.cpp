// Keyboard of windowed controls: focus, tab order, and the routing of
// keys. A key first reaches the focused control as CN_KEYDOWN: Tab,
// arrows, Enter and Escape that the control does not claim
// (CM_WANTSPECIALKEY, WM_GETDLGCODE) go to the form as CM_DIALOGKEY,
// which moves the focus or is broadcast to every control. Characters the
// control does not want go to the form as CM_DIALOGCHAR (accelerators).

#include <algorithm>

#include "platform/framework/Controls.h"
#include "platform/framework/Forms.h"

void TWinControl::SetText(const std::string& value) {
  if (handle_) {
    if (value != Text()) SetWindowText(handle_, value);
    return;
  }
  TControl::SetText(value);
}

// ---- Focus ------------------------------------------------------------------------

bool TWinControl::CanFocus() {
  TCustomForm* form = ParentForm();
  if (!form) return false;
  // The form itself may still be hidden: its controls are focused once it shows.
  for (TWinControl* c = this; c && c != static_cast<TWinControl*>(form); c = c->parent_)
    if (!c->Visible() || !c->Enabled()) return false;
  return true;
}

bool TWinControl::Focused() const { return handle_ && GetFocus() == handle_; }

void TWinControl::SetFocus() {
  if (TCustomForm* form = ParentForm()) {
    form->FocusControl(this);
  } else if (HandleAllocated()) {
    ::SetFocus(handle_);
  }
}

void TWinControl::WMSetFocus(TMessage& m) { DefaultHandler(m); }
void TWinControl::WMKillFocus(TMessage& m) { DefaultHandler(m); }

void TWinControl::CMEnter(TMessage&) { DoEnter(); }
void TWinControl::CMExit(TMessage&) { DoExit(); }
void TWinControl::DoEnter() {
  if (OnEnter) OnEnter(this);
}
void TWinControl::DoExit() {
  if (OnExit) OnExit(this);
}

void TWinControl::CMFocusChanged(TMessage& m) { Broadcast(m); }

// ---- Tab order ---------------------------------------------------------------------

void TWinControl::SetTabStop(bool value) {
  if (value == tabStop_) return;
  tabStop_ = value;
  if (handle_) {
    LONG_PTR style = GetWindowLong(handle_, GWL_STYLE);
    SetWindowLong(handle_, GWL_STYLE, value ? (style | WS_TABSTOP) : (style & ~static_cast<LONG_PTR>(WS_TABSTOP)));
  }
  Perform(CM_TABSTOPCHANGED, 0, 0);
}

int TWinControl::TabOrder() const {
  if (!parent_) return -1;
  auto& list = parent_->tabList_;
  auto it = std::find(list.begin(), list.end(), this);
  return it == list.end() ? -1 : static_cast<int>(it - list.begin());
}

void TWinControl::SetTabOrder(int value) {
  if (!parent_) return;
  auto& list = parent_->tabList_;
  auto it = std::find(list.begin(), list.end(), this);
  if (it == list.end()) return;
  list.erase(it);
  value = std::clamp(value, 0, static_cast<int>(list.size()));
  list.insert(list.begin() + value, this);
}

void TWinControl::GetTabOrderList(std::vector<TWinControl*>& list) {
  for (TWinControl* c : tabList_) {
    list.push_back(c);
    c->GetTabOrderList(list);
  }
}

TWinControl* TWinControl::FindNextControl(TWinControl* current, bool goForward, bool checkTabStop,
                                          bool checkParent) {
  std::vector<TWinControl*> list;
  GetTabOrderList(list);
  if (list.empty()) return nullptr;
  int count = static_cast<int>(list.size());
  auto it = std::find(list.begin(), list.end(), current);
  int start = it == list.end() ? (goForward ? count - 1 : 0) : static_cast<int>(it - list.begin());
  int i = start;
  for (int n = 0; n < count; ++n) {
    i = goForward ? (i + 1) % count : (i + count - 1) % count;
    TWinControl* c = list[i];
    if (c == current) break;
    if (!c->CanFocus()) continue;
    if (checkTabStop && !c->TabStop()) continue;
    if (checkParent && current && c->parent_ != current->parent_) continue;
    return c;
  }
  return nullptr;
}

void TWinControl::SelectNext(TWinControl* current, bool goForward, bool checkTabStop) {
  TWinControl* next = FindNextControl(current, goForward, checkTabStop, !checkTabStop);
  if (next) next->SetFocus();
}

// ---- Keys ------------------------------------------------------------------------

namespace {

constexpr WPARAM kVkCancel = 0x03;
constexpr WPARAM kVkExecute = 0x2B;

TShiftState KeyDataToShiftState(LPARAM keyData) {
  TShiftState s = 0;
  if (GetKeyState(VK_SHIFT) < 0) s |= ssShift;
  if (GetKeyState(VK_CONTROL) < 0) s |= ssCtrl;
  if (keyData & 0x20000000) s |= ssAlt;
  else if (GetKeyState(VK_MENU) < 0) s |= ssAlt;
  return s;
}

}  // namespace

void TWinControl::KeyDown(WORD& key, TShiftState shift) {
  if (OnKeyDown) OnKeyDown(this, key, shift);
}
void TWinControl::KeyUp(WORD& key, TShiftState shift) {
  if (OnKeyUp) OnKeyUp(this, key, shift);
}
void TWinControl::KeyPress(char32_t& key) {
  if (OnKeyPress) OnKeyPress(this, key);
}

bool TWinControl::DoKeyDown(TMessage& m) {
  TCustomForm* form = ParentForm();
  if (form && form != this && form->KeyPreview() && form->DoKeyDown(m)) return true;
  WORD key = static_cast<WORD>(m.WParam);
  KeyDown(key, KeyDataToShiftState(m.LParam));
  m.WParam = key;
  return key == 0;
}

bool TWinControl::DoKeyUp(TMessage& m) {
  TCustomForm* form = ParentForm();
  if (form && form != this && form->KeyPreview() && form->DoKeyUp(m)) return true;
  WORD key = static_cast<WORD>(m.WParam);
  KeyUp(key, KeyDataToShiftState(m.LParam));
  m.WParam = key;
  return key == 0;
}

bool TWinControl::DoKeyPress(TMessage& m) {
  TCustomForm* form = ParentForm();
  if (form && form != this && form->KeyPreview() && form->DoKeyPress(m)) return true;
  char32_t key = static_cast<char32_t>(m.WParam);
  KeyPress(key);
  m.WParam = key;
  return key == 0;
}

void TWinControl::WMKeyDown(TMessage& m) {
  if (!DoKeyDown(m) && !RequestContextMenu(m)) DefaultHandler(m);
}
void TWinControl::WMKeyUp(TMessage& m) {
  if (!DoKeyUp(m)) DefaultHandler(m);
}
void TWinControl::WMChar(TMessage& m) {
  if (!DoKeyPress(m)) DefaultHandler(m);
}
void TWinControl::WMSysKeyDown(TMessage& m) {
  if (!DoKeyDown(m) && !RequestContextMenu(m)) DefaultHandler(m);
}
void TWinControl::WMSysChar(TMessage& m) { DefaultHandler(m); }

void TWinControl::CNKeyDown(TMessage& m) {
  m.Result = 1;
  if (!IsDesigning()) {
    if (Perform(CM_CHILDKEY, m.WParam, reinterpret_cast<LPARAM>(this)) != 0) return;
    LRESULT mask = 0;
    switch (m.WParam) {
      case VK_TAB: mask = DLGC_WANTTAB; break;
      case VK_LEFT:
      case VK_RIGHT:
      case VK_UP:
      case VK_DOWN: mask = DLGC_WANTARROWS; break;
      case VK_RETURN:
      case kVkExecute:
      case VK_ESCAPE:
      case kVkCancel: mask = DLGC_WANTALLKEYS; break;
      default: break;
    }
    TCustomForm* form = ParentForm();
    if (mask != 0 && form && Perform(CM_WANTSPECIALKEY, m.WParam, 0) == 0 &&
        (Perform(WM_GETDLGCODE, 0, 0) & mask) == 0 && form->Perform(CM_DIALOGKEY, m.WParam, m.LParam) != 0)
      return;
  }
  m.Result = 0;
}

void TWinControl::CNKeyUp(TMessage& m) { m.Result = 0; }

void TWinControl::CNChar(TMessage& m) {
  m.Result = 0;
  if (IsDesigning()) return;
  TCustomForm* form = ParentForm();
  if ((Perform(WM_GETDLGCODE, 0, 0) & DLGC_WANTCHARS) == 0 && form &&
      form->Perform(CM_DIALOGCHAR, m.WParam, m.LParam) != 0)
    m.Result = 1;
}

void TWinControl::CNSysKeyDown(TMessage& m) { m.Result = 0; }

void TWinControl::CNSysChar(TMessage& m) {
  m.Result = 0;
  if (IsDesigning() || m.WParam == VK_SPACE) return;
  if (TCustomForm* form = ParentForm()) m.Result = form->Perform(CM_DIALOGCHAR, m.WParam, m.LParam);
}

void TWinControl::CMDialogKey(TMessage& m) { Broadcast(m); }
void TWinControl::CMDialogChar(TMessage& m) { Broadcast(m); }
