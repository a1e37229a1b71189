// The sound server going away while recording and playing: no crash, no
// hang, and the next use falls back to the virtual devices.

#include <chrono>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "EventPump.h"
#include "SignalTools.h"
#include "TestAudioServer.h"
#include "platform/audio/AudioPlayer2.h"
#include "platform/audio/AudioRecord2.h"

TEST(ServerLoss, RecordingAndPlaybackSurviveTheServerGoingAway) {
  MarkMainThread();
  testserver::OwnSoundServer server;
  if (server.Address().empty()) GTEST_SKIP() << "No private sound server: " << server.Failure();
  testpump::ScopedEnv mode("VELMORA_AUDIO", "server");
  testpump::ScopedEnv address("PULSE_SERVER", server.Address());

  TAudioRecord2 recorder;
  int blocks = 0;
  recorder.OnEndArrayRecord = [&](TObject*, int) { ++blocks; };
  std::vector<std::string> errors;
  recorder.OnError = [&](TObject*, const std::string& message) { errors.push_back(message); };
  recorder.SetBlockSize(recorder.MsToSamples(100));
  for (int d = 0; d <= recorder.DeviceCount(); ++d) {
    recorder.SetDevice(d);
    if (recorder.DeviceName() == testserver::kSignalInputName) break;
  }
  ASSERT_EQ(recorder.DeviceName(), testserver::kSignalInputName);
  TAudioPlayer2 player;
  player.OnEndArrayPlay = player.OnRequestOnLoadArray = [&](TObject*) {
    player.PlayBlock(testsignal::Sine(1000, 8000, 44100, 2, 4410));
  };
  ASSERT_EQ(player.DeviceCount(), 0);
  player.Play();
  ASSERT_EQ(player.LastError(), 0);
  recorder.Start();
  ASSERT_TRUE(testpump::PumpUntil([&] { return blocks > 0; }, 30000)) << "nothing was recorded";

  EXPECT_TRUE(errors.empty());
  server.Kill();
  ASSERT_TRUE(testpump::PumpUntil([&] { return !errors.empty(); }, 30000)) << "the loss is not told";
  testpump::PumpFor(500);  // a second message would follow at once
  // The loss is told once, naming the device.
  ASSERT_EQ(errors.size(), 1u);
  EXPECT_NE(errors[0].find(testserver::kSignalInputName), std::string::npos) << errors[0];
  const auto stopping = std::chrono::steady_clock::now();
  recorder.Stop();
  player.Stop();
  // Only a stop that waits for the lost server takes this long.
  EXPECT_LT(std::chrono::steady_clock::now() - stopping, std::chrono::seconds(30));

  ASSERT_EQ(recorder.DeviceCount(), 0);
  recorder.SetDevice(0);
  EXPECT_EQ(recorder.DeviceName(), "Virtual capture");
  ASSERT_EQ(player.DeviceCount(), 0);
  player.Play();
  EXPECT_EQ(player.LastError(), 0);
  player.Stop();
}
