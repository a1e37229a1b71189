#pragma once
// The memo: multi-line text with word wrap, window scroll bars, caret and
// selection, the clipboard messages, and the EM_ messages of a multi-line
// edit. Scrolling by WM_VSCROLL / WM_HSCROLL (lines, pages, the thumb),
// the wheel and EM_LINESCROLL moves the first visible line.

#include <memory>
#include <string>
#include <vector>

#include "platform/framework/EditMessages.h"
#include "platform/framework/ScrollInfo.h"
#include "platform/framework/StringList.h"

// The multi-line messages the single-line edit does not answer.
constexpr UINT EM_LINESCROLL = 0x00B6;  // wParam: characters sideways, lParam: lines
constexpr UINT EM_LINEINDEX = 0x00BB;
constexpr UINT EM_LINELENGTH = 0x00C1;
constexpr UINT EM_LINEFROMCHAR = 0x00C9;
constexpr UINT EM_GETFIRSTVISIBLELINE = 0x00CE;

enum TScrollStyle { ssNone, ssHorizontal, ssVertical, ssBoth };

class TMemo;

// The lines of a memo; changes replace the memo's text through WM_SETTEXT.
class TMemoStrings {
 public:
  explicit TMemoStrings(TMemo* owner) : owner_(owner) {}
  int Count() const;
  std::string Strings(int index) const;
  std::string operator[](int index) const { return Strings(index); }
  void SetStrings(int index, const std::string& s);
  int Add(const std::string& s);
  void Insert(int index, const std::string& s);
  void Delete(int index);
  void Clear();
  std::string Text() const;
  void SetText(const std::string& text);
  void Assign(const TStringList& list);

 private:
  std::vector<std::string> Get() const;
  void Put(const std::vector<std::string>& lines);
  TMemo* owner_;
};

class TMemo : public TScrollingControl {
 public:
  explicit TMemo(TComponent* owner);
  ~TMemo() override;
  std::string ClassName() const override { return "TMemo"; }

  TMemoStrings* Lines() { return &lines_; }
  bool WordWrap() const { return wordWrap_; }
  void SetWordWrap(bool value);
  TScrollStyle ScrollBars() const { return scrollBars_; }
  void SetScrollBars(TScrollStyle value);
  bool ReadOnly() const { return readOnly_; }
  void SetReadOnly(bool value);
  bool WantReturns() const { return wantReturns_; }
  void SetWantReturns(bool value) { wantReturns_ = value; }
  bool WantTabs() const { return wantTabs_; }
  void SetWantTabs(bool value) { wantTabs_ = value; }
  int MaxLength() const { return maxLength_; }
  void SetMaxLength(int value) { maxLength_ = std::max(0, value); }
  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment value);
  TBorderStyle BorderStyle() const { return borderStyle_; }
  void SetBorderStyle(TBorderStyle value);
  bool Modified() const { return modified_; }
  void SetModified(bool value) { modified_ = value; }

  // Selection in characters (code points) of the text with "\r\n" line breaks.
  int SelStart();
  void SetSelStart(int value);
  int SelLength();
  void SetSelLength(int value);
  std::string SelText();
  void SetSelText(const std::string& value);
  void SelectAll();
  void CopyToClipboard() { Perform(WM_COPY, 0, 0); }
  void CutToClipboard() { Perform(WM_CUT, 0, 0); }
  void PasteFromClipboard() { Perform(WM_PASTE, 0, 0); }
  void Undo() { Perform(WM_UNDO, 0, 0); }
  void Clear() { SetText(""); }
  // The caret as (column, line) of the logical lines.
  TPoint CaretPos();
  void SetText(const std::string& value) override;
  // A canvas in the memo's font, for measuring.
  TCanvas* Canvas() { return Measure(); }

  TNotifyEvent OnChange;

  void DefaultHandler(TMessage& message) override;

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;
  void PaintWindow(HDC dc) override;
  void WMGetDlgCode(TMessage& message) override;
  void CMFontChanged(TMessage& message) override;
  virtual void Change();

 private:
  friend class TMemoStrings;
  // A line on screen: where it starts in the text and how long it is.
  struct TRow {
    int start = 0;
    int length = 0;
  };
  // Native part (MemoNative.cpp).
  bool HandleEditMessage(TMessage& m);
  void SetNativeText(const std::u32string& text);
  void Replace(int from, int to, std::u32string with, bool canUndo);
  void SetSelection(int anchor, int caret, bool scroll);
  void Layout();
  int RowOf(int pos) const;
  int LineHeight();
  int VisibleRows();
  int TextWidth(int start, int length);
  int PositionAt(TPoint p);
  int RowX(const TRow& row);
  void ScrollToRow(int top);
  void ScrollToX(int x);
  void ScrollCaretIntoView();
  void UpdateScrollBars();
  void Scroll(UINT msg, WORD code, int thumb);
  void KeyDownNative(WORD key, TShiftState shift);
  void TypeChar(char32_t ch);
  std::string ExternalText(int from, int to) const;
  int ToExternal(int pos) const;
  int FromExternal(int pos) const;
  TCanvas* Measure();

  TMemoStrings lines_;
  std::u32string text_;  // lines end in '\n'
  std::vector<TRow> rows_;
  int anchor_ = 0;
  int caret_ = 0;
  int topRow_ = 0;
  int scrollX_ = 0;
  int widest_ = 0;
  bool wordWrap_ = true;
  TScrollStyle scrollBars_ = ssNone;
  bool readOnly_ = false;
  bool wantReturns_ = true;
  bool wantTabs_ = false;
  int maxLength_ = 0;
  TAlignment alignment_ = taLeftJustify;
  TBorderStyle borderStyle_ = bsSingle;
  bool modified_ = false;
  std::u32string undoText_;
  int undoCaret_ = 0;
  bool canUndo_ = false;
  bool mouseSelecting_ = false;
  bool settingText_ = false;
  std::unique_ptr<TBitmap> measureBitmap_;
};
