// The main window on a private sound server that offers a real input
// carrying a tone and, listed by the server before it, the monitor of a
// silent output: which input a first run takes, and an input chosen in the
// options window reaching the meters, voice activation and the recording.

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <optional>

#include "MainWindowFixture.h"
#include "TestAudioServer.h"
#include "platform/audio/AudioFile2.h"

namespace {

constexpr int kToneMeterLevel = 50;  // the tone's peak is half of full scale

class InputDeviceTest : public MainWindowFixture {
 protected:
  void SetUp() override {
    MainWindowFixture::SetUp();
    if (const char* old = std::getenv("PULSE_SERVER")) oldServer_ = old;
    std::string why;
    const std::string address = testserver::ServerAddress(why);
    if (address.empty()) GTEST_SKIP() << "No private sound server: " << why;
    setenv("VELMORA_AUDIO", "server", 1);
    setenv("PULSE_SERVER", address.c_str(), 1);
  }
  void TearDown() override {
    MainWindowFixture::TearDown();
    if (oldServer_) setenv("PULSE_SERVER", oldServer_->c_str(), 1);
    else unsetenv("PULSE_SERVER");
  }

  // Picks the named input from the options window's list, as a user does.
  static void ChooseInput(const std::string& name) {
    TComboBox* list = frmOptions->comboDevice;
    const int entry = list->Items()->IndexOf(name);
    ASSERT_GE(entry, 0) << name;
    list->SetItemIndex(entry);
    frmOptions->comboDeviceChange(list);
  }

  static std::string ChosenInput() {
    TComboBox* list = frmOptions->comboDevice;
    return list->ItemIndex() < 0 ? std::string() : list->Items()->Strings(list->ItemIndex());
  }

  // Runs the window (the meters smooth on its timers) until the left
  // meter shows a level `wanted` accepts.
  static bool MeterShows(const std::function<bool(int)>& wanted, int timeoutMs = 20000) {
    return PumpUntil(
        [&] {
          HeadlessAdvanceClock(50);
          HeadlessPumpUntilIdle();
          return wanted(frmMain->LeftMeter()->ShownLevel());
        },
        timeoutMs);
  }
  static bool MeterShowsTone() { return MeterShows([](int level) { return level >= kToneMeterLevel - 3; }); }
  static bool MeterFalls() { return MeterShows([](int level) { return level <= 0; }); }

 private:
  std::optional<std::string> oldServer_;
};

// The highest absolute sample value between two times of a recording.
int PeakBetween(const TSampleBlock& audio, int channels, double fromSeconds, double toSeconds) {
  const auto index = [&](double seconds) {
    return std::clamp<std::size_t>(static_cast<std::size_t>(seconds * 44100) * channels, 0, audio.size());
  };
  int peak = 0;
  for (std::size_t i = index(fromSeconds); i < index(toSeconds); ++i) peak = std::max(peak, std::abs(int{audio[i]}));
  return peak;
}

TEST_F(InputDeviceTest, FirstRunTakesTheServersDefaultInputAndListsMonitorsLast) {
  ShowMain();
  ASSERT_TRUE(messages.empty()) << messages.front();
  EXPECT_EQ(ChosenInput(), testserver::kSignalInputName);
  auto* inputs = frmOptions->comboDevice->Items();
  EXPECT_EQ(inputs->Strings(inputs->Count() - 1), testserver::kSinkMonitorName);
  EXPECT_EQ(frmMain->comboxSource->Items()->Strings(0), testserver::kSignalInputName);
}

TEST_F(InputDeviceTest, ChosenInputReachesTheMetersAndVoiceActivation) {
  ShowMain();
  OutputPath = Scratch();
  ChooseInput(testserver::kSinkMonitorName);
  EXPECT_EQ(frmMain->comboxSource->Items()->Strings(0), testserver::kSinkMonitorName);
  frmMain->cboxVox->SetChecked(true);
  // The silent output: nothing to show and nothing to record.
  EXPECT_FALSE(MeterShows([](int level) { return level > 0; }, 1500));
  EXPECT_FALSE(frmMain->Recording());

  ChooseInput(testserver::kSignalInputName);
  EXPECT_TRUE(MeterShowsTone());
  EXPECT_TRUE(PumpUntil([] { return frmMain->Recording(); }, 20000)) << "voice activation hears the tone";
  frmMain->cboxVox->SetChecked(false);
  EXPECT_FALSE(frmMain->Recording());
  EXPECT_TRUE(messages.empty());
}

TEST_F(InputDeviceTest, InputChangedWhileRecordingGoesOnInTheSameFile) {
  ShowMain();
  OutputPath = Scratch();
  frmMain->btnRecord->Click();
  ASSERT_TRUE(frmMain->Recording());
  const std::string path = frmMain->OutputPath();
  ASSERT_TRUE(MeterShowsTone());
  ASSERT_TRUE(PumpUntil([&] { return std::filesystem::file_size(path) > 44100 * 4 / 2; }, 20000));

  ChooseInput(testserver::kSinkMonitorName);
  EXPECT_TRUE(MeterFalls());
  // A second more of the silent output after what the switch flushed.
  const auto switched = std::filesystem::file_size(path);
  ASSERT_TRUE(PumpUntil([&] { return std::filesystem::file_size(path) >= switched + 44100 * 4; }, 20000));
  frmMain->btnStop->Click();
  EXPECT_EQ(frmMain->RecordRows().Count(), 1);
  EXPECT_TRUE(messages.empty());

  TAudioFile2 reader;
  reader.OpenRead(path, 0, 1);
  ASSERT_EQ(reader.LastError(), 0) << reader.LastErrorText();
  const TSampleBlock audio = reader.ReadBlock(reader.LengthSamples());
  const double seconds = static_cast<double>(reader.LengthSamples()) / 44100;
  ASSERT_GT(seconds, 1.5);
  EXPECT_GT(PeakBetween(audio, 2, 0.1, 0.4), 15000) << "the tone before the change";
  EXPECT_LT(PeakBetween(audio, 2, seconds - 0.4, seconds), 100) << "the silent output after it";
}

}  // namespace
