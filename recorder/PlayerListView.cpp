#include "recorder/PlayerListView.h"

#include <algorithm>

#include "platform/gfx/DrawText.h"

void TPlayListView::PaintWindow(HDC dc) {
  TzelListView::PaintWindow(dc);
  if (!dc || !RowColor) return;
  TListItems* items = Items();
  for (int i = 0; i < items->Count(); ++i) {
    TListItem* item = items->Item(i);
    // A selected row keeps the selection's look.
    if (item->Selected()) continue;
    const TColor color = RowColor(item);
    if (color != clWhite) PaintRowBackground(dc, item, color);
  }
}

// Fills the row and draws its cells again over the new background, with
// the grid lines the list draws.
void TPlayListView::PaintRowBackground(HDC dc, TListItem* item, TColor color) {
  const TRect row = item->DisplayRect();
  if (row.IsEmpty() || row.Bottom <= 0 || row.Top >= ClientHeight()) return;
  const int saved = dc->SaveDC();
  dc->SetFont(*Font());
  dc->SetBkMode(TRANSPARENT);
  dc->Font()->SetColor(Enabled() ? Font()->Color() : clGrayText);
  int x = row.Left;
  for (int col = 0; col < Columns()->Count(); ++col) {
    TListColumn* column = Columns()->Items(col);
    TRect cell{x, row.Top, x + column->Width(), row.Bottom};
    x = cell.Right;
    dc->Brush()->SetStyle(bsSolid);
    dc->Brush()->SetColor(color);
    dc->FillRect(cell);
    if (GridLines()) {
      dc->Brush()->SetColor(clBtnFace);
      dc->FillRect({cell.Right - 1, cell.Top, cell.Right, cell.Bottom});
      dc->FillRect({cell.Left, cell.Bottom - 1, cell.Right, cell.Bottom});
    }
    const std::string text =
        col == 0 ? item->Caption() : (col - 1 < item->SubItems()->Count() ? item->SubItems()->Strings(col - 1) : "");
    TRect textRect{cell.Left + 2, cell.Top, cell.Right - 4, cell.Bottom};
    const TAlignment align = column->Alignment();
    const UINT flags = DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS |
                       (align == taRightJustify ? DT_RIGHT : align == taCenter ? DT_CENTER : DT_LEFT);
    dc->Brush()->SetStyle(bsClear);
    DrawText(dc, text, textRect, flags);
  }
  dc->RestoreDC(saved);
}
