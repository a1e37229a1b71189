// The device window's writer choice and erase, and the erase window's
// estimate: rising to a target short of the end, waiting there until the
// library reports the end, then running to 100 and closing.

#include <filesystem>
#include <fstream>

#include "BurningWindowsFixture.h"
#include "platform/os/Clock.h"

namespace {

class StepClock : public IClock {
 public:
  std::uint64_t now = 5000000;
  std::uint64_t TickCount64() override { return now; }
  SYSTEMTIME LocalTime() override { return {}; }
};

class EraseEstimate : public HeadlessWindowsTest {
 protected:
  void SetUp() override {
    HeadlessWindowsTest::SetUp();
    SetClock(&clock);
    TForm* main = nullptr;
    Application->CreateForm(main);
    Application->CreateForm(frmEraseProgress);
    window = frmEraseProgress;
  }
  void TearDown() override {
    SetClock(nullptr);
    HeadlessWindowsTest::TearDown();
    frmEraseProgress = nullptr;
  }
  // One timer tick `ms` after the previous one.
  int Tick(std::uint64_t ms = 100) {
    clock.now += ms;
    window->tmEraseTimer(window);
    return window->pbarErase->Position();
  }

  StepClock clock;
  TfrmEraseProgress* window = nullptr;
};

TEST_F(EraseEstimate, QuickEraseReportedAfterHalfAMinuteRunsUpAndCloses) {
  window->SetEraseMode(false);
  EXPECT_EQ(window->lbActivity->Caption(), "Quick-erase rewritable disc");
  window->Show();
  EXPECT_EQ(Tick(30000), 25);
  EXPECT_EQ(window->lbTime->Caption(), "00:30");
  window->SetEraseDone(true);
  for (int i = 0; i < 37; ++i) Tick();
  EXPECT_EQ(window->pbarErase->Position(), 99);
  EXPECT_TRUE(window->Visible());
  Tick();
  EXPECT_FALSE(window->Visible());
  EXPECT_FALSE(window->tmErase->Enabled());
}

TEST_F(EraseEstimate, TheEstimateWaitsAtItsTargetAndTheWindowStaysUntilTheEnd) {
  window->SetEraseMode(true);
  window->Show();
  EXPECT_GE(window->Target(), 70);
  EXPECT_LE(window->Target(), 89);
  EXPECT_EQ(Tick(14 * 60000 - 100), std::min(70, window->Target()));
  EXPECT_EQ(Tick(11 * 60000), window->Target());
  window->Close();
  EXPECT_TRUE(window->Visible());

  // A late tick does not carry a quick erase past its target either.
  window->SetEraseMode(false);
  window->FormShow(window);
  EXPECT_EQ(Tick(119000), window->Target());
}

TEST_F(EraseEstimate, AnEndReportedAtOnceIsKeptAndAFailureClosesTheWindow) {
  window->SetEraseMode(false);
  window->SetEraseDone(true);
  window->Show();
  EXPECT_TRUE(window->EraseDone());
  EXPECT_EQ(Tick(), 2);
  window->Close();
  EXPECT_FALSE(window->Visible());

  window->SetEraseMode(true);
  window->Show();
  Tick();
  window->SetEraseDone(true, "The disc cannot be erased");
  EXPECT_FALSE(window->Visible());
  EXPECT_EQ(window->EraseError(), "The disc cannot be erased");
}

class DeviceWindow : public BurningWindowsTest {
 protected:
  // A rewritable disc in the image drive with a burn on it.
  void InsertWrittenRewritable() {
    setenv("FOXBURNER_IMAGE_MEDIUM", "cd-rw", 1);
    std::filesystem::create_directories(images);
    std::ofstream(images + "CD-RW.disc") << 5000000;
  }
  int ComboCount() { return frmDevice->CmbBurner->Items()->Count(); }

  // Clicks an erase button. The estimate's timer runs on the virtual
  // clock, one step per turn of the erase window's loop, which meanwhile
  // takes the end the library reports from its own thread; a step stays
  // queued until the click returns, so the loop never waits on nothing.
  static void EraseThroughTheWindow(TzelButton* button) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::minutes(2);
    bool returned = false;
    std::function<void()> step = [&] {
      if (returned) return;
      if (std::chrono::steady_clock::now() > deadline && frmEraseProgress->Visible())
        frmEraseProgress->SetEraseDone(true, "the erase window did not close by itself");
      HeadlessAdvanceClock(100);
      std::this_thread::sleep_for(std::chrono::milliseconds(2));
      PostToMainThread(step);
    };
    PostToMainThread(step);
    button->Click();
    returned = true;
    RunMainThreadQueue();  // no step outlives the click
  }
};

TEST_F(DeviceWindow, WithoutWritersOkChangesNothingAndNothingIsErased) {
  CreateWindows();
  ASSERT_EQ(ComboCount(), 1);
  EXPECT_EQ(frmDevice->CmbBurner->Items()->Strings(0), "-- No burning drives available --");
  EXPECT_EQ(frmDevice->CmbBurner->ItemIndex(), 0);
  SelectedWriterIndex = 0;
  frmDevice->bOK->Click();
  EXPECT_EQ(SelectedWriterIndex, 0);
  EXPECT_EQ(frmDevice->ModalResult(), mrOk);
  frmDevice->bQuickErase->Click();
  frmDevice->bEjectDevice->Click();
  EXPECT_EQ(notices, std::vector<std::string>{"No Medium"});
}

TEST_F(DeviceWindow, OkMakesTheChosenWriterCurrentAndAWriteOnceDiscIsNotErased) {
  FindWriters();
  CreateWindows();
  ASSERT_EQ(ComboCount(), 1);
  EXPECT_EQ(frmDevice->CmbBurner->Items()->Strings(0), WriterList[0]);
  frmDevice->FormShow(frmDevice);
  frmDevice->bCloseDevice->Click();
  EXPECT_EQ(mfox->LastError(), 0);
  frmDevice->bOK->Click();
  EXPECT_EQ(SelectedWriterIndex, 0);
  EXPECT_EQ(mfox->CurrentDevice(), 'Z');
  frmDevice->bCancel->Click();
  EXPECT_EQ(frmDevice->ModalResult(), mrCancel);

  frmDevice->bFullErase->Click();
  EXPECT_EQ(notices, std::vector<std::string>{"Medium Unrewriteable"});
  EXPECT_FALSE(frmEraseProgress->Visible());
}

TEST_F(DeviceWindow, QuickEraseBlanksTheRewritableDiscAndTheWindowClosesOnItsOwn) {
  InsertWrittenRewritable();
  FindWriters();
  CreateWindows();
  ASSERT_TRUE(mfox->ReadMediumInfo());
  ASSERT_EQ(mfox->MediumInfo().Status, 2);
  EraseThroughTheWindow(frmDevice->bQuickErase);
  EXPECT_TRUE(notices.empty()) << notices.front();
  EXPECT_EQ(frmEraseProgress->pbarErase->Position(), 100);
  EXPECT_FALSE(mfox->Options()->Switches().Contains(osEjectAfterBurn));
  ASSERT_TRUE(mfox->ReadMediumInfo());
  EXPECT_EQ(mfox->MediumInfo().Status, 0);
  EXPECT_FALSE(std::filesystem::exists(images + "CD-RW.disc"));
}

TEST_F(DeviceWindow, AFailedEraseEndsTheEraseWindowAndShowsTheLibrarysText) {
  setenv("FOXBURNER_IMAGE_MEDIUM", "cd-rw", 1);
  // A disc record the library cannot remove.
  std::filesystem::create_directories(images + "CD-RW.disc/stuck");
  FindWriters();
  CreateWindows();
  EraseThroughTheWindow(frmDevice->bFullErase);
  ASSERT_EQ(notices.size(), 1u);
  EXPECT_EQ(notices[0].rfind("Cannot erase the disc image", 0), 0u) << notices[0];
  EXPECT_LT(frmEraseProgress->pbarErase->Position(), 100);
}

}  // namespace
