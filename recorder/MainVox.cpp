// Voice activation: the level monitor's ticks start, resume, pause or
// stop recordings while the VOX box is checked.

#include "recorder/Main.h"

void TfrmMain::VoxTick() {
  const TSampleBlock last = AR_Monitor.GetLastSamples(TVoxDetector::kSamplesPerTick);
  const TVoxAction action = vox_.Tick(last, tbRecordVolume->Position(), VoxSettings(), cboxVox->Checked(),
                                      recording_, paused_);
  switch (action) {
    case TVoxAction::StartRecording: StartRecording(false); break;
    case TVoxAction::Resume: ResumeRecording(); break;
    case TVoxAction::Stop: StopRecording(); break;
    case TVoxAction::Pause: PauseRecording(); break;
    case TVoxAction::None: break;
  }
}

void TfrmMain::cboxVoxClick() {
  const bool on = cboxVox->Checked();
  for (TzelImageButton* button : {btnRecord, btnMail, btnPlay, btnPause}) button->SetEnabled(!on);
  KeepMonitorInStep();
  if (!on) {
    StopRecording();
    Label1->SetCaption("Idle");
  }
}
