// How the memo looks: its rows from the first visible one, the selection
// and the caret.

#include <algorithm>

#include "platform/framework/Memo.h"
#include "platform/gfx/TextUtf8.h"

void TMemo::PaintWindow(HDC dc) {
  if (!dc) return;
  TCanvas& c = *dc;
  int saved = c.SaveDC();
  // The memo is opaque, so nothing erases under it: rows that scrolled away
  // would otherwise stay behind the new ones.
  c.Brush()->SetStyle(bsSolid);
  c.Brush()->SetColor(Color());
  c.FillRect(ClientRect());
  c.SetFont(*Font());
  c.SetBkMode(TRANSPARENT);
  int lh = LineHeight();
  int selFrom = engine_.SelStart(), selTo = engine_.SelEnd();
  bool showSelection = Focused() && selFrom != selTo;
  bool focused = Focused();
  for (int r = topRow_; r < static_cast<int>(rows_.size()); ++r) {
    int y = (r - topRow_) * lh;
    if (y >= ClientHeight()) break;
    const TRow& row = rows_[r];
    int x = RowX(row) - scrollX_;
    if (showSelection) {
      int a = std::clamp(selFrom, row.start, row.start + row.length);
      int b = std::clamp(selTo, row.start, row.start + row.length);
      // A selected line break shows as a little room after the text.
      bool breakSelected = selTo > row.start + row.length && selFrom <= row.start + row.length;
      if (a < b || breakSelected) {
        int left = x + TextWidth(row.start, a - row.start);
        int right = x + TextWidth(row.start, b - row.start) + (breakSelected ? 4 : 0);
        c.Brush()->SetColor(clHighlight);
        c.FillRect({left, y, right, y + lh});
      }
    }
    c.Font()->SetColor(Enabled() ? Font()->Color() : clGrayText);
    // Each piece in its colour: before, inside and after the selection.
    int cuts[4] = {row.start, row.start, row.start + row.length, row.start + row.length};
    if (showSelection) {
      cuts[1] = std::clamp(selFrom, row.start, row.start + row.length);
      cuts[2] = std::clamp(selTo, row.start, row.start + row.length);
    }
    c.Brush()->SetStyle(bsClear);  // the text keeps the background just painted
    for (int piece = 0; piece < 3; ++piece) {
      int from = cuts[piece], to = cuts[piece + 1];
      if (from >= to) continue;
      c.Font()->SetColor(piece == 1 && showSelection ? clHighlightText : (Enabled() ? Font()->Color() : clGrayText));
      c.TextOut(x + TextWidth(row.start, from - row.start), y, EncodeUtf8(std::u32string_view(engine_.Text()).substr(from, to - from)));
    }
  }
  if (focused) {
    int caret = engine_.Caret();
    int r = RowOf(caret);
    const TRow& row = rows_[r];
    int x = RowX(row) - scrollX_ + TextWidth(row.start, caret - row.start);
    int y = (r - topRow_) * lh;
    c.Brush()->SetColor(Font()->Color());
    if (y >= 0 && y < ClientHeight()) c.FillRect({x, y, x + 1, y + lh});
  }
  c.RestoreDC(saved);
}
