// The native part of the memo: text, rows (wrapped at words when WordWrap
// is on), scrolling with the window scroll bars, editing by keys, mouse
// and the clipboard, the EM_ messages, and painting.

#include <algorithm>

#include "platform/framework/Memo.h"
#include "platform/gfx/TextUtf8.h"

namespace {

std::u32string Normalized(const std::string& utf8) {
  std::u32string in = DecodeUtf8(utf8), out;
  out.reserve(in.size());
  for (size_t i = 0; i < in.size(); ++i) {
    if (in[i] == U'\r') {
      out += U'\n';
      if (i + 1 < in.size() && in[i + 1] == U'\n') ++i;
    } else {
      out += in[i];
    }
  }
  return out;
}

bool IsWordChar(char32_t c) { return c > U' ' && c != U'\n'; }

}  // namespace

void TMemo::SetText(const std::string& value) {
  TScrollingControl::SetText(value);
  // Without a window the text reaches the native part here.
  if (!HandleAllocated() && !settingText_) SetNativeText(Normalized(value));
}

void TMemo::SetNativeText(const std::u32string& text) {
  text_ = text;
  anchor_ = caret_ = 0;
  topRow_ = 0;
  scrollX_ = 0;
  canUndo_ = false;
  modified_ = false;
  Layout();
}


int TMemo::LineHeight() { return std::max(1, Measure()->TextHeight("Wg")); }

int TMemo::VisibleRows() { return std::max(1, ClientHeight() / LineHeight()); }

int TMemo::TextWidth(int start, int length) {
  if (length <= 0) return 0;
  return Measure()->TextWidth(EncodeUtf8(std::u32string_view(text_).substr(start, length)));
}

void TMemo::Layout() {
  rows_.clear();
  widest_ = 0;
  int avail = ClientWidth() - 4;
  int n = static_cast<int>(text_.size());
  int lineStart = 0;
  while (lineStart <= n) {
    int lineEnd = lineStart;
    while (lineEnd < n && text_[lineEnd] != U'\n') ++lineEnd;
    int rowStart = lineStart;
    if (wordWrap_ && avail > 0) {
      // Greedy wrapping: break after the last space that still fits, or in
      // the middle of a word longer than the row.
      while (TextWidth(rowStart, lineEnd - rowStart) > avail) {
        int fit = rowStart + 1;
        while (fit < lineEnd && TextWidth(rowStart, fit + 1 - rowStart) <= avail) ++fit;
        int brk = fit;
        for (int i = fit; i > rowStart; --i)
          if (text_[i - 1] == U' ') {
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
  int row = RowOf(caret_);
  if (row < topRow_) ScrollToRow(row);
  else if (row >= topRow_ + VisibleRows()) ScrollToRow(row - VisibleRows() + 1);
  if (wordWrap_) return;
  const TRow& r = rows_[row];
  int x = RowX(r) + TextWidth(r.start, caret_ - r.start);
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

void TMemo::SetSelection(int anchor, int caret, bool scroll) {
  int n = static_cast<int>(text_.size());
  anchor_ = std::clamp(anchor, 0, n);
  caret_ = std::clamp(caret, 0, n);
  if (scroll) ScrollCaretIntoView();
  Invalidate();
}

void TMemo::Replace(int from, int to, std::u32string with, bool canUndo) {
  if (from > to) std::swap(from, to);
  if (maxLength_ > 0) {
    int room = maxLength_ - (static_cast<int>(text_.size()) - (to - from));
    if (room < static_cast<int>(with.size())) {
      if (room <= 0 && !with.empty()) {
        MessageBeep(0);
        return;
      }
      with.resize(std::max(0, room));
    }
  }
  // A change that cannot be undone also ends what could be undone before it.
  canUndo_ = canUndo;
  if (canUndo) {
    undoText_ = text_;
    undoCaret_ = caret_;
  }
  text_.replace(from, to - from, with);
  caret_ = anchor_ = from + static_cast<int>(with.size());
  modified_ = true;
  Layout();
  ScrollCaretIntoView();
  settingText_ = true;
  TScrollingControl::SetText(ExternalText(0, static_cast<int>(text_.size())));
  settingText_ = false;
  Change();
}

void TMemo::TypeChar(char32_t ch) {
  int from = std::min(anchor_, caret_), to = std::max(anchor_, caret_);
  if (readOnly_) {
    MessageBeep(0);
    return;
  }
  if (ch == U'\b') {
    if (from == to && from > 0) --from;
    if (from != to) Replace(from, to, U"", true);
    return;
  }
  if (ch == U'\r') ch = U'\n';
  Replace(from, to, std::u32string(1, ch), true);
}

void TMemo::KeyDownNative(WORD key, TShiftState shift) {
  bool extend = (shift & ssShift) != 0, ctrl = (shift & ssCtrl) != 0;
  int n = static_cast<int>(text_.size());
  int row = RowOf(caret_);
  int target = caret_;
  auto xOf = [&](int pos) {
    const TRow& r = rows_[RowOf(pos)];
    return RowX(r) + TextWidth(r.start, pos - r.start);
  };
  auto atRow = [&](int newRow) {
    newRow = std::clamp(newRow, 0, static_cast<int>(rows_.size()) - 1);
    return PositionAt({xOf(caret_) - scrollX_, (newRow - topRow_) * LineHeight() + LineHeight() / 2});
  };
  switch (key) {
    case VK_LEFT:
      target = caret_ - 1;
      if (ctrl)
        while (target > 0 && !(IsWordChar(text_[target]) && !IsWordChar(text_[target - 1]))) --target;
      break;
    case VK_RIGHT:
      target = caret_ + 1;
      if (ctrl)
        while (target < n && !(IsWordChar(text_[target]) && !IsWordChar(text_[target - 1]))) ++target;
      break;
    case VK_UP: target = atRow(row - 1); break;
    case VK_DOWN: target = atRow(row + 1); break;
    case VK_PRIOR: target = atRow(row - VisibleRows()); break;
    case VK_NEXT: target = atRow(row + VisibleRows()); break;
    case VK_HOME: target = ctrl ? 0 : rows_[row].start; break;
    case VK_END: target = ctrl ? n : rows_[row].start + rows_[row].length; break;
    case VK_DELETE: {
      if (extend) {
        Perform(WM_CUT, 0, 0);
        return;
      }
      int from = std::min(anchor_, caret_), to = std::max(anchor_, caret_);
      if (readOnly_) return;
      if (from == to && to < n) ++to;
      if (from != to) Replace(from, to, U"", true);
      return;
    }
    case VK_INSERT:
      if (ctrl) Perform(WM_COPY, 0, 0);
      else if (extend) Perform(WM_PASTE, 0, 0);
      return;
    default: return;
  }
  target = std::clamp(target, 0, n);
  SetSelection(extend ? anchor_ : target, target, true);
}

bool TMemo::HandleEditMessage(TMessage& m) {
  int n = static_cast<int>(text_.size());
  auto lineArg = [&](WPARAM w) {
    int line = static_cast<int>(static_cast<std::intptr_t>(w));
    return line < 0 ? RowOf(caret_) : line;
  };
  switch (m.Msg) {
    case EM_GETSEL: {
      auto start = static_cast<DWORD>(ToExternal(std::min(anchor_, caret_)));
      auto end = static_cast<DWORD>(ToExternal(std::max(anchor_, caret_)));
      if (m.WParam) *reinterpret_cast<DWORD*>(m.WParam) = start;
      if (m.LParam) *reinterpret_cast<DWORD*>(m.LParam) = end;
      m.Result = MAKELPARAM(static_cast<int>(start), static_cast<int>(end));
      return true;
    }
    case EM_SETSEL: {
      int start = static_cast<int>(static_cast<std::intptr_t>(m.WParam));
      int end = static_cast<int>(m.LParam);
      if (start < 0) {
        SetSelection(caret_, caret_, false);  // takes the selection away
        return true;
      }
      int s = FromExternal(start), e = end < 0 ? n : FromExternal(end);
      SetSelection(s, e, false);
      return true;
    }
    case EM_REPLACESEL:
      Replace(anchor_, caret_, Normalized(m.LParam ? reinterpret_cast<const char*>(m.LParam) : ""), m.WParam != 0);
      return true;
    case EM_SCROLLCARET: ScrollCaretIntoView(); m.Result = TRUE; return true;
    case EM_LINESCROLL:
      if (!wordWrap_) ScrollToX(scrollX_ + static_cast<int>(static_cast<std::intptr_t>(m.WParam)) * std::max(1, Measure()->TextWidth("x")));
      ScrollToRow(topRow_ + static_cast<int>(m.LParam));
      m.Result = TRUE;
      return true;
    case EM_GETFIRSTVISIBLELINE: m.Result = topRow_; return true;
    case EM_GETLINECOUNT: m.Result = static_cast<LRESULT>(rows_.size()); return true;
    case EM_LINEINDEX: {
      int line = lineArg(m.WParam);
      m.Result = line < static_cast<int>(rows_.size()) ? ToExternal(rows_[line].start) : -1;
      return true;
    }
    case EM_LINELENGTH: {
      int pos = static_cast<int>(static_cast<std::intptr_t>(m.WParam));
      m.Result = rows_[pos < 0 ? RowOf(caret_) : RowOf(FromExternal(pos))].length;
      return true;
    }
    case EM_LINEFROMCHAR: {
      int pos = static_cast<int>(static_cast<std::intptr_t>(m.WParam));
      m.Result = pos < 0 ? RowOf(caret_) : RowOf(FromExternal(pos));
      return true;
    }
    case EM_SETREADONLY: {
      readOnly_ = m.WParam != 0;
      if (HandleAllocated()) {
        DWORD style = static_cast<DWORD>(GetWindowLong(Handle(), GWL_STYLE));
        SetWindowLong(Handle(), GWL_STYLE, readOnly_ ? (style | ES_READONLY) : (style & ~ES_READONLY));
      }
      m.Result = TRUE;
      return true;
    }
    case EM_GETMODIFY: m.Result = modified_; return true;
    case EM_SETMODIFY: modified_ = m.WParam != 0; return true;
    case EM_CANUNDO: m.Result = canUndo_; return true;
    case EM_EMPTYUNDOBUFFER: canUndo_ = false; return true;
    case EM_LIMITTEXT: maxLength_ = static_cast<int>(m.WParam); return true;
    case EM_GETLIMITTEXT: m.Result = maxLength_ > 0 ? maxLength_ : 0x7FFFFFFE; return true;
    case EM_UNDO:
    case WM_UNDO: {
      if (!canUndo_ || readOnly_) {
        m.Result = FALSE;
        return true;
      }
      std::u32string redo = text_;
      int redoCaret = caret_;
      text_ = undoText_;
      undoText_ = redo;
      caret_ = anchor_ = std::min(undoCaret_, static_cast<int>(text_.size()));
      undoCaret_ = redoCaret;
      modified_ = true;
      Layout();
      settingText_ = true;
      TScrollingControl::SetText(ExternalText(0, static_cast<int>(text_.size())));
      settingText_ = false;
      Change();
      m.Result = TRUE;
      return true;
    }
    case WM_COPY:
      if (anchor_ != caret_) SetClipboardText(SelText());
      return true;
    case WM_CUT:
      if (anchor_ != caret_ && !readOnly_) {
        SetClipboardText(SelText());
        Replace(anchor_, caret_, U"", true);
      }
      return true;
    case WM_PASTE:
      if (!readOnly_) {
        std::u32string text = Normalized(GetClipboardText());
        if (!text.empty()) Replace(anchor_, caret_, text, true);
      }
      return true;
    case WM_CLEAR:
      if (anchor_ != caret_ && !readOnly_) Replace(anchor_, caret_, U"", true);
      return true;
    default: return false;
  }
}

void TMemo::DefaultHandler(TMessage& m) {
  if (HandleEditMessage(m)) return;
  switch (m.Msg) {
    case WM_SETTEXT:
      if (!settingText_) SetNativeText(Normalized(m.LParam ? reinterpret_cast<const char*>(m.LParam) : ""));
      break;
    case WM_VSCROLL:
    case WM_HSCROLL: Scroll(m.Msg, LOWORD(m.WParam), HIWORD(m.WParam)); return;
    case WM_MOUSEWHEEL:
      ScrollToRow(topRow_ - GET_WHEEL_DELTA_WPARAM(m.WParam) / WHEEL_DELTA * 3);
      return;
    case WM_CHAR: {
      auto ch = static_cast<char32_t>(m.WParam);
      switch (ch) {
        case 1: SetSelection(0, static_cast<int>(text_.size()), false); return;  // Ctrl+A
        case 3: Perform(WM_COPY, 0, 0); return;
        case 22: Perform(WM_PASTE, 0, 0); return;
        case 24: Perform(WM_CUT, 0, 0); return;
        case 26: Perform(WM_UNDO, 0, 0); return;
        case U'\r':
          if (wantReturns_ || (KeyboardShiftState() & ssCtrl)) TypeChar(ch);
          return;
        case U'\t':
          if (wantTabs_) TypeChar(ch);
          return;
        case U'\b': TypeChar(ch); return;
        default:
          if (ch >= 0x20) TypeChar(ch);
          return;
      }
    }
    case WM_KEYDOWN: KeyDownNative(static_cast<WORD>(m.WParam), KeyboardShiftState()); return;
    case WM_LBUTTONDOWN: {
      if (CanFocus() && !Focused()) SetFocus();
      int pos = PositionAt({GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam)});
      SetSelection((KeysToShiftState(m.WParam) & ssShift) ? anchor_ : pos, pos, true);
      mouseSelecting_ = true;
      return;
    }
    case WM_MOUSEMOVE:
      if (mouseSelecting_ && (m.WParam & MK_LBUTTON))
        SetSelection(anchor_, PositionAt({GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam)}), true);
      return;
    case WM_LBUTTONUP: mouseSelecting_ = false; return;
    case WM_LBUTTONDBLCLK: {
      int pos = PositionAt({GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam)});
      int from = pos, to = pos;
      int n = static_cast<int>(text_.size());
      while (from > 0 && IsWordChar(text_[from - 1])) --from;
      while (to < n && IsWordChar(text_[to])) ++to;
      SetSelection(from, to, true);
      return;
    }
    case WM_SETFOCUS:
    case WM_KILLFOCUS: Invalidate(); break;
    case WM_SIZE:
      TScrollingControl::DefaultHandler(m);
      Layout();
      return;
    default: break;
  }
  TScrollingControl::DefaultHandler(m);
}

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
  int selFrom = std::min(anchor_, caret_), selTo = std::max(anchor_, caret_);
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
      c.TextOut(x + TextWidth(row.start, from - row.start), y, EncodeUtf8(std::u32string_view(text_).substr(from, to - from)));
    }
  }
  if (focused) {
    int r = RowOf(caret_);
    const TRow& row = rows_[r];
    int x = RowX(row) - scrollX_ + TextWidth(row.start, caret_ - row.start);
    int y = (r - topRow_) * lh;
    c.Brush()->SetColor(Font()->Color());
    if (y >= 0 && y < ClientHeight()) c.FillRect({x, y, x + 1, y + lh});
  }
  c.RestoreDC(saved);
}
