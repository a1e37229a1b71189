#include <gtest/gtest.h>

#include "platform/gfx/Canvas.h"
#include "tests/skin/FormFrameTestSupport.h"
#include "tests/skin/SkinFixtures.h"

namespace {

constexpr TColor kKey = 0xFF00FF;
constexpr TColor kLeft = 0x000011, kCaption = 0x000022, kRight = 0x000033;
constexpr TColor kLeftBorder = 0x110000, kRightBorder = 0x220000, kBottom = 0x330000, kBottomEnd = 0x440000;
constexpr TColor kFormColor = 0x00AA00, kMenuStart = 0x0000C0, kMenuEnd = 0xC00000;
constexpr int kSkinLeft = 6, kSkinRight = 5, kSkinBottom = 7, kTitleHeight = 30;

// A picture of one colour with a 2 x 2 block of the key colour in the
// corners named.
TItem Picture(const std::string& name, int width, int height, TColor color, bool keyTopLeft, bool keyTopRight,
              bool keyBottomLeft, bool keyBottomRight) {
  TBitmap picture(width, height);
  TCanvas& canvas = *picture.Canvas();
  canvas.Brush()->SetColor(color);
  canvas.FillRect(Rect(0, 0, width, height));
  canvas.Brush()->SetColor(kKey);
  if (keyTopLeft) canvas.FillRect(Rect(0, 0, 2, 2));
  if (keyTopRight) canvas.FillRect(Rect(width - 2, 0, width, 2));
  if (keyBottomLeft) canvas.FillRect(Rect(0, height - 2, 2, height));
  if (keyBottomRight) canvas.FillRect(Rect(width - 2, height - 2, width, height));
  return themefile::BitmapItem(name, picture.SaveToBytes());
}

// The bottom border in three cells: key-coloured corners at both ends.
TItem BottomBorder() {
  TBitmap picture(30, kSkinBottom);
  TCanvas& canvas = *picture.Canvas();
  canvas.Brush()->SetColor(kBottomEnd);
  canvas.FillRect(Rect(0, 0, 30, kSkinBottom));
  canvas.Brush()->SetColor(kBottom);
  canvas.FillRect(Rect(10, 0, 20, kSkinBottom));
  canvas.Brush()->SetColor(kKey);
  canvas.FillRect(Rect(0, kSkinBottom - 2, 2, kSkinBottom));
  canvas.FillRect(Rect(28, kSkinBottom - 2, 30, kSkinBottom));
  return themefile::BitmapItem("SKIN2_FORMBOTTOMBORDER1", picture.SaveToBytes());
}

std::vector<TItem> ThemeItems() {
  TBitmap strip(12 * 18, 14);
  return {IntegerItem("SKIN2_TRANSCOLOR", kKey),
          IntegerItem("SKIN2_TITLEFONTCOLOR", 0xFFFFFF),
          IntegerItem("SKIN2_FORMCOLOR", kFormColor),
          IntegerItem("SKIN2_MENUBARSTARTCOLOR", kMenuStart),
          IntegerItem("SKIN2_MENUBARENDCOLOR", kMenuEnd),
          Picture("SKIN2_TITLEBAR1", 20, kTitleHeight, kLeft, true, false, false, false),
          Picture("SKIN2_TITLEBAR2", 10, kTitleHeight, kCaption, false, false, false, false),
          Picture("SKIN2_TITLEBAR3", 25, kTitleHeight, kRight, false, true, false, false),
          themefile::BitmapItem("SKIN2_TITLEBUTTONS", strip.SaveToBytes()),
          Picture("SKIN2_FORMLEFTBORDER", kSkinLeft, 10, kLeftBorder, false, false, false, false),
          Picture("SKIN2_FORMRIGHTBORDER", kSkinRight, 10, kRightBorder, false, false, false, false),
          BottomBorder(),
          FlagItem("SKIN2_TITLEBARNEEDREGION", true),
          IntegerItem("SKIN2_TITLEBARREGIONMINY", 0),
          IntegerItem("SKIN2_TITLEBARREGIONMAXY", 3),
          FlagItem("SKIN2_BOTTOMBORDERNEEDREGION", true),
          IntegerItem("SKIN2_BOTTOMREGIONMINY", 4),
          IntegerItem("SKIN2_BOTTOMREGIONMAXY", 6)};
}

class FormFrameThemeFileTest : public FormFrameTest {
 protected:
  void SetUp() override {
    FormFrameTest::SetUp();
    theme = new TzelFileTheme(form);
    theme->SetThemeFile(temp.Write("frame.zsk", BuildThemeFile(ThemeItems())));
    ASSERT_TRUE(theme->Ready());
    frame->SetFileTheme(theme);
    frame->SetUIStyle(FromThemeFile);
    HeadlessPumpUntilIdle();
  }

  // The corners the pictures' key colour cuts, at the window's size now.
  void ExpectCutCorners() {
    const int w = form->Width(), h = form->Height();
    const TRgn region = Region();
    EXPECT_EQ(region.BoundingBox(), Rect(0, 0, w, h));
    EXPECT_FALSE(region.Contains(0, 0));
    EXPECT_FALSE(region.Contains(1, 1));
    EXPECT_TRUE(region.Contains(2, 0));
    EXPECT_FALSE(region.Contains(w - 1, 0));
    EXPECT_TRUE(region.Contains(w - 3, 1));
    EXPECT_TRUE(region.Contains(0, 4));  // below the title's region rows
    EXPECT_TRUE(region.Contains(0, h - 3));  // above the bottom's key block
    EXPECT_FALSE(region.Contains(0, h - 1));
    EXPECT_FALSE(region.Contains(w - 1, h - 2));
    EXPECT_TRUE(region.Contains(w / 2, h - 1));
    EXPECT_FALSE(ShowsColor(kKey));
  }

  TPrivateTempFolder temp;
  TzelFileTheme* theme = nullptr;
};

}  // namespace

TEST_F(FormFrameThemeFileTest, TheBorderPicturesSizeAndPaintTheFrame) {
  const int w = form->Width(), h = form->Height();
  EXPECT_EQ(frame->Color(), kFormColor);
  EXPECT_EQ(frame->MenuBarColor(), kMenuStart);
  EXPECT_EQ(frame->MenuBarToColor(), kMenuEnd);
  // The border pictures' widths (and the bottom one's height) are the border.
  EXPECT_EQ(ClientInWindow(), Rect(kSkinLeft, 3, w - kSkinRight, h - kSkinBottom));
  EXPECT_EQ(frame->TitleBar()->BoundsRect(), Rect(0, 0, frame->Width(), kTitleHeight - 3));
  EXPECT_EQ(form->Constraints()->MinHeight(), kTitleHeight - 3 + kSkinBottom + 3);

  // The title pictures run on over the border beside the bar.
  EXPECT_EQ(Shown(3, 15), kLeft);
  EXPECT_EQ(Shown(w / 2, 1), kCaption);
  EXPECT_EQ(Shown(w - 2, 15), kRight);
  // Below the title the side pictures, stretched; along the bottom the
  // three cells of the bottom picture laid on the form colour.
  EXPECT_EQ(Shown(2, kTitleHeight + 5), kLeftBorder);
  EXPECT_EQ(Shown(w - 1, h - kSkinBottom - 1), kRightBorder);
  EXPECT_EQ(Shown(w / 2, h - 1), kBottom);
  EXPECT_EQ(Shown(3, h - 1), kBottomEnd);
  EXPECT_EQ(Shown(w - 3, h - 3), kBottomEnd);
  ExpectCutCorners();
}

TEST_F(FormFrameThemeFileTest, MaximizeAndRestoreKeepTheRegionTrueToTheSize) {
  form->SetWindowState(wsMaximized);
  HeadlessPumpUntilIdle();
  EXPECT_EQ(form->BoundsRect(), Rect(-2, -2, 1026, 739));
  ExpectCutCorners();
  form->SetWindowState(wsNormal);
  HeadlessPumpUntilIdle();
  EXPECT_EQ(form->BoundsRect(), Rect(100, 100, 500, 360));
  ExpectCutCorners();
  // A user's resize too.
  form->SetBounds(100, 100, 333, 222);
  HeadlessPumpUntilIdle();
  ExpectCutCorners();
}

TEST_F(FormFrameThemeFileTest, RemovingTheThemeFallsBackToDeepBlue) {
  delete theme;
  HeadlessPumpUntilIdle();
  EXPECT_EQ(frame->FileTheme(), nullptr);
  EXPECT_EQ(frame->UIStyle(), DeepBlue);
  EXPECT_EQ(frame->Color(), TColor(GetBuiltInThemeColor(DeepBlue, 15)));
  EXPECT_EQ(ClientInWindow().Left, 3);
  EXPECT_TRUE(Region().Contains(0, form->Height() - 1));
}

TEST_F(FormFrameThemeFileTest, TheBorderAboveFollowsACaptionSectionAsTheCaptionGrows) {
  constexpr TColor kClient = 0x000044, kEnd = 0x000055;
  std::vector<TItem> items = ThemeItems();
  items.push_back(FlagItem("SKIN2_TITLEFIVESECT", true));
  items.push_back(Picture("SKIN2_TITLEBAR4", 8, kTitleHeight, kClient, false, false, false, false));
  items.push_back(Picture("SKIN2_TITLEBAR5", 15, kTitleHeight, kEnd, false, true, false, false));
  auto* five = new TzelFileTheme(form);
  five->SetThemeFile(temp.Write("five.zsk", BuildThemeFile(items)));
  ASSERT_TRUE(five->Ready());
  frame->SetFileTheme(five);
  frame->TitleBar()->SetCaption("A");
  // The stretched client section lies right of the short caption's section.
  EXPECT_EQ(Shown(200, 1), kClient);
  // Only the title bar repaints for a new caption; the border above it follows.
  frame->TitleBar()->SetCaption(std::string(40, 'W'));
  EXPECT_EQ(Shown(200, 1), kCaption);
}
