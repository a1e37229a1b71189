// Merging in the joiner window: the job from the ticked rows, the output
// named like a new recording, the thread that appends the files, their
// progress on the rows and in the strip, and the end.

#include "platform/framework/SysUtils.h"
#include "platform/os/Clock.h"
#include "platform/os/Files.h"
#include "platform/win/WinApi.h"
#include "recorder/GlobeVar.h"
#include "recorder/JoinList.h"
#include "recorder/Joiner.h"
#include "recorder/Main.h"
#include "recorder/OutputNaming.h"
#include "recorder/Player.h"
#include "recorder/RecorderFolders.h"
#include "recorder/WriterSetup.h"

namespace {

void Say(const std::string& text) {
  if (frmMain && frmMain->ShowMessage) frmMain->ShowMessage(text);
}

}  // namespace

void TfrmJoiner::WndProc(TMessage& message) {
  if (message.Msg == WM_TOOL_PROGRESS) {
    MergeProgress(static_cast<int>(message.WParam), static_cast<int>(message.LParam));
    return;
  }
  TForm::WndProc(message);
}

void TfrmJoiner::btnStartMergeClick() {
  if (merging_) return;
  cancelled_ = false;
  std::vector<std::string> files;
  std::vector<int> rows;
  TListItems* items = lvJoinList->Items();
  for (int i = 0; i < items->Count(); ++i) {
    TListItem* item = items->Item(i);
    if (!item->Checked() || !FileExists(item->Caption())) continue;
    files.push_back(item->Caption());
    rows.push_back(i);
  }
  if (files.size() < 2) return;

  const TOutputFormat format = OutputFormatOfSelected(comboxJoinOutputFormat->ItemIndex());
  ChooseWriterOutput(AF_OUT, AudioFile2LameEnc1, format);
  AF_OUT.SetWMAEnabled(true);
  TNamingSettings naming = JoinNaming();
  naming.Folder = FolderOfSetting(naming.Folder);
  SYSTEMTIME now;
  GetLocalTime(now);
  outputPath_ = MergeOutputPath(naming, OutputBaseName(now, naming), FormatExtension(format), files);
  AF_OUT.CreateWrite(outputPath_, 0);
  if (AF_OUT.LastError() != 0) {
    const std::string why = AF_OUT.LastErrorText();
    AF_OUT.Close();
    Say("Cannot create \"" + outputPath_ + "\": " + why);
    return;
  }

  StopPlaying();
  jobRows_ = std::move(rows);
  runningRow_ = -1;
  EnableWhileIdle(false);
  merging_ = true;
  thread_ = std::make_unique<TJoinerThread>(AF_IN, std::move(files), Handle(), AF_OUT);
  thread_->OnTerminate = [this](TObject*) { MergeEnded(); };
  thread_->Start();
}

void TfrmJoiner::btnCancelMergeClick() {
  cancelled_ = true;
  if (thread_) thread_->Terminate();
}

void TfrmJoiner::MergeProgress(int job, int percent) {
  // Progress that arrives after the end belongs to nothing.
  if (!merging_ || job < 0 || job >= static_cast<int>(jobRows_.size())) return;
  const int row = jobRows_[job];
  if (percent > 99) {
    runningRow_ = -1;
    SetStatus(row, "Done");
    return;
  }
  runningRow_ = row;
  SetStatus(row, "Merging: " + std::to_string(percent) + " % done");
  const int overall = OverallMergePercent(job, static_cast<int>(jobRows_.size()), percent);
  Label2->SetCaption("Merging: " + std::to_string(overall) + " % done");
  pbInfo->Invalidate();
}

void TfrmJoiner::MergeEnded() {
  // The progress still queued arrives before this ends the run.
  MSG queued;
  while (PeekMessage(&queued, Handle(), WM_TOOL_PROGRESS, WM_TOOL_PROGRESS, PM_REMOVE)) DispatchMessage(&queued);
  merging_ = false;
  EnableWhileIdle(true);
  Label2->SetCaption(InfoLine());
  pbInfo->Invalidate();
  AF_IN.Close();
  AF_OUT.Close();
  const std::string failure = thread_ ? thread_->ErrorText() : std::string();
  if (cancelled_) SetStatus(runningRow_, "Canceled");
  // The thread is still inside this call: it is freed, and any message
  // shown, once it has gone.
  alive_.Post([this, failure, finished = !cancelled_] {
    if (thread_) {
      thread_->WaitFor();
      thread_.reset();
    }
    if (!failure.empty()) Say("Merge failed: " + failure);
    else if (finished) Say("Merge finished");
    if (frmPlayer) frmPlayer->RefreshFileList();
    if (closeRequested_) {
      closeRequested_ = false;
      Close();
    }
  });
}

void TfrmJoiner::EnableWhileIdle(bool idle) {
  btnCancelMerge->SetVisible(!idle);
  btnStartMerge->SetVisible(idle);
  for (TControl* control : std::initializer_list<TControl*>{
           btnAdd, btnAddAll, btnDown, btnFirst, btnLast, btnRemove, btnRemoveAll, btnUp, btnPlay, btnStop,
           lvFolderList, lvJoinList, STV, comboxJoinOutputFormat, btnOutputFormat})
    control->SetEnabled(idle);
}
