#pragma once
// Menus: items in a tree (TMenuItem), the menu bar of a form (TMainMenu)
// and context menus (TPopupMenu), shortcuts and their text.
//
// A menu is shown as a chain of popup windows tracked modally: the pointer,
// arrows, Enter, Escape and accelerators choose an item; a click outside
// ends the tracking. The window that owns the menu hears WM_ENTERMENULOOP,
// WM_INITMENUPOPUP for every sub-menu opened, WM_MENUSELECT as the
// highlight moves and WM_EXITMENULOOP. An owner-drawn menu lets each item
// measure (OnMeasureItem) and draw itself (OnAdvancedDrawItem) with the ODS
// states of the moment.

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/framework/Component.h"
#include "platform/framework/Controls.h"
#include "platform/framework/NativeControls.h"
#include "platform/gfx/Canvas.h"
#include "platform/gfx/ImageList.h"

// ---- Shortcuts ---------------------------------------------------------------

// A virtual key in the low byte plus modifier bits.
using TShortCut = WORD;
constexpr TShortCut scNone = 0;
constexpr TShortCut scShift = 0x2000;
constexpr TShortCut scCtrl = 0x4000;
constexpr TShortCut scAlt = 0x8000;

TShortCut ShortCut(WORD key, TShiftState shift);
void ShortCutToKey(TShortCut shortCut, WORD& key, TShiftState& shift);
// "Ctrl+Shift+S", "F5", "Del"; empty for scNone.
std::string ShortCutToText(TShortCut shortCut);
// The reverse, case-insensitive; scNone for text it cannot read.
TShortCut TextToShortCut(const std::string& text);

// WM_MENUSELECT flags (high word of wParam).
constexpr UINT MF_GRAYED = 0x0001;
constexpr UINT MF_DISABLED = 0x0002;
constexpr UINT MF_CHECKED = 0x0008;
constexpr UINT MF_POPUP = 0x0010;
constexpr UINT MF_HILITE = 0x0080;
constexpr UINT MF_OWNERDRAW = 0x0100;
constexpr UINT MF_SEPARATOR = 0x0800;
constexpr UINT MF_DEFAULT = 0x1000;
constexpr UINT MF_MOUSESELECT = 0x8000;

// ---- Items -----------------------------------------------------------------------

class TMenu;
class TMenuItem;

using TMenuMeasureItemEvent = std::function<void(TObject* Sender, TCanvas* ACanvas, int& Width, int& Height)>;
using TAdvancedMenuDrawItemEvent =
    std::function<void(TObject* Sender, TCanvas* ACanvas, const TRect& ARect, TOwnerDrawState State)>;

enum TMenuAutoFlag { maAutomatic, maManual, maParent };

constexpr const char* cLineCaption = "-";

class TMenuItem : public TComponent {
 public:
  explicit TMenuItem(TComponent* owner);
  ~TMenuItem() override;
  std::string ClassName() const override { return "TMenuItem"; }

  std::string Caption() const { return caption_; }
  void SetCaption(const std::string& value);
  TShortCut ShortCut() const { return shortCut_; }
  void SetShortCut(TShortCut value);
  bool Checked() const { return checked_; }
  // Checking a radio item unchecks the radio items of its group.
  void SetChecked(bool value);
  bool RadioItem() const { return radioItem_; }
  void SetRadioItem(bool value);
  int GroupIndex() const { return groupIndex_; }
  void SetGroupIndex(int value);
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool value);
  bool Default() const { return default_; }
  void SetDefault(bool value);
  bool Visible() const { return visible_; }
  void SetVisible(bool value);
  int ImageIndex() const { return imageIndex_; }
  void SetImageIndex(int value);
  std::string Hint() const { return hint_; }
  void SetHint(const std::string& value) { hint_ = value; }
  TMenuAutoFlag AutoHotkeys() const { return autoHotkeys_; }
  void SetAutoHotkeys(TMenuAutoFlag value) { autoHotkeys_ = value; }
  // Whether "&" marks are made up for items without one.
  bool IsAutoHotkeys() const;

  // Sub-items.
  int Count() const { return static_cast<int>(items_.size()); }
  TMenuItem* Items(int index) const { return items_.at(index); }
  TMenuItem* Parent() const { return parent_; }
  int MenuIndex() const;
  void SetMenuIndex(int value);
  void Add(TMenuItem* item);
  void Insert(int index, TMenuItem* item);
  void Remove(TMenuItem* item);  // the caller owns it afterwards
  void Delete(int index);        // frees it
  void Clear();                  // frees every sub-item
  int IndexOf(const TMenuItem* item) const;
  TMenuItem* Find(const std::string& caption) const;  // without "&", case-insensitive

  bool IsLine() const { return caption_ == cLineCaption; }
  // Visible and not a separator, so the user can reach it.
  bool IsSelectable() const { return visible_ && !IsLine(); }
  // The caption drawn: with made-up "&" marks under AutoHotkeys.
  std::string DisplayCaption() const;
  // A number unique among the items alive (WM_MENUSELECT, WM_COMMAND).
  UINT Command() const { return command_; }
  // An opaque handle for the menu messages (the item as a sub-menu).
  WPARAM Handle() const { return reinterpret_cast<WPARAM>(this); }
  TMenu* GetParentMenu() const;

  // Fires OnClick when enabled.
  virtual void Click();
  // Restores the state the item has as a whole menu (used by tracking).
  void InitiateAction();

  TNotifyEvent OnClick;
  TMenuMeasureItemEvent OnMeasureItem;
  TAdvancedMenuDrawItemEvent OnAdvancedDrawItem;

 protected:
  void Changed();

 private:
  friend class TMenu;
  void AssignHotkeys();

  std::string caption_;
  TShortCut shortCut_ = scNone;
  bool checked_ = false;
  bool radioItem_ = false;
  int groupIndex_ = 0;
  bool enabled_ = true;
  bool default_ = false;
  bool visible_ = true;
  int imageIndex_ = -1;
  std::string hint_;
  TMenuAutoFlag autoHotkeys_ = maParent;
  std::vector<TMenuItem*> items_;
  TMenuItem* parent_ = nullptr;
  TMenu* menu_ = nullptr;  // set on the root item only
  UINT command_ = 0;
  std::string autoCaption_;  // the caption with a made-up "&" mark
};

// ---- Menus ----------------------------------------------------------------------

class TMenu : public TComponent {
 public:
  explicit TMenu(TComponent* owner);
  ~TMenu() override;
  std::string ClassName() const override { return "TMenu"; }

  // The root item; its sub-items are the menu.
  TMenuItem* Items() const { return items_.get(); }
  TImageList* Images() const { return images_; }
  void SetImages(TImageList* images);
  bool OwnerDraw() const { return ownerDraw_; }
  virtual void SetOwnerDraw(bool value) { ownerDraw_ = value; }
  TMenuAutoFlag AutoHotkeys() const { return autoHotkeys_; }
  void SetAutoHotkeys(TMenuAutoFlag value);
  TBiDiMode BiDiMode() const { return biDiMode_; }
  void SetBiDiMode(TBiDiMode value) { biDiMode_ = value; }

  // The window that hears the menu messages (nullptr: the active window).
  HWND WindowHandle() const { return windowHandle_; }
  void SetWindowHandle(HWND window) { windowHandle_ = window; }

  // Runs the item whose shortcut the key message (WM_KEYDOWN or
  // WM_SYSKEYDOWN) gives; answers whether one ran.
  bool IsShortCut(const TMessage& keyMessage);
  TMenuItem* FindItem(UINT command) const;
  // Clicks the item of the command; answers whether there was one.
  bool DispatchCommand(UINT command);

  // Called when an item changed (caption, enabled, sub-items).
  virtual void MenuChanged(TMenuItem* item);
  void Notification(TComponent* component, TOperation operation) override;

  TNotifyEvent OnChange;

 private:
  std::unique_ptr<TMenuItem> items_;
  TImageList* images_ = nullptr;
  bool ownerDraw_ = false;
  TMenuAutoFlag autoHotkeys_ = maAutomatic;
  TBiDiMode biDiMode_ = bdLeftToRight;
  HWND windowHandle_ = nullptr;
};

class TMenuBar;

class TMainMenu : public TMenu {
 public:
  explicit TMainMenu(TComponent* owner);
  ~TMainMenu() override;
  std::string ClassName() const override { return "TMainMenu"; }

  // The form the menu belongs to (its owner when that is a form).
  TCustomForm* Form() const { return form_; }
  // Shows the menu as a bar at the top of the form while the form's Menu
  // is this menu; removes the bar otherwise.
  void UpdateMenuBar();
  TMenuBar* MenuBarControl() const { return bar_; }
  void MenuChanged(TMenuItem* item) override;
  void Notification(TComponent* component, TOperation operation) override;

 private:
  void HookForm();
  void UnhookForm();
  void FormWindowProc(TMessage& message);

  struct THook {
    TMainMenu* menu = nullptr;
    TWndMethod saved;
  };
  TCustomForm* form_ = nullptr;
  std::shared_ptr<THook> hook_;
  TMenuBar* bar_ = nullptr;
};

enum TPopupAlignment { paLeft, paRight, paCenter };

class TPopupMenu : public TMenu {
 public:
  explicit TPopupMenu(TComponent* owner);
  std::string ClassName() const override { return "TPopupMenu"; }

  bool AutoPopup() const { return autoPopup_; }
  void SetAutoPopup(bool value) { autoPopup_ = value; }
  TPopupAlignment Alignment() const { return alignment_; }
  void SetAlignment(TPopupAlignment value) { alignment_ = value; }
  // The control the menu was last shown for.
  TComponent* PopupComponent() const { return popupComponent_; }
  void SetPopupComponent(TComponent* component) { popupComponent_ = component; }
  TPoint PopupPoint() const { return popupPoint_; }

  // Shows the menu at a screen point and tracks it until an item is chosen
  // or the menu is dismissed; the chosen item's OnClick runs afterwards.
  virtual void Popup(int x, int y);
  // Same for the sub-items of another menu's item (the tool bar drops its
  // buttons' menus this way); answers the chosen item.
  TMenuItem* PopupItems(TMenuItem* root, int x, int y);

  TNotifyEvent OnPopup;

 protected:
  virtual void DoPopup(TObject* sender);

 private:
  bool autoPopup_ = true;
  TPopupAlignment alignment_ = paLeft;
  TComponent* popupComponent_ = nullptr;
  TPoint popupPoint_;
};

namespace detail {

// A bar whose buttons drop menus down (tool bar, menu bar): tracking hands
// over to another button when the pointer or the arrows go there.
struct TMenuBarLink {
  std::function<int(TPoint screenPoint)> ButtonAt;  // -1: none
  int Current = -1;
  int Count = 0;
};
struct TMenuTrackResult {
  TMenuItem* Chosen = nullptr;
  int SwitchTo = -1;  // the bar button to drop down next
};
// Shows root's sub-items at a screen point (top-left corner) and tracks
// them modally. The chosen item is answered, not clicked.
TMenuTrackResult TrackMenu(TMenu* menu, TMenuItem* root, TPoint at, HWND owner,
                           const TMenuBarLink* bar = nullptr, bool selectFirst = false,
                           TPopupAlignment alignment = paLeft);
// Whether a menu is being tracked now.
bool MenuTracking();
// Told by an item that lost a sub-item (the open menu may show it).
void MenuItemRemoved(TMenuItem* parent);

}  // namespace detail

// The open menu window whose items paint on this canvas (owner-drawn items
// find their window this way); nullptr for any other canvas.
HWND MenuWindowFromCanvas(const TCanvas* canvas);

// The context menu for a right-click at a screen point on control: the
// control's PopupMenu or, failing that, its nearest parent's. Shows it and
// answers whether there was one (for WM_CONTEXTMENU handling).
bool ShowContextMenu(TControl* control, TPoint screenPoint);
// The menu shortcut of a key message for a window of the framework: the
// popup menus of the control and its parents, then the form's menu.
bool IsMenuShortCut(HWND window, const TMessage& keyMessage);
