// The radio group: a group box that makes one radio button per item.

#include <algorithm>

#include "platform/framework/ExtCtrls.h"

TCustomRadioGroup::TCustomRadioGroup(TComponent* owner) : TCustomGroupBox(owner) {
  items_.OnChange = [this](TObject*) { ItemsChanged(); };
  Publish("ItemIndex", &TCustomRadioGroup::ItemIndex, &TCustomRadioGroup::SetItemIndex);
  Publish("Columns", &TCustomRadioGroup::Columns, &TCustomRadioGroup::SetColumns);
}

TCustomRadioGroup::~TCustomRadioGroup() {
  items_.OnChange = nullptr;
  for (TRadioButton* button : buttons_) button->OnClick = nullptr;
}

void TCustomRadioGroup::SetItemIndex(int value) {
  value = std::clamp(value, -1, items_.Count() - 1);
  if (value == itemIndex_) return;
  updating_ = true;
  if (itemIndex_ >= 0) buttons_[static_cast<std::size_t>(itemIndex_)]->SetChecked(false);
  itemIndex_ = value;
  if (itemIndex_ >= 0) buttons_[static_cast<std::size_t>(itemIndex_)]->SetChecked(true);
  updating_ = false;
}

void TCustomRadioGroup::SetColumns(int value) {
  value = std::clamp(value, 1, 16);
  if (value == columns_) return;
  columns_ = value;
  ArrangeButtons();
  Invalidate();
}

void TCustomRadioGroup::ItemsChanged() {
  while (static_cast<int>(buttons_.size()) > items_.Count()) {
    delete buttons_.back();
    buttons_.pop_back();
  }
  while (static_cast<int>(buttons_.size()) < items_.Count()) {
    auto* button = new TRadioButton(this);
    button->OnClick = [this, button](TObject*) { ButtonClicked(button); };
    button->SetParent(this);
    buttons_.push_back(button);
  }
  if (itemIndex_ >= items_.Count()) itemIndex_ = -1;
  updating_ = true;
  for (int i = 0; i < items_.Count(); ++i) {
    TRadioButton* button = buttons_[static_cast<std::size_t>(i)];
    button->SetCaption(items_[i]);
    button->SetChecked(i == itemIndex_);
  }
  updating_ = false;
  ArrangeButtons();
}

void TCustomRadioGroup::ArrangeButtons() {
  int count = static_cast<int>(buttons_.size());
  if (count == 0) return;
  int perColumn = (count + columns_ - 1) / columns_;
  int topMargin = Canvas()->TextHeight("0") + 1;
  int buttonWidth = (Width() - 10) / columns_;
  int buttonHeight = std::max(1, (Height() - topMargin - 5) / perColumn);
  for (int i = 0; i < count; ++i) {
    int left = (i / perColumn) * buttonWidth + 8;
    int top = (i % perColumn) * buttonHeight + topMargin;
    buttons_[static_cast<std::size_t>(i)]->SetBounds(left, top, buttonWidth, buttonHeight);
  }
}

void TCustomRadioGroup::ButtonClicked(TRadioButton* button) {
  if (updating_ || !button->Checked()) return;
  auto it = std::find(buttons_.begin(), buttons_.end(), button);
  if (it == buttons_.end()) return;
  itemIndex_ = static_cast<int>(it - buttons_.begin());
  Click();
}

void TCustomRadioGroup::SetBounds(int left, int top, int width, int height) {
  TCustomGroupBox::SetBounds(left, top, width, height);
  ArrangeButtons();
}

void TCustomRadioGroup::Dispatch(TMessage& m) {
  TCustomGroupBox::Dispatch(m);
  if (m.Msg == WM_SIZE || m.Msg == CM_FONTCHANGED) ArrangeButtons();
}
