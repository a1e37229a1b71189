#include <algorithm>
#include <cstdlib>
#include <cwctype>

#include "platform/framework/Controls.h"
#include "platform/framework/Forms.h"
#include "platform/framework/MouseTracking.h"

int CursorToIdc(TCursor cursor) {
  switch (cursor) {
    case crArrow: return IDC_ARROW;
    case crCross: return IDC_CROSS;
    case crIBeam: return IDC_IBEAM;
    case crSizeNESW: return IDC_SIZENESW;
    case crSizeNS: return IDC_SIZENS;
    case crSizeNWSE: return IDC_SIZENWSE;
    case crSizeWE: return IDC_SIZEWE;
    case crUpArrow: return IDC_UPARROW;
    case crHourGlass: return IDC_WAIT;
    case crNo: return IDC_NO;
    case crAppStart: return IDC_APPSTARTING;
    case crHelp: return IDC_HELP;
    case crHandPoint: return IDC_HAND;
    case crSizeAll: return IDC_SIZEALL;
    default: return 0;
  }
}

TShiftState KeyboardShiftState() {
  TShiftState s = 0;
  if (GetKeyState(VK_SHIFT) < 0) s |= ssShift;
  if (GetKeyState(VK_CONTROL) < 0) s |= ssCtrl;
  if (GetKeyState(VK_MENU) < 0) s |= ssAlt;
  if (GetKeyState(VK_LBUTTON) < 0) s |= ssLeft;
  if (GetKeyState(VK_RBUTTON) < 0) s |= ssRight;
  if (GetKeyState(VK_MBUTTON) < 0) s |= ssMiddle;
  return s;
}

TShiftState KeysToShiftState(WPARAM keys) {
  TShiftState s = 0;
  if (keys & MK_SHIFT) s |= ssShift;
  if (keys & MK_CONTROL) s |= ssCtrl;
  if (keys & MK_LBUTTON) s |= ssLeft;
  if (keys & MK_RBUTTON) s |= ssRight;
  if (keys & MK_MBUTTON) s |= ssMiddle;
  if (GetKeyState(VK_MENU) < 0) s |= ssAlt;
  return s;
}

bool IsAccel(char32_t ch, const std::string& caption) {
  // "&&" is a literal ampersand; the accelerator follows a single "&".
  for (size_t i = 0; i + 1 < caption.size(); ++i) {
    if (caption[i] != '&') continue;
    if (caption[i + 1] == '&') {
      ++i;
      continue;
    }
    unsigned char c = static_cast<unsigned char>(caption[i + 1]);
    if (c >= 0x80) return false;  // only plain letters and digits act as accelerators
    return std::towupper(static_cast<wint_t>(c)) == std::towupper(static_cast<wint_t>(ch));
  }
  return false;
}

bool SysLocaleMiddleEast() {
  static const bool rightToLeft = [] {
    for (const char* var : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
      const char* value = std::getenv(var);
      if (!value || !*value) continue;
      std::string lang(value, std::min<size_t>(2, std::char_traits<char>::length(value)));
      return lang == "ar" || lang == "he" || lang == "fa" || lang == "ur" || lang == "yi" ||
             lang == "ps" || lang == "sd" || lang == "ug" || lang == "dv";
    }
    return false;
  }();
  return rightToLeft;
}

// ---- TSizeConstraints ------------------------------------------------------------

void TSizeConstraints::SetMinWidth(int v) { minWidth_ = std::max(0, v); Changed(); }
void TSizeConstraints::SetMinHeight(int v) { minHeight_ = std::max(0, v); Changed(); }
void TSizeConstraints::SetMaxWidth(int v) { maxWidth_ = std::max(0, v); Changed(); }
void TSizeConstraints::SetMaxHeight(int v) { maxHeight_ = std::max(0, v); Changed(); }
void TSizeConstraints::Changed() {
  if (OnChange) OnChange(this);
}
void TSizeConstraints::Apply(int& width, int& height) const {
  if (maxWidth_ > 0 && width > maxWidth_) width = maxWidth_;
  if (width < minWidth_) width = minWidth_;
  if (maxHeight_ > 0 && height > maxHeight_) height = maxHeight_;
  if (height < minHeight_) height = minHeight_;
}

// ---- TControl ----------------------------------------------------------------------

TControl::TControl(TComponent* owner) : TComponent(owner) {
  WindowProc = [this](TMessage& m) { WndProc(m); };
  font_.OnChange = [this](TObject*) { FontChanged(); };
  constraints_.OnChange = [this](TObject*) {
    int w = width_, h = height_;
    constraints_.Apply(w, h);
    if (w != width_ || h != height_) SetBounds(left_, top_, w, h);
  };
  PublishControlProperties();
}

void TControl::PublishControlProperties() {
  Publish("Left", &TControl::Left, &TControl::SetLeft);
  Publish("Top", &TControl::Top, &TControl::SetTop);
  Publish("Width", &TControl::Width, &TControl::SetWidth);
  Publish("Height", &TControl::Height, &TControl::SetHeight);
  Publish("Align", &TControl::Align, &TControl::SetAlign);
  Publish("Anchors", &TControl::Anchors, &TControl::SetAnchors);
  Publish("AutoSize", &TControl::AutoSize, &TControl::SetAutoSize);
  Publish("Visible", &TControl::Visible, &TControl::SetVisible);
  Publish("Enabled", &TControl::Enabled, &TControl::SetEnabled);
  Publish("Color", &TControl::Color, &TControl::SetColor);
  Publish("ParentColor", &TControl::ParentColor, &TControl::SetParentColor);
  Publish("ParentFont", &TControl::ParentFont, &TControl::SetParentFont);
  Publish("Caption", &TControl::Caption, &TControl::SetCaption);
  Publish("Hint", &TControl::Hint, &TControl::SetHint);
  Publish("ShowHint", &TControl::ShowHint, &TControl::SetShowHint);
  Publish("ParentShowHint", &TControl::ParentShowHint, &TControl::SetParentShowHint);
  Publish("Cursor", &TControl::Cursor, &TControl::SetCursor);
  Publish("BiDiMode", &TControl::BiDiMode, &TControl::SetBiDiMode);
  Publish("ParentBiDiMode", &TControl::ParentBiDiMode, &TControl::SetParentBiDiMode);
}

TControl::~TControl() {
  Destroying();
  if (detail::CaptureControl == this) detail::CaptureControl = nullptr;
  detail::ForgetMouseControl(this);
  if (parent_) parent_->RemoveControl(this);
}

TCustomForm* TControl::ParentForm() const {
  const TControl* top = this;
  while (top->parent_) top = top->parent_;
  return dynamic_cast<TCustomForm*>(const_cast<TControl*>(top));
}

void TControl::SetParent(TWinControl* parent) {
  if (parent == parent_) return;
  for (TControl* p = parent; p; p = p->parent_)
    if (p == this) throw EInvalidOperation("A control cannot be placed inside itself");
  if (parent_) parent_->RemoveControl(this);
  if (parent) parent->InsertControl(this);
}

LRESULT TControl::Perform(UINT msg, WPARAM wParam, LPARAM lParam) {
  TMessage m{msg, wParam, lParam, 0};
  WindowProc(m);
  return m.Result;
}

void TControl::WndProc(TMessage& m) {
  // Controls without double clicks see a second press as a press.
  if (!(controlStyle_ & csDoubleClicks)) {
    if (m.Msg == WM_LBUTTONDBLCLK) m.Msg = WM_LBUTTONDOWN;
    else if (m.Msg == WM_RBUTTONDBLCLK) m.Msg = WM_RBUTTONDOWN;
    else if (m.Msg == WM_MBUTTONDBLCLK) m.Msg = WM_MBUTTONDOWN;
  }
  Dispatch(m);
}

void TControl::Dispatch(TMessage& m) {
  switch (m.Msg) {
    case WM_MOUSEMOVE: WMMouseMove(m); break;
    case WM_LBUTTONDOWN: WMButtonDown(m, mbLeft, false); break;
    case WM_RBUTTONDOWN: WMButtonDown(m, mbRight, false); break;
    case WM_MBUTTONDOWN: WMButtonDown(m, mbMiddle, false); break;
    case WM_LBUTTONDBLCLK: WMLButtonDblClk(m); break;
    case WM_RBUTTONDBLCLK: WMButtonDown(m, mbRight, true); break;
    case WM_MBUTTONDBLCLK: WMButtonDown(m, mbMiddle, true); break;
    case WM_LBUTTONUP: WMButtonUp(m, mbLeft); break;
    case WM_RBUTTONUP: WMButtonUp(m, mbRight); break;
    case WM_MBUTTONUP: WMButtonUp(m, mbMiddle); break;
    case CM_ENABLEDCHANGED: CMEnabledChanged(m); break;
    case CM_VISIBLECHANGED: CMVisibleChanged(m); break;
    case CM_FONTCHANGED: CMFontChanged(m); break;
    case CM_COLORCHANGED: CMColorChanged(m); break;
    case CM_TEXTCHANGED: CMTextChanged(m); break;
    case CM_PARENTFONTCHANGED: CMParentFontChanged(m); break;
    case CM_PARENTCOLORCHANGED: CMParentColorChanged(m); break;
    case CM_PARENTSHOWHINTCHANGED: CMParentShowHintChanged(m); break;
    case CM_PARENTBIDIMODECHANGED: CMParentBiDiModeChanged(m); break;
    case CM_BIDIMODECHANGED: CMBiDiModeChanged(m); break;
    case CM_MOUSEENTER: CMMouseEnter(m); break;
    case CM_MOUSELEAVE: CMMouseLeave(m); break;
    case CM_HITTEST: CMHitTest(m); break;
    case CM_CANCELMODE: CMCancelMode(m); break;
    case CM_CURSORCHANGED: CMCursorChanged(m); break;
    default: DefaultHandler(m); break;
  }
}

void TControl::DefaultHandler(TMessage&) {}

// ---- Bounds -----------------------------------------------------------------------------

bool TControl::CanResize(int& newWidth, int& newHeight) {
  bool resize = true;
  if (OnCanResize) OnCanResize(this, newWidth, newHeight, resize);
  return resize;
}

bool TControl::CheckNewSize(int& newWidth, int& newHeight) {
  int w = newWidth, h = newHeight;
  if (!CanResize(w, h)) return false;
  constraints_.Apply(w, h);
  newWidth = std::max(0, w);
  newHeight = std::max(0, h);
  return true;
}

void TControl::SetBounds(int left, int top, int width, int height) {
  if ((width != width_ || height != height_) && !CheckNewSize(width, height)) {
    width = width_;
    height = height_;
  }
  if (left == left_ && top == top_ && width == width_ && height == height_) return;
  bool resized = width != width_ || height != height_;
  InvalidateControl(visible_, false);
  UpdateBoundsFields(left, top, width, height);
  UpdateAnchorRules();
  Invalidate();
  RequestAlign();
  if (resized && !IsLoading()) Resize();
}

void TControl::UpdateBoundsFields(int left, int top, int width, int height) {
  left_ = left;
  top_ = top;
  width_ = width;
  height_ = height;
}

TRect TControl::ClientRect() { return Rect(0, 0, width_, height_); }

void TControl::SetClientWidth(int value) { SetClientSize(value, ClientHeight()); }
void TControl::SetClientHeight(int value) { SetClientSize(ClientWidth(), value); }
void TControl::SetClientSize(int width, int height) {
  TRect client = ClientRect();
  SetBounds(left_, top_, width_ - client.Width() + width, height_ - client.Height() + height);
}

TPoint TControl::ClientOrigin() {
  if (!parent_) return {left_, top_};
  TPoint o = parent_->ClientOrigin();
  return {o.X + left_, o.Y + top_};
}

void TControl::SetAlign(TAlign align) {
  if (align == align_) return;
  TAlign old = align_;
  align_ = align;
  anchors_ = (align == alNone || align == alCustom) ? anchors_ : akLeft | akTop;
  if (old == alNone || align == alNone || old != align) RequestAlign();
}

void TControl::SetAnchors(TAnchors anchors) {
  anchors_ = anchors;
  UpdateAnchorRules();
}

void TControl::UpdateAnchorRules() {
  if (!parent_ || parent_->aligning_ || IsLoading()) return;
  TRect pr = parent_->ClientRect();
  originalParentSize_ = {pr.Width(), pr.Height()};
  if (anchors_ & akRight) anchorRules_.X = (anchors_ & akLeft) ? width_ : left_;
  else anchorRules_.X = left_ + width_ / 2;
  if (anchors_ & akBottom) anchorRules_.Y = (anchors_ & akTop) ? height_ : top_;
  else anchorRules_.Y = top_ + height_ / 2;
}

void TControl::RequestAlign() {
  if (parent_) parent_->Realign();
}

void TControl::SetAutoSize(bool value) {
  if (value == autoSize_) return;
  autoSize_ = value;
  if (value) AdjustSize();
}

bool TControl::CanAutoSize(int&, int&) { return false; }

void TControl::AdjustSize() {
  if (!autoSize_ || IsLoading()) return;
  int w = width_, h = height_;
  if (CanAutoSize(w, h)) SetBounds(left_, top_, w, h);
}

void TControl::Resize() {
  if (OnResize) OnResize(this);
}

void TControl::Loaded() {
  TComponent::Loaded();
  if (parent_) {
    if (parentColor_) Perform(CM_PARENTCOLORCHANGED, 0, 0);
    if (parentFont_) Perform(CM_PARENTFONTCHANGED, 0, 0);
  }
  UpdateAnchorRules();
  AdjustSize();
}

// ---- Look and state ----------------------------------------------------------------

bool TControl::Showing() const { return visible_ && parent_ && parent_->Showing(); }

void TControl::SetVisible(bool value) {
  if (value == visible_) return;
  VisibleChanging();
  visible_ = value;
  Perform(CM_VISIBLECHANGED, value, 0);
  RequestAlign();
}

void TControl::SetEnabled(bool value) {
  if (value == enabled_) return;
  enabled_ = value;
  Perform(CM_ENABLEDCHANGED, 0, 0);
}

void TControl::SetColor(TColor value) {
  if (value == color_ && !parentColor_) return;
  color_ = value;
  parentColor_ = false;
  Perform(CM_COLORCHANGED, 0, 0);
}

void TControl::SetParentColor(bool value) {
  if (value == parentColor_) return;
  parentColor_ = value;
  if (value && parent_) Perform(CM_PARENTCOLORCHANGED, 0, 0);
}

void TControl::SetParentFont(bool value) {
  if (value == parentFont_) return;
  parentFont_ = value;
  if (value && parent_) Perform(CM_PARENTFONTCHANGED, 0, 0);
}

void TControl::FontChanged() {
  if (!changingFont_) parentFont_ = false;
  Perform(CM_FONTCHANGED, 0, 0);
  if (auto* w = dynamic_cast<TWinControl*>(this)) w->NotifyControls(CM_PARENTFONTCHANGED);
}

void TControl::SetText(const std::string& value) {
  if (value == text_) return;
  text_ = value;
  Perform(CM_TEXTCHANGED, 0, 0);
}

void TControl::SetShowHint(bool value) {
  showHint_ = value;
  parentShowHint_ = false;
  if (auto* w = dynamic_cast<TWinControl*>(this)) w->NotifyControls(CM_PARENTSHOWHINTCHANGED);
}

void TControl::SetParentShowHint(bool value) {
  parentShowHint_ = value;
  if (value && parent_) Perform(CM_PARENTSHOWHINTCHANGED, 0, 0);
}

void TControl::SetCursor(TCursor value) {
  if (value == cursor_) return;
  cursor_ = value;
  Perform(CM_CURSORCHANGED, 0, 0);
}

void TControl::SetBiDiMode(TBiDiMode value) {
  if (value == biDiMode_ && !parentBiDiMode_) return;
  biDiMode_ = value;
  parentBiDiMode_ = false;
  Perform(CM_BIDIMODECHANGED, 0, 0);
}

void TControl::SetParentBiDiMode(bool value) {
  if (value == parentBiDiMode_) return;
  parentBiDiMode_ = value;
  if (value && parent_) Perform(CM_PARENTBIDIMODECHANGED, 0, 0);
}

bool TControl::UseRightToLeftReading() const {
  return SysLocaleMiddleEast() && biDiMode_ != bdLeftToRight;
}

bool TControl::UseRightToLeftAlignment() const {
  return SysLocaleMiddleEast() && biDiMode_ == bdRightToLeft;
}

void TControl::CMEnabledChanged(TMessage&) { Invalidate(); }
void TControl::CMVisibleChanged(TMessage&) { InvalidateControl(true, false); }
void TControl::CMFontChanged(TMessage&) {
  Invalidate();
  AdjustSize();
}
void TControl::CMColorChanged(TMessage&) { Invalidate(); }
void TControl::CMTextChanged(TMessage&) {
  Invalidate();
  AdjustSize();
}

void TControl::CMParentFontChanged(TMessage&) {
  if (!parentFont_ || !parent_) return;
  changingFont_ = true;
  font_.Assign(*parent_->Font());
  changingFont_ = false;
}

void TControl::CMParentColorChanged(TMessage&) {
  if (!parentColor_ || !parent_) return;
  SetColor(parent_->Color());
  parentColor_ = true;
}

void TControl::CMParentShowHintChanged(TMessage&) {
  if (!parentShowHint_ || !parent_) return;
  SetShowHint(parent_->ShowHint());
  parentShowHint_ = true;
}

void TControl::CMParentBiDiModeChanged(TMessage&) {
  if (!parentBiDiMode_ || !parent_) return;
  SetBiDiMode(parent_->BiDiMode());
  parentBiDiMode_ = true;
}

void TControl::CMBiDiModeChanged(TMessage&) {
  if (auto* w = dynamic_cast<TWinControl*>(this)) w->NotifyControls(CM_PARENTBIDIMODECHANGED);
  Invalidate();
}

void TControl::CMMouseEnter(TMessage& m) {
  if (parent_) parent_->Perform(CM_MOUSEENTER, 0, reinterpret_cast<LPARAM>(this));
  if (m.LParam == 0 && OnMouseEnter) OnMouseEnter(this);
}

void TControl::CMMouseLeave(TMessage& m) {
  if (parent_) parent_->Perform(CM_MOUSELEAVE, 0, reinterpret_cast<LPARAM>(this));
  if (m.LParam == 0 && OnMouseLeave) OnMouseLeave(this);
}

void TControl::CMHitTest(TMessage& m) { m.Result = HTCLIENT; }

void TControl::CMCancelMode(TMessage&) {
  if (MouseCapture()) SetMouseCapture(false);
}

// ---- Painting requests -----------------------------------------------------------

void TControl::InvalidateControl(bool isVisible, bool isOpaque) {
  if (!parent_ || !parent_->HandleAllocated() || !isVisible) return;
  TRect r = BoundsRect();
  InvalidateRect(parent_->Handle(), &r, !isOpaque);
}

void TControl::Invalidate() { InvalidateControl(visible_, (controlStyle_ & csOpaque) != 0); }

void TControl::Update() {
  if (parent_) parent_->Update();
}

void TControl::Repaint() {
  Invalidate();
  Update();
}

void TControl::SetZOrder(bool topMost) {
  if (!parent_) return;
  auto& list = parent_->controls_;
  auto it = std::find(list.begin(), list.end(), this);
  if (it == list.end()) return;
  list.erase(it);
  if (topMost) list.push_back(this);
  else list.insert(list.begin(), this);
  Invalidate();
}

void TControl::BringToFront() { SetZOrder(true); }
void TControl::SendToBack() { SetZOrder(false); }

void TControl::Click() {
  if (OnClick) OnClick(this);
}

void TControl::DblClick() {
  if (OnDblClick) OnDblClick(this);
}
