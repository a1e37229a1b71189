#pragma once
// Tool bars: a row (or rows, when wrapping) of flat buttons with images
// and captions. The background and each button can be drawn by the
// program (OnCustomDraw, OnCustomDrawButton). Buttons bound to menu items
// drop the item's sub-menu down, and while one is down the pointer and the
// arrow keys move the menu across the bar's buttons. TMenuBar is the tool
// bar that shows a form's main menu.

#include <functional>
#include <string>
#include <vector>

#include "platform/framework/Controls.h"
#include "platform/framework/Menus.h"
#include "platform/gfx/ImageList.h"

class TToolBar;

enum TToolButtonStyle { tbsButton, tbsCheck, tbsDropDown, tbsSeparator, tbsDivider };

// The state of a button as custom drawing sees it (the CDIS_ values).
using TCustomDrawState = unsigned;
constexpr TCustomDrawState cdsSelected = 0x0001;
constexpr TCustomDrawState cdsGrayed = 0x0002;
constexpr TCustomDrawState cdsDisabled = 0x0004;
constexpr TCustomDrawState cdsChecked = 0x0008;
constexpr TCustomDrawState cdsFocused = 0x0010;
constexpr TCustomDrawState cdsDefault = 0x0020;
constexpr TCustomDrawState cdsHot = 0x0040;
constexpr TCustomDrawState cdsMarked = 0x0080;
constexpr TCustomDrawState cdsIndeterminate = 0x0100;

using TEdgeBorders = unsigned;
constexpr TEdgeBorders ebLeft = 1;
constexpr TEdgeBorders ebTop = 2;
constexpr TEdgeBorders ebRight = 4;
constexpr TEdgeBorders ebBottom = 8;

using TToolBarCustomDrawEvent = std::function<void(TToolBar* Sender, const TRect& ARect, bool& DefaultDraw)>;
using TToolBarCustomDrawButtonEvent =
    std::function<void(TToolBar* Sender, class TToolButton* Button, TCustomDrawState State, bool& DefaultDraw)>;

class TToolButton : public TGraphicControl {
 public:
  explicit TToolButton(TComponent* owner);
  std::string ClassName() const override { return "TToolButton"; }

  TToolBar* ToolBar() const;
  int Index() const;

  TToolButtonStyle Style() const { return style_; }
  void SetStyle(TToolButtonStyle value);
  // Checked state of a tbsCheck button (pressed look).
  bool Down() const { return down_; }
  void SetDown(bool value);
  // Grouped check buttons: one down at a time among neighbours.
  bool Grouped() const { return grouped_; }
  void SetGrouped(bool value) { grouped_ = value; }
  bool AllowAllUp() const { return allowAllUp_; }
  void SetAllowAllUp(bool value) { allowAllUp_ = value; }
  int ImageIndex() const { return imageIndex_; }
  void SetImageIndex(int value);
  // Starts a new row after this button.
  bool Wrap() const { return wrap_; }
  void SetWrap(bool value);
  void SetAutoSize(bool value) override;
  // The item the button stands for: its caption, image and enabled state,
  // and its sub-menu dropped down on a press.
  TMenuItem* MenuItem() const { return menuItem_; }
  void SetMenuItem(TMenuItem* item);
  // Takes the bound item's caption, enabled state and visibility again.
  void UpdateFromMenuItem();
  bool HasMenu() const { return menuItem_ && menuItem_->Count() > 0; }

  void SetParent(TWinControl* parent) override;
  void Click() override;
  // Whether the pointer is over it (flat look), pressed or its menu is down.
  bool IsHot() const { return hot_; }
  bool IsPressed() const { return pressed_; }

 protected:
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
  void CMMouseEnter(TMessage& message) override;
  void CMMouseLeave(TMessage& message) override;
  void CMTextChanged(TMessage& message) override;
  void CMEnabledChanged(TMessage& message) override;
  void CMVisibleChanged(TMessage& message) override;
  void Notification(TComponent* component, TOperation operation) override;

 private:
  void BarChanged();

  TToolButtonStyle style_ = tbsButton;
  bool down_ = false;
  bool grouped_ = false;
  bool allowAllUp_ = false;
  int imageIndex_ = -1;
  bool wrap_ = false;
  TMenuItem* menuItem_ = nullptr;
  bool hot_ = false;
  bool pressed_ = false;
};

class TToolBar : public TCustomControl {
 public:
  explicit TToolBar(TComponent* owner);
  ~TToolBar() override;
  std::string ClassName() const override { return "TToolBar"; }

  int ButtonCount() const { return static_cast<int>(ButtonList().size()); }
  TToolButton* Buttons(int index) const { return ButtonList().at(static_cast<std::size_t>(index)); }

  bool Flat() const { return flat_; }
  void SetFlat(bool value);
  TImageList* Images() const { return images_; }
  void SetImages(TImageList* value);
  bool ShowCaptions() const { return showCaptions_; }
  void SetShowCaptions(bool value);
  int ButtonWidth() const { return buttonWidth_; }
  void SetButtonWidth(int value);
  int ButtonHeight() const { return buttonHeight_; }
  void SetButtonHeight(int value);
  bool Wrapable() const { return wrapable_; }
  void SetWrapable(bool value);
  TEdgeBorders EdgeBorders() const { return edgeBorders_; }
  void SetEdgeBorders(TEdgeBorders value);
  int Indent() const { return indent_; }
  void SetIndent(int value);
  void SetAutoSize(bool value) override;
  // Buttons for the top items of a menu (none: the buttons made for the
  // last menu are freed).
  TMenu* Menu() const { return menu_; }
  void SetMenu(TMenu* menu);

  // Drops the button's menu down and tracks it across the bar's buttons;
  // fromKeyboard selects the first item of each menu.
  void TrackMenu(TToolButton* button, bool fromKeyboard = false);
  // The button whose menu is down now (nullptr: none).
  TToolButton* DroppedButton() const { return dropped_; }
  // Drops the menu of the button whose caption has ch as its accelerator;
  // answers whether one did.
  bool TrackAccelerator(char32_t ch);
  // Lays the buttons out again.
  void ArrangeButtons();
  // The state custom drawing is given for a button.
  TCustomDrawState ButtonState(TToolButton* button) const;
  TToolButton* ButtonAtPos(TPoint client) const;

  TToolBarCustomDrawEvent OnCustomDraw;
  TToolBarCustomDrawButtonEvent OnCustomDrawButton;

 protected:
  void Paint() override;
  void AlignControls(TControl* control, TRect& rect) override;
  void CMDialogChar(TMessage& message) override;
  void Notification(TComponent* component, TOperation operation) override;
  // Draws a button the plain way (when custom drawing leaves it).
  virtual void DrawButton(TToolButton* button, TCustomDrawState state);
  TSize ButtonSize(TToolButton* button);

 private:
  friend class TToolButton;
  std::vector<TToolButton*> ButtonList() const;
  std::vector<TToolButton*> MenuButtons() const;
  void FreeMenuButtons();

  bool flat_ = false;
  TImageList* images_ = nullptr;
  bool showCaptions_ = false;
  int buttonWidth_ = 23;
  int buttonHeight_ = 22;
  bool wrapable_ = true;
  TEdgeBorders edgeBorders_ = ebTop;
  int indent_ = 0;
  TMenu* menu_ = nullptr;
  TToolButton* dropped_ = nullptr;
  TPopupMenu* tempMenu_ = nullptr;  // the menu the bar drops down
  bool arranging_ = false;
};

// The bar of a form's main menu, at the top of the form.
class TMenuBar : public TToolBar {
 public:
  TMenuBar(TComponent* owner, TMainMenu* menu);
  std::string ClassName() const override { return "TMenuBar"; }
  // Buttons made anew from the menu's top items.
  void RebuildButtons();
  // Captions and enabled states taken again from the items.
  void RefreshButtons();
  // F10 or Alt: the first menu dropped down for the keyboard.
  void TrackKeyboard();

 private:
  TMainMenu* mainMenu_;
};
