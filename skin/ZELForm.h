#pragma once
// The frame every skinned window wears. Placed on a form (its owner), it
// fills the form's client area, takes the system caption off the form,
// paints the form's border itself, shapes the window with a region and
// hosts the skinned title bar and, when a main menu is given, a menu bar
// below it. It hooks the form's window procedure and the application's
// messages; destroying the frame gives the form its own frame back.

#include <memory>
#include <string>

#include "platform/framework/Panels.h"
#include "platform/framework/ToolBar.h"
#include "platform/framework/WindowProcHooks.h"
#include "skin/ZELMainMenu.h"
#include "skin/ZELMgr.h"
#include "skin/ZELTitleBar.h"

class TApplicationEvents;
class TBitmap;
class TCustomForm;
class TzelForm;

// Asked of the MDI frame (the main form) by a frame on an MDI child: the
// bottom and left thickness of its children's own borders.
constexpr UINT ZEL_GETMDIBOTTOMBORDER = 0x87D0;
constexpr UINT ZEL_GETMDILEFTBORDER = 0x87D1;

// A menu-bar button drawn highlighted carries this tag.
constexpr int zelMenuBarHotTag = 888;

// The bar below the title bar whose buttons drop the main menu's items down.
class TzelMenuBar : public TToolBar {
 public:
  TzelMenuBar(TComponent* owner, TzelForm* frame);
  std::string ClassName() const override { return "TzelMenuBar"; }
  TzelForm* Frame() const { return frame_; }

  // The menu the bar drops down takes the hotkey setting of the frame's menu.
  void Notification(TComponent* component, TOperation operation) override;

 protected:
  // Accelerators act only with Alt down or while a button shows highlighted.
  void CMDialogChar(TMessage& message) override;

 private:
  TzelForm* frame_;
};

class TzelForm : public TCustomPanel, public TzelMenuFrame {
 public:
  // An owner that is no form gives a plain panel. A second frame on one
  // form raises "Sorry, You can create only one TzelForm component in one form!".
  explicit TzelForm(TComponent* owner);
  ~TzelForm() override;
  std::string ClassName() const override { return "TzelForm"; }

  // ---- Look ----
  TzelFileTheme* FileTheme() const { return fileTheme_; }
  void SetFileTheme(TzelFileTheme* value);
  TzelUIStyle UIStyle() const { return uiStyle_; }
  // Applies the look to the frame, the title bar and the menu (and, with
  // UIStyleAutoUpdateSub, to the form's direct child controls).
  void SetUIStyle(TzelUIStyle value);
  bool UIStyleAutoUpdateSub() const { return autoUpdateSub_; }
  void SetUIStyleAutoUpdateSub(bool value) { autoUpdateSub_ = value; }
  TColor BorderColor() const { return borderColor_; }
  void SetBorderColor(TColor value);
  int BorderWidth() const { return borderWidth_; }
  void SetBorderWidth(int value);
  int RoundCorner() const;
  void SetRoundCorner(int value);
  int RoundCornerBottom() const;
  void SetRoundCornerBottom(int value);

  // ---- Title bar ----
  TzelTitleBar* TitleBar() const { return titleBar_; }
  bool TitleBarVisible() const;
  void SetTitleBarVisible(bool value);
  bool TitleBarCustom() const;
  void SetTitleBarCustom(bool value);
  TzelTitleBarButtons* TitleBarButtons() const;
  void SetTitleBarButtons(const TzelTitleBarButtons* value);
  TzelTitleBarSections* TitleBarSections() const;
  void SetTitleBarSections(const TzelTitleBarSections* value);
  bool TitleBarDrawAppIcon() const;
  void SetTitleBarDrawAppIcon(bool value);
  TColor InactiveCaptionColor() const;
  void SetInactiveCaptionColor(TColor value);
  // The title bar's caption; setting it also sets the form's text.
  std::string Caption() const;
  void SetCaption(const std::string& value);
  // The title bar's font.
  TFont* Font();
  void SetOnTitleBarCustomBtnsClick(TzelTitleBarButtonClickEvent handler);
  void SetOnTitleBarHelpBtnClick(TzelTitleBarButtonClickEvent handler);

  // ---- Menu bar ----
  TMainMenu* Menu() const { return menu_; }
  void SetMenu(TMainMenu* value);
  TzelMenuBar* MenuBar() const { return menuBar_; }
  TColor MenuBarColor() const { return menuBarColor_; }
  void SetMenuBarColor(TColor value);
  // A second colour makes the bar a top-to-bottom gradient (the editor's
  // build only; the recorder's bar is one colour).
  TColor MenuBarToColor() const;
  void SetMenuBarToColor(TColor value);
  // The bar's height while it shows, else 0; writing sets the wanted height.
  int MenuBarHeight() const;
  void SetMenuBarHeight(int value);
  // What the menu asks of its frame.
  void RebuildMenuBar() override { UpdateMenuBar(); }
  void RefreshMenuBar() override;
  void RefreshMenuBarFont() override;
  // Makes the bar's buttons anew, one per top item of the menu.
  void UpdateMenuBar();

  // ---- Other ----
  // A panel that fills the frame; the frame itself is refused with a message.
  TCustomPanel* FormPanel() const { return formPanel_; }
  void SetFormPanel(TCustomPanel* value);
  std::string Version() const { return "6.22"; }
  void SetVersion(const std::string&) {}
  std::string About() const;
  void SetAbout(const std::string&) {}

  // The form the frame dresses (nullptr for a plain panel).
  TCustomForm* OwnerForm() const { return form_; }
  // Paints the border on the form's window (window coordinates).
  void PaintFormBorder();
  // Gives the form's window its shape for the look and the form's size.
  void UpdateFormRegion();

  void Notification(TComponent* component, TOperation operation) override;
  void Loaded() override;

 protected:
  void Paint() override;
  void Resize() override;
  void WMEraseBkgnd(TMessage& message) override;

 private:
  // Where the border's parts lie, in window coordinates.
  struct TLayout {
    int width = 0, height = 0;
    TRect client;
    bool titleShown = false;
    int titleBottom = 0;  // the rows above belong to the title
    int menuHeight = 0;
    TPoint titleOrigin;  // where the title bar lays its title images
  };

  bool Dressing() const { return form_ != nullptr && titleBar_ != nullptr && !destroying_; }
  // Take-over and give-back of the form.
  void CheckSingleFrame();
  void MeasureNativeBorders();
  void TakeOverForm();
  void GiveFormBack();
  void ClearCaptionBits();
  void FrameChanged();
  // The form's messages, hooked.
  void FormWindowProc(TMessage& message, const TWindowProcHook::TChain& chain);
  void CalcClientArea(TMessage& message);
  LRESULT LeftBorderAnswer() const;
  void FormSized();
  void StartedMaximizedSized(bool maximized);
  // A frame on an MDI child: the main form is the MDI frame it reports to.
  bool IsMDIChild() const;
  bool ScreenListsForm() const;
  void MDIChildSized(bool maximized);
  void MDIChildActivated(HWND activated);
  void MDIChildDestroyed();
  void MDIChildGone(HWND zoomedWindow);
  void SendToMDIFrame(UINT msg, WPARAM wParam) const;
  // Shows or hides the title bar without taking it as the user's wish.
  void SetTitleBarShownByFrame(bool value);
  // Moves the frame's freely placed controls dy pixels down.
  void ScrollContents(int dy);
  void ApplicationMessage(MSG& message, bool& handled);
  bool MenuShortCut(const MSG& message);
  bool OwnsWindow(HWND window) const;
  // Looks.
  void ApplyFileThemeLook();
  // The built-in look's elements, or the same elements read from the
  // recorder's older theme file when olderTheme is given.
  void ApplyElementLook(TzelUIStyle look, const TzelFileTheme* olderTheme);
  // A theme file of the editor's build gives the look.
  bool ThemeFileInUse() const;
  void KeepTitleBarOnTop();
  // Painting.
  TLayout Layout() const;
  void PaintFromThemeFile(TCanvas& canvas, const TLayout& layout);
  void PaintBuiltIn(TCanvas& canvas, const TLayout& layout);
  void PaintTitleUnderlay(TCanvas& canvas, const TLayout& layout);
  void FillBesideMenuBar(TCanvas& canvas, const TRect& rect, TColor color);
  void BuildBottomPicture(int width);
  void TileClient(TCanvas& canvas, const std::string& tileName);
  // Menu bar.
  void CreateMenuBar();
  void FreeMenuBar();
  TzelUIStyle MenuLook(TzelFileTheme*& theme) const;
  void MenuBarCustomDraw(TToolBar* sender, const TRect& rect, bool& defaultDraw);
  void MenuBarCustomDrawButton(TToolBar* sender, TToolButton* button, TCustomDrawState state, bool& defaultDraw);
  void SetMenuBarFont(TCanvas& canvas) const;

  TCustomForm* form_ = nullptr;
  TzelTitleBar* titleBar_ = nullptr;
  TzelMenuBar* menuBar_ = nullptr;
  std::unique_ptr<TWindowProcHook> formHook_;
  std::unique_ptr<TApplicationEvents> appEvents_;

  TzelFileTheme* fileTheme_ = nullptr;
  TzelUIStyle uiStyle_ = DeepBlue;
  bool autoUpdateSub_ = false;
  TColor borderColor_ = 0;
  int borderWidth_ = 1;
  TCustomPanel* formPanel_ = nullptr;
  TMainMenu* menu_ = nullptr;
  TColor menuBarColor_ = 0, menuBarToColor_ = 0;
  int wantedMenuBarHeight_ = 22;

  // Measured at the take-over, each in 0..12.
  int nativeBottom_ = 4, nativeLeft_ = 4;
  // From the theme file's border pictures; 0 for the built-in looks.
  int skinLeft_ = 0, skinRight_ = 0, skinBottom_ = 0;
  TColor transparentColor_ = 0xFF00FF;
  bool titleNeedsRegion_ = false, bottomNeedsRegion_ = false;
  int titleRegionMinY_ = 0, titleRegionMaxY_ = 0, bottomRegionMinY_ = 0, bottomRegionMaxY_ = 0;
  std::unique_ptr<TBitmap> bottomPicture_;

  // The form's bounds at the take-over, and whether it was maximized then.
  TRect createdBounds_;
  bool startedMaximized_ = false;
  // The form's border style before the take-over made it a dialog frame.
  TFormBorderStyle borderStyleBefore_ = bsSizeable;
  // An MDI child's maximize bookkeeping.
  bool mdiMaximized_ = false, restoredOnce_ = false, maximizePending_ = false;
  // Kept for the end: a form frees its frame after its form part has gone.
  bool wasMDIChild_ = false;
  HWND zoomedMDIWindow_ = nullptr;
  // The last visibility asked of the title bar from outside, and whether
  // the frame itself is changing it now.
  bool titleBarWanted_ = true, selfChange_ = false;
  // Set once the frame starts its own destruction.
  bool destroying_ = false;
};
