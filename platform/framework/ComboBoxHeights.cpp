// Heights in the combo box: the field's item (CB_ item -1) and, with
// variable heights, each list item measured through the combo box's own
// CN_MEASUREITEM when it is added and when the window is made.

#include <algorithm>

#include "platform/framework/ListControls.h"

namespace {
constexpr int kItemInset = 2;  // between the field's edge and its item
constexpr int kClientEdge = 2;
}  // namespace

int TComboBox::MeasureThroughCombo(int itemID, int height) {
  MEASUREITEMSTRUCT mis;
  mis.CtlType = ODT_COMBOBOX;
  mis.itemID = static_cast<UINT>(itemID);
  mis.itemHeight = static_cast<UINT>(std::clamp(height, 1, 255));
  if (!HandleAllocated()) return static_cast<int>(mis.itemHeight);
  mis.CtlID = static_cast<UINT>(GetWindowLong(Handle(), GWL_ID));
  mis.itemWidth = static_cast<UINT>(std::max(0, ClientWidth()));
  if (itemID >= 0) mis.itemData = list_->Perform(LB_GETITEMDATA, static_cast<WPARAM>(itemID), 0);
  NotifyOwnControl(Handle(), WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&mis));
  return std::clamp(static_cast<int>(mis.itemHeight), 1, 255);
}

void TComboBox::MeasureListItem(int index) {
  if (style_ != csOwnerDrawVariable || !HandleAllocated()) return;
  int height = MeasureThroughCombo(index, list_->ItemHeight());
  list_->Perform(LB_SETITEMHEIGHT, static_cast<WPARAM>(index), height);
}

void TComboBox::MeasureAll() {
  if (style_ != csOwnerDrawVariable || !HandleAllocated()) return;
  SetFieldItemHeight(MeasureThroughCombo(-1, list_->ItemHeight()));
  for (int i = 0; i < list_->Count(); ++i) MeasureListItem(i);
}

int TComboBox::FieldItemHeight() {
  if (fieldHeight_ > 0) return fieldHeight_;
  return std::max(1, FieldRect().Height() - 2 * kItemInset);
}

// The control takes the height the field's item needs (a simple combo box
// keeps its height and gives the rest to its list).
LRESULT TComboBox::SetFieldItemHeight(int height) {
  if (height <= 0 || height > 255) return CB_ERR;
  fieldHeight_ = height;
  if (style_ != csSimple) {
    int frame = HandleAllocated() ? Height() - ClientHeight() : 2 * kClientEdge;
    SetBounds(Left(), Top(), Width(), height + 2 * kItemInset + frame);
  }
  LayoutParts();
  Invalidate();
  return CB_OKAY;
}
