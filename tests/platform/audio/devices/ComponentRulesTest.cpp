// Rules of the components that do not depend on the device: conversions,
// rejected values, and events of components that are gone or stopped.

#include <cmath>
#include <memory>

#include <gtest/gtest.h>

#include "EventPump.h"
#include "SignalTools.h"
#include "platform/audio/AudioPlayer2.h"
#include "platform/audio/AudioRecord2.h"
#include "platform/base/Exceptions.h"

namespace {

class ComponentRules : public ::testing::Test {
 protected:
  void SetUp() override { MarkMainThread(); }
  void TearDown() override { RunMainThreadQueue(); }
  testpump::ScopedEnv virtualDevices_{"VELMORA_AUDIO", "virtual"};
};

}  // namespace

TEST_F(ComponentRules, SampleAndMillisecondConversionsAreExactIntegerRules) {
  TAudioRecord2 recorder;
  TAudioPlayer2 player;
  EXPECT_EQ(recorder.MsToSamples(400), 17640);
  EXPECT_EQ(player.MsToSamples(166), 7320);  // 7320.6 rounds down
  EXPECT_EQ(player.SamplesToMs(44099), 999);
  EXPECT_EQ(player.SamplesToMs(44100), 1000);
  EXPECT_EQ(player.MsToSamples(12 * 3600 * 1000), 44100 * 12 * 3600);  // no overflow in between
  recorder.SetFormat(22050, 1);
  player.SetFormat(22050, 1);
  EXPECT_EQ(recorder.MsToSamples(1), 22);
  EXPECT_EQ(player.SamplesToMs(22049), 999);
}

TEST_F(ComponentRules, LastSamplesBeforeAnySoundAreSilence) {
  TAudioRecord2 recorder;
  TAudioPlayer2 player;
  EXPECT_EQ(recorder.GetLastSamples(20), TSampleBlock(20, 0));
  EXPECT_EQ(player.GetLastSamples(512), TSampleBlock(512, 0));
}

TEST_F(ComponentRules, WrongValuesAreRefusedAndChangeNothing) {
  TAudioRecord2 recorder;
  EXPECT_THROW(recorder.SetFormat(0, 2), Exception);
  EXPECT_THROW(recorder.SetFormat(44100, 3), Exception);
  EXPECT_THROW(recorder.SetBlockSize(0), Exception);
  EXPECT_THROW(recorder.SetTimerInterval(-1), Exception);
  EXPECT_THROW(recorder.SetLowCutFrequency(NAN), Exception);
  EXPECT_THROW(recorder.SetNoiseLevel(-3), Exception);
  EXPECT_EQ(recorder.MsToSamples(1000), 44100);
  EXPECT_EQ(recorder.BlockSize(), 4410);
  EXPECT_EQ(recorder.LowCutFrequency(), 100.0f);
  EXPECT_EQ(recorder.HighCutFrequency(), 8000.0f);
  EXPECT_EQ(recorder.NoiseLevel(), 50.0f);

  TAudioPlayer2 player;
  EXPECT_THROW(player.SetFormat(44100, 0), Exception);
  EXPECT_THROW(player.SetBufferCount(0), Exception);
  EXPECT_THROW(player.SetEQ(std::vector<float>(11, 0.0f)), Exception);
  EXPECT_EQ(player.BufferCount(), 3);
  EXPECT_EQ(player.MsToSamples(1000), 44100);
}

TEST_F(ComponentRules, EventsOfADestroyedComponentAreDropped) {
  int recorderEvents = 0, playerEvents = 0;
  {
    auto recorder = std::make_unique<TAudioRecord2>();
    recorder->SetBlockSize(441);
    recorder->SetTimerInterval(10);
    recorder->OnEndArrayRecord = [&](TObject*, int) { ++recorderEvents; };
    recorder->OnTimer = [&](TObject*, int, int, int) { ++recorderEvents; };
    auto player = std::make_unique<TAudioPlayer2>();
    player->OnRequestOnLoadArray = [&](TObject*) { ++playerEvents; };
    player->OnTimer = [&](TObject*, int, int, int) { ++playerEvents; };
    player->PlayBlock(testsignal::Sine(1000, 1000, 44100, 2, 4410));
    recorder->Start();
    player->Play();
    ASSERT_EQ(player->LastError(), 0);
    std::this_thread::sleep_for(std::chrono::milliseconds(300));  // events pile up unhandled
  }
  testpump::PumpFor(50);
  EXPECT_EQ(recorderEvents, 0);
  EXPECT_EQ(playerEvents, 0);
}

TEST_F(ComponentRules, StopInsideATimerEventEndsTheRunCleanly) {
  TAudioRecord2 recorder;
  recorder.SetBlockSize(recorder.MsToSamples(400));
  recorder.SetTimerInterval(50);
  std::size_t values = 0;
  int ticksAfterStop = 0;
  bool stopped = false;
  recorder.OnEndArrayRecord = [&](TObject*, int) { values += recorder.GetBlock().size(); };
  recorder.OnTimer = [&](TObject*, int position, int, int) {
    if (stopped) ++ticksAfterStop;
    if (position > 44100 / 4 && !stopped) {
      stopped = true;
      recorder.Stop();  // as voice activation does on silence
    }
  };
  recorder.Start();
  ASSERT_TRUE(testpump::PumpUntil([&] { return stopped; }, 3000));
  testpump::PumpFor(200);
  EXPECT_EQ(ticksAfterStop, 0);
  EXPECT_EQ(values, static_cast<std::size_t>(recorder.RecordedSamples()) * 2);
  recorder.Stop();  // a second Stop is harmless
}

TEST_F(ComponentRules, PartFramesOfABlockAreNotPlayed) {
  TAudioPlayer2 player;
  int ended = 0;
  player.OnEndPlay = [&](TObject*) { ++ended; };
  TSampleBlock odd = testsignal::Sine(1000, 1000, 44100, 2, 2205);
  odd.push_back(1234);  // half a frame
  player.PlayBlock(odd);
  player.PlayBlock({});
  player.Play();
  ASSERT_TRUE(testpump::PumpUntil([&] { return ended > 0; }, 3000));
  EXPECT_EQ(player.PlayedSamples(), 2205);
  player.Stop();

  // A mono block queued before the format turns to stereo leaves half a
  // frame at its end; it is dropped rather than stalling the output.
  player.SetFormat(44100, 1);
  player.PlayBlock(TSampleBlock(4411, 100));
  player.PlayBlock({});
  player.SetFormat(44100, 2);
  ended = 0;
  player.Play();
  ASSERT_TRUE(testpump::PumpUntil([&] { return ended > 0; }, 3000));
  EXPECT_EQ(player.PlayedSamples(), 2205);
  player.Stop();
}
