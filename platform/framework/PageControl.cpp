// Page controls and their pages: one page shown at a time, its tab the
// current one.

#include <algorithm>

#include "platform/framework/PageControls.h"

// ---- TTabSheet -------------------------------------------------------------------

TTabSheet::TTabSheet(TComponent* owner) : TCustomControl(owner) {
  SetAlign(alClient);
  SetVisible(false);
  controlStyle_ |= csAcceptsControls;
  Publish("PageControl", &TTabSheet::PageControl, &TTabSheet::SetPageControl);
  Publish("TabVisible", &TTabSheet::TabVisible, &TTabSheet::SetTabVisible);
  Publish("ImageIndex", &TTabSheet::ImageIndex, &TTabSheet::SetImageIndex);
}

TTabSheet::~TTabSheet() {
  if (pageControl_) pageControl_->RemovePage(this);
}

void TTabSheet::SetPageControl(TPageControl* control) {
  if (control == pageControl_) return;
  if (pageControl_) pageControl_->RemovePage(this);
  SetParent(control);
  if (control) control->InsertPage(this);
}

int TTabSheet::PageIndex() const {
  if (!pageControl_) return -1;
  auto& pages = pageControl_->pages_;
  return static_cast<int>(std::find(pages.begin(), pages.end(), this) - pages.begin());
}

void TTabSheet::SetPageIndex(int value) {
  if (pageControl_ && value >= 0 && value < pageControl_->PageCount()) pageControl_->MovePage(this, value);
}

int TTabSheet::TabIndex() const {
  if (!pageControl_ || !tabVisible_) return -1;
  int index = 0;
  for (TTabSheet* page : pageControl_->pages_) {
    if (page == this) return index;
    if (page->tabVisible_) ++index;
  }
  return -1;
}

void TTabSheet::SetTabVisible(bool value) {
  if (value == tabVisible_) return;
  tabVisible_ = value;
  if (!pageControl_) return;
  // A hidden active page hands over to the next shown one.
  if (!value && pageControl_->activePage_ == this)
    pageControl_->SetActivePage(pageControl_->FindNextPage(this, true, true));
  pageControl_->TabsChanged();
}

void TTabSheet::SetImageIndex(int value) {
  imageIndex_ = value;
  if (pageControl_) pageControl_->TabsChanged();
}

void TTabSheet::CMTextChanged(TMessage& m) {
  TCustomControl::CMTextChanged(m);
  if (pageControl_) pageControl_->TabsChanged();
}

void TTabSheet::Paint() {
  Canvas()->Brush()->SetColor(Color());
  Canvas()->FillRect(ClientRect());
}

// ---- TPageControl ------------------------------------------------------------------

TPageControl::TPageControl(TComponent* owner) : TCustomTabControl(owner) {
  Publish("ActivePage", &TPageControl::ActivePage, &TPageControl::SetActivePage);
}

TPageControl::~TPageControl() {
  Destroying();
  for (TTabSheet* page : pages_) page->pageControl_ = nullptr;
  pages_.clear();
}

void TPageControl::InsertPage(TTabSheet* page) {
  pages_.push_back(page);
  page->pageControl_ = this;
  page->SetVisible(false);
  if (!activePage_) SetActivePage(page);
  TabsChanged();
}

void TPageControl::RemovePage(TTabSheet* page) {
  auto it = std::find(pages_.begin(), pages_.end(), page);
  if (it == pages_.end()) return;
  TTabSheet* next = activePage_ == page ? FindNextPage(page, true, true) : activePage_;
  pages_.erase(it);
  page->pageControl_ = nullptr;
  if (activePage_ == page) {
    activePage_ = nullptr;
    SetActivePage(next == page ? nullptr : next);
  }
  if (!IsDestroying()) TabsChanged();
}

void TPageControl::MovePage(TTabSheet* page, int index) {
  auto it = std::find(pages_.begin(), pages_.end(), page);
  if (it == pages_.end()) return;
  pages_.erase(it);
  pages_.insert(pages_.begin() + std::clamp(index, 0, static_cast<int>(pages_.size())), page);
  TabsChanged();
}

void TPageControl::SetActivePage(TTabSheet* page) {
  if (page && page->pageControl_ != this) return;
  if (page == activePage_) return;
  TTabSheet* old = activePage_;
  activePage_ = page;
  if (page) {
    page->SetVisible(true);
    page->BringToFront();
    if (page->OnShow) page->OnShow(page);
  }
  if (old) {
    old->SetVisible(false);
    if (old->OnHide) old->OnHide(old);
  }
  Invalidate();
}

int TPageControl::ActivePageIndex() const { return activePage_ ? activePage_->PageIndex() : -1; }

void TPageControl::SetActivePageIndex(int value) {
  if (value >= 0 && value < PageCount()) SetActivePage(Pages(value));
  else if (value == -1) SetActivePage(nullptr);
}

TTabSheet* TPageControl::FindNextPage(TTabSheet* current, bool goForward, bool checkTabVisible) const {
  int count = PageCount();
  if (count == 0) return nullptr;
  auto it = std::find(pages_.begin(), pages_.end(), current);
  int start = it == pages_.end() ? (goForward ? count - 1 : 0) : static_cast<int>(it - pages_.begin());
  int i = start;
  for (int n = 0; n < count; ++n) {
    i = goForward ? (i + 1) % count : (i + count - 1) % count;
    TTabSheet* page = pages_[static_cast<std::size_t>(i)];
    if (!checkTabVisible || page->TabVisible()) return page;
  }
  return nullptr;
}

void TPageControl::SelectNextPage(bool goForward) {
  TTabSheet* next = FindNextPage(activePage_, goForward, true);
  if (next && next != activePage_) SelectTabByUser(next->TabIndex());
}

TTabSheet* TPageControl::PageOfTab(int tabIndex) const {
  for (TTabSheet* page : pages_)
    if (page->TabVisible() && tabIndex-- == 0) return page;
  return nullptr;
}

int TPageControl::TabCount() const {
  return static_cast<int>(std::count_if(pages_.begin(), pages_.end(), [](TTabSheet* p) { return p->TabVisible(); }));
}

std::string TPageControl::TabCaption(int index) const {
  TTabSheet* page = PageOfTab(index);
  return page ? page->Caption() : std::string();
}

int TPageControl::TabImageIndex(int index) const {
  TTabSheet* page = PageOfTab(index);
  return page ? page->ImageIndex() : -1;
}

int TPageControl::CurrentTab() const { return activePage_ ? activePage_->TabIndex() : -1; }

void TPageControl::SetCurrentTab(int index) { SetActivePage(PageOfTab(index)); }
