// How a windowed control takes its messages apart, and the window
// messages that keep the control in step with its window.

#include "platform/framework/Controls.h"
#include "platform/framework/Forms.h"
#include "platform/framework/MouseTracking.h"

void TWinControl::WndProc(TMessage& m) {
  switch (m.Msg) {
    case WM_SETFOCUS: {
      TCustomForm* form = ParentForm();
      if (form && !form->SetFocusedControl(this)) return;
      break;
    }
    case WM_KILLFOCUS:
      if (controlState_ & csFocusing) return;
      break;
    default:
      if (m.Msg >= WM_MOUSEMOVE && m.Msg <= WM_MBUTTONDBLCLK && IsControlMouseMsg(m)) return;
      break;
  }
  TControl::WndProc(m);
}

// A mouse message over (or captured by) a child without a window goes to
// that child, in its own coordinates.
bool TWinControl::IsControlMouseMsg(TMessage& m) {
  TControl* control = nullptr;
  if (handle_ && GetCapture() == handle_) {
    if (detail::CaptureControl && detail::CaptureControl->Parent() == this) control = detail::CaptureControl;
  } else {
    control = ControlAtPos({GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam)}, false);
  }
  if (!control) return false;
  int x = GET_X_LPARAM(m.LParam) - control->Left();
  int y = GET_Y_LPARAM(m.LParam) - control->Top();
  m.Result = control->Perform(m.Msg, m.WParam, MAKELPARAM(x, y));
  return true;
}

bool TWinControl::CallMessageHandler(TMessage& m) {
  auto handler = messageHandlers_.find(m.Msg);
  if (handler == messageHandlers_.end()) return false;
  auto fn = handler->second;  // the handler may replace itself
  fn(m);
  return true;
}

void TWinControl::Dispatch(TMessage& m) {
  if (CallMessageHandler(m)) return;
  switch (m.Msg) {
    case WM_PAINT: WMPaint(m); break;
    case WM_ERASEBKGND: WMEraseBkgnd(m); break;
    case WM_NCPAINT: WMNCPaint(m); break;
    case WM_NCCALCSIZE: WMNCCalcSize(m); break;
    case WM_SIZE: WMSize(m); break;
    case WM_MOVE: WMMove(m); break;
    case WM_WINDOWPOSCHANGED: WMWindowPosChanged(m); break;
    case WM_SETFOCUS: WMSetFocus(m); break;
    case WM_KILLFOCUS: WMKillFocus(m); break;
    case WM_SETCURSOR: WMSetCursor(m); break;
    case WM_SETTEXT: WMSetText(m); break;
    case WM_KEYDOWN: WMKeyDown(m); break;
    case WM_KEYUP: WMKeyUp(m); break;
    case WM_CHAR: WMChar(m); break;
    case WM_SYSKEYDOWN: WMSysKeyDown(m); break;
    case WM_SYSCHAR: WMSysChar(m); break;
    case WM_GETDLGCODE: WMGetDlgCode(m); break;
    case WM_CONTEXTMENU: WMContextMenu(m); break;
    case WM_COMMAND: WMCommand(m); break;
    case CN_KEYDOWN: CNKeyDown(m); break;
    case CN_KEYUP: CNKeyUp(m); break;
    case CN_CHAR: CNChar(m); break;
    case CN_SYSKEYDOWN: CNSysKeyDown(m); break;
    case CN_SYSCHAR: CNSysChar(m); break;
    case CM_DIALOGKEY: CMDialogKey(m); break;
    case CM_DIALOGCHAR: CMDialogChar(m); break;
    case CM_FOCUSCHANGED: CMFocusChanged(m); break;
    case CM_ENTER: CMEnter(m); break;
    case CM_EXIT: CMExit(m); break;
    case CM_WANTSPECIALKEY: CMWantSpecialKey(m); break;
    case CM_RECREATEWND: CMRecreateWnd(m); break;
    default: TControl::Dispatch(m); break;
  }
}

void TWinControl::DefaultHandler(TMessage& m) {
  // The framework's own messages mean nothing to the window system.
  if (!handle_ || (m.Msg >= CM_BASE && m.Msg < CN_BASE + 0x1000)) return;
  m.Result = DefWindowProc(handle_, m.Msg, m.WParam, m.LParam);
}

void TWinControl::WMNCCalcSize(TMessage& m) {
  DefaultHandler(m);
  if (borderWidth_ <= 0) return;
  if (m.WParam) {
    auto* params = reinterpret_cast<NCCALCSIZE_PARAMS*>(m.LParam);
    InflateRect(params->rgrc[0], -borderWidth_, -borderWidth_);
  } else if (m.LParam) {
    InflateRect(*reinterpret_cast<TRect*>(m.LParam), -borderWidth_, -borderWidth_);
  }
}

void TWinControl::WMSize(TMessage& m) {
  UpdateBoundsFromWindow();
  DefaultHandler(m);
  Realign();
  if (!IsLoading()) Resize();
}

void TWinControl::WMMove(TMessage& m) {
  UpdateBoundsFromWindow();
  DefaultHandler(m);
}

void TWinControl::WMWindowPosChanged(TMessage& m) {
  auto* pos = reinterpret_cast<const WINDOWPOS*>(m.LParam);
  if (pos && (pos->flags & SWP_FRAMECHANGED)) Invalidate();
  DefaultHandler(m);
  UpdateBoundsFromWindow();
}

void TWinControl::WMSetCursor(TMessage& m) {
  if (reinterpret_cast<HWND>(m.WParam) == handle_ && LOWORD(m.LParam) == HTCLIENT) {
    TCursor cursor = Screen->Cursor();
    if (cursor == crDefault) {
      TPoint p;
      GetCursorPos(&p);
      TControl* control = ControlAtPos(ScreenToClient(p), false);
      cursor = (control ? control : this)->Cursor();
    }
    if (cursor != crDefault) {
      ::SetCursor(LoadCursor(nullptr, CursorToIdc(cursor)));
      m.Result = 1;
      return;
    }
  }
  DefaultHandler(m);
}

void TWinControl::WMCommand(TMessage& m) {
  auto child = reinterpret_cast<HWND>(m.LParam);
  if (child && child != handle_ && FindControl(child)) {
    m.Result = SendMessage(child, CN_COMMAND, m.WParam, m.LParam);
    return;
  }
  DefaultHandler(m);
}

void TWinControl::WMSetText(TMessage& m) {
  std::string text = m.LParam ? reinterpret_cast<const char*>(m.LParam) : "";
  DefaultHandler(m);
  if (text == Text()) return;
  TControl::SetText(text);
}

void TWinControl::CMEnabledChanged(TMessage& m) {
  if (handle_ && IsWindowEnabled(handle_) != Enabled()) EnableWindow(handle_, Enabled());
  TControl::CMEnabledChanged(m);
}

void TWinControl::CMVisibleChanged(TMessage&) {
  if (!handle_) return;
  ShowWindow(handle_, Visible() ? SW_SHOWNOACTIVATE : SW_HIDE);
}

void TWinControl::CMTextChanged(TMessage& m) {
  TControl::CMTextChanged(m);
}

void TWinControl::CMColorChanged(TMessage& m) {
  TControl::CMColorChanged(m);
  NotifyControls(CM_PARENTCOLORCHANGED);
}
