#include "skin/ZELRadioGroup.h"

#include "platform/win/WinMessages.h"

TzelCheckGroupButton::TzelCheckGroupButton(TzelCheckGroup* group) : TzelCheckBox(group) {}

TzelRadioGroupButton::TzelRadioGroupButton(TzelCheckGroup* group) : TzelRadioButton(group), group_(group) {}

bool TzelRadioGroupButton::ShowsFocus() { return Checked() && (Focused() || group_->Focused()); }

void TzelRadioGroupButton::CheckedChanged() {
  if (group_->Exclusive()) TzelRadioButton::CheckedChanged();
  else TzelCheckBox::CheckedChanged();
}

TzelCheckGroup::TzelCheckGroup(TComponent* owner) : TzelCustomGroupBox(owner) {
  SetTabStop(true);
  TControl::OnClick = [this](TObject*) { HandleClick(); };
  items_.OnChange = [this](TObject*) { Rebuild(); };
  Publish("Columns", &TzelCheckGroup::Columns, &TzelCheckGroup::SetColumns);
  Publish("TopMargin", &TzelCheckGroup::TopMargin, &TzelCheckGroup::SetTopMargin);
  Publish("FontColor", &TzelCheckGroup::FontColor, &TzelCheckGroup::SetFontColor);
  Publish("BorderColor", &TzelCheckGroup::BorderColor, &TzelCheckGroup::SetBorderColor);
  Publish("Cursor", &TzelCheckGroup::Cursor, &TzelCheckGroup::SetCursor);
}

TzelCheckGroup::~TzelCheckGroup() { items_.OnChange = nullptr; }

void TzelCheckGroup::SetColumns(int value) {
  if (value < 0) return;
  columns_ = value;
  LayOut();
}

void TzelCheckGroup::SetTopMargin(int value) {
  if (value < 0) return;
  topMargin_ = value;
  LayOut();
}

void TzelCheckGroup::SetCursor(TCursor value) {
  for (TzelCheckBox* button : buttons_) button->SetCursor(value);
  itemCursor_ = value;
}

void TzelCheckGroup::SetTransparent(bool value) {
  TzelCustomGroupBox::SetTransparent(value);
  for (TzelCheckBox* button : buttons_) button->SetTransparent(value);
}

void TzelCheckGroup::ApplyLook(const TzelLookSource& source) {
  TzelCustomGroupBox::ApplyLook(source);
  for (TzelCheckBox* button : buttons_) {
    button->SetFileTheme(FileTheme());
    button->SetUIStyle(UIStyle());
    button->SetColor(Color());
  }
}

void TzelCheckGroup::CMFontChanged(TMessage& message) {
  TzelCustomGroupBox::CMFontChanged(message);
  for (TzelCheckBox* button : buttons_) button->SetFont(*Font());
}

void TzelCheckGroup::Resize() {
  TzelCustomGroupBox::Resize();
  LayOut();
}

void TzelCheckGroup::Dispatch(TMessage& message) {
  TzelCustomGroupBox::Dispatch(message);
  if (message.Msg == WM_SETFOCUS) PassInputToItem();
}

void TzelCheckGroup::PassInputToItem() {
  if (items_.Count() > 0 && !buttons_.empty() && buttons_[0]->CanFocus()) buttons_[0]->SetFocus();
}

void TzelCheckGroup::HandleClick() {
  Clicked();
  const bool loading = IsLoading() || (Owner() && Owner()->IsLoading());
  if (!loading && OnClick) OnClick(this);
}

void TzelCheckGroup::Rebuild() {
  bool added = false;
  while (ButtonCount() < items_.Count()) {
    TzelCheckBox* button = CreateItemButton();
    button->SetParent(this);
    button->SetFont(*Font());
    button->SetAutoSize(true);
    button->SetFileTheme(FileTheme());
    button->SetUIStyle(UIStyle());
    button->SetTransparent(Transparent());
    button->SetParentColor(true);
    button->SetTabStop(false);
    button->OnClick = [this](TObject*) { HandleClick(); };
    button->SetCursor(itemCursor_);
    buttons_.push_back(button);
    added = true;
  }
  while (ButtonCount() > items_.Count()) {
    buttons_.back()->Free();
    buttons_.pop_back();
  }
  for (int i = 0; i < ButtonCount(); ++i) {
    buttons_[i]->SetCaption(items_[i]);
    buttons_[i]->SetAutoSize(true);
  }
  LayOut();
  if (added) {
    // New buttons paint their background only after Transparent changes.
    SetTransparent(!Transparent());
    SetTransparent(!Transparent());
  }
}

void TzelCheckGroup::LayOut() {
  if (buttons_.empty()) return;
  const TRect area = CaptionArea();
  // Columns 0 would leave no width to divide by; lay out as one column.
  const int columns = std::max(1, columns_);
  const int count = ButtonCount();
  const int top = area.Top + topMargin_;
  const int columnWidth = (Width() - 10) / columns;
  const int rows = (count + columns - 1) / columns;
  const int rowHeight = (area.Bottom - top) / rows;
  const int firstRow = top + ((area.Bottom - top) % rows) / 2;
  const bool rightToLeft = UseRightToLeftAlignment();
  for (int i = 0; i < count; ++i) {
    TzelCheckBox* button = buttons_[i];
    const int column = i / rows, row = i % rows;
    const int left = rightToLeft ? Width() - column * columnWidth - button->Width() - 8
                                 : column * columnWidth + 8;
    button->SetBounds(left, row * rowHeight + firstRow, button->Width(), button->Height());
  }
}

TzelRadioGroup::TzelRadioGroup(TComponent* owner) : TzelCheckGroup(owner) {
  Publish("ItemIndex", &TzelRadioGroup::ItemIndex, &TzelRadioGroup::SetItemIndex);
}

int TzelRadioGroup::ItemIndex() const {
  for (int i = 0; i < ButtonCount(); ++i)
    if (Buttons(i)->Checked()) return i;
  return -1;
}

void TzelRadioGroup::SetItemIndex(int value) {
  if (value < -1 || value > ButtonCount() - 1) return;
  if (value == -1) {
    for (int i = 0; i < ButtonCount(); ++i) Buttons(i)->SetChecked(false);
  } else {
    Buttons(value)->SetChecked(true);
  }
}

void TzelRadioGroup::PassInputToItem() {
  const int index = ItemIndex();
  if (index >= 0 && index < Items()->Count() && Buttons(index)->CanFocus()) Buttons(index)->SetFocus();
}
