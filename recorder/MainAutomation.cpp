// Starts and stops that come from outside the buttons: the global
// hotkeys, the schedule timer and the automatic split.

#include <memory>

#include "recorder/AutoSplit.h"
#include "recorder/Main.h"
#include "recorder/ScheduleCheck.h"

void TfrmMain::CreateAutomation() {
  tmSchedule = new TTimer(this);
  tmSchedule->SetInterval(500);
  // The check remembers the entries it stopped, from tick to tick.
  tmSchedule->OnTimer = [this, schedule = std::make_shared<TScheduleCheck>()](TObject*) {
    TScheduleTarget target;
    target.Recording = [this] { return recording_; };
    target.StartRecording = [this] { StartRecording(false); };
    target.Stop = [this] { StopRecording(); };
    schedule->RunNow(target);
  };
}

void TfrmMain::WndProc(TMessage& message) {
  if (message.Msg == WM_RECORDER_HOTKEY) {
    if (message.WParam == HOTKEY_START && !recording_) StartRecording(false);
    else if (message.WParam == HOTKEY_STOP) StopRecording();
    return;
  }
  TForm::WndProc(message);
}

void TfrmMain::CheckAutomaticSplit() {
  const TSplitSettings split = SplitSettings();
  if (!SplitIsDue(split, times_.Elapsed(GetTickCount64()))) return;
  StopRecording();
  if (split.TimeNewRecord) StartRecording(false);
}
