// The text engine: the text and its selection, replacing a piece within
// the limit, one step of undo, and telling the parent of changes.

#include "platform/framework/TextEngine.h"

#include <climits>
#include <cwctype>

#include "platform/gfx/TextUtf8.h"

namespace {

// Line breaks of every kind ("\r\n", "\r", "\n") become one '\n'.
std::u32string OneBreakEach(const std::u32string& in) {
  std::u32string out;
  out.reserve(in.size());
  for (std::size_t i = 0; i < in.size(); ++i) {
    if (in[i] != U'\r') {
      out += in[i];
      continue;
    }
    out += U'\n';
    if (i + 1 < in.size() && in[i + 1] == U'\n') ++i;
  }
  return out;
}

// The parent hears of the window's change as WM_COMMAND. Only the window
// handle is used: a handler may destroy the control meanwhile.
void NotifyParent(HWND self, WORD code) {
  if (!IsWindow(self)) return;
  HWND parent = GetParent(self);
  if (!parent) return;
  auto id = static_cast<int>(GetWindowLong(self, GWL_ID));
  SendMessage(parent, WM_COMMAND, static_cast<WPARAM>(MAKELPARAM(id, code)), reinterpret_cast<LPARAM>(self));
}

}  // namespace

TTextEngine::TTextEngine(TWinControl& control, TTextView& view, bool multiLine)
    : control_(control), view_(view), multiLine_(multiLine), limit_(LargestLimit()) {}

std::u32string TTextEngine::Internal(std::string_view utf8) const {
  std::u32string text = DecodeUtf8(utf8);
  return multiLine_ ? OneBreakEach(text) : text;
}

std::string TTextEngine::External(int from, int to) const {
  std::u32string_view piece = std::u32string_view(text_).substr(from, to - from);
  if (!multiLine_) return EncodeUtf8(piece);
  std::u32string out;
  out.reserve(piece.size());
  for (char32_t ch : piece) {
    if (ch == U'\n') out += U'\r';
    out += ch;
  }
  return EncodeUtf8(out);
}

std::uint64_t TTextEngine::ExternalLength(std::u32string_view text) const {
  std::uint64_t length = text.size();
  if (multiLine_) length += static_cast<std::uint64_t>(std::count(text.begin(), text.end(), U'\n'));
  return length;
}

int TTextEngine::ToExternal(int pos) const {
  return static_cast<int>(ExternalLength(std::u32string_view(text_).substr(0, static_cast<std::size_t>(pos))));
}

int TTextEngine::FromExternal(int pos) const {
  if (!multiLine_) return pos;
  int external = 0;
  for (int i = 0; i < Length(); ++i) {
    external += text_[i] == U'\n' ? 2 : 1;
    if (external > pos) return i;
  }
  return Length();
}

int TTextEngine::MaxLength() const {
  if (limit_ == LargestLimit()) return 0;
  return static_cast<int>(std::min<std::uint32_t>(limit_, INT_MAX));
}

std::u32string TTextEngine::Cased(std::u32string text) const {
  if (charCase_ == ecNormal) return text;
  for (char32_t& ch : text) {
    auto wide = static_cast<wint_t>(ch);
    ch = static_cast<char32_t>(charCase_ == ecUpperCase ? std::towupper(wide) : std::towlower(wide));
  }
  return text;
}

// ---- Options --------------------------------------------------------------------------

void TTextEngine::SetStyleBits(DWORD mask, DWORD bits) {
  if (!control_.HandleAllocated()) return;
  auto style = static_cast<DWORD>(GetWindowLong(control_.Handle(), GWL_STYLE));
  SetWindowLong(control_.Handle(), GWL_STYLE, static_cast<LONG_PTR>((style & ~mask) | (bits & mask)));
}

void TTextEngine::TakeStyle() {
  if (!control_.HandleAllocated()) return;
  auto style = static_cast<DWORD>(GetWindowLong(control_.Handle(), GWL_STYLE));
  readOnly_ = (style & ES_READONLY) != 0;
  numbersOnly_ = (style & ES_NUMBER) != 0;
  charCase_ = (style & ES_UPPERCASE) ? ecUpperCase : (style & ES_LOWERCASE) ? ecLowerCase : ecNormal;
  if (multiLine_) return;
  if (!(style & ES_PASSWORD)) passwordChar_ = 0;
  else if (!passwordChar_) passwordChar_ = U'*';
}

void TTextEngine::SetNumbersOnly(bool value) {
  numbersOnly_ = value;
  SetStyleBits(ES_NUMBER, value ? ES_NUMBER : 0);
}

void TTextEngine::SetCharCase(TEditCharCase value) {
  charCase_ = value;
  SetStyleBits(ES_UPPERCASE | ES_LOWERCASE,
               value == ecUpperCase ? ES_UPPERCASE : value == ecLowerCase ? ES_LOWERCASE : 0);
}

// ---- Changes ------------------------------------------------------------------------

void TTextEngine::Select(int anchor, int caret, bool scroll) {
  anchor = std::clamp(anchor, 0, Length());
  caret = std::clamp(caret, 0, Length());
  if (anchor == anchor_ && caret == caret_) return;
  anchor_ = anchor;
  caret_ = caret;
  view_.SelectionShown(scroll);
}

bool TTextEngine::Replace(int from, int to, std::u32string piece, bool canUndo) {
  if (from > to) std::swap(from, to);
  std::u32string_view replaced = std::u32string_view(text_).substr(from, to - from);
  std::uint64_t kept = ExternalLength(text_) - ExternalLength(replaced);
  std::uint64_t room = limit_ > kept ? limit_ - kept : 0;
  bool whole = ExternalLength(piece) <= room;
  if (!whole) {
    std::size_t fits = 0;
    for (std::uint64_t used = 0; fits < piece.size(); ++fits) {
      used += multiLine_ && piece[fits] == U'\n' ? 2 : 1;
      if (used > room) break;
    }
    piece.resize(fits);
    Notify(EN_MAXTEXT);
  }
  if (piece.empty() && from == to) return whole;
  // A change that cannot be undone also ends what could be undone before it.
  canUndo_ = canUndo;
  if (canUndo) {
    undoText_ = text_;
    undoCaret_ = caret_;
  }
  text_.replace(static_cast<std::size_t>(from), static_cast<std::size_t>(to - from), piece);
  anchor_ = caret_ = from + static_cast<int>(piece.size());
  modified_ = true;
  Commit(true);
  return whole;
}

bool TTextEngine::Undo() {
  if (!canUndo_ || readOnly_) return false;
  // Undo swaps: undoing twice restores the text.
  std::swap(text_, undoText_);
  int caret = std::clamp(undoCaret_, 0, Length());
  undoCaret_ = caret_;
  anchor_ = caret_ = caret;
  modified_ = true;
  Commit(true);
  return true;
}

void TTextEngine::TakeText(const std::string& text) {
  std::u32string taken = Internal(text);
  if (taken == text_) return;
  SetWhole(std::move(taken));
  Commit(false, &text);
}

void TTextEngine::SetWhole(std::u32string text) {
  text_ = std::move(text);
  anchor_ = caret_ = 0;
  canUndo_ = false;
  modified_ = false;
}

// Nothing of the engine is touched once the parent has been told: its
// handler may set other text or even free the control.
void TTextEngine::Commit(bool notify, const std::string* given) {
  std::string text = given ? *given : External(0, Length());
  HWND self = control_.HandleAllocated() ? control_.Handle() : nullptr;
  if (self) DefWindowProc(self, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
  view_.StoreText(text);
  view_.TextLaidOut();
  if (!notify || !self) return;
  NotifyParent(self, EN_UPDATE);
  if (IsWindow(self)) UpdateWindow(self);
  NotifyParent(self, EN_CHANGE);
}

void TTextEngine::Notify(WORD code) {
  if (control_.HandleAllocated()) NotifyParent(control_.Handle(), code);
}
