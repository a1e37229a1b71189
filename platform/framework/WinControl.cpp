// Windowed controls: the window behind the control, child controls,
// bounds kept in step with the window, and alignment of the children.

#include <algorithm>

#include "platform/framework/Controls.h"
#include "platform/framework/Forms.h"

LRESULT ControlWindowProcedure(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

namespace detail {
void RegisterControlWindow(HWND window, TWinControl* control);
void UnregisterControlWindow(HWND window);
}  // namespace detail

TWinControl::TWinControl(TComponent* owner) : TControl(owner) {
  Publish("TabStop", &TWinControl::TabStop, &TWinControl::SetTabStop);
  Publish("TabOrder", &TWinControl::TabOrder, &TWinControl::SetTabOrder);
  Publish("BorderWidth", &TWinControl::BorderWidth, &TWinControl::SetBorderWidth);
  Publish("DoubleBuffered", &TWinControl::DoubleBuffered, &TWinControl::SetDoubleBuffered);
}

TWinControl::~TWinControl() {
  Destroying();
  // Hooks set on this control may belong to objects already gone.
  WindowProc = [this](TMessage& m) { TWinControl::WndProc(m); };
  messageHandlers_.clear();
  // Leave the parent while this is still a windowed control to it: its tab
  // list and its form's active control forget this one, and the window goes.
  if (parent_) parent_->RemoveControl(this);
  // Children go next, also those another component owns.
  while (!controls_.empty()) {
    TControl* child = controls_.back();
    RemoveControl(child);
    delete child;
  }
  if (handle_) {
    HWND window = handle_;
    DetachHandle();
    DestroyWindow(window);
  }
}

// ---- The window ---------------------------------------------------------------

HWND TWinControl::Handle() {
  HandleNeeded();
  return handle_;
}

void TWinControl::HandleNeeded() {
  if (handle_) return;
  if (parent_) parent_->HandleNeeded();
  if (!handle_) CreateWnd();
}

void TWinControl::CreateParams(TCreateParams& params) {
  params.Caption = Text();
  params.Style = parent_ ? (WS_CHILD | WS_CLIPCHILDREN | WS_CLIPSIBLINGS) : WS_POPUP;
  if (parent_ && Visible()) params.Style |= WS_VISIBLE;
  if (!Enabled()) params.Style |= WS_DISABLED;
  if (tabStop_) params.Style |= WS_TABSTOP;
  params.X = left_;
  params.Y = top_;
  params.Width = width_;
  params.Height = height_;
  params.WndParent = parent_ ? parent_->handle_ : parentWindow_;
  params.WinClassName = ClassName();
}

void TWinControl::CreateWnd() {
  TCreateParams params;
  CreateParams(params);
  if ((params.Style & WS_CHILD) && !params.WndParent)
    throw EInvalidOperation("Control '" + Name() + "' has no parent window");
  WNDCLASS existing;
  if (!GetClassInfo(params.WinClassName, &existing)) {
    WNDCLASS cls;
    cls.style = params.ClassStyle;
    cls.lpfnWndProc = ControlWindowProcedure;
    cls.hCursor = LoadCursor(nullptr, IDC_ARROW);
    cls.lpszClassName = params.WinClassName;
    RegisterClass(cls);
  }
  controlState_ |= csCreating;
  try {
    CreateWindowHandle(params);
  } catch (...) {
    controlState_ &= ~csCreating;
    throw;
  }
  controlState_ &= ~csCreating;
  if (!handle_) throw EOSError("Cannot create the window of " + ClassName());
  UpdateBoundsFromWindow();
  for (TWinControl* child : tabList_) child->HandleNeeded();
  Realign();
}

void TWinControl::CreateWindowHandle(const TCreateParams& p) {
  HWND window = CreateWindowEx(p.ExStyle, p.WinClassName, p.Caption, p.Style, p.X, p.Y, p.Width, p.Height,
                               p.WndParent, 0, this);
  // The procedure attached the window at WM_NCCREATE; a class of someone
  // else's procedure still gets us attached here.
  if (window && handle_ != window) AttachHandle(window);
}

void TWinControl::AttachHandle(HWND window) {
  handle_ = window;
  detail::RegisterControlWindow(window, this);
}

void TWinControl::DetachHandle() {
  if (!handle_) return;
  detail::UnregisterControlWindow(handle_);
  handle_ = nullptr;
}

void TWinControl::DestroyWnd() {
  HWND window = handle_;
  controlState_ |= csDestroyingHandle;
  DestroyWindow(window);
  DetachHandle();
  controlState_ &= ~csDestroyingHandle;
}

void TWinControl::DestroyHandle() {
  if (!handle_) return;
  for (TWinControl* child : tabList_) child->DestroyHandle();
  DestroyWnd();
}

void TWinControl::RecreateWnd() {
  if (handle_) Perform(CM_RECREATEWND, 0, 0);
}

void TWinControl::CMRecreateWnd(TMessage&) {
  bool wasFocused = Focused();
  DestroyHandle();
  HandleNeeded();
  if (wasFocused && handle_) ::SetFocus(handle_);
}

bool TWinControl::Showing() const { return handle_ && IsWindowVisible(handle_); }

// ---- Children ----------------------------------------------------------------

void TWinControl::InsertControl(TControl* control) {
  control->parent_ = this;
  controls_.push_back(control);
  auto* window = dynamic_cast<TWinControl*>(control);
  if (window) tabList_.push_back(window);
  if (control->ParentFont()) control->Perform(CM_PARENTFONTCHANGED, 0, 0);
  if (control->ParentColor()) control->Perform(CM_PARENTCOLORCHANGED, 0, 0);
  if (control->ParentShowHint()) control->Perform(CM_PARENTSHOWHINTCHANGED, 0, 0);
  if (control->ParentBiDiMode()) control->Perform(CM_PARENTBIDIMODECHANGED, 0, 0);
  if (window && handle_) window->HandleNeeded();
  control->UpdateAnchorRules();
  control->Invalidate();
  if (control->Align() != alNone || control->Anchors() != (akLeft | akTop)) Realign();
}

void TWinControl::RemoveControl(TControl* control) {
  if (control->parent_ != this) return;
  control->InvalidateControl(control->Visible(), false);
  if (auto* window = dynamic_cast<TWinControl*>(control)) {
    if (TCustomForm* form = ParentForm()) form->ControlRemoving(window);
    window->DestroyHandle();
    tabList_.erase(std::remove(tabList_.begin(), tabList_.end(), window), tabList_.end());
  }
  controls_.erase(std::remove(controls_.begin(), controls_.end(), control), controls_.end());
  control->parent_ = nullptr;
  if (control->Align() != alNone) Realign();
}

bool TWinControl::ContainsControl(TControl* control) const {
  for (TControl* c = control; c; c = c->parent_)
    if (c == this) return true;
  return false;
}

TControl* TWinControl::ControlAtPos(TPoint p, bool allowDisabled, bool allowWinControls) {
  for (auto it = controls_.rbegin(); it != controls_.rend(); ++it) {
    TControl* c = *it;
    bool windowed = dynamic_cast<TWinControl*>(c) != nullptr;
    if (windowed && !allowWinControls) continue;
    if (!c->Visible() || (!c->Enabled() && !allowDisabled)) continue;
    if (!c->BoundsRect().Contains(p)) continue;
    if (c->Perform(CM_HITTEST, 0, MAKELPARAM(p.X - c->Left(), p.Y - c->Top())) == 0) continue;
    return c;
  }
  return nullptr;
}

void TWinControl::Broadcast(TMessage& m) {
  std::vector<TControl*> children = controls_;
  for (TControl* c : children) {
    if (std::find(controls_.begin(), controls_.end(), c) == controls_.end()) continue;
    c->WindowProc(m);
    if (m.Result != 0) return;
  }
}

void TWinControl::NotifyControls(UINT msg) {
  TMessage m{msg, 0, 0, 0};
  Broadcast(m);
}

void TWinControl::SetMessageHandler(UINT msg, std::function<void(TMessage&)> handler) {
  if (handler) messageHandlers_[msg] = std::move(handler);
  else messageHandlers_.erase(msg);
}

// ---- Bounds -----------------------------------------------------------------

TRect TWinControl::ClientRect() {
  TRect r;
  if (handle_ && GetClientRect(handle_, &r)) return r;
  r = Rect(0, 0, width_, height_);
  InflateRect(r, -borderWidth_, -borderWidth_);
  if (r.Right < 0) r.Right = 0;
  if (r.Bottom < 0) r.Bottom = 0;
  return r;
}

TPoint TWinControl::ClientOrigin() {
  if (handle_) {
    TPoint p{0, 0};
    ::ClientToScreen(handle_, &p);
    return p;
  }
  TPoint o = parent_ ? parent_->ClientOrigin() : TPoint{0, 0};
  return {o.X + left_ + borderWidth_, o.Y + top_ + borderWidth_};
}

void TWinControl::SetBounds(int left, int top, int width, int height) {
  if ((width != width_ || height != height_) && !CheckNewSize(width, height)) {
    width = width_;
    height = height_;
  }
  if (left == left_ && top == top_ && width == width_ && height == height_) return;
  if (handle_) {
    // The window reports the new bounds back through WM_WINDOWPOSCHANGED.
    SetWindowPos(handle_, nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
    UpdateBoundsFromWindow();
  } else {
    bool resized = width != width_ || height != height_;
    UpdateBoundsFields(left, top, width, height);
    UpdateAnchorRules();
    if (resized) Realign();
  }
  RequestAlign();
}

void TWinControl::UpdateBoundsFromWindow() {
  if (!handle_) return;
  TRect r;
  if (!GetWindowRect(handle_, &r)) return;
  if (parent_ && parent_->handle_) {
    TPoint pts[2] = {{r.Left, r.Top}, {r.Right, r.Bottom}};
    MapWindowPoints(nullptr, parent_->handle_, pts, 2);
    r = Rect(pts[0].X, pts[0].Y, pts[1].X, pts[1].Y);
  }
  if (r.Left == left_ && r.Top == top_ && r.Width() == width_ && r.Height() == height_) return;
  UpdateBoundsFields(r.Left, r.Top, r.Width(), r.Height());
  UpdateAnchorRules();
}

void TWinControl::SetBorderWidth(int value) {
  value = std::max(0, value);
  if (value == borderWidth_) return;
  borderWidth_ = value;
  if (handle_)
    SetWindowPos(handle_, nullptr, 0, 0, 0, 0,
                 SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
  Perform(CM_BORDERCHANGED, 0, 0);
  Realign();
  Invalidate();
}

void TWinControl::AdjustClientRect(TRect&) {}

void TWinControl::SetZOrder(bool topMost) {
  TControl::SetZOrder(topMost);
  if (handle_)
    SetWindowPos(handle_, topMost ? HWND_TOP : HWND_BOTTOM, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void TWinControl::Invalidate() {
  if (handle_) InvalidateRect(handle_, nullptr, !(controlStyle_ & csOpaque));
}

void TWinControl::Update() {
  if (handle_) UpdateWindow(handle_);
}

void TWinControl::Repaint() {
  Invalidate();
  Update();
}

void TWinControl::Loaded() {
  TControl::Loaded();
  Realign();
}

// ---- Alignment ----------------------------------------------------------------

void TWinControl::EnableAlign() {
  if (alignDisabled_ > 0 && --alignDisabled_ == 0 && alignPending_) Realign();
}

void TWinControl::Realign() {
  if (alignDisabled_ > 0 || IsLoading() || aligning_ || IsDestroying()) {
    alignPending_ = true;
    return;
  }
  alignPending_ = false;
  TRect r = ClientRect();
  AlignControls(nullptr, r);
}

void TWinControl::AlignControls(TControl* control, TRect& rect) {
  aligning_ = true;
  try {
    AdjustClientRect(rect);
    for (TAlign a : {alTop, alBottom, alLeft, alRight, alClient, alCustom}) DoAlign(a, control, rect);
    for (TControl* c : std::vector<TControl*>(controls_))
      if (c->Align() == alNone && c->Anchors() != (akLeft | akTop)) DoPosition(c);
  } catch (...) {
    aligning_ = false;
    throw;
  }
  aligning_ = false;
}

void TWinControl::DoAlign(TAlign align, TControl*, TRect& rect) {
  std::vector<TControl*> list;
  for (TControl* c : controls_)
    if (c->Align() == align && c->Visible()) list.push_back(c);
  // Stacked the way they lie now: top to bottom, bottom to top, ...
  auto key = [align](TControl* c) {
    switch (align) {
      case alTop: return c->Top();
      case alBottom: return -(c->Top() + c->Height());
      case alLeft: return c->Left();
      case alRight: return -(c->Left() + c->Width());
      default: return 0;
    }
  };
  std::stable_sort(list.begin(), list.end(), [&](TControl* a, TControl* b) { return key(a) < key(b); });
  for (TControl* c : list) {
    int l = c->Left(), t = c->Top(), w = c->Width(), h = c->Height();
    switch (align) {
      case alTop: l = rect.Left; t = rect.Top; w = rect.Width(); break;
      case alBottom: l = rect.Left; t = rect.Bottom - h; w = rect.Width(); break;
      case alLeft: l = rect.Left; t = rect.Top; h = rect.Height(); break;
      case alRight: l = rect.Right - w; t = rect.Top; h = rect.Height(); break;
      case alClient: l = rect.Left; t = rect.Top; w = rect.Width(); h = rect.Height(); break;
      case alCustom: CustomAlignPosition(c, l, t, w, h, rect); break;
      default: break;
    }
    c->SetBounds(l, t, std::max(0, w), std::max(0, h));
    // The control may have refused part of the size (constraints).
    switch (align) {
      case alTop: rect.Top += c->Height(); break;
      case alBottom: rect.Bottom -= c->Height(); break;
      case alLeft: rect.Left += c->Width(); break;
      case alRight: rect.Right -= c->Width(); break;
      default: break;
    }
  }
}

void TWinControl::CustomAlignPosition(TControl* control, int& newLeft, int& newTop, int& newWidth,
                                      int& newHeight, TRect& alignRect) {
  if (OnAlignPosition) OnAlignPosition(this, control, newLeft, newTop, newWidth, newHeight, alignRect);
}

void TWinControl::DoPosition(TControl* c) {
  TRect pr = ClientRect();
  TPoint size{pr.Width(), pr.Height()};
  TPoint orig = c->originalParentSize_;
  if (orig.X == 0 && orig.Y == 0) return;  // never placed on this parent
  int l = c->Left(), t = c->Top(), w = c->Width(), h = c->Height();
  TAnchors a = c->Anchors();
  if (a & akRight) {
    if (a & akLeft) w = size.X - (orig.X - c->anchorRules_.X);
    else l = size.X - (orig.X - c->anchorRules_.X);
  } else if (!(a & akLeft) && orig.X > 0) {
    l = c->anchorRules_.X * size.X / orig.X - w / 2;
  }
  if (a & akBottom) {
    if (a & akTop) h = size.Y - (orig.Y - c->anchorRules_.Y);
    else t = size.Y - (orig.Y - c->anchorRules_.Y);
  } else if (!(a & akTop) && orig.Y > 0) {
    t = c->anchorRules_.Y * size.Y / orig.Y - h / 2;
  }
  c->SetBounds(l, t, std::max(0, w), std::max(0, h));
}
