#pragma once
// The list box in the look's colours: a two-pixel frame, owner-drawn items
// with their own selection colours, and an optional themed scroll bar laid
// over the native vertical bar and kept in step with it.

#include <string>

#include "platform/framework/ListControls.h"
#include "skin/ZELMgr.h"
#include "skin/ZELScrollBar.h"
#include "skin/ZELThemed.h"

class TzelListBox : public TzelFramed<TCustomListBox> {
 public:
  explicit TzelListBox(TComponent* owner);
  std::string ClassName() const override { return "TzelListBox"; }

  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment value);
  TColor SelectedColor() const { return selectedColor_; }
  void SetSelectedColor(TColor value);
  TColor SelectedTextColor() const { return selectedTextColor_; }
  void SetSelectedTextColor(TColor value);
  TColor DisabledTextColor() const { return disabledTextColor_; }
  void SetDisabledTextColor(TColor value);
  bool ShowFocusRect() const { return showFocusRect_; }
  void SetShowFocusRect(bool value);
  // Not owned: the list box only keeps it in step and in place.
  TzelScrollBar* VScrollBar() const { return Link().Companion(SB_VERT); }
  void SetVScrollBar(TzelScrollBar* value) { Link().SetCompanion(SB_VERT, value); }

  // Fills rect and writes the item's text in it, aligned by Alignment.
  virtual void DefaultDrawItem(int index, const TRect& rect, TOwnerDrawState state);

 protected:
  void CNDrawItem(TMessage& message) override;
  void DrawItem(int index, const TRect& rect, TOwnerDrawState state) override;
  void MeasureItem(int index, int& height) override;

 private:
  UINT TextFlags() const;
  void PlaceCompanion();

  TAlignment alignment_ = taLeftJustify;
  TColor selectedColor_ = clHighlight;
  TColor selectedTextColor_ = clHighlightText;
  TColor disabledTextColor_ = clGrayText;
  bool showFocusRect_ = true;
  TOwnerDrawState drawState_ = 0;  // the item's state before the focus bit is taken out
};
