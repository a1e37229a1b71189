// Devices, lines, volumes and mute as the windows list and set them.

#include <algorithm>
#include <vector>

#include "DeviceFixture.h"
#include "platform/audio/AudioPlayer2.h"
#include "platform/audio/DeviceSelection.h"
#include "platform/base/Exceptions.h"

namespace {

std::vector<std::string> DeviceNames(TAudioRecord2& recorder) {
  std::vector<std::string> names;
  for (int d = 0; d <= recorder.DeviceCount(); ++d) {
    recorder.SetDevice(d);
    EXPECT_TRUE(recorder.DeviceAvailable());
    names.push_back(recorder.DeviceName());
  }
  return names;
}

std::vector<std::string> LineNames(TAudioRecord2& recorder) {
  std::vector<std::string> names;
  for (int l = 0; l <= recorder.LineCount(); ++l) {
    recorder.SetLine(l);
    if (recorder.LineAvailable()) names.push_back(recorder.LineName());
  }
  return names;
}

bool Contains(const std::vector<std::string>& v, const std::string& s) {
  return std::find(v.begin(), v.end(), s) != v.end();
}

using Enumeration = OnEachBackend;

}  // namespace

TEST_P(Enumeration, ListsTheInputsAndTheirLines) {
  TAudioRecord2 recorder;
  const auto devices = DeviceNames(recorder);
  if (OnServer()) {
    EXPECT_TRUE(Contains(devices, testserver::kSignalInputName));
    EXPECT_TRUE(Contains(devices, testserver::kSinkMonitorName));  // monitors count as inputs
    ASSERT_TRUE(SelectInput(recorder, testserver::kSignalInputName));
    // An input without ports has one line, named as the input.
    EXPECT_EQ(recorder.LineCount(), 0);
    EXPECT_EQ(LineNames(recorder), std::vector<std::string>{testserver::kSignalInputName});
  } else {
    EXPECT_EQ(devices, std::vector<std::string>{"Virtual capture"});
    EXPECT_EQ(recorder.LineCount(), 1);
    EXPECT_EQ(LineNames(recorder), (std::vector<std::string>{"Test tone", "Silence"}));
  }
  // Out of range: not available, no name, nothing to start.
  recorder.SetDevice(recorder.DeviceCount() + 1);
  EXPECT_FALSE(recorder.DeviceAvailable());
  EXPECT_EQ(recorder.DeviceName(), "");
  EXPECT_EQ(recorder.LineCount(), -1);
  EXPECT_FALSE(recorder.LineAvailable());
  EXPECT_THROW(recorder.Start(), Exception);
  EXPECT_THROW(recorder.SetLineSelected(true), Exception);
}

TEST_P(Enumeration, OutputHasAWaveLineWithVolumeAndMute) {
  TAudioPlayer2 player;
  ASSERT_EQ(player.DeviceCount(), 0);  // the virtual output, or the test sink
  player.SetDevice(0);
  ASSERT_GE(player.LineCount(), 0);
  player.SetLine(0);
  EXPECT_TRUE(player.LineIsWave());

  player.SetLineVolume(20000);
  EXPECT_NEAR(player.LineVolume(), 20000, 2);
  player.SetLineMute(true);
  player.SetLineMute(false);
  player.SetLineVolume(65535);
  EXPECT_NEAR(player.LineVolume(), 65535, 2);
}

TEST_P(Enumeration, RecordVolumeScalesTheInput) {
  TAudioRecord2 recorder;
  ASSERT_TRUE(SelectToneInput(recorder));
  recorder.SetLineVolume(32768);
  EXPECT_NEAR(recorder.LineVolume(), 32768, 2);
  recorder.SetFormat(44100, 2);
  recorder.SetTimerInterval(50);
  int level = -1;
  recorder.OnTimer = [&](TObject*, int, int left, int) { level = left; };
  recorder.Start();
  testpump::PumpFor(700);
  recorder.Stop();
  recorder.SetLineVolume(65535);
  // Half of the volume scale is about -18 dB on the server's cubic scale,
  // and exactly half the amplitude on the virtual input.
  if (OnServer()) EXPECT_NEAR(level, 6, 2);
  else EXPECT_NEAR(level, 25, 1);
}

TEST_P(Enumeration, SelectingTheSilenceLineSilencesTheVirtualInput) {
  if (OnServer()) GTEST_SKIP() << "the test server's inputs have a single line";
  TAudioRecord2 recorder;
  ASSERT_TRUE(SelectToneInput(recorder));
  recorder.SetLine(1);
  recorder.SetLineSelected(true);
  int level = -1;
  recorder.OnTimer = [&](TObject*, int, int left, int) { level = left; };
  recorder.Start();
  testpump::PumpFor(300);
  recorder.Stop();
  EXPECT_EQ(level, 0);
  recorder.SetLine(0);
  recorder.SetLineSelected(true);
  // Another recorder sees the choice: the line is the device's, not the component's.
  TAudioRecord2 other;
  other.SetDevice(0);
  EXPECT_EQ(other.Line(), 0);
}

TEST_P(Enumeration, RealInputsComeBeforeMonitorsAndTheDefaultIsKnown) {
  TAudioRecord2 recorder;
  const auto devices = DeviceNames(recorder);
  std::vector<std::string> defaults;
  for (int d = 0; d <= recorder.DeviceCount(); ++d) {
    recorder.SetDevice(d);
    if (recorder.DeviceIsDefault()) defaults.push_back(recorder.DeviceName());
  }
  if (!OnServer()) {
    EXPECT_EQ(defaults, std::vector<std::string>{"Virtual capture"});
    return;
  }
  // The server lists the output's monitor first (its output was made
  // first); the input the server records from leads the list.
  EXPECT_EQ(defaults, std::vector<std::string>{testserver::kSignalInputName});
  ASSERT_FALSE(devices.empty());
  EXPECT_EQ(devices.front(), testserver::kSignalInputName);
  EXPECT_EQ(devices.back(), testserver::kSinkMonitorName);
}

TEST(CaptureOrder, RealInputsFirstEachGroupLedByTheDefault) {
  using detail::AudioDeviceInfo;
  const auto device = [](const char* name, bool monitor, bool serverDefault) {
    AudioDeviceInfo d;
    d.id = d.name = name;
    d.monitor = monitor;
    d.serverDefault = serverDefault;
    return d;
  };
  const auto order = [](std::vector<AudioDeviceInfo> devices) {
    detail::OrderCaptureDevices(devices);
    std::string names;
    for (const auto& d : devices) names += d.name;
    return names;
  };
  // Monitors move behind the inputs, which keep the server's order.
  EXPECT_EQ(order({device("a", true, false), device("B", false, false), device("c", true, false),
                   device("D", false, false)}),
            "BDac");
  // The default input leads.
  EXPECT_EQ(order({device("a", true, false), device("B", false, false), device("D", false, true)}), "DBa");
  // A default monitor leads the monitors only: real inputs stay first.
  EXPECT_EQ(order({device("B", false, false), device("a", true, false), device("c", true, true)}), "Bca");
  EXPECT_EQ(order({}), "");
}

INSTANTIATE_TEST_SUITE_P(Devices, Enumeration, ::testing::Values("virtual", "server"), BackendName);
