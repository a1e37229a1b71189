#pragma once
// The text engine under the edit and the memo: the text, the selection,
// one step of undo, the length limit, typing, the clipboard, and the EM_
// messages that do not depend on how the text is laid out.
//
// Changes are announced the classic way, as WM_COMMAND to the parent
// window: EN_UPDATE once the new text is laid out but before it is shown,
// EN_CHANGE once it is shown, EN_MAXTEXT when the limit cut an insertion.
// Text set by WM_SETTEXT announces itself only in a single-line engine.
//
// Inside, a line break is one '\n' and positions count code points. The
// messages count a line break as the two characters "\r\n", as the text a
// multi-line engine gives out has them. A single-line engine keeps its
// text as it was given.

#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/framework/Controls.h"
#include "platform/framework/EditMessages.h"

enum TEditCharCase { ecNormal, ecUpperCase, ecLowerCase };

// What the engine asks of the control that shows its text.
class TTextView {
 public:
  // Keeps the control's Text() equal to the engine's text.
  virtual void StoreText(const std::string& text) = 0;
  // The text changed: lay it out again, keep the caret in sight, repaint.
  virtual void TextLaidOut() = 0;
  // The selection moved or the text shows otherwise: repaint, and keep
  // the caret in sight when scroll is set.
  virtual void SelectionShown(bool scroll) = 0;
  // Where a key that moves by lines (Home, End, Up, Down, Page Up, Page
  // Down) takes the caret of a multi-line engine.
  virtual int LineMove(WORD key, bool ctrl) = 0;

 protected:
  ~TTextView() = default;
};

class TTextEngine {
 public:
  TTextEngine(TWinControl& control, TTextView& view, bool multiLine);

  bool MultiLine() const { return multiLine_; }
  const std::u32string& Text() const { return text_; }
  int Length() const { return static_cast<int>(text_.size()); }
  int Anchor() const { return anchor_; }
  int Caret() const { return caret_; }
  int SelStart() const { return std::min(anchor_, caret_); }
  int SelEnd() const { return std::max(anchor_, caret_); }
  // The text between two positions as the messages give it out.
  std::string External(int from, int to) const;
  std::string SelText() const { return External(SelStart(), SelEnd()); }

  // Options read from the window style (TakeStyle) or set while there is
  // no window; with a window, the setters write its style.
  bool ReadOnly() const { return readOnly_; }
  bool NumbersOnly() const { return numbersOnly_; }
  void SetNumbersOnly(bool value);
  TEditCharCase CharCase() const { return charCase_; }
  void SetCharCase(TEditCharCase value);
  char32_t PasswordChar() const { return passwordChar_; }
  bool Modified() const { return modified_; }
  void SetModified(bool value) { modified_ = value; }
  // The limit as the framework's MaxLength: 0 while it is the largest.
  int MaxLength() const;
  // Text in the case the options ask for.
  std::u32string Cased(std::u32string text) const;

  // Answers the engine's messages (typing, keys, clipboard, undo, the EM_
  // messages, WM_SETTEXT); false for any other.
  bool HandleMessage(TMessage& message);
  // Takes text the control was given while no window message carried it.
  void TakeText(const std::string& text);
  // Takes the options from the ES_ bits of the window's style.
  void TakeStyle();
  // One write of the window style: the bits of mask become those of bits.
  void SetStyleBits(DWORD mask, DWORD bits);

  // Selection with the mouse, at positions the view found under it.
  void PressAt(int pos, bool extend);
  void DragTo(int pos);
  void Release() { dragging_ = false; }
  bool Dragging() const { return dragging_; }
  void SelectWordAt(int pos);

  int ToExternal(int pos) const;
  int FromExternal(int pos) const;

 private:
  // Editing (TextEngine.cpp).
  void Select(int anchor, int caret, bool scroll);
  // Replaces from..to by piece, cut to the limit; false when the limit
  // cut it.
  bool Replace(int from, int to, std::u32string piece, bool canUndo);
  // New text from outside: the caret first, nothing to undo, unmodified.
  void SetWhole(std::u32string text);
  // The window and the control take the new text (given: as it came from
  // outside), then the parent hears of it when notify is set.
  void Commit(bool notify, const std::string* given = nullptr);
  void Notify(WORD code);
  std::u32string Internal(std::string_view utf8) const;
  std::uint32_t LargestLimit() const { return multiLine_ ? 0xFFFFFFFFu : 0x7FFFFFFEu; }
  std::uint64_t ExternalLength(std::u32string_view text) const;
  bool Undo();

  // Input (TextEngineInput.cpp).
  void TypeChar(char32_t ch);
  void KeyDown(WORD key);
  void Paste();
  void DeleteAround(bool forward);
  int WordStart(int pos) const;
  int WordEnd(int pos) const;

  // Messages (TextEngineMessages.cpp).
  bool SelectionMessage(TMessage& message);
  bool OptionMessage(TMessage& message);

  TWinControl& control_;
  TTextView& view_;
  const bool multiLine_;
  std::u32string text_;
  int anchor_ = 0;
  int caret_ = 0;
  std::uint32_t limit_;
  bool readOnly_ = false;
  bool numbersOnly_ = false;
  TEditCharCase charCase_ = ecNormal;
  char32_t passwordChar_ = 0;
  bool modified_ = false;
  std::u32string undoText_;
  int undoCaret_ = 0;
  bool canUndo_ = false;
  bool dragging_ = false;
};
