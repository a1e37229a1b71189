// The burning-progress, device and erase windows as the screen shows
// them, in the dialogs' own theme, compared with the reference pictures in
// tests/recorder/shots/. After an intended change of look:
//   VELMORA_UPDATE_SHOTS=1 build/tests/recorder/test_recorder --gtest_filter='BurningShot*'
// then look at every picture before committing them.

#include "BurningWindowsFixture.h"
#include "tests/shots/ReferenceShot.h"

namespace {

class BurningShot : public BurningWindowsTest {
 protected:
  // Shows the dialog modally, compares it with NAME.png once `act` ran,
  // and closes it.
  void Expect(TForm* dialog, const std::string& name, const std::function<void()>& act) {
    std::string difference = "the dialog did not show";
    PostToMainThread([&] {
      act();
      HeadlessPumpUntilIdle();
      difference = CompareWithReference(*ShootWindow(dialog->Handle()), "recorder/shots/" + name + ".png");
      dialog->SetModalResult(mrCancel);
    });
    dialog->ShowModal();
    EXPECT_EQ(difference, "");
  }
};

TEST_F(BurningShot, BurnProgressForADataDiscAndAnAudioCd) {
  WriterList.Add("Z: Disc image file");
  CreateWindows();
  TfrmBurningProgress* window = frmBurningProgress;
  BurnType = 2;
  window->ArrangeLayout(false);
  Expect(window, "burn-progress-data", [&] {
    window->lbWriting->SetCaption("Burning MP3 CD ...");
    window->lbWriteTime->SetCaption("01:07");
    window->ProBurn->SetPosition(42);
  });
  BurnType = 1;
  window->ArrangeLayout(true);
  Expect(window, "burn-progress-audio", [] {});
}

TEST_F(BurningShot, DeviceAndErase) {
  WriterList.Add("Z: Disc image file");
  CreateWindows();
  Expect(frmDevice, "device", [] {});
  frmEraseProgress->SetEraseMode(false);
  Expect(frmEraseProgress, "erase", [] {
    frmEraseProgress->tmErase->SetEnabled(false);
    frmEraseProgress->pbarErase->SetPosition(37);
    frmEraseProgress->lbTime->SetCaption("00:44");
    frmEraseProgress->SetEraseDone(true);  // so the window may close after the shot
  });
}

}  // namespace
