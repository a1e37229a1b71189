#pragma once
// The recorder's main window: input device and line choice, the level
// monitor, the output format, recording with its record list, playback of
// that list, and the small controls around them.

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/audio/AudioFile2.h"
#include "platform/audio/AudioFile2LameEnc.h"
#include "platform/audio/AudioInformation2.h"
#include "platform/audio/AudioPlayer2.h"
#include "platform/audio/AudioRecord2.h"
#include "platform/audiodisplay/AudioVisualization2.h"
#include "platform/audio/WMAFile2.h"
#include "platform/framework/ComCtrls.h"
#include "platform/framework/ExtCtrls.h"
#include "platform/framework/Forms.h"
#include "platform/os/Liveness.h"
#include "platform/framework/ListControls.h"
#include "platform/framework/ListView.h"
#include "platform/framework/StdCtrls.h"
#include "platform/framework/Timer.h"
#include "platform/os/Clock.h"
#include "recorder/HotkeyDetector.h"
#include "recorder/MyAmpBar.h"
#include "recorder/OutputNaming.h"
#include "recorder/RecordRows.h"
#include "recorder/RecordingTimes.h"
#include "recorder/VoxDetector.h"
#include "skin-recorder/ZELSkinForm.h"
#include "skin/ZELButton.h"
#include "skin/ZELComboBox.h"
#include "skin/ZELListView.h"
#include "skin/ZELMgr.h"
#include "skin/ZELScrollBar.h"
#include "skin/ZELTitleBar.h"
#include "skin/ZELTrackBar.h"

// The meters' idle look.
constexpr TColor kMeterBackground = 3816496;
constexpr TColor kMeterFrame = 8421504;
constexpr TColor kMeterIdleLow = 5921872;
constexpr TColor kMeterIdleHigh = 16777215;
// The meters' and wave lines' look while recording.
constexpr TColor kMeterActiveLow = 14386234;
constexpr TColor kMeterActiveHigh = 255;
constexpr TColor kWaveActiveLeft = 65280;
constexpr TColor kWaveActiveRight = 65535;
constexpr TColor kWaveIdle = 8421504;

class TfrmMain : public TForm {
 public:
  explicit TfrmMain(TComponent* owner);
  ~TfrmMain() override;
  std::string ClassName() const override { return "TfrmMain"; }

  // The four theme files that skin the recorder's windows; the controls
  // take themeMp10.
  TzelBuiltInFileTheme* themeMp10;
  TzelBuiltInFileTheme* themeMp11;
  TzelBuiltInFileTheme* themeMp12;
  TzelBuiltInFileTheme* themeMp13;
  TzelSkinForm* zelSkinForm1;
  TPanel* plSide;
  TImage* imgBackground;
  TzelTitleBar* titleMain;
  TPanel* plVisualizationBG;
  TAudioVisualization2* AV;
  TzelImageButton* btnPlayer;
  TzelImageButton* btnFolder;
  TzelImageButton* btnOptions;
  TzelImageButton* btnHelp;
  TzelImageButton* btnAppMin;
  TzelImageButton* btnAppClose;
  TzelComboBox* comboxSource;
  TzelImageButton* btnRecordFrom;
  TzelRadioButton* rbOutputWav;
  TzelRadioButton* rbOutputMp3;
  TzelRadioButton* rbOutputOgg;
  TzelRadioButton* rbOutputWma;
  TzelCheckBox* cboxVox;
  TzelCheckBox* cboxRNoise;
  TzelCheckBox* cboxMute;
  TzelTrackBar* tbRecordVolume;
  TzelTrackBar* tbPlayBackVolume;
  TPanel* plRecordList;
  TzelListView* lvRecordList;
  TzelScrollBar* sbRecordListV;
  TzelScrollBar* sbRecordListH;
  TzelTrackBar* tbPlaybackProgress;
  TzelImageButton* btnRecord;
  TzelImageButton* btnMail;
  TzelImageButton* btnPlay;
  TzelImageButton* btnPause;
  TzelImageButton* btnStop;
  TLabel* Label1;
  TLabel* Label2;
  TLabel* Label3;
  TButton* Button1;
  TTimer* tmSize;
  TTimer* tmSchedule;

  // Capture for recording (AR) and for the level meters (AR_Monitor),
  // and the file writer of recordings.
  TAudioRecord2 AR;
  TAudioRecord2 AR_Monitor;
  TAudioFile2 AF2;
  TAudioFile2LameEnc AudioFile2LameEnc1;
  // Playback of the record list: the reader, the player and the length of
  // the file to play; the WMA profile names for the options window.
  TAudioFile2 AF1;
  TAudioPlayer2 AP;
  TAudioInformation2 AI;
  TWMAFile2 AWF;

  TMyAmpBar* LeftMeter() const { return leftMeter_; }
  TMyAmpBar* RightMeter() const { return rightMeter_; }
  bool HotkeyThreadRunning() const { return hotkeyThread_ != nullptr; }

  // The message box of the window (the confirm dialog in message mode);
  // replaceable so tests see the text.
  std::function<void(const std::string& text)> ShowMessage;
  // A yes/no question (the confirm dialog); 6 means yes.
  std::function<int(const std::string& text)> AskQuestion;

  // The device index of each entry of the options' device list, and the
  // line index of each entry of comboxSource.
  const std::vector<int>& DeviceIndices() const { return deviceIndices_; }
  const std::vector<int>& LineIndices() const { return lineIndices_; }
  // Fills comboxSource from the selected device and selects the named line
  // (the first one when the name is empty).
  void FillInputLines(const std::string& lineName);
  TOutputFormat SelectedFormat() const;

  // One start and one stop for every source of starts and stops.
  void StartRecording(bool mailRecording);
  void StopRecording();
  void TogglePause();
  // Each does nothing when already so.
  void PauseRecording();
  void ResumeRecording();
  bool Recording() const { return recording_; }
  bool Paused() const { return paused_; }
  const std::string& OutputPath() const { return outputPath_; }
  const TRecordRows& RecordRows() const { return rows_; }
  // Brings the size cell up to date (the 1000 ms timer).
  void UpdateSizeCell();

  // Playback of the record list.
  bool Playing() const { return playing_; }
  int PlayingRow() const { return playingRow_; }
  std::int64_t SampleOffset() const { return sampleOffset_; }
  void StopPlayback();
  // The player window moved its volume bar: follow it without sending the
  // value back.
  void SetPlaybackVolumeFromPlayer(int value);

 protected:
  void WndProc(TMessage& message) override;

 private:
  void CreateSkin();
  void CreateControls();
  void CreateAutomation();
  void CheckAutomaticSplit();
  void VoxTick();
  void cboxVoxClick();
  void CreateRecordingControls();
  void CreatePlaybackControls();
  void CreateVolumeControls();
  void KeepKeyboardOnButton1();
  void FormCreate(TObject* sender);
  void FormShow(TObject* sender);
  void FormDestroy(TObject* sender);
  void FormCloseQuery(TObject* sender, bool& canClose);
  void FormClose(TObject* sender, TCloseAction& action);
  void btnOptionsClick(TObject* sender);
  TMyAmpBar* CreateMeter(TAlign side);
  void StopHotkeyThread();
  bool FillDevices();
  void LinkOptionsWindow();
  void SelectStoredDevice(const std::string& deviceName, std::string& lineName);
  // After the options window chose another input device.
  void UseChosenInputDevice();
  void SelectOutputButton(TOutputFormat format);
  void RefillWmaFormats();
  void PickPlaybackLine();
  void SetUpLevelMonitor();
  // Captures the input exactly while a recording or voice activation uses it.
  void KeepMonitorInStep();
  void SelectLine(int entry);
  void MonitorTimer(int levelLeft, int levelRight);
  void RecorderTimer();
  void WriteCapturedBlock();
  void EndRecordingOnFailure(const std::string& message);
  void StopAllCapture();
  void EndRecording();
  void PlayRow(int row, bool showName);
  bool StartPlayback(const std::string& path);
  void PlaybackFailed(const std::string& message);
  void ReleasePlayback();
  void FeedPlayer();
  void PlayerTimer(int currentSamples, int levelLeft, int levelRight);
  void SeekToProgress();
  void PausePlayback();
  void ResumePlayback();
  void lvRecordListClick();
  void btnPlayClick();
  void ApplyMuteClick(bool checkedAtPress);
  void ShowPathLabel(const std::string& path);
  void ShowActiveLook(bool active);
  void ShowRow(int index);
  void RecordingFailed(const std::string& message);
  // Runs fn on the GUI thread after the event under way, unless the window
  // has been freed by then.
  void PostWhileAlive(std::function<void()> fn);

  // Expires with the window; what it posted checks it before running.
  TLiveness alive_;
  TMyAmpBar* leftMeter_ = nullptr;
  TMyAmpBar* rightMeter_ = nullptr;
  std::unique_ptr<THotkeyDetector> hotkeyThread_;
  std::vector<int> deviceIndices_;
  std::vector<int> lineIndices_;
  bool shown_ = false;

  bool recording_ = false;
  bool paused_ = false;
  bool mailRecording_ = false;
  bool writeFailed_ = false;  // the writer or the input failed; the recording is ending
  bool selectingRow_ = false;  // the window itself moves the selection
  std::string outputPath_;
  TRecordRows rows_;
  TRecordingTimes times_;
  TVoxDetector vox_;

  bool playing_ = false;
  int playingRow_ = -1;
  int blockSamples_ = 0;             // one second of the playing file
  std::int64_t sampleOffset_ = 0;    // file position where the current Play began
  std::int64_t totalSamples_ = 0;    // length of the playing file
  bool progressHeld_ = false;        // the left button holds the progress bar
  bool volumeEcho_ = false;          // the player window moved the volume
  bool muteAtPress_ = false;
};

extern TfrmMain* frmMain;
