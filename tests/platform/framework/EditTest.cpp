#include <string>
#include <vector>

#include "StdControlsSupport.h"
#include "platform/framework/Edits.h"
#include "platform/framework/StdCtrls.h"

namespace {

// An edit whose subclass asks for its styles at creation, as a number
// field does.
class TNumberField : public TEdit {
 public:
  explicit TNumberField(TComponent* owner) : TEdit(owner) {}

 protected:
  void CreateParams(TCreateParams& params) override {
    TEdit::CreateParams(params);
    params.Style |= ES_RIGHT | ES_NUMBER;
  }
};

// A frame drawn over the edit's margin, as a skin does.
class TFramedEdit : public TEdit {
 public:
  explicit TFramedEdit(TComponent* owner) : TEdit(owner) {
    SetBorderStyle(bsNone);
    SetBorderWidth(2);
  }

 protected:
  void PaintOverNative(TCanvas& canvas) override {
    canvas.Brush()->SetColor(clLime);
    canvas.FrameRect(Rect(0, 0, Width(), Height()));
  }
};

class EditTest : public StdControlsTest {
 protected:
  void SetUp() override {
    StdControlsTest::SetUp();
    edit = Place<TEdit>(10, 10, 200, 21);
    edit->SetFocus();
    HeadlessPumpUntilIdle();
  }
  void Type(const std::string& text) {
    for (char ch : text) HeadlessKeyPress(ch >= 'a' && ch <= 'z' ? ch - 32 : ch, std::string(1, ch));
  }
  void Key(int vk, bool shift = false, bool ctrl = false) {
    if (shift) HeadlessKeyDown(VK_SHIFT);
    if (ctrl) HeadlessKeyDown(VK_CONTROL);
    HeadlessKeyPress(vk);
    if (ctrl) HeadlessKeyUp(VK_CONTROL);
    if (shift) HeadlessKeyUp(VK_SHIFT);
  }
  void CtrlChar(int vk, char code) {
    HeadlessKeyDown(VK_CONTROL);
    HeadlessKeyPress(vk, std::string(1, code));
    HeadlessKeyUp(VK_CONTROL);
  }
  std::pair<DWORD, DWORD> Sel() {
    DWORD start = 0, end = 0;
    edit->Perform(EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    return {start, end};
  }
  int Beeps() { return HeadlessRequests().beeps; }

  TEdit* edit = nullptr;
};

TEST_F(EditTest, TypingInsertsAtTheCaretAndFiresOnChangeEachTime) {
  int changes = 0;
  edit->OnChange = [&](TObject*) { ++changes; };
  Type("hello");
  EXPECT_EQ(edit->Text(), "hello");
  EXPECT_EQ(GetWindowText(edit->Handle()), "hello");
  EXPECT_EQ(changes, 5);
  EXPECT_TRUE(edit->Modified());
  Key(VK_HOME);
  Type("oh ");
  Key(VK_END);
  HeadlessKeyPress(VK_BACK, "\b");
  Key(VK_LEFT);
  Key(VK_DELETE);
  EXPECT_EQ(edit->Text(), "oh hel");
  HeadlessText("ľa");  // input-method text arrives as characters
  EXPECT_EQ(edit->Text(), "oh helľa");
  EXPECT_EQ(edit->CaretPos(), 8);
}

TEST_F(EditTest, SelectionByKeysAndTheSelectionMessages) {
  edit->SetText("one two three");
  EXPECT_EQ(Sel(), std::make_pair(DWORD(0), DWORD(0)));  // text from outside puts the caret first
  Key(VK_RIGHT, false, true);  // a word on
  EXPECT_EQ(edit->CaretPos(), 4);
  Key(VK_RIGHT, true, true);
  EXPECT_EQ(Sel(), std::make_pair(DWORD(4), DWORD(8)));
  EXPECT_EQ(edit->SelText(), "two ");
  Key(VK_HOME, true);
  EXPECT_EQ(Sel(), std::make_pair(DWORD(0), DWORD(4)));  // the anchor stays at 4
  Key(VK_RIGHT);
  EXPECT_EQ(Sel(), std::make_pair(DWORD(4), DWORD(4)));  // collapses to the end

  edit->Perform(EM_SETSEL, 8, 3);  // reversed: the caret goes to 3
  EXPECT_EQ(Sel(), std::make_pair(DWORD(3), DWORD(8)));
  EXPECT_EQ(edit->CaretPos(), 3);
  EXPECT_EQ(edit->Perform(EM_GETSEL, 0, 0), MAKELPARAM(3, 8));
  edit->Perform(EM_SETSEL, 0, static_cast<LPARAM>(-1));
  EXPECT_EQ(edit->SelLength(), 13);
  edit->Perform(EM_SETSEL, 100, 200);  // past the end: clamped
  EXPECT_EQ(Sel(), std::make_pair(DWORD(13), DWORD(13)));
  edit->Perform(EM_SETSEL, 4, 7);
  edit->Perform(EM_REPLACESEL, 1, reinterpret_cast<LPARAM>("2"));
  EXPECT_EQ(edit->Text(), "one 2 three");
  EXPECT_EQ(edit->CaretPos(), 5);
  edit->Perform(WM_UNDO, 0, 0);
  EXPECT_EQ(edit->Text(), "one two three");
  edit->Perform(WM_UNDO, 0, 0);  // undo of the undo
  EXPECT_EQ(edit->Text(), "one 2 three");
}

TEST_F(EditTest, MouseSelectsByDragAndDoubleClickSelectsAWord) {
  edit->SetText("alpha beta");
  TPoint start = ScreenPointOf(edit, 2, 8);
  HeadlessMouseMove(start);
  HeadlessMouseDown();
  HeadlessMouseMove(ScreenPointOf(edit, 190, 8));
  HeadlessMouseUp();
  EXPECT_EQ(Sel(), std::make_pair(DWORD(0), DWORD(10)));
  EXPECT_EQ(edit->CaretPos(), 10);

  HeadlessAdvanceClock(1000);
  edit->Perform(WM_LBUTTONDBLCLK, 0, MAKELPARAM(3, 8));
  EXPECT_EQ(edit->SelText(), "alpha ");
}

TEST_F(EditTest, ClipboardKeysGoThroughMessagesAHookCanSwallow) {
  edit->SetText("copy me");
  edit->SelectAll();
  CtrlChar('C', '\x03');
  EXPECT_EQ(GetClipboardText(), "copy me");
  Key(VK_END);
  CtrlChar('V', '\x16');
  EXPECT_EQ(edit->Text(), "copy mecopy me");

  std::vector<UINT> seen;
  TWndMethod saved = edit->WindowProc;
  edit->WindowProc = [&](TMessage& m) {
    if (m.Msg >= WM_CUT && m.Msg <= WM_UNDO) {
      seen.push_back(m.Msg);
      return;  // swallowed
    }
    saved(m);
  };
  edit->SelectAll();
  CtrlChar('X', '\x18');
  Key(VK_INSERT, true);
  CtrlChar('Z', '\x1a');
  Key(VK_DELETE, true);
  edit->WindowProc = saved;
  EXPECT_EQ(seen, (std::vector<UINT>{WM_CUT, WM_PASTE, WM_UNDO, WM_CUT}));
  EXPECT_EQ(edit->Text(), "copy mecopy me");

  edit->Perform(EM_SETSEL, 0, 5);
  edit->CutToClipboard();
  EXPECT_EQ(edit->Text(), "mecopy me");
  EXPECT_EQ(GetClipboardText(), "copy ");
  SetClipboardText("first\nsecond");
  edit->Clear();
  edit->PasteFromClipboard();
  EXPECT_EQ(edit->Text(), "first");  // one line only
}

TEST_F(EditTest, RefusedCharactersBeepAndChangeNothing) {
  edit->SetNumbersOnly(true);
  EXPECT_NE(GetWindowLong(edit->Handle(), GWL_STYLE) & ES_NUMBER, 0);
  int before = Beeps();
  Type("1a2");
  EXPECT_EQ(edit->Text(), "12");
  EXPECT_EQ(Beeps(), before + 1);
  SetClipboardText("3x");
  edit->PasteFromClipboard();
  EXPECT_EQ(edit->Text(), "12");
  EXPECT_EQ(Beeps(), before + 2);

  edit->SetNumbersOnly(false);
  edit->SetMaxLength(4);
  Type("345");
  EXPECT_EQ(edit->Text(), "1234");
  EXPECT_EQ(Beeps(), before + 3);
  SetClipboardText("abc");
  edit->Perform(EM_SETSEL, 1, 2);
  edit->PasteFromClipboard();  // only what fits goes in
  EXPECT_EQ(edit->Text(), "1a34");
  EXPECT_EQ(Beeps(), before + 4);

  edit->SetReadOnly(true);
  EXPECT_NE(GetWindowLong(edit->Handle(), GWL_STYLE) & ES_READONLY, 0);
  Type("z");
  HeadlessKeyPress(VK_BACK, "\b");
  edit->SelectAll();
  edit->CutToClipboard();
  EXPECT_EQ(edit->Text(), "1a34");
  EXPECT_EQ(Beeps(), before + 5);
}

TEST_F(EditTest, TextReplacedByAnOnChangeHandlerIsWhatTypingContinuesFrom) {
  edit->OnChange = [this](TObject*) {
    if (edit->Text() == "ab") edit->SetText("abc");
  };
  Type("ab");
  EXPECT_EQ(edit->Text(), "abc");
  Key(VK_END);
  Type("d");
  EXPECT_EQ(edit->Text(), "abcd");
  EXPECT_EQ(GetWindowText(edit->Handle()), "abcd");
}

TEST_F(EditTest, TextAnOnChangeHandlerSetsWhileTextIsSetStays) {
  edit->OnChange = [this](TObject*) {
    if (edit->Text() == "75") edit->SetText("59");
  };
  edit->SetText("75");
  EXPECT_EQ(edit->Text(), "59");
  EXPECT_EQ(GetWindowText(edit->Handle()), "59");
  EXPECT_EQ(edit->Perform(EM_GETSEL, 0, 0), 0);  // the caret first, as after any text set whole
}

TEST_F(EditTest, KeyPressHandlerCanDropACharacter) {
  edit->OnKeyPress = [](TObject*, char32_t& key) {
    if (key == U'-') key = 0;
  };
  Type("a-b");
  EXPECT_EQ(edit->Text(), "ab");
}

TEST_F(EditTest, CharCasePasswordAndTheTextRectangle) {
  edit->SetCharCase(ecUpperCase);
  Type("abc");
  EXPECT_EQ(edit->Text(), "ABC");
  edit->SetCharCase(ecLowerCase);
  EXPECT_EQ(edit->Text(), "abc");

  edit->SetPasswordChar(U'*');
  EXPECT_EQ(edit->Perform(EM_GETPASSWORDCHAR, 0, 0), '*');
  SetClipboardText("kept");
  edit->SelectAll();
  edit->CopyToClipboard();
  EXPECT_EQ(GetClipboardText(), "kept");  // a password is not copied

  TRect r = Rect(5, 2, 100, 15);
  edit->Perform(EM_SETRECTNP, 0, reinterpret_cast<LPARAM>(&r));
  TRect back{};
  edit->Perform(EM_GETRECT, 0, reinterpret_cast<LPARAM>(&back));
  EXPECT_EQ(back, r);
  edit->Perform(EM_SETRECTNP, 0, 0);
  edit->Perform(EM_GETRECT, 0, reinterpret_cast<LPARAM>(&back));
  EXPECT_NE(back, r);
}

TEST_F(EditTest, AutoSelectOnTabButNotOnClick) {
  auto* second = Place<TEdit>(10, 50, 200, 21);
  second->SetText("some text");
  edit->SetFocus();
  HeadlessKeyPress(VK_TAB, "\t");
  ASSERT_TRUE(second->Focused());
  EXPECT_EQ(second->SelLength(), 9);

  edit->SetFocus();
  second->Perform(EM_SETSEL, 0, 0);
  ClickAt(second, 190, 8);
  EXPECT_TRUE(second->Focused());
  EXPECT_EQ(second->SelLength(), 0);
  EXPECT_EQ(second->CaretPos(), 9);

  second->SetAutoSelect(false);
  edit->SetFocus();
  HeadlessKeyPress(VK_TAB, "\t");
  EXPECT_EQ(second->SelLength(), 0);
}

TEST_F(EditTest, RightAlignedTextEndsAtTheRightEdgeAndTheCaretBlinks) {
  TEdit* right = Place<TEdit>(10, 50, 200, 21);
  right->SetAlignment(taRightJustify);
  EXPECT_NE(GetWindowLong(right->Handle(), GWL_STYLE) & ES_RIGHT, 0);
  right->SetText("88");
  right->SetFocus();
  right->Perform(EM_SETSEL, 0, 0);
  HeadlessPumpUntilIdle();
  auto darkColumns = [&](int from, int to) {
    int n = 0;
    for (int x = from; x < to; ++x)
      for (int y = 2; y < 14; ++y)
        if (PixelOf(right, x, y) == ColorToRGB(clWindowText)) {
          ++n;
          break;
        }
    return n;
  };
  EXPECT_EQ(darkColumns(0, 100), 0);
  EXPECT_GT(darkColumns(170, 196), 0);
  EXPECT_TRUE(right->CaretShown());
  HeadlessAdvanceClock(600);
  EXPECT_FALSE(right->CaretShown());
  HeadlessAdvanceClock(600);
  EXPECT_TRUE(right->CaretShown());
  edit->SetFocus();
  EXPECT_FALSE(right->CaretShown());
}

TEST_F(EditTest, StylesFromASubclassOrSetLaterTakeEffect) {
  auto* field = Place<TNumberField>(10, 50, 100, 21);
  EXPECT_EQ(field->Alignment(), taRightJustify);
  EXPECT_TRUE(field->NumbersOnly());
  field->SetFocus();
  Type("4x2");
  EXPECT_EQ(field->Text(), "42");
  LONG_PTR style = GetWindowLong(field->Handle(), GWL_STYLE);
  SetWindowLong(field->Handle(), GWL_STYLE, (style & ~static_cast<LONG_PTR>(ES_NUMBER)) | ES_UPPERCASE);
  Type("k");
  EXPECT_EQ(field->Text(), "42K");
  EXPECT_EQ(field->CharCase(), ecUpperCase);
}

TEST_F(EditTest, ASubclassPaintsOverTheEditAndItsMargin) {
  auto* framed = Place<TFramedEdit>(10, 50, 100, 21);
  framed->SetText("WWW");
  EXPECT_EQ(framed->ClientWidth(), 96);
  TPoint origin = framed->ClientOrigin();
  TPoint corner = framed->Parent()->ClientToScreen({framed->Left(), framed->Top()});
  EXPECT_EQ(origin.X - corner.X, 2);
  EXPECT_EQ(PixelOf(framed, -2, -2), ColorToRGB(clLime));           // the window's edge
  EXPECT_EQ(PixelOf(framed, -1, 5), ColorToRGB(framed->Color()));  // the margin
  bool text = false;  // the text is still there under the frame
  for (int x = 0; x < 40; ++x) text = text || GetGValue(PixelOf(framed, x, 6)) < 0x40;
  EXPECT_TRUE(text);
}

TEST_F(EditTest, SelectionIsHiddenWithoutFocusUnlessAsked) {
  edit->SetText("WWWW");
  edit->SelectAll();
  auto highlighted = [&] { return PixelOf(edit, 1, 2) == ColorToRGB(clHighlight); };
  EXPECT_TRUE(highlighted());
  auto* other = Place<TButton>(10, 100, 75, 25);
  other->SetFocus();
  EXPECT_FALSE(highlighted());
  edit->SetHideSelection(false);
  EXPECT_TRUE(highlighted());
}

}  // namespace
