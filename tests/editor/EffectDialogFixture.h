#pragma once
// A headless window system per test with every effect dialog made once,
// as the editor makes them at start-up, and freed at the end.

#include <gtest/gtest.h>

#include <functional>

#include "editor/Amplify.h"
#include "editor/BandPassFilter.h"
#include "editor/Delay.h"
#include "editor/EffectDialogs.h"
#include "editor/FadeInOut.h"
#include "editor/Flanger.h"
#include "editor/HighPassFilter.h"
#include "editor/HighShelfFilter.h"
#include "editor/InsertSilence.h"
#include "editor/LowPassFilter.h"
#include "editor/LowShelfFilter.h"
#include "editor/NotchFilter.h"
#include "editor/Normalize.h"
#include "editor/Vibrato.h"
#include "platform/os/MainThread.h"
#include "platform/win/Headless.h"

class EffectDialogTest : public ::testing::Test {
 protected:
  void SetUp() override {
    InitWindowSystem(TBackendKind::Headless);
    HeadlessSetScreen(Rect(0, 0, 1024, 768), Rect(0, 0, 1024, 740));
    CreateEffectDialogs();
  }
  void TearDown() override {
    Application->DestroyForms();
    ShutdownWindowSystem();
  }

  // Shows the dialog modally, runs `act` once it shows, and gives back the
  // modal result.
  static int ShowAndDo(TForm* dialog, const std::function<void()>& act) {
    PostToMainThread([&] {
      HeadlessPumpUntilIdle();
      act();
    });
    return dialog->ShowModal();
  }
};
