#pragma once
// The editor's main window on a headless window system, in a scratch home
// folder, with its message boxes, file dialogs and further copies
// answered by the test.

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <deque>
#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "editor/GlobeVar.h"
#include "editor/HandOver.h"
#include "editor/Main.h"
#include "editor/Options.h"
#include "platform/audio/AudioFile2.h"
#include "platform/os/MainThread.h"
#include "tests/platform/framework/FormTestSupport.h"

class EditorMainTest : public HeadlessFormsTest {
 protected:
  void SetUp() override {
    HeadlessFormsTest::SetUp();
    MarkMainThread();
    std::string pattern = std::filesystem::temp_directory_path().string() + "/olwick-XXXXXX";
    scratch_ = mkdtemp(pattern.data());
    for (const char* name : {"HOME", "XDG_CONFIG_HOME", "VELMORA_AUDIO"}) {
      const char* value = std::getenv(name);
      saved_.emplace_back(name, value ? std::optional<std::string>(value) : std::nullopt);
    }
    setenv("HOME", scratch_.c_str(), 1);
    setenv("XDG_CONFIG_HOME", (scratch_ + "/config").c_str(), 1);
    setenv("VELMORA_AUDIO", "virtual", 1);
    settings_ = scratch_ + "/config/" + kSettingsFolderName + "/";
    std::filesystem::create_directories(settings_);
    // The output formats the options window publishes when the program runs.
    WavFreq = MP3Freq = OggFreq = 44100;
    WavChannels = MP3Channels = OggChannels = 2;
    WavSampleRate = 16;
    MP3BitRate = 128;
    MP3MaxBitRate = 320;
    MP3EncoderQuality = MP3VBRQuality = 5;
    MP3VBREnable = MP3VBRHeader = false;
    OggBitRate = 399;
    WmaFormat = 1;
  }
  void TearDown() override {
    RunMainThreadQueue();
    HeadlessFormsTest::TearDown();
    std::filesystem::remove_all(scratch_);
    for (auto& [name, value] : saved_) {
      if (value) setenv(name.c_str(), value->c_str(), 1);
      else unsetenv(name.c_str());
    }
  }

  // Creates the main window and shows it, which activates it.
  void ShowMain() {
    Application->CreateForm(frmMain);
    frmMain->MessageBox = [this](const std::string& text, UINT) {
      messages.push_back(text);
      if (answers.empty()) return IDOK;
      const int answer = answers.front();
      answers.pop_front();
      return answer;
    };
    frmMain->ExecuteDialog = [this](TOpenDialog* dialog) {
      if (chosenFiles.empty()) return false;
      const std::string file = chosenFiles.front();
      chosenFiles.pop_front();
      if (file.empty()) return false;
      dialog->SetFileName(file);
      return true;
    };
    frmMain->StartCopy = [this] {
      ++copiesStarted;
      return true;
    };
    frmMain->Show();
    HeadlessPumpUntilIdle();
  }

  void WriteHandOver(const std::string& fileName, int left, int top) {
    std::ofstream(settings_ + kHandOverFileName)
        << "[Init]\nFileName=" << fileName << "\nLeft=" << left << "\nTop=" << top << "\n";
  }

  // A WAV file of a 440 Hz tone.
  std::string WriteTone(const std::string& name, int frames, int rate = 44100, int channels = 2) {
    const std::string path = Path(name);
    TAudioFile2 file;
    file.SetWAVOutput(rate, channels, 16);
    file.CreateWrite(path, 0);
    TSampleBlock block;
    for (int i = 0; i < frames; ++i)
      block.insert(block.end(), channels, static_cast<std::int16_t>(8000 * std::sin(2 * M_PI * 440.0 * i / rate)));
    if (!block.empty()) file.WriteBlock(block);
    file.Close();
    return path;
  }

  static void Select(std::int64_t from, std::int64_t to) {
    frmMain->AE->Position()->SetSelectionStart(from);
    frmMain->AE->Position()->SetSelectionEnd(to);
  }

  std::string Path(const std::string& name) const { return scratch_ + "/" + name; }
  const std::string& SettingsPath() const { return settings_; }

  std::vector<std::string> messages;
  std::deque<int> answers;             // message box answers, IDOK when none is left
  std::deque<std::string> chosenFiles;  // file dialog choices; "" cancels
  int copiesStarted = 0;

 private:
  std::string scratch_;
  std::string settings_;
  std::vector<std::pair<std::string, std::optional<std::string>>> saved_;
};
