// Modal tracking of a menu shown as a chain of popup windows, one per open
// sub-menu. The first window holds the pointer capture and the keyboard
// focus while the menu is up; every window hands its input to the tracker.

#include <algorithm>

#include "platform/framework/Menus.h"
#include "platform/gfx/Color.h"
#include "platform/gfx/DrawText.h"

namespace {

constexpr int kBorder = 3;
constexpr int kGutter = 22;  // the column of check marks and images
constexpr int kSeparatorHeight = 8;
constexpr int kArrowWidth = 16;

bool trackingNow = false;

class TMenuTracker;

// One open level of the menu: the sub-items of root, in a popup window.
class TMenuWindow : public TCustomControl {
 public:
  TMenuWindow(TMenuTracker* tracker, TMenu* menu, TMenuItem* root, HWND owner)
      : TCustomControl(nullptr), tracker_(tracker), menu_(menu), root_(root), owner_(owner) {
    SetVisible(false);
    SetColor(clMenu);
    Font()->SetColor(clMenuText);
  }
  std::string ClassName() const override { return "TMenuWindow"; }

  TMenuItem* Root() const { return root_; }
  TMenuItem* Item(int index) const { return index >= 0 ? root_->Items(index) : nullptr; }
  int Selected() const { return selected_; }
  void SetSelected(int index) {
    if (index == selected_) return;
    selected_ = index;
    Invalidate();
  }
  bool HasVisibleItems() const {
    return std::any_of(rects_.begin(), rects_.end(), [](const TRect& r) { return !r.IsEmpty(); });
  }

  // The item under a screen point (-1: none or a separator).
  int ItemAtScreen(TPoint screen) {
    TPoint p = ScreenToClient(screen);
    for (int i = 0; i < static_cast<int>(rects_.size()); ++i)
      if (PtInRect(rects_[static_cast<std::size_t>(i)], p)) return Item(i)->IsLine() ? -1 : i;
    return -1;
  }
  bool ContainsScreen(TPoint screen) const { return PtInRect(BoundsRect(), screen); }
  TRect ItemScreenRect(int index) {
    TRect r = rects_.at(static_cast<std::size_t>(index));
    TPoint o = ClientOrigin();
    OffsetRect(r, o.X, o.Y);
    return r;
  }

  // Lays the items out and places the window with its top-left corner at
  // 'at' (moved to stay on the screen; flipAt is the x to end at instead
  // when there is no room on the right).
  void ShowAt(TPoint at, int flipX, TPopupAlignment alignment) {
    TSize size = Measure();
    int screenWidth = GetSystemMetrics(SM_CXSCREEN);
    int screenHeight = GetSystemMetrics(SM_CYSCREEN);
    if (alignment == paRight) at.X -= size.cx;
    if (alignment == paCenter) at.X -= size.cx / 2;
    if (at.X + size.cx > screenWidth) at.X = flipX - size.cx;
    if (at.Y + size.cy > screenHeight) at.Y = screenHeight - size.cy;
    at.X = std::max(0, at.X);
    at.Y = std::max(0, at.Y);
    SetParentWindow(owner_);
    SetBounds(at.X, at.Y, size.cx, size.cy);
    SetWindowPos(Handle(), HWND_TOPMOST, at.X, at.Y, size.cx, size.cy, SWP_SHOWWINDOW | SWP_NOACTIVATE);
    Invalidate();
  }

 protected:
  void CreateParams(TCreateParams& params) override {
    TCustomControl::CreateParams(params);
    params.Style = WS_POPUP;
    params.ExStyle = WS_EX_TOPMOST | WS_EX_TOOLWINDOW;
    params.WndParent = owner_;
  }
  void WndProc(TMessage& message) override;
  void Paint() override;

 private:
  TSize Measure();
  void DrawItemDefault(TCanvas* canvas, TMenuItem* item, const TRect& r, TOwnerDrawState state);
  TOwnerDrawState StateOf(int index) const {
    TMenuItem* item = Item(index);
    TOwnerDrawState state = 0;
    if (index == selected_) state |= odSelected;
    if (!item->Enabled()) state |= odDisabled | odGrayed;
    if (item->Checked()) state |= odChecked;
    if (item->Default()) state |= odDefault;
    return state;
  }

  TMenuTracker* tracker_;
  TMenu* menu_;
  TMenuItem* root_;
  HWND owner_;
  std::vector<TRect> rects_;  // per item, empty for hidden ones
  int selected_ = -1;
};

class TMenuTracker {
 public:
  TMenuTracker(TMenu* menu, HWND owner, const detail::TMenuBarLink* bar)
      : menu_(menu), owner_(owner ? owner : GetActiveWindow()), bar_(bar) {}

  detail::TMenuTrackResult Run(TMenuItem* root, TPoint at, bool selectFirst, TPopupAlignment alignment);
  void OnMouse(UINT msg, TPoint screen);
  void OnKey(WORD key);
  void OnChar(char32_t ch);
  void Cancel() { done_ = true; }
  bool IsOurs(HWND window) const {
    return std::any_of(levels_.begin(), levels_.end(),
                       [window](const auto& w) { return w->HandleAllocated() && w->Handle() == window; });
  }

 private:
  void Loop(HWND first);
  void Notify(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (owner_ && IsWindow(owner_)) SendMessage(owner_, msg, wParam, lParam);
  }
  void OpenLevel(TMenuItem* root, TPoint at, int flipX, TPopupAlignment alignment);
  void OpenSubMenu(int level, bool selectFirst);
  void CloseLevelsAbove(int level) {
    while (static_cast<int>(levels_.size()) > level + 1) levels_.pop_back();
  }
  void Select(int level, int index, bool byMouse);
  void Activate(int level, int index);
  void Choose(TMenuItem* item) {
    result_.Chosen = item;
    done_ = true;
  }
  void SwitchTo(int button) {
    result_.SwitchTo = button;
    done_ = true;
  }
  int LevelAt(TPoint screen) const {
    for (int i = static_cast<int>(levels_.size()) - 1; i >= 0; --i)
      if (levels_[static_cast<std::size_t>(i)]->ContainsScreen(screen)) return i;
    return -1;
  }
  int NextSelectable(int level, int from, int step) const;
  TMenuWindow* Top() const { return levels_.back().get(); }
  int TopLevel() const { return static_cast<int>(levels_.size()) - 1; }

  TMenu* menu_;
  HWND owner_;
  const detail::TMenuBarLink* bar_;
  std::vector<std::unique_ptr<TMenuWindow>> levels_;
  detail::TMenuTrackResult result_;
  bool done_ = false;
};

// ---- The window ---------------------------------------------------------------------

void TMenuWindow::WndProc(TMessage& message) {
  switch (message.Msg) {
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_RBUTTONDBLCLK: {
      TPoint p{GET_X_LPARAM(message.LParam), GET_Y_LPARAM(message.LParam)};
      tracker_->OnMouse(message.Msg, ClientToScreen(p));
      return;
    }
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN: tracker_->OnKey(static_cast<WORD>(message.WParam)); return;
    case WM_CHAR:
    case WM_SYSCHAR: tracker_->OnChar(static_cast<char32_t>(message.WParam)); return;
    case WM_KEYUP:
    case WM_SYSKEYUP: return;
    case WM_CAPTURECHANGED:
      // Another window took the pointer: the menu gives up.
      if (!tracker_->IsOurs(reinterpret_cast<HWND>(message.LParam))) tracker_->Cancel();
      return;
    case WM_MOUSEACTIVATE: message.Result = MA_NOACTIVATE; return;
    default: TCustomControl::WndProc(message);
  }
}

TSize TMenuWindow::Measure() {
  root_->InitiateAction();
  TCanvas* canvas = Canvas();
  canvas->SetFont(*Font());
  TImageList* images = menu_ ? menu_->Images() : nullptr;
  int textHeight = canvas->TextHeight("Wg");
  bool ownerDraw = menu_ && menu_->OwnerDraw();
  rects_.assign(static_cast<std::size_t>(root_->Count()), TRect{});
  int width = 0;
  int y = kBorder;
  std::vector<int> heights(rects_.size(), 0);
  for (int i = 0; i < root_->Count(); ++i) {
    TMenuItem* item = root_->Items(i);
    if (!item->Visible()) continue;
    int w = 0, h = kSeparatorHeight;
    if (!item->IsLine()) {
      TRect text = Rect(0, 0, 0, 0);
      DrawText(canvas->Handle(), item->DisplayCaption(), text, DT_CALCRECT | DT_SINGLELINE);
      w = kGutter + 8 + text.Width() + kArrowWidth + 8;
      std::string shortcut = ShortCutToText(item->ShortCut());
      if (!shortcut.empty()) w += 16 + canvas->TextWidth(shortcut);
      h = std::max(textHeight + 6, images ? images->Height() + 4 : 0);
      h = std::max(h, 18);
    }
    if (ownerDraw && item->OnMeasureItem) item->OnMeasureItem(item, canvas, w, h);
    width = std::max(width, w);
    rects_[static_cast<std::size_t>(i)] = Rect(kBorder, y, kBorder, y + h);
    y += h;
  }
  for (TRect& r : rects_)
    if (r.Bottom > r.Top) r.Right = kBorder + width;
  return {width + 2 * kBorder, y + kBorder};
}

void TMenuWindow::Paint() {
  TCanvas* canvas = Canvas();
  TRect client = ClientRect();
  canvas->Brush()->SetColor(clMenu);
  canvas->FillRect(client);
  // A raised frame, as classic menus have.
  auto line = [canvas](TColor c, int x1, int y1, int x2, int y2) {
    canvas->Pen()->SetColor(c);
    canvas->MoveTo(x1, y1);
    canvas->LineTo(x2, y2);
  };
  int r = client.Right - 1, b = client.Bottom - 1;
  line(clBtnFace, 0, b, 0, 0);
  line(clBtnFace, 0, 0, r, 0);
  line(clBtnHighlight, 1, b - 1, 1, 1);
  line(clBtnHighlight, 1, 1, r - 1, 1);
  line(cl3DDkShadow, r, 0, r, b);
  line(cl3DDkShadow, 0, b, r + 1, b);
  line(clBtnShadow, r - 1, 1, r - 1, b - 1);
  line(clBtnShadow, 1, b - 1, r, b - 1);

  bool ownerDraw = menu_ && menu_->OwnerDraw();
  for (int i = 0; i < static_cast<int>(rects_.size()); ++i) {
    const TRect& rect = rects_[static_cast<std::size_t>(i)];
    if (rect.Bottom <= rect.Top) continue;
    TMenuItem* item = Item(i);
    TOwnerDrawState state = StateOf(i);
    canvas->SetFont(*Font());
    canvas->Brush()->SetColor(clMenu);
    if (ownerDraw && item->OnAdvancedDrawItem) {
      item->OnAdvancedDrawItem(item, canvas, rect, state);
    } else {
      DrawItemDefault(canvas, item, rect, state);
    }
  }
}

void TMenuWindow::DrawItemDefault(TCanvas* canvas, TMenuItem* item, const TRect& r, TOwnerDrawState state) {
  if (item->IsLine()) {
    int y = r.Top + r.Height() / 2 - 1;
    canvas->Pen()->SetColor(clBtnShadow);
    canvas->MoveTo(r.Left + 1, y);
    canvas->LineTo(r.Right - 1, y);
    canvas->Pen()->SetColor(clBtnHighlight);
    canvas->MoveTo(r.Left + 1, y + 1);
    canvas->LineTo(r.Right - 1, y + 1);
    return;
  }
  bool selected = state & odSelected;
  bool enabled = !(state & odDisabled);
  canvas->Brush()->SetColor(selected ? clHighlight : clMenu);
  canvas->FillRect(r);
  TColor textColor = !enabled ? clGrayText : selected ? clHighlightText : clMenuText;

  // Check mark, radio dot or image in the gutter.
  TImageList* images = menu_ ? menu_->Images() : nullptr;
  int cx = r.Left + kGutter / 2, cy = r.Top + r.Height() / 2;
  bool hasImage = images && item->ImageIndex() >= 0 && item->ImageIndex() < images->Count();
  if (hasImage) {
    images->Draw(canvas, r.Left + (kGutter - images->Width()) / 2, r.Top + (r.Height() - images->Height()) / 2,
                 item->ImageIndex(), enabled);
  } else if (item->Checked()) {
    canvas->Pen()->SetColor(textColor);
    canvas->Brush()->SetColor(textColor);
    if (item->RadioItem()) {
      canvas->Ellipse(cx - 3, cy - 3, cx + 3, cy + 3);
    } else {
      for (int d = 0; d < 3; ++d) {
        canvas->MoveTo(cx - 4, cy - 1 + d);
        canvas->LineTo(cx - 1, cy + 2 + d);
        canvas->LineTo(cx + 5, cy - 4 + d);
      }
    }
  }

  canvas->SetFont(*Font());
  if (item->Default()) canvas->Font()->SetStyle(canvas->Font()->Style() | fsBold);
  canvas->Font()->SetColor(textColor);
  canvas->SetBkMode(TRANSPARENT);
  canvas->SetTextColor(textColor);
  TRect text = r;
  text.Left += kGutter + 4;
  text.Right -= kArrowWidth;
  DrawText(canvas->Handle(), item->DisplayCaption(), text, DT_SINGLELINE | DT_VCENTER | DT_LEFT);
  std::string shortcut = ShortCutToText(item->ShortCut());
  if (!shortcut.empty()) {
    TRect keys = text;
    DrawText(canvas->Handle(), shortcut, keys, DT_SINGLELINE | DT_VCENTER | DT_RIGHT | DT_NOPREFIX);
  }
  if (item->Count() > 0) {
    // The arrow of a sub-menu.
    int ax = r.Right - kArrowWidth / 2 - 2;
    TPoint arrow[3] = {{ax, cy - 4}, {ax + 4, cy}, {ax, cy + 4}};
    canvas->Pen()->SetColor(textColor);
    canvas->Brush()->SetColor(textColor);
    canvas->Polygon(arrow);
  }
}

// ---- The tracker -------------------------------------------------------------------

void TMenuTracker::OpenLevel(TMenuItem* root, TPoint at, int flipX, TPopupAlignment alignment) {
  Notify(WM_INITMENUPOPUP, root->Handle(), MAKELPARAM(std::max(0, root->MenuIndex()), 0));
  auto window = std::make_unique<TMenuWindow>(this, menu_, root, owner_);
  window->ShowAt(at, flipX, alignment);
  levels_.push_back(std::move(window));
}

void TMenuTracker::OpenSubMenu(int level, bool selectFirst) {
  TMenuWindow* window = levels_.at(static_cast<std::size_t>(level)).get();
  TMenuItem* item = window->Item(window->Selected());
  if (!item || item->Count() == 0 || !item->Enabled()) return;
  CloseLevelsAbove(level);
  item->Click();  // lets the item bring its sub-items up to date
  TRect itemRect = window->ItemScreenRect(window->Selected());
  TRect bounds = window->BoundsRect();
  OpenLevel(item, {bounds.Right - kBorder, itemRect.Top - kBorder}, bounds.Left + kBorder, paLeft);
  if (selectFirst) Select(level + 1, NextSelectable(level + 1, -1, 1), false);
}

int TMenuTracker::NextSelectable(int level, int from, int step) const {
  TMenuWindow* window = levels_.at(static_cast<std::size_t>(level)).get();
  int count = window->Root()->Count();
  if (count == 0) return -1;
  int i = from;
  for (int n = 0; n < count; ++n) {
    i = (i + step + count) % count;
    if (from < 0 && step < 0 && n == 0) i = count - 1;
    if (window->Item(i)->IsSelectable()) return i;
  }
  return -1;
}

void TMenuTracker::Select(int level, int index, bool byMouse) {
  TMenuWindow* window = levels_.at(static_cast<std::size_t>(level)).get();
  if (window->Selected() == index) return;
  window->SetSelected(index);
  TMenuItem* item = window->Item(index);
  if (!item) return;
  UINT flags = MF_HILITE;
  if (item->Count() > 0) flags |= MF_POPUP;
  if (!item->Enabled()) flags |= MF_GRAYED | MF_DISABLED;
  if (item->Checked()) flags |= MF_CHECKED;
  if (menu_ && menu_->OwnerDraw()) flags |= MF_OWNERDRAW;
  if (byMouse) flags |= MF_MOUSESELECT;
  UINT id = item->Count() > 0 ? static_cast<UINT>(index) : item->Command();
  Notify(WM_MENUSELECT, static_cast<WPARAM>(MAKELPARAM(static_cast<int>(id), static_cast<int>(flags))),
         static_cast<LPARAM>(window->Root()->Handle()));
}

void TMenuTracker::Activate(int level, int index) {
  TMenuWindow* window = levels_.at(static_cast<std::size_t>(level)).get();
  TMenuItem* item = window->Item(index);
  if (!item || !item->Enabled() || !item->IsSelectable()) return;
  if (item->Count() > 0) {
    OpenSubMenu(level, true);
  } else {
    Choose(item);
  }
}

void TMenuTracker::OnMouse(UINT msg, TPoint screen) {
  int level = LevelAt(screen);
  bool press = msg == WM_LBUTTONDOWN || msg == WM_RBUTTONDOWN || msg == WM_LBUTTONDBLCLK || msg == WM_RBUTTONDBLCLK;
  if (level < 0) {
    int button = bar_ && bar_->ButtonAt ? bar_->ButtonAt(screen) : -1;
    if (msg == WM_MOUSEMOVE) {
      if (button >= 0 && button != bar_->Current) SwitchTo(button);
      else if (TopLevel() >= 0 && Top()->Item(Top()->Selected()) && Top()->Item(Top()->Selected())->Count() == 0)
        Top()->SetSelected(-1);
    } else if (press) {
      // A click outside ends the menu; on another bar button it drops that one.
      if (button >= 0 && button != bar_->Current) SwitchTo(button);
      else Cancel();
    }
    return;
  }
  TMenuWindow* window = levels_[static_cast<std::size_t>(level)].get();
  int index = window->ItemAtScreen(screen);
  if (msg == WM_LBUTTONUP || msg == WM_RBUTTONUP) {
    TMenuItem* item = window->Item(index);
    if (item && item->Enabled() && item->Count() == 0) Choose(item);
    return;
  }
  if (index < 0) return;
  if (index == window->Selected() && level < TopLevel()) {
    CloseLevelsAbove(level + 1);  // back on the item whose sub-menu is open
    return;
  }
  if (index == window->Selected() && !press) return;
  CloseLevelsAbove(level);
  Select(level, index, true);
  OpenSubMenu(level, false);
}

void TMenuTracker::OnKey(WORD key) {
  int level = TopLevel();
  TMenuWindow* window = Top();
  int selected = window->Selected();
  TMenuItem* item = window->Item(selected);
  switch (key) {
    case VK_DOWN: Select(level, NextSelectable(level, selected, 1), false); break;
    case VK_UP: Select(level, NextSelectable(level, selected, -1), false); break;
    case VK_HOME: Select(level, NextSelectable(level, -1, 1), false); break;
    case VK_END: Select(level, NextSelectable(level, -1, -1), false); break;
    case VK_RIGHT:
      if (item && item->Count() > 0 && item->Enabled()) OpenSubMenu(level, true);
      else if (bar_ && bar_->Count > 0) SwitchTo((bar_->Current + 1) % bar_->Count);
      break;
    case VK_LEFT:
      if (level > 0) CloseLevelsAbove(level - 1);
      else if (bar_ && bar_->Count > 0) SwitchTo((bar_->Current + bar_->Count - 1) % bar_->Count);
      break;
    case VK_RETURN: Activate(level, selected); break;
    case VK_ESCAPE:
      if (level > 0) CloseLevelsAbove(level - 1);
      else Cancel();
      break;
    case VK_MENU:
    case VK_F10: Cancel(); break;
    default: break;
  }
}

void TMenuTracker::OnChar(char32_t ch) {
  if (ch < 32) return;
  int level = TopLevel();
  TMenuWindow* window = Top();
  std::vector<int> matches;
  for (int i = 0; i < window->Root()->Count(); ++i) {
    TMenuItem* item = window->Item(i);
    if (item->IsSelectable() && IsAccel(ch, item->DisplayCaption())) matches.push_back(i);
  }
  if (matches.empty()) {
    MessageBeep(0);
    return;
  }
  if (matches.size() == 1) {
    Select(level, matches[0], false);
    Activate(level, matches[0]);
    return;
  }
  // Several items share the letter: each press moves to the next of them.
  auto next = std::upper_bound(matches.begin(), matches.end(), window->Selected());
  Select(level, next == matches.end() ? matches[0] : *next, false);
}

void TMenuTracker::Loop(HWND first) {
  MSG msg;
  while (!done_ && IsWindow(first)) {
    if (!PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE)) {
      WaitMessage();
      continue;
    }
    if (msg.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(msg.wParam));  // for the outer loop
      break;
    }
    TranslateMessage(&msg);
    DispatchMessage(&msg);
  }
}

detail::TMenuTrackResult TMenuTracker::Run(TMenuItem* root, TPoint at, bool selectFirst, TPopupAlignment alignment) {
  bool wasTracking = trackingNow;
  trackingNow = true;
  Notify(WM_ENTERMENULOOP, bar_ ? FALSE : TRUE, 0);
  HWND previousFocus = GetFocus();
  OpenLevel(root, at, at.X, alignment);
  if (Top()->HasVisibleItems()) {
    HWND first = levels_.front()->Handle();
    SetCapture(first);
    SetFocus(first);
    if (selectFirst) Select(0, NextSelectable(0, -1, 1), false);
    try {
      Loop(first);
    } catch (...) {
      // The menu goes away before the error travels on.
      if (IsOurs(GetCapture())) ReleaseCapture();
      levels_.clear();
      trackingNow = wasTracking;
      throw;
    }
    if (IsOurs(GetCapture())) ReleaseCapture();
  }
  levels_.clear();
  if (previousFocus && IsWindow(previousFocus) && IsWindowVisible(previousFocus)) SetFocus(previousFocus);
  Notify(WM_MENUSELECT, static_cast<WPARAM>(MAKELPARAM(0, 0xFFFF)), 0);
  Notify(WM_EXITMENULOOP, bar_ ? FALSE : TRUE, 0);
  trackingNow = wasTracking;
  return result_;
}

}  // namespace

namespace detail {

TMenuTrackResult TrackMenu(TMenu* menu, TMenuItem* root, TPoint at, HWND owner, const TMenuBarLink* bar,
                           bool selectFirst, TPopupAlignment alignment) {
  if (!root) return {};
  TMenuTracker tracker(menu, owner, bar);
  return tracker.Run(root, at, selectFirst, alignment);
}

bool MenuTracking() { return trackingNow; }

}  // namespace detail
