#include <gtest/gtest.h>

#include "skin/ZELFlavour.h"
#include "tests/skin/SkinFixtures.h"
#include "tests/skin/TitleBarTestSupport.h"

namespace {

constexpr TColor kLeft = 0x000011, kCaption = 0x000022, kRight = 0x000033, kClient = 0x000044, kEnd = 0x000055;
constexpr TColor kFormColor = 0x00AA00;
constexpr int kFrameWidth = 12, kFrameHeight = 14;

TItem SolidItem(const std::string& name, int width, int height, TColor color) {
  return BitmapItem(name, width, height, color);
}

// Frame n (1..18) of the button strip is filled with colour 0x100000 * n.
TColor FrameColor(int frame) { return 0x010000 * (frame * 8); }

TItem ButtonStrip() {
  TBitmap strip(kFrameWidth * 18, kFrameHeight);
  for (int i = 0; i < 18; ++i) {
    strip.Canvas()->Brush()->SetColor(FrameColor(i + 1));
    strip.Canvas()->FillRect(Bounds(i * kFrameWidth, 0, kFrameWidth, kFrameHeight));
  }
  return themefile::BitmapItem("SKIN2_TITLEBUTTONS", strip.SaveToBytes());
}

std::vector<TItem> ThemeItems(bool fiveSections) {
  return {IntegerItem("SKIN2_TRANSCOLOR", 0xFF00FF),
          IntegerItem("SKIN2_TITLEFONTCOLOR", 0x123456),
          IntegerItem("SKIN2_FORMCOLOR", kFormColor),
          SolidItem("SKIN2_TITLEBAR1", 20, 30, kLeft),
          SolidItem("SKIN2_TITLEBAR2", 10, 30, kCaption),
          SolidItem("SKIN2_TITLEBAR3", 25, 30, kRight),
          SolidItem("SKIN2_TITLEBAR4", 8, 30, kClient),
          SolidItem("SKIN2_TITLEBAR5", 15, 30, kEnd),
          ButtonStrip(),
          IntegerItem("SKIN2_TITLEBARICONPOSX", 7),
          IntegerItem("SKIN2_TITLEBARICONPOSY", 4),
          IntegerItem("SKIN2_TITLEBARCAPTIONTOP", 9),
          IntegerItem("SKIN2_TITLEBARBUTTONPOSX", 5),
          IntegerItem("SKIN2_TITLEBARBUTTONPOSY", 6),
          FlagItem("SKIN2_TITLEFIVESECT", fiveSections),
          FlagItem("SKIN2_TITLEBTNTRANS", true)};
}

class TitleBarThemeFile : public TitleBarTest {
 protected:
  TzelFileTheme* LoadTheme(bool fiveSections) {
    auto* theme = new TzelFileTheme(form);
    theme->SetThemeFile(temp.Write(fiveSections ? "five.zsk" : "three.zsk", BuildThemeFile(ThemeItems(fiveSections))));
    EXPECT_TRUE(theme->Ready());
    bar->SetFileTheme(theme);
    bar->SetUIStyle(FromThemeFile);
    return theme;
  }
  TPrivateTempFolder temp;
};

}  // namespace

TEST_F(TitleBarThemeFile, ThreeSectionsButtonsAndOffsetsComeFromTheFile) {
  LoadTheme(false);
  ASSERT_EQ(bar->Sections()->Count(), 3);
  EXPECT_EQ(bar->Sections()->Items(1)->Align(), zelClient);
  EXPECT_EQ(bar->Sections()->Items(2)->Align(), zelRight);
  EXPECT_EQ(bar->Height(), 30);
  EXPECT_EQ(bar->LeftBtnXOffset(), 7);
  EXPECT_EQ(bar->RightBtnXOffset(), 5);
  EXPECT_EQ(bar->Font()->Color(), TColor(0x123456));
  EXPECT_EQ(bar->TransparentColor(), TColor(0xFF00FF));
  EXPECT_EQ(bar->FormColor(), kFormColor);
  // Width of the first section + max(third section, buttons + right offset).
  EXPECT_EQ(form->Constraints()->MinWidth(), 20 + (12 * 4 + 5));

  const int w = bar->Width();
  EXPECT_EQ(Pixel(5, 25), kLeft);
  EXPECT_EQ(Pixel(200, 25), kCaption);
  EXPECT_EQ(Pixel(w - 3, 25), kRight);
  // The close button: c = w - right offset - 1 - frame width, at the file's top.
  TzelTitleBarButton* close = bar->Buttons()->Items(1);
  EXPECT_TRUE(close->Transparent());
  EXPECT_EQ(close->Top(), 6);
  EXPECT_EQ(bar->ButtonRect(1), Bounds(w - 5 - 1 - kFrameWidth, 6, kFrameWidth, kFrameHeight));
  HeadlessMouseMove(bar->ClientToScreen({150, 25}));
  EXPECT_EQ(Pixel(w - 5 - 1 - kFrameWidth + 2, 8), FrameColor(16));
  HeadlessMouseMove(ScreenCentre(bar->ButtonRect(1)));
  EXPECT_EQ(Pixel(w - 5 - 1 - kFrameWidth + 2, 8), FrameColor(17));
  EXPECT_EQ(Pixel(bar->ButtonRect(2).Left + 2, 8), FrameColor(7));

  // The title images hold the sections as they lie across the top.
  ASSERT_EQ(bar->TitleImage()->Width(), w);
  EXPECT_EQ(bar->TitleImage()->Canvas()->Pixels(5, 5), kLeft);
  EXPECT_EQ(bar->ComposedTitleImage()->Canvas()->Pixels(w - 3, 5), kRight);
  EXPECT_TRUE(bar->HasFullSectionSet());
}

TEST_F(TitleBarThemeFile, FiveSectionsFitTheCaptionIntoItsSection) {
  LoadTheme(true);
  ASSERT_EQ(bar->Sections()->Count(), 5);
  EXPECT_TRUE(bar->Sections()->Items(1)->CapSec());
  EXPECT_EQ(bar->Sections()->Items(2)->Align(), zelLeft);
  EXPECT_EQ(bar->Sections()->Items(3)->Align(), zelClient);
  EXPECT_EQ(bar->Sections()->Items(4)->Align(), zelRight);
  EXPECT_EQ(form->Constraints()->MinWidth(), 20 + 25 + (12 * 4 + 5) + 16);

  bar->SetCaption("Title");
  Pixel(0, 0);
  EXPECT_EQ(bar->DisplayCaption(), "Title");
  // The caption section spans the text plus the left offset, less the
  // width of the left section, plus 17; then the third section follows.
  TBitmap measure(1, 1);
  measure.Canvas()->Font()->Assign(*bar->Font());
  const int captionWidth = measure.Canvas()->TextWidth("Title") + 7 - 20 + 17;
  EXPECT_EQ(Pixel(20 + captionWidth - 1, 27), kCaption);
  EXPECT_EQ(Pixel(20 + captionWidth + 1, 27), kRight);
  EXPECT_EQ(Pixel(20 + captionWidth + 25 + 3, 27), kClient);
  EXPECT_EQ(Pixel(bar->Width() - 2, 27), kEnd);

  // A caption far too long is cut to the room left of the buttons.
  bar->SetCaption(std::string(300, 'M'));
  Pixel(0, 0);
  EXPECT_EQ(bar->DisplayCaption().substr(bar->DisplayCaption().size() - 3), "...");
  EXPECT_LT(bar->DisplayCaption().size(), 300u);
}

TEST_F(TitleBarThemeFile, AssigningTheThemeKeepsTheFontColourAndRemovalFallsBackToDeepBlue) {
  TzelFileTheme* theme = LoadTheme(false);
  bar->Font()->SetColor(0x00FF00);
  bar->SetFileTheme(theme);
  EXPECT_EQ(bar->Font()->Color(), TColor(0x00FF00));
  delete theme;
  EXPECT_EQ(bar->FileTheme(), nullptr);
  EXPECT_EQ(bar->UIStyle(), DeepBlue);
  EXPECT_EQ(bar->Height(), 32);
  EXPECT_EQ(bar->Font()->Color(), TColor(0xFFFFFF));
}

TEST_F(TitleBarThemeFile, ThemeWithoutTitleItemsLeavesAnEmptyBar) {
  auto* theme = new TzelFileTheme(form);
  theme->SetThemeFile(temp.Write("empty.zsk", BuildThemeFile({IntegerItem("SKIN2_FORMCOLOR", kFormColor)})));
  ASSERT_TRUE(theme->Ready());
  const int height = bar->Height();
  bar->SetFileTheme(theme);
  bar->SetUIStyle(FromThemeFile);
  EXPECT_EQ(bar->Height(), height);
  EXPECT_FALSE(bar->Buttons()->Items(1)->HasAllPictures());
  EXPECT_EQ(bar->ButtonAt({bar->Width() - 5, 8}), -1);
  bar->SetCaption("Still drawn");
  Pixel(0, 0);
}
