#pragma once
// The disc-burner window: the user browses folders, builds a burn list of
// audio files, keeps it in burn-list files, sees how much of a CD it needs,
// previews a file, chooses the writer and starts a burn. It owns the burner
// component every burner window reaches the library through.

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "burner/FoxBurnerSDKMain.h"
#include "burner/MyCapBar.h"
#include "platform/audio/AudioFile2.h"
#include "platform/audio/AudioInformation2.h"
#include "platform/audio/AudioPlayer2.h"
#include "platform/framework/Dialogs.h"
#include "platform/framework/ExtCtrls.h"
#include "platform/framework/Forms.h"
#include "platform/framework/ListView.h"
#include "platform/framework/StdCtrls.h"
#include "platform/framework/TreeView.h"
#include "platform/os/Liveness.h"
#include "platform/framework/Timer.h"

class TzelSkinForm;
class TzelTitleBar;
class TzelImageButton;
class TzelComboBox;
class TzelListView;
class TzelScrollBar;

class TfrmBurner : public TForm {
 public:
  explicit TfrmBurner(TComponent* owner);
  ~TfrmBurner() override;
  std::string ClassName() const override { return "TfrmBurner"; }

  // --- what the other burner windows use -------------------------------------
  TFoxBurnerSDK* MFox;
  // Reads the disc in the current writer into MediumType: its code when it
  // suits the burn type's writing, else 0.
  void RefreshMedium();
  // The burn list's size on disc in bytes; totalMs gets its duration.
  std::int64_t EstimateProjectSize(std::int64_t* totalMs = nullptr);
  // The recorder's message box; tests replace these.
  std::function<void(const std::string& text)> ShowNotice;
  std::function<int(const std::string& text)> AskQuestion;
  // Why the burner library is not usable ("" while it is).
  const std::string& LibraryProblem() const { return libraryProblem_; }

  // --- controls --------------------------------------------------------------
  TzelSkinForm* zelSkinForm1;
  TImage* imgBurnerBack;
  TPanel* plSide;
  TzelTitleBar* titleMain;
  TzelImageButton *btnStartBurn, *btnSelectBurningDevice, *btnLoad, *btnSave, *btnHelp, *btnBurnerClose;
  TzelComboBox* comboxBurnType;
  TzelImageButton* btnOutputFormat;
  TShellTreeView* STV;
  TzelListView* lvFolderList;
  TzelListView* lvAudioCDList;
  TzelScrollBar *sbFolderListV, *sbFolderListH, *sbAudioCDListV, *sbAudioCDListH;
  TListView* TmpList;
  TzelImageButton *btnAdd, *btnAddAll, *btnRemove, *btnRemoveAll, *btnFirst, *btnUp, *btnDown, *btnLast;
  TzelImageButton *btnPlay, *btnStop;
  TPaintBox* pbInfo;
  TLabel *Label1, *Label2;
  TTimer* tmBurnDone;
  TOpenDialog* OD;
  TSaveDialog* SD;
  TMyCapBar* CapBar;
  TButton* Button1;

  TAudioInformation2 AI;
  TAudioFile2 AF;
  TAudioPlayer2 AP;

  // --- handlers, as the controls run them ---------------------------------------
  void STVClick();
  void lvFolderListClick();
  void lvFolderListColumnClick(int column);
  void lvAudioCDListMouseDown();
  void btnAddClick();
  void btnAddAllClick();
  void btnRemoveClick();
  void btnRemoveAllClick();
  void btnFirstClick();
  void btnLastClick();
  void btnUpClick();
  void btnDownClick();
  void btnLoadClick();
  void btnSaveClick();
  void btnPlayClick();
  void btnStopClick();
  void comboxBurnTypeChange();
  void btnSelectBurningDeviceClick();
  void btnStartBurnClick();
  void tmBurnDoneTimer();

  // The burner component's events.
  void MFoxProcess(float percent);
  void MFoxFinalize();
  void MFoxBurnDone(const std::string& error);
  void MFoxEraseDone(const std::string& error);

  // --- the burn list ------------------------------------------------------------
  void ListFolderFiles();
  void SaveBurnList(int typeIndex, const std::string& fileName);
  void LoadBurnList(const std::string& fileName);
  const std::string& CurrentFolder() const { return currentFolder_; }
  bool Modified() const { return modified_; }
  int PreviewIndex() const { return previewIndex_; }
  const std::string& PreviewFile() const { return previewFile_; }
  // The one-line summary of the burn list.
  std::string SummaryText();

 protected:
  void WndProc(TMessage& message) override;

 private:
  void CreateSkin();
  void CreateBrowser();
  void CreateBurnList();
  void CreateCapacityBar();
  void CreateHelpers();
  void DiscoverWriters();
  void FormShow();
  void FormCloseQuery(bool& canClose);

  void ReadFolder();
  void AddFolderItems(bool selectedOnly);
  void ReorderBurnList(const std::vector<int>& order);
  void AfterListChange();
  void UpdateCapacityBar();
  void ShowPreviewFormat(const std::string& path);
  void ClearBurnList();
  bool OfferToSave(int typeIndex);

  void StopPreview();
  void FeedPreview();

  std::string libraryProblem_;
  std::string burnError_;
  std::string currentFolder_;
  bool listing_ = false;
  bool relist_ = false;
  int sortColumn_ = 0;
  std::string previewFile_;
  int previewIndex_ = -1;
  bool modified_ = false;
  int infoOffset_ = 0;
  int previewBlock_ = 0;
  TLiveness alive_;
};

extern TfrmBurner* frmBurner;

// Hands the burner window's component and size estimate to the other
// burner windows, once all of them exist.
void ConnectBurnerWindows();
