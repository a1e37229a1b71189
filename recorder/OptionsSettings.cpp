// The settings file "QmtCfg.ini": the options window's controls are read
// from it and written to it, key by key. A list index outside its list
// and a key that is missing or not a number take the key's default.

#include "platform/base/Exceptions.h"
#include "platform/framework/IniFiles.h"
#include "platform/framework/SysUtils.h"
#include "platform/os/Files.h"
#include "recorder/GlobeVar.h"
#include "recorder/Options.h"
#include "recorder/OptionsLists.h"

namespace {

void ReadIndex(TIniFile& ini, const char* section, const char* key, TComboBox* list, int defaultIndex) {
  const int count = list->Items()->Count();
  const int index = IndexInList(ini.ReadInteger(section, key, defaultIndex), count, defaultIndex);
  list->SetItemIndex(index < count ? index : -1);
}

void ReadSpin(TIniFile& ini, const char* section, const char* key, const TSpinBox& spin, int defaultValue) {
  spin.SetValue(ini.ReadInteger(section, key, defaultValue));
}

// A pair of radio buttons stored as one boolean: the named button takes
// the value and its partner the opposite, so that one is always chosen.
void SetPair(TzelRadioButton* named, TzelRadioButton* partner, bool value) {
  named->SetChecked(value);
  partner->SetChecked(!value);
}

void ChooseIndex(TComboBox* list, int index) {
  list->SetItemIndex(index < list->Items()->Count() ? index : -1);
}

const char* const kStartStop[] = {"Start", "Start", "Stop", "Stop"};

std::string HotkeyKey(int row, const char* what) {
  return std::string(kStartStop[row]) + what + std::to_string(row % 2 + 1);
}

}  // namespace

void TfrmOptions::LoadSettings() {
  TIniFile ini(SettingsFolder + SettingsFileName);
  const char* format = "OutputFormat";
  formatControls_.Read(ini, format);
  RefreshVbrEnabling();

  static const int kModifierDefaults[] = {1, 0, 1, 0};
  static const int kKeyDefaults[] = {28, 55, 29, 56};
  for (int row = 0; row < 4; ++row) {
    ReadIndex(ini, "Hotkey", HotkeyKey(row, "PreHotKey").c_str(), hotkeyRows[row].Modifier, kModifierDefaults[row]);
    ReadIndex(ini, "Hotkey", HotkeyKey(row, "HotKey").c_str(), hotkeyRows[row].Key, kKeyDefaults[row]);
  }
  for (int row = 0; row < 4; ++row)
    hotkeyRows[row].Use->SetChecked(ini.ReadBool("Hotkey", HotkeyKey(row, "Use"), true));
  RefreshHotkeyEnabling();

  LoadScheduleFile(SettingsFolder + ScheduleFileName);

  ReadSpin(ini, "AutoStop", "VolumeLevel", spinVolumeLevel, 5);
  ReadSpin(ini, "AutoStop", "VolumeTime", spinVolumeTime, 3);
  ReadSpin(ini, "AutoStop", "TimeMinute", spinTimeMinute, 0);
  ReadSpin(ini, "AutoStop", "TimeSecond", spinTimeSecond, 30);
  cboxVolumeStop->SetChecked(ini.ReadBool("AutoStop", "VolumeStop", false));
  cboxAutoSplit->SetChecked(ini.ReadBool("AutoStop", "TimeStop", false));
  SetPair(rbSplitNewRecord, rbSplitStop, ini.ReadBool("AutoStop", "TimeNewRecord", false));

  ReadSpin(ini, "VOX", "AttackLevel", spinAttackLevel, -46);
  ReadSpin(ini, "VOX", "ReleaseTime", spinReleaseTime, 300);
  SetPair(rbVoxNewTrack, rbVoxPause, ini.ReadBool("VOX", "NewTrack", false));
  cboxVox->SetChecked(ini.ReadBool("VOX", "VOXEnabled", false));
  RefreshVolumeEnabling();

  const char* path = "OutputPath";
  recorderPage.Folder->SetText(ini.ReadString(path, "OutputPath", RecordedFolder));
  recorderPage.Prefix->SetText(ini.ReadString(path, "PreName", "Recorded"));
  recorderPage.Suffix->SetText(ini.ReadString(path, "PosName", ""));
  recorderPage.UseDate->SetChecked(ini.ReadBool(path, "UseDate", true));
  SetPair(recorderPage.AddNew, recorderPage.Overwrite, ini.ReadBool(path, "AddNew", true));
  converterPage.Folder->SetText(ini.ReadString(path, "ConvertOutputPath", ConvertedFolder));
  SetPair(converterPage.ToAppointed, converterPage.ToSource, ini.ReadBool(path, "ConvertSaveToAppointed", true));
  SetPair(converterPage.AddNew, converterPage.Overwrite, ini.ReadBool(path, "ConvertAddNew", true));
  splitterPage.Folder->SetText(ini.ReadString(path, "SplitOutputPath", SplittedFolder));
  SetPair(splitterPage.ToAppointed, splitterPage.ToSource, ini.ReadBool(path, "SplitSaveToAppointed", true));
  SetPair(splitterPage.AddNew, splitterPage.Overwrite, ini.ReadBool(path, "SplitAddNew", true));
  joinerPage.Folder->SetText(ini.ReadString(path, "JoinOutputPath", MergedFolder));
  joinerPage.Prefix->SetText(ini.ReadString(path, "JoinPreName", "Merged"));
  joinerPage.Suffix->SetText(ini.ReadString(path, "JoinPosName", ""));
  joinerPage.UseDate->SetChecked(ini.ReadBool(path, "JoinUseDate", true));
  SetPair(joinerPage.AddNew, joinerPage.Overwrite, ini.ReadBool(path, "JoinAddNew", true));

  editSubject->SetText(ini.ReadString("Mail", "Subject", "Share with you"));
  SetBodyLines(BodyFromHex(ini.ReadString("Mail", "Body", "")));
}

void TfrmOptions::SaveSettings() {
  try {
    SaveSettingsTo(SettingsFolder + SettingsFileName);
  } catch (const EIniFileException&) {
    // The file keeps what it held; the next start reads that.
  }
}

void TfrmOptions::SaveSettingsTo(const std::string& fileName) {
  TIniFile ini(fileName);
  // Values only the main window knows keep what the file holds when it
  // cannot tell them.
  const std::string storedDevice = ini.ReadString("Device", "InputDevice", "");
  const std::string storedLine = ini.ReadString("Device", "InputLine", "");
  const int storedFormat = ini.ReadInteger("OutputFormat", "Selected", 0);

  ini.BeginUpdate();
  const char* format = "OutputFormat";
  formatControls_.Write(ini, format);

  for (int row = 0; row < 4; ++row) {
    ini.WriteInteger("Hotkey", HotkeyKey(row, "PreHotKey"), hotkeyRows[row].Modifier->ItemIndex());
    ini.WriteInteger("Hotkey", HotkeyKey(row, "HotKey"), hotkeyRows[row].Key->ItemIndex());
  }
  for (int row = 0; row < 4; ++row) ini.WriteBool("Hotkey", HotkeyKey(row, "Use"), hotkeyRows[row].Use->Checked());

  SaveScheduleFile(SettingsFolder + ScheduleFileName);

  ini.WriteInteger("AutoStop", "VolumeLevel", spinVolumeLevel.Value());
  ini.WriteInteger("AutoStop", "VolumeTime", spinVolumeTime.Value());
  ini.WriteInteger("AutoStop", "TimeMinute", spinTimeMinute.Value());
  ini.WriteInteger("AutoStop", "TimeSecond", spinTimeSecond.Value());
  ini.WriteBool("AutoStop", "VolumeStop", cboxVolumeStop->Checked());
  ini.WriteBool("AutoStop", "TimeStop", cboxAutoSplit->Checked());
  ini.WriteBool("AutoStop", "TimeNewRecord", rbSplitNewRecord->Checked());

  ini.WriteInteger("VOX", "AttackLevel", spinAttackLevel.Value());
  ini.WriteInteger("VOX", "ReleaseTime", spinReleaseTime.Value());
  ini.WriteBool("VOX", "NewTrack", rbVoxNewTrack->Checked());
  ini.WriteBool("VOX", "VOXEnabled", cboxVox->Checked());

  const char* path = "OutputPath";
  ini.WriteString(path, "OutputPath", recorderPage.Folder->Text());
  ini.WriteString(path, "PreName", recorderPage.Prefix->Text());
  ini.WriteString(path, "PosName", recorderPage.Suffix->Text());
  ini.WriteBool(path, "UseDate", recorderPage.UseDate->Checked());
  ini.WriteBool(path, "AddNew", recorderPage.AddNew->Checked());
  ini.WriteString(path, "ConvertOutputPath", converterPage.Folder->Text());
  ini.WriteBool(path, "ConvertSaveToAppointed", converterPage.ToAppointed->Checked());
  ini.WriteBool(path, "ConvertAddNew", converterPage.AddNew->Checked());
  ini.WriteString(path, "SplitOutputPath", splitterPage.Folder->Text());
  ini.WriteBool(path, "SplitSaveToAppointed", splitterPage.ToAppointed->Checked());
  ini.WriteBool(path, "SplitAddNew", splitterPage.AddNew->Checked());
  ini.WriteString(path, "JoinOutputPath", joinerPage.Folder->Text());
  ini.WriteString(path, "JoinPreName", joinerPage.Prefix->Text());
  ini.WriteString(path, "JoinPosName", joinerPage.Suffix->Text());
  ini.WriteBool(path, "JoinUseDate", joinerPage.UseDate->Checked());
  ini.WriteBool(path, "JoinAddNew", joinerPage.AddNew->Checked());

  ini.WriteString("Mail", "Subject", editSubject->Text());
  ini.WriteString("Mail", "Body", BodyToHex(BodyLines()));

  ini.WriteString("Device", "InputDevice", comboDevice->Items()->Count() > 0 ? comboDevice->FieldText() : storedDevice);
  ini.WriteString("Device", "InputLine", MainWindow.InputLineText ? MainWindow.InputLineText() : storedLine);
  ini.WriteInteger(format, "Selected", MainWindow.SelectedFormat ? MainWindow.SelectedFormat() : storedFormat);
  ini.EndUpdate();
}

void TfrmOptions::ApplyDefaults() {
  formatControls_.SetFactory();

  static const int kModifiers[] = {1, 0, 1, 0};
  static const int kKeys[] = {28, 55, 29, 56};
  for (int row = 0; row < 4; ++row) {
    ChooseIndex(hotkeyRows[row].Modifier, kModifiers[row]);
    ChooseIndex(hotkeyRows[row].Key, kKeys[row]);
    hotkeyRows[row].Use->SetChecked(true);
  }

  spinVolumeLevel.SetValue(5);
  spinVolumeTime.SetValue(3);
  spinTimeMinute.SetValue(0);
  spinTimeSecond.SetValue(30);
  cboxVolumeStop->SetChecked(false);
  cboxAutoSplit->SetChecked(false);
  SetPair(rbSplitNewRecord, rbSplitStop, false);
  spinAttackLevel.SetValue(-46);
  spinReleaseTime.SetValue(300);
  SetPair(rbVoxPause, rbVoxNewTrack, true);
  cboxVox->SetChecked(false);

  recorderPage.Folder->SetText(RecordedFolder);
  recorderPage.Prefix->SetText("Recorded");
  recorderPage.Suffix->SetText("");
  recorderPage.UseDate->SetChecked(true);
  SetPair(recorderPage.AddNew, recorderPage.Overwrite, true);
  converterPage.Folder->SetText(ConvertedFolder);
  SetPair(converterPage.ToAppointed, converterPage.ToSource, true);
  SetPair(converterPage.AddNew, converterPage.Overwrite, true);
  splitterPage.Folder->SetText(SplittedFolder);
  SetPair(splitterPage.ToAppointed, splitterPage.ToSource, true);
  SetPair(splitterPage.AddNew, splitterPage.Overwrite, true);
  joinerPage.Folder->SetText(MergedFolder);
  joinerPage.Prefix->SetText("Merged");
  joinerPage.Suffix->SetText("");
  joinerPage.UseDate->SetChecked(true);
  SetPair(joinerPage.AddNew, joinerPage.Overwrite, true);

  editSubject->SetText("Share");
  TStringList body;
  body.Add("Hi,");
  SetBodyLines(body);

  RefreshVbrEnabling();
  RefreshHotkeyEnabling();
  RefreshVolumeEnabling();
  EnsureOutputFolders();
}

void TfrmOptions::EnsureOutputFolders() {
  const std::pair<TzelEdit*, const std::string*> folders[] = {{recorderPage.Folder, &RecordedFolder},
                                                           {splitterPage.Folder, &SplittedFolder},
                                                           {joinerPage.Folder, &MergedFolder},
                                                           {converterPage.Folder, &ConvertedFolder}};
  for (const auto& [box, defaultFolder] : folders) {
    if (DirectoryExists(box->Text()) || CreateDir(box->Text())) continue;
    box->SetText(*defaultFolder);
    CreateDir(*defaultFolder);
  }
}

void TfrmOptions::CreateFirstRunSettings() {
  ApplyDefaults();
  // A schedule kept from an earlier run stays: the first save would
  // otherwise write it over with an empty one.
  const std::string scheduleFile = SettingsFolder + ScheduleFileName;
  if (FileExists(scheduleFile)) LoadScheduleFile(scheduleFile);
  SaveSettings();
}
