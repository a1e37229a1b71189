// The text engine's messages: input, the clipboard, undo, WM_SETTEXT and
// the EM_ messages of the text, its selection and its options.

#include "platform/framework/TextEngine.h"

bool TTextEngine::HandleMessage(TMessage& m) {
  switch (m.Msg) {
    case WM_CHAR: TypeChar(static_cast<char32_t>(m.WParam)); return true;
    case WM_KEYDOWN: KeyDown(static_cast<WORD>(m.WParam)); return true;
    case WM_CUT:
      if (readOnly_ || passwordChar_ || anchor_ == caret_) return true;
      control_.Perform(WM_COPY, 0, 0);
      control_.Perform(WM_CLEAR, 0, 0);
      return true;
    case WM_COPY:
      // A password is never given away.
      if (!passwordChar_ && anchor_ != caret_) SetClipboardText(SelText());
      return true;
    case WM_PASTE: Paste(); return true;
    case WM_CLEAR:
      if (!readOnly_ && anchor_ != caret_) Replace(SelStart(), SelEnd(), {}, true);
      return true;
    case WM_UNDO:
    case EM_UNDO: m.Result = canUndo_ && !readOnly_; Undo(); return true;
    case EM_CANUNDO: m.Result = canUndo_; return true;
    case EM_EMPTYUNDOBUFFER: canUndo_ = false; return true;
    case EM_GETMODIFY: m.Result = modified_; return true;
    case EM_SETMODIFY: modified_ = m.WParam != 0; return true;
    case WM_SETTEXT: {
      // The limit is for what the user enters, not for text set whole.
      std::string given = m.LParam ? reinterpret_cast<const char*>(m.LParam) : "";
      m.Result = TRUE;
      SetWhole(Internal(given));
      // A multi-line engine does not announce text set this way.
      Commit(!multiLine_, &given);
      return true;
    }
    case WM_STYLECHANGED:
      if (static_cast<int>(m.WParam) == GWL_STYLE) TakeStyle();
      return false;  // the control follows the style too
    default: return SelectionMessage(m) || OptionMessage(m);
  }
}

bool TTextEngine::SelectionMessage(TMessage& m) {
  switch (m.Msg) {
    case EM_GETSEL: {
      // The full positions through the pointers; packed in the result
      // only while both fit in a word.
      auto start = static_cast<DWORD>(ToExternal(SelStart()));
      auto end = static_cast<DWORD>(ToExternal(SelEnd()));
      if (m.WParam) *reinterpret_cast<DWORD*>(m.WParam) = start;
      if (m.LParam) *reinterpret_cast<DWORD*>(m.LParam) = end;
      m.Result = start > 0xFFFF || end > 0xFFFF ? -1 : MAKELPARAM(static_cast<int>(start), static_cast<int>(end));
      return true;
    }
    case EM_SETSEL: {
      auto start = static_cast<int>(static_cast<LONG_PTR>(m.WParam));
      auto end = static_cast<int>(m.LParam);
      // -1 removes the selection and leaves the caret; the caret goes to
      // the end given, which may come first.
      if (start < 0) Select(caret_, caret_, false);
      else Select(FromExternal(start), end < 0 ? Length() : FromExternal(end), false);
      return true;
    }
    case EM_REPLACESEL: {
      auto* text = reinterpret_cast<const char*>(m.LParam);
      Replace(SelStart(), SelEnd(), Cased(Internal(text ? text : "")), m.WParam != 0);
      return true;
    }
    default: return false;
  }
}

bool TTextEngine::OptionMessage(TMessage& m) {
  switch (m.Msg) {
    case EM_LIMITTEXT:
      // 0 asks for the largest limit there is.
      limit_ = m.WParam == 0 ? LargestLimit() : static_cast<std::uint32_t>(std::min<WPARAM>(m.WParam, LargestLimit()));
      return true;
    case EM_GETLIMITTEXT: m.Result = static_cast<LRESULT>(limit_); return true;
    case EM_SETREADONLY:
      readOnly_ = m.WParam != 0;
      SetStyleBits(ES_READONLY, readOnly_ ? ES_READONLY : 0);
      m.Result = TRUE;
      view_.SelectionShown(false);
      return true;
    default: break;
  }
  if (multiLine_) return false;  // a multi-line text is never hidden
  switch (m.Msg) {
    case EM_SETPASSWORDCHAR:
      passwordChar_ = static_cast<char32_t>(m.WParam);
      SetStyleBits(ES_PASSWORD, passwordChar_ ? ES_PASSWORD : 0);
      view_.SelectionShown(true);
      return true;
    case EM_GETPASSWORDCHAR: m.Result = static_cast<LRESULT>(passwordChar_); return true;
    default: return false;
  }
}
