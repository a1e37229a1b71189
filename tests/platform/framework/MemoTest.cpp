// The memo: scrolling by bar, wheel and EM_LINESCROLL, word wrap, typing,
// selection, the clipboard messages and their interception, lines.

#include <gtest/gtest.h>

#include "FormTestSupport.h"
#include "platform/framework/Memo.h"

namespace {

class MemoTest : public HeadlessFormsTest {
 protected:
  TMemo* MakeMemo(TForm* form, int lines, TScrollStyle bars = ssVertical) {
    auto* memo = new TMemo(form);
    memo->SetParent(form);
    memo->SetBorderStyle(bsNone);
    memo->SetScrollBars(bars);
    memo->SetBounds(10, 10, 200, 120);
    std::string text;
    for (int i = 0; i < lines; ++i) text += (i ? "\r\n" : "") + std::string("line ") + std::to_string(i);
    memo->SetText(text);
    HeadlessPumpUntilIdle();
    return memo;
  }
  static int FirstVisible(TMemo* memo) { return static_cast<int>(memo->Perform(EM_GETFIRSTVISIBLELINE, 0, 0)); }
};

TEST_F(MemoTest, ScrollMessagesMoveTheFirstVisibleLineAndTheScrollInformation) {
  TForm* form = ShownForm();
  TMemo* memo = MakeMemo(form, 30);
  int visible = memo->ClientHeight() / memo->Canvas() ->TextHeight("Wg");
  SCROLLINFO si;
  si.fMask = SIF_ALL;
  ASSERT_TRUE(GetScrollInfo(memo->Handle(), SB_VERT, &si));
  EXPECT_EQ(si.nMax, 29);
  EXPECT_EQ(static_cast<int>(si.nPage), visible);
  SendMessage(memo->Handle(), WM_VSCROLL, static_cast<WPARAM>(MAKELPARAM(SB_THUMBPOSITION, 10)), 0);
  EXPECT_EQ(FirstVisible(memo), 10);
  EXPECT_EQ(GetScrollPos(memo->Handle(), SB_VERT), 10);
  SendMessage(memo->Handle(), WM_VSCROLL, SB_LINEDOWN, 0);
  EXPECT_EQ(FirstVisible(memo), 11);
  SendMessage(memo->Handle(), WM_VSCROLL, SB_PAGEUP, 0);
  EXPECT_EQ(FirstVisible(memo), 11 - visible);
  SendMessage(memo->Handle(), WM_VSCROLL, SB_BOTTOM, 0);
  EXPECT_EQ(FirstVisible(memo), 30 - visible);
  memo->Perform(EM_LINESCROLL, 0, -5);
  EXPECT_EQ(FirstVisible(memo), 25 - visible);
  memo->SetFocus();
  HeadlessMouseMove(memo->ClientToScreen({20, 20}));
  HeadlessWheel(WHEEL_DELTA);
  EXPECT_EQ(FirstVisible(memo), 22 - visible);
}

TEST_F(MemoTest, ScrollingRepaintsWithoutLeavingTheOldRowsBehind) {
  TForm* form = ShownForm(440, 160);
  TMemo* scrolled = MakeMemo(form, 30);
  // Beside it, a memo that shows the same rows without ever having scrolled.
  auto* fresh = new TMemo(form);
  fresh->SetParent(form);
  fresh->SetBorderStyle(bsNone);
  fresh->SetScrollBars(ssVertical);
  fresh->SetBounds(220, 10, 200, 120);
  std::string text;
  for (int i = 1; i < 30; ++i) text += (i > 1 ? "\r\n" : "") + std::string("line ") + std::to_string(i);
  fresh->SetText(text);
  HeadlessPumpUntilIdle();
  SendMessage(scrolled->Handle(), WM_VSCROLL, SB_LINEDOWN, 0);
  HeadlessPumpUntilIdle();
  ASSERT_EQ(FirstVisible(scrolled), 1);
  TBitmap* surface = const_cast<TBitmap*>(HeadlessPresentedSurface(form->Handle()));
  ASSERT_NE(surface, nullptr);
  int differing = 0;
  for (int y = 0; y < scrolled->ClientHeight(); ++y)
    for (int x = 0; x < scrolled->ClientWidth(); ++x)
      if (surface->Canvas()->Pixels(10 + x, 10 + y) != surface->Canvas()->Pixels(220 + x, 10 + y)) ++differing;
  EXPECT_EQ(differing, 0);
}

TEST_F(MemoTest, ShortTextLeavesTheBarShownButDisabled) {
  TForm* form = ShownForm();
  TMemo* memo = MakeMemo(form, 2);
  SCROLLBARINFO sbi;
  ASSERT_TRUE(GetScrollBarInfo(memo->Handle(), OBJID_VSCROLL, &sbi));
  EXPECT_EQ(sbi.rgstate[0], STATE_SYSTEM_UNAVAILABLE);
  GetScrollBarInfo(memo->Handle(), OBJID_HSCROLL, &sbi);
  EXPECT_EQ(sbi.rgstate[0], STATE_SYSTEM_INVISIBLE);
}

TEST_F(MemoTest, CaretMovesScrollTheMemo) {
  TForm* form = ShownForm();
  TMemo* memo = MakeMemo(form, 30);
  memo->SetFocus();
  HeadlessKeyDown(VK_CONTROL);
  HeadlessKeyPress(VK_END);
  HeadlessKeyUp(VK_CONTROL);
  EXPECT_EQ(memo->CaretPos(), (TPoint{7, 29}));
  EXPECT_GT(FirstVisible(memo), 20);
  HeadlessKeyDown(VK_CONTROL);
  HeadlessKeyPress(VK_HOME);
  HeadlessKeyUp(VK_CONTROL);
  EXPECT_EQ(FirstVisible(memo), 0);
}

TEST_F(MemoTest, WordWrapBreaksLongLinesAtSpaces) {
  TForm* form = ShownForm();
  TMemo* memo = MakeMemo(form, 0);
  std::string words;
  for (int i = 0; i < 40; ++i) words += "word ";
  memo->SetText(words);
  EXPECT_EQ(memo->Lines()->Count(), 1);
  LRESULT rows = memo->Perform(EM_GETLINECOUNT, 0, 0);
  EXPECT_GT(rows, 3);
  LRESULT second = memo->Perform(EM_LINEINDEX, 1, 0);
  EXPECT_EQ(second % 5, 0);  // every row starts at a word
  memo->SetWordWrap(false);
  EXPECT_EQ(memo->Perform(EM_GETLINECOUNT, 0, 0), 1);
}

TEST_F(MemoTest, HorizontalScrollingWithoutWrap) {
  TForm* form = ShownForm();
  TMemo* memo = MakeMemo(form, 1, ssBoth);
  memo->SetWordWrap(false);
  memo->SetText(std::string(200, 'x'));
  memo->Perform(EM_LINESCROLL, 10, 0);
  EXPECT_GT(GetScrollPos(memo->Handle(), SB_HORZ), 0);
  SendMessage(memo->Handle(), WM_HSCROLL, SB_LEFT, 0);
  SendMessage(memo->Handle(), WM_HSCROLL, static_cast<WPARAM>(MAKELPARAM(SB_THUMBPOSITION, 0)), 0);
  EXPECT_EQ(GetScrollPos(memo->Handle(), SB_HORZ), 0);
}

TEST_F(MemoTest, TypingSelectionUndoAndLines) {
  TForm* form = ShownForm();
  TMemo* memo = MakeMemo(form, 0);
  int changes = 0;
  memo->OnChange = [&](TObject*) { ++changes; };
  memo->SetFocus();
  HeadlessText("ab");
  HeadlessKeyPress(VK_RETURN, "\r");
  HeadlessText("cd");
  EXPECT_EQ(memo->Text(), "ab\r\ncd");
  EXPECT_EQ(memo->Lines()->Count(), 2);
  EXPECT_EQ(memo->Lines()->Strings(1), "cd");
  EXPECT_EQ(changes, 5);
  memo->SetSelStart(1);
  memo->SetSelLength(4);  // "b", the line break, "c"
  EXPECT_EQ(memo->SelText(), "b\r\nc");
  memo->SetSelText("X");
  EXPECT_EQ(memo->Text(), "aXd");
  // A replacement the program made cannot be undone, nor what came before it.
  EXPECT_FALSE(memo->Perform(EM_CANUNDO, 0, 0));
  memo->Undo();
  EXPECT_EQ(memo->Text(), "aXd");
  HeadlessKeyPress(VK_BACK, "\b");
  EXPECT_EQ(memo->Text(), "ad");
  memo->Undo();
  EXPECT_EQ(memo->Text(), "aXd");
  memo->Lines()->Add("ef");
  memo->Lines()->Delete(0);
  EXPECT_EQ(memo->Text(), "ef");
  EXPECT_THROW(memo->Lines()->Strings(5), EStringListError);
  memo->SetMaxLength(3);
  memo->SetSelStart(2);
  HeadlessText("zz");
  EXPECT_EQ(memo->Text(), "efz");
}

TEST_F(MemoTest, ClipboardMessagesCanBeInterceptedAndReadOnlyRefusesEdits) {
  TForm* form = ShownForm();
  TMemo* memo = MakeMemo(form, 0);
  memo->SetText("hello world");
  memo->SetFocus();
  memo->SetSelStart(0);
  memo->SetSelLength(5);
  memo->CopyToClipboard();
  EXPECT_EQ(GetClipboardText(), "hello");
  int pastesSeen = 0;
  TWndMethod previous = memo->WindowProc;
  memo->WindowProc = [&](TMessage& m) {
    if (m.Msg == WM_PASTE) {
      ++pastesSeen;  // the hook keeps the paste from the memo
      return;
    }
    previous(m);
  };
  HeadlessKeyDown(VK_CONTROL);
  HeadlessKeyPress('V', "\x16");
  HeadlessKeyUp(VK_CONTROL);
  EXPECT_EQ(pastesSeen, 1);
  EXPECT_EQ(memo->Text(), "hello world");
  memo->WindowProc = previous;
  memo->SetReadOnly(true);
  int beeps = HeadlessRequests().beeps;
  HeadlessText("x");
  memo->CutToClipboard();
  EXPECT_EQ(memo->Text(), "hello world");
  EXPECT_GT(HeadlessRequests().beeps, beeps);
}

TEST_F(MemoTest, ClickPlacesTheCaretAndDragSelects) {
  TForm* form = ShownForm();
  TMemo* memo = MakeMemo(form, 3);
  int lh = memo->Canvas()->TextHeight("Wg");
  HeadlessClick(memo->ClientToScreen({1, lh + lh / 2}));
  EXPECT_EQ(memo->CaretPos(), (TPoint{0, 1}));
  HeadlessMouseMove(memo->ClientToScreen({1, lh / 2}));
  HeadlessMouseDown();
  HeadlessMouseMove(memo->ClientToScreen({150, 2 * lh + lh / 2}));
  HeadlessMouseUp();
  EXPECT_EQ(memo->SelText(), "line 0\r\nline 1\r\nline 2");
}

}  // namespace

namespace {

class MemoLookTest : public HeadlessFormsTest {};

TEST_F(MemoLookTest, FreshMemoWithoutWindowAnswersLineMessages) {
  TMemo memo(nullptr);
  EXPECT_EQ(memo.Perform(EM_GETLINECOUNT, 0, 0), 1);
  EXPECT_EQ(memo.Perform(EM_LINELENGTH, 0, 0), 0);
  EXPECT_EQ(memo.Perform(EM_LINEINDEX, 5, 0), -1);
  memo.SetText("one\r\ntwo");
  EXPECT_EQ(memo.Lines()->Count(), 2);
  EXPECT_EQ(memo.Perform(EM_LINEFROMCHAR, 6, 0), 1);
}

TEST_F(MemoLookTest, OnlyTheSelectionIsHighlighted) {
  TForm* form = ShownForm();
  auto* memo = new TMemo(form);
  memo->SetParent(form);
  memo->SetBorderStyle(bsNone);
  memo->SetBounds(0, 0, 200, 60);
  memo->SetText("aaaa bbbb");
  memo->SetFocus();
  memo->SetSelStart(0);
  memo->SetSelLength(4);
  HeadlessPumpUntilIdle();
  const TBitmap* surface = HeadlessPresentedSurface(form->Handle());
  ASSERT_NE(surface, nullptr);
  auto pixel = [&](int x, int y) { return const_cast<TBitmap*>(surface)->Canvas()->Pixels(x, y); };
  int selectedMiddle = 2 + memo->Canvas()->TextWidth("aa");
  int unselected = 2 + memo->Canvas()->TextWidth("aaaa bb");
  EXPECT_EQ(pixel(selectedMiddle, 0), ColorToRGB(clHighlight));
  EXPECT_EQ(pixel(unselected, 0), ColorToRGB(clWindow));
}

}  // namespace
