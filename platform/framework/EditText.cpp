// The edit's native behaviour: typing and its filter, keys that move the
// caret, the clipboard, undo and the EM_ messages.

#include <algorithm>
#include <cwctype>

#include "platform/framework/Edits.h"
#include "platform/gfx/TextUtf8.h"

namespace {

constexpr UINT_PTR kCaretTimer = 1;
constexpr UINT kCaretBlinkMs = 530;

constexpr char32_t kCtrlA = 1, kCtrlC = 3, kCtrlV = 22, kCtrlX = 24, kCtrlZ = 26;

bool IsWordChar(char32_t ch) { return ch == U'_' || std::iswalnum(static_cast<wint_t>(ch)); }

bool IsKeyDown(int key) { return GetKeyState(key) < 0; }

}  // namespace

std::u32string TCustomEdit::ApplyCharCase(std::u32string text) const {
  if (charCase_ == ecNormal) return text;
  for (char32_t& ch : text)
    ch = static_cast<char32_t>(charCase_ == ecUpperCase ? std::towupper(static_cast<wint_t>(ch))
                                                        : std::towlower(static_cast<wint_t>(ch)));
  return text;
}

void TCustomEdit::SetSelection(int anchor, int caret) {
  int length = static_cast<int>(text_.size());
  anchor = std::clamp(anchor, 0, length);
  caret = std::clamp(caret, 0, length);
  if (anchor == anchor_ && caret == caret_) return;
  anchor_ = anchor;
  caret_ = caret;
  ScrollCaretIntoView();
  StartCaret();
  Invalidate();
}

// Stores text typed or pasted: the window's text, then the control's,
// whose change notification fires OnChange.
void TCustomEdit::Commit(const std::u32string& text, int caret) {
  text_ = text;
  anchor_ = caret_ = std::clamp(caret, 0, static_cast<int>(text_.size()));
  modified_ = true;
  std::string utf8 = EncodeUtf8(text_);
  if (HandleAllocated()) {
    TMessage set{WM_SETTEXT, 0, reinterpret_cast<LPARAM>(utf8.c_str()), 0};
    TWinControl::DefaultHandler(set);
  }
  TControl::SetText(utf8);
  ScrollCaretIntoView();
  StartCaret();
}

bool TCustomEdit::ReplaceSelection(const std::u32string& insert, bool canUndo) {
  int start = std::min(anchor_, caret_), end = std::max(anchor_, caret_);
  std::u32string piece = insert;
  if (maxLength_ > 0) {
    int room = maxLength_ - (static_cast<int>(text_.size()) - (end - start));
    if (room < static_cast<int>(piece.size())) piece.resize(static_cast<std::size_t>(std::max(0, room)));
  }
  if (piece.empty() && start == end) return insert.empty();
  if (canUndo) {
    undoText_ = text_;
    undoCaret_ = caret_;
    canUndo_ = true;
  }
  std::u32string text = text_;
  text.replace(static_cast<std::size_t>(start), static_cast<std::size_t>(end - start), piece);
  Commit(text, start + static_cast<int>(piece.size()));
  return piece.size() == insert.size();
}

void TCustomEdit::TypeChar(char32_t ch) {
  if (ch == VK_BACK) {
    if (readOnly_) return;
    if (anchor_ == caret_) {
      if (caret_ == 0) return;
      anchor_ = caret_ - 1;
    }
    ReplaceSelection({}, true);
    return;
  }
  switch (ch) {
    case kCtrlA: SelectAll(); return;
    case kCtrlC: Perform(WM_COPY, 0, 0); return;
    case kCtrlV: Perform(WM_PASTE, 0, 0); return;
    case kCtrlX: Perform(WM_CUT, 0, 0); return;
    case kCtrlZ: Perform(WM_UNDO, 0, 0); return;
    default: break;
  }
  if (ch < 32 || ch == 127) return;  // other control characters mean nothing here
  bool refused = readOnly_ || (numbersOnly_ && (ch < U'0' || ch > U'9'));
  if (refused || !ReplaceSelection(ApplyCharCase(std::u32string(1, ch)), true)) MessageBeep(0);
}

int TCustomEdit::WordStart(int pos) const {
  while (pos > 0 && !IsWordChar(text_[pos - 1])) --pos;
  while (pos > 0 && IsWordChar(text_[pos - 1])) --pos;
  return pos;
}

int TCustomEdit::WordEnd(int pos) const {
  int length = static_cast<int>(text_.size());
  while (pos < length && IsWordChar(text_[pos])) ++pos;
  while (pos < length && !IsWordChar(text_[pos])) ++pos;
  return pos;
}

void TCustomEdit::KeyNavigate(WORD key) {
  bool shift = IsKeyDown(VK_SHIFT), ctrl = IsKeyDown(VK_CONTROL);
  int length = static_cast<int>(text_.size());
  int start = std::min(anchor_, caret_), end = std::max(anchor_, caret_);
  int target = caret_;
  switch (key) {
    case VK_LEFT:
    case VK_UP:
      if (!shift && !ctrl && start != end) target = start;
      else target = ctrl ? WordStart(caret_) : caret_ - 1;
      break;
    case VK_RIGHT:
    case VK_DOWN:
      if (!shift && !ctrl && start != end) target = end;
      else target = ctrl ? WordEnd(caret_) : caret_ + 1;
      break;
    case VK_HOME: target = 0; break;
    case VK_END: target = length; break;
    case VK_DELETE:
      if (shift) {
        Perform(WM_CUT, 0, 0);
      } else if (!readOnly_) {
        if (start == end) {
          if (caret_ >= length) return;
          anchor_ = caret_ + 1;
        }
        ReplaceSelection({}, true);
      }
      return;
    case VK_INSERT:
      if (ctrl) Perform(WM_COPY, 0, 0);
      else if (shift) Perform(WM_PASTE, 0, 0);
      return;
    default: return;
  }
  target = std::clamp(target, 0, length);
  SetSelection(shift ? anchor_ : target, target);
}

bool TCustomEdit::HandleEditMessage(TMessage& m) {
  switch (m.Msg) {
    case WM_CHAR: TypeChar(static_cast<char32_t>(m.WParam)); return true;
    case WM_KEYDOWN: KeyNavigate(static_cast<WORD>(m.WParam)); return true;
    case WM_CUT:
      if (readOnly_ || passwordChar_ || anchor_ == caret_) return true;
      Perform(WM_COPY, 0, 0);
      Perform(WM_CLEAR, 0, 0);
      return true;
    case WM_COPY:
      // A password is never given away.
      if (!passwordChar_ && anchor_ != caret_) SetClipboardText(SelText());
      return true;
    case WM_PASTE: {
      if (readOnly_) return true;
      std::u32string pasted = DecodeUtf8(GetClipboardText());
      // One line only: the text stops at its first line break.
      auto lineEnd = pasted.find_first_of(U"\r\n");
      if (lineEnd != std::u32string::npos) pasted.resize(lineEnd);
      bool digitsOnly = std::all_of(pasted.begin(), pasted.end(), [](char32_t c) { return c >= U'0' && c <= U'9'; });
      if ((numbersOnly_ && !digitsOnly) || !ReplaceSelection(ApplyCharCase(pasted), true)) MessageBeep(0);
      return true;
    }
    case WM_CLEAR:
      if (!readOnly_ && anchor_ != caret_) ReplaceSelection({}, true);
      return true;
    case WM_UNDO:
    case EM_UNDO: {
      m.Result = canUndo_ ? 1 : 0;
      if (!canUndo_ || readOnly_) return true;
      // Undo swaps: undoing twice restores the text.
      std::u32string before = text_;
      int beforeCaret = caret_;
      std::u32string restored = undoText_;
      int restoredCaret = undoCaret_;
      undoText_ = before;
      undoCaret_ = beforeCaret;
      Commit(restored, restoredCaret);
      return true;
    }
    case EM_CANUNDO: m.Result = canUndo_ ? 1 : 0; return true;
    case EM_EMPTYUNDOBUFFER: canUndo_ = false; return true;
    case EM_GETSEL: {
      auto start = static_cast<DWORD>(std::min(anchor_, caret_));
      auto end = static_cast<DWORD>(std::max(anchor_, caret_));
      if (m.WParam) *reinterpret_cast<DWORD*>(m.WParam) = start;
      if (m.LParam) *reinterpret_cast<DWORD*>(m.LParam) = end;
      m.Result = start > 0xFFFF || end > 0xFFFF ? -1 : static_cast<LRESULT>(MAKELPARAM(start, end));
      return true;
    }
    case EM_SETSEL: {
      auto start = static_cast<int>(static_cast<LONG_PTR>(m.WParam));
      auto end = static_cast<int>(m.LParam);
      int length = static_cast<int>(text_.size());
      if (start < 0) start = end = caret_;  // -1 removes the selection
      if (end < 0) end = length;
      SetSelection(start, end);
      return true;
    }
    case EM_REPLACESEL: {
      auto* text = reinterpret_cast<const char*>(m.LParam);
      ReplaceSelection(ApplyCharCase(DecodeUtf8(text ? text : "")), m.WParam != 0);
      return true;
    }
    case EM_SETRECT:
    case EM_SETRECTNP:
      haveTextRect_ = m.LParam != 0;
      if (haveTextRect_) textRect_ = *reinterpret_cast<const TRect*>(m.LParam);
      ScrollCaretIntoView();
      if (m.Msg == EM_SETRECT) Invalidate();
      return true;
    case EM_GETRECT:
      if (m.LParam) *reinterpret_cast<TRect*>(m.LParam) = TextRect();
      return true;
    case EM_LIMITTEXT: {
      maxLength_ = static_cast<int>(std::min<WPARAM>(m.WParam, 0x7FFFFFFE));
      return true;
    }
    case EM_GETLIMITTEXT: m.Result = maxLength_ > 0 ? maxLength_ : 0x7FFFFFFE; return true;
    case EM_SETREADONLY:
      readOnly_ = m.WParam != 0;
      SetStyleBits(ES_READONLY, readOnly_ ? ES_READONLY : 0);
      Invalidate();
      m.Result = 1;
      return true;
    case EM_SETPASSWORDCHAR:
      passwordChar_ = static_cast<char32_t>(m.WParam);
      SetStyleBits(ES_PASSWORD, passwordChar_ ? ES_PASSWORD : 0);
      passwordChar_ = static_cast<char32_t>(m.WParam);
      scrollX_ = 0;
      ScrollCaretIntoView();
      Invalidate();
      return true;
    case EM_GETPASSWORDCHAR: m.Result = static_cast<LRESULT>(passwordChar_); return true;
    case EM_GETMODIFY: m.Result = modified_ ? 1 : 0; return true;
    case EM_SETMODIFY: modified_ = m.WParam != 0; return true;
    case EM_SCROLLCARET: ScrollCaretIntoView(); Invalidate(); return true;
    case EM_GETLINECOUNT: m.Result = 1; return true;
    case WM_STYLECHANGED:
      if (static_cast<int>(m.WParam) == GWL_STYLE) SyncFromStyle();
      return false;
    case WM_SETFOCUS: StartCaret(); Invalidate(); return false;
    case WM_KILLFOCUS:
      StopCaret();
      mouseSelecting_ = false;
      Invalidate();
      return false;
    case WM_TIMER:
      if (m.WParam != kCaretTimer) return false;
      caretOn_ = !caretOn_;
      Invalidate();
      return true;
    default: return false;
  }
}

void TCustomEdit::DefaultHandler(TMessage& m) {
  if (HandleEditMessage(m)) return;
  TWinControl::DefaultHandler(m);
}

void TCustomEdit::StartCaret() {
  caretOn_ = true;
  if (HandleAllocated() && Focused()) SetTimer(Handle(), kCaretTimer, kCaretBlinkMs, nullptr);
}

void TCustomEdit::StopCaret() {
  caretOn_ = false;
  if (HandleAllocated()) KillTimer(Handle(), kCaretTimer);
}
