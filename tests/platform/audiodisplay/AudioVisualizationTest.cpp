#include <gtest/gtest.h>

#include "DisplayTestSupport.h"
#include "platform/audiodisplay/AudioVisualization2.h"
#include "platform/base/Exceptions.h"

namespace {

// The size the recorder's main window gives its wave display.
constexpr int kWidth = 219;
constexpr int kHeight = 93;
constexpr int kLane = kHeight / 2;

class AudioVisualizationTest : public DisplayFormTest {
 protected:
  void SetUp() override {
    DisplayFormTest::SetUp();
    wave = Place<TAudioVisualization2>(kWidth, kHeight);
  }

  // What the main window hands over: WindowArraySize × 2 values.
  TSampleBlock Tone(double amplitude, unsigned channelMask = ~0u) {
    return Sine(wave->WindowArraySize(), 2, 1000.0, 44100, amplitude, channelMask);
  }

  TRect Upper() const { return Rect(0, 0, kWidth, kLane); }
  TRect Lower() const { return Rect(0, kHeight - kLane, kWidth, kHeight); }
  int Count(const TRect& rect, TColor color) { return PixelsOf(wave, rect, color); }

  TAudioVisualization2* wave = nullptr;
};

TEST_F(AudioVisualizationTest, LeftAndRightRunInTheirOwnHalvesAndColours) {
  wave->SetLineColorLeft(clRed);
  wave->SetLineColorRight(clAqua);
  wave->PutData(Tone(20000.0));
  EXPECT_GT(Count(Upper(), clRed), kWidth);
  EXPECT_EQ(Count(Upper(), clAqua), 0);
  EXPECT_GT(Count(Lower(), clAqua), kWidth);
  EXPECT_EQ(Count(Lower(), clRed), 0);

  // A silent right channel is a flat line in its colour on the lower centre.
  wave->PutData(Tone(20000.0, 1u));
  EXPECT_EQ(Count(Lower(), clAqua), kWidth);
  const int centre = kHeight - kLane + (kLane - 1) / 2;
  EXPECT_EQ(Count(Rect(0, centre, kWidth, centre + 1), clAqua), kWidth);

  // Colours set at run time take effect at once (the recorder's idle look).
  wave->SetLineColorLeft(8421504);
  wave->SetLineColorRight(8421504);
  EXPECT_EQ(Count(Upper(), clRed) + Count(Lower(), clAqua), 0);
  EXPECT_GT(Count(Upper(), 8421504), kWidth);
}

TEST_F(AudioVisualizationTest, FullScaleReachesTheEdgesOfItsLane) {
  wave->PutData(Tone(32767.0, 1u));
  EXPECT_GT(Count(Rect(0, 0, kWidth, 1), wave->LineColorLeft()), 0);
  EXPECT_GT(Count(Rect(0, kLane - 2, kWidth, kLane), wave->LineColorLeft()), 0);
  // A quiet tone stays near the centre.
  wave->PutData(Tone(3000.0, 1u));
  EXPECT_EQ(Count(Rect(0, 0, kWidth, 15), wave->LineColorLeft()), 0);
}

TEST_F(AudioVisualizationTest, AnEmptyBlockLeavesOnlyTheCentreLines) {
  wave->PutData(Tone(20000.0));
  wave->PutData({});
  const int lit = PixelsOtherThan(wave, Rect(0, 0, kWidth, kHeight), clBlack);
  EXPECT_EQ(lit, 2 * kWidth);
  EXPECT_EQ(Count(Rect(0, 0, kWidth, kHeight), wave->GridColor()), 2 * kWidth);
}

TEST_F(AudioVisualizationTest, MonoFillsTheHeightInTheLeftColour) {
  wave->SetFormat(22050, 1);
  wave->PutData(Sine(1024, 1, 500.0, 22050, 32767.0));
  EXPECT_GT(Count(Rect(0, 0, kWidth, 2), wave->LineColorLeft()), 0);
  EXPECT_GT(Count(Rect(0, kHeight - 2, kWidth, kHeight), wave->LineColorLeft()), 0);
  EXPECT_EQ(Count(Rect(0, 0, kWidth, kHeight), wave->LineColorRight()), 0);
}

TEST_F(AudioVisualizationTest, WindowArraySizeHasItsDefaultAndRefusesNonsense) {
  EXPECT_EQ(wave->WindowArraySize(), 512);
  EXPECT_EQ(wave->GetProp<int>("WindowArraySize"), 512);
  EXPECT_THROW(wave->SetWindowArraySize(0), EInvalidOperation);
  EXPECT_THROW(wave->SetWindowArraySize(100000), EInvalidOperation);
  EXPECT_EQ(wave->WindowArraySize(), 512);
  wave->SetWindowArraySize(1024);
  EXPECT_EQ(Tone(1.0).size(), 2048u);
}

TEST_F(AudioVisualizationTest, ShortOddAndHugeBlocksDrawWithoutHarm) {
  TSampleBlock shortBlock = Sine(10, 2, 1000.0, 44100, 20000.0);
  shortBlock.push_back(5);  // half a frame
  wave->PutData(shortBlock);
  // Ten frames still stretch over the whole width.
  EXPECT_GT(Count(Rect(kWidth - 1, 0, kWidth, kLane), wave->LineColorLeft()), 0);
  wave->PutData({1});
  EXPECT_EQ(PixelsOtherThan(wave, Rect(0, 0, kWidth, kHeight), clBlack), 2 * kWidth);
  wave->PutData(TSampleBlock(2'000'000, 32767));
  EXPECT_GT(Count(Rect(0, 0, kWidth, 1), wave->LineColorLeft()), 0);
  EXPECT_THROW(wave->SetFormat(44100, -2), EInvalidOperation);
  wave->SetBounds(10, 10, 0, 0);
  EXPECT_NO_THROW(HeadlessPumpUntilIdle());
}

}  // namespace
