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
  if (textRowHeight_ > 0) return textRowHeight_;
  // A plain list box fits its rows to the font.
  return std::max(1, Canvas()->TextHeight("Wg") + 1);
}

TRowSelectMode TCustomListBox::RowSelectMode() {
  DWORD style = ListStyle();
  if (style & LBS_EXTENDEDSEL) return rsExtended;
  return (style & LBS_MULTIPLESEL) ? rsMultiple : rsSingle;
}

bool TCustomListBox::RowSelected(int index) {
  if (!IsMultiple()) return index == curSel_;
  return index >= 0 && index < static_cast<int>(list_.size()) && list_[index].selected;
}

bool TCustomListBox::SetRowSelected(int index, bool selected) {
  if (!IsMultiple()) {
    if (selected) curSel_ = index;
    else if (curSel_ == index) curSel_ = -1;
  } else if (index >= 0 && index < static_cast<int>(list_.size())) {
    list_[index].selected = selected;
  } else {
    return false;  // a virtual list keeps no selection of its items
  }
  Invalidate();
  return true;
}

int TCustomListBox::CaretRow() {
  int caret = TRowView::CaretRow();
  return caret < 0 && IsMultiple() && NativeCount() > 0 ? 0 : caret;
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
  RowsInserted(index, 1);
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
  if (curSel_ == index) curSel_ = -1;
  else if (curSel_ > index) --curSel_;
  RowRemoved(index);
  Changed();
  return static_cast<LRESULT>(list_.size());
}

void TCustomListBox::ResetContent() {
  list_.clear();
  virtualCount_ = 0;
  curSel_ = -1;
  RowsCleared();
  Changed();
}

LRESULT TCustomListBox::SetCurSel(int index) {
  if (IsMultiple()) return LB_ERR;
  if (!ValidIndex(index)) index = -1;
  if (curSel_ != index) {
    curSel_ = index;
    Invalidate();
  }
  MoveCaret(index);
  return index < 0 ? LB_ERR : index;
}

// Selecting an item makes it the anchor and the caret; deselecting leaves both.
LRESULT TCustomListBox::SetSel(bool select, int index) {
  if (!IsMultiple()) return LB_ERR;
  if (index == -1) {
    for (Item& item : list_) item.selected = select;
  } else if (ValidIndex(index) && index < static_cast<int>(list_.size())) {
    list_[index].selected = select;
  } else {
    return LB_ERR;
  }
  if (select) {
    SetAnchor(index);
    MoveCaret(index);
  }
  Invalidate();
  return LB_OKAY;
}

// The rectangle of any item; the answer tells whether it shows in the client.
LRESULT TCustomListBox::GetItemRect(int index, TRect* rect) {
  if (!rect || (index != 0 && !ValidIndex(index))) return LB_ERR;
  *rect = RowRect(index);
  return rect->Left < ClientWidth() && rect->Right > 0 && rect->Top < ClientHeight() && rect->Bottom > 0;
}

bool TCustomListBox::HandleListMessage(TMessage& m) {
  if (HandleSelectionMessage(m)) return true;
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
      RowsTruncated();
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
          if (IsMultiple()) MoveCaret(i);
          else SetCurSel(i);
        }
        break;
      }
      return true;
    }
    case LB_GETTOPINDEX: m.Result = TopRow(); return true;
    case LB_SETTOPINDEX:
      if (index < 0 || (n > 0 && index >= n)) {
        m.Result = LB_ERR;
        return true;
      }
      ScrollToRow(index);
      return true;
    case LB_GETITEMRECT: m.Result = GetItemRect(index, reinterpret_cast<TRect*>(m.LParam)); return true;
    case LB_GETITEMDATA:
      m.Result = ValidIndex(index) && index < static_cast<int>(list_.size()) ? list_[index].data : LB_ERR;
      return true;
    case LB_SETITEMDATA:
      if (!ValidIndex(index) || index >= static_cast<int>(list_.size())) m.Result = LB_ERR;
      else list_[index].data = m.LParam;
      return true;
    case LB_SETITEMHEIGHT: {
      int h = static_cast<int>(m.LParam);
      if (h <= 0 || h > 255) {
        m.Result = LB_ERR;
        return true;
      }
      if (IsVariable() && ValidIndex(index)) list_[index].height = h;
      else if (IsOwnerDraw()) itemHeight_ = h;
      else textRowHeight_ = h;
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
      int i = RowAt({GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam)}, &outside);
      m.Result = MAKELPARAM(i, outside ? 1 : 0);
      return true;
    }
    default: return false;
  }
}

bool TCustomListBox::HandleSelectionMessage(TMessage& m) {
  int index = static_cast<int>(static_cast<std::intptr_t>(m.WParam));
  int n = NativeCount();
  // Until it has one, the caret is on the first item.
  int caret = TRowView::CaretRow() < 0 && n > 0 ? 0 : TRowView::CaretRow();
  switch (m.Msg) {
    case LB_SETCURSEL: m.Result = SetCurSel(index); return true;
    // A list of several selections answers its caret.
    case LB_GETCURSEL: m.Result = n == 0 ? LB_ERR : IsMultiple() ? caret : curSel_; return true;
    case LB_SETSEL: m.Result = SetSel(m.WParam != 0, static_cast<int>(m.LParam)); return true;
    case LB_GETSEL: m.Result = ValidIndex(index) ? (RowSelected(index) ? 1 : 0) : LB_ERR; return true;
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
    case LB_SETANCHORINDEX: SetAnchor(ValidIndex(index) ? index : -1); return true;
    case LB_GETANCHORINDEX: m.Result = Anchor(); return true;
    case LB_SETCARETINDEX:
      if (!ValidIndex(index)) m.Result = LB_ERR;
      else MoveCaret(index);
      return true;
    case LB_GETCARETINDEX: m.Result = caret; return true;
    default: return false;
  }
}

void TCustomListBox::DefaultHandler(TMessage& m) {
  if (HandleListMessage(m)) return;
  switch (m.Msg) {
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
    case WM_CHAR: SearchByChar(static_cast<char32_t>(m.WParam)); return;
    default: break;
  }
  TRowView::DefaultHandler(m);
}

void TCustomListBox::NotifyIf(bool selectionChanged) {
  if (selectionChanged) NotifySelChange();
}

// A press goes to the item under it; dragging on goes to the item the
// pointer reaches, above or below the list too.
void TCustomListBox::ClickAt(TPoint p, TShiftState shift, bool drag) {
  bool outside = true;
  int index = RowAt(p, &outside);
  if (!drag && outside) return;
  NotifyIf(ClickRow(index, shift, drag));
}

void TCustomListBox::KeyNavigate(WORD key, TShiftState shift) {
  if (key == VK_SPACE) {
    NotifyIf(ToggleCaretRow());
    return;
  }
  // In a single column the sideways keys step as the vertical ones.
  if (columns_ == 0 && (key == VK_LEFT || key == VK_RIGHT)) key = key == VK_LEFT ? VK_UP : VK_DOWN;
  NotifyIf(NavigateRows(key, shift));
}

// A typed character goes to the next item that begins with it.
void TCustomListBox::SearchByChar(char32_t ch) {
  int n = NativeCount();
  if (ch < 0x20 || n == 0) return;
  std::string prefix = EncodeUtf8(std::u32string(1, ch));
  for (int k = 1; k <= n; ++k) {
    int i = (std::max(TRowView::CaretRow(), -1) + k) % n;
    if (!StartsWithNoCase(ItemText(i), prefix)) continue;
    NotifyIf(GoToRow(i));
    return;
  }
}

void TCustomListBox::PaintWindow(HDC dc) {
  if (!dc) return;
  int n = NativeCount();
  bool focused = Focused();
  TRect client = ClientRect();
  if (n == 0) {
    // An empty owner-drawn list is asked for its focus rectangle.
    if (focused && IsOwnerDraw())
      RequestDrawItem(Handle(), ODT_LISTBOX, -1, ODA_FOCUS, ODS_FOCUS, dc, {0, 0, client.Width(), RowHeight(0)});
    return;
  }
  for (int i = TopRow(); i < n; ++i) {
    TRect r = RowRect(i);
    if (r.Top >= client.Bottom || r.Left >= client.Right) break;
    PaintItem(*dc, i, r, focused);
  }
}

void TCustomListBox::PaintItem(TCanvas& canvas, int index, const TRect& rect, bool focused) {
  bool selected = RowSelected(index);
  bool hasFocus = focused && index == CaretRow();
  UINT state = 0;
  if (selected) state |= ODS_SELECTED;
  if (hasFocus) state |= ODS_FOCUS;
  if (!IsWindowEnabled(Handle())) state |= ODS_DISABLED;
  if (IsOwnerDraw()) {
    LPARAM data = index < static_cast<int>(list_.size()) ? list_[index].data : 0;
    RequestDrawItem(Handle(), ODT_LISTBOX, index, ODA_DRAWENTIRE, state, &canvas, rect, data);
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
