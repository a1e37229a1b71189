#pragma once
// The splitter window: the user plays a file, places split points on its
// timeline, ticks the sections to keep and splits it into files of their
// own in the source's format, beside the source or in the split folder.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/audio/AudioFile2.h"
#include "platform/audio/AudioFile2LameEnc.h"
#include "platform/audio/AudioInformation2.h"
#include "platform/audio/AudioPlayer2.h"
#include "platform/audio/AudioTransform2.h"
#include "platform/framework/Forms.h"
#include "platform/framework/StdCtrls.h"
#include "platform/os/Liveness.h"
#include "recorder/MyTrackBar.h"
#include "recorder/SplitterThread.h"
#include "skin-recorder/ZELSkinForm.h"
#include "skin/ZELButton.h"
#include "skin/ZELEdit.h"
#include "skin/ZELListView.h"
#include "skin/ZELScrollBar.h"
#include "skin/ZELTitleBar.h"

class TfrmSplitter : public TForm {
 public:
  explicit TfrmSplitter(TComponent* owner);
  ~TfrmSplitter() override;
  std::string ClassName() const override { return "TfrmSplitter"; }

  // Set by the player before the window is shown.
  std::string SourcePath;

  bool Splitting() const { return splitting_; }
  // Where the stretch played last began, in ms.
  std::int64_t PlayStart() const { return playStart_; }
  // Cancels a running split and waits for its thread: at program exit.
  void CancelAndWait();

  TzelSkinForm* zelSkinForm1;
  TPanel* plSide;
  TImage* imgSplitterBack;
  TzelTitleBar* titleSplitter;
  TMyTrackBar* Timeline;
  TLabel* lbFormatStr;
  TLabel* lbDuration;
  TzelNumberEdit *numGotoMin, *numGotoSec, *numGotoMs, *numBackward, *numForward;
  TzelCheckBox* cboxBackToStart;
  TzelRadioButton *rb1x, *rb15x, *rb05x;
  TzelImageButton *btnPlay, *btnPause, *btnStop, *btnPlayBackward, *btnPlayForward, *btnBackward, *btnForward;
  TzelImageButton *btnAddTime, *btnRemove, *btnRemoveAll, *btnGoto, *btnPreview, *btnPreviewStop;
  TzelImageButton *btnSplit, *btnCancelSplit, *btnFolder, *btnOptions, *btnHelp, *btnSplitterClose;
  TzelListView* lvSplitList;
  TzelScrollBar *sbSplitListV, *sbSplitListH;
  TButton* Button1;

  TAudioPlayer2 AP;
  TAudioFile2 AF, AF_IN, AF_OUT;
  TAudioTransform2 AT;
  TAudioInformation2 AI;
  TAudioFile2LameEnc AudioFile2LameEnc1;

  // The buttons' handlers, as a click runs them.
  void btnPlayClick();
  void btnPauseClick();
  void btnStopClick();
  void btnPlayForwardClick();
  void btnPlayBackwardClick();
  void btnPreviewClick();
  void btnPreviewStopClick();
  void btnGotoClick();
  void btnSplitClick();
  void btnCancelSplitClick();

 protected:
  void WndProc(TMessage& message) override;

 private:
  enum class TPlayMode { None, Forward, Backward, Preview };

  void CreateSkin();
  void CreateTimeline();
  void CreatePlaybackControls();
  void CreateListControls();
  void FormShow();
  void FormClose();
  void RebuildSectionList();
  void TakeChecksFromList(TListItem* item);
  int SelectedRow() const;

  void OpenAndPlay(const std::string& path);
  void FeedPlayer();
  void PlayerTimer(int currentSamples, int levelLeft, int levelRight);
  void EndPlayback();
  void StartPlayback(TPlayMode mode, std::int64_t startMs, std::int64_t endMs);
  void StopPreviewIfRunning();
  void EnablePointCommands(bool enabled);
  void SetStatus(int row, const std::string& text);

  void SplitProgress(int job, int percent);
  void SplitEnded();
  void EnableWhileIdle(bool idle);
  std::string OutputFolder() const;

  TPlayMode mode_ = TPlayMode::None;
  bool paused_ = false;
  bool rebuilding_ = false;
  std::int64_t playStart_ = 0, playEnd_ = 0;
  std::int64_t startSample_ = 0, previewEndSample_ = 0, fedSamples_ = 0;
  int blockSize_ = 0;
  int previewedRow_ = 0;
  bool tempoFlushed_ = false;

  bool splitting_ = false, cancelled_ = false, closeRequested_ = false;
  int runningRow_ = -1;
  std::vector<int> jobRows_;
  std::unique_ptr<TSplitterThread> thread_;
  TLiveness alive_;
};

extern TfrmSplitter* frmSplitter;
