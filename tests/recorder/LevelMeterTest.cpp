#include <vector>

#include "HeadlessWindows.h"
#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Canvas.h"
#include "platform/gfx/Color.h"
#include "recorder/MyAmpBar.h"

namespace {

TEST(LevelMeterGradient, RunsFromLowToHalfWayWithRoundingToEven) {
  // Red: 0 + 10 * 0.5 / 2 * 1 = 2.5 gives 2; green: 0 + 14 * 0.5 / 2 = 3.5 gives 4.
  std::vector<TColor> g = AmpBarGradient(RGB(0, 0, 100), RGB(10, 14, 200), 2, false);
  ASSERT_EQ(g.size(), 2u);
  EXPECT_EQ(g[0], RGB(0, 0, 100));
  EXPECT_EQ(g[1], RGB(2, 4, 125));

  std::vector<TColor> wide = AmpBarGradient(RGB(0, 0, 0), RGB(200, 0, 0), 4, false);
  EXPECT_EQ(wide, (std::vector<TColor>{RGB(0, 0, 0), RGB(25, 0, 0), RGB(50, 0, 0), RGB(75, 0, 0)}));
}

TEST(LevelMeterGradient, VerticalGivesTheBottomRowTheFirstEntry) {
  std::vector<TColor> g = AmpBarGradient(RGB(0, 0, 0), RGB(200, 0, 0), 4, true);
  EXPECT_EQ(g, (std::vector<TColor>{RGB(75, 0, 0), RGB(50, 0, 0), RGB(25, 0, 0), RGB(0, 0, 0)}));
}

TEST(LevelMeterGradient, FallingColoursAndAnEmptyLength) {
  std::vector<TColor> g = AmpBarGradient(RGB(200, 200, 200), RGB(0, 0, 0), 4, false);
  EXPECT_EQ(g[3], RGB(125, 125, 125));
  EXPECT_TRUE(AmpBarGradient(0, 0xFFFFFF, 0, true).empty());
  EXPECT_TRUE(AmpBarGradient(0, 0xFFFFFF, -3, true).empty());
}

TEST(LevelMeterSmoothing, AConstantLevelShowsOneLessAfterFiveTicks) {
  TAmpBarSmoothing s;
  s.Accept(50);
  EXPECT_EQ(s.Tick(), 50 / 5 - 1);
  EXPECT_EQ(s.Tick(), 100 / 5 - 1);
  s.Tick();
  s.Tick();
  EXPECT_EQ(s.Tick(), 49);
  EXPECT_EQ(s.Tick(), 49);
  s.Accept(0);
  for (int i = 0; i < 5; ++i) s.Tick();
  EXPECT_EQ(s.Shown(), -1);
}

TEST(LevelMeterSmoothing, HugeLevelsDoNotOverflowTheSum) {
  TAmpBarSmoothing s;
  s.Accept(2'000'000'000);
  for (int i = 0; i < 5; ++i) s.Tick();
  EXPECT_EQ(s.Shown(), 1'999'999'999);
}

class LevelMeterPaint : public ::testing::Test {
 protected:
  static constexpr TColor kFrame = RGB(128, 128, 128);
  static constexpr TColor kBack = RGB(48, 60, 58);

  TBitmap bitmap{1, 1};
  std::vector<TColor> gradient;

  void Paint(int w, int h, bool vertical, int level, int maxValue = 100) {
    bitmap.SetSize(w, h);
    bitmap.Canvas()->Brush()->SetColor(RGB(1, 2, 3));
    bitmap.Canvas()->FillRect(Rect(0, 0, w, h));
    gradient = AmpBarGradient(RGB(0, 0, 0), RGB(200, 100, 0), vertical ? h : w, vertical);
    TAmpBarPicture picture{w, h, vertical, level, maxValue, kBack, kFrame, &gradient};
    PaintAmpBar(bitmap.Canvas(), picture);
  }
  TColor At(int x, int y) { return bitmap.Canvas()->Pixels(x, y); }
};

TEST_F(LevelMeterPaint, VerticalBarFillsRowsFromTheScaledTopDown) {
  // top = 19 - round(0.5 * 19) = 19 - 10 = 9 (9.5 rounds to even).
  Paint(10, 20, true, 50);
  for (int x = 0; x < 10; ++x) {
    EXPECT_EQ(At(x, 0), kFrame);
    EXPECT_EQ(At(x, 19), kFrame);
  }
  for (int y = 0; y < 20; ++y) {
    EXPECT_EQ(At(0, y), kFrame);
    EXPECT_EQ(At(9, y), kFrame);
  }
  for (int y = 1; y <= 8; ++y) EXPECT_EQ(At(4, y), kBack) << y;
  for (int y = 9; y <= 18; ++y) {
    EXPECT_EQ(At(1, y), gradient[y]) << y;
    EXPECT_EQ(At(8, y), gradient[y]) << y;
  }
}

TEST_F(LevelMeterPaint, HorizontalBarFillsColumnsUpToTheScaledRight) {
  // right = round(0.25 * 19) = 5.
  Paint(20, 6, false, 25);
  for (int x = 1; x <= 5; ++x)
    for (int y = 1; y <= 4; ++y) EXPECT_EQ(At(x, y), gradient[x]) << x << "," << y;
  EXPECT_EQ(At(6, 2), kBack);
  EXPECT_EQ(At(3, 0), kFrame);
  EXPECT_EQ(At(3, 5), kFrame);
}

TEST_F(LevelMeterPaint, NoBarForZeroNegativeLevelsAndNoRange) {
  for (int level : {0, -1, -50}) {
    Paint(10, 20, true, level);
    for (int y = 1; y <= 18; ++y) EXPECT_EQ(At(4, y), kBack) << level << "," << y;
  }
  Paint(10, 20, true, 5, 0);
  EXPECT_EQ(At(4, 18), kBack);
}

TEST_F(LevelMeterPaint, OnePixelHighDrawsOnlyTheFrame) {
  Paint(10, 1, true, 99);
  for (int x = 0; x < 10; ++x) EXPECT_EQ(At(x, 0), kFrame);
  Paint(10, 1, false, 99);
  for (int x = 0; x < 10; ++x) EXPECT_EQ(At(x, 0), kFrame);
}

class LevelMeterWidget : public HeadlessWindowsTest {
 protected:
  TMyAmpBar* NewMeter(int width, int height) {
    TForm* form = nullptr;
    Application->CreateForm(form);
    auto* meter = new TMyAmpBar(form);
    meter->SetParent(form);
    meter->SetBounds(0, 0, width, height);
    return meter;
  }
};

TEST_F(LevelMeterWidget, LevelsAreClampedToTheRange) {
  TMyAmpBar* meter = NewMeter(10, 93);
  meter->SetMaxValue(100);
  meter->SetLevel(1000);
  for (int i = 0; i < 5; ++i) meter->Tick();
  EXPECT_EQ(meter->ShownLevel(), 99);
  meter->SetMinValue(10);
  meter->SetLevel(-20);
  for (int i = 0; i < 5; ++i) meter->Tick();
  EXPECT_EQ(meter->ShownLevel(), 9);
}

TEST_F(LevelMeterWidget, GradientFollowsTheSizeDirectionAndColours) {
  TMyAmpBar* meter = NewMeter(10, 93);
  meter->SetLowColor(RGB(0, 0, 0));
  meter->SetHighColor(RGB(200, 0, 0));
  ASSERT_EQ(meter->Gradient().size(), 93u);
  EXPECT_EQ(meter->Gradient().back(), RGB(0, 0, 0));  // the bottom row
  meter->SetHeight(40);
  EXPECT_EQ(meter->Gradient().size(), 40u);
  meter->SetVertical(false);
  ASSERT_EQ(meter->Gradient().size(), 10u);
  EXPECT_EQ(meter->Gradient().front(), RGB(0, 0, 0));
  meter->SetHighColor(RGB(0, 0, 0));
  EXPECT_EQ(meter->Gradient().back(), RGB(0, 0, 0));
}

TEST_F(LevelMeterWidget, TheMeterTicksOnlyWhileItsLevelMoves) {
  TMyAmpBar* meter = NewMeter(10, 93);
  for (int i = 0; i < 5 && meter->Ticking(); ++i) meter->Tick();
  EXPECT_FALSE(meter->Ticking());
  meter->SetLevel(0);  // the level it shows already
  EXPECT_FALSE(meter->Ticking());
  meter->SetLevel(60);
  EXPECT_TRUE(meter->Ticking());
  for (int i = 0; i < 5; ++i) meter->Tick();
  EXPECT_EQ(meter->ShownLevel(), 59);
  meter->Tick();
  EXPECT_FALSE(meter->Ticking());
}

}  // namespace
