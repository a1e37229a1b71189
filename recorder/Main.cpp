#include "recorder/Main.h"

#include "platform/os/MainThread.h"
#include "recorder/Confirm.h"
#include "recorder/GlobeVar.h"
#include "recorder/Player.h"
#include "recorder/Options.h"
#include "recorder/RecorderFolders.h"
#include "recorder/WindowBuilding.h"
#include "recorder/WindowSkin.h"
#include "recorder/WriterSetup.h"
#include "resources/Resources.h"
#include "skin/ZELPublic.h"

TfrmMain* frmMain = nullptr;

namespace {
// The status display's text: the state in the theme's accent, the file
// name in a quiet grey.
constexpr TColor kStatusStateColor = 0xB8E03C;
constexpr TColor kStatusTextColor = 0xD8D4CC;
}  // namespace

TfrmMain::TfrmMain(TComponent* owner) : TForm(owner) {
  SetBorderStyle(bsNone);
  SetPosition(poScreenCenter);
  SetCaption("Velmora MP3 Recorder");
  SetClientSize(608, 431);
  CreateSkin();
  CreateControls();
  CreateRecordingControls();
  CreatePlaybackControls();
  CreateVolumeControls();
  CreateAutomation();
  KeepKeyboardOnButton1();
  ApplyThemeToChildren(*this, FromThemeFile, themeMp10);

  ShowMessage = ShowConfirmMessage;
  AskQuestion = [](const std::string& text) {
    if (!frmConfirm) return static_cast<int>(mrNo);
    frmConfirm->SetConfirmMode(CONFIRM_QUESTION);
    frmConfirm->SetConfirmText(text);
    return frmConfirm->ShowModal();
  };
  OnCreate = [this](TObject* sender) { FormCreate(sender); };
  OnShow = [this](TObject* sender) { FormShow(sender); };
  OnDestroy = [this](TObject* sender) { FormDestroy(sender); };
  OnCloseQuery = [this](TObject* sender, bool& canClose) { FormCloseQuery(sender, canClose); };
  OnClose = [this](TObject* sender, TCloseAction& action) { FormClose(sender, action); };
}

TfrmMain::~TfrmMain() {
  // Nothing may reach this window through the global once it goes.
  if (frmMain == this) frmMain = nullptr;
  alive_.End();
  StopHotkeyThread();
  AR.OnEndArrayRecord = nullptr;
  AR.OnTimer = nullptr;
  AR_Monitor.OnTimer = nullptr;
  AP.OnRequestOnLoadArray = nullptr;
  AP.OnEndArrayPlay = nullptr;
  AP.OnTimer = nullptr;
  AP.OnEndPlay = nullptr;
}

// The theme files, the window's shape and background, and its title.
void TfrmMain::CreateSkin() {
  UseRecorderSkin();
  const char* resources[] = {kRecorderThemeResource1, kRecorderThemeResource2, kRecorderThemeResource3,
                             kRecorderThemeResource4};
  TzelBuiltInFileTheme** themes[] = {&themeMp10, &themeMp11, &themeMp12, &themeMp13};
  for (int i = 0; i < 4; ++i) {
    *themes[i] = new TzelBuiltInFileTheme(this);
    (*themes[i])->SetName("themeMp1" + std::to_string(i));
    (*themes[i])->LoadSkinData(LoadResourceData(resources[i]));
  }
  zelSkinForm1 = new TzelSkinForm(this);
  zelSkinForm1->SetName("zelSkinForm1");
  zelSkinForm1->SetParent(this);
  ShapeWindow(zelSkinForm1, 608, 431);
  imgBackground = BackgroundImage(this, "imgBackground", "MAIN_BACKGROUND");
  plSide = SidePanel(this, ClientWidth(), ClientHeight());
  titleMain = WindowTitle(this, "titleMain", "Velmora MP3 Recorder", 608);
}

void TfrmMain::CreateControls() {
  btnPlayer = PictureButton(this, "btnPlayer", 6, 24, 60, 37, "MAIN_PLAYER", "Switch to player");
  btnFolder = PictureButton(this, "btnFolder", 67, 24, 60, 37, "MAIN_FOLDER", "Open the output folder of recording");
  btnOptions = PictureButton(this, "btnOptions", 128, 24, 60, 37, "MAIN_OPTIONS", "Options");
  btnOptions->OnClick = [this](TObject* sender) { btnOptionsClick(sender); };
  btnHelp = PictureButton(this, "btnHelp", 189, 24, 60, 37, "MAIN_HELP", "Help");
  btnFolder->OnClick = [](TObject*) { OpenForUser(::OutputPath); };
  btnHelp->OnClick = [](TObject*) { ShowHelpTopic("Recorder.html#recording"); };
  btnPlayer->OnClick = [](TObject*) {
    if (frmPlayer) frmPlayer->Show();
  };
  btnAppMin = PictureButton(this, "btnAppMin", 565, 4, 18, 20, "MAIN_MINIMIZE", "");
  btnAppMin->OnClick = [](TObject*) { Application->Minimize(); };
  btnAppClose = PictureButton(this, "btnAppClose", 584, 4, 18, 20, "MAIN_CLOSE", "");
  btnAppClose->OnClick = [this](TObject*) {
    StopRecording();
    Close();
  };

  comboxSource = Place<TzelComboBox>(this, this, 479, 34, 109, 21);
  comboxSource->SetName("comboxSource");
  comboxSource->SetStyle(csDropDownList);
  comboxSource->SetHint("Select input line");
  comboxSource->SetShowHint(true);
  comboxSource->OnChange = [this](TObject*) { SelectLine(comboxSource->ItemIndex()); };
  btnRecordFrom = PictureButton(this, "btnRecordFrom", 569, 36, 17, 17, "MAIN_RECORD_FROM", "Select input line");
  btnRecordFrom->OnClick = [this](TObject*) {
    if (comboxSource->CanFocus()) comboxSource->SetFocus();
    comboxSource->SetDroppedDown(true);
  };

  plVisualizationBG = Place<TPanel>(this, this, 11, 67, 237, 93);
  plVisualizationBG->SetName("plVisualizationBG");
  plVisualizationBG->SetBevelOuter(bvNone);
  plVisualizationBG->SetColor(clBlack);
  AV = Place<TAudioVisualization2>(this, plVisualizationBG, 9, 0, 219, 93);
  AV->SetName("AV");

  const int outputLefts[] = {368, 424, 480, 536};
  const char* outputNames[] = {"rbOutputWav", "rbOutputMp3", "rbOutputOgg", "rbOutputWma"};
  const char* outputCaptions[] = {"WAV", "MP3", "OGG", "WMA"};
  TzelRadioButton** outputs[] = {&rbOutputWav, &rbOutputMp3, &rbOutputOgg, &rbOutputWma};
  for (int i = 0; i < 4; ++i) {
    *outputs[i] = SkinnedBox<TzelRadioButton>(this, outputNames[i], outputLefts[i], 76, 52, outputCaptions[i]);
  }
  rbOutputWav->SetChecked(true);

  cboxVox = SkinnedBox<TzelCheckBox>(this, "cboxVox", 370, 113, 60, "VOX");
  cboxVox->OnClick = [this](TObject*) { cboxVoxClick(); };
  // Kept off: recordings run without the noise filters.
  cboxRNoise = SkinnedBox<TzelCheckBox>(this, "cboxRNoise", 351, 113, 17, "");
  cboxRNoise->SetVisible(false);

  tbRecordVolume = SkinnedSlider(this, "tbRecordVolume", 269, 139, 143, 14, 0, 65535);
  tbRecordVolume->SetHint("Adjust record volume");
  tbRecordVolume->SetShowHint(true);
  tbRecordVolume->OnChange = [this](TObject*) {
    if (!shown_) return;
    AR.SetLineVolume(tbRecordVolume->Position());
    AR_Monitor.SetLineVolume(tbRecordVolume->Position());
  };

  // On the status display: the state, the file name.
  Label1 = BackgroundLabel(this, "Label1", 203, 399, 80, kStatusStateColor);
  Label1->SetCaption("Idle");
  Label2 = BackgroundLabel(this, "Label2", 288, 399, 306, kStatusTextColor);
  Label3 = BackgroundLabel(this, "Label3", 288, 415, 306, kStatusTextColor);
  Label3->SetVisible(false);
  // Off the window: it holds the keyboard focus away from the controls.
  Button1 = Place<TButton>(this, this, 0, -100, 10, 10);
  Button1->SetName("Button1");
}

// Bars, boxes and radio buttons never keep the keyboard: once entered it
// goes to Button1. A bar held by the mouse keeps it until the release, as
// losing the focus would end its drag.
void TfrmMain::KeepKeyboardOnButton1() {
  auto handOver = [this] {
    // After the focus change under way has finished.
    PostWhileAlive([this] {
      if (Button1->CanFocus()) SetActiveControl(Button1);
    });
  };
  for (TWinControl* control : std::initializer_list<TWinControl*>{
           cboxMute, cboxRNoise, cboxVox, rbOutputWav, rbOutputMp3, rbOutputOgg, rbOutputWma})
    control->OnEnter = [handOver](TObject*) { handOver(); };
  for (TzelTrackBar* bar : {tbRecordVolume, tbPlayBackVolume, tbPlaybackProgress}) PassKeyboardOnFromSlider(bar, handOver);
}

void TfrmMain::PostWhileAlive(std::function<void()> fn) { alive_.Post(std::move(fn)); }

void TfrmMain::FormCreate(TObject*) {
  // Settings and recordings need their folders before any other window
  // exists; a folder that cannot be made shows up when it is first used.
  SetUpRecorderFolders();
  leftMeter_ = CreateMeter(alLeft);
  rightMeter_ = CreateMeter(alRight);
  ApplyNoiseReduction(AR, false);
  hotkeyThread_ = std::make_unique<THotkeyDetector>(Handle());
}

void TfrmMain::FormDestroy(TObject*) {
  StopRecording();
  AR_Monitor.Stop();
  StopHotkeyThread();
}

TMyAmpBar* TfrmMain::CreateMeter(TAlign side) {
  auto* meter = new TMyAmpBar(this);
  meter->SetParent(plVisualizationBG);
  meter->SetWidth(10);
  meter->SetAlign(side);
  meter->SetVertical(true);
  meter->SetMaxValue(100);
  meter->SetMinValue(0);
  meter->SetLevel(0);
  meter->SetBackgroundColor(kMeterBackground);
  meter->SetFrameColor(kMeterFrame);
  meter->SetLowColor(kMeterIdleLow);
  meter->SetHighColor(kMeterIdleHigh);
  meter->SetVisible(true);
  return meter;
}

void TfrmMain::btnOptionsClick(TObject*) {
  if (frmOptions) frmOptions->ShowModal();
}

void TfrmMain::StopHotkeyThread() {
  // The detector's destructor ends the thread and waits for it, so no
  // hotkey message can reach a window that is gone.
  hotkeyThread_.reset();
}
