#include "skin/ZELPageControl.h"

#include <algorithm>

#include "platform/base/Exceptions.h"
#include "platform/framework/Forms.h"
#include "skin/ZELPublic.h"

namespace {

TBytes NamesToBytes(const std::vector<std::string>& names) {
  std::string text;
  for (const std::string& name : names) text += name + "\n";
  return TBytes(text.begin(), text.end());
}

std::vector<std::string> NamesFromBytes(const TBytes& data) {
  std::vector<std::string> names;
  std::string name;
  for (std::uint8_t byte : data) {
    if (byte == '\n') {
      if (!name.empty()) names.push_back(name);
      name.clear();
    } else {
      name += char(byte);
    }
  }
  if (!name.empty()) names.push_back(name);
  return names;
}

TzelTabControlTopPanel* CreatePageStrip(TzelTab* tabControl) { return new TzelPageControlTopPanel(tabControl); }

}  // namespace

// ---- TzelPageControl -------------------------------------------------------------------

TzelPageControl::TzelPageControl(TComponent* owner) : TzelTab(owner, CreatePageStrip) {
  Strip()->Tabs()->Clear();
  Publish("ActivePage", &TzelPageControl::ActivePage, &TzelPageControl::SetActivePage);
  PublishReadOnly("PageCount", &TzelPageControl::PageCount);
  DefineStoredProperty(
      "Pages",
      [this](const TBytes& data) {
        storedNames_ = NamesFromBytes(data);
        SheetRead();
      },
      [this]() {
        std::vector<std::string> names;
        for (TzelTabSheet* page : pages_) names.push_back(page->Name());
        return NamesToBytes(names);
      });
}

TzelPageControl::~TzelPageControl() {
  for (TzelTabSheet* page : pages_) {
    page->pageControl_ = nullptr;
    page->pageIndex_ = -1;
  }
  pages_.clear();
  activePage_ = nullptr;
}

TzelTabSheet* TzelPageControl::Pages(int index) const {
  return index >= 0 && index < PageCount() ? pages_[std::size_t(index)] : nullptr;
}

int TzelPageControl::GetTabImageIndex(int tabIndex) const {
  const TzelTabSheet* page = Pages(tabIndex);
  return page ? page->ImageIndex() : -1;
}

void TzelPageControl::Renumber() {
  for (std::size_t i = 0; i < pages_.size(); ++i) pages_[i]->pageIndex_ = int(i);
}

// The tab texts and the tabs' visibility follow the pages in page order.
void TzelPageControl::RewriteTabs() {
  TStringList* tabs = Strip()->Tabs();
  tabs->BeginUpdate();
  tabs->Clear();
  for (TzelTabSheet* page : pages_) tabs->Add(page->Caption());
  tabs->EndUpdate();
  for (std::size_t i = 0; i < pages_.size(); ++i) Strip()->SetTabShown(int(i), pages_[i]->TabVisible());
}

void TzelPageControl::InsertPage(TzelTabSheet* page) {
  page->pageControl_ = this;
  page->SetColor(Color());
  pages_.push_back(page);
  Renumber();
  RewriteTabs();
  SetActivePage(page);
}

void TzelPageControl::RemovePage(TzelTabSheet* page) {
  auto it = std::find(pages_.begin(), pages_.end(), page);
  if (it == pages_.end()) return;
  const int removed = int(it - pages_.begin());
  pages_.erase(it);
  page->pageControl_ = nullptr;
  page->pageIndex_ = -1;
  if (activePage_ == page) activePage_ = nullptr;
  Renumber();
  RewriteTabs();
  // The page before the removed one; removing the first page shows the
  // new first page rather than none.
  SelectByIndex(removed > 0 ? removed - 1 : (pages_.empty() ? -1 : 0));
}

void TzelPageControl::MovePage(TzelTabSheet* page, int index) {
  auto it = std::find(pages_.begin(), pages_.end(), page);
  if (it == pages_.end() || index < 0 || index >= PageCount()) return;
  pages_.erase(it);
  pages_.insert(pages_.begin() + index, page);
  Renumber();
  RewriteTabs();
  SetActivePage(page);
}

void TzelPageControl::PageTabVisibleChanged(TzelTabSheet* page) {
  Strip()->SetTabShown(page->PageIndex(), page->TabVisible());
  if (page->TabVisible() || page != activePage_) return;
  // The closest shown page before it, else the first shown one after it.
  for (int i = page->PageIndex() - 1; i >= 0; --i)
    if (pages_[std::size_t(i)]->TabVisible()) return SelectByIndex(i);
  for (int i = page->PageIndex() + 1; i < PageCount(); ++i)
    if (pages_[std::size_t(i)]->TabVisible()) return SelectByIndex(i);
}

void TzelPageControl::SelectByIndex(int index) { SetActivePage(Pages(index)); }

void TzelPageControl::HidePrevious(TzelTabSheet* next) {
  TzelTabSheet* previous = activePage_;
  if (!previous || previous == next) return;
  // Hidden as well as disabled, so it can never show through the new page.
  previous->SetEnabled(false);
  previous->SetVisible(false);
  if (previous->OnHide) previous->OnHide(previous);
}

void TzelPageControl::ShowPage(TzelTabSheet* page) {
  page->SetVisible(true);
  page->SetEnabled(true);
  page->BringToFront();
  page->Invalidate();
}

void TzelPageControl::SetActivePage(TzelTabSheet* page) {
  if (page && page->pageControl_ != this) return;
  HidePrevious(page);
  activePage_ = page;
  if (!page) return;
  activating_ = true;
  try {
    SelectTab(page->PageIndex());
  } catch (...) {
    activating_ = false;
    throw;
  }
  activating_ = false;
  ShowPage(page);
  if (page->OnShow) page->OnShow(page);
}

void TzelPageControl::SelectTab(int tabIndex) { TzelTab::SelectTab(tabIndex); }

void TzelPageControl::FocusFirstChild(TzelTabSheet* page) {
  if (IsLoading() || IsDesigning() || page->ControlCount() == 0) return;
  auto* first = dynamic_cast<TWinControl*>(page->Controls(0));
  if (!first || !first->Visible()) return;
  try {
    if (first->CanFocus())
      if (TCustomForm* form = ParentForm()) form->SetActiveControl(first);
  } catch (const Exception&) {
    // A page that cannot give its first control the focus still shows.
  }
}

void TzelPageControl::TabChanged(int tabIndex) {
  if (!activating_) {
    TzelTabSheet* page = Pages(tabIndex);
    HidePrevious(page);
    activePage_ = page;
    if (page) {
      ShowPage(page);
      if (!Strip()->Focused()) FocusFirstChild(page);
      if (page->OnShow) page->OnShow(page);
    }
  }
  TzelTab::TabChanged(tabIndex);
}

void TzelPageControl::ApplyThemeToPages(TzelUIStyle style, TzelFileTheme* fileTheme) {
  for (TzelTabSheet* page : pages_) {
    ApplyThemeToChildren(*page, style, fileTheme);
    page->SetColor(Color());
    page->SetAlign(alClient);
  }
}

void TzelPageControl::BorderColorChanged() {
  if (activePage_) activePage_->Invalidate();
}

void TzelPageControl::CMColorChanged(TMessage& message) {
  TzelTab::CMColorChanged(message);
  if (IsLoading()) return;
  for (TzelTabSheet* page : pages_) page->SetColor(Color());
}

void TzelPageControl::SheetRead() {
  if (!storedNames_.empty() && storedNames_.size() == pages_.size()) ApplyStoredOrder();
}

// Pages take the order the form description stored; a page whose name
// is not among the stored ones keeps its place after them.
void TzelPageControl::ApplyStoredOrder() {
  auto rank = [this](TzelTabSheet* page) {
    auto it = std::find(storedNames_.begin(), storedNames_.end(), page->Name());
    return int(it - storedNames_.begin());
  };
  std::stable_sort(pages_.begin(), pages_.end(),
                   [&rank](TzelTabSheet* a, TzelTabSheet* b) { return rank(a) < rank(b); });
  storedNames_.clear();
  Renumber();
  RewriteTabs();
  if (activePage_) SelectTab(activePage_->PageIndex());
}

// ---- TzelTabSheet ------------------------------------------------------------------------

TzelTabSheet::TzelTabSheet(TComponent* owner) : TCustomPanel(owner) {
  SetBevelInner(bvNone);
  SetBevelOuter(bvNone);
  TControl::SetText(" ");
  SetAlign(alClient);
  Publish("Caption", &TzelTabSheet::Caption, &TzelTabSheet::SetCaption);
  Publish("TabVisible", &TzelTabSheet::TabVisible, &TzelTabSheet::SetTabVisible);
  Publish("ImageIndex", &TzelTabSheet::ImageIndex, &TzelTabSheet::SetImageIndex);
  Publish("PageIndex", &TzelTabSheet::PageIndex, &TzelTabSheet::SetPageIndex);
  DefineStoredProperty(
      "PageControl",
      [this](const TBytes& data) {
        const std::string name(data.begin(), data.end());
        auto* control = Owner() ? dynamic_cast<TzelPageControl*>(Owner()->FindComponent(name)) : nullptr;
        if (!control) return;
        SetParent(control);
        control->SheetRead();
      },
      [this]() {
        const std::string name = pageControl_ ? pageControl_->Name() : std::string();
        return TBytes(name.begin(), name.end());
      });
}

TzelTabSheet::~TzelTabSheet() {
  // Off the page control first, so it drops the page and its tab.
  if (pageControl_) SetParent(nullptr);
}

void TzelTabSheet::SetParent(TWinControl* parent) {
  if (parent == Parent()) return;
  TzelPageControl* previous = pageControl_;
  TCustomPanel::SetParent(parent);
  if (previous) previous->RemovePage(this);
  if (auto* control = dynamic_cast<TzelPageControl*>(parent)) control->InsertPage(this);
}

void TzelTabSheet::SetVisible(bool value) {
  TCustomPanel::SetVisible(value);
  if (value && pageControl_ && pageControl_->ActivePage() != this) pageControl_->SetActivePage(this);
}

void TzelTabSheet::SetCaption(const std::string& value) {
  caption_ = value;
  if (pageControl_) pageControl_->RewriteTabs();
}

void TzelTabSheet::SetTabVisible(bool value) {
  if (value == tabVisible_) return;
  tabVisible_ = value;
  if (pageControl_) pageControl_->PageTabVisibleChanged(this);
}

// Kept also outside a page control, so a description that sets it before
// the sheet joins its page control does not lose it.
void TzelTabSheet::SetImageIndex(int value) {
  imageIndex_ = value;
  if (pageControl_) pageControl_->Strip()->Invalidate();
}

void TzelTabSheet::SetPageIndex(int value) {
  if (pageControl_) pageControl_->MovePage(this, value);
}
