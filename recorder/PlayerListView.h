#pragma once
// The player's file list: a report list view whose rows are painted on a
// background colour of their own; the text is drawn as the list draws it.

#include <functional>

#include "platform/framework/ListView.h"

class TPlayListView : public TListView {
 public:
  explicit TPlayListView(TComponent* owner) : TListView(owner) {}
  std::string ClassName() const override { return "TPlayListView"; }

  // The background of a row; rows without it, or white, keep the list's.
  std::function<TColor(TListItem* item)> RowColor;

 protected:
  void PaintWindow(HDC dc) override;

 private:
  void PaintRowBackground(HDC dc, TListItem* item, TColor color);
};
