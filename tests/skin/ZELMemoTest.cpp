#include <gtest/gtest.h>

#include "platform/gfx/Bitmap.h"
#include "resources/Resources.h"
#include "skin/ZELFlavour.h"
#include "skin/ZELImagePanel.h"
#include "skin/ZELMemo.h"
#include "skin/ZELEdit.h"
#include "tests/platform/framework/FormTestSupport.h"
#include "tests/skin/ZelThemeFiles.h"

namespace {

class Memos : public HeadlessFormsTest {
 protected:
  void SetUp() override {
    HeadlessFormsTest::SetUp();
    RegisterSkinResources();
    SetSkinFlavour(zelOlderBuild);
    form = ShownForm(400, 300);
    memo = new TzelMemo(form);
    memo->SetParent(form);
    memo->SetBounds(20, 20, 200, 120);
    horizontal = new TzelScrollBar(form);
    horizontal->SetParent(form);
    vertical = new TzelScrollBar(form);
    vertical->SetParent(form);
    HeadlessPumpUntilIdle();
  }
  void TearDown() override {
    SetSkinFlavour(zelCurrentBuild);
    HeadlessFormsTest::TearDown();
  }
  void FillLines(int count) {
    std::string text;
    for (int i = 0; i < count; ++i) text += "line " + std::to_string(i) + "\r\n";
    memo->SetText(text);
    HeadlessPumpUntilIdle();
  }

  TForm* form = nullptr;
  TzelMemo* memo = nullptr;
  TzelScrollBar* horizontal = nullptr;
  TzelScrollBar* vertical = nullptr;
};

}  // namespace

TEST_F(Memos, FramedInTheLooksBorderColour) {
  memo->SetColor(0x00E0F0F0);
  for (TzelUIStyle look : {WinXP, Protein}) {
    memo->SetUIStyle(look);
    memo->Repaint();
    HeadlessPumpUntilIdle();
    const TColor border = GetBuiltInThemeColor(look, 25);
    EXPECT_EQ(memo->BorderColor(), border);
    HDC dc = GetWindowDC(memo->Handle());
    EXPECT_EQ(dc->Pixels(0, 10), border);
    EXPECT_EQ(dc->Pixels(199, 119), border);
    EXPECT_EQ(dc->Pixels(1, 10), TColor(0x00E0F0F0));
  }
}

TEST_F(Memos, CompanionsLieOverTheEdgesAndReplaceTheNativeBars) {
  memo->SetVScrollBar(vertical);
  EXPECT_EQ(memo->ScrollBars(), ssVertical);
  memo->SetHScrollBar(horizontal);
  EXPECT_EQ(memo->ScrollBars(), ssBoth);
  EXPECT_EQ(vertical->Orientation(), zelVertical);
  EXPECT_EQ(horizontal->Orientation(), zelHorizontal);
  const int vw = vertical->Width(), hh = horizontal->Height();
  EXPECT_EQ(vertical->BoundsRect(), Rect(20 + 200 - vw - 2, 21, 20 + 200 - 2, 21 + 120 - hh - 2));
  EXPECT_EQ(horizontal->BoundsRect(), Rect(21, 20 + 120 - hh - 2, 21 + 200 - vw - 1, 20 + 120 - 2));

  memo->SetBounds(30, 30, 150, 100);
  EXPECT_EQ(vertical->Left(), 30 + 150 - vw - 2);
  EXPECT_EQ(horizontal->Top(), 30 + 100 - hh - 2);

  memo->SetUIStyle(MacOS);
  EXPECT_EQ(vertical->UIStyle(), MacOS);

  // Removing the vertical one at run time turns the native bar off too.
  memo->SetVScrollBar(nullptr);
  EXPECT_EQ(memo->ScrollBars(), ssHorizontal);
  delete horizontal;
  EXPECT_EQ(memo->HScrollBar(), nullptr);
  EXPECT_EQ(memo->ScrollBars(), ssNone);
}

TEST_F(Memos, ShortTextLeavesTheCompanionsIdle) {
  memo->SetVScrollBar(vertical);
  FillLines(1);
  EXPECT_FALSE(vertical->Enabled());
  EXPECT_EQ(vertical->LineButton(), 0);
  EXPECT_FALSE(vertical->Track()->Slider()->Visible());
}

TEST_F(Memos, TypingPastTheLastLineMovesTheCompanion) {
  memo->SetVScrollBar(vertical);
  FillLines(30);
  EXPECT_TRUE(vertical->Enabled());
  EXPECT_GT(vertical->Max(), 0);
  memo->SetFocus();
  HeadlessKeyPress(VK_END, "");
  HeadlessPumpUntilIdle();
  for (int i = 0; i < 40; ++i) HeadlessKeyPress(VK_RETURN, "\r");
  HeadlessPumpUntilIdle();
  SCROLLINFO info;
  info.fMask = SIF_ALL;
  GetScrollInfo(memo->Handle(), SB_VERT, &info);
  EXPECT_GT(info.nPos, 0);
  EXPECT_EQ(vertical->Position(), info.nPos);
}

TEST_F(Memos, MovingACompanionScrollsTheMemoWithoutAnEcho) {
  memo->SetVScrollBar(vertical);
  FillLines(60);
  vertical->SetPosition(12);
  HeadlessPumpUntilIdle();
  EXPECT_EQ(memo->Perform(EM_GETFIRSTVISIBLELINE, 0, 0), 12);
  EXPECT_EQ(vertical->Position(), 12);

  // And the other way: scrolling the memo moves the companion.
  memo->Perform(WM_VSCROLL, SB_LINEDOWN, 0);
  EXPECT_EQ(vertical->Position(), 13);
}

TEST_F(Memos, CompanionsOutliveTheMemoSafely) {
  memo->SetVScrollBar(vertical);
  FillLines(60);
  delete memo;
  vertical->SetPosition(5);  // no longer tied to anything
  EXPECT_EQ(vertical->Position(), 5);
}

// The recorder's theme files are keyed by element: both controls ask for
// the built-in element number of the border colour.
TEST_F(Memos, OlderThemeFilesGiveTheBorderColourByElement) {
  TPrivateTempFolder temp;
  auto* theme = new TzelFileTheme(form);
  theme->SetThemeFile(temp.Write("look.zel", BuildZelFile({IntegerItem("ControlBorderColor", 0x345678)})));
  ASSERT_TRUE(theme->Ready());
  auto* edit = new TzelEdit(form);
  edit->SetParent(form);
  memo->SetFileTheme(theme);
  memo->SetUIStyle(FromThemeFile);
  edit->SetFileTheme(theme);
  edit->SetUIStyle(FromThemeFile);
  EXPECT_EQ(memo->BorderColor(), TColor(0x345678));
  EXPECT_EQ(edit->BorderColor(), TColor(0x345678));
}
