#pragma once
// The memo: the multi-line text engine shown with word wrap and window
// scroll bars, and the EM_ messages of a multi-line edit that depend on
// its rows. Scrolling by WM_VSCROLL / WM_HSCROLL (lines, pages, the thumb),
// the wheel and EM_LINESCROLL moves the first visible line.

#include <memory>
#include <string>
#include <vector>

#include "platform/framework/ScrollInfo.h"
#include "platform/framework/StringList.h"
#include "platform/framework/TextControl.h"

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

class TMemo : public TTextControl<TScrollingControl> {
 public:
  explicit TMemo(TComponent* owner);
  ~TMemo() override;
  std::string ClassName() const override { return "TMemo"; }

  TMemoStrings* Lines() { return &lines_; }
  bool WordWrap() const { return wordWrap_; }
  void SetWordWrap(bool value);
  TScrollStyle ScrollBars() const { return scrollBars_; }
  void SetScrollBars(TScrollStyle value);
  bool WantReturns() const { return wantReturns_; }
  void SetWantReturns(bool value) { wantReturns_ = value; }
  bool WantTabs() const { return wantTabs_; }
  void SetWantTabs(bool value) { wantTabs_ = value; }

  // The caret as (column, line) of the logical lines.
  TPoint CaretPos();
  // A canvas in the memo's font, for measuring.
  TCanvas* Canvas() { return Measure(); }

  void DefaultHandler(TMessage& message) override;

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;
  void PaintWindow(HDC dc) override;
  void WMGetDlgCode(TMessage& message) override;
  void CMFontChanged(TMessage& message) override;

  // How the engine's changes show.
  void TextLaidOut() override;
  void SelectionShown(bool scroll) override;
  int LineMove(WORD key, bool ctrl) override;

 private:
  // A line on screen: where it starts in the text and how long it is.
  struct TRow {
    int start = 0;
    int length = 0;
  };
  // Native part (MemoNative.cpp).
  bool HandleLayoutMessage(TMessage& m);
  bool HandleMouseMessage(TMessage& m);
  // Whether a typed Return or Tab goes into the text.
  bool Wanted(char32_t ch) const;
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
  TCanvas* Measure();

  TMemoStrings lines_;
  std::vector<TRow> rows_;
  int topRow_ = 0;
  int scrollX_ = 0;
  int widest_ = 0;
  bool wordWrap_ = true;
  TScrollStyle scrollBars_ = ssNone;
  bool wantReturns_ = true;
  bool wantTabs_ = false;
  std::unique_ptr<TBitmap> measureBitmap_;
};
