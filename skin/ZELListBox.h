#pragma once
// The list box in the look's colours: a two-pixel frame, owner-drawn items
// with their own selection colours, and an optional themed scroll bar laid
// over the native vertical bar and kept in step with it.

#include <string>

#include "platform/framework/ListControls.h"
#include "skin/ZELMgr.h"
#include "skin/ZELScrollBar.h"

class TzelListBox : public TCustomListBox {
 public:
  explicit TzelListBox(TComponent* owner);
  ~TzelListBox() override;
  std::string ClassName() const override { return "TzelListBox"; }

  TColor BorderColor() const { return borderColor_; }
  void SetBorderColor(TColor value);
  TzelUIStyle UIStyle() const { return uiStyle_; }
  void SetUIStyle(TzelUIStyle value);
  TzelFileTheme* FileTheme() const { return fileTheme_; }
  void SetFileTheme(TzelFileTheme* value);
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
  TzelScrollBar* VScrollBar() const { return vScrollBar_; }
  void SetVScrollBar(TzelScrollBar* value);

  void Notification(TComponent* component, TOperation operation) override;
  void Loaded() override;
  void WndProc(TMessage& message) override;

  // Fills rect and writes the item's text in it, aligned by Alignment.
  virtual void DefaultDrawItem(int index, const TRect& rect, TOwnerDrawState state);

 protected:
  void CreateWnd() override;
  void CNDrawItem(TMessage& message) override;
  void DrawItem(int index, const TRect& rect, TOwnerDrawState state) override;
  void MeasureItem(int index, int& height) override;

 private:
  UINT TextFlags() const;
  void PlaceCompanion();
  void SyncCompanion();
  void CompanionChanged();
  bool SyncsOn(const TMessage& message) const;

  TColor borderColor_ = clBlack;
  TzelUIStyle uiStyle_ = DeepBlue;
  TzelFileTheme* fileTheme_ = nullptr;
  TAlignment alignment_ = taLeftJustify;
  TColor selectedColor_ = clHighlight;
  TColor selectedTextColor_ = clHighlightText;
  TColor disabledTextColor_ = clGrayText;
  bool showFocusRect_ = true;
  TzelScrollBar* vScrollBar_ = nullptr;
  bool syncing_ = false;
  bool leftButtonHeld_ = false;
  TOwnerDrawState drawState_ = 0;  // the item's state before the focus bit is taken out
};
