// The native part of the memo: rows (wrapped at words when WordWrap is
// on), scrolling with the window scroll bars, the caret moved by lines,
// the mouse, and the EM_ messages of the rows. The text, its selection
// and editing are the engine's.

#include <algorithm>

#include "platform/framework/Memo.h"
#include "platform/gfx/TextUtf8.h"

int TMemo::LineHeight() { return std::max(1, Measure()->TextHeight("Wg")); }

int TMemo::VisibleRows() { return std::max(1, ClientHeight() / LineHeight()); }

int TMemo::TextWidth(int start, int length) {
  if (length <= 0) return 0;
  return Measure()->TextWidth(EncodeUtf8(std::u32string_view(engine_.Text()).substr(start, length)));
}

void TMemo::Layout() {
  rows_.clear();
  widest_ = 0;
  int avail = ClientWidth() - 4;
  const std::u32string& text = engine_.Text();
  int n = engine_.Length();
  int lineStart = 0;
  while (lineStart <= n) {
    int lineEnd = lineStart;
    while (lineEnd < n && text[lineEnd] != U'\n') ++lineEnd;
    int rowStart = lineStart;
    if (wordWrap_ && avail > 0) {
      // Greedy wrapping: break after the last space that still fits, or in
      // the middle of a word longer than the row.
      while (TextWidth(rowStart, lineEnd - rowStart) > avail) {
        int fit = rowStart + 1;
        while (fit < lineEnd && TextWidth(rowStart, fit + 1 - rowStart) <= avail) ++fit;
        int brk = fit;
        for (int i = fit; i > rowStart; --i)
          if (text[i - 1] == U' ') {
            brk = i;
            break;
          }
        rows_.push_back({rowStart, brk - rowStart});
        rowStart = brk;
      }
    }
    rows_.push_back({rowStart, lineEnd - rowStart});
    lineStart = lineEnd + 1;
  }
  for (const TRow& row : rows_) widest_ = std::max(widest_, TextWidth(row.start, row.length));
  topRow_ = std::clamp(topRow_, 0, std::max(0, static_cast<int>(rows_.size()) - VisibleRows()));
  UpdateScrollBars();
  Invalidate();
}

int TMemo::RowOf(int pos) const {
  auto it = std::upper_bound(rows_.begin(), rows_.end(), pos, [](int p, const TRow& r) { return p < r.start; });
  return std::max(0, static_cast<int>(it - rows_.begin()) - 1);
}

int TMemo::RowX(const TRow& row) {
  int width = TextWidth(row.start, row.length);
  int room = ClientWidth() - 4;
  switch (alignment_) {
    case taRightJustify: return 2 + std::max(0, room - width);
    case taCenter: return 2 + std::max(0, (room - width) / 2);
    default: return 2;
  }
}

int TMemo::PositionAt(TPoint p) {
  int row = std::clamp(topRow_ + (p.Y < 0 ? -1 : p.Y / LineHeight()), 0, static_cast<int>(rows_.size()) - 1);
  const TRow& r = rows_[row];
  int x = p.X + scrollX_ - RowX(r);
  // The boundary nearest the point.
  for (int i = 0; i < r.length; ++i) {
    int left = TextWidth(r.start, i), right = TextWidth(r.start, i + 1);
    if (x < (left + right) / 2) return r.start + i;
  }
  return r.start + r.length;
}

void TMemo::UpdateScrollBars() {
  if (!HandleAllocated()) return;
  SetBarsSettled([this] {
    DWORD style = static_cast<DWORD>(GetWindowLong(Handle(), GWL_STYLE));
    SCROLLINFO si;
    // A memo's bars stay shown, disabled while there is nothing to scroll.
    si.fMask = SIF_RANGE | SIF_PAGE | SIF_POS | SIF_DISABLENOSCROLL;
    if (style & WS_VSCROLL) {
      si.nMax = std::max(0, static_cast<int>(rows_.size()) - 1);
      si.nPage = static_cast<UINT>(VisibleRows());
      si.nPos = topRow_;
      SetScrollInfo(Handle(), SB_VERT, &si, true);
    }
    if (style & WS_HSCROLL) {
      si.nMax = wordWrap_ ? 0 : widest_ + 4;
      si.nPage = static_cast<UINT>(std::max(1, ClientWidth()));
      si.nPos = scrollX_;
      SetScrollInfo(Handle(), SB_HORZ, &si, true);
    }
  });
}

void TMemo::ScrollToRow(int top) {
  top = std::clamp(top, 0, std::max(0, static_cast<int>(rows_.size()) - VisibleRows()));
  if (top == topRow_) return;
  topRow_ = top;
  UpdateScrollBars();
  Invalidate();
}

void TMemo::ScrollToX(int x) {
  x = wordWrap_ ? 0 : std::clamp(x, 0, std::max(0, widest_ + 4 - ClientWidth()));
  if (x == scrollX_) return;
  scrollX_ = x;
  UpdateScrollBars();
  Invalidate();
}

void TMemo::ScrollCaretIntoView() {
  int caret = engine_.Caret();
  int row = RowOf(caret);
  if (row < topRow_) ScrollToRow(row);
  else if (row >= topRow_ + VisibleRows()) ScrollToRow(row - VisibleRows() + 1);
  if (wordWrap_) return;
  const TRow& r = rows_[row];
  int x = RowX(r) + TextWidth(r.start, caret - r.start);
  if (x - scrollX_ < 0) ScrollToX(x - ClientWidth() / 4);
  else if (x - scrollX_ >= ClientWidth() - 2) ScrollToX(x - ClientWidth() * 3 / 4);
}

void TMemo::Scroll(UINT msg, WORD code, int thumb) {
  if (msg == WM_VSCROLL) {
    switch (code) {
      case SB_LINEUP: ScrollToRow(topRow_ - 1); break;
      case SB_LINEDOWN: ScrollToRow(topRow_ + 1); break;
      case SB_PAGEUP: ScrollToRow(topRow_ - VisibleRows()); break;
      case SB_PAGEDOWN: ScrollToRow(topRow_ + VisibleRows()); break;
      case SB_THUMBTRACK:
      case SB_THUMBPOSITION: ScrollToRow(thumb); break;
      case SB_TOP: ScrollToRow(0); break;
      case SB_BOTTOM: ScrollToRow(static_cast<int>(rows_.size())); break;
      default: break;
    }
    return;
  }
  int step = std::max(1, Measure()->TextWidth("x"));
  switch (code) {
    case SB_LINELEFT: ScrollToX(scrollX_ - step); break;
    case SB_LINERIGHT: ScrollToX(scrollX_ + step); break;
    case SB_PAGELEFT: ScrollToX(scrollX_ - ClientWidth()); break;
    case SB_PAGERIGHT: ScrollToX(scrollX_ + ClientWidth()); break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: ScrollToX(thumb); break;
    default: break;
  }
}

