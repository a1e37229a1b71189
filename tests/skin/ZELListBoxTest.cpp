#include <gtest/gtest.h>

#include "platform/win/Headless.h"
#include "resources/Resources.h"
#include "skin/ZELListBox.h"
#include "skin/ZELPublic.h"
#include "tests/platform/framework/FormTestSupport.h"
#include "tests/skin/SkinFixtures.h"

namespace {

class SkinnedListBox : public HeadlessFormsTest {
 protected:
  void SetUp() override {
    HeadlessFormsTest::SetUp();
    RegisterSkinResources();
    form = ShownForm(400, 300);
    list = new TzelListBox(form);
    list->SetParent(form);
    list->SetBounds(10, 10, 150, 100);
    list->SetItemHeight(16);
  }
  TzelScrollBar* Companion() {
    auto* bar = new TzelScrollBar(form);
    bar->SetParent(form);
    bar->SetBounds(0, 0, 16, 50);
    list->SetVScrollBar(bar);
    return bar;
  }
  void Fill(int count) {
    for (int i = 0; i < count; ++i) list->Items()->Add("Item " + std::to_string(i));
  }
  TColor Pixel(int x, int y) {
    list->Invalidate();
    HeadlessPumpUntilIdle();
    return GetWindowDC(list->Handle())->Pixels(x, y);
  }
  TForm* form = nullptr;
  TzelListBox* list = nullptr;
};

}  // namespace

TEST_F(SkinnedListBox, FrameIsBorderColourAroundTheWindowColourInEachLook) {
  for (TzelUIStyle look : {DeepBlue, MacOS}) {
    list->SetUIStyle(look);
    const TColor border = GetBuiltInThemeColor(look, 25);
    EXPECT_EQ(list->BorderColor(), border);
    EXPECT_EQ(Pixel(0, 0), border) << int(look);
    EXPECT_EQ(Pixel(149, 99), border) << int(look);
    EXPECT_EQ(Pixel(1, 50), ColorToRGB(list->Color())) << int(look);
  }
}

TEST_F(SkinnedListBox, SelectedItemsUseTheirOwnColoursAndDisabledTextWins) {
  Fill(3);
  list->SetSelectedColor(0x0000FF);
  list->SetSelectedTextColor(0x00FF00);
  list->SetItemIndex(1);
  EXPECT_EQ(Pixel(140, 2 + 16 + 1), TColor(0x0000FF));  // right end of the selected row
  bool green = false;
  for (int x = 2; x < 60; ++x)
    for (int y = 18; y < 34; ++y) green = green || Pixel(x, y) == TColor(0x00FF00);
  EXPECT_TRUE(green);

  list->SetDisabledTextColor(0xFF0000);
  list->SetEnabled(false);
  HeadlessPumpUntilIdle();
  bool disabledText = false, selectedText = false;
  for (int x = 2; x < 60; ++x)
    for (int y = 18; y < 34; ++y) {
      disabledText = disabledText || Pixel(x, y) == TColor(0xFF0000);
      selectedText = selectedText || Pixel(x, y) == TColor(0x00FF00);
    }
  EXPECT_TRUE(disabledText);
  EXPECT_FALSE(selectedText);
}

TEST_F(SkinnedListBox, OwnDrawingTakesOverAndMeasuringIsCapped) {
  Fill(2);
  int drawn = 0;
  list->OnDrawItem = [&](TWinControl*, int, const TRect& r, TOwnerDrawState) {
    ++drawn;
    list->Canvas()->FillRect(r);
  };
  Pixel(5, 5);
  EXPECT_GT(drawn, 0);

  list->OnDrawItem = nullptr;
  list->Font()->SetHeight(-400);
  int height = 0;
  MEASUREITEMSTRUCT mis;
  mis.itemID = 0;
  list->Perform(CN_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&mis));
  height = static_cast<int>(mis.itemHeight);
  EXPECT_EQ(height, 255);
}

TEST_F(SkinnedListBox, CompanionAppearsWithTheNativeBarAndSitsOverTheRightEdge) {
  TzelScrollBar* bar = Companion();
  Fill(3);
  EXPECT_FALSE(bar->Visible());
  Fill(10);
  HeadlessPumpUntilIdle();
  ASSERT_TRUE(bar->Visible());
  SCROLLBARINFO info;
  ASSERT_TRUE(GetScrollBarInfo(list->Handle(), OBJID_VSCROLL, &info));
  EXPECT_EQ(bar->LineButton(), info.xyThumbBottom - info.xyThumbTop);
  EXPECT_EQ(bar->BoundsRect(), Rect(142, 11, 158, 109));
  SCROLLINFO range;
  range.fMask = SIF_ALL;
  GetScrollInfo(list->Handle(), SB_VERT, &range);
  EXPECT_EQ(bar->Max(), range.nMax - static_cast<int>(range.nPage) + 1);

  list->SetBounds(20, 30, 120, 80);
  EXPECT_EQ(bar->BoundsRect(), Rect(122, 31, 138, 109));
  list->SetVisible(false);
  EXPECT_FALSE(bar->Visible());
}

TEST_F(SkinnedListBox, CompanionAndListScrollTogetherWithoutEcho) {
  TzelScrollBar* bar = Companion();
  Fill(40);
  HeadlessPumpUntilIdle();
  int echoes = 0;
  TWndMethod previous = list->WindowProc;
  list->WindowProc = [&](TMessage& m) {
    if (m.Msg == WM_VSCROLL && LOWORD(m.WParam) == SB_THUMBPOSITION) ++echoes;
    previous(m);
  };
  bar->SetPosition(7);
  EXPECT_EQ(echoes, 1);
  echoes = 0;
  EXPECT_EQ(list->TopIndex(), 7);

  list->Perform(WM_MOUSEWHEEL, MAKELPARAM(0, -120), 0);
  EXPECT_EQ(bar->Position(), list->TopIndex());
  EXPECT_EQ(echoes, 0);
  list->Perform(WM_KEYDOWN, VK_END, 0);
  EXPECT_EQ(bar->Position(), list->TopIndex());

  list->SetEnabled(false);
  EXPECT_FALSE(bar->Enabled());
  list->WindowProc = previous;
}

TEST_F(SkinnedListBox, LettingGoOfTheCompanionGivesItBack) {
  TzelScrollBar* bar = Companion();
  Fill(40);
  HeadlessPumpUntilIdle();
  list->SetVScrollBar(nullptr);
  EXPECT_FALSE(bar->OnChange);
  EXPECT_EQ(bar->Max(), 100);
  EXPECT_EQ(bar->LineButton(), 0);
  TzelScrollBar* other = Companion();
  delete other;
  EXPECT_EQ(list->VScrollBar(), nullptr);
  Fill(1);  // no companion left to touch
}

TEST_F(SkinnedListBox, ThemeFileGivesTheBorderAndItsRemovalFallsBack) {
  TPrivateTempFolder temp;
  auto* theme = new TzelFileTheme(form);
  theme->SetThemeFile(temp.Write("look.zsk", BuildThemeFile({IntegerItem("SKIN2_CONTROLBORDERCOLOR", 0x123456)})));
  ASSERT_TRUE(theme->Ready());
  TzelScrollBar* bar = Companion();
  list->SetFileTheme(theme);
  list->SetUIStyle(FromThemeFile);
  EXPECT_EQ(list->BorderColor(), TColor(0x123456));
  EXPECT_EQ(Pixel(0, 0), TColor(0x123456));
  EXPECT_EQ(bar->FileTheme(), theme);
  delete theme;
  EXPECT_EQ(list->UIStyle(), DeepBlue);
  EXPECT_EQ(list->BorderColor(), TColor(GetBuiltInThemeColor(DeepBlue, 25)));
}
