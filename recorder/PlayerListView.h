#pragma once
// The player's file list: a skinned report list view whose rows are painted on a
// background colour of their own; the text is drawn as the list draws it.

#include <functional>

#include "skin/ZELListView.h"

class TPlayListView : public TzelListView {
 public:
  explicit TPlayListView(TComponent* owner) : TzelListView(owner) {}
  std::string ClassName() const override { return "TPlayListView"; }

  // The background of a row; rows without it, or white, keep the list's.
  std::function<TColor(TListItem* item)> RowColor;

 protected:
  void PaintWindow(HDC dc) override;

 private:
  void PaintRowBackground(HDC dc, TListItem* item, TColor color);
};
