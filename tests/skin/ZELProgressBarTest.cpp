// The recorder's progress bar: its percentage and bar length, its pixels
// in each orientation, its caption and its colours and picture from the
// built-in looks and from both kinds of theme file.

#include <gtest/gtest.h>

#include <climits>

#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Canvas.h"
#include "resources/Resources.h"
#include "skin/ZELFlavour.h"
#include "skin/ZELProgressBar.h"
#include "tests/platform/framework/FormTestSupport.h"
#include "tests/skin/SkinFixtures.h"
#include "tests/skin/ZelThemeFiles.h"

namespace {

constexpr TColor kDone = 0x0000C0, kRest = 0xC0C000, kBorder = 0x00A000, kText = 0xFFFFFF;

class ProgressBar : public HeadlessFormsTest {
 protected:
  void SetUp() override {
    HeadlessFormsTest::SetUp();
    RegisterSkinResources();
    form = ShownForm(400, 300);
    bar = new TzelProgressBar(form);
    bar->SetParent(form);
  }

  // A bar whose inside is exactly `inside` pixels along, so a position of
  // 0..inside of 0..inside is as many pixels, in plain colours.
  void Plain(int inside, TzelProgressBarOrientation orientation) {
    bar->SetOrientation(orientation);
    if (orientation == zelHorizontal) bar->SetBounds(10, 10, inside + 1, 12);
    else bar->SetBounds(10, 10, 12, inside + 1);
    bar->SetMax(inside);
    PlainColours();
    bar->SetShowCaption(false);
  }

  // Setting the orientation or the look brings the look's colours back.
  void PlainColours() {
    TBitmap done(1, 1);
    done.Canvas()->SetPixels(0, 0, kDone);
    TPicture picture;
    picture.SetGraphic(&done);
    bar->SetPicture(&picture);
    bar->SetColor(kRest);
    bar->SetBorderColor(kBorder);
  }

  TColor Pixel(int x, int y) {
    bar->Repaint();
    HeadlessPumpUntilIdle();
    return GetWindowDC(bar->Handle())->Pixels(x, y);
  }

  int CountOf(TColor color) {
    bar->Repaint();
    HeadlessPumpUntilIdle();
    int count = 0;
    for (int y = 0; y < bar->Height(); ++y)
      for (int x = 0; x < bar->Width(); ++x) count += GetWindowDC(bar->Handle())->Pixels(x, y) == color;
    return count;
  }

  // Pixels of the caption's smoothed text: none of the bar's own colours.
  bool IsText(int x, int y) {
    const TColor pixel = GetWindowDC(bar->Handle())->Pixels(x, y);
    return pixel != kDone && pixel != kRest && pixel != kBorder;
  }
  int TextPixels() {
    bar->Repaint();
    HeadlessPumpUntilIdle();
    int count = 0;
    for (int y = 0; y < bar->Height(); ++y)
      for (int x = 0; x < bar->Width(); ++x) count += IsText(x, y);
    return count;
  }

  TForm* form = nullptr;
  TzelProgressBar* bar = nullptr;
};

}  // namespace

TEST_F(ProgressBar, StartsHalfDoneInTheOwnersLookAndTakesNoChildren) {
  EXPECT_EQ(bar->Width(), 150);
  EXPECT_EQ(bar->Height(), 12);
  EXPECT_EQ(bar->Caption(), "50%");
  EXPECT_EQ(bar->Min(), 0);
  EXPECT_EQ(bar->Max(), 100);
  EXPECT_TRUE(bar->ShowCaption());
  EXPECT_FALSE(bar->SmartShowCaption());
  EXPECT_EQ(bar->UIStyle(), DeepBlue);
  EXPECT_EQ(bar->Color(), TColor(GetBuiltInThemeColor(DeepBlue, 26)));
  EXPECT_EQ(bar->BorderColor(), TColor(GetBuiltInThemeColor(DeepBlue, 25)));
  EXPECT_EQ(bar->ControlStyle() & csAcceptsControls, 0u);
  for (const char* name : {"Min", "Max", "Position", "Orientation", "ShowCaption", "SmartShowCaption", "CaptionColor",
                           "BorderColor", "FileTheme", "UIStyle"})
    EXPECT_TRUE(bar->HasProperty(name)) << name;
}

TEST_F(ProgressBar, CaptionIsThePercentageUnclamped) {
  bar->SetPosition(150);
  EXPECT_EQ(bar->Caption(), "150%");
  EXPECT_EQ(bar->BarLength(100), 100);
  bar->SetPosition(-20);
  EXPECT_EQ(bar->Caption(), "-20%");
  EXPECT_EQ(bar->BarLength(100), 0);
  bar->SetMin(10);
  bar->SetMax(20);
  bar->SetPosition(17);
  EXPECT_EQ(bar->Caption(), "70%");
  EXPECT_EQ(bar->BarLength(15), 10);  // 15 x 7 div 10
  bar->SetMin(0);
  bar->SetMax(0);
  bar->SetPosition(0);
  EXPECT_EQ(bar->Caption(), "0%");
  EXPECT_EQ(bar->BarLength(100), 0);
  bar->SetMax(-5);  // Min above Max: an empty bar, and no division by zero anywhere
  EXPECT_EQ(bar->BarLength(100), 0);
  // The widest range does not overflow.
  bar->SetMin(INT_MIN);
  bar->SetMax(INT_MAX);
  bar->SetPosition(INT_MAX);
  EXPECT_EQ(bar->Caption(), "100%");
  EXPECT_EQ(bar->BarLength(149), 149);
}

TEST_F(ProgressBar, HorizontalBarFillsFromTheLeftInsideItsBorder) {
  Plain(100, zelHorizontal);
  bar->SetPosition(30);
  EXPECT_EQ(Pixel(0, 5), kBorder);
  EXPECT_EQ(Pixel(100, 5), kBorder);
  EXPECT_EQ(Pixel(50, 0), kBorder);
  EXPECT_EQ(Pixel(50, 11), kBorder);
  EXPECT_EQ(Pixel(1, 1), kDone);
  EXPECT_EQ(Pixel(29, 10), kDone);
  EXPECT_EQ(Pixel(30, 5), kRest);
  EXPECT_EQ(Pixel(99, 5), kRest);

  bar->SetPosition(0);  // the first column inside the border stays the background
  EXPECT_EQ(Pixel(1, 5), kRest);
  EXPECT_EQ(CountOf(kDone), 0);
  bar->SetPosition(150);
  EXPECT_EQ(Pixel(99, 5), kDone);
  EXPECT_EQ(CountOf(kRest), 0);
}

TEST_F(ProgressBar, CaptionIsCentredAndSmartCaptionHidesOnlyAtMin) {
  Plain(100, zelHorizontal);
  bar->SetBounds(10, 10, 101, 24);
  bar->SetShowCaption(true);
  bar->SetCaptionColor(kText);
  bar->SetPosition(0);
  ASSERT_GT(TextPixels(), 0);
  int left = INT_MAX, right = -1, top = INT_MAX, bottom = -1;
  for (int x = 0; x < bar->Width(); ++x)
    for (int y = 0; y < bar->Height(); ++y)
      if (IsText(x, y)) left = std::min(left, x), right = std::max(right, x), top = std::min(top, y), bottom = std::max(bottom, y);
  EXPECT_LE(std::abs((left + right) / 2 - 50), 2) << "the caption is centred across";
  EXPECT_GT(top, 1);
  EXPECT_LT(bottom, 22);

  bar->SetSmartShowCaption(true);
  EXPECT_EQ(TextPixels(), 0);
  bar->SetPosition(1);
  EXPECT_GT(TextPixels(), 0);
  bar->SetShowCaption(false);
  EXPECT_EQ(TextPixels(), 0);
}

TEST_F(ProgressBar, VerticalBarFillsFromTheBottomAndDropsItsCaptionForGood) {
  Plain(100, zelVertical);
  bar->SetShowCaption(true);
  bar->SetCaptionColor(kText);
  bar->SetPosition(30);
  EXPECT_EQ(Pixel(5, 0), kBorder);
  EXPECT_EQ(Pixel(5, 100), kBorder);
  EXPECT_EQ(Pixel(5, 99), kDone);
  EXPECT_EQ(Pixel(5, 70), kDone);
  EXPECT_EQ(Pixel(5, 69), kRest);
  EXPECT_EQ(Pixel(5, 1), kRest);
  EXPECT_EQ(TextPixels(), 0);
  EXPECT_FALSE(bar->ShowCaption());

  bar->SetOrientation(zelHorizontal);
  bar->SetBounds(10, 10, 101, 24);
  PlainColours();
  EXPECT_FALSE(bar->ShowCaption());
  EXPECT_EQ(TextPixels(), 0);
}

TEST_F(ProgressBar, EachLookGivesItsPictureAndColoursTurnedForVerticalBars) {
  for (TzelUIStyle look : {MacOS, WinXP, DeepBlue, Protein, BlueGlass}) {
    SCOPED_TRACE(look);
    bar->SetOrientation(zelHorizontal);
    bar->SetUIStyle(look);
    TBitmap art;
    GetBuiltInThemeBitmap(look, 24, &art, 0, 0);
    ASSERT_NE(bar->Picture()->Graphic(), nullptr);
    EXPECT_EQ(bar->Picture()->Width(), art.Width());
    EXPECT_EQ(bar->Picture()->Height(), art.Height());
    EXPECT_EQ(bar->Color(), TColor(GetBuiltInThemeColor(look, 26)));
    EXPECT_EQ(bar->BorderColor(), TColor(GetBuiltInThemeColor(look, 25)));
    // The picture's top row lies along the left edge once turned.
    bar->SetOrientation(zelVertical);
    EXPECT_EQ(bar->Picture()->Width(), art.Height());
    EXPECT_EQ(bar->Picture()->Bitmap()->Canvas()->Pixels(0, art.Width() - 1), art.Canvas()->Pixels(0, 0));
  }
}

namespace {

// A picture two pixels high: red above, blue below, to see its way round.
TBytesVec TwoRowPicture() {
  TBitmap picture(3, 2);
  picture.Canvas()->Brush()->SetColor(clRed);
  picture.Canvas()->FillRect({0, 0, 3, 1});
  picture.Canvas()->Brush()->SetColor(clBlue);
  picture.Canvas()->FillRect({0, 1, 3, 2});
  return picture.SaveToBytes();
}

class ProgressBarThemes : public ProgressBar {
 protected:
  void TearDown() override {
    SetSkinFlavour(zelCurrentBuild);
    ProgressBar::TearDown();
  }
  TPrivateTempFolder temp;
};

}  // namespace

TEST_F(ProgressBarThemes, RecorderThemeFileGivesPictureAndColoursByElement) {
  SetSkinFlavour(zelOlderBuild);
  auto* theme = new TzelFileTheme(form);
  theme->SetThemeFile(temp.Write("bar.zel", BuildZelFile({themefile::BitmapItem("ProgressBarImage", TwoRowPicture()),
                                                          IntegerItem("ControlBorderColor", kBorder),
                                                          IntegerItem("ControlBackgroundColor", kRest)})));
  ASSERT_TRUE(theme->IsReady());
  bar->SetBounds(10, 10, 101, 21);
  bar->SetShowCaption(false);
  bar->SetFileTheme(theme);
  bar->SetUIStyle(FromThemeFile);
  EXPECT_EQ(bar->Color(), kRest);
  EXPECT_EQ(bar->BorderColor(), kBorder);
  EXPECT_EQ(Pixel(0, 0), kBorder);
  EXPECT_EQ(Pixel(10, 2), clRed);   // the picture stretched over the done part
  EXPECT_EQ(Pixel(10, 18), clBlue);
  EXPECT_EQ(Pixel(80, 10), kRest);

  // A theme without the picture leaves the bar the picture it had.
  auto* bare = new TzelFileTheme(form);
  bare->SetThemeFile(temp.Write("bare.zel", BuildZelFile({IntegerItem("ControlBackgroundColor", kRest)})));
  bar->SetFileTheme(bare);
  EXPECT_EQ(Pixel(10, 2), clRed);

  // The theme component going away brings the default look back.
  delete bare;
  EXPECT_EQ(bar->FileTheme(), nullptr);
  EXPECT_EQ(bar->UIStyle(), DeepBlue);
  EXPECT_EQ(bar->Color(), TColor(GetBuiltInThemeColor(DeepBlue, 26)));
}

TEST_F(ProgressBarThemes, EditorThemeFileGivesTheSameThroughItsItems) {
  auto* theme = new TzelFileTheme(form);
  theme->SetThemeFile(temp.Write("bar.zsk", BuildThemeFile({themefile::BitmapItem("SKIN2_PROGRESSBAR1", TwoRowPicture()),
                                                            IntegerItem("SKIN2_CONTROLBORDERCOLOR", kBorder),
                                                            IntegerItem("SKIN2_CONTROLCOLOR", kRest)})));
  ASSERT_TRUE(theme->IsReady());
  bar->SetBounds(10, 10, 101, 21);
  bar->SetShowCaption(false);
  bar->SetFileTheme(theme);
  bar->SetUIStyle(FromThemeFile);
  EXPECT_EQ(Pixel(0, 0), kBorder);
  EXPECT_EQ(Pixel(10, 2), clRed);
  EXPECT_EQ(Pixel(80, 10), kRest);
}
