#include <gtest/gtest.h>

#include "platform/win/Headless.h"
#include "resources/Resources.h"
#include "skin/ZELComboBox.h"
#include "skin/ZELPublic.h"
#include "skin/ZELResources.h"
#include "tests/platform/framework/FormTestSupport.h"
#include "tests/skin/SkinFixtures.h"

namespace {

class SkinnedComboBox : public HeadlessFormsTest {
 protected:
  void SetUp() override {
    HeadlessFormsTest::SetUp();
    RegisterSkinResources();
    form = ShownForm(400, 300);
    combo = new TzelComboBox(form);
    combo->SetParent(form);
    combo->SetBounds(10, 10, 150, 22);
    combo->Items()->Add("One");
    combo->Items()->Add("Two");
    HeadlessPumpUntilIdle();
  }
  TColor Pixel(int x, int y) {
    combo->Invalidate();
    HeadlessPumpUntilIdle();
    return GetWindowDC(combo->Handle())->Pixels(x, y);
  }
  // In client coordinates, where the button lies.
  TColor ClientPixel(int x, int y) {
    combo->Invalidate();
    HeadlessPumpUntilIdle();
    HDC dc = GetDC(combo->Handle());
    const TColor color = dc->Pixels(x, y);
    ReleaseDC(combo->Handle(), dc);
    return color;
  }
  TRect Button() {
    COMBOBOXINFO info;
    EXPECT_TRUE(GetComboBoxInfo(combo->Handle(), &info));
    return info.rcButton;
  }
  TForm* form = nullptr;
  TzelComboBox* combo = nullptr;
};

}  // namespace

TEST_F(SkinnedComboBox, FrameButtonAndArrowInPaintedLooks) {
  for (TzelUIStyle look : {DeepBlue, Protein}) {
    combo->SetUIStyle(look);
    const TColor border = GetBuiltInThemeColor(look, 25);
    EXPECT_EQ(combo->ButtonColor(), TColor(GetBuiltInThemeColor(look, 15)));
    EXPECT_EQ(combo->ArrowColor(), clBlack);
    const TRect b = Button();
    EXPECT_EQ(Pixel(0, 0), border) << int(look);
    EXPECT_EQ(Pixel(1, 1), ColorToRGB(combo->Color())) << int(look);
    EXPECT_EQ(ClientPixel(b.Left, b.Top + 5), border) << int(look);          // the line left of the button
    EXPECT_EQ(ClientPixel(b.Left + 2, b.Top + 3), combo->ButtonColor()) << int(look);
    const int x = b.Left + b.Width() / 2 - 3, y = b.Height() / 2;
    EXPECT_EQ(ClientPixel(x + 3, y + 1), clBlack) << int(look);
  }
}

TEST_F(SkinnedComboBox, DisabledArrowIsGreyOverWhite) {
  combo->SetUIStyle(DeepBlue);
  combo->SetEnabled(false);
  const TRect b = Button();
  const int x = b.Left + b.Width() / 2 - 3, y = b.Height() / 2;
  EXPECT_EQ(ClientPixel(x + 3, y + 1), TColor(0x808080));
  EXPECT_EQ(ClientPixel(x + 4, y + 4), clWhite);
}

TEST_F(SkinnedComboBox, ResourceLooksStretchTheirButtonAndOnlyOneDrawsNoArrow) {
  for (TzelUIStyle look : {WinXP, MacOS}) {
    combo->SetUIStyle(look);
    TBitmap face;
    LoadBitmapResource(look == WinXP ? "WINXP_COMBOBOX_BUTTON" : "MACOS_COMBOBOX_BUTTON", face);
    ASSERT_FALSE(face.Empty());
    TBitmap expected(Button().Width(), Button().Height());
    expected.Canvas()->StretchDraw({0, 0, expected.Width(), expected.Height()}, &face);
    const TRect b = Button();
    const int x = b.Left + b.Width() / 2 - 3, y = b.Height() / 2;
    const TColor arrowPixel = ClientPixel(x + 3, y + 1);
    if (look == WinXP)
      EXPECT_EQ(arrowPixel, expected.Canvas()->Pixels(x + 3 - b.Left, y + 1 - b.Top));
    else
      EXPECT_EQ(arrowPixel, clBlack);
    EXPECT_EQ(ClientPixel(b.Left + 1, b.Top + 1), expected.Canvas()->Pixels(1, 1)) << int(look);
  }
}

TEST_F(SkinnedComboBox, SimpleComboBoxKeepsTheNativeLook) {
  auto* plain = new TComboBox(form);
  auto* simple = new TzelComboBox(form);
  for (TComboBox* c : {plain, static_cast<TComboBox*>(simple)}) {
    c->SetStyle(csSimple);
    c->SetParent(form);
    c->SetBounds(10, 50, 120, 80);
    c->Items()->Add("One");
  }
  simple->SetBorderColor(0x0000FF);
  plain->Hide();
  HeadlessPumpUntilIdle();
  const TColor simplePixel = GetWindowDC(simple->Handle())->Pixels(0, 0);
  simple->Hide();
  plain->Show();
  HeadlessPumpUntilIdle();
  EXPECT_NE(simplePixel, TColor(0x0000FF));
  EXPECT_EQ(simplePixel, GetWindowDC(plain->Handle())->Pixels(0, 0));
}

TEST_F(SkinnedComboBox, DroppedListIsFramedAndClosingRepaintsTheParent) {
  combo->SetUIStyle(DeepBlue);
  combo->SetDroppedDown(true);
  HeadlessPumpUntilIdle();
  combo->Invalidate();
  HeadlessPumpUntilIdle();
  COMBOBOXINFO info;
  ASSERT_TRUE(GetComboBoxInfo(combo->Handle(), &info));
  ASSERT_TRUE(info.hwndList);
  EXPECT_EQ(GetWindowDC(info.hwndList)->Pixels(0, 0), combo->BorderColor());
  combo->SetDroppedDown(false);
  HeadlessPumpUntilIdle();
  EXPECT_FALSE(combo->DroppedDown());
}

TEST_F(SkinnedComboBox, ThemeFileColoursAndRemoval) {
  TPrivateTempFolder temp;
  auto* theme = new TzelFileTheme(form);
  theme->SetThemeFile(temp.Write("look.zsk", BuildThemeFile({IntegerItem("SKIN2_CONTROLBORDERCOLOR", 0x123456),
                                                             IntegerItem("SKIN2_CONTROLCOLOR", 0x224466)})));
  ASSERT_TRUE(theme->Ready());
  combo->SetFileTheme(theme);
  combo->SetUIStyle(FromThemeFile);
  EXPECT_EQ(combo->BorderColor(), TColor(0x123456));
  EXPECT_EQ(combo->ButtonColor(), TColor(0x224466));
  EXPECT_EQ(Pixel(0, 0), TColor(0x123456));
  delete theme;
  EXPECT_EQ(combo->UIStyle(), DeepBlue);
  EXPECT_EQ(combo->FileTheme(), nullptr);
}
