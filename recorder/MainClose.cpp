// Closing the main window: a running conversion in the player window is
// cancelled only when the user agrees; then everything stops.

#include "platform/os/Clock.h"
#include "recorder/Main.h"
#include "recorder/Player.h"

namespace {
constexpr int kYes = 6;
constexpr DWORD kCancelWaitMs = 100;  // lets the conversion see its cancel
}  // namespace

void TfrmMain::FormCloseQuery(TObject*, bool& canClose) {
  if (!frmPlayer || frmPlayer->ConvertingRowIndex() < 0) return;
  if (AskQuestion("Converting in progress, do you want to cancel ?") != kYes) {
    canClose = false;
    return;
  }
  frmPlayer->CancelConversion();
  Sleep(kCancelWaitMs);
}

void TfrmMain::FormClose(TObject*, TCloseAction&) {
  StopRecording();
  recording_ = false;
  AF1.Close();
  AF2.Close();
  Hide();
  if (frmPlayer) frmPlayer->Hide();
}
