#pragma once
// Drives the burner library through its entry points, writing disc images
// into a private folder, and waits for the end of each burn.

#include <gtest/gtest.h>

#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <string>
#include <vector>

#include "platform/burnlib/EntryDeclarations.h"

class BurnFixture : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Selects the image drive; fails the test when it is missing.
  void SelectImageDrive();
  void SetVolumeLabel(const std::string& label);
  // Reads the options, lets `change` alter them and sets them again.
  void ChangeOptions(const std::function<void(foxabi::OptionsRecord&)>& change);
  // Prepare and Burn, then the burn-done error text ("" on success).
  std::string BurnAndWait();
  std::string WaitForBurnDone();

  std::string folder_;       // the test's own folder
  std::string imageFolder_;  // where images go

 private:
  static void OnBurnDone(const char* error, void* user);
  std::mutex mutex_;
  std::condition_variable done_;
  bool finished_ = false;
  std::string error_;
};

// A WAV file of a stereo tone, 16-bit at 44100 Hz; returns its PCM bytes.
std::vector<std::uint8_t> WriteToneWav(const std::string& path, double seconds, double hz);
std::vector<std::uint8_t> ReadFile(const std::string& path);
void WriteFile(const std::string& path, const std::string& content);
