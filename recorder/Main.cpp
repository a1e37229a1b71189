#include "recorder/Main.h"

#include "platform/os/MainThread.h"
#include "recorder/Confirm.h"
#include "recorder/GlobeVar.h"
#include "recorder/Player.h"
#include "recorder/Options.h"
#include "recorder/RecorderFolders.h"
#include "recorder/WindowBuilding.h"
#include "recorder/WriterSetup.h"

TfrmMain* frmMain = nullptr;

TfrmMain::TfrmMain(TComponent* owner) : TForm(owner) {
  SetBorderStyle(bsNone);
  SetPosition(poScreenCenter);
  SetCaption("Velmora MP3 Recorder");
  SetClientSize(608, 431);
  CreateControls();
  CreateRecordingControls();
  CreatePlaybackControls();
  CreateVolumeControls();
  CreateAutomation();
  KeepKeyboardOnButton1();

  ShowMessage = [](const std::string& text) {
    if (!frmConfirm) return;
    frmConfirm->SetConfirmMode(CONFIRM_MESSAGE);
    frmConfirm->SetConfirmText(text);
    frmConfirm->ShowModal();
  };
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

void TfrmMain::CreateControls() {
  btnPlayer = ImageButton(this, 6, 24, 60, 37, "Player", "Switch to player");
  btnFolder = ImageButton(this, 67, 24, 60, 37, "Folder", "Open the output folder of recording");
  btnOptions = ImageButton(this, 128, 24, 60, 37, "Options", "Options");
  btnOptions->OnClick = [this](TObject* sender) { btnOptionsClick(sender); };
  btnHelp = ImageButton(this, 189, 24, 60, 37, "Help", "Help");
  btnFolder->OnClick = [](TObject*) { OpenForUser(::OutputPath); };
  btnHelp->OnClick = [](TObject*) { ShowHelpTopic("Recorder.html#recording"); };
  btnPlayer->OnClick = [](TObject*) {
    if (frmPlayer) frmPlayer->Show();
  };
  btnAppMin = ImageButton(this, 565, 4, 18, 20, "_", "");
  btnAppMin->OnClick = [](TObject*) { Application->Minimize(); };
  btnAppClose = ImageButton(this, 584, 4, 18, 20, "X", "");
  btnAppClose->OnClick = [this](TObject*) {
    StopRecording();
    Close();
  };

  comboxSource = Place<TComboBox>(this, this, 479, 34, 109, 21);
  comboxSource->SetStyle(csDropDownList);
  comboxSource->SetHint("Select input line");
  comboxSource->OnChange = [this](TObject*) { SelectLine(comboxSource->ItemIndex()); };

  plVisualizationBG = Place<TPanel>(this, this, 11, 67, 237, 93);
  plVisualizationBG->SetBevelOuter(bvNone);
  AV = Place<TAudioVisualization2>(this, plVisualizationBG, 9, 0, 219, 93);

  const int outputLefts[] = {368, 424, 480, 536};
  const char* outputCaptions[] = {"WAV", "MP3", "OGG", "WMA"};
  TRadioButton** outputs[] = {&rbOutputWav, &rbOutputMp3, &rbOutputOgg, &rbOutputWma};
  for (int i = 0; i < 4; ++i) {
    *outputs[i] = Place<TRadioButton>(this, this, outputLefts[i], 76, 52, 17);
    (*outputs[i])->SetCaption(outputCaptions[i]);
  }
  rbOutputWav->SetChecked(true);

  cboxVox = Place<TCheckBox>(this, this, 370, 113, 60, 17);
  cboxVox->SetCaption("VOX");
  cboxVox->OnClick = [this](TObject*) { cboxVoxClick(); };
  // Kept off: recordings run without the noise filters.
  cboxRNoise = Place<TCheckBox>(this, this, 351, 113, 17, 17);
  cboxRNoise->SetVisible(false);

  tbRecordVolume = Place<TTrackBar>(this, this, 269, 139, 143, 14);
  tbRecordVolume->SetTickStyle(tsNone);  // 14 pixels high: room for the bar only
  tbRecordVolume->SetRange(0, 65535);
  tbRecordVolume->SetHint("Adjust record volume");
  tbRecordVolume->OnChange = [this](TObject*) {
    if (!shown_) return;
    AR.SetLineVolume(tbRecordVolume->Position());
    AR_Monitor.SetLineVolume(tbRecordVolume->Position());
  };

  Label1 = Place<TLabel>(this, this, 203, 399, 80, 16);
  Label1->SetCaption("Idle");
  Label2 = Place<TLabel>(this, this, 288, 399, 290, 16);
  Label3 = Place<TLabel>(this, this, 288, 415, 290, 16);
  Label3->SetVisible(false);
  // Off the window: it holds the keyboard focus away from the controls.
  Button1 = Place<TButton>(this, this, 0, -100, 10, 10);
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
  for (TTrackBar* bar : {tbRecordVolume, tbPlayBackVolume, tbPlaybackProgress}) PassKeyboardOnFromSlider(bar, handOver);
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
