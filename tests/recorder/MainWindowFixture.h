#pragma once
// The recorder's windows on a headless window system and the virtual
// audio devices, with settings and documents in a scratch home folder.

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <optional>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "HeadlessWindows.h"
#include "platform/os/MainThread.h"
#include "recorder/Confirm.h"
#include "recorder/GlobeVar.h"
#include "recorder/Main.h"
#include "recorder/Options.h"
#include "recorder/Player.h"

class MainWindowFixture : public HeadlessWindowsTest {
 protected:
  void SetUp() override {
    HeadlessWindowsTest::SetUp();
    MarkMainThread();
    const std::string home = Scratch();
    for (const char* name : {"HOME", "XDG_CONFIG_HOME", "XDG_DOCUMENTS_DIR", "VELMORA_AUDIO"}) {
      const char* value = std::getenv(name);
      saved_.emplace_back(name, value ? std::optional<std::string>(value) : std::nullopt);
    }
    setenv("HOME", home.c_str(), 1);
    setenv("XDG_CONFIG_HOME", (home + "config").c_str(), 1);
    unsetenv("XDG_DOCUMENTS_DIR");
    setenv("VELMORA_AUDIO", "virtual", 1);
  }
  void TearDown() override {
    RunMainThreadQueue();
    // Freeing the windows clears their globals.
    HeadlessWindowsTest::TearDown();
    for (auto& [name, value] : saved_) {
      if (value) setenv(name.c_str(), value->c_str(), 1);
      else unsetenv(name.c_str());
    }
  }

  // Creates the windows in the program's order, the settings file holding
  // `storedSettings` when given; `beforeShow` runs just before the main
  // window is first shown.
  void ShowMain(const std::function<void()>& beforeShow = {}) {
    Application->CreateForm(frmMain);
    frmMain->ShowMessage = [this](const std::string& text) { messages.push_back(text); };
    if (!storedSettings.empty()) std::ofstream(SettingsFolder + SettingsFileName) << storedSettings;
    Application->CreateForm(frmOptions);
    Application->CreateForm(frmPlayer);
    Application->CreateForm(frmConfirm);
    if (beforeShow) beforeShow();
    frmMain->Show();
  }

  // Handles the window's events until `done` holds (the audio devices run
  // in real time).
  static bool PumpUntil(const std::function<bool()>& done, int timeoutMs = 5000) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (!done()) {
      if (std::chrono::steady_clock::now() >= deadline) return false;
      RunMainThreadQueue();
      HeadlessPumpUntilIdle();
      std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return true;
  }
  static void PumpFor(int ms) { PumpUntil([] { return false; }, ms); }

  std::vector<std::string> messages;
  std::string storedSettings;

 private:
  std::vector<std::pair<std::string, std::optional<std::string>>> saved_;
};
