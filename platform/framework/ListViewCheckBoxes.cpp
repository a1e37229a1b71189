// Check boxes of the list view: the extended styles, the state image of
// each item (1 unchecked, 2 checked) toggled by a click on the box or the
// space bar, and the box drawn flat at the left of the first column.

#include <algorithm>

#include "platform/framework/ListView.h"

namespace {
constexpr int kBoxSize = 13;
constexpr UINT kUnchecked = INDEXTOSTATEIMAGEMASK(1);
constexpr UINT kChecked = INDEXTOSTATEIMAGEMASK(2);
}  // namespace

void TListItem::SetChecked(bool value) {
  owner_->ChangeState(Index(), value ? kChecked : kUnchecked, LVIS_STATEIMAGEMASK);
}

void TListView::SetCheckboxes(bool value) {
  Perform(LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_CHECKBOXES, value ? LVS_EX_CHECKBOXES : 0);
}

LRESULT TListView::ExtendedStyle() const {
  return (gridLines_ ? LVS_EX_GRIDLINES : 0) | (checkboxes_ ? LVS_EX_CHECKBOXES : 0) |
         (rowSelect_ ? LVS_EX_FULLROWSELECT : 0);
}

void TListView::SetExtendedStyle(DWORD mask, DWORD styles) {
  if (mask == 0) mask = LVS_EX_GRIDLINES | LVS_EX_CHECKBOXES | LVS_EX_FULLROWSELECT;
  if (mask & LVS_EX_GRIDLINES) gridLines_ = (styles & LVS_EX_GRIDLINES) != 0;
  if (mask & LVS_EX_FULLROWSELECT) rowSelect_ = (styles & LVS_EX_FULLROWSELECT) != 0;
  if (mask & LVS_EX_CHECKBOXES) {
    bool on = (styles & LVS_EX_CHECKBOXES) != 0;
    // Turning the boxes on shows every item without a state image unchecked.
    if (on && !checkboxes_)
      for (auto& item : items_)
        if ((item->state_ & LVIS_STATEIMAGEMASK) == 0) item->state_ |= kUnchecked;
    checkboxes_ = on;
  }
  Changed();
}

bool TListView::OnCheckBox(int index, int x) {
  if (!checkboxes_ || index < 0 || index >= static_cast<int>(items_.size())) return false;
  TRect row = ItemRowRect(index);
  int right = row.Left + 2 + StateImageWidth();
  if (columns_.Count() > 0) right = std::min(right, row.Left + columns_.Items(0)->Width());
  return x >= row.Left && x < right;
}

// Unchecked and items without a state image become checked, checked ones unchecked.
void TListView::ToggleCheck(int index) {
  if (index < 0 || index >= static_cast<int>(items_.size())) return;
  bool checked = (items_[index]->state_ & LVIS_STATEIMAGEMASK) == kChecked;
  ChangeState(index, checked ? kUnchecked : kChecked, LVIS_STATEIMAGEMASK);
}

void TListView::PaintCheckBox(TCanvas& c, TListItem* item, const TRect& row) {
  UINT image = item->state_ & LVIS_STATEIMAGEMASK;
  if (image != kUnchecked && image != kChecked) return;
  int left = row.Left + 2 + (StateImageWidth() - kBoxSize) / 2;
  TRect box{left, row.Top + (row.Height() - kBoxSize) / 2, 0, 0};
  box.Right = box.Left + kBoxSize;
  box.Bottom = box.Top + kBoxSize;
  c.Brush()->SetColor(clBtnShadow);
  c.FrameRect(box);
  c.Brush()->SetColor(Enabled() ? clWindow : clBtnFace);
  c.FillRect({box.Left + 1, box.Top + 1, box.Right - 1, box.Bottom - 1});
  if (image != kChecked) return;
  // The tick: seven columns, three pixels tall, down two steps then up four.
  c.Brush()->SetColor(Enabled() ? clWindowText : clGrayText);
  int x = box.Left + 3, y = box.Top + 5;
  for (int i = 0; i < 7; ++i) {
    int dy = i <= 2 ? i : 4 - i;
    c.FillRect({x + i, y + dy, x + i + 1, y + dy + 3});
  }
}
