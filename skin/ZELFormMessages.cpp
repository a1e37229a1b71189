// What the frame does with its form's messages and with the messages the
// application's loop takes: the non-client size, activation, painting of
// the border, size changes, Alt+Space and the menu's shortcuts.

#include <algorithm>

#include "platform/framework/ControlMessages.h"
#include "platform/framework/Forms.h"
#include "skin/ZELForm.h"
#include "skin/ZELFormItems.h"
#include "skin/ZELPublic.h"

namespace {

// Room the frame's own border takes when the theme gives none.
constexpr int kLeastBorder = 4;
// How often a form that started maximized is sized maximized before each
// further size maximizes it again; shared by every frame of the program.
int maximizedStartSizes = 0;
bool remaximizing = false;

bool Minimized(TCustomForm& form) { return form.HandleAllocated() && IsIconic(form.Handle()); }

}  // namespace

void TzelForm::FormWindowProc(TMessage& message, const TWindowProcHook::TChain& chain) {
  switch (message.Msg) {
    case WM_NCCALCSIZE:
      CalcClientArea(message);
      chain.CallPrevious(message);  // takes the window's own frame off
      return;
    case ZEL_GETLEFTBORDERWIDTH: message.Result = LeftBorderAnswer(); return;
    case WM_NCACTIVATE:
      // The system caption is never drawn.
      if (Minimized(*form_)) {
        chain.CallPrevious(message);
        return;
      }
      Invalidate();
      PaintFormBorder();
      message.Result = 1;
      return;
    case WM_NCPAINT:
      if (Minimized(*form_)) chain.CallPrevious(message);
      else PaintFormBorder();
      return;
    default: break;
  }

  chain.CallPrevious(message);
  if (!chain.Hooked()) return;  // the frame went while the form handled it

  switch (message.Msg) {
    case WM_MDIACTIVATE: MDIChildActivated(reinterpret_cast<HWND>(message.LParam)); break;
    case WM_KEYDOWN: {
      MSG key;
      key.hwnd = form_->Handle();
      key.message = message.Msg;
      key.wParam = message.WParam;
      key.lParam = message.LParam;
      message.Result = MenuShortCut(key) ? 1 : 0;  // the frame may be gone now
      return;
    }
    case WM_SHOWWINDOW: form_->SetMenu(nullptr); break;
    case WM_DESTROY:
      if (IsMDIChild()) MDIChildDestroyed();
      break;
    case WM_ACTIVATE:
      titleBar_->SetFormActive(LOWORD(message.WParam) != WA_INACTIVE);
      PaintFormBorder();
      break;
    case CM_RECREATEWND:
    case CM_FLOAT:
    case CN_BASE + WM_PARENTNOTIFY:
      // A new window of the form has its caption back.
      if (form_->HandleAllocated() && (GetWindowLong(form_->Handle(), GWL_STYLE) & WS_CAPTION)) {
        ClearCaptionBits();
        FrameChanged();
        UpdateFormRegion();
      }
      break;
    case WM_SIZE: FormSized(); break;
    case WM_NCHITTEST:
      // A fixed-size MDI child cannot be sized by its edges.
      if (IsMDIChild() && borderStyleBefore_ == bsSingle && message.Result >= HTLEFT && message.Result <= HTBOTTOMRIGHT)
        message.Result = HTBORDER;
      break;
    default: break;
  }
}

// The frame's border in place of the native one: the window's own frame,
// which the previous procedure takes off afterwards, is made up for.
void TzelForm::CalcClientArea(TMessage& message) {
  message.Result = 0;
  if (message.WParam == 0) return;
  auto* params = reinterpret_cast<NCCALCSIZE_PARAMS*>(message.LParam);
  const TRect proposed = params->lppos
                             ? Bounds(params->lppos->x, params->lppos->y, params->lppos->cx, params->lppos->cy)
                             : params->rgrc[0];
  const int x = proposed.Left, y = proposed.Top, cx = proposed.Width(), cy = proposed.Height();
  const int bottom = std::max(kLeastBorder, nativeBottom_), left = std::max(kLeastBorder, nativeLeft_);
  TRect r;
  r.Top = y + kLeastBorder - bottom;
  if (skinLeft_ != 0) {
    r.Left = x + std::max(skinLeft_, kLeastBorder) - left + 1;
    r.Right = x + cx - std::max(skinRight_, kLeastBorder) + left - 1;
  } else {
    r.Left = x + kLeastBorder - left;
    r.Right = x + cx + left - kLeastBorder;
  }
  if (skinBottom_ != 0) r.Bottom = y + cy - std::max(skinBottom_, kLeastBorder) + bottom - 1;
  else if (borderWidth_ == 3) r.Bottom = y + cy + bottom - kLeastBorder;
  else r.Bottom = y + cy + bottom - borderWidth_ - 2;
  params->rgrc[0] = r;
  params->rgrc[1] = r;
  message.Result = WVR_VALIDRECTS;
}

// How far the title bar's pictures reach left of the client area: to the
// window's left edge, where the title pictures start. (For a dialog frame
// with a theme file's border this is the theme's border width.)
LRESULT TzelForm::LeftBorderAnswer() const {
  if (!form_->HandleAllocated()) return skinLeft_ != 0 ? std::max(skinLeft_, kLeastBorder) : nativeLeft_;
  return form_->ClientToScreen({0, 0}).X - form_->Left();
}

void TzelForm::FormSized() {
  const bool maximized = form_->WindowState() == wsMaximized;
  if (maximized && IsDesigning()) return;
  if (startedMaximized_) StartedMaximizedSized(maximized);
  if (maximized && !IsMDIChild()) {
    const TRect bounds = MaximizedFormBounds();
    if (form_->BoundsRect() != bounds) form_->SetBoundsRect(bounds);
  }
  titleBar_->UpdateMaxButtons();
  titleBar_->Invalidate();
  PaintFormBorder();
  if (IsMDIChild()) MDIChildSized(maximized);
  UpdateFormRegion();
}

// A form that starts maximized gets its designed bounds on its first restore.
void TzelForm::StartedMaximizedSized(bool maximized) {
  if (IsMDIChild()) {
    mdiMaximized_ = maximizePending_ = true;
    startedMaximized_ = false;
  } else if (!maximized) {
    startedMaximized_ = false;
    form_->SetBoundsRect(createdBounds_);
  } else if (maximizedStartSizes < 2) {
    ++maximizedStartSizes;
  } else if (!remaximizing) {
    // Sizes while it maximizes again come back here.
    remaximizing = true;
    try {
      form_->SetWindowState(wsMaximized);
    } catch (...) {
      remaximizing = false;
      throw;
    }
    remaximizing = false;
  }
}

// ---- MDI children -------------------------------------------------------------------------

bool TzelForm::IsMDIChild() const { return form_ != nullptr && form_->FormStyle() == fsMDIChild; }

bool TzelForm::ScreenListsForm() const {
  for (int i = 0; i < Screen->FormCount(); ++i)
    if (Screen->Forms(i) == form_) return true;
  return false;
}

void TzelForm::SendToMDIFrame(UINT msg, WPARAM wParam) const {
  TCustomForm* mainForm = Application->MainForm();
  if (mainForm == nullptr || mainForm == form_ || mainForm->IsDestroying() || mainForm->FormStyle() != fsMDIForm ||
      !mainForm->HandleAllocated())
    return;
  SendMessage(mainForm->Handle(), msg, wParam, 0);
}

void TzelForm::MDIChildActivated(HWND activated) {
  const bool active = form_->HandleAllocated() && activated == form_->Handle();
  titleBar_->SetFormActive(active);
  if (active) SendToMDIFrame(WM_MDIREFRESHMENU, 0);
}

void TzelForm::MDIChildDestroyed() {
  const bool zoomed = form_->HandleAllocated() && IsZoomed(form_->Handle());
  MDIChildGone(zoomed ? form_->Handle() : nullptr);
}

// Asks nothing of the child itself: it may be half gone already.
void TzelForm::MDIChildGone(HWND zoomedWindow) {
  bool last = true;
  for (int i = 0; i < Screen->FormCount(); ++i) {
    TCustomForm* other = Screen->Forms(i);
    if (other != form_ && other->FormStyle() == fsMDIChild) last = false;
  }
  if (last) SendToMDIFrame(WM_MDIREFRESHMENU, 0);
  if (zoomedWindow != nullptr) SendToMDIFrame(WM_MDIRESTORE, reinterpret_cast<WPARAM>(zoomedWindow));
}

// A maximized child shows its caption in the MDI frame: its own title bar
// goes and the contents move up into its place, and back on restore.
void TzelForm::MDIChildSized(bool maximized) {
  const WPARAM child = reinterpret_cast<WPARAM>(form_->Handle());
  wasMDIChild_ = true;
  zoomedMDIWindow_ = maximized ? form_->Handle() : nullptr;
  if (maximized) {
    SetTitleBarShownByFrame(false);
    if (mdiMaximized_) return;
    ScrollContents(zelform::kTitleBorderRows - titleBar_->Height());
    mdiMaximized_ = true;
    SendToMDIFrame(WM_MDIMAXIMIZE, child);
    return;
  }
  if (titleBarWanted_) SetTitleBarShownByFrame(true);
  if (!mdiMaximized_) return;
  // A child that started maximized never moved its contents up.
  if (!maximizePending_ || restoredOnce_) ScrollContents(titleBar_->Height() - zelform::kTitleBorderRows);
  restoredOnce_ = true;
  mdiMaximized_ = false;
  titleBar_->UpdateMaxButtons();
  SendToMDIFrame(WM_MDIRESTORE, child);
}

void TzelForm::ScrollContents(int dy) {
  for (int i = 0; i < ControlCount(); ++i) {
    TControl* control = Controls(i);
    if (control != titleBar_ && control != menuBar_ && control->Align() == alNone) control->SetTop(control->Top() + dy);
  }
}

// ---- The application's messages ------------------------------------------------------------

void TzelForm::ApplicationMessage(MSG& message, bool& handled) {
  if (!Dressing()) return;
  if (message.message == WM_SYSCHAR && message.wParam == ' ' && OwnsWindow(message.hwnd)) {
    // Alt+Space: the window's system menu, although it has no system caption.
    if (TzelTitleBarPopupMenu* menu = titleBar_->SystemMenu()) {
      handled = true;
      menu->Popup(form_->Left(), form_->Top() + titleBar_->Height());
    }
    return;
  }
  if (message.message == WM_KEYDOWN) handled = MenuShortCut(message);  // the frame may be gone now
}

// Fires the item whose shortcut the key is; the item's handler may free
// the form and this frame, so nothing of them is touched after it.
bool TzelForm::MenuShortCut(const MSG& message) {
  if (menu_ == nullptr || !IsFormActive(form_) || !form_->Active()) return false;
  const TMessage key{message.message, message.wParam, message.lParam, 0};
  return menu_->IsShortCut(key);
}

bool TzelForm::OwnsWindow(HWND window) const {
  if (window == nullptr || !form_->HandleAllocated()) return false;
  if (window == form_->Handle()) return true;
  TWinControl* control = TWinControl::FindControl(window);
  return control != nullptr && control->ParentForm() == form_;
}
