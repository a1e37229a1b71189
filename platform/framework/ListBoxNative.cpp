// The native part of the list box: the LB_ messages, selection by mouse
// and keys, scrolling with the window scroll bars, and painting.

#include <algorithm>

#include "platform/framework/ListControls.h"
#include "platform/framework/SysUtils.h"
#include "platform/gfx/DrawText.h"
#include "platform/gfx/TextUtf8.h"

namespace {

bool StartsWithNoCase(const std::string& text, const std::string& prefix) {
  return text.size() >= prefix.size() && CompareText(text.substr(0, prefix.size()), prefix) == 0;
}

const char* TextArg(LPARAM lParam) { return lParam ? reinterpret_cast<const char*>(lParam) : ""; }

}  // namespace

int TCustomListBox::NativeCount() const {
  return (ListStyle() & LBS_NODATA) ? virtualCount_ : static_cast<int>(list_.size());
}

bool TCustomListBox::IsMultiple() const { return (ListStyle() & (LBS_MULTIPLESEL | LBS_EXTENDEDSEL)) != 0; }

bool TCustomListBox::IsOwnerDraw() const {
  return (ListStyle() & (LBS_OWNERDRAWFIXED | LBS_OWNERDRAWVARIABLE)) != 0;
}

int TCustomListBox::RowHeight(int index) {
  if (IsVariable() && index >= 0 && index < static_cast<int>(list_.size()) && list_[index].height > 0)
    return list_[index].height;
  if (IsOwnerDraw()) return itemHeight_;
  // A plain list box fits its rows to the font.
  return std::max(1, Canvas()->TextHeight("Wg") + 1);
}

int TCustomListBox::RowsPerColumn() {
  int rows = ClientHeight() / std::max(1, RowHeight(0));
  return std::max(1, rows);
}

// Whole rows that fit from the top row on.
int TCustomListBox::RowsPerPage() {
  if (columns_ > 0) return RowsPerColumn() * std::max(1, columns_);
  if (!IsVariable()) return std::max(1, ClientHeight() / std::max(1, RowHeight(0)));
  int rows = 0, y = 0, n = NativeCount();
  for (int i = top_; i < n; ++i) {
    y += RowHeight(i);
    if (y > ClientHeight()) break;
    ++rows;
  }
  return std::max(1, rows);
}

TRect TCustomListBox::NativeItemRect(int index) {
  int width = ClientWidth();
  if (columns_ > 0) {
    int rows = RowsPerColumn();
    int columnWidth = std::max(1, width / columns_);
    int column = (index - top_) / rows - (index < top_ ? 1 : 0);
    if (index < top_) column = -((top_ - index + rows - 1) / rows);
    int row = ((index % rows) + rows) % rows;
    int h = RowHeight(index);
    return {column * columnWidth, row * h, (column + 1) * columnWidth, (row + 1) * h};
  }
  int y = 0;
  if (index >= top_) {
    for (int i = top_; i < index; ++i) y += RowHeight(i);
  } else {
    for (int i = index; i < top_; ++i) y -= RowHeight(i);
  }
  return {0, y, width, y + RowHeight(index)};
}

int TCustomListBox::NativeItemFromPoint(TPoint p, bool* outside) {
  int n = NativeCount();
  *outside = true;
  if (n == 0) return 0;
  if (columns_ > 0) {
    int rows = RowsPerColumn();
    int columnWidth = std::max(1, ClientWidth() / columns_);
    int column = std::max(0, p.X) / columnWidth;
    int row = std::clamp(p.Y / std::max(1, RowHeight(0)), 0, rows - 1);
    int index = top_ + column * rows + row;
    *outside = !ClientRect().Contains(p) || index >= n;
    return std::min(index, n - 1);
  }
  int y = 0;
  for (int i = top_; i < n; ++i) {
    int h = RowHeight(i);
    if (p.Y < y + h) {
      *outside = p.Y < 0 || p.X < 0 || p.X >= ClientWidth();
      return p.Y < 0 ? std::max(0, top_ - 1) : i;
    }
    y += h;
  }
  return n - 1;
}

void TCustomListBox::ScrollTo(int top) {
  int n = NativeCount();
  int maxTop;
  if (columns_ > 0) {
    int rows = RowsPerColumn();
    int pages = std::max(1, columns_);
    int columnsTotal = (n + rows - 1) / rows;
    maxTop = std::max(0, columnsTotal - pages) * rows;
    top = (std::max(0, top) / rows) * rows;
  } else if (IsVariable()) {
    // The last top that still fills the list to its bottom.
    maxTop = n;
    int y = 0;
    while (maxTop > 0 && y + RowHeight(maxTop - 1) <= ClientHeight()) y += RowHeight(--maxTop);
  } else {
    maxTop = std::max(0, n - RowsPerPage());
  }
  top = std::clamp(top, 0, std::max(0, maxTop));
  if (top == top_) return;
  top_ = top;
  Invalidate();
  UpdateScrollBars();
}

void TCustomListBox::EnsureVisible(int index) {
  if (!ValidIndex(index)) return;
  if (columns_ > 0) {
    int rows = RowsPerColumn(), page = RowsPerPage();
    if (index < top_) ScrollTo(index);
    else if (index >= top_ + page) ScrollTo(index - page + rows);
    return;
  }
  if (index < top_) {
    ScrollTo(index);
    return;
  }
  // Move the top down until the whole row is within the client.
  int top = top_;
  auto bottomOf = [&](int t) {
    int y = 0;
    for (int i = t; i <= index; ++i) y += RowHeight(i);
    return y;
  };
  while (top < index && bottomOf(top) > ClientHeight()) ++top;
  ScrollTo(top);
}

void TCustomListBox::UpdateScrollBars() {
  if (!HandleAllocated()) return;
  SetBarsSettled([this] {
    int n = NativeCount();
    SCROLLINFO si;
    si.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    if (ListStyle() & LBS_DISABLENOSCROLL) si.fMask |= SIF_DISABLENOSCROLL;
    if (columns_ > 0) {
      int rows = RowsPerColumn();
      si.nMax = std::max(0, (n + rows - 1) / rows - 1);
      si.nPage = static_cast<UINT>(std::max(1, columns_));
      si.nPos = top_ / rows;
      SetScrollInfo(Handle(), SB_HORZ, &si, true);
      ShowScrollBar(Handle(), SB_VERT, false);
    } else {
      si.nMax = std::max(0, n - 1);
      si.nPage = static_cast<UINT>(RowsPerPage());
      si.nPos = top_;
      SetScrollInfo(Handle(), SB_VERT, &si, true);
    }
  });
}

void TCustomListBox::Changed() {
  ScrollTo(top_);
  UpdateScrollBars();
  Invalidate();
}

void TCustomListBox::NotifySelChange() {
  if (!HandleAllocated()) return;
  NotifyOwnControl(Handle(), WM_COMMAND, static_cast<WPARAM>(MAKELPARAM(0, LBN_SELCHANGE)),
                   reinterpret_cast<LPARAM>(Handle()));
}

LRESULT TCustomListBox::InsertItem(int index, const std::string& text) {
  if (ListStyle() & LBS_NODATA) return LB_ERR;
  int n = static_cast<int>(list_.size());
  if (index < 0 || index > n) index = n;
  Item item;
  item.text = text;
  list_.insert(list_.begin() + index, item);
  if (curSel_ >= index) ++curSel_;
  if (caret_ >= index) ++caret_;
  if (anchor_ >= index) ++anchor_;
  if (IsVariable() && HandleAllocated()) {
    MEASUREITEMSTRUCT mis;
    mis.CtlType = ODT_LISTBOX;
    mis.itemID = static_cast<UINT>(index);
    mis.itemHeight = static_cast<UINT>(itemHeight_);
    mis.itemWidth = static_cast<UINT>(ClientWidth());
    NotifyOwnControl(Handle(), WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&mis));
    if (index < static_cast<int>(list_.size()))
      list_[index].height = std::clamp(static_cast<int>(mis.itemHeight), 1, 255);
  }
  Changed();
  return index;
}

LRESULT TCustomListBox::DeleteItem(int index) {
  if ((ListStyle() & LBS_NODATA) || !ValidIndex(index)) return LB_ERR;
  list_.erase(list_.begin() + index);
  auto shift = [index](int& i) {
    if (i == index) i = -1;
    else if (i > index) --i;
  };
  shift(curSel_);
  shift(anchor_);
  if (caret_ > index || caret_ >= static_cast<int>(list_.size())) --caret_;
  Changed();
  return static_cast<LRESULT>(list_.size());
}

void TCustomListBox::ResetContent() {
  list_.clear();
  virtualCount_ = 0;
  top_ = 0;
  caret_ = anchor_ = curSel_ = -1;
  Changed();
}

LRESULT TCustomListBox::SetCurSel(int index) {
  if (IsMultiple()) return LB_ERR;
  if (!ValidIndex(index)) index = -1;
  if (curSel_ != index) {
    curSel_ = index;
    Invalidate();
  }
  if (index >= 0) SetCaret(index, true);
  return index < 0 ? LB_ERR : index;
}

LRESULT TCustomListBox::SetSel(bool select, int index) {
  if (!IsMultiple()) return LB_ERR;
  if (index == -1) {
    for (Item& item : list_) item.selected = select;
  } else if (ValidIndex(index) && index < static_cast<int>(list_.size())) {
    list_[index].selected = select;
  } else {
    return LB_ERR;
  }
  Invalidate();
  return LB_OKAY;
}

void TCustomListBox::SetCaret(int index, bool scrollIntoView) {
  if (!ValidIndex(index)) return;
  caret_ = index;
  if (scrollIntoView) EnsureVisible(index);
  Invalidate();
}

void TCustomListBox::SelectRange(int from, int to, bool clearOthers) {
  if (from > to) std::swap(from, to);
  for (int i = 0; i < static_cast<int>(list_.size()); ++i) {
    bool inside = i >= from && i <= to;
    if (inside) list_[i].selected = true;
    else if (clearOthers) list_[i].selected = false;
  }
  Invalidate();
}

bool TCustomListBox::HandleListMessage(TMessage& m) {
  int index = static_cast<int>(static_cast<std::intptr_t>(m.WParam));
  int n = NativeCount();
  switch (m.Msg) {
    case LB_ADDSTRING: {
      std::string text = TextArg(m.LParam);
      int at = static_cast<int>(list_.size());
      if (ListStyle() & LBS_SORT) {
        at = static_cast<int>(std::upper_bound(list_.begin(), list_.end(), text, [](const std::string& t, const Item& item) {
               return CompareText(t, item.text) < 0;
             }) - list_.begin());
      }
      m.Result = InsertItem(at, text);
      return true;
    }
    case LB_INSERTSTRING:
      m.Result = (index < -1 || index > n) ? LB_ERR : InsertItem(index, TextArg(m.LParam));
      return true;
    case LB_DELETESTRING: m.Result = DeleteItem(index); return true;
    case LB_RESETCONTENT: ResetContent(); return true;
    case LB_SETCOUNT:
      if (!(ListStyle() & LBS_NODATA)) {
        m.Result = LB_ERR;
        return true;
      }
      virtualCount_ = std::max(0, index);
      if (curSel_ >= virtualCount_) curSel_ = -1;
      if (caret_ >= virtualCount_) caret_ = virtualCount_ - 1;
      Changed();
      return true;
    case LB_GETCOUNT: m.Result = n; return true;
    case LB_GETTEXT: {
      auto* out = reinterpret_cast<std::string*>(m.LParam);
      if (!ValidIndex(index) || !out) {
        m.Result = LB_ERR;
        return true;
      }
      *out = ItemText(index);
      m.Result = static_cast<LRESULT>(out->size());
      return true;
    }
    case LB_GETTEXTLEN: m.Result = ValidIndex(index) ? static_cast<LRESULT>(ItemText(index).size()) : LB_ERR; return true;
    case LB_SETCURSEL: m.Result = SetCurSel(index); return true;
    case LB_GETCURSEL: m.Result = IsMultiple() ? caret_ : curSel_; return true;
    case LB_SETSEL: m.Result = SetSel(m.WParam != 0, static_cast<int>(m.LParam)); return true;
    case LB_GETSEL:
      if (!ValidIndex(index)) m.Result = LB_ERR;
      else if (IsMultiple()) m.Result = index < static_cast<int>(list_.size()) && list_[index].selected ? 1 : 0;
      else m.Result = index == curSel_ ? 1 : 0;
      return true;
    case LB_GETSELCOUNT:
      m.Result = IsMultiple() ? std::count_if(list_.begin(), list_.end(), [](const Item& i) { return i.selected; })
                              : LB_ERR;
      return true;
    case LB_GETSELITEMS: {
      auto* out = reinterpret_cast<std::vector<int>*>(m.LParam);
      if (!IsMultiple() || !out) {
        m.Result = LB_ERR;
        return true;
      }
      out->clear();
      for (int i = 0; i < static_cast<int>(list_.size()); ++i)
        if (list_[i].selected) out->push_back(i);
      m.Result = static_cast<LRESULT>(out->size());
      return true;
    }
    case LB_SELITEMRANGE: {
      if (!IsMultiple()) {
        m.Result = LB_ERR;
        return true;
      }
      int first = LOWORD(static_cast<std::uintptr_t>(m.LParam)), last = HIWORD(static_cast<std::uintptr_t>(m.LParam));
      for (int i = std::max(0, std::min(first, last)); i <= std::max(first, last) && i < static_cast<int>(list_.size()); ++i)
        list_[i].selected = m.WParam != 0;
      Invalidate();
      return true;
    }
    case LB_FINDSTRING:
    case LB_FINDSTRINGEXACT:
    case LB_SELECTSTRING: {
      std::string text = TextArg(m.LParam);
      m.Result = LB_ERR;
      for (int k = 1; k <= n; ++k) {
        int i = ((index < 0 ? -1 : index) + k) % n;
        std::string item = ItemText(i);
        bool hit = m.Msg == LB_FINDSTRINGEXACT ? CompareText(item, text) == 0 : StartsWithNoCase(item, text);
        if (!hit) continue;
        m.Result = i;
        if (m.Msg == LB_SELECTSTRING) {
          if (IsMultiple()) SetCaret(i, true);
          else SetCurSel(i);
        }
        break;
      }
      return true;
    }
    case LB_GETTOPINDEX: m.Result = top_; return true;
    case LB_SETTOPINDEX:
      if (index < 0 || (n > 0 && index >= n)) {
        m.Result = LB_ERR;
        return true;
      }
      ScrollTo(index);
      return true;
    case LB_GETITEMRECT: {
      auto* out = reinterpret_cast<TRect*>(m.LParam);
      if (!out || (index != 0 && !ValidIndex(index))) {
        m.Result = LB_ERR;
        return true;
      }
      *out = NativeItemRect(index);
      return true;
    }
    case LB_GETITEMDATA:
      m.Result = ValidIndex(index) && index < static_cast<int>(list_.size()) ? list_[index].data : LB_ERR;
      return true;
    case LB_SETITEMDATA:
      if (!ValidIndex(index) || index >= static_cast<int>(list_.size())) m.Result = LB_ERR;
      else list_[index].data = m.LParam;
      return true;
    case LB_SETANCHORINDEX: anchor_ = ValidIndex(index) ? index : -1; return true;
    case LB_GETANCHORINDEX: m.Result = anchor_; return true;
    case LB_SETCARETINDEX:
      if (!ValidIndex(index)) m.Result = LB_ERR;
      else SetCaret(index, true);
      return true;
    case LB_GETCARETINDEX: m.Result = caret_ < 0 && n > 0 ? 0 : caret_; return true;
    case LB_SETITEMHEIGHT: {
      int h = static_cast<int>(m.LParam);
      if (h <= 0 || h > 255) {
        m.Result = LB_ERR;
        return true;
      }
      if (IsVariable() && ValidIndex(index)) list_[index].height = h;
      else itemHeight_ = h;
      Changed();
      return true;
    }
    case LB_GETITEMHEIGHT: m.Result = RowHeight(IsVariable() ? index : 0); return true;
    case LB_SETTABSTOPS:
      tabWidth_ = m.WParam == 0 ? 0 : (m.LParam ? *reinterpret_cast<const int*>(m.LParam) : tabWidth_);
      Invalidate();
      m.Result = TRUE;
      return true;
    case LB_SETCOLUMNWIDTH: Invalidate(); return true;
    case LB_ITEMFROMPOINT: {
      bool outside = true;
      int i = NativeItemFromPoint({GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam)}, &outside);
      m.Result = MAKELPARAM(i, outside ? 1 : 0);
      return true;
    }
    default: return false;
  }
}

void TCustomListBox::Scroll(UINT msg, WORD code, int thumb) {
  int line = msg == WM_HSCROLL ? RowsPerColumn() : 1;
  int page = msg == WM_HSCROLL ? RowsPerPage() : std::max(1, RowsPerPage() - 0);
  switch (code) {
    case SB_LINEUP: ScrollTo(top_ - line); break;
    case SB_LINEDOWN: ScrollTo(top_ + line); break;
    case SB_PAGEUP: ScrollTo(top_ - page); break;
    case SB_PAGEDOWN: ScrollTo(top_ + page); break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: ScrollTo(thumb * line); break;
    case SB_TOP: ScrollTo(0); break;
    case SB_BOTTOM: ScrollTo(NativeCount()); break;
    default: break;
  }
}

void TCustomListBox::DefaultHandler(TMessage& m) {
  if (HandleListMessage(m)) return;
  switch (m.Msg) {
    case WM_VSCROLL:
    case WM_HSCROLL:
      Scroll(m.Msg, LOWORD(m.WParam), HIWORD(m.WParam));
      return;
    case WM_MOUSEWHEEL: {
      int notches = GET_WHEEL_DELTA_WPARAM(m.WParam) / WHEEL_DELTA;
      ScrollTo(top_ - notches * 3 * (columns_ > 0 ? RowsPerColumn() : 1));
      return;
    }
    case WM_LBUTTONDOWN:
      if (focusOnClick_ && CanFocus() && !Focused()) SetFocus();
      ClickAt({GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam)}, KeysToShiftState(m.WParam), false);
      tracking_ = true;
      return;
    case WM_LBUTTONDBLCLK:
      if (HandleAllocated())
        NotifyOwnControl(Handle(), WM_COMMAND, static_cast<WPARAM>(MAKELPARAM(0, LBN_DBLCLK)),
                         reinterpret_cast<LPARAM>(Handle()));
      return;
    case WM_MOUSEMOVE:
      if (tracking_ && (m.WParam & MK_LBUTTON))
        ClickAt({GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam)}, KeysToShiftState(m.WParam), true);
      return;
    case WM_LBUTTONUP: tracking_ = false; return;
    case WM_KEYDOWN: KeyNavigate(static_cast<WORD>(m.WParam), KeyboardShiftState()); return;
    case WM_CHAR: {
      char32_t ch = static_cast<char32_t>(m.WParam);
      if (ch < 0x20 || NativeCount() == 0) return;
      std::string prefix = EncodeUtf8(std::u32string(1, ch));
      int n = NativeCount();
      for (int k = 1; k <= n; ++k) {
        int i = (std::max(caret_, -1) + k) % n;
        if (!StartsWithNoCase(ItemText(i), prefix)) continue;
        int before = curSel_;
        if (IsMultiple()) {
          SelectRange(i, i, true);
          anchor_ = i;
          SetCaret(i, true);
          NotifySelChange();
        } else {
          SetCurSel(i);
          if (before != curSel_) NotifySelChange();
        }
        break;
      }
      return;
    }
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      Invalidate();
      break;
    case WM_SIZE:
      TScrollingControl::DefaultHandler(m);
      Changed();
      return;
    default: break;
  }
  TScrollingControl::DefaultHandler(m);
}

void TCustomListBox::ClickAt(TPoint p, TShiftState shift, bool drag) {
  bool outside = true;
  int i = NativeItemFromPoint(p, &outside);
  int n = NativeCount();
  if (n == 0 || (!drag && outside)) return;
  DWORD style = ListStyle();
  if (!IsMultiple()) {
    int before = curSel_;
    SetCurSel(i);
    if (before != curSel_) NotifySelChange();
    return;
  }
  if (style & LBS_MULTIPLESEL) {
    if (drag) return;
    if (i < static_cast<int>(list_.size())) list_[i].selected = !list_[i].selected;
    SetCaret(i, true);
    NotifySelChange();
    return;
  }
  // Extended selection: Shift extends from the anchor, Ctrl toggles.
  if (drag) {
    if (i == caret_) return;
    SelectRange(anchor_ < 0 ? i : anchor_, i, !(shift & ssCtrl));
  } else if (shift & ssShift) {
    SelectRange(anchor_ < 0 ? i : anchor_, i, !(shift & ssCtrl));
  } else if (shift & ssCtrl) {
    if (i < static_cast<int>(list_.size())) list_[i].selected = !list_[i].selected;
    anchor_ = i;
  } else {
    SelectRange(i, i, true);
    anchor_ = i;
  }
  SetCaret(i, true);
  NotifySelChange();
}

void TCustomListBox::KeyNavigate(WORD key, TShiftState shift) {
  int n = NativeCount();
  if (n == 0) return;
  int from = caret_ < 0 ? (IsMultiple() ? 0 : curSel_) : caret_;
  int target = from;
  int page = std::max(1, RowsPerPage() - 1);
  int rows = columns_ > 0 ? RowsPerColumn() : 1;
  switch (key) {
    case VK_UP: target = from - 1; break;
    case VK_DOWN: target = from + 1; break;
    case VK_LEFT: target = columns_ > 0 ? from - rows : from - 1; break;
    case VK_RIGHT: target = columns_ > 0 ? from + rows : from + 1; break;
    case VK_PRIOR: target = from - page; break;
    case VK_NEXT: target = from + page; break;
    case VK_HOME: target = 0; break;
    case VK_END: target = n - 1; break;
    case VK_SPACE:
      if ((ListStyle() & LBS_MULTIPLESEL) && ValidIndex(caret_) && caret_ < static_cast<int>(list_.size())) {
        list_[caret_].selected = !list_[caret_].selected;
        Invalidate();
        NotifySelChange();
      }
      return;
    default: return;
  }
  if (from < 0) target = 0;
  target = std::clamp(target, 0, n - 1);
  if (!IsMultiple()) {
    int before = curSel_;
    SetCurSel(target);
    if (before != curSel_) NotifySelChange();
    return;
  }
  if ((ListStyle() & LBS_EXTENDEDSEL) && !(shift & ssCtrl)) {
    if (shift & ssShift) SelectRange(anchor_ < 0 ? target : anchor_, target, true);
    else {
      SelectRange(target, target, true);
      anchor_ = target;
    }
    SetCaret(target, true);
    NotifySelChange();
    return;
  }
  SetCaret(target, true);
}

void TCustomListBox::PaintWindow(HDC dc) {
  if (!dc) return;
  int n = NativeCount();
  bool focused = Focused();
  TRect client = ClientRect();
  if (n == 0) {
    if (focused && IsOwnerDraw()) {
      // An empty owner-drawn list is asked for its focus rectangle.
      DRAWITEMSTRUCT dis;
      dis.CtlType = ODT_LISTBOX;
      dis.itemID = static_cast<UINT>(-1);
      dis.itemAction = ODA_FOCUS;
      dis.itemState = ODS_FOCUS;
      dis.hwndItem = Handle();
      dis.hDC = dc;
      dis.rcItem = {0, 0, client.Width(), RowHeight(0)};
      NotifyOwnControl(Handle(), WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&dis));
    }
    return;
  }
  for (int i = top_; i < n; ++i) {
    TRect r = NativeItemRect(i);
    if (r.Top >= client.Bottom || r.Left >= client.Right) break;
    PaintItem(*dc, i, r, focused);
  }
}

void TCustomListBox::PaintItem(TCanvas& canvas, int index, const TRect& rect, bool focused) {
  bool selected = IsMultiple() ? (index < static_cast<int>(list_.size()) && list_[index].selected) : index == curSel_;
  bool hasFocus = focused && index == (caret_ < 0 && IsMultiple() ? 0 : caret_);
  UINT state = 0;
  if (selected) state |= ODS_SELECTED;
  if (hasFocus) state |= ODS_FOCUS;
  if (!IsWindowEnabled(Handle())) state |= ODS_DISABLED;
  if (IsOwnerDraw()) {
    DRAWITEMSTRUCT dis;
    dis.CtlType = ODT_LISTBOX;
    dis.itemID = static_cast<UINT>(index);
    dis.itemAction = ODA_DRAWENTIRE;
    dis.itemState = state;
    dis.hwndItem = Handle();
    dis.hDC = &canvas;
    dis.rcItem = rect;
    dis.itemData = index < static_cast<int>(list_.size()) ? list_[index].data : 0;
    NotifyOwnControl(Handle(), WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&dis));
    return;
  }
  int saved = canvas.SaveDC();
  canvas.SetFont(*Font());
  canvas.Brush()->SetColor(selected ? clHighlight : Color());
  canvas.FillRect(rect);
  canvas.Font()->SetColor(!(state & ODS_DISABLED) ? (selected ? clHighlightText : Font()->Color()) : clGrayText);
  canvas.SetBkMode(TRANSPARENT);
  std::string text = ItemText(index);
  TRect r = rect;
  r.Left += 2;
  if ((ListStyle() & LBS_USETABSTOPS) && text.find('\t') != std::string::npos) {
    // Tab stops in dialog units: a quarter of the average character width each.
    int tab = std::max(1, tabWidth_ * std::max(1, canvas.TextWidth("x")) / 4);
    int x = r.Left;
    size_t start = 0;
    while (start <= text.size()) {
      size_t end = text.find('\t', start);
      std::string piece = text.substr(start, end == std::string::npos ? std::string::npos : end - start);
      TRect cell{x, r.Top, r.Right, r.Bottom};
      DrawText(&canvas, piece, cell, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
      if (end == std::string::npos) break;
      x = r.Left + ((x - r.Left + canvas.TextWidth(piece)) / tab + 1) * tab;
      start = end + 1;
    }
  } else {
    DrawText(&canvas, text, r, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
  }
  if (state & ODS_FOCUS) canvas.DrawFocusRect(rect);
  canvas.RestoreDC(saved);
}
