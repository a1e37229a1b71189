// Capture on the virtual devices and on a private sound server.

#include <sys/resource.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "DeviceFixture.h"
#include "SignalTools.h"

namespace {

constexpr int kRate = 44100;

struct TimerTick {
  int position, left, right;
};

// A recorder that keeps what its events deliver.
struct Recording {
  TAudioRecord2 recorder;
  std::vector<int> blockNumbers;
  TSampleBlock samples;
  std::vector<std::size_t> blockSizes;
  std::vector<TimerTick> ticks;
  bool allOnGuiThread = true;

  Recording() {
    recorder.OnEndArrayRecord = [this](TObject* sender, int n) {
      allOnGuiThread &= IsMainThread() && sender == &recorder;
      blockNumbers.push_back(n);
      const TSampleBlock block = recorder.GetBlock();
      blockSizes.push_back(block.size());
      samples.insert(samples.end(), block.begin(), block.end());
    };
    recorder.OnTimer = [this](TObject*, int position, int left, int right) {
      allOnGuiThread &= IsMainThread();
      ticks.push_back({position, left, right});
    };
  }

  void Run(int ms) {
    recorder.Start();
    testpump::PumpFor(ms);
    recorder.Stop();
  }

  // The last `ms` of what was written, where any start-up gap is over.
  TSampleBlock Tail(int ms) const {
    const std::size_t n = std::min(samples.size(), static_cast<std::size_t>(kRate * ms / 1000 * 2));
    return TSampleBlock(samples.end() - static_cast<std::ptrdiff_t>(n), samples.end());
  }
};

class Capture : public OnEachBackend {
 protected:
  // Readies `r` to record the tone input in blocks of `blockMs`.
  void Prepare(Recording& r, int channels, int blockMs, int timerMs = 100) {
    ASSERT_TRUE(SelectToneInput(r.recorder));
    r.recorder.SetFormat(kRate, channels);
    r.recorder.SetBlockSize(r.recorder.MsToSamples(blockMs));
    r.recorder.SetTimerInterval(timerMs);
  }
};

}  // namespace

TEST_P(Capture, DeliversEveryCapturedFrameInBlocksOnTheGuiThread) {
  Recording r;
  ASSERT_NO_FATAL_FAILURE(Prepare(r, 2, 100, 50));
  r.Run(1200);

  ASSERT_GE(r.blockSizes.size(), 8u);
  EXPECT_TRUE(r.allOnGuiThread);
  for (std::size_t i = 0; i + 1 < r.blockSizes.size(); ++i) EXPECT_EQ(r.blockSizes[i], 4410u * 2) << i;
  EXPECT_LE(r.blockSizes.back(), 4410u * 2);  // Stop hands on the part block
  for (std::size_t i = 0; i < r.blockNumbers.size(); ++i) EXPECT_EQ(r.blockNumbers[i], static_cast<int>(i));
  EXPECT_EQ(r.samples.size(), static_cast<std::size_t>(r.recorder.RecordedSamples()) * 2);
  EXPECT_NEAR(r.recorder.RecordedSamples(), kRate * 1.2, kRate * 0.35);
}

TEST_P(Capture, RecordingHoldsTheInputSignalAtItsLevel) {
  Recording r;
  ASSERT_NO_FATAL_FAILURE(Prepare(r, 2, 400));
  r.Run(1500);

  const TSampleBlock tail = r.Tail(500);
  for (int channel : {0, 1})
    EXPECT_NEAR(testsignal::ToneAmplitude(tail, 2, channel, kToneHz, kRate), kToneAmplitude, kToneAmplitude * 0.03);
  EXPECT_NEAR(testsignal::Peak(tail), kToneAmplitude, kToneAmplitude * 0.03);
}

TEST_P(Capture, TimerLevelsFollowTheSignal) {
  Recording r;
  ASSERT_NO_FATAL_FAILURE(Prepare(r, 2, 100, 50));
  r.Run(1000);

  ASSERT_GE(r.ticks.size(), 10u);
  for (std::size_t i = 1; i < r.ticks.size(); ++i) EXPECT_GT(r.ticks[i].position, r.ticks[i - 1].position);
  const TimerTick last = r.ticks.back();
  EXPECT_NEAR(last.left, 50, 2);
  EXPECT_NEAR(last.right, 50, 2);

  // The recorder's own high cut an octave under the tone takes it down by
  // about 12 dB, to a quarter: the meters show the filtered signal.
  // A loaded machine may deliver the first filtered ticks late, so the
  // meters are given time to settle there.
  r.ticks.clear();
  r.recorder.SetHighCutFrequency(500);
  r.recorder.SetHighCutEnabled(true);
  r.recorder.Start();
  testpump::PumpUntil([&] { return !r.ticks.empty() && std::abs(r.ticks.back().left - 13) <= 3; }, 10000);
  r.recorder.Stop();
  ASSERT_FALSE(r.ticks.empty());
  EXPECT_NEAR(r.ticks.back().left, 13, 3);
}

TEST_P(Capture, StartAfterStopResumesWithoutLosingBlocks) {
  Recording r;
  ASSERT_NO_FATAL_FAILURE(Prepare(r, 1, 200));
  r.Run(500);
  const int firstRun = r.recorder.RecordedSamples();
  const std::size_t firstBlocks = r.blockNumbers.size();
  EXPECT_EQ(r.samples.size(), static_cast<std::size_t>(firstRun));
  r.Run(500);

  EXPECT_GT(r.blockNumbers.size(), firstBlocks);
  EXPECT_EQ(r.blockNumbers[firstBlocks], 0);  // numbering restarts with Start
  // Counted since the last Start: the first run's samples and the count
  // of the second make up all that was delivered.
  EXPECT_EQ(r.samples.size(), static_cast<std::size_t>(firstRun + r.recorder.RecordedSamples()));
  // Pausing does not leave the recorder stuck with half a block.
  testpump::PumpFor(300);
  const std::size_t after = r.samples.size();
  testpump::PumpFor(200);
  EXPECT_EQ(r.samples.size(), after);
}

TEST_P(Capture, LastSamplesAreTheNewestValues) {
  Recording r;
  ASSERT_NO_FATAL_FAILURE(Prepare(r, 2, 100));
  r.Run(600);

  const TSampleBlock last = r.recorder.GetLastSamples(20);
  ASSERT_EQ(last.size(), 20u);
  EXPECT_TRUE(std::equal(last.begin(), last.end(), r.samples.end() - 20));
  EXPECT_EQ(r.recorder.GetLastSamples(21).size(), 21u);
  EXPECT_TRUE(r.recorder.GetLastSamples(0).empty());
  EXPECT_TRUE(r.recorder.GetLastSamples(-5).empty());
  EXPECT_LE(r.recorder.GetLastSamples(2000000000).size(), static_cast<std::size_t>(kRate) * 2 * 2);
}

TEST_P(Capture, PrintsCpuUseOfRealTimeCaptureInBlocks) {
  Recording r;
  ASSERT_NO_FATAL_FAILURE(Prepare(r, 2, 400));
  // The whole process, less the thread that stands in for the sound card.
  auto cpuSeconds = [] {
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return u.ru_utime.tv_sec + u.ru_stime.tv_sec + (u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e6 -
           testserver::FeederCpuSeconds();
  };
  const double cpu0 = cpuSeconds();
  const auto wall0 = std::chrono::steady_clock::now();
  r.recorder.Start();
  // Drain as a message loop does: wake now and then, not spin.
  const auto end = wall0 + std::chrono::seconds(3);
  while (std::chrono::steady_clock::now() < end) {
    RunMainThreadQueue();
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  r.recorder.Stop();
  const double wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - wall0).count();
  const double percent = 100 * (cpuSeconds() - cpu0) / wall;
  std::printf("[ cpu ] capture of 44.1 kHz stereo in 400 ms blocks (%s): %.2f %% of one core\n",
              GetParam().c_str(), percent);
  EXPECT_GT(r.samples.size(), static_cast<std::size_t>(kRate * 2 * 2));
  EXPECT_LT(percent, 25.0);
}

INSTANTIATE_TEST_SUITE_P(Devices, Capture, ::testing::Values("virtual", "server"), BackendName);
