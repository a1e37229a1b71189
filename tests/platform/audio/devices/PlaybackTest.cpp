// Playback on the virtual devices and on a private sound server.

#include <cstdlib>
#include <set>
#include <vector>

#include "DeviceFixture.h"
#include "SignalTools.h"
#include "platform/audio/AudioPlayer2.h"

namespace {

constexpr int kRate = 44100;
constexpr int kBlockFrames = 4410;  // 100 ms
constexpr double kPlayAmplitude = 10000;

// A player fed from its own requests with a 1 kHz tone, `blocks` blocks
// long and then the end mark (endless when blocks < 0).
struct FedPlayer {
  TAudioPlayer2 player;
  int blocksLeft;
  double phase = 0;
  double amplitude = kPlayAmplitude;
  int requests = 0, blocksPlayed = 0, endPlays = 0;
  std::vector<int> positions;
  int lastLeft = -1, lastRight = -1;
  bool allOnGuiThread = true;

  explicit FedPlayer(int blocks) : blocksLeft(blocks) {
    player.SetFormat(kRate, 2);
    player.OnRequestOnLoadArray = [this](TObject* sender) {
      allOnGuiThread &= IsMainThread() && sender == &player;
      ++requests;
      Feed();
    };
    player.OnEndArrayPlay = [this](TObject*) {
      allOnGuiThread &= IsMainThread();
      ++blocksPlayed;
      Feed();
    };
    player.OnEndPlay = [this](TObject*) {
      allOnGuiThread &= IsMainThread();
      ++endPlays;
    };
    player.OnTimer = [this](TObject*, int position, int left, int right) {
      allOnGuiThread &= IsMainThread();
      positions.push_back(position);
      lastLeft = left;
      lastRight = right;
    };
  }

  void Feed() {
    if (blocksLeft == 0) {
      player.PlayBlock({});
      return;
    }
    if (blocksLeft > 0) --blocksLeft;
    player.PlayBlock(testsignal::Sine(1000, amplitude, kRate, 2, kBlockFrames, phase));
    phase += 2 * std::numbers::pi * 1000.0 * kBlockFrames / kRate;
  }
};

class Playback : public OnEachBackend {
 protected:
  // The output that is heard: the null sink on the server.
  static bool SelectOutput(TAudioPlayer2& player, bool onServer) {
    if (!onServer) return player.DeviceCount() >= 0;
    // The server's outputs have no names on the player; the test sink is
    // the only one there.
    if (player.DeviceCount() != 0) return false;
    player.SetDevice(0);
    return true;
  }
};

}  // namespace

TEST_P(Playback, PlaysTheQueueToTheEndAndReportsIt) {
  FedPlayer p(8);
  ASSERT_TRUE(SelectOutput(p.player, OnServer()));
  p.player.SetBufferCount(3);
  p.player.Play();
  ASSERT_EQ(p.player.LastError(), 0);
  ASSERT_TRUE(testpump::PumpUntil([&] { return p.endPlays > 0; }, 5000));
  testpump::PumpFor(150);

  EXPECT_TRUE(p.allOnGuiThread);
  EXPECT_EQ(p.requests, 3);
  EXPECT_EQ(p.endPlays, 1);
  EXPECT_EQ(p.player.PlayedSamples(), 8 * kBlockFrames);
  // Played as time passes, not all at once: the timer saw it part-way.
  std::set<int> partWay;
  for (int position : p.positions)
    if (position > 0 && position < 8 * kBlockFrames) partWay.insert(position);
  EXPECT_GE(partWay.size(), 2u);
  ASSERT_GE(p.positions.size(), 5u);
  for (std::size_t i = 1; i < p.positions.size(); ++i) EXPECT_GE(p.positions[i], p.positions[i - 1]);
  const TSampleBlock last = p.player.GetLastSamples(2 * 2048);
  EXPECT_NEAR(testsignal::ToneAmplitude(last, 2, 0, 1000, kRate), kPlayAmplitude, kPlayAmplitude * 0.02);
  p.player.Stop();
}

TEST_P(Playback, TimerLevelsFollowWhatIsHeard) {
  FedPlayer p(-1);
  ASSERT_TRUE(SelectOutput(p.player, OnServer()));
  p.player.Play();
  testpump::PumpUntil([&] { return std::abs(p.lastLeft - 31) <= 2 && std::abs(p.lastRight - 31) <= 2; }, 30000);
  EXPECT_NEAR(p.lastLeft, 31, 2);  // 10000 of 32767
  EXPECT_NEAR(p.lastRight, 31, 2);
  p.player.Stop();
}

TEST_P(Playback, StopDropsTheQueueAndPlayStartsAgain) {
  FedPlayer p(-1);
  ASSERT_TRUE(SelectOutput(p.player, OnServer()));
  p.player.Play();
  testpump::PumpUntil([&] { return p.player.PlayedSamples() > kRate / 10; }, 30000);
  const int heard = p.player.PlayedSamples();
  EXPECT_GT(heard, kRate / 10);
  p.player.Stop();
  const int atStop = p.player.PlayedSamples();
  EXPECT_GE(atStop, heard);
  const int requests = p.requests, played = p.blocksPlayed, ticks = static_cast<int>(p.positions.size());
  testpump::PumpFor(300);
  EXPECT_EQ(p.requests, requests);  // events of the stopped run are dropped
  EXPECT_EQ(p.blocksPlayed, played);
  EXPECT_EQ(static_cast<int>(p.positions.size()), ticks);
  EXPECT_EQ(p.player.PlayedSamples(), atStop);

  p.player.Play();
  testpump::PumpUntil([&] { return p.requests > requests && p.player.PlayedSamples() > 0; }, 30000);
  EXPECT_GT(p.requests, requests);
  EXPECT_GT(p.player.PlayedSamples(), 0);
  EXPECT_LT(p.player.PlayedSamples(), kRate);  // counted since the last Play
  p.player.Stop();
}

TEST_P(Playback, EqualiserShapesWhatIsPlayed) {
  FedPlayer p(-1);
  p.amplitude = 5000;
  ASSERT_TRUE(SelectOutput(p.player, OnServer()));
  std::vector<float> gains(12, 0.0f);
  gains[5] = 6.0f;  // the 1 kHz band
  p.player.SetEQ(gains);
  p.player.Play();
  testpump::PumpFor(600);
  const double boosted = testsignal::ToneAmplitude(p.player.GetLastSamples(4096), 2, 0, 1000, kRate);
  p.player.SetEQEnabled(false);
  testpump::PumpFor(600);
  const double plain = testsignal::ToneAmplitude(p.player.GetLastSamples(4096), 2, 0, 1000, kRate);
  p.player.Stop();
  EXPECT_NEAR(boosted, 5000 * 1.995, 150);
  EXPECT_NEAR(plain, 5000, 100);
}

TEST_P(Playback, MissingOutputDeviceIsReportedByLastError) {
  FedPlayer p(1);
  p.player.SetDevice(p.player.DeviceCount() + 1);
  p.player.Play();
  EXPECT_EQ(p.player.LastError(), TAudioPlayer2::kErrorNoDevice);
  testpump::PumpFor(100);
  EXPECT_EQ(p.requests, 0);
  p.player.Stop();  // harmless when nothing plays
}

TEST_P(Playback, RecordingTheOutputsMonitorGivesBackThePlayedSignal) {
  if (!OnServer()) GTEST_SKIP() << "the virtual output keeps nothing to record";
  FedPlayer p(-1);
  ASSERT_TRUE(SelectOutput(p.player, true));
  TAudioRecord2 recorder;
  ASSERT_TRUE(SelectInput(recorder, testserver::kSinkMonitorName));
  recorder.SetFormat(kRate, 2);
  recorder.SetBlockSize(kBlockFrames);
  TSampleBlock recorded;
  recorder.OnEndArrayRecord = [&](TObject*, int) {
    const TSampleBlock b = recorder.GetBlock();
    recorded.insert(recorded.end(), b.begin(), b.end());
  };
  p.player.Play();
  recorder.Start();
  testpump::PumpFor(1500);
  recorder.Stop();
  p.player.Stop();

  // The loudest quarter second of it: on a loaded machine the feed may
  // stall a moment, and the monitor gives silence back where it did.
  const std::size_t window = kRate / 2, step = kRate / 10;  // 250 and 50 ms of stereo samples
  ASSERT_GT(recorded.size(), 2 * window);
  TSampleBlock loudest;
  double loudestAmplitude = -1;
  for (std::size_t at = 0; at + window <= recorded.size(); at += step) {
    const TSampleBlock part(recorded.begin() + at, recorded.begin() + at + window);
    const double amplitude = testsignal::ToneAmplitude(part, 2, 0, 1000, kRate);
    if (amplitude > loudestAmplitude) {
      loudestAmplitude = amplitude;
      loudest = part;
    }
  }
  for (int channel : {0, 1})
    EXPECT_NEAR(testsignal::ToneAmplitude(loudest, 2, channel, 1000, kRate), kPlayAmplitude, kPlayAmplitude * 0.03);
  EXPECT_NEAR(testsignal::Peak(loudest), kPlayAmplitude, kPlayAmplitude * 0.03);
}

INSTANTIATE_TEST_SUITE_P(Devices, Playback, ::testing::Values("virtual", "server"), BackendName);
