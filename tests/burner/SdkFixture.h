#pragma once
// A burner component over the stand-in library beside the test program;
// the test reaches the stand-in's control block to set answers and fire
// callbacks.

#include <gtest/gtest.h>

#include <memory>

#include "FakeControl.h"
#include "burner/FoxBurnerSDKCore.h"
#include "burner/FoxBurnerSDKMain.h"
#include "platform/os/DynamicLibrary.h"
#include "platform/os/MainThread.h"

class SdkFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    MarkMainThread();
    module_ = LoadLibrary(BurnerDllPath());
    ASSERT_NE(module_, nullptr);
    auto control = reinterpret_cast<FakeControlFn>(GetProcAddress(module_, "FakeBurnerControl"));
    ASSERT_NE(control, nullptr);
    fake_ = control();
    *fake_ = FakeControl{};
    sdk_ = std::make_unique<TFoxBurnerSDK>(nullptr);
  }
  void TearDown() override {
    sdk_.reset();
    RunMainThreadQueue();
    FreeLibrary(module_);
  }
  void Activate() {
    sdk_->SetActive(true);
    ASSERT_TRUE(sdk_->Active());
    fake_->calls.clear();
  }

  HMODULE module_ = nullptr;
  FakeControl* fake_ = nullptr;
  std::unique_ptr<TFoxBurnerSDK> sdk_;
};
