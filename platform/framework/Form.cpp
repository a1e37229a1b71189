// Forms: the window frame of the border style, showing and positioning,
// activation and focus, closing.

#include <algorithm>

#include "platform/framework/Forms.h"

TCustomForm::TCustomForm(TComponent* owner) : TCustomControl(owner) {
  SetVisible(false);
  SetBounds(0, 0, 320, 240);
  controlStyle_ |= csAcceptsControls;
  Publish("BorderStyle", &TCustomForm::BorderStyle, &TCustomForm::SetBorderStyle);
  Publish("BorderIcons", &TCustomForm::BorderIcons, &TCustomForm::SetBorderIcons);
  Publish("Position", &TCustomForm::Position, &TCustomForm::SetPosition);
  Publish("FormStyle", &TCustomForm::FormStyle, &TCustomForm::SetFormStyle);
  Publish("KeyPreview", &TCustomForm::KeyPreview, &TCustomForm::SetKeyPreview);
  Publish("ModalResult", &TCustomForm::ModalResult, &TCustomForm::SetModalResult);
  Publish("ActiveControl", &TCustomForm::ActiveControl, &TCustomForm::SetActiveControl);
  // Form descriptions give the size of the client area rather than the window's.
  PublishProperty({"ClientWidth", TPropKind::Integer, [this] { return TPropValue(std::int64_t{ClientWidth()}); },
                   [this](const TPropValue& v) { SetClientWidth(detail::FromPropValue<int>(v, "ClientWidth")); }});
  PublishProperty({"ClientHeight", TPropKind::Integer,
                   [this] { return TPropValue(std::int64_t{ClientHeight()}); },
                   [this](const TPropValue& v) { SetClientHeight(detail::FromPropValue<int>(v, "ClientHeight")); }});
  PublishProperty({"WindowState", TPropKind::Integer, [this] { return TPropValue(std::int64_t{WindowState()}); },
                   [this](const TPropValue& v) {
                     SetWindowState(detail::FromPropValue<TWindowState>(v, "WindowState"));
                   }});
  Screen->AddForm(this);
  RegisterGlobalComponent(this);
}

TCustomForm::~TCustomForm() {
  Destroying();
  UnregisterGlobalComponent(this);
  Screen->RemoveForm(this);
}

void TCustomForm::AfterConstruction() {
  if (OnCreate) OnCreate(this);
}

void TCustomForm::BeforeDestruction() {
  if (!destroyFired_) {
    destroyFired_ = true;
    if (OnDestroy) {
      try {
        OnDestroy(this);
      } catch (const std::exception& e) {
        Application->HandleException(this, e);
      }
    }
  }
  TCustomControl::BeforeDestruction();
}

// ---- The window ---------------------------------------------------------------

void TCustomForm::CreateParams(TCreateParams& params) {
  TCustomControl::CreateParams(params);
  DWORD style = WS_CLIPCHILDREN;
  DWORD ex = 0;
  switch (borderStyle_) {
    case bsNone: style |= WS_POPUP; break;
    case bsSingle: style |= WS_CAPTION | WS_BORDER; break;
    case bsSizeable: style |= WS_CAPTION | WS_THICKFRAME; break;
    case bsDialog:
      style |= WS_POPUP | WS_CAPTION;
      ex |= WS_EX_DLGMODALFRAME | WS_EX_WINDOWEDGE;
      break;
    case bsToolWindow:
      style |= WS_CAPTION;
      ex |= WS_EX_TOOLWINDOW;
      break;
    case bsSizeToolWin:
      style |= WS_CAPTION | WS_THICKFRAME;
      ex |= WS_EX_TOOLWINDOW;
      break;
  }
  if (borderStyle_ != bsNone && (borderIcons_ & biSystemMenu)) {
    style |= WS_SYSMENU;
    bool framedForMinMax = borderStyle_ == bsSingle || borderStyle_ == bsSizeable;
    if (framedForMinMax && (borderIcons_ & biMinimize)) style |= WS_MINIMIZEBOX;
    if (framedForMinMax && (borderIcons_ & biMaximize)) style |= WS_MAXIMIZEBOX;
    if (borderStyle_ == bsDialog && (borderIcons_ & biHelp)) ex |= WS_EX_CONTEXTHELP;
  }
  if (!Enabled()) style |= WS_DISABLED;
  if (formStyle_ == fsStayOnTop) ex |= WS_EX_TOPMOST;
  params.Style = style;
  params.ExStyle = ex;
  params.WndParent = ParentWindow();
  if (position_ == poDefault || position_ == poDefaultPosOnly) params.X = params.Y = CW_USEDEFAULT;
}

void TCustomForm::CreateWnd() {
  TCustomControl::CreateWnd();
  // A window made anew for a shown form (a new frame style) shows again.
  if (Visible()) {
    ShowWindow(Handle(), ShowCommand());
    if (active_) SetForegroundWindow(Handle());
  }
}

void TCustomForm::SetBorderStyle(TFormBorderStyle value) {
  if (value == borderStyle_) return;
  borderStyle_ = value;
  RecreateWnd();
}

void TCustomForm::SetBorderIcons(TBorderIcons value) {
  if (value == borderIcons_) return;
  borderIcons_ = value;
  RecreateWnd();
}

void TCustomForm::SetFormStyle(TFormStyle value) {
  if (value == formStyle_) return;
  formStyle_ = value;
  if (HandleAllocated())
    SetWindowPos(Handle(), value == fsStayOnTop ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void TCustomForm::SetClientSize(int width, int height) {
  HandleNeeded();
  TCustomControl::SetClientSize(width, height);
}

void TCustomForm::SetBounds(int left, int top, int width, int height) {
  inSetBounds_ = true;
  try {
    TCustomControl::SetBounds(left, top, width, height);
  } catch (...) {
    inSetBounds_ = false;
    throw;
  }
  inSetBounds_ = false;
}

TWindowState TCustomForm::WindowState() {
  if (HandleAllocated() && Visible()) {
    if (IsIconic(Handle())) return wsMinimized;
    if (IsZoomed(Handle())) return wsMaximized;
    return wsNormal;
  }
  return windowState_;
}

void TCustomForm::SetWindowState(TWindowState value) {
  windowState_ = value;
  if (!HandleAllocated() || !Visible()) return;
  ShowWindow(Handle(), value == wsMinimized ? SW_MINIMIZE : value == wsMaximized ? SW_MAXIMIZE : SW_RESTORE);
}

int TCustomForm::ShowCommand() const {
  switch (windowState_) {
    case wsMinimized: return SW_SHOWMINIMIZED;
    case wsMaximized: return SW_SHOWMAXIMIZED;
    default: return SW_SHOWNORMAL;
  }
}

// ---- Showing ------------------------------------------------------------------

void TCustomForm::PlaceOnFirstShow() {
  if (shownOnce_) return;
  shownOnce_ = true;
  switch (position_) {
    case poScreenCenter:
    case poDesktopCenter:
      SetBounds((Screen->Width() - Width()) / 2, (Screen->Height() - Height()) / 2, Width(), Height());
      break;
    case poMainFormCenter:
    case poOwnerFormCenter: {
      TCustomForm* main = Application->MainForm();
      if (main && main != this) {
        SetBounds(main->Left() + (main->Width() - Width()) / 2, main->Top() + (main->Height() - Height()) / 2,
                  Width(), Height());
      } else {
        SetBounds((Screen->Width() - Width()) / 2, (Screen->Height() - Height()) / 2, Width(), Height());
      }
      break;
    }
    default: break;
  }
}

void TCustomForm::SetVisible(bool value) {
  if (value == Visible()) return;
  if (value) {
    HandleNeeded();
    PlaceOnFirstShow();
    DoShow();
  } else {
    DoHide();
  }
  TCustomControl::SetVisible(value);
}

void TCustomForm::Show() {
  SetVisible(true);
  BringToFront();
  if (HandleAllocated()) SetForegroundWindow(Handle());
}

void TCustomForm::CMVisibleChanged(TMessage&) {
  if (!HandleAllocated()) return;
  if (Visible()) {
    ShowWindow(Handle(), ShowCommand());
    SetForegroundWindow(Handle());
  } else {
    ShowWindow(Handle(), SW_HIDE);
  }
}

void TCustomForm::DoShow() {
  if (OnShow) OnShow(this);
}

void TCustomForm::DoHide() {
  if (OnHide) OnHide(this);
}

void TCustomForm::Paint() {
  if (OnPaint) OnPaint(this);
}

// ---- Activation and focus ---------------------------------------------------------

void TCustomForm::SetActiveControl(TWinControl* control) {
  if (control == activeControl_) return;
  if (control && (control == this || control->ParentForm() != this || (!IsLoading() && !control->CanFocus())))
    throw EInvalidOperation("Cannot focus a disabled or invisible window");
  activeControl_ = control;
  if (!IsLoading() && active_) SetWindowFocus();
}

void TCustomForm::FocusControl(TWinControl* control) {
  bool wasActive = active_;
  SetActiveControl(control);
  if (!wasActive) SetFocus();
}

void TCustomForm::SetFocus() {
  // A hidden form keeps its active control for when it is shown.
  if (active_ || (Visible() && Enabled() && HandleAllocated())) SetWindowFocus();
}

void TCustomForm::SetWindowFocus() {
  HWND focus = activeControl_ && activeControl_->CanFocus() ? activeControl_->Handle() : Handle();
  if (GetFocus() != focus) ::SetFocus(focus);
}

bool TCustomForm::SetFocusedControl(TWinControl* control) {
  if (control->ControlState() & csFocusing) return false;
  activeControl_ = control != this ? control : nullptr;
  control->SetControlState(control->ControlState() | csFocusing);
  try {
    if (!focusedControl_) focusedControl_ = this;
    if (focusedControl_ != control) {
      // Leave the controls that do not hold the new one, innermost first ...
      while (focusedControl_ && !focusedControl_->ContainsControl(control)) {
        TWinControl* leaving = focusedControl_;
        focusedControl_ = leaving->Parent();
        leaving->Perform(CM_EXIT, 0, 0);
      }
      // ... then enter from the outside in. An OnEnter that moves the
      // focus elsewhere has already done the rest; stop there.
      while (focusedControl_ && focusedControl_ != control && focusedControl_->ContainsControl(control)) {
        TWinControl* entering = control;
        while (entering->Parent() != focusedControl_) entering = entering->Parent();
        focusedControl_ = entering;
        entering->Perform(CM_ENTER, 0, 0);
      }
      Perform(CM_FOCUSCHANGED, 0, reinterpret_cast<LPARAM>(control));
    }
  } catch (...) {
    control->SetControlState(control->ControlState() & ~csFocusing);
    throw;
  }
  control->SetControlState(control->ControlState() & ~csFocusing);
  return true;
}

void TCustomForm::SendCancelMode(TControl* sender) {
  if (active_ && activeControl_) activeControl_->Perform(CM_CANCELMODE, 0, reinterpret_cast<LPARAM>(sender));
}

void TCustomForm::ControlRemoving(TWinControl* control) {
  if (activeControl_ && control->ContainsControl(activeControl_)) activeControl_ = nullptr;
  if (focusedControl_ && control->ContainsControl(focusedControl_)) focusedControl_ = control->Parent();
}

void TCustomForm::Activate() {
  if (OnActivate) OnActivate(this);
}

void TCustomForm::Deactivate() {
  if (OnDeactivate) OnDeactivate(this);
}

void TCustomForm::WMActivate(TMessage& m) {
  bool active = LOWORD(m.WParam) != WA_INACTIVE;
  if (active == active_) {
    if (active) SetWindowFocus();
    return;
  }
  active_ = active;
  if (active) {
    if (!activeControl_) activeControl_ = FindNextControl(nullptr, true, true, false);
    if (!(GetWindowLong(Handle(), GWL_STYLE) & WS_MINIMIZE)) SetWindowFocus();
    Activate();
  } else {
    Deactivate();
  }
}

// ---- Dialog keys ---------------------------------------------------------------

void TCustomForm::CMDialogKey(TMessage& m) {
  if (GetKeyState(VK_MENU) >= 0) {
    switch (m.WParam) {
      case VK_TAB:
        if (GetKeyState(VK_CONTROL) >= 0) {
          SelectNext(activeControl_, GetKeyState(VK_SHIFT) >= 0, true);
          m.Result = 1;
          return;
        }
        break;
      case VK_LEFT:
      case VK_RIGHT:
      case VK_UP:
      case VK_DOWN:
        if (activeControl_ && activeControl_->Parent()) {
          activeControl_->Parent()->SelectNext(activeControl_, m.WParam == VK_RIGHT || m.WParam == VK_DOWN,
                                               false);
          m.Result = 1;
        }
        return;
      default: break;
    }
  }
  TCustomControl::CMDialogKey(m);
}

// ---- Messages ------------------------------------------------------------------

void TCustomForm::Dispatch(TMessage& m) {
  if (CallMessageHandler(m)) return;
  switch (m.Msg) {
    case WM_ACTIVATE: WMActivate(m); break;
    case WM_CLOSE: WMClose(m); break;
    case WM_GETMINMAXINFO: WMGetMinMaxInfo(m); break;
    case WM_WINDOWPOSCHANGING: WMWindowPosChanging(m); break;
    case WM_SIZE:
      WMSizeState(m);
      TCustomControl::Dispatch(m);
      break;
    case CM_RELEASE: Free(); break;
    default: TCustomControl::Dispatch(m); break;
  }
}

void TCustomForm::WMClose(TMessage&) { Close(); }

void TCustomForm::WMGetMinMaxInfo(TMessage& m) {
  DefaultHandler(m);
  auto* info = reinterpret_cast<MINMAXINFO*>(m.LParam);
  if (!info) return;
  TSizeConstraints* c = Constraints();
  if (c->MinWidth() > 0) info->ptMinTrackSize.X = c->MinWidth();
  if (c->MinHeight() > 0) info->ptMinTrackSize.Y = c->MinHeight();
  if (c->MaxWidth() > 0) info->ptMaxTrackSize.X = c->MaxWidth();
  if (c->MaxHeight() > 0) info->ptMaxTrackSize.Y = c->MaxHeight();
}

void TCustomForm::WMWindowPosChanging(TMessage& m) {
  auto* pos = reinterpret_cast<WINDOWPOS*>(m.LParam);
  // A size the user drags goes through OnCanResize and the constraints.
  if (pos && !inSetBounds_ && !(pos->flags & SWP_NOSIZE) && (pos->cx != Width() || pos->cy != Height())) {
    int w = pos->cx, h = pos->cy;
    if (CheckNewSize(w, h)) {
      pos->cx = w;
      pos->cy = h;
    } else {
      pos->flags |= SWP_NOSIZE;
    }
  }
  DefaultHandler(m);
}

void TCustomForm::WMSizeState(TMessage& m) {
  // A hidden form keeps the state it is to be shown in.
  if (!IsWindowVisible(Handle())) return;
  if (m.WParam == SIZE_MINIMIZED) windowState_ = wsMinimized;
  else if (m.WParam == SIZE_MAXIMIZED) windowState_ = wsMaximized;
  else if (m.WParam == SIZE_RESTORED) windowState_ = wsNormal;
}

// ---- Closing and modal showing -----------------------------------------------------

bool TCustomForm::CloseQuery() {
  bool canClose = true;
  if (OnCloseQuery) OnCloseQuery(this, canClose);
  return canClose;
}

void TCustomForm::DoClose(TCloseAction& action) {
  if (OnClose) OnClose(this, action);
}

void TCustomForm::Close() {
  if (modal_) {
    modalResult_ = mrCancel;
    return;
  }
  if (!CloseQuery()) return;
  TCloseAction action = caHide;
  DoClose(action);
  if (action == caNone) return;
  if (Application->MainForm() == this) Application->Terminate();
  else if (action == caHide) Hide();
  else if (action == caMinimize) SetWindowState(wsMinimized);
  else Release();
}

void TCustomForm::Release() {
  if (HandleAllocated()) PostMessage(Handle(), CM_RELEASE, 0, 0);
}

void TCustomForm::CloseModal() {
  TCloseAction action = caNone;
  if (CloseQuery()) {
    action = caHide;
    DoClose(action);
  }
  if (action == caNone) modalResult_ = mrNone;
  else if (action == caFree) Release();
}

int TCustomForm::ShowModal() {
  if (Visible() || !Enabled() || modal_) throw EInvalidOperation("Cannot make a visible window modal");
  if (HWND capture = GetCapture()) SendMessage(capture, WM_CANCELMODE, 0, 0);
  ReleaseCapture();
  HWND activeBefore = GetActiveWindow();
  HandleNeeded();
  std::vector<HWND> disabled = DisableTaskWindows(Handle());
  modal_ = true;
  modalResult_ = mrNone;
  auto finish = [&] {
    modal_ = false;
    EnableTaskWindows(disabled);
    if (activeBefore && IsWindow(activeBefore)) SetActiveWindow(activeBefore);
  };
  try {
    Show();
    HWND window = Handle();
    do {
      Application->HandleMessage();
      if (!IsWindow(window)) {
        modalResult_ = mrCancel;
        break;
      }
      if (Application->Terminated()) modalResult_ = mrCancel;
      else if (modalResult_ != mrNone) CloseModal();
    } while (modalResult_ == mrNone);
    if (IsWindow(window)) Hide();
  } catch (...) {
    finish();
    throw;
  }
  finish();
  return modalResult_;
}
