#include "StdControlsSupport.h"
#include "platform/framework/ComCtrls.h"

namespace {

class ProgressBarTest : public StdControlsTest {
 protected:
  void SetUp() override {
    StdControlsTest::SetUp();
    bar = Place<TProgressBar>(10, 10, 204, 16);
  }
  TProgressBar* bar = nullptr;
};

TEST_F(ProgressBarTest, PositionStaysInRangeAndTheMessagesAnswerTheOldValue) {
  bar->SetPosition(150);
  EXPECT_EQ(bar->Position(), 100);
  EXPECT_EQ(bar->Perform(PBM_SETPOS, 30, 0), 100);
  EXPECT_EQ(bar->Perform(PBM_DELTAPOS, 5, 0), 30);
  EXPECT_EQ(bar->Perform(PBM_GETPOS, 0, 0), 35);
  bar->SetMax(20);  // the position follows the shrunk range
  EXPECT_EQ(bar->Position(), 20);
  PBRANGE range{};
  EXPECT_EQ(bar->Perform(PBM_GETRANGE, 1, reinterpret_cast<LPARAM>(&range)), 0);
  EXPECT_EQ(range.iHigh, 20);
  bar->SetMin(50);  // above Max: the range becomes 50..50
  EXPECT_EQ(bar->Max(), 50);
  EXPECT_EQ(bar->Position(), 50);
}

TEST_F(ProgressBarTest, StepItWrapsAroundPastTheEnd) {
  bar->SetStep(30);
  bar->StepIt();
  bar->StepIt();
  bar->StepIt();
  EXPECT_EQ(bar->Position(), 90);
  bar->StepIt();
  EXPECT_EQ(bar->Position(), 19);  // 120 is 20 past 100: counting on from 0
  bar->StepBy(-40);
  EXPECT_EQ(bar->Position(), 0);
}

TEST_F(ProgressBarTest, FillsItsShareInBlocksOrSmoothly) {
  bar->SetPosition(50);
  TRect filled = bar->BarRect();
  EXPECT_EQ(filled.Width(), 100);
  EXPECT_EQ(PixelOf(bar, 5, 8), ColorToRGB(clHighlight));
  EXPECT_EQ(PixelOf(bar, 150, 8), ColorToRGB(bar->Color()));
  int gaps = 0;
  for (int x = filled.Left; x < filled.Right; ++x)
    if (PixelOf(bar, x, 8) != ColorToRGB(clHighlight)) ++gaps;
  EXPECT_GT(gaps, 10);
  bar->SetSmooth(true);
  for (int x = filled.Left; x < filled.Right; ++x) ASSERT_EQ(PixelOf(bar, x, 8), ColorToRGB(clHighlight)) << x;
}

TEST_F(ProgressBarTest, VerticalBarFillsFromTheBottom) {
  bar->SetBounds(10, 10, 16, 104);
  bar->SetOrientation(pbVertical);
  bar->SetPosition(25);
  TRect filled = bar->BarRect();
  EXPECT_EQ(filled.Bottom, 102);
  EXPECT_EQ(filled.Height(), 25);
  bar->SetSmooth(true);
  EXPECT_EQ(PixelOf(bar, 8, 100), ColorToRGB(clHighlight));
  EXPECT_NE(PixelOf(bar, 8, 10), ColorToRGB(clHighlight));
}

}  // namespace
