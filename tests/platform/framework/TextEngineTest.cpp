// The text engine under the edit and the memo: what the parent hears of
// changes and when, the selection and limit messages, undo, and where a
// single line and several lines differ. Each case runs on both controls.

#include <string>
#include <type_traits>
#include <vector>

#include "FormTestSupport.h"
#include "platform/framework/Edits.h"
#include "platform/framework/Memo.h"

namespace {

// A notification as the parent heard it, with the child's window text
// and whether a repaint of the child was still due at that moment.
struct THeard {
  WORD code = 0;
  std::string text;
  bool paintDue = false;
  bool operator==(const THeard&) const = default;
};

constexpr WORD kOnChange = 0;  // OnChange, noted among the notifications

template <class T>
class TextEngineTest : public HeadlessFormsTest {
 protected:
  static constexpr bool kMultiLine = std::is_same_v<T, TMemo>;

  void SetUp() override {
    HeadlessFormsTest::SetUp();
    form = ShownForm(400, 300);
    control = new T(form);
    control->SetBounds(10, 10, 300, 100);
    control->SetParent(form);
    control->SetFocus();
    HeadlessPumpUntilIdle();
    HWND child = control->Handle();
    control->OnChange = [this, child](TObject*) { heard.push_back({kOnChange, GetWindowText(child), false}); };
    saved = form->WindowProc;
    form->WindowProc = [this, child](TMessage& m) {
      if (m.Msg == WM_COMMAND && reinterpret_cast<HWND>(m.LParam) == child) {
        EXPECT_EQ(LOWORD(static_cast<std::uintptr_t>(m.WParam)), static_cast<WORD>(GetWindowLong(child, GWL_ID)));
        heard.push_back({HIWORD(static_cast<std::uintptr_t>(m.WParam)), GetWindowText(child),
                         GetUpdateRect(child, nullptr, false)});
      }
      saved(m);
    };
  }
  void TearDown() override {
    form->WindowProc = saved;
    HeadlessFormsTest::TearDown();
  }

  std::vector<WORD> Codes() {
    std::vector<WORD> codes;
    for (const THeard& h : heard) codes.push_back(h.code);
    heard.clear();
    return codes;
  }
  LRESULT GetSel(DWORD& start, DWORD& end) {
    return control->Perform(EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  }
  int Beeps() { return HeadlessRequests().beeps; }

  TForm* form = nullptr;
  T* control = nullptr;
  TWndMethod saved;
  std::vector<THeard> heard;
};

using TextControls = ::testing::Types<TEdit, TMemo>;
TYPED_TEST_SUITE(TextEngineTest, TextControls);

TYPED_TEST(TextEngineTest, TheParentHearsOfAChangeBeforeAndAfterItShowsThenOnChangeFollows) {
  HeadlessText("a");
  // EN_UPDATE: the text is in the window but not painted yet; EN_CHANGE:
  // painted; OnChange is the EN_CHANGE handed back to the control.
  EXPECT_EQ(this->heard, (std::vector<THeard>{{EN_UPDATE, "a", true}, {EN_CHANGE, "a", false}, {kOnChange, "a", false}}));
  this->heard.clear();

  // Replacing, undoing, deleting, cutting and pasting: each tells the same.
  auto replace = [this](const char* text) {
    this->control->Perform(EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(text));
  };
  replace("bc");
  this->control->Undo();
  HeadlessKeyPress(VK_BACK, "\b");
  replace("xyz");
  this->control->SelectAll();
  this->control->CutToClipboard();
  this->control->PasteFromClipboard();
  std::vector<WORD> once{EN_UPDATE, EN_CHANGE, kOnChange};
  std::vector<WORD> expected;
  for (int i = 0; i < 6; ++i) expected.insert(expected.end(), once.begin(), once.end());
  EXPECT_EQ(this->Codes(), expected);
  EXPECT_EQ(this->control->Text(), "xyz");

  // Moving the caret or selecting tells nobody.
  this->control->SetText("xyz");
  this->heard.clear();
  this->control->SelectAll();
  HeadlessKeyPress(VK_LEFT);
  EXPECT_TRUE(this->heard.empty());
}

TYPED_TEST(TextEngineTest, TextSetWholeIsAnnouncedBySingleLinesOnly) {
  this->control->SetText("set");
  if (TestFixture::kMultiLine)
    EXPECT_TRUE(this->heard.empty());
  else
    EXPECT_EQ(this->Codes(), (std::vector<WORD>{EN_UPDATE, EN_CHANGE, kOnChange}));
  // Text set whole ignores the limit, puts the caret first and forgets undo.
  this->control->SetMaxLength(2);
  SendMessage(this->control->Handle(), WM_SETTEXT, 0, reinterpret_cast<LPARAM>("longer"));
  EXPECT_EQ(this->control->Text(), "longer");
  EXPECT_EQ(this->control->SelStart(), 0);
  EXPECT_FALSE(this->control->CanUndo());
  EXPECT_FALSE(this->control->Modified());
}

TYPED_TEST(TextEngineTest, AnInsertionTheLimitCutsSendsMaxText) {
  this->control->SetMaxLength(3);
  int beeps = this->Beeps();
  HeadlessText("abcd");
  EXPECT_EQ(this->control->Text(), "abc");
  std::vector<WORD> codes = this->Codes();
  ASSERT_EQ(codes.size(), 10u);
  EXPECT_EQ(codes.back(), EN_MAXTEXT);  // the fourth changes nothing, so only that
  EXPECT_EQ(this->Beeps(), beeps + 1);

  SetClipboardText("xyz");
  this->control->Perform(EM_SETSEL, 1, 2);
  this->control->PasteFromClipboard();
  EXPECT_EQ(this->control->Text(), "axc");
  EXPECT_EQ(this->Codes(), (std::vector<WORD>{EN_MAXTEXT, EN_UPDATE, EN_CHANGE, kOnChange}));
  EXPECT_EQ(this->Beeps(), beeps + 2);

  this->control->SelectAll();
  this->control->SetSelText("12345");  // a program's replacement is cut too, without a beep
  EXPECT_EQ(this->control->Text(), "123");
  EXPECT_EQ(this->Codes(), (std::vector<WORD>{EN_MAXTEXT, EN_UPDATE, EN_CHANGE, kOnChange}));
  EXPECT_EQ(this->Beeps(), beeps + 2);
}

TYPED_TEST(TextEngineTest, GetSelPacksBothPositionsAndWritesTheFullOnes) {
  // Five characters a line, as both count "\r\n": 65,540 in all.
  std::string text;
  for (int i = 0; i < 13108; ++i) text += "abc\r\n";
  this->control->SetText(text);
  DWORD start = 0, end = 0;
  this->control->Perform(EM_SETSEL, 7, 2);
  EXPECT_EQ(this->GetSel(start, end), MAKELPARAM(2, 7));
  EXPECT_EQ(std::make_pair(start, end), std::make_pair(DWORD(2), DWORD(7)));
  EXPECT_EQ(this->control->Perform(EM_GETSEL, 0, 0), MAKELPARAM(2, 7));  // the pointers may be null
  // Past a word the result is -1; the pointers still get every bit.
  this->control->Perform(EM_SETSEL, 10, 65537);
  EXPECT_EQ(this->GetSel(start, end), -1);
  EXPECT_EQ(std::make_pair(start, end), std::make_pair(DWORD(10), DWORD(65537)));
  this->control->Perform(EM_SETSEL, 65536, static_cast<LPARAM>(-1));
  EXPECT_EQ(this->GetSel(start, end), -1);
  EXPECT_EQ(std::make_pair(start, end), std::make_pair(DWORD(65536), DWORD(65540)));
  EXPECT_EQ(this->control->SelLength(), 4);
}

TYPED_TEST(TextEngineTest, LimitTextZeroMeansTheLargestLimit) {
  const DWORD largest = TestFixture::kMultiLine ? 0xFFFFFFFF : 0x7FFFFFFE;
  auto limit = [this] { return static_cast<DWORD>(this->control->Perform(EM_GETLIMITTEXT, 0, 0)); };
  EXPECT_EQ(limit(), largest);  // from the start
  this->control->Perform(EM_LIMITTEXT, 5, 0);
  EXPECT_EQ(limit(), 5u);
  EXPECT_EQ(this->control->MaxLength(), 5);
  this->control->Perform(EM_LIMITTEXT, 0, 0);
  EXPECT_EQ(limit(), largest);
  EXPECT_EQ(this->control->MaxLength(), 0);
  // More than a single line may hold is as much as it may hold.
  this->control->Perform(EM_LIMITTEXT, 0x90000000u, 0);
  EXPECT_EQ(limit(), TestFixture::kMultiLine ? 0x90000000u : largest);
  this->control->SetMaxLength(-3);
  EXPECT_EQ(limit(), largest);
}

TYPED_TEST(TextEngineTest, AReplacementThatCannotBeUndoneEndsTheUndoBeforeIt) {
  HeadlessText("ab");
  EXPECT_TRUE(this->control->CanUndo());
  this->control->SelectAll();
  this->control->SetSelText("program");  // wParam FALSE
  EXPECT_FALSE(this->control->CanUndo());
  this->control->Undo();
  EXPECT_EQ(this->control->Text(), "program");  // not back to what was typed before
  this->control->SelectAll();
  this->control->Perform(EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>("!"));
  this->control->Undo();
  EXPECT_EQ(this->control->Text(), "program");
  this->control->Undo();  // undo of the undo
  EXPECT_EQ(this->control->Text(), "!");
  this->control->SetReadOnly(true);
  EXPECT_EQ(this->control->Perform(EM_UNDO, 0, 0), FALSE);
  EXPECT_EQ(this->control->Text(), "!");
}

// Several lines: a line break counts as two characters for the limit and
// the positions, and is a word boundary of its own.
class MultiLineEngineTest : public HeadlessFormsTest {};

TEST_F(MultiLineEngineTest, ALineBreakCountsAsTwoAndStandsBetweenWords) {
  TForm* form = ShownForm();
  auto* memo = new TMemo(form);
  memo->SetParent(form);
  memo->SetBounds(0, 0, 200, 100);
  memo->SetText("one\r\ntwo");
  memo->SetFocus();
  memo->SetMaxLength(12);
  memo->SetSelStart(3);
  SetClipboardText("\r\nx\r\n");
  memo->PasteFromClipboard();  // 8 + 3 = 11: the second break would make 13
  EXPECT_EQ(memo->Text(), "one\r\nx\r\ntwo");
  EXPECT_EQ(memo->SelStart(), 6);

  HeadlessKeyDown(VK_CONTROL);
  HeadlessKeyPress(VK_RIGHT);  // from x over the line break to the next line
  EXPECT_EQ(memo->SelStart(), 8);
  HeadlessKeyPress(VK_LEFT);  // back over the line break alone
  EXPECT_EQ(memo->SelStart(), 6);
  HeadlessKeyPress(VK_LEFT);
  EXPECT_EQ(memo->SelStart(), 5);
  HeadlessKeyUp(VK_CONTROL);

  memo->Perform(WM_LBUTTONDBLCLK, 0, MAKELPARAM(3, 2));
  EXPECT_EQ(memo->SelText(), "one");  // the word ends at its line break
}

}  // namespace
