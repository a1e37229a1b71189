#pragma once
// Tabbed controls: TTabControl (a strip of tabs over one client area) and
// TPageControl (a tab per page, TTabSheet, one page shown at a time).
// A tab chosen by the user asks OnChanging first (AllowChange) and then
// fires OnChange; setting the tab index in code fires neither. The tab
// messages (TCM_) answer as the native tab control does.

#include <functional>
#include <string>
#include <vector>

#include "platform/framework/Controls.h"
#include "platform/framework/StringList.h"
#include "platform/gfx/ImageList.h"

constexpr UINT TCM_FIRST = 0x1300;
constexpr UINT TCM_GETITEMCOUNT = TCM_FIRST + 4;
constexpr UINT TCM_GETITEMRECT = TCM_FIRST + 10;  // wParam: index, lParam: TRect*
constexpr UINT TCM_GETCURSEL = TCM_FIRST + 11;
constexpr UINT TCM_SETCURSEL = TCM_FIRST + 12;     // answers the previous index
constexpr UINT TCM_HITTEST = TCM_FIRST + 13;       // lParam: TCHITTESTINFO*
constexpr UINT TCM_ADJUSTRECT = TCM_FIRST + 40;    // wParam: larger, lParam: TRect*

constexpr UINT TCHT_NOWHERE = 0x0001;
constexpr UINT TCHT_ONITEM = 0x0006;
struct TCHITTESTINFO {
  TPoint pt;
  UINT flags = 0;
};

enum TTabPosition { tpTop, tpBottom };
using TTabChangingEvent = std::function<void(TObject* Sender, bool& AllowChange)>;

class TCustomTabControl : public TCustomControl {
 public:
  explicit TCustomTabControl(TComponent* owner);
  std::string ClassName() const override { return "TCustomTabControl"; }

  TTabPosition TabPosition() const { return tabPosition_; }
  void SetTabPosition(TTabPosition value);
  // Tab height (0: from the font).
  int TabHeight() const { return tabHeight_; }
  void SetTabHeight(int value);
  TImageList* Images() const { return images_; }
  void SetImages(TImageList* value);

  // The rectangle of a shown tab (empty for a hidden one or a bad index).
  TRect TabRect(int index);
  // The shown tab at a client point (-1: none).
  int IndexOfTabAt(int x, int y);
  // The client area below (or above) the tabs that pages fill.
  TRect DisplayRect();
  void AdjustClientRect(TRect& rect) override;

  TNotifyEvent OnChange;
  TTabChangingEvent OnChanging;

 protected:
  // The tabs as the strip shows them.
  virtual int TabCount() const = 0;
  virtual std::string TabCaption(int index) const = 0;
  virtual bool TabShown(int) const { return true; }
  virtual int TabImageIndex(int) const { return -1; }
  virtual int CurrentTab() const = 0;
  virtual void SetCurrentTab(int index) = 0;

  // The user's choice: OnChanging, then the change and OnChange.
  virtual bool CanChange();
  virtual void Change();
  bool SelectTabByUser(int index);

  void Paint() override;
  void WndProc(TMessage& message) override;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void KeyDown(WORD& key, TShiftState shift) override;
  void CMDialogKey(TMessage& message) override;
  void WMGetDlgCode(TMessage& message) override { message.Result = DLGC_WANTARROWS; }
  void TabsChanged();

 private:
  int StripHeight();
  void LayoutTabs();

  TTabPosition tabPosition_ = tpTop;
  int tabHeight_ = 0;
  TImageList* images_ = nullptr;
  std::vector<TRect> tabRects_;
};

class TTabControl : public TCustomTabControl {
 public:
  explicit TTabControl(TComponent* owner);
  std::string ClassName() const override { return "TTabControl"; }

  TStringList* Tabs() { return &tabs_; }
  int TabIndex() const { return tabIndex_; }
  // -1 or an index of a tab; in code, without OnChanging or OnChange.
  void SetTabIndex(int value);

 protected:
  int TabCount() const override { return tabs_.Count(); }
  std::string TabCaption(int index) const override { return tabs_.Strings(index); }
  int CurrentTab() const override { return tabIndex_; }
  void SetCurrentTab(int index) override { SetTabIndex(index); }

 private:
  TStringList tabs_;
  int tabIndex_ = -1;
};

class TPageControl;

class TTabSheet : public TCustomControl {
 public:
  explicit TTabSheet(TComponent* owner);
  ~TTabSheet() override;
  std::string ClassName() const override { return "TTabSheet"; }

  TPageControl* PageControl() const { return pageControl_; }
  void SetPageControl(TPageControl* control);
  int PageIndex() const;
  void SetPageIndex(int value);
  // The index among the shown tabs (-1 when the tab is hidden).
  int TabIndex() const;
  bool TabVisible() const { return tabVisible_; }
  void SetTabVisible(bool value);
  int ImageIndex() const { return imageIndex_; }
  void SetImageIndex(int value);

  TNotifyEvent OnShow;
  TNotifyEvent OnHide;

 protected:
  void Paint() override;
  void CMTextChanged(TMessage& message) override;

 private:
  friend class TPageControl;
  TPageControl* pageControl_ = nullptr;
  bool tabVisible_ = true;
  int imageIndex_ = -1;
};

class TPageControl : public TCustomTabControl {
 public:
  explicit TPageControl(TComponent* owner);
  ~TPageControl() override;
  std::string ClassName() const override { return "TPageControl"; }

  int PageCount() const { return static_cast<int>(pages_.size()); }
  TTabSheet* Pages(int index) const { return pages_.at(static_cast<std::size_t>(index)); }
  TTabSheet* ActivePage() const { return activePage_; }
  // Shows the page (nullptr: none); in code, without OnChanging or OnChange.
  void SetActivePage(TTabSheet* page);
  int ActivePageIndex() const;
  void SetActivePageIndex(int value);
  // The next (or previous) page with a shown tab, wrapping around.
  TTabSheet* FindNextPage(TTabSheet* current, bool goForward, bool checkTabVisible) const;
  // Moves to it as the user would (OnChanging may refuse).
  void SelectNextPage(bool goForward);

 protected:
  int TabCount() const override;
  std::string TabCaption(int index) const override;
  int TabImageIndex(int index) const override;
  int CurrentTab() const override;
  void SetCurrentTab(int index) override;

 private:
  friend class TTabSheet;
  void InsertPage(TTabSheet* page);
  void RemovePage(TTabSheet* page);
  void MovePage(TTabSheet* page, int index);
  TTabSheet* PageOfTab(int tabIndex) const;

  std::vector<TTabSheet*> pages_;
  TTabSheet* activePage_ = nullptr;
};
