// Freeing the recorder's windows at the end of the program.

#include <filesystem>

#include "MainWindowFixture.h"

namespace {

class ShutdownTest : public MainWindowFixture {};

// The player is freed before the main window, whose own clean-up ends a
// running recording and would hand the file to the player.
TEST_F(ShutdownTest, FreedWindowsLeaveNoGlobalBehindEvenWithARecordingRunning) {
  ShowMain();
  OutputPath = Scratch();
  frmMain->btnRecord->Click();
  ASSERT_TRUE(frmMain->Recording());
  const std::string path = frmMain->OutputPath();
  PumpUntil([&] { return std::filesystem::exists(path) && std::filesystem::file_size(path) > 2000; });

  Application->DestroyForms();
  EXPECT_EQ(frmMain, nullptr);
  EXPECT_EQ(frmOptions, nullptr);
  EXPECT_EQ(frmPlayer, nullptr);
  EXPECT_EQ(frmConfirm, nullptr);
  ASSERT_TRUE(std::filesystem::exists(path));
  EXPECT_GT(std::filesystem::file_size(path), 2000u);
}

// A window made apart from the program's own leaves the global alone.
TEST_F(ShutdownTest, FreeingASecondWindowKeepsTheGlobalOnTheFirst) {
  ShowMain();
  TfrmPlayer* shown = frmPlayer;
  delete new TfrmPlayer(nullptr);
  EXPECT_EQ(frmPlayer, shown);
}

}  // namespace
