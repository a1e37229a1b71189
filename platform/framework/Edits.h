#pragma once
// The single-line edit. Its native behaviour (typing, caret, selection,
// clipboard, undo and the EM_ messages) lives in DefaultHandler and the
// mouse handlers, so a hook of WindowProc sees every message first: the
// clipboard keys arrive as WM_CUT, WM_COPY, WM_PASTE and WM_UNDO sent
// through WindowProc, which a hook may swallow. Positions count code
// points of the UTF-8 text.

#include <string>

#include "platform/framework/Controls.h"
#include "platform/framework/EditMessages.h"

enum TEditCharCase { ecNormal, ecUpperCase, ecLowerCase };

class TCustomEdit : public TWinControl {
 public:
  explicit TCustomEdit(TComponent* owner);
  ~TCustomEdit() override;
  std::string ClassName() const override { return "TCustomEdit"; }

  bool ReadOnly() const { return readOnly_; }
  void SetReadOnly(bool value);
  // Most characters the text may hold (0: no limit).
  int MaxLength() const { return maxLength_; }
  void SetMaxLength(int value);
  // Shown in place of every character (0: the text itself).
  char32_t PasswordChar() const { return passwordChar_; }
  void SetPasswordChar(char32_t value);
  TEditCharCase CharCase() const { return charCase_; }
  void SetCharCase(TEditCharCase value);
  // Whether entering the edit by the keyboard selects all of its text.
  bool AutoSelect() const { return autoSelect_; }
  void SetAutoSelect(bool value) { autoSelect_ = value; }
  // Whether the selection is hidden while the edit lacks the focus.
  bool HideSelection() const { return hideSelection_; }
  void SetHideSelection(bool value);
  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment value);
  // Only digits may be typed (ES_NUMBER).
  bool NumbersOnly() const { return numbersOnly_; }
  void SetNumbersOnly(bool value);
  TBorderStyle BorderStyle() const { return borderStyle_; }
  void SetBorderStyle(TBorderStyle value);
  // Kept for the ES_OEMCONVERT style; text is Unicode throughout here.
  bool OEMConvert() const { return oemConvert_; }
  void SetOEMConvert(bool value);
  bool Modified() const { return modified_; }
  void SetModified(bool value) { modified_ = value; }

  int SelStart();
  void SetSelStart(int value);
  int SelLength();
  void SetSelLength(int value);
  std::string SelText();
  void SetSelText(const std::string& value);
  void SelectAll();
  void ClearSelection() { Perform(WM_CLEAR, 0, 0); }
  void CopyToClipboard() { Perform(WM_COPY, 0, 0); }
  void CutToClipboard() { Perform(WM_CUT, 0, 0); }
  void PasteFromClipboard() { Perform(WM_PASTE, 0, 0); }
  bool CanUndo() { return Perform(EM_CANUNDO, 0, 0) != 0; }
  void Undo() { Perform(WM_UNDO, 0, 0); }
  void ClearUndo() { Perform(EM_EMPTYUNDOBUFFER, 0, 0); }
  void Clear() { SetText(""); }

  // The caret position (where typing goes).
  int CaretPos() const { return caret_; }
  // Whether the caret is drawn now (it blinks while the edit has the focus).
  bool CaretShown() const { return caretOn_ && Focused(); }

  TNotifyEvent OnChange;

 protected:
  virtual void Change();
  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;
  void PaintWindow(HDC dc) override;
  void DefaultHandler(TMessage& message) override;
  void WMGetDlgCode(TMessage& message) override;
  void WMButtonDown(TMessage& message, TMouseButton button, bool doubleClick) override;
  void WMLButtonDblClk(TMessage& message) override;
  void WMButtonUp(TMessage& message, TMouseButton button) override;
  void WMMouseMove(TMessage& message) override;
  void CMEnter(TMessage& message) override;
  void CMTextChanged(TMessage& message) override;
  void CMFontChanged(TMessage& message) override;
  bool CanAutoSize(int& newWidth, int& newHeight) override;

 private:
  // Editing (EditText.cpp).
  bool HandleEditMessage(TMessage& message);
  void TypeChar(char32_t ch);
  void KeyNavigate(WORD key);
  // Replaces the selection by text, limited to MaxLength; false when
  // nothing of it fits.
  bool ReplaceSelection(const std::u32string& text, bool canUndo);
  void Commit(const std::u32string& text, int caret);
  void SetSelection(int anchor, int caret);
  std::u32string ApplyCharCase(std::u32string text) const;
  int WordStart(int pos) const;
  int WordEnd(int pos) const;
  // One write of the window style: the bits of mask become those of bits.
  void SetStyleBits(DWORD mask, DWORD bits);
  // Takes the edit styles a subclass may have set at creation or later.
  void SyncFromStyle();

  // Looks and places (EditPaint.cpp).
  TRect TextRect();
  std::u32string Shown() const;
  int TextX(int pos);
  // Where the text starts, for the alignment and the scrolling.
  int TextOrigin(int textWidth);
  TCanvas* Measure();
  int PositionAt(int x);
  void ScrollCaretIntoView();
  void StartCaret();
  void StopCaret();

  std::u32string text_;
  int anchor_ = 0;
  int caret_ = 0;
  int scrollX_ = 0;
  int maxLength_ = 0;
  bool readOnly_ = false;
  char32_t passwordChar_ = 0;
  TEditCharCase charCase_ = ecNormal;
  bool autoSelect_ = true;
  bool hideSelection_ = true;
  TAlignment alignment_ = taLeftJustify;
  bool numbersOnly_ = false;
  TBorderStyle borderStyle_ = bsSingle;
  bool modified_ = false;
  bool oemConvert_ = false;
  std::u32string undoText_;
  int undoCaret_ = 0;
  bool canUndo_ = false;
  bool haveTextRect_ = false;
  TRect textRect_;
  bool caretOn_ = false;
  bool mouseSelecting_ = false;
  std::unique_ptr<TBitmap> measureBitmap_;
};

class TEdit : public TCustomEdit {
 public:
  explicit TEdit(TComponent* owner) : TCustomEdit(owner) {}
  std::string ClassName() const override { return "TEdit"; }
};
