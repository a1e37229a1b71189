#pragma once
// More plain controls: panel, paint box, image, bevel and radio group.

#include <memory>
#include <string>
#include <vector>

#include "platform/framework/Panels.h"
#include "platform/framework/StdCtrls.h"
#include "platform/framework/StringList.h"
#include "platform/gfx/Picture.h"

class TPanel : public TCustomPanel {
 public:
  explicit TPanel(TComponent* owner) : TCustomPanel(owner) {}
  std::string ClassName() const override { return "TPanel"; }
};

// A surface its owner paints in OnPaint, on Canvas.
class TPaintBox : public TGraphicControl {
 public:
  explicit TPaintBox(TComponent* owner);
  std::string ClassName() const override { return "TPaintBox"; }
  TNotifyEvent OnPaint;

 protected:
  void Paint() override;
};

// Shows a picture: at its own size in the top-left corner, centred, or
// stretched over the control; AutoSize takes the picture's size.
class TImage : public TGraphicControl {
 public:
  explicit TImage(TComponent* owner);
  ~TImage() override;
  std::string ClassName() const override { return "TImage"; }

  TPicture* Picture() { return picture_.get(); }
  void SetPicture(TPicture* picture) { picture_->Assign(picture); }
  bool Stretch() const { return stretch_; }
  void SetStretch(bool value);
  bool Center() const { return center_; }
  void SetCenter(bool value);
  // Whether the picture's transparent colour lets the parent show through.
  bool Transparent() const { return transparent_; }
  void SetTransparent(bool value);

 protected:
  void Paint() override;
  bool CanAutoSize(int& newWidth, int& newHeight) override;

 private:
  void PictureChanged();
  TRect DestRect();
  std::unique_ptr<TPicture> picture_;
  bool stretch_ = false;
  bool center_ = false;
  bool transparent_ = false;
};

enum TBevelShape { bsBox, bsFrame, bsTopLine, bsBottomLine, bsLeftLine, bsRightLine, bsSpacer };
enum TBevelStyle { bsLowered, bsRaised };

// A sunken or raised box, frame or line that groups controls visually.
class TBevel : public TGraphicControl {
 public:
  explicit TBevel(TComponent* owner);
  std::string ClassName() const override { return "TBevel"; }
  TBevelShape Shape() const { return shape_; }
  void SetShape(TBevelShape value);
  TBevelStyle Style() const { return style_; }
  void SetStyle(TBevelStyle value);

 protected:
  void Paint() override;

 private:
  TBevelShape shape_ = bsBox;
  TBevelStyle style_ = bsLowered;
};

// A group box of radio buttons, one per line of Items, laid out in
// Columns; ItemIndex is the checked one (-1: none). A click on a button
// fires OnClick; setting ItemIndex does not.
class TCustomRadioGroup : public TCustomGroupBox {
 public:
  explicit TCustomRadioGroup(TComponent* owner);
  ~TCustomRadioGroup() override;
  std::string ClassName() const override { return "TCustomRadioGroup"; }

  TStringList* Items() { return &items_; }
  void SetItems(const TStringList& items) { items_.Assign(items); }
  int ItemIndex() const { return itemIndex_; }
  void SetItemIndex(int value);
  int Columns() const { return columns_; }
  void SetColumns(int value);
  // The radio button of an item.
  TRadioButton* Buttons(int index) const { return buttons_.at(static_cast<std::size_t>(index)); }
  void SetBounds(int left, int top, int width, int height) override;

 protected:
  void Dispatch(TMessage& message) override;

 private:
  void ItemsChanged();
  void ArrangeButtons();
  void ButtonClicked(TRadioButton* button);
  TStringList items_;
  std::vector<TRadioButton*> buttons_;
  int itemIndex_ = -1;
  int columns_ = 1;
  bool updating_ = false;
};

class TRadioGroup : public TCustomRadioGroup {
 public:
  explicit TRadioGroup(TComponent* owner) : TCustomRadioGroup(owner) {}
  std::string ClassName() const override { return "TRadioGroup"; }
};
