#pragma once
// The editor's options window. It owns the settings file "OlwickCfg.ini",
// sets the editor engine's buffers, temporary folder, scales and colours
// the moment a control changes, and publishes the output-format choices
// the save commands write with.

#include <array>
#include <functional>
#include <string>
#include <vector>

#include "platform/framework/Forms.h"
#include "common/FormatSettings.h"
#include "platform/framework/ExtCtrls.h"
#include "platform/framework/StdCtrls.h"
#include "skin/ZELButton.h"
#include "skin/ZELComboBox.h"
#include "skin/ZELEdit.h"
#include "skin/ZELGroupBox.h"
#include "skin/ZELListBox.h"
#include "skin/ZELPageControl.h"

class TAudioEditor2;
class TColorDialog;
class TzelForm;

// The settings file's name in SettingsFolder.
inline constexpr char OptionsFileName[] = "OlwickCfg.ini";

// The output-format values the save commands read, decoded from the
// "Format" page: hertz, channels, bits, kilobits, quality digits, the OGG
// quality value (index x 100 + 99) and the WMA profile (index + 1).
extern int WavFreq;
extern int WavChannels;
extern int WavSampleRate;
extern int MP3Freq;
extern int MP3Channels;
extern int MP3BitRate;
extern int MP3MaxBitRate;
extern int MP3EncoderQuality;
extern int MP3VBRQuality;
extern bool MP3VBREnable;
extern bool MP3VBRHeader;
extern int OggFreq;
extern int OggChannels;
extern int OggBitRate;
extern int WmaFormat;

// What the options window needs of the main window, which is built before
// it: the engine it sets, and the unit of the main window's lengths.
struct TOptionsMainLink {
  TAudioEditor2* Editor = nullptr;
  // The horizontal scale's unit changed: true for milliseconds, false
  // for samples; the main window refreshes its information line.
  std::function<void(bool showMilliseconds)> SetShowMilliseconds;
};

// The colour lines of the "Colors" page, in list order.
inline constexpr int kColorLineCount = 17;

class TfrmOptions : public TForm {
 public:
  TfrmOptions(TComponent* owner, TOptionsMainLink link = {});
  ~TfrmOptions() override;
  std::string ClassName() const override { return "TfrmOptions"; }

  // The settings file: controls and engine from the file, the file from
  // the controls and the engine, controls and engine at their factory
  // values (the file untouched).
  void LoadOptions();
  void SaveOptions();
  void ApplyEditorDefaults();
  // The "Format" page, decoded, into the values above.
  void PublishFormats();

  // Brings a page to the front: 0 System, 1 Format, 2 Scales, 3 Colors.
  void ShowPage(int index) { pcOptions->SetActivePage(pcOptions->Pages(index)); }

  TOptionsMainLink MainWindow;

  TzelForm* zelForm1;
  TzelPageControl* pcOptions;
  TzelPageControl* pcFormat;

  // "System"
  TzelGroupBox* gbPlayBuffer;
  TzelSpinEdit* spinBufferSize;
  TzelSpinEdit* spinBufferCount;
  TzelSpinEdit* spinBufferTick;
  TzelGroupBox* gbTempDir;
  TzelEdit* editTempDir;
  TzelButton* btnTempDir;
  TzelCheckBox* cboxAudioInfo;

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

  // "Scales"
  TzelGroupBox* gbHorizontal;
  TzelCheckBox* cboxHVisible;
  TzelCheckBox* cboxHGrid;
  TzelComboBox* comboHType;
  TzelGroupBox* gbVertical;
  TzelCheckBox* cboxVVisible;
  TzelCheckBox* cboxVGrid;
  TzelComboBox* comboVType;

  // "Colors"
  TzelListBox* lbColors;
  TPanel* plColorSample;
  TzelButton* btnChangeColor;
  TColorDialog* dlgColor;

  TzelButton* btnDefault;
  TzelButton* btnOk;
  TzelButton* btnCancel;

  // Handlers.
  void BufferSpinChange(TObject* sender);
  void btnTempDirClick(TObject* sender);
  void cboxAudioInfoClick(TObject* sender);
  void cboxMp3VbrClick(TObject* sender);
  void ScaleCheckClick(TObject* sender);
  void comboHTypeChange(TObject* sender);
  void comboVTypeChange(TObject* sender);
  void lbColorsClick(TObject* sender);
  void btnChangeColorClick(TObject* sender);
  void btnDefaultClick(TObject* sender);
  void btnOkClick(TObject* sender);
  void btnCancelClick(TObject* sender);
  void FormShow(TObject* sender);
  void FormClose(TObject* sender, TCloseAction& action);

 private:
  // What Cancel puts back: control states and the engine's colours.
  struct TSnapshot {
    bool Taken = false;
    std::array<int, 3> Buffers{};
    std::string TempFolder;
    bool AudioInfo = false;
    std::vector<int> ListIndexes;
    std::vector<bool> Checks;
    std::array<TColor, kColorLineCount> Colors{};
  };

  void BuildSystemPage();
  void BuildFormatPage();
  void BuildScalesPage();
  void BuildColorsPage();
  TzelTabSheet* AddPage(TzelPageControl* pages, const std::string& caption);

  // A spin's number brought into its range (its lowest for no number).
  static int SpinValue(const TzelSpinEdit* spin);
  // Control values to the engine.
  void ApplyBuffersToEngine();
  void ApplySystemToEngine();
  void ApplyScalesToEngine();
  void RefreshVbrEnabling();
  // The folder box's text when it names a folder, else the settings folder.
  void SetTempFolderBox(const std::string& folder);

  // The format lists and switches at the form's own choices.
  void SetFactoryFormats();

  TSnapshot TakeSnapshot();
  void RestoreSnapshot(const TSnapshot& snapshot);

  bool closedByOk_ = false;
  TSnapshot snapshot_;
  std::vector<TComboBox*> snapshotLists_;
  std::vector<TzelCheckBox*> snapshotChecks_;
  TFormatControls<TzelCheckBox> formatControls_;
};

extern TfrmOptions* frmOptions;
