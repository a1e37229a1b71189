// The main window as the screen shows it, with a tone, a selection and
// the information line, or with a menu dropped over it, in its own theme
// file and in a built-in look, compared with the reference pictures in
// tests/editor/shots/. After an intended change of look:
//   VELMORA_UPDATE_SHOTS=1 build/tests/editor/test_editor --gtest_filter='*MainWindowShot*'
// then look at every picture before committing them.

#include "EditorMainFixture.h"
#include "platform/os/Clock.h"
#include "platform/win/Headless.h"
#include "skin/ZELFormControls.h"
#include "platform/os/VirtualKeys.h"
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
  void ShowToneInLook() {
    WriteHandOver(WriteTone("tone.wav", 22050), 0, 0);
    ShowMain();
    if (!GetParam().ownTheme) {
      frmMain->zelForm1->SetFileTheme(nullptr);
      frmMain->zelForm1->SetUIStyle(DeepBlue);
      ThemeDialogControls(frmMain, frmMain->zelForm1);
    }
  }
  TStillClock clock_;
};

// The shot of the main window with every other visible top-level window
// (the open menu) drawn over it where the screen shows it.
std::unique_ptr<TBitmap> ShootWithPopups(HWND main) {
  auto shot = ShootWindow(main);
  TRect mainRect;
  GetWindowRect(main, &mainRect);
  for (HWND top : GetTopLevelWindows()) {
    if (top == main || !IsWindowVisible(top)) continue;
    TRect rect;
    GetWindowRect(top, &rect);
    const auto popup = ShootWindow(top);
    for (int y = 0; y < popup->Height(); ++y) {
      const int row = rect.Top + y - mainRect.Top;
      if (row < 0 || row >= shot->Height()) continue;
      for (int x = 0; x < popup->Width(); ++x) {
        const int column = rect.Left + x - mainRect.Left;
        if (column < 0 || column >= shot->Width()) continue;
        for (int c = 0; c < 3; ++c) shot->ScanLine(row)[3 * column + c] = popup->ScanLine(y)[3 * x + c];
      }
    }
  }
  return shot;
}

TEST_P(MainWindowShot, ToneWithSelection) {
  ShowToneInLook();
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

// The Edit menu dropped from the menu bar over the window.
TEST_P(MainWindowShot, EditMenuOpen) {
  ShowToneInLook();
  frmMain->DocumentName = "/music/tone.wav";
  frmMain->UpdateFileInfo();
  frmMain->TickerTick();
  HeadlessPumpUntilIdle();
  TzelMenuBar* bar = frmMain->zelForm1->MenuBar();
  ASSERT_NE(bar, nullptr);
  std::unique_ptr<TBitmap> shot;
  frmMain->SetMessageHandler(WM_ENTERMENULOOP, [&](TMessage&) {
    PostToMainThread([&] {
      HeadlessPumpUntilIdle();
      shot = ShootWithPopups(frmMain->Handle());
      HeadlessKeyPress(VK_ESCAPE);
    });
  });
  TToolButton* edit = bar->Buttons(1);
  HeadlessClick(bar->ClientToScreen({edit->Left() + 4, edit->Top() + 4}));
  HeadlessPumpUntilIdle();
  ASSERT_NE(shot, nullptr);
  EXPECT_EQ(CompareWithReference(*shot, std::string("editor/shots/main-menu-") + GetParam().name + ".png"), "");
}

INSTANTIATE_TEST_SUITE_P(Looks, MainWindowShot,
                         ::testing::Values(TShotLook{"theme2", true}, TShotLook{"deepblue", false}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
