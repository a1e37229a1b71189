#pragma once
// The options window of the recorder: it owns the settings file, turns its
// controls into the shared settings values of GlobeVar, and edits the
// recording schedule.

#include <array>
#include <functional>
#include <string>
#include <vector>

#include "common/FormatSettings.h"
#include "platform/framework/Forms.h"
#include "platform/framework/StdCtrls.h"
#include "recorder/OptionsSpinBox.h"
#include "recorder/ScheduleList.h"
#include "skin/ZELButton.h"
#include "skin/ZELComboBox.h"
#include "skin/ZELEdit.h"
#include "skin/ZELListView.h"
#include "skin/ZELMemo.h"
#include "skin/ZELPageControl.h"

class TAudioRecord2;
class TOpenDialog;
class TSaveDialog;
class TzelForm;

// What the options window needs of the main window, which is built
// elsewhere; each link may be left empty.
struct TOptionsMainLink {
  std::function<void(bool checked)> SetVoxChecked;  // the main window's VOX box
  std::function<std::string()> InputLineText;       // its input-line list
  std::function<int()> SelectedFormat;              // 0 WAV, 1 MP3, 2 OGG, 3 WMA
  std::function<void()> InputDeviceChanged;         // the recorder's device was changed
};

// One row of the hotkey page: check box, modifier list, "+" and key list.
struct THotkeyRow {
  TzelCheckBox* Use = nullptr;
  TzelComboBox* Modifier = nullptr;
  TLabel* Plus = nullptr;
  TzelComboBox* Key = nullptr;
};

// The "Save" page of one tool: folder box and button, the name parts
// (recorder and joiner) or the where-to-save choice (converter and
// splitter), and what to do with a name that exists.
struct TOutputPage {
  TzelTabSheet* Page = nullptr;
  TzelEdit* Folder = nullptr;
  TzelButton* Browse = nullptr;
  TzelEdit* Prefix = nullptr;
  TzelCheckBox* UseDate = nullptr;
  TzelEdit* Suffix = nullptr;
  TzelRadioButton* ToSource = nullptr;     // "Save to original file path"
  TzelRadioButton* ToAppointed = nullptr;  // "Always save to "
  TzelRadioButton* AddNew = nullptr;
  TzelRadioButton* Overwrite = nullptr;
};

class TfrmOptions : public TForm {
 public:
  explicit TfrmOptions(TComponent* owner);
  ~TfrmOptions() override;
  std::string ClassName() const override { return "TfrmOptions"; }

  // The settings file: controls from the file, the file from the
  // controls, the controls at their factory values.
  void LoadSettings();
  void SaveSettings();
  void ApplyDefaults();
  // The controls, decoded, into the shared values of GlobeVar.
  void PublishSettings();

  // The schedule page.
  void AddScheduleEntry(const std::string& startText, const std::string& stopText, bool use, WORD year, WORD month,
                        WORD day, WORD dayOfWeek);
  void ReplaceScheduleEntry(const std::string& startText, const std::string& stopText, WORD year, WORD month,
                            WORD day, WORD dayOfWeek);
  void SaveScheduleFile(const std::string& fileName);
  void LoadScheduleFile(const std::string& fileName);
  const TScheduleList& Schedule() const { return schedule_; }
  int SelectedScheduleRow();
  void SetScheduleRowChecked(int row, bool checked);

  // The mail body box, line by line.
  TStringList BodyLines() const;
  void SetBodyLines(const TStringList& lines);

  // Tries a folder as an output folder by creating and deleting a file
  // in it; false when the file cannot be created.
  static bool FolderIsWritable(const std::string& folder);

  // Links to the rest of the recorder, set by the main window.
  TOptionsMainLink MainWindow;
  TAudioRecord2* Recorder = nullptr;
  // The dialogs the window opens; each starts as the recorder's own
  // (folder picker, confirm dialog, file dialogs).
  // The folder-selection dialog: the chosen folder, or "" when none.
  std::function<std::string()> SelectFolder;
  // The confirm dialog, showing a message.
  std::function<void(const std::string& text)> ShowMessage;
  // The schedule file dialogs: true with a chosen name.
  std::function<bool(std::string& fileName)> ChooseScheduleFileToSave;
  std::function<bool(std::string& fileName)> ChooseScheduleFileToLoad;

  TzelForm* zelForm1;
  // The pages, in tab order: Format, Hotkeys, Schedule, Automation,
  // Save, EMail, Device; Format, Automation and Save hold sub-pages.
  TzelPageControl* pcOptions;
  TzelPageControl* pcFormat;
  TzelPageControl* pcAutomation;
  TzelPageControl* pcSave;
  void ShowPage(int index) { pcOptions->SetActivePage(pcOptions->Pages(index)); }

  // "Format"
  TzelComboBox* comboWavFreq;
  TzelComboBox* comboWavChannels;
  TzelComboBox* comboWavSampleRate;
  TzelComboBox* comboMp3Freq;
  TzelComboBox* comboMp3Channels;
  TzelComboBox* comboMp3BitRate;
  TzelComboBox* comboMp3EncoderQuality;
  TLabel* lblMp3MaxBitRate;
  TzelComboBox* comboMp3MaxBitRate;
  TLabel* lblMp3VbrQuality;
  TzelComboBox* comboMp3VbrQuality;
  TzelCheckBox* cboxMp3Vbr;
  TzelCheckBox* cboxMp3VbrHeader;
  TzelComboBox* comboOggFreq;
  TzelComboBox* comboOggChannels;
  TzelComboBox* comboOggQuality;
  TzelComboBox* comboWmaFormat;

  // "Hotkeys": start 1, start 2, stop 1, stop 2.
  std::array<THotkeyRow, 4> hotkeyRows;

  // "Schedule": check box, start, stop and frequency of every entry.
  TzelListView* listSchedule;
  TzelButton* btnAdd;
  TzelButton* btnEdit;
  TzelButton* btnTag;
  TzelButton* btnDelete;
  TzelButton* btnClear;
  TzelButton* btnSave;
  TzelButton* btnLoad;
  TSaveDialog* dlgSaveSchedule;
  TOpenDialog* dlgOpenSchedule;

  // "Automation"
  TzelCheckBox* cboxVox;
  TSpinBox spinAttackLevel;
  TSpinBox spinReleaseTime;
  TzelRadioButton* rbVoxNewTrack;
  TzelRadioButton* rbVoxPause;
  TzelCheckBox* cboxAutoSplit;
  TSpinBox spinTimeMinute;
  TSpinBox spinTimeSecond;
  TzelRadioButton* rbSplitStop;
  TzelRadioButton* rbSplitNewRecord;
  TzelCheckBox* cboxVolumeStop;
  TSpinBox spinVolumeLevel;
  TSpinBox spinVolumeTime;
  std::vector<TControl*> volumeControls;  // enabled with cboxVolumeStop

  // "Save"
  TOutputPage recorderPage;
  TOutputPage converterPage;
  TOutputPage splitterPage;
  TOutputPage joinerPage;

  // "EMail"
  TzelEdit* editSubject;
  TzelMemo* memoBody;

  // "Device"
  TzelComboBox* comboDevice;

  TzelButton* btnDefault;
  TzelButton* btnOk;
  TzelButton* btnCancel;

  // Handlers.
  void cboxMp3VbrClick(TObject* sender);
  void HotkeyUseClick(TObject* sender);
  void cboxAutoSplitClick(TObject* sender);
  void cboxVoxClick(TObject* sender);
  void cboxVolumeStopClick(TObject* sender);
  void NameEditKeyPress(TObject* sender, char32_t& key);
  void ReleaseTimeKeyPress(TObject* sender, char32_t& key);
  void ReleaseTimeChange(TObject* sender);
  void FolderButtonClick(TObject* sender);
  void comboDeviceChange(TObject* sender);
  void btnDefaultClick(TObject* sender);
  void btnOkClick(TObject* sender);
  void btnCancelClick(TObject* sender);
  void btnAddClick(TObject* sender);
  void btnEditClick(TObject* sender);
  void btnDeleteClick(TObject* sender);
  void btnClearClick(TObject* sender);
  void btnSaveClick(TObject* sender);
  void btnLoadClick(TObject* sender);
  void listScheduleColumnClick(TObject* sender, TListColumn* column);
  void listScheduleChange(TObject* sender, TListItem* item, TItemChange change);
  void FormShow(TObject* sender);
  void FormClose(TObject* sender, TCloseAction& action);

 private:
  // The state of every control that Cancel puts back.
  struct TSnapshot {
    std::vector<int> ListIndexes;
    std::vector<bool> Checks;
    std::vector<std::string> Texts;
    std::string BodyText;
    std::vector<ScheduleEntry> Entries;
  };

  void BuildFormatPage();
  void BuildHotkeyPage();
  void BuildSchedulePage();
  void BuildAutomationPage();
  void BuildSavePages();
  void BuildMailAndDevicePages();
  void ConnectDialogs();
  TzelTabSheet* AddPage(TzelPageControl* pages, const std::string& caption);
  TOutputPage BuildOutputPage(const std::string& name, bool withNameParts);

  void RefreshVbrEnabling();
  void RefreshHotkeyEnabling();
  void RefreshVolumeEnabling();
  void CreateFirstRunSettings();
  void SaveSettingsTo(const std::string& fileName);
  void EnsureOutputFolders();
  void RefreshScheduleList();

  TSnapshot TakeSnapshot();
  void RestoreSnapshot(const TSnapshot& snapshot);

  TScheduleList schedule_;
  int sortColumn_ = 0;
  bool closedByOk_ = false;
  bool restoring_ = false;  // putting the snapshot back: no effect on other windows
  bool fillingList_ = false;  // rows being rebuilt: their check boxes follow the entries
  TSnapshot snapshot_;
  std::string rememberedReleaseTime_;
  // Controls whose state the snapshot holds (the VOX box and the device
  // list are left out: they act at once).
  std::vector<TComboBox*> snapshotLists_;
  std::vector<TzelCheckBox*> snapshotChecks_;
  std::vector<TCustomEdit*> snapshotTexts_;
  TFormatControls<TzelCheckBox> formatControls_;
};

extern TfrmOptions* frmOptions;
