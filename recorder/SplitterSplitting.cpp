// Splitting in the splitter window: the job from the ticked sections, the
// thread that writes the parts, their progress on the rows, and the end.

#include "platform/framework/SysUtils.h"
#include "platform/win/WinApi.h"
#include "recorder/GlobeVar.h"
#include "recorder/Main.h"
#include "recorder/OutputNaming.h"
#include "recorder/Player.h"
#include "recorder/RecorderFolders.h"
#include "recorder/Splitter.h"
#include "recorder/WriterSetup.h"

namespace {

TOutputFormat FormatOfName(const std::string& name) {
  if (name == "MP3") return TOutputFormat::Mp3;
  if (name == "OGG") return TOutputFormat::Ogg;
  if (name == "WMA") return TOutputFormat::Wma;
  return TOutputFormat::Wav;
}

}  // namespace

std::string TfrmSplitter::OutputFolder() const {
  return SplitToSource ? ExtractFilePath(SourcePath) : FolderOfSetting(SplitFolder);
}

void TfrmSplitter::WndProc(TMessage& message) {
  if (message.Msg == WM_TOOL_PROGRESS) {
    SplitProgress(static_cast<int>(message.WParam), static_cast<int>(message.LParam));
    return;
  }
  TForm::WndProc(message);
}

void TfrmSplitter::btnSplitClick() {
  if (splitting_) return;
  cancelled_ = false;
  TSplitJob job = PlanSplit(Timeline->Points());
  if (job.PartCount() == 0) return;
  const std::string format = FormatNameOfFile(SourcePath);
  const std::string name = ExtractFileName(SourcePath);
  const TSplitNaming naming{OutputFolder(), ChangeFileExt(name, ""), LowerCase(format), SplitOverwrite};

  AF_IN.Close();
  AF_IN.OpenRead(SourcePath, 0, 1);
  if (AF_IN.LastError() != 0) {
    const std::string why = AF_IN.LastErrorText();
    AF_IN.Close();
    if (frmMain && frmMain->ShowMessage) frmMain->ShowMessage("Cannot split \"" + name + "\": " + why);
    return;
  }
  ChooseWriterOutput(AF_OUT, AudioFile2LameEnc1, FormatOfName(format));
  AF_OUT.SetWMAEnabled(true);

  EndPlayback();
  jobRows_ = job.rows;
  runningRow_ = -1;
  EnableWhileIdle(false);
  splitting_ = true;
  thread_ = std::make_unique<TSplitterThread>(AF_IN, AF_OUT, Handle(), std::move(job), naming);
  thread_->OnTerminate = [this](TObject*) { SplitEnded(); };
  thread_->Start();
}

void TfrmSplitter::btnCancelSplitClick() {
  cancelled_ = true;
  if (thread_) thread_->Terminate();
}

void TfrmSplitter::SplitProgress(int job, int percent) {
  // Progress that arrives after the end belongs to nothing.
  if (!splitting_ || job < 0 || job >= static_cast<int>(jobRows_.size())) return;
  const int row = jobRows_[job];
  if (percent > 99) {
    runningRow_ = -1;
    SetStatus(row, "Done");
    return;
  }
  runningRow_ = row;
  SetStatus(row, "Splitting: " + std::to_string(percent) + " % done");
}

void TfrmSplitter::SplitEnded() {
  // The progress still queued arrives before this ends the run.
  MSG queued;
  while (PeekMessage(&queued, Handle(), WM_TOOL_PROGRESS, WM_TOOL_PROGRESS, PM_REMOVE)) DispatchMessage(&queued);
  splitting_ = false;
  EnableWhileIdle(true);
  AF_IN.Close();
  AF_OUT.Close();
  const std::string failure = thread_ ? thread_->ErrorText() : std::string();
  const int failedPart = thread_ ? thread_->FailedPart() : -1;
  if (cancelled_) {
    SetStatus(runningRow_, "Canceled");
  } else if (!failure.empty()) {
    if (failedPart >= 0 && failedPart < static_cast<int>(jobRows_.size())) SetStatus(jobRows_[failedPart], "Failed");
  }
  // The thread is still inside this call: it is freed, and any message
  // shown, once it has gone.
  alive_.Post([this, failure, finished = !cancelled_ && failure.empty()] {
    if (thread_) {
      thread_->WaitFor();
      thread_.reset();
    }
    if (frmMain && frmMain->ShowMessage) {
      if (finished) frmMain->ShowMessage("Split finished");
      else if (!failure.empty()) frmMain->ShowMessage("Split failed: " + failure);
    }
    if (frmPlayer) frmPlayer->RefreshFileList();
    if (closeRequested_) {
      closeRequested_ = false;
      Close();
    }
  });
}

void TfrmSplitter::EnableWhileIdle(bool idle) {
  btnCancelSplit->SetVisible(!idle);
  btnSplit->SetVisible(idle);
  for (TControl* control : std::initializer_list<TControl*>{
           btnAddTime, btnPreview, btnPreviewStop, btnPlay, btnStop, btnPause, btnPlayBackward, btnPlayForward,
           btnRemove, btnRemoveAll, btnGoto, numGotoMin, numGotoSec, numGotoMs, cboxBackToStart, lvSplitList})
    control->SetEnabled(idle);
}
