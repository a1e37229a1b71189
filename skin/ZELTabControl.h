#pragma once
// A tabbed container drawn from the look: TzelTab is a panel with a tab
// strip along its top or bottom edge and a framed client area; the strip
// (TzelTabControlTopPanel) draws the tabs from a two-piece tab picture,
// scrolls them with two small buttons when they do not fit and selects a
// tab on a press or, when it has the focus, on the Tab key.

#include <functional>
#include <string>
#include <vector>

#include "platform/framework/Panels.h"
#include "platform/framework/StringList.h"
#include "platform/gfx/Bitmap.h"
#include "platform/gfx/ImageList.h"
#include "skin/ZELMgr.h"
#include "skin/ZELThemed.h"

enum TzelTabPosition { zelTop, zelBottom };

using TTabActiveNotify = std::function<void(TObject* Sender, int TabIndex)>;
using TTabChangingEvent = std::function<void(TObject* Sender, bool& AllowChange)>;

class TzelTab;

class TzelTabControlTopPanel : public TCustomPanel {
 public:
  explicit TzelTabControlTopPanel(TzelTab* tabControl);
  std::string ClassName() const override { return "TzelTabControlTopPanel"; }

  TStringList* Tabs() { return &tabs_; }
  // -1 when there are no tabs. Setting it in code does not ask OnChanging.
  int TabIndex() const { return tabIndex_; }
  void SetTabIndex(int value);
  // As a press on the tab does: the tab control's OnChanging may refuse.
  void SelectTabByUser(int value);
  int LeftMargin() const { return leftMargin_; }
  void SetLeftMargin(int value);
  TzelTabPosition TabPosition() const { return tabPosition_; }
  void SetTabPosition(TzelTabPosition value);
  TzelUIStyle UIStyle() const { return uiStyle_; }
  void SetUIStyle(TzelUIStyle value);
  TzelFileTheme* FileTheme() const { return fileTheme_; }
  void SetFileTheme(TzelFileTheme* value);

  // Hidden tabs take no room on the strip.
  bool TabShown(int index) const;
  void SetTabShown(int index, bool value);

  // What the last paint laid out: the width each tab took (-1 not drawn
  // yet, 0 hidden), the first tab shown, whether the scroll buttons are
  // needed and how many shown tabs are scrolled away to the left.
  int DrawnWidth(int index) const;
  int FirstShownTab() const { return firstShown_; }
  bool ScrollButtonsNeeded() const { return scrollButtonsNeeded_; }
  int ScrollOffset() const { return scrollOffset_; }
  // The tabs' height, which is also the band a press must hit.
  int TabHeight() const { return tabHeight_; }
  // The scroll buttons' rectangles (drawn when needed or scrolled).
  TRect ForwardButtonRect() const;
  TRect BackwardButtonRect() const;
  TColor ActiveFontColor() const { return activeFontColor_; }
  TColor InactiveFontColor() const { return inactiveFontColor_; }

  // Keeps itself along the tab control's top or bottom edge.
  void PlaceOnTabControl();

 protected:
  void Paint() override;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseMove(TShiftState shift, int x, int y) override;
  void KeyDown(WORD& key, TShiftState shift) override;
  void DblClick() override;
  void WMEraseBkgnd(TMessage& message) override;
  void WMGetDlgCode(TMessage& message) override;
  void Dispatch(TMessage& message) override;

 private:
  void LoadPictures();
  void TurnPictures();
  void TabsChanged();
  void SyncTables();
  int ShownBefore(int index) const;
  int LastShownTab() const;
  void DrawStrip(TCanvas& canvas);
  void DrawBackground(TCanvas& canvas);
  void DrawLine(TCanvas& canvas);
  int DrawTabs(TCanvas& canvas);
  void DrawTab(TCanvas& canvas, int index, const TRect& rect, bool cut);
  void DrawScrollButtons(TCanvas& canvas);
  int TabWidth(TCanvas& canvas, int index) const;
  int HoveredButton(TPoint point) const;
  bool ButtonsShown() const { return scrollButtonsNeeded_ || scrollOffset_ > 0; }
  bool ShowsFocus() const;
  void PressTab(int x, int y);

  TzelTab* tabControl_;
  TStringList tabs_;
  int tabIndex_ = 0;
  int leftMargin_ = 10;
  TzelTabPosition tabPosition_ = zelTop;
  TzelUIStyle uiStyle_ = DeepBlue;
  TzelFileTheme* fileTheme_ = nullptr;

  TBitmap activeTab_, inactiveTab_, line_;
  TBitmap scrollButtons_;  // four pieces: forward, forward hovered, backward, backward hovered
  TSize buttonSize_;
  TColor activeFontColor_ = clBlack;
  TColor inactiveFontColor_ = clBlack;

  std::vector<int> drawnWidths_;
  std::vector<bool> shown_;
  int tabHeight_ = 0;
  int firstShown_ = 0;
  int scrollOffset_ = 0;
  bool scrollButtonsNeeded_ = false;
  int hovered_ = 0;  // -1 backward, +1 forward, 0 none
  bool userChange_ = false;
  bool ensureVisible_ = false;
};

class TzelTab : public TzelThemed<TCustomPanel> {
 public:
  ~TzelTab() override;
  std::string ClassName() const override { return "TzelTab"; }

  TzelTabControlTopPanel* Strip() const { return strip_; }
  TzelTabPosition TabPosition() const { return tabPosition_; }
  void SetTabPosition(TzelTabPosition value);
  TColor BorderColor() const { return Link().BorderColor(); }
  void SetBorderColor(TColor value);
  TImageList* Images() const { return images_; }
  void SetImages(TImageList* value);
  bool PageDrawFocused() const { return pageDrawFocused_; }
  void SetPageDrawFocused(bool value);
  int LeftMargin() const { return strip_->LeftMargin(); }
  void SetLeftMargin(int value) { strip_->SetLeftMargin(value); }

  // The image a tab shows (-1: none).
  virtual int GetTabImageIndex(int tabIndex) const = 0;
  virtual void SelectTab(int tabIndex);
  // After the strip's tab changed: OnTabActive, then OnChange.
  virtual void TabChanged(int tabIndex);

  void AdjustClientRect(TRect& rect) override;

  TTabActiveNotify OnTabActive;
  TNotifyEvent OnChange;
  TTabChangingEvent OnChanging;

 protected:
  using TStripFactory = TzelTabControlTopPanel* (*)(TzelTab* tabControl);
  TzelTab(TComponent* owner, TStripFactory createTabStrip);

  virtual void BorderColorChanged() {}
  virtual void ApplyThemeToPages(TzelUIStyle style, TzelFileTheme* fileTheme);

  void Paint() override;
  void Resize() override;
  void AlignControls(TControl* control, TRect& rect) override;
  void CMFontChanged(TMessage& message) override;
  void CMCursorChanged(TMessage& message) override;
  void WMEraseBkgnd(TMessage& message) override;

 private:
  void ApplyLook(const TzelLookSource& source);

  TzelTabControlTopPanel* strip_ = nullptr;
  TzelTabPosition tabPosition_ = zelTop;
  TImageList* images_ = nullptr;
  bool pageDrawFocused_ = true;
};
