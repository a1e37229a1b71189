// The text engine's input: typed characters and their filter, the keys
// that move the caret or delete, the clipboard, and the mouse selection.

#include <cwctype>

#include "platform/framework/TextEngine.h"
#include "platform/gfx/TextUtf8.h"

namespace {

constexpr char32_t kCtrlA = 1, kCtrlC = 3, kCtrlV = 22, kCtrlX = 24, kCtrlZ = 26, kDelete = 127;

bool IsWordChar(char32_t ch) { return ch == U'_' || std::iswalnum(static_cast<wint_t>(ch)); }

bool IsDigit(char32_t ch) { return ch >= U'0' && ch <= U'9'; }

bool IsKeyDown(int key) { return GetKeyState(key) < 0; }

}  // namespace

// A word and the blanks after it; a line break ends both.
int TTextEngine::WordStart(int pos) const {
  auto blank = [this](int i) { return !IsWordChar(text_[i]) && text_[i] != U'\n'; };
  while (pos > 0 && blank(pos - 1)) --pos;
  while (pos > 0 && IsWordChar(text_[pos - 1])) --pos;
  return pos;
}

int TTextEngine::WordEnd(int pos) const {
  auto blank = [this](int i) { return !IsWordChar(text_[i]) && text_[i] != U'\n'; };
  while (pos < Length() && IsWordChar(text_[pos])) ++pos;
  while (pos < Length() && blank(pos)) ++pos;
  return pos;
}

void TTextEngine::TypeChar(char32_t ch) {
  switch (ch) {
    case kCtrlA: control_.Perform(EM_SETSEL, 0, static_cast<LPARAM>(-1)); return;
    case kCtrlC: control_.Perform(WM_COPY, 0, 0); return;
    case kCtrlV: control_.Perform(WM_PASTE, 0, 0); return;
    case kCtrlX: control_.Perform(WM_CUT, 0, 0); return;
    case kCtrlZ: control_.Perform(WM_UNDO, 0, 0); return;
    case VK_BACK:
      if (!readOnly_) DeleteAround(false);
      return;
    default: break;
  }
  bool lineBreak = multiLine_ && (ch == U'\r' || ch == U'\n');
  bool tab = multiLine_ && ch == U'\t';
  if ((ch < U' ' && !lineBreak && !tab) || ch == kDelete) return;  // other control characters mean nothing here
  if (readOnly_ || (numbersOnly_ && !IsDigit(ch))) {
    MessageBeep(0);
    return;
  }
  std::u32string piece = lineBreak ? std::u32string(1, U'\n') : Cased(std::u32string(1, ch));
  if (!Replace(SelStart(), SelEnd(), piece, true)) MessageBeep(0);
}

void TTextEngine::DeleteAround(bool forward) {
  int from = SelStart(), to = SelEnd();
  if (from == to) {
    if (forward ? to >= Length() : from == 0) return;
    if (forward) ++to;
    else --from;
  }
  Replace(from, to, {}, true);
}

void TTextEngine::KeyDown(WORD key) {
  bool shift = IsKeyDown(VK_SHIFT), ctrl = IsKeyDown(VK_CONTROL);
  // A single line takes Up and Down as Left and Right.
  if (!multiLine_ && key == VK_UP) key = VK_LEFT;
  if (!multiLine_ && key == VK_DOWN) key = VK_RIGHT;
  int target = caret_;
  switch (key) {
    case VK_LEFT:
    case VK_RIGHT: {
      bool back = key == VK_LEFT;
      if (!shift && !ctrl && anchor_ != caret_) target = back ? SelStart() : SelEnd();
      else if (!ctrl) target = caret_ + (back ? -1 : 1);
      // A word at a time; a line break is a step of its own.
      else if (back) target = caret_ > 0 && text_[caret_ - 1] == U'\n' ? caret_ - 1 : WordStart(caret_);
      else target = caret_ < Length() && text_[caret_] == U'\n' ? caret_ + 1 : WordEnd(caret_);
      break;
    }
    case VK_HOME:
    case VK_END:
    case VK_UP:
    case VK_DOWN:
    case VK_PRIOR:
    case VK_NEXT:
      if (multiLine_) target = view_.LineMove(key, ctrl);
      else if (key == VK_HOME || key == VK_END) target = key == VK_HOME ? 0 : Length();
      break;
    case VK_DELETE:
      if (shift) control_.Perform(WM_CUT, 0, 0);
      else if (!readOnly_) DeleteAround(true);
      return;
    case VK_INSERT:
      if (ctrl) control_.Perform(WM_COPY, 0, 0);
      else if (shift) control_.Perform(WM_PASTE, 0, 0);
      return;
    default: return;
  }
  target = std::clamp(target, 0, Length());
  Select(shift ? anchor_ : target, target, true);
}

void TTextEngine::Paste() {
  if (readOnly_) return;
  std::u32string pasted = Internal(GetClipboardText());
  // One line only: the text stops at its first line break.
  if (!multiLine_) pasted.resize(std::min(pasted.size(), pasted.find_first_of(U"\r\n")));
  if (pasted.empty()) return;
  bool refused = numbersOnly_ && !std::all_of(pasted.begin(), pasted.end(), IsDigit);
  if (refused || !Replace(SelStart(), SelEnd(), Cased(pasted), true)) MessageBeep(0);
}

void TTextEngine::PressAt(int pos, bool extend) {
  Select(extend ? anchor_ : pos, pos, true);
  dragging_ = true;
}

void TTextEngine::DragTo(int pos) {
  if (dragging_) Select(anchor_, pos, true);
}

// A double click selects the word under the pointer.
void TTextEngine::SelectWordAt(int pos) {
  pos = std::clamp(pos, 0, Length());
  Select(WordStart(pos), WordEnd(pos), true);
}
