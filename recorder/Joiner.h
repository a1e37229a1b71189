#pragma once
// The joiner window: the user picks audio files from folders into an
// ordered list, ticks the ones to use, may listen to one, chooses the
// output format and merges them into one new file named like a new
// recording, in the join folder.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/audio/AudioFile2.h"
#include "platform/audio/AudioFile2LameEnc.h"
#include "platform/audio/AudioInformation2.h"
#include "platform/audio/AudioPlayer2.h"
#include "platform/framework/ExtCtrls.h"
#include "platform/framework/Forms.h"
#include "platform/framework/StdCtrls.h"
#include "platform/framework/Timer.h"
#include "platform/framework/TreeView.h"
#include "platform/os/Liveness.h"
#include "recorder/JoinerThread.h"
#include "skin-recorder/ZELSkinForm.h"
#include "skin/ZELButton.h"
#include "skin/ZELComboBox.h"
#include "skin/ZELListView.h"
#include "skin/ZELScrollBar.h"
#include "skin/ZELTitleBar.h"

class TfrmJoiner : public TForm {
 public:
  explicit TfrmJoiner(TComponent* owner);
  ~TfrmJoiner() override;
  std::string ClassName() const override { return "TfrmJoiner"; }

  bool Merging() const { return merging_; }
  // Cancels a running merge and waits for its thread: at program exit.
  void CancelAndWait();
  // The file the last merge wrote (or is writing).
  const std::string& OutputPath() const { return outputPath_; }
  // The folder whose files the left list shows.
  const std::string& CurrentFolder() const { return currentFolder_; }

  TzelSkinForm* zelSkinForm1;
  TPanel* plSide;
  TImage* imgJoinerBack;
  TzelTitleBar* titleJoiner;
  TShellTreeView* STV;
  TzelListView* lvFolderList;
  TzelScrollBar *sbFolderListV, *sbFolderListH;
  TzelListView* lvJoinList;
  TzelScrollBar *sbJoinListV, *sbJoinListH;
  TzelComboBox* comboxJoinOutputFormat;
  TLabel* lbOutputFormat;
  TPaintBox* pbInfo;
  TLabel* Label1;  // the format of the clicked file, drawn by pbInfo
  TLabel* Label2;  // the info line or the merge's progress, drawn by pbInfo
  TTimer* tmShowInfo;
  TzelImageButton *btnStartMerge, *btnCancelMerge, *btnFolder, *btnOptions, *btnHelp, *btnJoinerClose;
  TzelImageButton* btnOutputFormat;
  TzelImageButton *btnAdd, *btnAddAll, *btnRemove, *btnRemoveAll, *btnFirst, *btnUp, *btnDown, *btnLast;
  TzelImageButton *btnPlay, *btnStop;
  TButton* Button1;

  TAudioPlayer2 AP;
  TAudioFile2 AF, AF_IN, AF_OUT;
  TAudioInformation2 AI;
  TAudioFile2LameEnc AudioFile2LameEnc1;

  // Reads the tree's folder into the left list unless it is the current one.
  void ListFolder();
  void SortFolderList(int column);
  // The buttons' handlers, as a click runs them.
  void btnAddClick();
  void btnAddAllClick();
  void btnRemoveClick();
  void btnRemoveAllClick();
  void btnUpClick();
  void btnDownClick();
  void btnFirstClick();
  void btnLastClick();
  void btnPlayClick();
  void btnStopClick();
  void btnStartMergeClick();
  void btnCancelMergeClick();
  // The file that Play plays: the one last clicked in either list.
  const std::string& FileToPlay() const { return fileToPlay_; }
  // The info strip's second line now.
  std::string InfoLine();

 protected:
  void WndProc(TMessage& message) override;

 private:
  void CreateSkin();
  void CreateLists();
  void CreateListButtons();
  void CreateInfoStrip();
  void FormShow();
  void FormClose();

  // The lists (JoinerLists.cpp).
  void ReadFolder();
  void FolderListClick();
  void JoinListMouseDown();
  void AppendToJoinList(TListItem* folderRow);
  void Reorder(const std::vector<int>& order);
  std::vector<bool> JoinRowsSelected();
  void ListChanged();

  // The info strip (JoinerLists.cpp).
  void RestartInfo();
  void InfoTick();
  void PaintInfo();
  int InfoCentre();

  // Listening (JoinerLists.cpp).
  void FeedPlayer();
  void StopPlaying();

  // The merge (JoinerMerging.cpp).
  void MergeProgress(int job, int percent);
  void MergeEnded();
  void EnableWhileIdle(bool idle);
  void SetStatus(int row, const std::string& text);

  std::string currentFolder_;
  bool listing_ = false, relist_ = false;
  int sortColumn_ = 0;
  std::string fileToPlay_;
  int currentJoinRow_ = -1;
  int blockSize_ = 0;
  std::uint64_t infoStart_ = 0;
  int infoY_ = 0;

  bool merging_ = false, cancelled_ = false, closeRequested_ = false;
  int runningRow_ = -1;
  std::vector<int> jobRows_;
  std::string outputPath_;
  std::unique_ptr<TJoinerThread> thread_;
  TLiveness alive_;
};

extern TfrmJoiner* frmJoiner;
