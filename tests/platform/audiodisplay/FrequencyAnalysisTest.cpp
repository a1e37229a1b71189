#include <gtest/gtest.h>

#include <algorithm>

#include "DisplayTestSupport.h"
#include "platform/audiodisplay/FrequencyAnalysis.h"
#include "platform/base/Exceptions.h"

namespace {

int LoudestIndex(const std::vector<float>& levels) {
  return static_cast<int>(std::max_element(levels.begin(), levels.end()) - levels.begin());
}

TEST(SpectrumAnalyzerTest, ASineReadsItsLevelAtItsFrequency) {
  TSpectrumAnalyzer analyzer(2048);
  const double binHz = 44100.0 / 2048;

  std::vector<float> bins = analyzer.BinLevels(Sine(2048, 1, 1000.0, 44100, 32767.0), 1);
  ASSERT_EQ(bins.size(), 1025u);
  EXPECT_NEAR(LoudestIndex(bins) * binHz, 1000.0, binHz);
  EXPECT_NEAR(bins[LoudestIndex(bins)], 0.0f, 1.5f);  // between two bins a Hann window loses up to 1.4 dB

  // A tone on a bin's centre reads exactly; ten times smaller is 20 dB lower.
  bins = analyzer.BinLevels(Sine(2048, 1, 100 * binHz, 44100, 3276.7), 1);
  EXPECT_EQ(LoudestIndex(bins), 100);
  EXPECT_NEAR(bins[100], -20.0f, 0.1f);
  EXPECT_LT(bins[300], -60.0f);
}

TEST(SpectrumAnalyzerTest, ChannelsAreMixedAndShortBlocksReadTheSameLevel) {
  TSpectrumAnalyzer analyzer(2048);
  const double binHz = 44100.0 / 2048;
  const double hz = 200 * binHz;
  // A stereo block of 2048 values holds only 1024 frames: zero-padded.
  std::vector<float> both = analyzer.BinLevels(Sine(1024, 2, hz, 44100, 16384.0), 2);
  EXPECT_EQ(LoudestIndex(both), 200);
  EXPECT_NEAR(both[200], -6.0f, 0.1f);
  // The same tone in the left channel only is half as loud once mixed.
  std::vector<float> leftOnly = analyzer.BinLevels(Sine(1024, 2, hz, 44100, 16384.0, 1u), 2);
  EXPECT_NEAR(leftOnly[200], both[200] - 6.02f, 0.1f);
}

TEST(SpectrumAnalyzerTest, NothingToAnalyseGivesTheFloor) {
  TSpectrumAnalyzer analyzer(256);
  for (const TSampleBlock& block : {TSampleBlock{}, Silence(256, 2), TSampleBlock{1000}}) {
    std::vector<float> bins = analyzer.BinLevels(block, 2);
    ASSERT_EQ(bins.size(), 129u);
    EXPECT_TRUE(std::all_of(bins.begin(), bins.end(), [](float v) { return v == kSpectrumFloorDb; }));
  }
  EXPECT_EQ(analyzer.BinLevels(Sine(256, 1, 1000, 44100, 1000), 0)[0], kSpectrumFloorDb);
}

TEST(SpectrumAnalyzerTest, LongBlocksUseTheirLatestFrames) {
  TSpectrumAnalyzer analyzer(1024);
  TSampleBlock block = Sine(4096, 1, 300.0, 44100, 20000.0);
  const TSampleBlock tail = Sine(1024, 1, 5000.0, 44100, 20000.0);
  std::copy(tail.begin(), tail.end(), block.end() - 1024);
  std::vector<float> bins = analyzer.BinLevels(block, 1);
  EXPECT_NEAR(LoudestIndex(bins) * 44100.0 / 1024, 5000.0, 44100.0 / 1024);
}

TEST(SpectrumAnalyzerTest, RefusesSizesThatAreNotPowersOfTwoInRange) {
  for (int size : {0, -64, 32, 1000, 32768}) EXPECT_THROW(TSpectrumAnalyzer{size}, EInvalidOperation) << size;
  EXPECT_NO_THROW(TSpectrumAnalyzer{64});
  EXPECT_NO_THROW(TSpectrumAnalyzer{16384});
}

TEST(SpectrumBandsTest, EdgesRiseEvenlyOnALogScaleUpToNyquist) {
  std::vector<float> edges = LogBandEdges(10, 40.0f, 16000.0f, 44100);
  ASSERT_EQ(edges.size(), 11u);
  EXPECT_FLOAT_EQ(edges.front(), 40.0f);
  EXPECT_NEAR(edges.back(), 16000.0f, 0.5f);
  for (int i = 1; i < 10; ++i) EXPECT_NEAR(edges[i + 1] / edges[i], edges[1] / edges[0], 1e-3);
  // At 8 kHz sampling nothing lies above 4 kHz.
  EXPECT_NEAR(LogBandEdges(10, 40.0f, 16000.0f, 8000).back(), 4000.0f, 0.5f);
  // A nonsense range still gives rising edges.
  std::vector<float> odd = LogBandEdges(0, 500.0f, 100.0f, 44100);
  ASSERT_EQ(odd.size(), 2u);
  EXPECT_LT(odd[0], odd[1]);
}

TEST(SpectrumBandsTest, EachBandTakesItsLoudestBinAndNarrowBandsStillShow) {
  TSpectrumAnalyzer analyzer(2048);
  const std::vector<float> edges = LogBandEdges(48, 40.0f, 16000.0f, 44100);
  std::vector<float> bands = BandLevels(analyzer.BinLevels(Sine(2048, 1, 1000.0, 44100, 32767), 1), 44100, 2048, edges);
  ASSERT_EQ(bands.size(), 48u);
  const int loudest = LoudestIndex(bands);
  const float binHz = 44100.0f / 2048;
  EXPECT_LE(edges[loudest] - binHz, 1000.0f);
  EXPECT_GE(edges[loudest + 1] + binHz, 1000.0f);
  EXPECT_NEAR(bands[loudest], 0.0f, 1.5f);
  EXPECT_LT(bands[BandOfFrequency(edges, 8000.0f)], -60.0f);

  // Low bands are narrower than a bin, yet a 50 Hz tone lights them.
  bands = BandLevels(analyzer.BinLevels(Sine(2048, 1, 50.0, 44100, 32767), 1), 44100, 2048, edges);
  EXPECT_GT(bands[BandOfFrequency(edges, 50.0f)], -10.0f);
  EXPECT_TRUE(std::none_of(bands.begin(), bands.end(), [](float v) { return v != v; }));  // no NaN
}

}  // namespace
