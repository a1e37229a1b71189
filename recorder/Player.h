#pragma once
// The player window: the audio files of one folder, chosen in a folder
// tree, with playback, a spectrum display, volume and mute in step with
// the main window, and the per-file commands rename, delete, mail and
// hand-over to the editor.

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "platform/audiodisplay/AudioDisplay2.h"
#include "platform/audio/AudioFile2.h"
#include "platform/audio/AudioFile2LameEnc.h"
#include "platform/audio/AudioInformation2.h"
#include "platform/audio/AudioPlayer2.h"
#include "platform/framework/ComCtrls.h"
#include "platform/framework/Edits.h"
#include "platform/framework/ExtCtrls.h"
#include "platform/framework/Forms.h"
#include "platform/os/Liveness.h"
#include "platform/framework/ListControls.h"
#include "platform/framework/ListView.h"
#include "platform/framework/Menus.h"
#include "platform/framework/StdCtrls.h"
#include "platform/framework/TreeView.h"
#include "recorder/Convertor.h"
#include "recorder/EqualizerPresets.h"
#include "recorder/PlayerListView.h"
#include "skin-recorder/ZELSkinForm.h"
#include "skin/ZELButton.h"
#include "skin/ZELComboBox.h"
#include "skin/ZELScrollBar.h"
#include "skin/ZELTitleBar.h"
#include "skin/ZELTrackBar.h"

class TfrmPlayer : public TForm {
 public:
  explicit TfrmPlayer(TComponent* owner);
  ~TfrmPlayer() override;
  void AfterConstruction() override;
  void BeforeDestruction() override;
  std::string ClassName() const override { return "TfrmPlayer"; }

  TzelSkinForm* zelSkinForm1;
  TPanel* plSide;
  TImage* imgBackground;
  TzelTitleBar* titlePlayer;
  TShellTreeView* STV;
  TPlayListView* lvPlayList;
  TzelScrollBar* sbPlayListV;
  TzelScrollBar* sbPlayListH;
  TPopupMenu* popMenuConvert;
  TMenuItem* mnuConvertWav;
  TMenuItem* mnuConvertMp3;
  TMenuItem* mnuConvertOgg;
  TMenuItem* mnuConvertWma;
  TMenuItem* mnuCancel;
  TMenuItem* mnuEmail;
  TMenuItem* mnuRename;
  TMenuItem* mnuDelete;
  TEdit* edRename;  // the in-place editor of a row's file name
  TPanel* plADBG;
  TAudioDisplay2* AD;
  TLabel* Label1;
  TzelTrackBar* tbPlaybackProgress;
  TzelTrackBar* tbPlaybackVolume;
  TzelImageButton* btnMute;
  TImage* imgMute;  // the mute button's other pictures
  TzelImageButton* btnPlay;
  TzelImageButton* btnPause;
  TzelImageButton* btnStop;
  TzelImageButton* btnSplitter;
  TzelImageButton* btnJoiner;
  TzelImageButton* btnFolder;
  TzelImageButton* btnEditor;
  TzelImageButton* btnMail;
  TzelImageButton* btnOptions;
  TzelImageButton* btnHelp;
  TzelImageButton* btnReorder;
  TzelImageButton* btnPlayerClose;
  TButton* Button1;
  std::array<TzelTrackBar*, kEqBandCount> tbEQ{};  // tbEQ1 .. tbEQ12
  TzelComboBox* comboxEQMode;
  TzelImageButton* btnEQMode;
  TzelImageButton* btnUseEQ;
  TImage* imgUseEQ;  // the equalizer button's other pictures

  // The playback reader, the player and the file information.
  TAudioFile2 AF;
  TAudioPlayer2 AP;
  TAudioInformation2 AI;
  // The reader and writer of a conversion and the MP3 encoder settings.
  TAudioFile2 AF_In;
  TAudioFile2 AF_Out;
  TAudioFile2LameEnc AudioFile2LameEnc1;

  // The message box (mode: message) and the yes/no question (6 = yes);
  // replaceable so tests see the texts.
  std::function<void(const std::string& text)> ShowMessage;
  std::function<int(const std::string& text)> AskQuestion;

  // --- the file list (PlayerList.cpp) ---
  // Forgets the current folder and reads the tree's folder again.
  void RefreshFileList();
  // Appends a row for one file; recordedNow marks this run's recordings.
  void AddFileToList(const std::string& path, bool recordedNow);
  // Reads the tree's folder unless it is the current one.
  void ListFolder();
  void SortByColumn(int column);
  const std::string& CurrentFolder() const { return currentFolder_; }
  int SortColumn() const { return sortColumn_; }
  static int MarkerOf(TListItem* item);
  static void SetMarker(TListItem* item, int marker);
  std::string PathOf(TListItem* item) const;

  // --- playback (PlayerPlayback.cpp) ---
  int PlayingRowIndex() const { return playingRowIndex_; }
  bool Paused() const { return paused_; }
  std::int64_t StartOffset() const { return startOffset_; }
  void StopPlaying();

  // --- conversion (PlayerConversion.cpp); the row is read by the main window ---
  int ConvertingRowIndex() const { return convertingRowIndex_; }
  void SetConvertingRowIndex(int row) { convertingRowIndex_ = row; }
  // Converts the file the menu was opened on into "WAV", "MP3", "OGG" or "WMA".
  void StartConversion(const std::string& format);
  // Stops the running conversion after its current block; its output goes.
  void CancelConversion();
  bool ConversionCancelled() const { return conversionCancelled_; }
  bool ConversionRunning() const;
  // The output of the last conversion started.
  const std::string& ConversionOutputPath() const { return outputPath_; }

  // --- the equalizer (PlayerEqualizer.cpp) ---
  bool UseEQ() const { return useEq_; }
  TEqPositions EqPositions() const;

  // --- volume and mute, in step with the main window (PlayerVolume.cpp) ---
  // The main window's playback volume moved (0..65535).
  void SetVolumePosition(int volume);
  // The line volume the slider stands for.
  int VolumePosition() const;
  // The main window's mute box changed: the mute button shows its state.
  void SwapMuteGlyph();
  bool MuteGlyphSwapped() const { return muteGlyphSwapped_; }
  bool Muted() const { return muted_; }

  // --- per-file commands (PlayerFileCommands.cpp) ---
  // Starts editing the name of the selected row; false when refused.
  bool BeginRename();
  // Ends the edit: accept gives the file the typed name.
  void EndRename(bool accept);
  bool Renaming() const { return renamingRow_ >= 0; }
  void DeleteSelected();
  void MailSelected();
  void EditSelected();
  // The path of the selected row when the menu last opened.
  const std::string& SelectedFilePath() const { return selectedFilePath_; }

 protected:
  void WndProc(TMessage& message) override;

 private:
  // Layout (Player.cpp).
  void CreateSkin();
  void CreateButtons();
  void CreateFileList();
  void CreatePopupMenu();
  void CreatePlaybackControls();
  void KeepKeyboardOnButton1();
  void FormShow();
  void FormClose();
  void btnSplitterClick();
  void btnJoinerClick();
  // Runs fn after the event under way, unless the window is gone by then.
  void PostWhileAlive(std::function<void()> fn);

  // The list (PlayerList.cpp).
  void STVClick();
  void ReadFolder();
  bool IsBeingRecorded(const std::string& path) const;
  static bool RecordedSinceStart(const std::string& path);
  TListItem* AddRow(const std::string& name, std::int64_t size, bool recordedNow);
  std::string NameOfRow(int index) const;
  void FindTrackedRows();
  void ShowFormatOfClickedRow();
  bool PlayingOrConverting() const { return playingRowIndex_ >= 0 || convertingRowIndex_ >= 0; }

  // Playback (PlayerPlayback.cpp).
  void btnPlayClick();
  void btnPauseClick();
  void PlayFile(const std::string& path);
  void PlaybackFailed(const std::string& message);
  void LeavePlayingRow(TListItem* item);
  TListItem* PlayingItem() const;
  void FeedPlayer();
  void PlayerTimer(int currentSamples, int levelLeft, int levelRight);
  void SeekToProgress();

  // Volume and mute (PlayerVolume.cpp).
  void PickPlaybackLine();
  void tbPlaybackVolumeChange();
  void btnMuteClick();
  void ShowMuteState(bool muted);

  // Conversion (PlayerConversion.cpp).
  void CreateConversionCommands();
  void ConversionProgress(int percent);
  void ConversionEnded();

  // The equalizer (PlayerEqualizer.cpp).
  void CreateEqualizer();
  void KeyboardToButton1();
  void EqSliderChange();
  void comboxEQModeChange();
  void SendEqGains();
  void btnUseEQClick();

  // Commands (PlayerFileCommands.cpp).
  void PopupMenuOpens();
  bool WriteEditorHandOver(const std::string& path);

  TLiveness alive_;
  std::string currentFolder_;
  bool listing_ = false;
  bool relist_ = false;
  int sortColumn_ = 0;
  int playingRowIndex_ = -1;
  int convertingRowIndex_ = -1;
  bool conversionCancelled_ = false;
  std::int64_t startOffset_ = 0;
  int blockSamples_ = 0;
  std::int64_t fileLength_ = 0;
  bool paused_ = false;
  bool shown_ = false;
  bool progressHeld_ = false;
  bool volumeEcho_ = false;
  bool muted_ = false;
  bool muteGlyphSwapped_ = false;
  std::string selectedFilePath_;
  int renamingRow_ = -1;
  std::string outputPath_;
  // Declared after the files it copies, so it ends before they go.
  std::unique_ptr<TConvertor> convertor_;
  bool eqSliderHeld_ = false;  // from a press on an equalizer slider to its release
  bool useEq_ = true;
  TEqPositions customEq_{};  // the last dragged setting, for "Custom"
};

extern TfrmPlayer* frmPlayer;
