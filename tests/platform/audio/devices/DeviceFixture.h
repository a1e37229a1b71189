#pragma once
// Runs a test on the built-in virtual devices and again on a private sound
// server, which both offer an input carrying a 1 kHz tone at half of full
// scale (meter level 50).

#include <memory>
#include <string>

#include <gtest/gtest.h>

#include "EventPump.h"
#include "TestAudioServer.h"
#include "platform/audio/AudioRecord2.h"
#include "platform/os/MainThread.h"

class OnEachBackend : public ::testing::TestWithParam<std::string> {
 protected:
  static constexpr double kToneHz = 1000;
  static constexpr double kToneAmplitude = 16384;

  void SetUp() override {
    MarkMainThread();
    if (GetParam() == "virtual") {
      mode_ = std::make_unique<testpump::ScopedEnv>("VELMORA_AUDIO", "virtual");
      return;
    }
    std::string why;
    const std::string address = testserver::ServerAddress(why);
    if (address.empty()) GTEST_SKIP() << "No private sound server: " << why;
    mode_ = std::make_unique<testpump::ScopedEnv>("VELMORA_AUDIO", "server");
    server_ = std::make_unique<testpump::ScopedEnv>("PULSE_SERVER", address);
  }

  void TearDown() override { RunMainThreadQueue(); }

  bool OnServer() const { return GetParam() != "virtual"; }

  // Selects the device of that name and its first line; false when absent.
  static bool SelectInput(TAudioRecord2& recorder, const std::string& device) {
    for (int d = 0; d <= recorder.DeviceCount(); ++d) {
      recorder.SetDevice(d);
      if (recorder.DeviceName() == device) {
        recorder.SetLine(0);
        recorder.SetLineSelected(true);
        return true;
      }
    }
    return false;
  }

  // The input with the known tone.
  bool SelectToneInput(TAudioRecord2& recorder) {
    return SelectInput(recorder, OnServer() ? testserver::kSignalInputName : "Virtual capture");
  }

 private:
  std::unique_ptr<testpump::ScopedEnv> mode_, server_;
};

inline std::string BackendName(const ::testing::TestParamInfo<std::string>& info) { return info.param; }
