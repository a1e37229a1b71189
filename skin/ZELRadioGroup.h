#pragma once
// Group boxes holding one themed check box (or radio button) per line of
// Items, laid out in columns.

#include <string>
#include <vector>

#include "platform/framework/StringList.h"
#include "skin/ZELButton.h"
#include "skin/ZELGroupBox.h"

class TzelCheckGroup;

class TzelCheckGroupButton : public TzelCheckBox {
 public:
  TzelCheckGroupButton(TzelCheckGroup* group);
  std::string ClassName() const override { return "TzelCheckGroupButton"; }

 protected:
  bool ShowsFocus() override { return Focused(); }
};

class TzelRadioGroupButton : public TzelRadioButton {
 public:
  TzelRadioGroupButton(TzelCheckGroup* group);
  std::string ClassName() const override { return "TzelRadioGroupButton"; }

 protected:
  bool ShowsFocus() override;
  void CheckedChanged() override;

 private:
  TzelCheckGroup* group_;
};

class TzelCheckGroup : public TzelCustomGroupBox {
 public:
  explicit TzelCheckGroup(TComponent* owner);
  ~TzelCheckGroup() override;
  std::string ClassName() const override { return "TzelCheckGroup"; }

  TStringList* Items() { return &items_; }
  void SetItems(const TStringList& value) { items_.Assign(value); }
  int Columns() const { return columns_; }
  void SetColumns(int value);
  int TopMargin() const { return topMargin_; }
  void SetTopMargin(int value);
  TColor FontColor() const { return Font()->Color(); }
  void SetFontColor(TColor value) { Font()->SetColor(value); }
  TCursor Cursor() const { return itemCursor_; }
  void SetCursor(TCursor value);
  void SetTransparent(bool value) override;

  int ButtonCount() const { return static_cast<int>(buttons_.size()); }
  TzelCheckBox* Buttons(int index) const { return buttons_.at(index); }
  virtual bool Exclusive() const { return false; }

  // Fired with the group as Sender when it or one of its items is clicked.
  TNotifyEvent OnClick;

 protected:
  virtual void Clicked() {}
  virtual TzelCheckBox* CreateItemButton() { return new TzelCheckGroupButton(this); }
  virtual void PassInputToItem();

  void ApplyLook(const TzelLookSource& source) override;
  void CMFontChanged(TMessage& message) override;
  void Resize() override;
  void Dispatch(TMessage& message) override;

 private:
  void HandleClick();
  void Rebuild();
  void LayOut();

  TStringList items_;
  std::vector<TzelCheckBox*> buttons_;
  int columns_ = 1;
  int topMargin_ = 8;
  TCursor itemCursor_ = 0;
};

class TzelRadioGroup : public TzelCheckGroup {
 public:
  explicit TzelRadioGroup(TComponent* owner);
  std::string ClassName() const override { return "TzelRadioGroup"; }

  int ItemIndex() const;
  void SetItemIndex(int value);
  bool Exclusive() const override { return true; }

 protected:
  TzelCheckBox* CreateItemButton() override { return new TzelRadioGroupButton(this); }
  void PassInputToItem() override;
};
