// Rows: their places, scrolling, hit testing, and the selection rules.

#include "platform/framework/RowView.h"

#include <algorithm>

int RowNavigationTarget(WORD key, int from, int count, int page, int columnRows) {
  if (count <= 0) return -1;
  int target;
  switch (key) {
    case VK_UP: target = from - 1; break;
    case VK_DOWN: target = from + 1; break;
    case VK_LEFT:
    case VK_RIGHT:
      if (columnRows <= 0) return -1;
      target = key == VK_LEFT ? from - columnRows : from + columnRows;
      break;
    case VK_PRIOR: target = from - page; break;
    case VK_NEXT: target = from + page; break;
    case VK_HOME: return 0;
    case VK_END: return count - 1;
    default: return -1;
  }
  if (from < 0) return 0;
  return std::clamp(target, 0, count - 1);
}

// ---- Geometry -------------------------------------------------------------------

int TRowView::RowsPerColumn() {
  return std::max(1, (ClientHeight() - RowsTop()) / std::max(1, RowHeight(0)));
}

int TRowView::RowsPerPage() {
  if (RowColumns() > 0) return RowsPerColumn() * RowColumns();
  if (!VariableRowHeights()) return RowsPerColumn();
  int rows = 0, y = RowsTop(), n = RowCount();
  for (int i = top_; i < n; ++i) {
    y += RowHeight(i);
    if (y > ClientHeight()) break;
    ++rows;
  }
  return std::max(1, rows);
}

TRect TRowView::RowRect(int row) {
  int width = ClientWidth();
  int y = RowsTop();
  if (RowColumns() > 0) {
    int rows = RowsPerColumn();
    int columnWidth = std::max(1, width / RowColumns());
    int column = row >= top_ ? (row - top_) / rows : -((top_ - row + rows - 1) / rows);
    int line = ((row % rows) + rows) % rows;
    int h = RowHeight(row);
    return {column * columnWidth, y + line * h, (column + 1) * columnWidth, y + (line + 1) * h};
  }
  if (!VariableRowHeights()) {
    int h = RowHeight(row);
    y += (row - top_) * h;
    return {0, y, width, y + h};
  }
  if (row >= top_) {
    for (int i = top_; i < row; ++i) y += RowHeight(i);
  } else {
    for (int i = row; i < top_; ++i) y -= RowHeight(i);
  }
  return {0, y, width, y + RowHeight(row)};
}

int TRowView::RowAt(TPoint p, bool* outside) {
  int n = RowCount();
  *outside = true;
  if (n == 0) return -1;
  TRect area{0, RowsTop(), ClientWidth(), ClientHeight()};
  bool inside = area.Contains(p);
  p.X = std::max(area.Left, std::min(p.X, area.Right - 1));
  p.Y = std::max(area.Top, std::min(p.Y, area.Bottom - 1));
  int y = p.Y - area.Top;
  int row;
  if (RowColumns() > 0) {
    int rows = RowsPerColumn();
    int h = std::max(1, RowHeight(0));
    int columnWidth = std::max(1, ClientWidth() / RowColumns());
    row = y >= rows * h ? n : top_ + y / h + (p.X / columnWidth) * rows;
  } else if (!VariableRowHeights()) {
    row = top_ + y / std::max(1, RowHeight(0));
  } else {
    row = top_;
    for (int bottom = 0; row < n; ++row) {
      bottom += RowHeight(row);
      if (bottom > y) break;
    }
  }
  if (row >= n) return (*outside = true, n - 1);
  *outside = !inside;
  return row;
}

int TRowView::MaxTopRow() {
  int n = RowCount();
  if (RowColumns() > 0) {
    int rows = RowsPerColumn();
    int columnsTotal = (n + rows - 1) / rows;
    return std::max(0, columnsTotal - RowColumns()) * rows;
  }
  if (!VariableRowHeights()) return std::max(0, n - RowsPerPage());
  // The last top that still fills the rows to the bottom.
  int top = n, y = RowsTop();
  while (top > 0 && y + RowHeight(top - 1) <= ClientHeight()) y += RowHeight(--top);
  return top;
}

void TRowView::ScrollToRow(int top) {
  if (RowColumns() > 0) top = (std::max(0, top) / RowsPerColumn()) * RowsPerColumn();
  top = std::clamp(top, 0, MaxTopRow());
  if (top == top_) return;
  top_ = top;
  UpdateScrollBars();
  Invalidate();
}

void TRowView::EnsureRowVisible(int row, bool partialOK) {
  if (row < 0 || row >= RowCount()) return;
  if (row < top_) {
    ScrollToRow(row);
    return;
  }
  int page = RowsPerPage();
  if (RowColumns() > 0) {
    if (row >= top_ + page) ScrollToRow(row - page + RowsPerColumn());
    return;
  }
  if (!VariableRowHeights()) {
    if (row >= top_ + page && !(partialOK && row == top_ + page)) ScrollToRow(row - page + 1);
    return;
  }
  // Move the top down until the row is within the client.
  int top = top_;
  auto fits = [&](int t) {
    int y = RowsTop();
    for (int i = t; i < row; ++i) y += RowHeight(i);
    return partialOK ? y < ClientHeight() : y + RowHeight(row) <= ClientHeight();
  };
  while (top < row && !fits(top)) ++top;
  ScrollToRow(top);
}

void TRowView::ScrollByBar(UINT msg, WORD code, int thumb) {
  int line = msg == WM_HSCROLL ? RowsPerColumn() : 1;
  int page = RowsPerPage();
  switch (code) {
    case SB_LINEUP: ScrollToRow(top_ - line); break;
    case SB_LINEDOWN: ScrollToRow(top_ + line); break;
    case SB_PAGEUP: ScrollToRow(top_ - page); break;
    case SB_PAGEDOWN: ScrollToRow(top_ + page); break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: ScrollToRow(thumb * line); break;
    case SB_TOP: ScrollToRow(0); break;
    case SB_BOTTOM: ScrollToRow(RowCount()); break;
    default: break;
  }
}

void TRowView::ScrollByWheel(int wheelDelta) {
  int notches = wheelDelta / WHEEL_DELTA;
  ScrollToRow(top_ - notches * 3 * (RowColumns() > 0 ? RowsPerColumn() : 1));
}

void TRowView::SetRowScrollBar() {
  int n = RowCount();
  SCROLLINFO si;
  si.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
  if (RowColumns() > 0) {
    int rows = RowsPerColumn();
    si.nMax = std::max(0, (n + rows - 1) / rows - 1);
    si.nPage = static_cast<UINT>(RowColumns());
    si.nPos = top_ / rows;
    SetScrollInfo(Handle(), SB_HORZ, &si, true);
    ShowScrollBar(Handle(), SB_VERT, false);
    return;
  }
  si.nMax = std::max(0, n - 1);
  si.nPage = static_cast<UINT>(RowsPerPage());
  si.nPos = top_;
  SetScrollInfo(Handle(), SB_VERT, &si, true);
}

void TRowView::UpdateScrollBars() {
  if (!HandleAllocated()) return;
  SetBarsSettled([this] { SetRowScrollBar(); });
}

void TRowView::Changed() {
  ScrollToRow(top_);
  UpdateScrollBars();
  Invalidate();
}

void TRowView::DefaultHandler(TMessage& m) {
  switch (m.Msg) {
    case WM_VSCROLL:
    case WM_HSCROLL:
      if (m.Msg == WM_HSCROLL && RowColumns() == 0) break;
      ScrollByBar(m.Msg, LOWORD(m.WParam), HIWORD(m.WParam));
      return;
    case WM_MOUSEWHEEL: ScrollByWheel(GET_WHEEL_DELTA_WPARAM(m.WParam)); return;
    case WM_SETFOCUS:
    case WM_KILLFOCUS: Invalidate(); break;
    case WM_SIZE:
      TScrollingControl::DefaultHandler(m);
      Changed();
      return;
    default: break;
  }
  TScrollingControl::DefaultHandler(m);
}

// ---- Selection ------------------------------------------------------------------

void TRowView::SetCaretRow(int row) {
  caret_ = row;
  Invalidate();
}

void TRowView::MoveCaret(int row) {
  if (row < 0 || row >= RowCount()) return;
  SetCaretRow(row);
  EnsureRowVisible(row);
}

bool TRowView::ApplyRowSelected(int row, bool selected, bool& changed) {
  if (RowSelected(row) == selected) return true;
  if (!SetRowSelected(row, selected)) return false;
  changed = true;
  return true;
}

bool TRowView::SelectOnlyRow(int row) {
  bool changed = false;
  if (RowSelectMode() != rsSingle) {
    for (int i = 0, n = RowCount(); i < n; ++i)
      if (i != row) ApplyRowSelected(i, false, changed);
  }
  ApplyRowSelected(row, true, changed);
  return changed;
}

bool TRowView::SelectRowRange(int from, int to, bool clearOthers) {
  if (from > to) std::swap(from, to);
  bool changed = false;
  for (int i = 0, n = RowCount(); i < n; ++i) {
    if (i >= from && i <= to) ApplyRowSelected(i, true, changed);
    else if (clearOthers) ApplyRowSelected(i, false, changed);
  }
  return changed;
}

bool TRowView::ToggleRow(int row) {
  bool changed = false;
  ApplyRowSelected(row, !RowSelected(row), changed);
  return changed;
}

bool TRowView::GoToRow(int row) {
  if (row < 0 || row >= RowCount()) return false;
  bool changed = false;
  if (RowSelectMode() != rsMultiple) {
    changed = SelectOnlyRow(row);
    // A refused selection leaves the caret where it was.
    if (!RowSelected(row)) return changed;
    anchor_ = row;
  }
  MoveCaret(row);
  return changed;
}

bool TRowView::ClickRow(int row, TShiftState shift, bool drag) {
  if (row < 0 || row >= RowCount()) return false;
  TRowSelectMode mode = RowSelectMode();
  if (mode == rsSingle) return GoToRow(row);
  bool changed = false;
  if (mode == rsMultiple) {
    if (drag) return false;
    if (!(shift & ssShift)) anchor_ = row;
    changed = ToggleRow(row);
  } else if (drag) {
    if (row == CaretRow()) return false;
    changed = SelectRowRange(anchor_ < 0 ? row : anchor_, row, !(shift & ssCtrl));
  } else if (shift & ssShift) {
    if (anchor_ < 0) anchor_ = row;
    changed = SelectRowRange(anchor_, row, !(shift & ssCtrl));
  } else if (shift & ssCtrl) {
    changed = ToggleRow(row);
    anchor_ = row;
  } else {
    return GoToRow(row);
  }
  MoveCaret(row);
  return changed;
}

bool TRowView::NavigateRows(WORD key, TShiftState shift, bool* handled) {
  int target = RowNavigationTarget(key, CaretRow(), RowCount(), std::max(1, RowsPerPage() - 1),
                                   RowColumns() > 0 ? RowsPerColumn() : 0);
  if (handled) *handled = target >= 0;
  if (target < 0) return false;
  if (RowSelectMode() != rsExtended || !(shift & (ssShift | ssCtrl))) return GoToRow(target);
  // Ctrl moves the caret alone; Shift selects from the anchor to it.
  bool changed = false;
  if (!(shift & ssCtrl)) {
    if (anchor_ < 0) anchor_ = target;
    changed = SelectRowRange(anchor_, target, true);
  }
  MoveCaret(target);
  return changed;
}

bool TRowView::ToggleCaretRow() {
  int caret = CaretRow();
  if (RowSelectMode() != rsMultiple || caret < 0 || caret >= RowCount()) return false;
  return ToggleRow(caret);
}

// ---- Rows coming and going -----------------------------------------------------

void TRowView::RowsInserted(int at, int count) {
  if (caret_ >= at) caret_ += count;
  if (anchor_ >= at) anchor_ += count;
}

void TRowView::RowRemoved(int at) {
  if (anchor_ == at) anchor_ = -1;
  else if (anchor_ > at) --anchor_;
  if (caret_ > at || caret_ >= RowCount()) --caret_;
}

void TRowView::RowsTruncated() {
  int n = RowCount();
  if (caret_ >= n) caret_ = n - 1;
  if (anchor_ >= n) anchor_ = -1;
}

void TRowView::RowsCleared() {
  top_ = 0;
  caret_ = anchor_ = -1;
}
