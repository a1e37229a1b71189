#include "recorder/Main.h"

#include "recorder/Options.h"
#include "recorder/RecorderFolders.h"

TfrmMain* frmMain = nullptr;

TfrmMain::TfrmMain(TComponent* owner) : TForm(owner) {
  SetBorderStyle(bsNone);
  SetPosition(poScreenCenter);
  SetCaption("Velmora MP3 Recorder");
  SetClientSize(608, 431);

  plVisualizationBG = new TPanel(this);
  plVisualizationBG->SetParent(this);
  plVisualizationBG->SetBevelOuter(bvNone);
  plVisualizationBG->SetBounds(11, 67, 237, 93);

  btnOptions = new TButton(this);
  btnOptions->SetParent(this);
  btnOptions->SetBounds(128, 24, 60, 37);
  btnOptions->SetCaption("Options");
  btnOptions->SetHint("Options");
  btnOptions->OnClick = [this](TObject* sender) { btnOptionsClick(sender); };

  btnAppMin = new TButton(this);
  btnAppMin->SetParent(this);
  btnAppMin->SetBounds(565, 4, 18, 20);
  btnAppMin->SetCaption("_");
  btnAppMin->OnClick = [](TObject*) { Application->Minimize(); };

  btnAppClose = new TButton(this);
  btnAppClose->SetParent(this);
  btnAppClose->SetBounds(584, 4, 18, 20);
  btnAppClose->SetCaption("X");
  btnAppClose->OnClick = [this](TObject*) { Close(); };

  Label1 = new TLabel(this);
  Label1->SetParent(this);
  Label1->SetBounds(203, 399, 80, 16);
  Label1->SetCaption("Idle");

  OnCreate = [this](TObject* sender) { FormCreate(sender); };
  OnDestroy = [this](TObject* sender) { FormDestroy(sender); };
}

TfrmMain::~TfrmMain() { StopHotkeyThread(); }

void TfrmMain::FormCreate(TObject*) {
  // Settings and recordings need their folders before any other window
  // exists; a folder that cannot be made shows up when it is first used.
  SetUpRecorderFolders();
  leftMeter_ = CreateMeter(alLeft);
  rightMeter_ = CreateMeter(alRight);
  hotkeyThread_ = std::make_unique<THotkeyDetector>(Handle());
}

void TfrmMain::FormDestroy(TObject*) { StopHotkeyThread(); }

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
