// Voice activation: the level of a sample, the loudness of a monitor tick,
// and the start, resume, pause and stop decisions over tick sequences.

#include <gtest/gtest.h>

#include <vector>

#include "recorder/VoxDetector.h"

namespace {

TEST(VoxLevel, DecibelsOfAmplitudes) {
  struct Case {
    std::int64_t amplitude;
    int db;
  };
  const Case cases[] = {
      {-5, -92},  {0, -92},      {1, -92},      {2, -86},   // 6.02 dB
      {10, -72},  {100, -52},    {32767, -2},   {65535, 4},
      {158, -48},                                           // 43.97 dB
      {188, -47},                                           // 45.48 dB
      {199, -46}, {200, -46},                               // 45.98 and 46.02 dB
      {2147418112, 95},                                     // far beyond 16 bits
  };
  for (const Case& c : cases) EXPECT_EQ(VoxLevelDb(c.amplitude), c.db) << c.amplitude;
}

TEST(VoxLevel, TickLoudnessAgainstTheAttackLevel) {
  // A DC offset at full record volume is no sound.
  EXPECT_FALSE(TickIsLoud(TSampleBlock(20, 5000), 65535, -46));
  // One sample standing out of silence.
  TSampleBlock blip(20, 0);
  blip[7] = 300;
  EXPECT_TRUE(TickIsLoud(blip, 65535, -46));
  EXPECT_FALSE(TickIsLoud(blip, 65535, -30));
  // Quiet noise of +-50 stays under -46 dB.
  TSampleBlock noise;
  for (int i = 0; i < 20; ++i) noise.push_back(static_cast<std::int16_t>(i % 2 ? 50 : -50));
  EXPECT_FALSE(TickIsLoud(noise, 65535, -46));
  EXPECT_TRUE(TickIsLoud(noise, 65535, -60));
  EXPECT_FALSE(TickIsLoud({}, 65535, -92));
}

TEST(VoxLevel, MeanIsScaledByTheRecordVolume) {
  // Mean 100 at half volume becomes 199: the samples at 100 then differ
  // from it by 99 (-52 dB) and count as quiet at -50, loud at -53.
  TSampleBlock offset(20, 100);
  EXPECT_FALSE(TickIsLoud(offset, 32768, -50));
  EXPECT_TRUE(TickIsLoud(offset, 32768, -53));
  // At volume 0 nothing divides: the mean is taken as it is.
  EXPECT_FALSE(TickIsLoud(offset, 0, -91));
  // Full-scale extremes neither overflow nor wrap.
  EXPECT_TRUE(TickIsLoud(TSampleBlock(20, -32768), 1, -2));
  TSampleBlock extremes;
  for (int i = 0; i < 20; ++i) extremes.push_back(i % 2 ? 32767 : -32768);
  EXPECT_TRUE(TickIsLoud(extremes, 65535, -2));
  EXPECT_FALSE(TickIsLoud(extremes, 65535, -1));
}

class VoxDetectorTest : public testing::Test {
 protected:
  // Feeds a pattern of ticks ('L' loud, 'q' quiet) and records the
  // actions, keeping the window's state as its operations would.
  std::vector<TVoxAction> Run(const std::string& pattern, bool voxChecked = true) {
    std::vector<TVoxAction> actions;
    for (char c : pattern) {
      TSampleBlock samples(20, 0);
      if (c == 'L') samples[0] = 10000;
      const TVoxAction action = vox.Tick(samples, 65535, settings, voxChecked, recording, paused);
      switch (action) {
        case TVoxAction::StartRecording: recording = true, paused = false; break;
        case TVoxAction::Resume: paused = false; break;
        case TVoxAction::Pause: paused = true; break;
        case TVoxAction::Stop: recording = false, paused = false; break;
        case TVoxAction::None: break;
      }
      actions.push_back(action);
    }
    return actions;
  }

  TVoxDetector vox;
  TVoxSettings settings;  // -46 dB, 600 ms, pause on silence
  bool recording = false;
  bool paused = false;
};

using A = TVoxAction;

std::vector<A> Nones(int n) { return std::vector<A>(static_cast<size_t>(n), A::None); }

std::vector<A> operator+(std::vector<A> a, const std::vector<A>& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

// With the values set at show: sound after two ticks, silence after 12.
TEST_F(VoxDetectorTest, SoundStartsSilencePausesSoundResumes) {
  const auto actions = Run("LL" + std::string(12, 'q') + "LLL");
  EXPECT_EQ(actions, (std::vector<A>{A::None, A::StartRecording} + Nones(11) +
                         std::vector<A>{A::Pause, A::None, A::Resume, A::None}));
  EXPECT_TRUE(vox.VoiceActive());
  EXPECT_EQ(vox.LoudTicks(), 3);
}

TEST_F(VoxDetectorTest, LongerSilenceKeepsAskingToPauseOrStop) {
  Run("LL");
  EXPECT_EQ(Run(std::string(14, 'q')), (Nones(11) + std::vector<A>{A::Pause, A::Pause, A::Pause}));
  EXPECT_FALSE(vox.VoiceActive());
  settings.NewTrack = true;
  EXPECT_EQ(Run("q"), (std::vector<A>{A::Stop}));
  EXPECT_FALSE(recording);
}

TEST_F(VoxDetectorTest, ASingleLoudTickStartsNothingButResetsTheSilence) {
  EXPECT_EQ(Run(std::string(11, 'q') + "L" + std::string(11, 'q')), Nones(23));
  EXPECT_FALSE(recording);
  EXPECT_EQ(vox.QuietTicks(), 11);
}

TEST_F(VoxDetectorTest, SilenceOnNewTrackStopsAndTheNextSoundStartsAgain) {
  settings.NewTrack = true;
  const auto actions = Run("LL" + std::string(12, 'q') + "LL");
  EXPECT_EQ(actions, (std::vector<A>{A::None, A::StartRecording} + Nones(11) +
                         std::vector<A>{A::Stop, A::None, A::StartRecording}));
}

TEST_F(VoxDetectorTest, ReleaseTimeCountsInFiftyMillisecondTicks) {
  settings.ReleaseTime = 1000;  // 20 ticks
  Run("LL");
  EXPECT_EQ(Run(std::string(20, 'q')), (Nones(19) + std::vector<A>{A::Pause}));
  // 40 ms is no tick at all: any tick without two loud ones reacts,
  // even the first loud one.
  settings.ReleaseTime = 40;
  vox.Reset();
  EXPECT_EQ(Run("L"), (std::vector<A>{A::Pause}));
  EXPECT_EQ(Run("L"), (std::vector<A>{A::Resume}));
}

TEST_F(VoxDetectorTest, UncheckedVoxCountsButNeverActs) {
  EXPECT_EQ(Run("LLLL" + std::string(20, 'q'), false), Nones(24));
  EXPECT_EQ(vox.QuietTicks(), 20);
  // The counts carry over when the box is checked.
  EXPECT_EQ(Run("q"), (std::vector<A>{A::Pause}));
}

TEST_F(VoxDetectorTest, ResetForgetsTheCounts) {
  Run("LLL");
  vox.Reset();
  EXPECT_EQ(vox.LoudTicks(), 0);
  EXPECT_EQ(vox.QuietTicks(), 0);
  EXPECT_FALSE(vox.VoiceActive());
}

}  // namespace
