#pragma once
// The single-line edit over the text engine. Its native behaviour (typing,
// caret, selection, clipboard, undo and the EM_ messages) lives in
// DefaultHandler and the mouse handlers, so a hook of WindowProc sees
// every message first: the clipboard keys arrive as WM_CUT, WM_COPY,
// WM_PASTE and WM_UNDO sent through WindowProc, which a hook may swallow.
// Positions count code points of the UTF-8 text.

#include <string>

#include "platform/framework/TextControl.h"

class TCustomEdit : public TTextControl<TWinControl> {
 public:
  explicit TCustomEdit(TComponent* owner);
  ~TCustomEdit() override;
  std::string ClassName() const override { return "TCustomEdit"; }

  // Shown in place of every character (0: the text itself).
  char32_t PasswordChar() const { return engine_.PasswordChar(); }
  void SetPasswordChar(char32_t value);
  TEditCharCase CharCase() const { return engine_.CharCase(); }
  void SetCharCase(TEditCharCase value);
  // Whether entering the edit by the keyboard selects all of its text.
  bool AutoSelect() const { return autoSelect_; }
  void SetAutoSelect(bool value) { autoSelect_ = value; }
  // Whether the selection is hidden while the edit lacks the focus.
  bool HideSelection() const { return hideSelection_; }
  void SetHideSelection(bool value);
  // Only digits may be typed (ES_NUMBER).
  bool NumbersOnly() const { return engine_.NumbersOnly(); }
  void SetNumbersOnly(bool value) { engine_.SetNumbersOnly(value); }
  // Kept for the ES_OEMCONVERT style; text is Unicode throughout here.
  bool OEMConvert() const { return oemConvert_; }
  void SetOEMConvert(bool value);

  // The caret position (where typing goes).
  int CaretPos() const { return engine_.Caret(); }
  // Whether the caret is drawn now (it blinks while the edit has the focus).
  bool CaretShown() const { return caretOn_ && Focused(); }

 protected:
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
  void CMFontChanged(TMessage& message) override;
  bool CanAutoSize(int& newWidth, int& newHeight) override;

  // How the engine's changes show (EditPaint.cpp).
  void TextLaidOut() override;
  void SelectionShown(bool scroll) override;
  int LineMove(WORD, bool) override { return CaretPos(); }

 private:
  // The messages of the window's looks (EditPaint.cpp).
  bool HandleLooksMessage(TMessage& message);
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

  int scrollX_ = 0;
  bool autoSelect_ = true;
  bool hideSelection_ = true;
  bool oemConvert_ = false;
  bool haveTextRect_ = false;
  TRect textRect_;
  bool caretOn_ = false;
  std::unique_ptr<TBitmap> measureBitmap_;
};

class TEdit : public TCustomEdit {
 public:
  explicit TEdit(TComponent* owner) : TCustomEdit(owner) {}
  std::string ClassName() const override { return "TEdit"; }
};
