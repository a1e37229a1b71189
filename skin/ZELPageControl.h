#pragma once
// A themed page control: one tab per page (TzelTabSheet), the page of the
// selected tab shown in front. Pages join by becoming children of the
// page control and leave by being taken off it or freed.

#include <string>
#include <vector>

#include "skin/ZELTabControl.h"

class TzelTabSheet;

// The page control's strip; nothing of its own beyond the plain strip.
class TzelPageControlTopPanel : public TzelTabControlTopPanel {
 public:
  explicit TzelPageControlTopPanel(TzelTab* tabControl) : TzelTabControlTopPanel(tabControl) {}
  std::string ClassName() const override { return "TzelPageControlTopPanel"; }
};

class TzelPageControl : public TzelTab {
 public:
  explicit TzelPageControl(TComponent* owner);
  ~TzelPageControl() override;
  std::string ClassName() const override { return "TzelPageControl"; }

  TzelTabSheet* ActivePage() const { return activePage_; }
  void SetActivePage(TzelTabSheet* page);
  int PageCount() const { return int(pages_.size()); }
  TzelTabSheet* Pages(int index) const;

  int GetTabImageIndex(int tabIndex) const override;
  void SelectTab(int tabIndex) override;
  void TabChanged(int tabIndex) override;

  // Called by the sheets.
  void InsertPage(TzelTabSheet* page);
  void RemovePage(TzelTabSheet* page);
  void MovePage(TzelTabSheet* page, int index);
  void PageTabVisibleChanged(TzelTabSheet* page);
  void RewriteTabs();
  // A sheet read from a form description has joined; once every stored
  // page name has its sheet, the stored order is applied.
  void SheetRead();

 protected:
  void ApplyThemeToPages(TzelUIStyle style, TzelFileTheme* fileTheme) override;
  void BorderColorChanged() override;
  void CMColorChanged(TMessage& message) override;

 private:
  void Renumber();
  void SelectByIndex(int index);
  void HidePrevious(TzelTabSheet* next);
  void ShowPage(TzelTabSheet* page);
  void FocusFirstChild(TzelTabSheet* page);
  void ApplyStoredOrder();

  std::vector<TzelTabSheet*> pages_;
  std::vector<std::string> storedNames_;
  TzelTabSheet* activePage_ = nullptr;
  bool activating_ = false;
};

class TzelTabSheet : public TCustomPanel {
 public:
  explicit TzelTabSheet(TComponent* owner);
  ~TzelTabSheet() override;
  std::string ClassName() const override { return "TzelTabSheet"; }

  TzelPageControl* PageControl() const { return pageControl_; }
  // -1 until the sheet is on a page control.
  int PageIndex() const { return pageIndex_; }
  void SetPageIndex(int value);
  std::string Caption() const { return caption_; }
  void SetCaption(const std::string& value);
  bool TabVisible() const { return tabVisible_; }
  void SetTabVisible(bool value);
  int ImageIndex() const { return imageIndex_; }
  void SetImageIndex(int value);

  void SetParent(TWinControl* parent) override;
  void SetVisible(bool value) override;

  TNotifyEvent OnShow;
  TNotifyEvent OnHide;

 private:
  friend class TzelPageControl;
  TzelPageControl* pageControl_ = nullptr;
  int pageIndex_ = -1;
  std::string caption_;
  bool tabVisible_ = true;
  int imageIndex_ = -1;
};
