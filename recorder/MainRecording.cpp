// The recording road of the main window: start, capture, live columns,
// pause, stop and the mail hand-over.

#include <filesystem>
#include <system_error>

#include "platform/audio/AudioFileErrors.h"
#include "platform/framework/StringList.h"
#include "platform/framework/ScrollInfo.h"
#include "platform/win/WinMessages.h"
#include "recorder/GlobeVar.h"
#include "recorder/Main.h"
#include "recorder/Player.h"
#include "recorder/WindowSkin.h"
#include "recorder/WriterSetup.h"
#include "skin/ZELPublic.h"

namespace {

// Size of a file being written; 0 while it cannot be read. Only the low
// 32 bits are shown, as the list always has.
std::int64_t FileSizeLow32(const std::string& path) {
  std::error_code error;
  const auto size = std::filesystem::file_size(path, error);
  return error ? 0 : static_cast<std::int64_t>(size & 0xFFFFFFFFu);
}

}  // namespace

void TfrmMain::CreateRecordingControls() {
  plRecordList = new TPanel(this);
  plRecordList->SetName("plRecordList");
  plRecordList->SetParent(this);
  plRecordList->SetBevelOuter(bvNone);
  plRecordList->SetBounds(7, 167, 593, 198);
  plRecordList->SetDoubleBuffered(true);
  lvRecordList = new TzelListView(this);
  lvRecordList->SetName("lvRecordList");
  lvRecordList->SetParent(plRecordList);
  lvRecordList->SetAlign(alClient);
  lvRecordList->SetDoubleBuffered(true);
  lvRecordList->SetGridLines(true);
  lvRecordList->SetRowSelect(true);
  lvRecordList->SetReadOnly(true);
  const struct { const char* caption; int width; TAlignment alignment; } columns[] = {
      {"Format", 60, taLeftJustify},     {"Record time", 160, taCenter}, {"Status", 160, taCenter},
      {"Duration", 90, taCenter},        {"Size", 106, taCenter}};
  for (const auto& column : columns) {
    TListColumn* added = lvRecordList->Columns()->Add();
    added->SetCaption(column.caption);
    added->SetWidth(column.width);
    added->SetAlignment(column.alignment);
  }
  CompanionScrollBars(lvRecordList, sbRecordListV, sbRecordListH);
  ApplyThemeToChildren(*plRecordList, FromThemeFile, themeMp10);

  btnRecord = PictureButton(this, "btnRecord", 10, 389, 37, 36, "MAIN_RECORD", "Start recording");
  btnRecord->OnClick = [this](TObject*) { StartRecording(false); };
  btnMail = PictureButton(this, "btnMail", 47, 393, 25, 27, "MAIN_MAIL", "Record and share it by email");
  btnMail->OnClick = [this](TObject*) { StartRecording(true); };
  btnPlay = PictureButton(this, "btnPlay", 75, 393, 25, 27, "MAIN_PLAY", "Play the selected file");
  btnPause = PictureButton(this, "btnPause", 101, 393, 25, 27, "MAIN_PAUSE", "Pause recording/playing");
  btnPause->OnClick = [this](TObject*) { TogglePause(); };
  btnStop = PictureButton(this, "btnStop", 127, 393, 25, 27, "MAIN_STOP", "Stop recording/playing");
  btnStop->OnClick = [this](TObject*) { StopRecording(); };

  tmSize = new TTimer(this);
  tmSize->SetInterval(1000);
  tmSize->OnTimer = [this](TObject*) { UpdateSizeCell(); };

  AR.OnEndArrayRecord = [this](TObject*, int) { WriteCapturedBlock(); };
  AR.OnTimer = [this](TObject*, int, int, int) { RecorderTimer(); };
  AR.OnError = [this](TObject*, const std::string& message) { EndRecordingOnFailure(message); };
}

void TfrmMain::StartRecording(bool mailRecording) {
  if (recording_) return;
  paused_ = false;
  SYSTEMTIME start;
  GetLocalTime(start);
  const TOutputFormat format = SelectedFormat();
  if (playing_) StopPlayback();
  StopAllCapture();
  AF1.Close();
  const std::string path = OutputPathFor(start, RecordingNaming(), format);
  try {
    PrepareRecording(AR, AF2, AudioFile2LameEnc1, format, path, cboxRNoise->Checked());
  } catch (const Exception& error) {
    // Nothing was started; the writer closed whatever it had made.
    ShowMessage(error.Message());
    return;
  }
  mailRecording_ = mailRecording;
  writeFailed_ = false;
  recording_ = true;
  KeepMonitorInStep();
  outputPath_ = path;
  times_.Start(GetTickCount64());

  Label1->SetCaption("Recording...");
  ShowPathLabel(path);
  Label3->SetCaption(AF2.FormatText());
  ShowActiveLook(true);
  btnRecord->SetEnabled(false);
  btnPlay->SetEnabled(false);
  btnMail->SetEnabled(false);

  const int row = rows_.StartRecording(start, format, path);
  ShowRow(row);
  TListItem* item = lvRecordList->Items()->Item(row);
  selectingRow_ = true;
  lvRecordList->SetSelected(item);
  lvRecordList->SetItemFocused(item);
  selectingRow_ = false;
  lvRecordList->Perform(WM_VSCROLL, SB_BOTTOM, 0);
  SetActiveControl(lvRecordList);
  tmSize->SetEnabled(true);
}

void TfrmMain::ShowRow(int index) {
  const TRecordRow& row = rows_.Row(index);
  TListItem* item = index < lvRecordList->Items()->Count() ? lvRecordList->Items()->Item(index)
                                                            : lvRecordList->Items()->Add();
  item->SetCaption(row.Caption);
  item->SetImageIndex(row.ImageIndex);
  TStringList* cells = item->SubItems();
  cells->Clear();
  cells->Add(row.RecordTime);
  cells->Add(row.Status);
  cells->Add(row.Duration);
  cells->Add(row.Size);
}

void TfrmMain::WriteCapturedBlock() {
  if (!recording_ || writeFailed_) return;
  try {
    AF2.WriteBlock(AR.GetBlock());
  } catch (const EAudioFileError& error) {
    EndRecordingOnFailure(error.Message());
  }
}

// A full disk, a lost file or a lost input: the recording ends once,
// keeping what was written, and says so once rather than for every block.
void TfrmMain::EndRecordingOnFailure(const std::string& message) {
  if (!recording_ || writeFailed_) return;
  writeFailed_ = true;
  PostWhileAlive([this, message] {
    StopRecording();
    ShowMessage(message);
  });
}

void TfrmMain::RecorderTimer() {
  if (!recording_ || rows_.Count() == 0) return;
  TRecordRow& row = rows_.Row(rows_.Count() - 1);
  row.Duration = FormatDurationClock(static_cast<std::int64_t>(times_.Duration(GetTickCount64())));
  ShowRow(rows_.Count() - 1);
  CheckAutomaticSplit();
}

void TfrmMain::UpdateSizeCell() {
  if (!recording_ || rows_.Count() == 0) return;
  rows_.Row(rows_.Count() - 1).Size = FormatByteSize(FileSizeLow32(outputPath_));
  ShowRow(rows_.Count() - 1);
}

void TfrmMain::TogglePause() {
  if (playing_) {
    if (paused_) ResumePlayback();
    else PausePlayback();
    return;
  }
  if (!recording_) return;
  if (paused_) ResumeRecording();
  else PauseRecording();
}

void TfrmMain::PauseRecording() {
  if (paused_) return;
  // Without a recording (voice activation waiting) only the state shows.
  paused_ = true;
  Label1->SetCaption(cboxVox->Checked() ? "Scanning..." : "Pause");
  if (!recording_) return;
  times_.Pause(GetTickCount64());
  AR.Stop();
  ShowActiveLook(false);
}

void TfrmMain::ResumeRecording() {
  if (!paused_) return;
  paused_ = false;
  if (!recording_) return;
  ShowActiveLook(true);
  Label1->SetCaption("Recording...");
  AR.Start();
  times_.Resume(GetTickCount64());
}

void TfrmMain::StopAllCapture() {
  AR.Stop();
  AF2.Close();
  if (cboxVox->Checked()) {
    ShowActiveLook(false);
  } else {
    leftMeter_->SetLevel(0);
    rightMeter_->SetLevel(0);
    AV->PutData(TSampleBlock());
  }
}

void TfrmMain::StopRecording() {
  paused_ = false;
  if (recording_) EndRecording();
  if (playing_) StopPlayback();
}

void TfrmMain::EndRecording() {
  StopAllCapture();
  recording_ = false;
  KeepMonitorInStep();
  tmSize->SetEnabled(false);
  Label1->SetCaption(cboxVox->Checked() ? "Scanning..." : "Idle");
  const int last = rows_.Count() - 1;
  TRecordRow& row = rows_.Row(last);
  row.Size = FormatByteSize(FileSizeLow32(outputPath_));
  row.Status = "Done";
  ShowRow(last);
  if (!cboxVox->Checked()) {
    btnRecord->SetEnabled(true);
    btnPlay->SetEnabled(true);
    btnMail->SetEnabled(true);
  }
  if (frmPlayer) frmPlayer->AddFileToList(outputPath_, true);
  if (mailRecording_) {
    TStringList mail;
    mail.Add("to=");
    mail.Add("subject=" + Subject);
    mail.Add("body=" + Body);
    mail.Add("attachment0=" + outputPath_);
    SendMailMapi(Handle(), mail);
  }
}

void TfrmMain::ShowActiveLook(bool active) {
  AV->SetLineColorLeft(active ? kWaveActiveLeft : kWaveIdle);
  AV->SetLineColorRight(active ? kWaveActiveRight : kWaveIdle);
  for (TMyAmpBar* meter : {leftMeter_, rightMeter_}) {
    if (!meter) continue;
    meter->SetLowColor(active ? kMeterActiveLow : kMeterIdleLow);
    meter->SetHighColor(active ? kMeterActiveHigh : kMeterIdleHigh);
  }
}
