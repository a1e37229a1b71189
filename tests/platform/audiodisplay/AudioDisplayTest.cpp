#include <gtest/gtest.h>

#include <algorithm>

#include "DisplayTestSupport.h"
#include "platform/audiodisplay/AudioDisplay2.h"
#include "platform/audiodisplay/FrequencyAnalysis.h"
#include "platform/base/Exceptions.h"

namespace {

constexpr int kWidth = 200;
constexpr int kHeight = 80;

class AudioDisplayTest : public DisplayFormTest {
 protected:
  void SetUp() override {
    DisplayFormTest::SetUp();
    display = Place<TAudioDisplay2>(kWidth, kHeight);
  }

  // What the player hands over per timer tick: FFTWindowsSize values.
  TSampleBlock Tone(double hz, double amplitude = 30000.0, unsigned channelMask = ~0u) {
    return Sine(display->FFTWindowsSize() / 2, 2, hz, 44100, amplitude, channelMask);
  }

  int LitPixels(const TRect& rect) { return PixelsOtherThan(display, rect, clBlack); }
  int LitPixels() { return LitPixels(Rect(0, 0, kWidth, kHeight)); }

  // The column in the middle of band i, as the bars are laid out.
  int BandColumn(int band) {
    const int count = static_cast<int>(display->BandLevels().size());
    return (band * kWidth / count + (band + 1) * kWidth / count) / 2 - 1;
  }

  int LoudestBand() {
    const std::vector<float>& levels = display->BandLevels();
    return static_cast<int>(std::max_element(levels.begin(), levels.end()) - levels.begin());
  }

  TAudioDisplay2* display = nullptr;
};

TEST_F(AudioDisplayTest, AThousandHertzToneLightsItsBandAndNoFarOne) {
  display->PutData(Tone(1000.0));
  const std::vector<float>& edges = display->BandEdges();
  const int loudest = LoudestBand();
  const float binHz = 44100.0f / display->FFTWindowsSize();
  EXPECT_LE(edges[loudest] - binHz, 1000.0f);
  EXPECT_GE(edges[loudest + 1] + binHz, 1000.0f);

  const int column = BandColumn(loudest);
  EXPECT_GT(LitPixels(Rect(column, 0, column + 1, kHeight)), kHeight / 2);
  const int far = BandColumn(BandOfFrequency(edges, 8000.0f));
  EXPECT_EQ(LitPixels(Rect(far, 0, far + 1, kHeight)), 0);
  // The bar starts at the bottom in the low colour.
  EXPECT_EQ(PixelAt(display, column, kHeight - 1), display->LowColor());

  // The same holds for mono blocks at another rate, once the format is set.
  display->SetFormat(8000, 1);
  display->PutData(Sine(1024, 1, 1000.0, 8000, 30000.0));
  const int mono = LoudestBand();
  EXPECT_LE(display->BandEdges()[mono] - 8000.0f / 2048, 1000.0f);
  EXPECT_GE(display->BandEdges()[mono + 1] + 8000.0f / 2048, 1000.0f);
}

TEST_F(AudioDisplayTest, SilenceShowsNothingInTheLevelModes) {
  for (int mode : {0, 1, 2, 3}) {
    display->SetTypeDisplay(mode);
    for (int i = 0; i < 3; ++i) display->PutData(Silence(1024, 2));
    EXPECT_EQ(LitPixels(), 0) << "mode " << mode;
  }
  // The oscilloscope shows silence as a flat line.
  display->SetTypeDisplay(TAudioDisplay2::kModeScope);
  display->PutData(Silence(1024, 2));
  EXPECT_EQ(LitPixels(), kWidth);
}

TEST_F(AudioDisplayTest, AnEmptyBlockClearsEveryMode) {
  for (int mode = 0; mode <= 4; ++mode) {
    display->SetTypeDisplay(mode);
    display->PutData(Tone(1000.0));
    display->PutData(Silence(1024, 2));  // leaves peak marks up
    EXPECT_GT(LitPixels(), 0) << "mode " << mode;
    display->PutData({});
    EXPECT_EQ(LitPixels(), 0) << "mode " << mode;
  }
  const std::vector<float>& levels = display->BandLevels();
  EXPECT_TRUE(std::all_of(levels.begin(), levels.end(), [&](float v) { return v == display->MinLevel(); }));
  EXPECT_EQ(display->MeterLevel(0), display->MinLevel());
  EXPECT_EQ(display->MeterLevel(1), display->MinLevel());
}

TEST_F(AudioDisplayTest, LevelsRiseByAttackFallByReleaseAndPeaksHold) {
  display->SetTypeDisplay(TAudioDisplay2::kModeMeters);
  display->SetAttack(100);
  display->SetRelease(50);
  display->PutData(Tone(1000.0, 16384.0));  // -6 dB
  const float loud = display->MeterLevel(0);
  EXPECT_NEAR(loud, -6.0f, 0.1f);
  display->PutData(Silence(1024, 2));
  EXPECT_NEAR(display->MeterLevel(0), (loud - 70.0f) / 2, 0.01f);
  const int lane = (kHeight - 2) / 2;
  // The peak mark stays at the loud level while the bar falls.
  const int peakX = static_cast<int>((loud + 70.0f) / 70.0f * kWidth + 0.5f);
  EXPECT_EQ(PixelAt(display, peakX, lane / 2), display->PeakColor());
  for (int i = 0; i < 30; ++i) display->PutData(Silence(1024, 2));
  EXPECT_LT(display->MeterLevel(0), -69.9f);
  EXPECT_EQ(LitPixels(), 0);

  // A lower attack approaches a loud block in steps.
  display->SetAttack(50);
  display->PutData(Tone(1000.0, 16384.0));
  EXPECT_NEAR(display->MeterLevel(0), (-70.0f + loud) / 2, 0.1f);
}

TEST_F(AudioDisplayTest, EachModeDrawsItsOwnPicture) {
  display->SetAttack(100);
  // Bars: segments with dark rows between them.
  display->PutData(Tone(1000.0));
  const int column = BandColumn(LoudestBand());
  EXPECT_EQ(PixelAt(display, column, kHeight - 3), clBlack);
  EXPECT_NE(PixelAt(display, column, kHeight - 4), clBlack);

  // Line: the curve in the high colour over a filled area.
  display->SetTypeDisplay(TAudioDisplay2::kModeLine);
  display->PutData(Tone(1000.0));
  EXPECT_GT(PixelsOf(display, Rect(0, 0, kWidth, kHeight), display->HighColor()), 0);
  EXPECT_GT(PixelsOf(display, Rect(0, 0, kWidth, kHeight), display->LowColor()), 100);

  // Peak bars: the marks stay above falling bars.
  display->SetTypeDisplay(TAudioDisplay2::kModePeakBars);
  display->PutData(Tone(1000.0));
  display->PutData(Silence(1024, 2));
  EXPECT_GT(PixelsOf(display, Rect(0, 0, kWidth, kHeight), display->PeakColor()), 0);

  // Meters: a tone on the left only lights the upper lane.
  display->SetTypeDisplay(TAudioDisplay2::kModeMeters);
  display->PutData({});
  display->PutData(Tone(1000.0, 30000.0, 1u));
  EXPECT_GT(LitPixels(Rect(0, 0, kWidth, kHeight / 2 - 1)), 0);
  EXPECT_EQ(LitPixels(Rect(0, kHeight / 2 + 1, kWidth, kHeight)), 0);

  // Oscilloscope: a loud tone spans nearly the whole height.
  display->SetTypeDisplay(TAudioDisplay2::kModeScope);
  display->PutData(Tone(1000.0, 32767.0, 1u));
  EXPECT_GT(LitPixels(Rect(0, 0, kWidth, 2)), 0);
  EXPECT_GT(LitPixels(Rect(0, kHeight - 2, kWidth, kHeight)), 0);
  EXPECT_EQ(PixelAt(display, 0, (kHeight - 1) / 2), display->HighColor());  // the silent right channel lies on top
}

TEST_F(AudioDisplayTest, ModesAreSwitchedByNameAndWrongOnesRefused) {
  display->SetProp("TypeDisplay", 3);
  EXPECT_EQ(display->TypeDisplay(), TAudioDisplay2::kModeMeters);
  EXPECT_THROW(display->SetTypeDisplay(5), EInvalidOperation);
  EXPECT_THROW(display->SetTypeDisplay(-1), EInvalidOperation);
  EXPECT_EQ(display->TypeDisplay(), TAudioDisplay2::kModeMeters);
}

TEST_F(AudioDisplayTest, FFTWindowsSizeSizesTheRequestAndRefusesBadSizes) {
  // The player asks for this many values per tick: 1024 stereo frames.
  EXPECT_EQ(display->FFTWindowsSize(), 2048);
  EXPECT_EQ(display->GetProp<int>("FFTWindowsSize"), 2048);
  EXPECT_THROW(display->SetFFTWindowsSize(1000), EInvalidOperation);
  EXPECT_EQ(display->FFTWindowsSize(), 2048);
  display->SetFFTWindowsSize(4096);
  display->PutData(Tone(1000.0));
  EXPECT_NEAR(display->BandEdges()[LoudestBand()], 1000.0f, 200.0f);
}

TEST_F(AudioDisplayTest, OddBlocksAndFormatsAreHandledSafely) {
  TSampleBlock odd = Tone(1000.0);
  odd.push_back(12345);  // half a frame
  EXPECT_NO_THROW(display->PutData(odd));
  EXPECT_NO_THROW(display->PutData(TSampleBlock(1'000'001, -32768)));
  EXPECT_NO_THROW(display->PutData({7}));
  for (int mode = 0; mode <= 4; ++mode) {
    display->SetTypeDisplay(mode);
    EXPECT_NO_THROW(PixelAt(display, 0, 0));
  }
  EXPECT_THROW(display->SetFormat(0, 2), EInvalidOperation);
  EXPECT_THROW(display->SetFormat(44100, 0), EInvalidOperation);
  EXPECT_EQ(display->Channels(), 2);
  // A tiny control and an upside-down level range still paint.
  display->SetMinLevel(0);
  display->SetMaxLevel(-10);
  display->SetBounds(10, 10, 1, 1);
  display->PutData(Tone(1000.0));
  EXPECT_NO_THROW(PixelAt(display, 0, 0));
}

TEST_F(AudioDisplayTest, TheLevelRangeAndBorderShapeThePicture) {
  display->SetAttack(100);
  display->SetTypeDisplay(TAudioDisplay2::kModeMeters);
  display->SetMinLevel(-40);
  display->PutData(Tone(1000.0, 3277.0));  // -20 dB: half way
  // Two of every three columns of the left half lit, and the peak mark.
  EXPECT_NEAR(LitPixels(Rect(0, 2, kWidth, 3)), kWidth / 2 * 2 / 3 + 2, 4);

  display->SetBorderStyle(bsSingle);
  display->SetBorderColor(clRed);
  EXPECT_EQ(PixelAt(display, 0, 0), clRed);
  EXPECT_EQ(PixelAt(display, kWidth - 1, kHeight - 1), clRed);
  EXPECT_NE(PixelAt(display, 1, 1), clRed);
}

}  // namespace
