// The native part of the list view: the LVM_ messages, item states with
// their LVN_ notifications (a refused change does not happen), rows laid
// out under the header, scrolling, painting, and selection by mouse and keys.

#include <algorithm>

#include "platform/framework/ListView.h"
#include "platform/gfx/DrawText.h"

namespace {
constexpr int kLinePixels = 8;  // one step of sideways scrolling
}

int TListView::HeaderHeight() {
  if (!showColumnHeaders_) return 0;
  TCanvas* c = MeasuringCanvas(measureBitmap_, *Font());
  return c->TextHeight("Wg") + 6;
}

int TListView::RowHeight(int) {
  TCanvas* c = MeasuringCanvas(measureBitmap_, *Font());
  int h = c->TextHeight("Wg") + 3;
  if (smallImages_) h = std::max(h, smallImages_->Height() + 1);
  return std::max(h, StateImageWidth());
}

int TListView::TotalColumnWidth() const {
  int total = 0;
  for (int i = 0; i < columns_.Count(); ++i) total += columns_.Items(i)->Width();
  return total;
}

TRect TListView::ItemRowRect(int index) {
  TRect row = RowRect(index);
  int width = std::max(TotalColumnWidth(), ClientWidth() + scrollX_);
  return {-scrollX_, row.Top, width - scrollX_, row.Bottom};
}

void TListView::LayoutHeader() {
  if (!header_) return;
  int width = std::max(TotalColumnWidth(), ClientWidth() + scrollX_);
  MoveWindow(header_, -scrollX_, 0, width, HeaderHeight(), true);
}

void TListView::UpdateScrollBars() {
  if (!HandleAllocated()) return;
  SetBarsSettled([this] {
    SetRowScrollBar();
    SCROLLINFO si;
    si.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    si.nMax = std::max(0, TotalColumnWidth() - 1);
    si.nPage = static_cast<UINT>(std::max(1, ClientWidth()));
    si.nPos = scrollX_;
    SetScrollInfo(Handle(), SB_HORZ, &si, true);
  });
}

void TListView::Changed() {
  if (updateCount_ > 0) return;
  ScrollPixels(scrollX_);
  LayoutHeader();
  TRowView::Changed();
}

void TListView::ScrollPixels(int x) {
  int maxX = std::max(0, TotalColumnWidth() - ClientWidth());
  x = std::clamp(x, 0, maxX);
  if (x == scrollX_) return;
  scrollX_ = x;
  LayoutHeader();
  UpdateScrollBars();
  Invalidate();
}

bool TListView::RowSelected(int row) { return items_[row]->Selected(); }

bool TListView::SetRowSelected(int row, bool selected) {
  return ChangeState(row, selected ? LVIS_SELECTED : 0, LVIS_SELECTED);
}

int TListView::CaretRow() {
  for (int i = 0; i < static_cast<int>(items_.size()); ++i)
    if (items_[i]->Focused()) return i;
  return -1;
}

void TListView::SetCaretRow(int row) { ChangeState(row, LVIS_FOCUSED, LVIS_FOCUSED); }

LRESULT TListView::Notify(UINT code, int item, int subItem, UINT newState, UINT oldState, UINT changed) {
  if (!HandleAllocated()) return 0;
  NMLISTVIEW nm;
  nm.hdr.hwndFrom = Handle();
  nm.hdr.code = code;
  nm.iItem = item;
  nm.iSubItem = subItem;
  nm.uNewState = newState;
  nm.uOldState = oldState;
  nm.uChanged = changed;
  return NotifyOwnControl(Handle(), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&nm));
}

// Asks first (a non-zero answer refuses), then changes and tells.
bool TListView::ChangeState(int index, UINT state, UINT mask) {
  if (index < 0 || index >= static_cast<int>(items_.size())) return false;
  TListItem* item = items_[index].get();
  UINT old = item->state_;
  UINT wanted = (old & ~mask) | (state & mask);
  if (wanted == old) return true;
  if (Notify(LVN_ITEMCHANGING, index, 0, wanted, old, LVIF_STATE) != 0) return false;
  if (index >= static_cast<int>(items_.size()) || items_[index].get() != item) return false;
  // Only one item has the focus; one selected item unless multi-select.
  if (wanted & LVIS_FOCUSED)
    for (int i = 0; i < static_cast<int>(items_.size()); ++i)
      if (i != index && (items_[i]->state_ & LVIS_FOCUSED)) ChangeState(i, 0, LVIS_FOCUSED);
  // A single-select list view keeps its selected item when that one may not let go.
  if ((wanted & LVIS_SELECTED) && !(old & LVIS_SELECTED) && !multiSelect_)
    for (int i = 0; i < static_cast<int>(items_.size()); ++i)
      if (i != index && (items_[i]->state_ & LVIS_SELECTED) && !ChangeState(i, 0, LVIS_SELECTED)) return false;
  index = IndexOf(item);
  if (index < 0) return false;
  item->state_ = wanted;
  Invalidate();
  Notify(LVN_ITEMCHANGED, index, 0, wanted, old, LVIF_STATE);
  return true;
}

bool TListView::HandleListViewMessage(TMessage& m) {
  int index = static_cast<int>(static_cast<std::intptr_t>(m.WParam));
  int count = static_cast<int>(items_.size());
  switch (m.Msg) {
    case LVM_GETITEMCOUNT: m.Result = count; return true;
    case LVM_DELETEITEM:
      if (index < 0 || index >= count) {
        m.Result = FALSE;
        return true;
      }
      items_.erase(items_.begin() + index);
      RowRemoved(index);
      Changed();
      m.Result = TRUE;
      return true;
    case LVM_DELETEALLITEMS:
      items_.clear();
      RowsCleared();
      Changed();
      m.Result = TRUE;
      return true;
    case LVM_GETNEXTITEM: {
      UINT want = static_cast<UINT>(m.LParam) & (LVNI_FOCUSED | LVNI_SELECTED);
      m.Result = -1;
      for (int i = std::max(0, index + 1); i < count; ++i) {
        UINT s = items_[i]->state_;
        if ((want & LVNI_FOCUSED) && !(s & LVIS_FOCUSED)) continue;
        if ((want & LVNI_SELECTED) && !(s & LVIS_SELECTED)) continue;
        m.Result = i;
        break;
      }
      return true;
    }
    case LVM_GETITEMRECT: {
      auto* r = reinterpret_cast<TRect*>(m.LParam);
      if (!r || index < 0 || index >= count) {
        m.Result = FALSE;
        return true;
      }
      *r = ItemRowRect(index);
      m.Result = TRUE;
      return true;
    }
    case LVM_ENSUREVISIBLE: EnsureRowVisible(index, m.LParam != 0); m.Result = TRUE; return true;
    case LVM_SCROLL: {
      // Rows scroll by whole rows, rounded as the pixels give.
      int dx = static_cast<int>(static_cast<std::intptr_t>(m.WParam));
      int dy = static_cast<int>(m.LParam);
      ScrollPixels(scrollX_ + dx);
      int rows = dy / RowHeight(0);
      if (rows == 0 && dy != 0) rows = dy > 0 ? 1 : -1;
      ScrollToRow(TopRow() + rows);
      m.Result = TRUE;
      return true;
    }
    case LVM_GETHEADER: m.Result = reinterpret_cast<LRESULT>(header_); return true;
    case LVM_GETTOPINDEX: m.Result = TopRow(); return true;
    case LVM_GETCOUNTPERPAGE: m.Result = RowsPerPage(); return true;
    case LVM_SETITEMSTATE: {
      auto* lvs = reinterpret_cast<const LVITEMSTATE*>(m.LParam);
      if (!lvs) {
        m.Result = FALSE;
        return true;
      }
      bool ok = true;
      if (index == -1) {
        for (int i = 0; i < count && i < static_cast<int>(items_.size()); ++i)
          ok = ChangeState(i, lvs->state, lvs->stateMask) && ok;
      } else {
        ok = ChangeState(index, lvs->state, lvs->stateMask);
      }
      m.Result = ok ? TRUE : FALSE;
      return true;
    }
    case LVM_GETITEMSTATE:
      m.Result = index >= 0 && index < count ? (items_[index]->state_ & static_cast<UINT>(m.LParam)) : 0;
      return true;
    case LVM_SETEXTENDEDLISTVIEWSTYLE:
      m.Result = ExtendedStyle();
      SetExtendedStyle(static_cast<DWORD>(m.WParam), static_cast<DWORD>(m.LParam));
      return true;
    case LVM_GETEXTENDEDLISTVIEWSTYLE: m.Result = ExtendedStyle(); return true;
    case LVM_GETSELECTEDCOUNT:
      m.Result = std::count_if(items_.begin(), items_.end(), [](const auto& i) { return i->Selected(); });
      return true;
    default: return false;
  }
}

// A click off the items clears the selection, unless it extends it.
void TListView::ClickItem(int index, TShiftState shift) {
  if (index >= 0) ClickRow(index, shift);
  else if (!(shift & (ssCtrl | ssShift))) ClearSelection();
}

void TListView::KeyNavigate(WORD key, TShiftState shift) {
  int caret = CaretRow();
  switch (key) {
    case VK_SPACE:
      if (caret < 0) return;
      if (checkboxes_) ToggleCheck(caret);
      if (multiSelect_ && (shift & ssCtrl)) ToggleRow(caret);
      else ChangeState(caret, LVIS_SELECTED, LVIS_SELECTED);
      return;
    case VK_LEFT: ScrollPixels(scrollX_ - kLinePixels); return;
    case VK_RIGHT: ScrollPixels(scrollX_ + kLinePixels); return;
    default: NavigateRows(key, shift); return;
  }
}

void TListView::DefaultHandler(TMessage& m) {
  if (HandleListViewMessage(m)) return;
  switch (m.Msg) {
    case WM_HSCROLL:
      switch (LOWORD(m.WParam)) {
        case SB_LINELEFT: ScrollPixels(scrollX_ - kLinePixels); break;
        case SB_LINERIGHT: ScrollPixels(scrollX_ + kLinePixels); break;
        case SB_PAGELEFT: ScrollPixels(scrollX_ - ClientWidth()); break;
        case SB_PAGERIGHT: ScrollPixels(scrollX_ + ClientWidth()); break;
        case SB_THUMBTRACK:
        case SB_THUMBPOSITION: ScrollPixels(HIWORD(m.WParam)); break;
        default: break;
      }
      return;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN: {
      if (CanFocus() && !Focused()) SetFocus();
      TPoint p{GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam)};
      TListItem* item = GetItemAt(p.X, p.Y);
      int index = item ? IndexOf(item) : -1;
      // A right click keeps a selection it falls into.
      if (m.Msg == WM_RBUTTONDOWN && item && item->Selected()) return;
      // A click on a check box toggles it and leaves the selection alone.
      if (m.Msg != WM_RBUTTONDOWN && OnCheckBox(index, p.X)) {
        ToggleCheck(index);
        return;
      }
      ClickItem(index, KeysToShiftState(m.WParam));
      return;
    }
    case WM_KEYDOWN: KeyNavigate(static_cast<WORD>(m.WParam), KeyboardShiftState()); return;
    case WM_NOTIFY: {
      auto* nm = reinterpret_cast<const NMHEADER*>(m.LParam);
      if (!nm || nm->hdr.hwndFrom != header_ || !header_) break;
      if (nm->hdr.code == HDN_ITEMCLICK && columnClick_) {
        NMLISTVIEW click;
        click.hdr.hwndFrom = Handle();
        click.hdr.code = LVN_COLUMNCLICK;
        click.iSubItem = nm->iItem;
        NotifyOwnControl(Handle(), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&click));
      } else if (nm->hdr.code == HDN_ITEMCHANGED && nm->pitem && nm->iItem >= 0 && nm->iItem < columns_.Count()) {
        // A width dragged in the header, or a width or image set by a hook, becomes the column's.
        TListColumn* column = columns_.Items(nm->iItem);
        if (nm->pitem->mask & HDI_WIDTH) column->width_ = std::max(0, nm->pitem->cxy);
        if (nm->pitem->mask & HDI_IMAGE) column->imageIndex_ = nm->pitem->iImage;
        Changed();
      }
      return;
    }
    default: break;
  }
  TRowView::DefaultHandler(m);
}

void TListView::PaintWindow(HDC dc) {
  if (!dc) return;
  bool focused = Focused();
  int count = static_cast<int>(items_.size());
  int bottom = ClientHeight();
  // Nothing erases an opaque control: rows that moved must not leave their old pixels.
  dc->Brush()->SetColor(Color());
  dc->FillRect({0, HeaderHeight(), ClientWidth(), bottom});
  for (int i = TopRow(); i < count; ++i) {
    TRect r = ItemRowRect(i);
    if (r.Top >= bottom) break;
    PaintRow(*dc, i, r, focused);
  }
  if (!gridLines_) return;
  // Column lines go all the way down.
  dc->Brush()->SetColor(clBtnFace);
  int x = -scrollX_;
  for (int c = 0; c < columns_.Count(); ++c) {
    x += columns_.Items(c)->Width();
    dc->FillRect({x - 1, HeaderHeight(), x, bottom});
  }
}

void TListView::PaintRow(TCanvas& c, int index, const TRect& row, bool focused) {
  TListItem* item = items_[index].get();
  bool selected = item->Selected();
  int saved = c.SaveDC();
  c.SetFont(*Font());
  c.SetBkMode(TRANSPARENT);
  int x = row.Left;
  int columns = std::max(1, columns_.Count());
  TRect highlight;
  for (int col = 0; col < columns; ++col) {
    int width = columns_.Count() > 0 ? columns_.Items(col)->Width() : ClientWidth();
    TRect cell{x, row.Top, x + width, row.Bottom};
    x += width;
    std::string text = col == 0 ? item->Caption() : (col - 1 < item->SubItems()->Count() ? (*item->SubItems())[col - 1] : "");
    TRect textRect = cell;
    textRect.Left += 2;
    if (col == 0) textRect.Left += StateImageWidth();
    int imageLeft = textRect.Left;
    if (col == 0 && smallImages_) textRect.Left += smallImages_->Width() + 2;
    bool paintSelected = selected && (rowSelect_ || col == 0);
    if (paintSelected) {
      TRect fill = col == 0 && !rowSelect_ ? TRect{textRect.Left - 2, cell.Top, textRect.Left + c.TextWidth(text) + 4, cell.Bottom} : cell;
      fill.Right = std::min(fill.Right, cell.Right);
      c.Brush()->SetColor(focused ? clHighlight : clBtnFace);
      c.FillRect(fill);
      if (col == 0) highlight = fill;
      else highlight.Right = fill.Right;
    }
    // The box and the image go over the whole-row highlight.
    if (col == 0 && checkboxes_) PaintCheckBox(c, item, cell);
    if (col == 0 && smallImages_ && item->ImageIndex() >= 0)
      smallImages_->Draw(&c, imageLeft, cell.Top + (cell.Height() - smallImages_->Height()) / 2, item->ImageIndex(), Enabled());
    c.Font()->SetColor(paintSelected && focused ? clHighlightText : (Enabled() ? Font()->Color() : clGrayText));
    textRect.Right -= 4;
    c.Brush()->SetStyle(bsClear);  // the text keeps the background just painted
    TAlignment align = columns_.Count() > 0 ? columns_.Items(col)->Alignment() : taLeftJustify;
    UINT flags = DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS |
                 (align == taRightJustify ? DT_RIGHT : align == taCenter ? DT_CENTER : DT_LEFT);
    DrawText(&c, text, textRect, flags);
  }
  if (gridLines_) {
    c.Brush()->SetColor(clBtnFace);
    c.FillRect({row.Left, row.Bottom - 1, row.Right, row.Bottom});
  }
  if (focused && item->Focused()) {
    TRect focus = rowSelect_ ? TRect{row.Left, row.Top, std::min(row.Right, x), row.Bottom} : highlight;
    if (focus.IsEmpty()) focus = {row.Left, row.Top, row.Left + (columns_.Count() ? columns_.Items(0)->Width() : row.Width()), row.Bottom};
    c.DrawFocusRect(focus);
  }
  c.RestoreDC(saved);
}
