// The main window as the screen shows it, with a tone, a selection and
// the information line, in its own theme file and in a built-in look,
// compared with the reference pictures in tests/editor/shots/. After an
// intended change of look:
//   VELMORA_UPDATE_SHOTS=1 build/tests/editor/test_editor --gtest_filter='MainWindowShot*'
// then look at every picture before committing them.

#include "EditorMainFixture.h"
#include "platform/os/Clock.h"
#include "skin/ZELFormControls.h"
#include "tests/shots/ReferenceShot.h"

namespace {

struct TShotLook {
  const char* name;
  bool ownTheme;  // the window's theme file, else the built-in DeepBlue look
};

// Time stands still, so the ticker shows its first line however slow the
// machine is.
class TStillClock : public IClock {
 public:
  std::uint64_t TickCount64() override { return 1000000; }
  SYSTEMTIME LocalTime() override { return {}; }
};

class MainWindowShot : public EditorMainTest, public ::testing::WithParamInterface<TShotLook> {
 protected:
  void SetUp() override {
    EditorMainTest::SetUp();
    SetClock(&clock_);
  }
  void TearDown() override {
    EditorMainTest::TearDown();
    SetClock(nullptr);
  }
  TStillClock clock_;
};

TEST_P(MainWindowShot, ToneWithSelection) {
  WriteHandOver(WriteTone("tone.wav", 22050), 0, 0);
  ShowMain();
  if (!GetParam().ownTheme) {
    frmMain->zelForm1->SetFileTheme(nullptr);
    frmMain->zelForm1->SetUIStyle(DeepBlue);
    ThemeDialogControls(frmMain, frmMain->zelForm1);
  }
  Select(5000, 12000);
  frmMain->AE->Position()->SetCurrentPosition(5000);
  // The caption shows a name that does not change from run to run.
  frmMain->DocumentName = "/music/tone.wav";
  frmMain->UpdateFileInfo();
  frmMain->TickerTick();
  HeadlessPumpUntilIdle();
  EXPECT_EQ(CompareWithReference(*ShootWindow(frmMain->Handle()),
                                 std::string("editor/shots/main-") + GetParam().name + ".png"),
            "");
}

INSTANTIATE_TEST_SUITE_P(Looks, MainWindowShot,
                         ::testing::Values(TShotLook{"theme2", true}, TShotLook{"deepblue", false}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
