#pragma once
// The burning-progress, device and erase windows over the real burner
// library, whose image drive writes into the test's scratch folder. The
// fixture stands in for the burner window: it owns the component, passes
// its events on as the burner window does, and keeps the notices shown.

#include <chrono>
#include <cstdlib>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "HeadlessWindows.h"
#include "burner/FoxBurnerSDKMain.h"
#include "platform/os/MainThread.h"
#include "recorder/Burning.h"
#include "recorder/Device.h"
#include "recorder/EraseProgress.h"
#include "recorder/GlobeVar.h"

class BurningWindowsTest : public HeadlessWindowsTest {
 protected:
  void SetUp() override {
    HeadlessWindowsTest::SetUp();
    MarkMainThread();
    highestShown = 0;
    images = Scratch() + "images/";
    setenv("FOXBURNER_IMAGE_DIR", images.c_str(), 1);
    Application->CreateForm(host);
    mfox = new TFoxBurnerSDK(host);
    mfox->SetTempPath(Scratch());
    mfox->SetActive(true);
    ASSERT_TRUE(mfox->Active()) << mfox->LastError();
    mfox->OnProcess = [](TObject*, float percent, float, float, double, double) {
      frmBurningProgress->ShowProcess(percent);
      if (BurnInProgress) highestShown = std::max(highestShown, frmBurningProgress->ProBurn->Position());
    };
    mfox->OnFinalize = [](TObject*) { frmBurningProgress->ShowFinalize(); };
    mfox->OnBurnDone = [this](TObject*, const std::string& error) {
      frmBurningProgress->ShowBurnResult(error);
      burnDone = true;
    };
    mfox->OnEraseDone = [](TObject*, const std::string& error) { frmEraseProgress->SetEraseDone(true, error); };
  }
  void TearDown() override {
    mfox->SetActive(false);
    HeadlessWindowsTest::TearDown();
    RunMainThreadQueue();
    frmBurningProgress = nullptr;
    frmDevice = nullptr;
    frmEraseProgress = nullptr;
    BurnType = 1;
    MediumType = 0;
    WriterList.Clear();
    SelectedWriterIndex = 0;
    BurnFileList.Clear();
    BurnInProgress = false;
    BurnAborted = false;
    unsetenv("FOXBURNER_IMAGE_DIR");
    unsetenv("FOXBURNER_IMAGE_MEDIUM");
  }

  // The writers as the burner window finds them: here the image drive
  // (and whatever optical writer the machine has).
  void FindWriters() {
    ASSERT_TRUE(mfox->RefreshDevices(true));
    for (int i = 1; i <= mfox->DeviceCount(); ++i)
      if (mfox->DeviceName(i).rfind("Z:", 0) == 0) WriterList.Add(mfox->DeviceName(i));
    ASSERT_EQ(WriterList.Count(), 1);
    mfox->SelectDevice('Z');
  }

  // The three windows, made in the program's order once the writers are
  // known, and handed the component.
  void CreateWindows() {
    Application->CreateForm(frmDevice);
    Application->CreateForm(frmBurningProgress);
    Application->CreateForm(frmEraseProgress);
    frmDevice->MFox = frmBurningProgress->MFox = frmEraseProgress->MFox = mfox;
    frmDevice->ShowNotice = frmBurningProgress->ShowNotice = [this](const std::string& text) {
      notices.push_back(text);
    };
  }

  // Handles events until `done` holds; the library works on its own thread.
  static bool PumpUntil(const std::function<bool()>& done, int timeoutMs = 20000) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (!done()) {
      if (std::chrono::steady_clock::now() >= deadline) return false;
      RunMainThreadQueue();
      HeadlessPumpUntilIdle();
      std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return true;
  }

  std::string images;
  TForm* host = nullptr;
  TFoxBurnerSDK* mfox = nullptr;
  std::vector<std::string> notices;
  bool burnDone = false;
  static inline int highestShown = 0;
};
