// The capacity bar's picture: the run, the marks and the overflow look
// drawn from solid pictures, read back pixel by pixel.

#include <gtest/gtest.h>

#include <memory>

#include "burner/MyCapBar.h"
#include "platform/gfx/Canvas.h"
#include "platform/gfx/Color.h"
#include "platform/win/WinApi.h"

namespace {

constexpr TColor kBack = RGB(200, 200, 200);
constexpr TColor kEdge = RGB(255, 0, 0);
constexpr TColor kStart = RGB(0, 255, 0);
constexpr TColor kFill = RGB(0, 0, 255);
constexpr TColor kOver = RGB(255, 255, 0);
constexpr TColor kCap = RGB(255, 0, 255);
constexpr int kRow = 30;  // below the text line

std::unique_ptr<TPicture> Solid(int width, TColor color) {
  TBitmap bitmap(width, 33);
  bitmap.Canvas()->Brush()->SetColor(color);
  bitmap.Canvas()->FillRect(TRect(0, 0, width, 33));
  auto picture = std::make_unique<TPicture>();
  picture->SetGraphic(&bitmap);
  return picture;
}

class CapBar : public ::testing::Test {
 protected:
  void SetUp() override {
    InitWindowSystem(TBackendKind::Headless);
    bar_ = std::make_unique<TMyCapBar>(nullptr);
    bar_->SetBounds(119, 590, 526, 33);
    TBitmap background(526, 33);
    background.Canvas()->Brush()->SetColor(kBack);
    background.Canvas()->FillRect(TRect(0, 0, 526, 33));
    bar_->SetBackground(&background);
    bar_->SetNeedImages(start_.get(), fill_.get());
    bar_->SetEdgeImage(edge_.get());
    bar_->SetOverImages(over_.get(), cap_.get());
    bar_->SetCdScale();
    bar_->SetMarkMB(700);
  }
  void TearDown() override {
    bar_.reset();
    ShutdownWindowSystem();
  }
  TColor At(int x, int y = kRow) { return const_cast<TBitmap*>(bar_->Picture())->Canvas()->Pixels(x, y); }
  // The first and last column of [from, to) that differ from `color`, or -1.
  int FirstNot(TColor color, int from, int to) {
    for (int x = from; x < to; ++x)
      if (At(x) != color) return x;
    return -1;
  }

  std::unique_ptr<TPicture> edge_ = Solid(5, kEdge), start_ = Solid(40, kStart), fill_ = Solid(5, kFill),
                            over_ = Solid(5, kOver), cap_ = Solid(10, kCap);
  std::unique_ptr<TMyCapBar> bar_;
};

TEST_F(CapBar, TheMarkOf700MBLiesAt470) { EXPECT_EQ(bar_->MarkX(), 470); }

TEST_F(CapBar, AnEmptyListShowsTheBackgroundTheTwoMarksAndTheText) {
  bar_->SetNeedMB(0);
  EXPECT_EQ(FirstNot(kBack, 0, 428), -1);
  EXPECT_EQ(At(428), kEdge);
  EXPECT_EQ(FirstNot(kBack, 429, 468), -1);
  EXPECT_EQ(At(468), kOver);
  EXPECT_EQ(FirstNot(kBack, 469, 526), -1);
  // The text starts at (38, 3) in its own colour.
  bool text = false;
  for (int y = 3; y < 20; ++y)
    for (int x = 0; x < 526; ++x) {
      EXPECT_TRUE(x >= 38 || At(x, y) == kBack) << x << "," << y;
      text = text || At(x, y) == 0x895335;
    }
  EXPECT_TRUE(text);
}

TEST_F(CapBar, ANeedWithinTheCdRunsFromTheStartPicture) {
  bar_->SetNeedMB(10);  // Round(6.71875) = 7 pixels
  EXPECT_EQ(At(0), kBack);
  EXPECT_EQ(FirstNot(kStart, 1, 8), -1);
  EXPECT_EQ(At(8), kBack);
  EXPECT_EQ(At(428), kEdge);
}

TEST_F(CapBar, A650MBNeedFillsTheCdAndRunsOnInTheEdgeLook) {
  bar_->SetNeedMB(650);  // 437 pixels
  EXPECT_EQ(FirstNot(kStart, 1, 39), -1);
  EXPECT_EQ(FirstNot(kFill, 40, 429), -1);
  EXPECT_EQ(At(429), kBack);
  EXPECT_EQ(FirstNot(kEdge, 430, 437), -1);
  EXPECT_EQ(At(437), kBack);
  EXPECT_EQ(At(468), kOver);
}

TEST_F(CapBar, An800MBNeedPassesTheMarkAndEndsInTheCap) {
  bar_->SetNeedMB(800);  // Round(537.5) = 538, ties to even
  EXPECT_EQ(FirstNot(kEdge, 430, 469), -1);
  EXPECT_EQ(At(469), kBack);
  EXPECT_EQ(FirstNot(kOver, 470, 516), -1);
  EXPECT_EQ(FirstNot(kCap, 516, 526), -1);
}

TEST_F(CapBar, ChangesRedrawAtOnce) {
  bar_->SetNeedMB(800);
  bar_->SetNeedMB(0);
  EXPECT_EQ(At(500), kBack);
  bar_->SetDuration(3723000);
  EXPECT_EQ(bar_->Duration(), 3723000);
  EXPECT_EQ(At(500), kBack);
}

}  // namespace
