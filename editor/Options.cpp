#include "editor/Options.h"

#include <algorithm>

#include "editor/DialogFrame.h"
#include "editor/GlobeVar.h"
#include "editor/OptionsColors.h"
#include "platform/audioeditor/AudioEditor2.h"
#include "platform/framework/Dialogs.h"
#include "platform/framework/SysUtils.h"
#include "platform/os/Files.h"
#include "skin/ZELForm.h"
#include "skin/ZELFormControls.h"

TfrmOptions* frmOptions = nullptr;

TfrmOptions::TfrmOptions(TComponent* owner, TOptionsMainLink link) : TForm(owner), MainWindow(std::move(link)) {
  SetName("frmOptions");
  SetBorderStyle(bsDialog);
  SetPosition(poScreenCenter);
  zelForm1 = DressDialog(this, "Velmora Audio Editor Options");
  SetClientSize(440, 412);
  // Below the frame's title bar.
  pcOptions = new TzelPageControl(this);
  pcOptions->SetName("pcOptions");
  pcOptions->SetBounds(8, 30, 424, 334);
  pcOptions->SetParent(zelForm1);
  BuildSystemPage();
  BuildFormatPage();
  BuildScalesPage();
  BuildColorsPage();
  ShowPage(0);

  const auto button = [this](const std::string& name, const std::string& caption, const std::string& hint,
                             int left) {
    auto* made = new TzelButton(this);
    made->SetName(name);
    made->SetCaption(caption);
    made->SetHint(hint);
    made->SetShowHint(true);
    made->SetBounds(left, 374, 80, 26);
    made->SetParent(zelForm1);
    return made;
  };
  btnDefault = button("btnDefault", "&Default", "Set all setting to default", 176);
  btnOk = button("btnOk", "&Ok", "Ok", 264);
  btnCancel = button("btnCancel", "&Cancel", "Cancel", 352);
  btnCancel->SetCancel(true);
  btnDefault->OnClick = [this](TObject* s) { btnDefaultClick(s); };
  btnOk->OnClick = [this](TObject* s) { btnOkClick(s); };
  btnCancel->OnClick = [this](TObject* s) { btnCancelClick(s); };
  ThemeDialogControls(this, zelForm1);

  snapshotLists_ = {comboWavFreq,       comboWavChannels, comboWavSampleRate,     comboMp3Freq,
                    comboMp3Channels,   comboMp3BitRate,  comboMp3EncoderQuality, comboMp3MaxBitRate,
                    comboMp3VbrQuality, comboOggFreq,     comboOggChannels,       comboOggQuality,
                    comboWmaFormat,     comboHType,       comboVType};
  snapshotChecks_ = {cboxMp3Vbr, cboxMp3VbrHeader, cboxHVisible, cboxHGrid, cboxVVisible, cboxVGrid};
  formatControls_.Find(this);
  SetFactoryFormats();

  OnCreate = [this](TObject*) {
    if (FileExists(SettingsFolder + OptionsFileName)) {
      LoadOptions();
    } else {
      ApplyEditorDefaults();
      SaveOptions();
    }
    PublishFormats();
  };
  OnShow = [this](TObject* s) { FormShow(s); };
  OnClose = [this](TObject* s, TCloseAction& action) { FormClose(s, action); };
  OnDestroy = [this](TObject*) { SaveOptions(); };
}

TfrmOptions::~TfrmOptions() {
  if (frmOptions == this) frmOptions = nullptr;
}

// --- the engine -------------------------------------------------------------

int TfrmOptions::SpinValue(const TzelSpinEdit* spin) {
  return std::clamp(spin->Value(), spin->MinValue(), spin->MaxValue());
}

void TfrmOptions::ApplyBuffersToEngine() {
  if (!MainWindow.Editor) return;
  for (IAudioEditor2Device* device : {MainWindow.Editor->PlaybackDevice(), MainWindow.Editor->RecordingDevice()}) {
    device->SetBufferSize(SpinValue(spinBufferSize));
    device->SetBufferCount(SpinValue(spinBufferCount));
    device->SetBufferTick(SpinValue(spinBufferTick));
  }
}

void TfrmOptions::ApplySystemToEngine() {
  ApplyBuffersToEngine();
  if (!MainWindow.Editor) return;
  MainWindow.Editor->FileInfo()->SetAudioInfoEnabled(cboxAudioInfo->Checked());
  MainWindow.Editor->SetTempDirectory(Trim(editTempDir->Text()));
}

void TfrmOptions::ApplyScalesToEngine() {
  ScaleCheckClick(nullptr);
  comboHTypeChange(nullptr);
  comboVTypeChange(nullptr);
}

void TfrmOptions::SetTempFolderBox(const std::string& folder) {
  editTempDir->SetText(DirectoryExists(Trim(folder)) ? folder : SettingsFolder);
}

void TfrmOptions::RefreshVbrEnabling() {
  const bool vbr = cboxMp3Vbr->Checked();
  for (TControl* control : std::initializer_list<TControl*>{lblMp3MaxBitRate, comboMp3MaxBitRate, lblMp3VbrQuality,
                                                             comboMp3VbrQuality, cboxMp3VbrHeader})
    control->SetEnabled(vbr);
}

// --- handlers ---------------------------------------------------------------

void TfrmOptions::BufferSpinChange(TObject*) { ApplyBuffersToEngine(); }

void TfrmOptions::btnTempDirClick(TObject*) {
  std::string folder = editTempDir->Text();
  if (!MainWindow.Editor) return;
  if (SelectDirectory("Select Temp Directory", "", folder)) MainWindow.Editor->SetTempDirectory(folder);
  editTempDir->SetText(MainWindow.Editor->TempDirectory());
}

void TfrmOptions::cboxAudioInfoClick(TObject*) {
  if (MainWindow.Editor) MainWindow.Editor->FileInfo()->SetAudioInfoEnabled(cboxAudioInfo->Checked());
}

void TfrmOptions::cboxMp3VbrClick(TObject*) { RefreshVbrEnabling(); }

void TfrmOptions::ScaleCheckClick(TObject*) {
  if (!MainWindow.Editor) return;
  MainWindow.Editor->ScaleX()->SetVisible(cboxHVisible->Checked());
  MainWindow.Editor->ScaleX()->SetGridVisible(cboxHGrid->Checked());
  MainWindow.Editor->ScaleY()->SetVisible(cboxVVisible->Checked());
  MainWindow.Editor->ScaleY()->SetGridVisible(cboxVGrid->Checked());
}

void TfrmOptions::comboHTypeChange(TObject*) {
  const int index = comboHType->ItemIndex();
  if (MainWindow.Editor && index >= 0) MainWindow.Editor->ScaleX()->SetScaleType(index + 1);
  if (MainWindow.SetShowMilliseconds) MainWindow.SetShowMilliseconds(index == 1);
}

void TfrmOptions::comboVTypeChange(TObject*) {
  const int index = comboVType->ItemIndex();
  if (MainWindow.Editor && index >= 0) MainWindow.Editor->ScaleY()->SetScaleType(index + 1);
}

void TfrmOptions::lbColorsClick(TObject*) {
  const int index = lbColors->ItemIndex();
  if (!MainWindow.Editor || index < 0 || index >= kColorLineCount) return;
  plColorSample->SetColor((MainWindow.Editor->Colors()->*ColorLines()[index].Get)());
}

void TfrmOptions::btnChangeColorClick(TObject*) {
  dlgColor->SetColor(plColorSample->Color());
  if (!dlgColor->Execute()) return;
  plColorSample->SetColor(dlgColor->Color());
  const int index = lbColors->ItemIndex();
  if (MainWindow.Editor && index >= 0 && index < kColorLineCount)
    (MainWindow.Editor->Colors()->*ColorLines()[index].Set)(dlgColor->Color());
}

void TfrmOptions::btnDefaultClick(TObject*) { ApplyEditorDefaults(); }

void TfrmOptions::btnOkClick(TObject*) {
  closedByOk_ = true;
  PublishFormats();
  SaveOptions();
  SetModalResult(mrOk);
  if (!IsModal()) Close();
}

void TfrmOptions::btnCancelClick(TObject*) {
  SetModalResult(mrCancel);
  if (!IsModal()) Close();
}

// --- snapshot ---------------------------------------------------------------

void TfrmOptions::FormShow(TObject*) {
  snapshot_ = TakeSnapshot();
  closedByOk_ = false;
}

void TfrmOptions::FormClose(TObject*, TCloseAction&) {
  if (!closedByOk_) RestoreSnapshot(snapshot_);
}

TfrmOptions::TSnapshot TfrmOptions::TakeSnapshot() {
  TSnapshot snapshot;
  snapshot.Taken = true;
  snapshot.Buffers = {SpinValue(spinBufferSize), SpinValue(spinBufferCount), SpinValue(spinBufferTick)};
  snapshot.TempFolder = editTempDir->Text();
  snapshot.AudioInfo = cboxAudioInfo->Checked();
  for (TComboBox* list : snapshotLists_) snapshot.ListIndexes.push_back(list->ItemIndex());
  for (TzelCheckBox* check : snapshotChecks_) snapshot.Checks.push_back(check->Checked());
  if (MainWindow.Editor)
    for (int i = 0; i < kColorLineCount; ++i)
      snapshot.Colors[i] = (MainWindow.Editor->Colors()->*ColorLines()[i].Get)();
  return snapshot;
}

void TfrmOptions::RestoreSnapshot(const TSnapshot& snapshot) {
  if (!snapshot.Taken) return;  // never shown
  spinBufferSize->SetValue(snapshot.Buffers[0]);
  spinBufferCount->SetValue(snapshot.Buffers[1]);
  spinBufferTick->SetValue(snapshot.Buffers[2]);
  editTempDir->SetText(snapshot.TempFolder);
  cboxAudioInfo->SetChecked(snapshot.AudioInfo);
  for (std::size_t i = 0; i < snapshotLists_.size(); ++i) snapshotLists_[i]->SetItemIndex(snapshot.ListIndexes[i]);
  for (std::size_t i = 0; i < snapshotChecks_.size(); ++i) snapshotChecks_[i]->SetChecked(snapshot.Checks[i]);
  RefreshVbrEnabling();
  ApplySystemToEngine();
  ApplyScalesToEngine();
  if (MainWindow.Editor)
    for (int i = 0; i < kColorLineCount; ++i)
      (MainWindow.Editor->Colors()->*ColorLines()[i].Set)(snapshot.Colors[i]);
}
