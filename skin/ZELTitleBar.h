#pragma once
// The caption strip a skinned window wears in place of the system caption:
// picture sections across the top, the window buttons from an 18-frame
// strip, the caption text and the application icon. Pressing on an empty
// part moves the window; the control box and Alt+Space open the window's
// system menu.

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/framework/Panels.h"
#include "platform/gfx/Picture.h"
#include "skin/ZELMgr.h"
#include "skin/ZELPopupMenu.h"

class TBitmap;
class TCustomForm;
class TzelTitleBar;

enum TzelTitleBarAlign { zelLeft, zelRight, zelClient };
enum TzelTitleBarBtnType { zelMax, zelMin, zelClose, zelHelp, zelControlBox, zelCustom };

using TzelTitleBarButtonClickEvent = std::function<void(TObject* Sender, int ButtonIndex)>;

// Asked of the form by the title bar: the width of the frame's left
// border (0 from a form without a frame).
constexpr UINT ZEL_GETLEFTBORDERWIDTH = 0x26C3;

// ---- Sections ---------------------------------------------------------------------

class TzelTitleBarSections;

// One picture of the strip. Left and right sections take their picture's
// width; the client section stretches over what is left.
class TzelTitleBarSection : public TObject {
 public:
  explicit TzelTitleBarSection(TzelTitleBarSections* collection);
  ~TzelTitleBarSection() override;
  std::string ClassName() const override { return "TzelTitleBarSection"; }

  int Width() const { return width_; }
  void SetWidth(int value);
  TzelTitleBarAlign Align() const { return align_; }
  // Only one section may be the client one; a second is refused with a
  // message and the value is not taken. The client section stretches.
  void SetAlign(TzelTitleBarAlign value);
  TPicture* Picture() const { return picture_.get(); }
  void SetPicture(const TPicture* value);
  bool Stretch() const { return stretch_; }
  void SetStretch(bool value);
  bool AutoSize() const { return autoSize_; }
  void SetAutoSize(bool value);
  // The section the caption is fitted into (the editor's build only).
  bool CapSec() const { return capSec_; }
  void SetCapSec(bool value);

  void Assign(const TzelTitleBarSection& source);

 private:
  void PictureChanged();
  void Changed();

  TzelTitleBarSections* collection_;
  int width_ = 10;
  TzelTitleBarAlign align_ = zelLeft;
  std::unique_ptr<TPicture> picture_;
  bool stretch_ = false;
  bool autoSize_ = false;
  bool capSec_ = false;
};

class TzelTitleBarSections {
 public:
  explicit TzelTitleBarSections(TzelTitleBar* titleBar) : titleBar_(titleBar) {}
  TzelTitleBar* GetOwner() const { return titleBar_; }

  int Count() const { return static_cast<int>(items_.size()); }
  TzelTitleBarSection* Items(int index) const { return items_.at(index).get(); }
  TzelTitleBarSection* Add();
  void Clear();
  void Assign(const TzelTitleBarSections& source);
  // Repaints the title bar.
  void Update();

 private:
  TzelTitleBar* titleBar_;
  std::vector<std::unique_ptr<TzelTitleBarSection>> items_;
};

// ---- Buttons -----------------------------------------------------------------------

class TzelTitleBarButtons;

class TzelTitleBarButton : public TObject {
 public:
  explicit TzelTitleBarButton(TzelTitleBarButtons* collection);
  ~TzelTitleBarButton() override;
  std::string ClassName() const override { return "TzelTitleBarButton"; }

  TzelUIStyle UIStyle() const { return uiStyle_; }
  // Reloads the three pictures from the look.
  void SetUIStyle(TzelUIStyle value);
  TzelTitleBarBtnType ButtonType() const { return buttonType_; }
  // Only one button may be the control box; a second is refused with a
  // message. Reloads the three pictures from the look.
  void SetButtonType(TzelTitleBarBtnType value);
  bool Transparent() const { return transparent_; }
  void SetTransparent(bool value);
  // Stored only: the bar draws every button at its own button top.
  int Top() const { return top_; }
  void SetTop(int value);
  TPopupMenu* ControlBoxMenu() const { return controlBoxMenu_; }
  void SetControlBoxMenu(TPopupMenu* value);
  bool Visible() const { return visible_; }
  void SetVisible(bool value);
  TPicture* PicNormal() const { return picNormal_.get(); }
  TPicture* PicMouseOn() const { return picMouseOn_.get(); }
  TPicture* PicMouseDown() const { return picMouseDown_.get(); }
  void SetPicNormal(const TPicture* value);
  void SetPicMouseOn(const TPicture* value);
  void SetPicMouseDown(const TPicture* value);

  void Assign(const TzelTitleBarButton& source);
  // Takes the three frames of this kind of button from the strip of the
  // look (the restore frames while the form is maximized).
  void LoadPictures();
  // What a click on the button does to its form.
  void DoClick();
  bool HasAllPictures() const;

 private:
  void Changed();
  TzelTitleBar* TitleBar() const;

  TzelTitleBarButtons* collection_;
  TzelUIStyle uiStyle_ = DeepBlue;
  TzelTitleBarBtnType buttonType_ = zelCustom;
  bool transparent_ = false;
  int top_ = 2;
  TPopupMenu* controlBoxMenu_ = nullptr;
  bool visible_ = true;
  std::unique_ptr<TPicture> picNormal_, picMouseOn_, picMouseDown_;
};

class TzelTitleBarButtons {
 public:
  explicit TzelTitleBarButtons(TzelTitleBar* titleBar) : titleBar_(titleBar) {}
  TzelTitleBar* GetOwner() const { return titleBar_; }

  int Count() const { return static_cast<int>(items_.size()); }
  TzelTitleBarButton* Items(int index) const { return items_.at(index).get(); }
  TzelTitleBarButton* Add();
  void Clear();
  void Assign(const TzelTitleBarButtons& source);
  int IndexOf(const TzelTitleBarButton* button) const;
  // The first visible button of the kind, or nullptr.
  TzelTitleBarButton* FindVisible(TzelTitleBarBtnType type) const;
  void Update();

 private:
  TzelTitleBar* titleBar_;
  std::vector<std::unique_ptr<TzelTitleBarButton>> items_;
};

// ---- The system menu ------------------------------------------------------------------

class TzelTitleBarPopupMenu : public TzelPopupMenu {
 public:
  TzelTitleBarPopupMenu(TComponent* owner, TzelTitleBar* titleBar);
  std::string ClassName() const override { return "TzelTitleBarPopupMenu"; }

  // Enables each item only when the bar has a visible button doing the
  // same; a right-to-left layout opens 176 pixels further right.
  void Popup(int x, int y) override;

  TMenuItem* MinimizeItem() const { return minimize_; }
  TMenuItem* MaximizeItem() const { return maximize_; }
  TMenuItem* CloseItem() const { return close_; }

 private:
  TzelTitleBar* titleBar_;
  TMenuItem* minimize_;
  TMenuItem* maximize_;
  TMenuItem* close_;
};

// ---- The bar ----------------------------------------------------------------------------

class TzelTitleBar : public TCustomPanel {
 public:
  explicit TzelTitleBar(TComponent* owner);
  ~TzelTitleBar() override;
  std::string ClassName() const override { return "TzelTitleBar"; }

  // Keeps the sections given instead of building them from the look.
  bool Custom() const { return custom_; }
  void SetCustom(bool value) { custom_ = value; }
  TzelFileTheme* FileTheme() const { return fileTheme_; }
  void SetFileTheme(TzelFileTheme* value);
  TzelUIStyle UIStyle() const { return uiStyle_; }
  void SetUIStyle(TzelUIStyle value);
  // The height follows the first section's picture.
  void SetAutoSize(bool value) override;

  TzelTitleBarSections* Sections() const { return sections_.get(); }
  void SetSections(const TzelTitleBarSections* value);
  TzelTitleBarButtons* Buttons() const { return buttons_.get(); }
  void SetButtons(const TzelTitleBarButtons* value);

  int ButtonInterval() const { return buttonInterval_; }
  void SetButtonInterval(int value);
  std::string Caption() const { return caption_; }
  void SetCaption(const std::string& value);
  bool FormActive() const { return formActive_; }
  void SetFormActive(bool value);
  int LeftBtnXOffset() const { return leftBtnXOffset_; }
  void SetLeftBtnXOffset(int value);
  int RightBtnXOffset() const { return rightBtnXOffset_; }
  void SetRightBtnXOffset(int value);
  bool DrawAppIcon() const { return drawAppIcon_; }
  void SetDrawAppIcon(bool value);
  int RoundCorner() const { return roundCorner_; }
  void SetRoundCorner(int value) { roundCorner_ = value; }
  int RoundCornerBottom() const { return roundCornerBottom_; }
  void SetRoundCornerBottom(int value) { roundCornerBottom_ = value; }
  TColor InactiveCaptionColor() const { return inactiveCaptionColor_; }
  void SetInactiveCaptionColor(TColor value);

  TzelTitleBarButtonClickEvent OnCustomBtnsClick;
  TzelTitleBarButtonClickEvent OnHelpBtnClick;

  // What the frame reads: the sections as they lie across the whole
  // window top, the same on the form colour, a section's picture, and
  // whether the sections form a full set.
  TBitmap* TitleImage() const { return titleImage_.get(); }
  TBitmap* ComposedTitleImage() const { return composedTitleImage_.get(); }
  TPicture* SectionPicture(int index) const;
  // Draws the sections into both title images at the bar's size, as a
  // paint does; the frame needs them before the bar shows or repaints.
  void UpdateTitleImages();
  bool HasFullSectionSet() const;
  // After every size change of the form: maximize buttons show the
  // restore frames while the form is maximized.
  void UpdateMaxButtons();
  TzelTitleBarPopupMenu* SystemMenu() const { return systemMenu_; }
  // The caption as last fitted into a caption section ("" when none).
  const std::string& DisplayCaption() const { return displayCaption_; }

  // Where the buttons and the control box lie now, in client coordinates
  // (empty for a button that is not drawn).
  TRect ButtonRect(int index);
  // The button under a client point, -1 for none.
  int ButtonAt(TPoint point);
  // The form the bar acts on, and whether the bar sits in a skinned frame.
  TCustomForm* OwnerForm() const;
  bool InsideFrame() const;
  // The effective look (a theme file look without a ready theme is DeepBlue).
  TzelUIStyle EffectiveStyle() const;
  bool UsesThemeFile() const;
  TColor TransparentColor() const { return transparentColor_; }
  TColor FormColor() const { return formColor_; }
  int ButtonTop() const { return buttonTop_; }

  // What the buttons and the system menu do to the form.
  void MaximizeOrRestoreForm();
  void MinimizeForm();
  void CloseForm();

  void Notification(TComponent* component, TOperation operation) override;

 protected:
  void Paint() override;
  virtual void DrawSections(TBitmap& bitmap);
  virtual void DrawButtons(TBitmap& bitmap);

  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseMove(TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
  void WMLButtonDblClk(TMessage& message) override;
  void CMMouseLeave(TMessage& message) override;
  void CMFontChanged(TMessage& message) override;
  void WMEraseBkgnd(TMessage& message) override;
  void WndProc(TMessage& message) override;

 private:
  friend class TzelTitleBarButton;
  struct TButtonLayout;

  void ApplyLook();
  void SetupFromFileTheme();
  // The built-in look's elements, or the same elements of the recorder's
  // older theme file when one is given.
  void SetupFromBuiltInTheme(const TzelFileTheme* olderTheme);
  void SetFormMinimum(int width, int height);
  int LeftBorderWidth() const;
  TButtonLayout LayOutButtons(int width);
  void DrawCaption(TCanvas& canvas, int left, int right);
  void DrawAppIconAt(TCanvas& canvas, int x, int y);
  int HoverIndexFromCursor(int width);
  void ClickButton(int index);
  TPoint MenuCorner();

  bool custom_ = false;
  TzelFileTheme* fileTheme_ = nullptr;
  TzelUIStyle uiStyle_ = DeepBlue;
  std::unique_ptr<TzelTitleBarSections> sections_;
  std::unique_ptr<TzelTitleBarButtons> buttons_;
  int buttonInterval_ = 0;
  std::string caption_;
  bool formActive_ = true;
  int leftBtnXOffset_ = 0, rightBtnXOffset_ = 0;
  bool drawAppIcon_ = true;
  int roundCorner_ = 0, roundCornerBottom_ = 0;
  TColor inactiveCaptionColor_ = clInactiveCaption;

  TzelTitleBarPopupMenu* systemMenu_ = nullptr;
  std::unique_ptr<TBitmap> titleImage_, composedTitleImage_;
  std::string displayCaption_;
  bool captionSectionDrawn_ = false;
  bool pressed_ = false;
  int hoverIndex_ = -1;
  TColor transparentColor_ = 0;
  TColor formColor_ = 0;
  int buttonTop_ = 2, iconTop_ = 2, captionTop_ = 0;
  bool fiveSections_ = false;
  bool keepFontColor_ = false;
  std::unique_ptr<TBitmap> appIcon_;
  bool appIconLoaded_ = false;
};
