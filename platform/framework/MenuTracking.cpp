// Modal tracking of a menu shown as a chain of popup windows, one per open
// sub-menu. The first window holds the pointer capture and the keyboard
// focus while the menu is up; every window hands its input to the tracker.

#include <algorithm>

#include "platform/framework/MenuWindow.h"

namespace {

bool trackingNow = false;
class TMenuTracker;
TMenuTracker* currentTracker = nullptr;  // the innermost menu being tracked

class TMenuTracker : public detail::TMenuInput {
 public:
  TMenuTracker(TMenu* menu, HWND owner, const detail::TMenuBarLink* bar)
      : menu_(menu), owner_(owner ? owner : GetActiveWindow()), bar_(bar) {}

  detail::TMenuTrackResult Run(TMenuItem* root, TPoint at, bool selectFirst, TPopupAlignment alignment);
  void OnMouse(UINT msg, TPoint screen) override;
  void OnKey(WORD key) override;
  void OnChar(char32_t ch) override;
  void Cancel() override { done_ = true; }
  // An item leaves its parent: an open level showing the parent's items
  // cannot go on (its items may be gone), so the menu closes.
  void ItemRemoved(TMenuItem* parent) {
    for (const auto& level : levels_)
      if (level->Root() == parent) {
        Cancel();
        for (const auto& w : levels_) ShowWindow(w->Handle(), SW_HIDE);
        return;
      }
  }
  bool IsOurs(HWND window) const override {
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
  detail::TMenuWindow* Top() const { return levels_.back().get(); }
  int TopLevel() const { return static_cast<int>(levels_.size()) - 1; }

  TMenu* menu_;
  HWND owner_;
  const detail::TMenuBarLink* bar_;
  std::vector<std::unique_ptr<detail::TMenuWindow>> levels_;
  detail::TMenuTrackResult result_;
  bool done_ = false;
};

// ---- The tracker -------------------------------------------------------------------

void TMenuTracker::OpenLevel(TMenuItem* root, TPoint at, int flipX, TPopupAlignment alignment) {
  Notify(WM_INITMENUPOPUP, root->Handle(), MAKELPARAM(std::max(0, root->MenuIndex()), 0));
  auto window = std::make_unique<detail::TMenuWindow>(this, menu_, root, owner_);
  window->ShowAt(at, flipX, alignment);
  levels_.push_back(std::move(window));
}

void TMenuTracker::OpenSubMenu(int level, bool selectFirst) {
  detail::TMenuWindow* window = levels_.at(static_cast<std::size_t>(level)).get();
  TMenuItem* item = window->Item(window->Selected());
  if (!item || item->Count() == 0 || !item->Enabled()) return;
  CloseLevelsAbove(level);
  item->Click();  // lets the item bring its sub-items up to date
  TRect itemRect = window->ItemScreenRect(window->Selected());
  TRect bounds = window->BoundsRect();
  OpenLevel(item, {bounds.Right - detail::kMenuBorder, itemRect.Top - detail::kMenuBorder}, bounds.Left + detail::kMenuBorder, paLeft);
  if (selectFirst) Select(level + 1, NextSelectable(level + 1, -1, 1), false);
}

int TMenuTracker::NextSelectable(int level, int from, int step) const {
  detail::TMenuWindow* window = levels_.at(static_cast<std::size_t>(level)).get();
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
  detail::TMenuWindow* window = levels_.at(static_cast<std::size_t>(level)).get();
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
  detail::TMenuWindow* window = levels_.at(static_cast<std::size_t>(level)).get();
  TMenuItem* item = window->Item(index);
  if (!item || !item->Enabled() || !item->IsSelectable()) return;
  if (item->Count() > 0) {
    OpenSubMenu(level, true);
  } else {
    Choose(item);
  }
}

void TMenuTracker::OnMouse(UINT msg, TPoint screen) {
  if (done_) return;
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
  detail::TMenuWindow* window = levels_[static_cast<std::size_t>(level)].get();
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
  if (done_) return;
  int level = TopLevel();
  detail::TMenuWindow* window = Top();
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
  if (done_) return;
  if (ch < 32) return;
  int level = TopLevel();
  detail::TMenuWindow* window = Top();
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
  TMenuTracker* outer = currentTracker;
  currentTracker = this;
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
      currentTracker = outer;
      throw;
    }
    if (IsOurs(GetCapture())) ReleaseCapture();
  }
  levels_.clear();
  if (previousFocus && IsWindow(previousFocus) && IsWindowVisible(previousFocus)) SetFocus(previousFocus);
  Notify(WM_MENUSELECT, static_cast<WPARAM>(MAKELPARAM(0, 0xFFFF)), 0);
  Notify(WM_EXITMENULOOP, bar_ ? FALSE : TRUE, 0);
  trackingNow = wasTracking;
  currentTracker = outer;
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

void MenuItemRemoved(TMenuItem* parent) {
  if (currentTracker) currentTracker->ItemRemoved(parent);
}

}  // namespace detail
