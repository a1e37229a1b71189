// The memo's messages: the engine's first, then those of its rows (the
// line EM_ messages, scrolling), the mouse, and how the engine's changes
// show on the rows.

#include <algorithm>

#include "platform/framework/Memo.h"

void TMemo::DefaultHandler(TMessage& m) {
  if (m.Msg == WM_CHAR && !Wanted(static_cast<char32_t>(m.WParam))) return;
  if (HandleTextMessage(m) || HandleLayoutMessage(m) || HandleMouseMessage(m)) return;
  switch (m.Msg) {
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

bool TMemo::Wanted(char32_t ch) const {
  if (ch == U'\r') return wantReturns_ || (KeyboardShiftState() & ssCtrl);
  if (ch == U'\t') return wantTabs_;
  return true;
}

bool TMemo::HandleLayoutMessage(TMessage& m) {
  auto pos = [&] { return static_cast<int>(static_cast<std::intptr_t>(m.WParam)); };
  int caretRow = RowOf(engine_.Caret());
  switch (m.Msg) {
    case WM_VSCROLL:
    case WM_HSCROLL: Scroll(m.Msg, LOWORD(m.WParam), HIWORD(m.WParam)); return true;
    case WM_MOUSEWHEEL: ScrollToRow(topRow_ - GET_WHEEL_DELTA_WPARAM(m.WParam) / WHEEL_DELTA * 3); return true;
    case EM_SCROLLCARET: ScrollCaretIntoView(); m.Result = TRUE; return true;
    case EM_LINESCROLL:
      if (!wordWrap_) ScrollToX(scrollX_ + pos() * std::max(1, Measure()->TextWidth("x")));
      ScrollToRow(topRow_ + static_cast<int>(m.LParam));
      m.Result = TRUE;
      return true;
    case EM_GETFIRSTVISIBLELINE: m.Result = topRow_; return true;
    case EM_GETLINECOUNT: m.Result = static_cast<LRESULT>(rows_.size()); return true;
    case EM_LINEINDEX: {
      int row = pos() < 0 ? caretRow : pos();
      m.Result = row < static_cast<int>(rows_.size()) ? engine_.ToExternal(rows_[row].start) : -1;
      return true;
    }
    case EM_LINELENGTH:
      m.Result = rows_[pos() < 0 ? caretRow : RowOf(engine_.FromExternal(pos()))].length;
      return true;
    case EM_LINEFROMCHAR: m.Result = pos() < 0 ? caretRow : RowOf(engine_.FromExternal(pos())); return true;
    default: return false;
  }
}

bool TMemo::HandleMouseMessage(TMessage& m) {
  TPoint p{GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam)};
  switch (m.Msg) {
    case WM_LBUTTONDOWN:
      if (CanFocus() && !Focused()) SetFocus();
      engine_.PressAt(PositionAt(p), (KeysToShiftState(m.WParam) & ssShift) != 0);
      return true;
    case WM_MOUSEMOVE:
      if (m.WParam & MK_LBUTTON) engine_.DragTo(PositionAt(p));
      return true;
    case WM_LBUTTONUP: engine_.Release(); return true;
    case WM_LBUTTONDBLCLK: engine_.SelectWordAt(PositionAt(p)); return true;
    default: return false;
  }
}

void TMemo::TextLaidOut() {
  Layout();
  ScrollCaretIntoView();
}

void TMemo::SelectionShown(bool scroll) {
  if (scroll) ScrollCaretIntoView();
  Invalidate();
}

// Up and Down keep the caret's place across the rows.
int TMemo::LineMove(WORD key, bool ctrl) {
  int caret = engine_.Caret();
  int row = RowOf(caret);
  const TRow& here = rows_[row];
  auto atRow = [&](int target) {
    target = std::clamp(target, 0, static_cast<int>(rows_.size()) - 1);
    int x = RowX(here) + TextWidth(here.start, caret - here.start) - scrollX_;
    return PositionAt({x, (target - topRow_) * LineHeight() + LineHeight() / 2});
  };
  switch (key) {
    case VK_UP: return atRow(row - 1);
    case VK_DOWN: return atRow(row + 1);
    case VK_PRIOR: return atRow(row - VisibleRows());
    case VK_NEXT: return atRow(row + VisibleRows());
    case VK_HOME: return ctrl ? 0 : here.start;
    case VK_END: return ctrl ? engine_.Length() : here.start + here.length;
    default: return caret;
  }
}
