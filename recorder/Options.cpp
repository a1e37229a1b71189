#include "recorder/Options.h"

#include <algorithm>

#include "platform/audio/AudioRecord2.h"
#include "platform/framework/Dialogs.h"
#include "platform/framework/SysUtils.h"
#include "platform/os/Clock.h"
#include "platform/os/Files.h"
#include "platform/os/NewFile.h"
#include "recorder/Confirm.h"
#include "recorder/DialogFrame.h"
#include "recorder/GlobeVar.h"
#include "recorder/PathSelect.h"
#include "skin/ZELForm.h"

TfrmOptions* frmOptions = nullptr;

TfrmOptions::TfrmOptions(TComponent* owner) : TForm(owner) {
  SetName("frmOptions");
  SetBorderStyle(bsDialog);
  SetPosition(poScreenCenter);
  zelForm1 = DressDialog(this, "Velmora MP3 Recorder Pro: Options");
  SetClientSize(520, 466);
  // Below the frame's title bar.
  pcOptions = new TzelPageControl(this);
  pcOptions->SetName("pcOptions");
  pcOptions->SetBounds(8, 30, 504, 392);
  pcOptions->SetParent(zelForm1);
  BuildFormatPage();
  BuildHotkeyPage();
  BuildSchedulePage();
  BuildAutomationPage();
  BuildSavePages();
  BuildMailAndDevicePages();
  for (TzelPageControl* pages : {pcFormat, pcAutomation, pcSave}) pages->SetActivePage(pages->Pages(0));
  ShowPage(0);
  ConnectDialogs();

  const auto button = [this](const std::string& name, const std::string& caption, const std::string& hint,
                             int left) {
    auto* made = new TzelButton(this);
    made->SetName(name);
    made->SetCaption(caption);
    made->SetHint(hint);
    made->SetShowHint(true);
    made->SetBounds(left, 430, 80, 26);
    made->SetParent(zelForm1);
    return made;
  };
  btnDefault = button("btnDefault", "&Default", "Set all setting to default", 256);
  btnOk = button("btnOk", "&Ok", "Ok", 344);
  btnCancel = button("btnCancel", "&Cancel", "Cancel", 432);
  btnCancel->SetCancel(true);
  btnDefault->OnClick = [this](TObject* s) { btnDefaultClick(s); };
  btnOk->OnClick = [this](TObject* s) { btnOkClick(s); };
  btnCancel->OnClick = [this](TObject* s) { btnCancelClick(s); };
  ThemeDialogControls(this, zelForm1);

  snapshotLists_ = {comboWavFreq,       comboWavChannels,   comboWavSampleRate, comboMp3Freq,
                    comboMp3Channels,   comboMp3BitRate,    comboMp3EncoderQuality, comboMp3MaxBitRate,
                    comboMp3VbrQuality, comboOggFreq,       comboOggChannels,   comboOggQuality,
                    comboWmaFormat};
  formatControls_.Find(this);
  snapshotChecks_ = {cboxMp3Vbr, cboxMp3VbrHeader, cboxAutoSplit, cboxVolumeStop, rbVoxNewTrack, rbVoxPause,
                     rbSplitStop, rbSplitNewRecord};
  for (THotkeyRow& row : hotkeyRows) {
    snapshotLists_.push_back(row.Modifier);
    snapshotLists_.push_back(row.Key);
    snapshotChecks_.push_back(row.Use);
  }
  snapshotTexts_ = {spinAttackLevel.Edit, spinReleaseTime.Edit, spinTimeMinute.Edit, spinTimeSecond.Edit,
                    spinVolumeLevel.Edit, spinVolumeTime.Edit,  editSubject};
  for (TOutputPage* page : {&recorderPage, &converterPage, &splitterPage, &joinerPage}) {
    snapshotTexts_.push_back(page->Folder);
    for (TCustomEdit* edit : {page->Prefix, page->Suffix})
      if (edit) snapshotTexts_.push_back(edit);
    for (TzelCheckBox* check : {page->UseDate, static_cast<TzelCheckBox*>(page->ToSource),
                                static_cast<TzelCheckBox*>(page->ToAppointed), static_cast<TzelCheckBox*>(page->AddNew),
                                static_cast<TzelCheckBox*>(page->Overwrite)})
      if (check) snapshotChecks_.push_back(check);
  }

  OnCreate = [this](TObject*) {
    if (FileExists(SettingsFolder + SettingsFileName))
      LoadSettings();
    else
      CreateFirstRunSettings();
    PublishSettings();
  };
  OnShow = [this](TObject* s) { FormShow(s); };
  OnClose = [this](TObject* s, TCloseAction& action) { FormClose(s, action); };
  OnDestroy = [this](TObject*) { SaveSettings(); };
}

TfrmOptions::~TfrmOptions() {
  if (frmOptions == this) frmOptions = nullptr;
}

void TfrmOptions::ConnectDialogs() {
  SelectFolder = [] {
    if (!frmPathSelect) return std::string();
    frmPathSelect->Result.clear();  // closing without a choice chooses nothing
    frmPathSelect->ShowModal();
    return frmPathSelect->Result;
  };
  ShowMessage = [](const std::string& text) {
    if (!frmConfirm) return;
    frmConfirm->SetConfirmText(text);
    frmConfirm->SetConfirmMode(CONFIRM_MESSAGE);
    frmConfirm->ShowModal();
  };
  dlgSaveSchedule = new TSaveDialog(this);
  dlgOpenSchedule = new TOpenDialog(this);
  for (TOpenDialog* dialog : {static_cast<TOpenDialog*>(dlgSaveSchedule), dlgOpenSchedule}) {
    dialog->SetFilter("Velmora mp3 recorder schedule file|*.vsk");
    dialog->SetDefaultExt("vsk");  // a name typed without extension gets ".vsk"
  }
  const auto choose = [](TOpenDialog* dialog, std::string& fileName) {
    if (!dialog->Execute()) return false;
    fileName = dialog->FileName();
    return true;
  };
  ChooseScheduleFileToSave = [this, choose](std::string& fileName) { return choose(dlgSaveSchedule, fileName); };
  ChooseScheduleFileToLoad = [this, choose](std::string& fileName) { return choose(dlgOpenSchedule, fileName); };
}

TStringList TfrmOptions::BodyLines() const {
  TStringList lines;
  for (int i = 0; i < memoBody->Lines()->Count(); ++i) lines.Add(memoBody->Lines()->Strings(i));
  return lines;
}

void TfrmOptions::SetBodyLines(const TStringList& lines) {
  memoBody->Lines()->Assign(lines);
}

// --- enabling -----------------------------------------------------------------

void TfrmOptions::RefreshVbrEnabling() {
  const bool vbr = cboxMp3Vbr->Checked();
  for (TControl* control : std::initializer_list<TControl*>{lblMp3MaxBitRate, comboMp3MaxBitRate, lblMp3VbrQuality,
                                                             comboMp3VbrQuality, cboxMp3VbrHeader})
    control->SetEnabled(vbr);
}

void TfrmOptions::RefreshHotkeyEnabling() {
  for (THotkeyRow& row : hotkeyRows) {
    const bool use = row.Use->Checked();
    row.Modifier->SetEnabled(use);
    row.Plus->SetEnabled(use);
    row.Key->SetEnabled(use);
  }
}

void TfrmOptions::RefreshVolumeEnabling() {
  for (TControl* control : volumeControls) control->SetEnabled(cboxVolumeStop->Checked());
}

// --- handlers -------------------------------------------------------------------

void TfrmOptions::cboxMp3VbrClick(TObject*) { RefreshVbrEnabling(); }

void TfrmOptions::HotkeyUseClick(TObject*) { RefreshHotkeyEnabling(); }

void TfrmOptions::cboxAutoSplitClick(TObject*) {
  if (cboxAutoSplit->Checked() && !restoring_) {
    cboxVox->SetChecked(false);
    if (MainWindow.SetVoxChecked) MainWindow.SetVoxChecked(false);
  }
  RefreshVolumeEnabling();
}

void TfrmOptions::cboxVoxClick(TObject*) {
  if (cboxVox->Checked()) cboxAutoSplit->SetChecked(false);
  if (MainWindow.SetVoxChecked) MainWindow.SetVoxChecked(cboxVox->Checked());
  RefreshVolumeEnabling();
}

void TfrmOptions::cboxVolumeStopClick(TObject*) { RefreshVolumeEnabling(); }

void TfrmOptions::NameEditKeyPress(TObject*, char32_t& key) {
  if (std::u32string_view(U"\\/:*?\"<>|").find(key) != std::u32string_view::npos) key = 0;
}

void TfrmOptions::ReleaseTimeKeyPress(TObject*, char32_t& key) {
  rememberedReleaseTime_ = spinReleaseTime.Edit->Text();
  if (key < U'0' || key > U'9') key = 0;
}

void TfrmOptions::ReleaseTimeChange(TObject*) {
  const std::string text = Trim(spinReleaseTime.Edit->Text());
  // An emptied box has no number to compare; it reads as the lowest value.
  if (text.empty()) return;
  const bool tooLarge = text.size() > 9 || StrToIntDef(text, 0) > spinReleaseTime.Max();
  if (tooLarge && rememberedReleaseTime_ != spinReleaseTime.Edit->Text())
    spinReleaseTime.Edit->SetText(rememberedReleaseTime_);
}

bool TfrmOptions::FolderIsWritable(const std::string& folder) {
  const std::string ticks = std::to_string(GetTickCount());
  const std::string testFile = folder + ticks + "." + std::to_string(GetTickCount());
  if (!CreateNewFile(testFile)) return false;
  DeleteFile(testFile);
  return true;
}

void TfrmOptions::FolderButtonClick(TObject* sender) {
  for (TOutputPage* page : {&recorderPage, &converterPage, &splitterPage, &joinerPage}) {
    if (page->Browse != sender) continue;
    const std::string folder = SelectFolder ? SelectFolder() : std::string();
    if (folder.empty()) return;
    if (!FolderIsWritable(folder)) {
      if (ShowMessage) ShowMessage("The path can't set as output path");
      return;
    }
    page->Folder->SetText(folder);
    return;
  }
}

void TfrmOptions::comboDeviceChange(TObject*) {
  if (Recorder) {
    const std::string wanted = Trim(comboDevice->FieldText());
    const int last = Recorder->DeviceCount();
    for (int index = 0; index <= last; ++index) {
      Recorder->SetDevice(index);
      if (Trim(Recorder->DeviceName()) == wanted) {
        Recorder->SetDevice(index);
        break;
      }
    }
  }
  if (MainWindow.InputDeviceChanged) MainWindow.InputDeviceChanged();
}

void TfrmOptions::btnDefaultClick(TObject*) { ApplyDefaults(); }

void TfrmOptions::btnOkClick(TObject*) {
  closedByOk_ = true;
  PublishSettings();
  SaveSettings();
  SetModalResult(mrOk);
  if (!IsModal()) Close();
}

void TfrmOptions::btnCancelClick(TObject*) {
  SetModalResult(mrCancel);
  if (!IsModal()) Close();
}

// --- snapshot -------------------------------------------------------------------

void TfrmOptions::FormShow(TObject*) {
  snapshot_ = TakeSnapshot();
  closedByOk_ = false;
}

void TfrmOptions::FormClose(TObject*, TCloseAction&) {
  if (!closedByOk_) RestoreSnapshot(snapshot_);
}

TfrmOptions::TSnapshot TfrmOptions::TakeSnapshot() {
  TSnapshot snapshot;
  for (TComboBox* list : snapshotLists_) snapshot.ListIndexes.push_back(list->ItemIndex());
  for (TzelCheckBox* check : snapshotChecks_) snapshot.Checks.push_back(check->Checked());
  for (TCustomEdit* edit : snapshotTexts_) snapshot.Texts.push_back(edit->Text());
  snapshot.BodyText = memoBody->Lines()->Text();
  snapshot.Entries = schedule_.Entries();
  return snapshot;
}

void TfrmOptions::RestoreSnapshot(const TSnapshot& snapshot) {
  if (snapshot.Checks.size() != snapshotChecks_.size()) return;  // never shown
  restoring_ = true;
  for (std::size_t i = 0; i < snapshotLists_.size(); ++i) snapshotLists_[i]->SetItemIndex(snapshot.ListIndexes[i]);
  // Radio buttons first unchecked, so that restoring one never unchecks
  // its partner after the partner was restored.
  for (std::size_t i = 0; i < snapshotChecks_.size(); ++i)
    if (!snapshot.Checks[i]) snapshotChecks_[i]->SetChecked(false);
  for (std::size_t i = 0; i < snapshotChecks_.size(); ++i)
    if (snapshot.Checks[i]) snapshotChecks_[i]->SetChecked(true);
  for (std::size_t i = 0; i < snapshotTexts_.size(); ++i) snapshotTexts_[i]->SetText(snapshot.Texts[i]);
  memoBody->Lines()->SetText(snapshot.BodyText);
  restoring_ = false;
  RefreshVbrEnabling();
  RefreshHotkeyEnabling();
  RefreshVolumeEnabling();
  if (snapshot.Entries.empty())
    schedule_.Clear();
  else
    schedule_.Assign(snapshot.Entries);
  RefreshScheduleList();
}
