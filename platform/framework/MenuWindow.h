#pragma once
// One open level of a tracked menu: the sub-items of an item, measured,
// drawn (by the items themselves when the menu is owner-drawn) and shown
// in a popup window that hands its pointer and key input to the tracker.

#include <algorithm>
#include <vector>

#include "platform/framework/Menus.h"
#include "platform/gfx/Color.h"

namespace detail {

constexpr int kMenuBorder = 3;

// What the menu windows report to the tracking loop.
class TMenuInput {
 public:
  virtual ~TMenuInput() = default;
  virtual void OnMouse(UINT msg, TPoint screen) = 0;
  virtual void OnKey(WORD key) = 0;
  virtual void OnChar(char32_t ch) = 0;
  virtual void Cancel() = 0;
  virtual bool IsOurs(HWND window) const = 0;
};

// One open level of the menu: the sub-items of root, in a popup window.
class TMenuWindow : public TCustomControl {
 public:
  TMenuWindow(TMenuInput* tracker, TMenu* menu, TMenuItem* root, HWND owner)
      : TCustomControl(nullptr), tracker_(tracker), menu_(menu), root_(root), owner_(owner) {
    SetVisible(false);
    SetColor(clMenu);
    Font()->SetColor(clMenuText);
    Register(this);
  }
  ~TMenuWindow() override { Unregister(this); }
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
  static void Register(TMenuWindow* window);
  static void Unregister(TMenuWindow* window);
  TSize Measure();
  void DrawSubMenuArrow(TCanvas* canvas, const TRect& r, TColor color);
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

  TMenuInput* tracker_;
  TMenu* menu_;
  TMenuItem* root_;
  HWND owner_;
  std::vector<TRect> rects_;  // per item, empty for hidden ones
  int selected_ = -1;
};

}  // namespace detail
