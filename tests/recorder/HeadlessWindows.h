#pragma once
// A headless window system per test, every form freed at the end, and a
// scratch folder removed with it. The shared globals the windows publish
// get their earlier values back, so no test sees what another one left.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "KeepGlobals.h"
#include "platform/framework/Forms.h"
#include "platform/win/Headless.h"

class HeadlessWindowsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    InitWindowSystem(TBackendKind::Headless);
    HeadlessSetScreen(Rect(0, 0, 1024, 768), Rect(0, 0, 1024, 740));
  }
  void TearDown() override {
    Application->DestroyForms();
    ShutdownWindowSystem();
    if (!scratch_.empty()) std::filesystem::remove_all(scratch_);
  }

  // Makes Scratch() the given folder, emptied, in place of a fresh one with
  // a made-up name: for pictures of windows that show the path. Call before
  // SetUp; the caller keeps other runs off the folder meanwhile.
  void UseFixedScratch(const std::string& folder) {
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    scratch_ = folder;
  }

  // A fresh empty folder, ending in "/".
  std::string Scratch() {
    if (scratch_.empty()) {
      std::string pattern = std::filesystem::temp_directory_path().string() + "/recspine-XXXXXX";
      scratch_ = mkdtemp(pattern.data());
    }
    return scratch_ + "/";
  }

 private:
  TKeepGlobals keepGlobals_;
  std::string scratch_;
};
