// The list view as the program sees it: columns, items, properties, the
// change notifications turned into events, and sorting.

#include "platform/framework/ListView.h"

#include <algorithm>

#include "platform/framework/SysUtils.h"

// ---- Columns ----------------------------------------------------------------------

void TListColumn::Update() { owner_->SyncHeaderColumn(index_); }

void TListColumn::SetCaption(const std::string& value) {
  caption_ = value;
  Update();
}

void TListColumn::SetWidth(int value) {
  width_ = std::max(0, value);
  Update();
}

void TListColumn::SetAlignment(TAlignment value) {
  alignment_ = value;
  Update();
}

void TListColumn::SetImageIndex(int value) {
  imageIndex_ = value;
  Update();
}

TListColumn* TListColumns::Add() {
  columns_.push_back(std::make_unique<TListColumn>(owner_, Count()));
  if (owner_->header_) {
    HDITEM hdi;
    hdi.mask = HDI_WIDTH | HDI_TEXT | HDI_FORMAT;
    hdi.cxy = columns_.back()->Width();
    SendMessage(owner_->header_, HDM_INSERTITEM, static_cast<WPARAM>(Count() - 1), reinterpret_cast<LPARAM>(&hdi));
  }
  owner_->Changed();
  return columns_.back().get();
}

TListColumn* TListColumns::Items(int index) const {
  if (index < 0 || index >= Count()) throw EListError("Column index out of bounds (" + std::to_string(index) + ")");
  return columns_[index].get();
}

void TListColumns::Clear() {
  columns_.clear();
  if (owner_->header_)
    while (SendMessage(owner_->header_, HDM_GETITEMCOUNT, 0, 0) > 0) SendMessage(owner_->header_, HDM_DELETEITEM, 0, 0);
  owner_->Changed();
}

// ---- Items ------------------------------------------------------------------------

int TListItem::Index() const { return owner_->IndexOf(this); }

void TListItem::SetCaption(const std::string& value) {
  if (caption_ == value || !owner_->AllowTextChange(this)) return;
  caption_ = value;
  owner_->TextChanged(this);
}

void TListItem::SetImageIndex(int value) {
  imageIndex_ = value;
  owner_->Invalidate();
}

void TListItem::SetSelected(bool value) {
  owner_->ChangeState(Index(), value ? LVIS_SELECTED : 0, LVIS_SELECTED);
}

void TListItem::SetFocused(bool value) {
  owner_->ChangeState(Index(), value ? LVIS_FOCUSED : 0, LVIS_FOCUSED);
}

void TListItem::MakeVisible(bool partialOK) {
  owner_->Perform(LVM_ENSUREVISIBLE, static_cast<WPARAM>(Index()), partialOK);
}

TRect TListItem::DisplayRect() {
  TRect r;
  owner_->Perform(LVM_GETITEMRECT, static_cast<WPARAM>(Index()), reinterpret_cast<LPARAM>(&r));
  return r;
}

void TListItem::Delete() { owner_->Perform(LVM_DELETEITEM, static_cast<WPARAM>(Index()), 0); }

TListItem* TListItems::Add() { return Insert(Count()); }

TListItem* TListItems::Insert(int index) {
  auto& items = owner_->items_;
  index = std::clamp(index, 0, Count());
  items.insert(items.begin() + index, std::make_unique<TListItem>(owner_));
  if (owner_->checkboxes_) items[index]->state_ = INDEXTOSTATEIMAGEMASK(1);
  owner_->RowsInserted(index, 1);
  owner_->Changed();
  return items[index].get();
}

void TListItems::Delete(int index) {
  if (index < 0 || index >= Count()) throw EListError("List index out of bounds (" + std::to_string(index) + ")");
  owner_->Perform(LVM_DELETEITEM, static_cast<WPARAM>(index), 0);
}

void TListItems::Clear() { owner_->Perform(LVM_DELETEALLITEMS, 0, 0); }

int TListItems::Count() const { return static_cast<int>(owner_->items_.size()); }

TListItem* TListItems::Item(int index) const {
  if (index < 0 || index >= Count()) throw EListError("List index out of bounds (" + std::to_string(index) + ")");
  return owner_->items_[index].get();
}

void TListItems::BeginUpdate() { ++owner_->updateCount_; }

void TListItems::EndUpdate() {
  if (owner_->updateCount_ > 0 && --owner_->updateCount_ == 0) {
    owner_->SortIfWanted();
    owner_->Changed();
  }
}

// ---- The list view ---------------------------------------------------------------

TListView::TListView(TComponent* owner)
    : TRowView(owner), columns_(this), itemsApi_(this) {
  controlStyle_ = csCaptureMouse | csClickEvents | csDoubleClicks | csSetCaption | csOpaque;
  SetBounds(0, 0, 250, 150);
  SetTabStop(true);
  SetColor(clWindow);
}

TListView::~TListView() = default;

void TListView::CreateParams(TCreateParams& params) {
  TRowView::CreateParams(params);
  params.Style |= WS_VSCROLL | WS_HSCROLL;
  if (borderStyle_ == bsSingle) params.ExStyle |= WS_EX_CLIENTEDGE;
}

void TListView::CreateWnd() {
  TRowView::CreateWnd();
  header_ = CreateWindowEx(0, HeaderControlClass(), "", WS_CHILD | (showColumnHeaders_ ? WS_VISIBLE : 0), 0, 0,
                           ClientWidth(), HeaderHeight(), Handle(), 0);
  SendMessage(header_, HDM_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(smallImages_));
  for (int i = 0; i < columns_.Count(); ++i) {
    HDITEM hdi;
    hdi.mask = HDI_WIDTH;
    SendMessage(header_, HDM_INSERTITEM, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&hdi));
    SyncHeaderColumn(i);
  }
  Changed();
}

void TListView::DestroyWnd() {
  header_ = nullptr;  // goes with its parent
  TRowView::DestroyWnd();
}

HWND TListView::HeaderHandle() {
  HandleNeeded();
  return header_;
}

void TListView::SyncHeaderColumn(int index) {
  if (!header_ || index < 0 || index >= columns_.Count()) return;
  TListColumn* column = columns_.Items(index);
  HDITEM hdi;
  hdi.mask = HDI_WIDTH | HDI_TEXT | HDI_FORMAT | HDI_IMAGE;
  hdi.cxy = column->Width();
  hdi.pszText = column->Caption();
  hdi.fmt = column->Alignment() == taRightJustify ? HDF_RIGHT : column->Alignment() == taCenter ? HDF_CENTER : HDF_LEFT;
  if (column->ImageIndex() >= 0) hdi.fmt |= HDF_IMAGE;
  hdi.iImage = column->ImageIndex();
  SendMessage(header_, HDM_SETITEM, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&hdi));
}

void TListView::SetRowSelect(bool value) {
  rowSelect_ = value;
  Invalidate();
}

void TListView::SetGridLines(bool value) {
  gridLines_ = value;
  Invalidate();
}

void TListView::SetMultiSelect(bool value) {
  if (multiSelect_ == value) return;
  multiSelect_ = value;
  // Down to one selected item: the first one stays.
  if (!value) {
    TListItem* keep = Selected();
    for (auto& item : items_)
      if (item.get() != keep && item->Selected()) item->SetSelected(false);
  }
}

void TListView::SetShowColumnHeaders(bool value) {
  showColumnHeaders_ = value;
  if (header_) ShowWindow(header_, value ? SW_SHOWNOACTIVATE : SW_HIDE);
  Changed();
}

void TListView::SetSmallImages(TImageList* value) {
  smallImages_ = value;
  // The column images come from the same list.
  if (header_) SendMessage(header_, HDM_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(value));
  Changed();
}

void TListView::SetBorderStyle(TBorderStyle value) {
  if (borderStyle_ == value) return;
  borderStyle_ = value;
  RecreateWnd();
}

void TListView::SetSortType(TSortType value) {
  sortType_ = value;
  SortIfWanted();
}

int TListView::SelCount() { return static_cast<int>(Perform(LVM_GETSELECTEDCOUNT, 0, 0)); }

TListItem* TListView::Selected() {
  auto index = static_cast<int>(Perform(LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
  return index >= 0 ? items_[index].get() : nullptr;
}

void TListView::SetSelected(TListItem* item) {
  ClearSelection();
  if (item) item->SetSelected(true);
}

TListItem* TListView::ItemFocused() {
  auto index = static_cast<int>(Perform(LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_FOCUSED));
  return index >= 0 ? items_[index].get() : nullptr;
}

void TListView::SetItemFocused(TListItem* item) {
  if (item) item->SetFocused(true);
  else if (TListItem* focused = ItemFocused()) focused->SetFocused(false);
}

TListItem* TListView::TopItem() {
  int top = static_cast<int>(Perform(LVM_GETTOPINDEX, 0, 0));
  return top < static_cast<int>(items_.size()) ? items_[top].get() : nullptr;
}

int TListView::VisibleRowCount() { return static_cast<int>(Perform(LVM_GETCOUNTPERPAGE, 0, 0)); }

TListItem* TListView::GetItemAt(int x, int y) {
  bool outside = true;
  int row = RowAt({x, y}, &outside);
  if (outside) return nullptr;
  // Outside the row's cells only a row-select list view finds the item.
  if (!rowSelect_ && columns_.Count() > 0 && x + scrollX_ >= TotalColumnWidth()) return nullptr;
  return items_[row].get();
}

void TListView::Scroll(int dx, int dy) { Perform(LVM_SCROLL, static_cast<WPARAM>(dx), static_cast<LPARAM>(dy)); }

void TListView::ClearSelection() {
  LVITEMSTATE none{0, LVIS_SELECTED};
  Perform(LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&none));
}

void TListView::SelectAll() {
  if (!multiSelect_) return;
  LVITEMSTATE all{LVIS_SELECTED, LVIS_SELECTED};
  Perform(LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&all));
}

int TListView::IndexOf(const TListItem* item) const {
  for (int i = 0; i < static_cast<int>(items_.size()); ++i)
    if (items_[i].get() == item) return i;
  return -1;
}

bool TListView::AllowTextChange(TListItem* item) {
  bool allow = true;
  if (OnChanging) OnChanging(this, item, ctText, allow);
  return allow;
}

void TListView::TextChanged(TListItem* item) {
  if (OnChange) OnChange(this, item, ctText);
  SortIfWanted();
  Invalidate();
}

void TListView::SortIfWanted() {
  if (sortType_ != stNone && updateCount_ == 0) AlphaSort();
}

bool TListView::AlphaSort() {
  if (OnCompare) {
    return CustomSort([this](TListItem* a, TListItem* b, LPARAM) {
      int compare = 0;
      OnCompare(this, a, b, 0, compare);
      return compare;
    }, 0);
  }
  return CustomSort([](TListItem* a, TListItem* b, LPARAM) { return CompareText(a->Caption(), b->Caption()); }, 0);
}

bool TListView::CustomSort(const TLVCompare& compare, LPARAM data) {
  if (!compare) return AlphaSort();
  int anchor = Anchor();
  TListItem* anchorItem = anchor >= 0 && anchor < static_cast<int>(items_.size()) ? items_[anchor].get() : nullptr;
  std::stable_sort(items_.begin(), items_.end(), [&](const std::unique_ptr<TListItem>& a, const std::unique_ptr<TListItem>& b) {
    return compare(a.get(), b.get(), data) < 0;
  });
  SetAnchor(IndexOf(anchorItem));
  Invalidate();
  return true;
}

void TListView::Dispatch(TMessage& m) {
  if (m.Msg == CN_NOTIFY) {
    CNNotify(m);
    return;
  }
  TRowView::Dispatch(m);
}

void TListView::CNNotify(TMessage& m) {
  auto* hdr = reinterpret_cast<const NMHDR*>(m.LParam);
  if (!hdr) return;
  if (hdr->code == LVN_COLUMNCLICK) {
    auto* nm = reinterpret_cast<const NMLISTVIEW*>(m.LParam);
    if (OnColumnClick && nm->iSubItem >= 0 && nm->iSubItem < columns_.Count())
      OnColumnClick(this, columns_.Items(nm->iSubItem));
    return;
  }
  if (hdr->code != LVN_ITEMCHANGING && hdr->code != LVN_ITEMCHANGED) return;
  auto* nm = reinterpret_cast<const NMLISTVIEW*>(m.LParam);
  if (nm->iItem < 0 || nm->iItem >= static_cast<int>(items_.size())) return;
  TListItem* item = items_[nm->iItem].get();
  if (hdr->code == LVN_ITEMCHANGING) {
    bool allow = true;
    if (OnChanging) OnChanging(this, item, ctState, allow);
    m.Result = allow ? FALSE : TRUE;
    return;
  }
  if (OnChange) OnChange(this, item, ctState);
  if (OnSelectItem && ((nm->uNewState ^ nm->uOldState) & LVIS_SELECTED))
    OnSelectItem(this, item, (nm->uNewState & LVIS_SELECTED) != 0);
}
