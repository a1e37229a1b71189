// Publishing: the options window's controls decoded into the shared
// settings values every other window reads.

#include "platform/framework/SysUtils.h"
#include "recorder/GlobeVar.h"
#include "recorder/Options.h"
#include "recorder/OptionsLists.h"
#include "recorder/RecorderFolders.h"

namespace {

std::string ChosenText(TComboBox* list) { return list->FieldText(); }

}  // namespace

void TfrmOptions::PublishSettings() {
  WavFreq = NumberWithoutUnit(ChosenText(comboWavFreq), 3);
  WavChannels = ChannelsOf(ChosenText(comboWavChannels));
  WavSampleRate = NumberWithoutUnit(ChosenText(comboWavSampleRate), 4);

  OggFreq = NumberWithoutUnit(ChosenText(comboOggFreq), 3);
  OggChannels = ChannelsOf(ChosenText(comboOggChannels));
  OggBitRate = OggQualityValue(IndexInList(comboOggQuality->ItemIndex(), 10, 6));

  MP3Freq = NumberWithoutUnit(ChosenText(comboMp3Freq), 3);
  MP3Channels = ChannelsOf(ChosenText(comboMp3Channels));
  MP3BitRate = NumberWithoutUnit(ChosenText(comboMp3BitRate), 5);
  MP3MaxBitRate = NumberWithoutUnit(ChosenText(comboMp3MaxBitRate), 5);
  MP3EncoderQuality = QualityOf(ChosenText(comboMp3EncoderQuality));
  MP3VBRQuality = QualityOf(ChosenText(comboMp3VbrQuality));
  MP3VBREnable = cboxMp3Vbr->Checked();
  MP3VBRHeader = cboxMp3VbrHeader->Checked();

  WmaFormat = comboWmaFormat->ItemIndex() + 1;

  HotkeySettings hotkeys;
  HotkeyCombo* combos[] = {&hotkeys.StartCombo1, &hotkeys.StartCombo2, &hotkeys.StopCombo1, &hotkeys.StopCombo2};
  bool* uses[] = {&hotkeys.StartUse1, &hotkeys.StartUse2, &hotkeys.StopUse1, &hotkeys.StopUse2};
  for (int row = 0; row < 4; ++row) {
    *combos[row] = ComboOf(hotkeyRows[row].Modifier->ItemIndex(), hotkeyRows[row].Key->ItemIndex());
    *uses[row] = hotkeyRows[row].Use->Checked();
  }
  SetHotkeys(hotkeys);

  schedule_.Publish();

  TimeStop = cboxAutoSplit->Checked();
  TimeMinute = spinTimeMinute.Value();
  TimeSecond = spinTimeSecond.Value();
  TimeNewRecord = rbSplitNewRecord->Checked();

  AttackLevel = static_cast<std::int16_t>(spinAttackLevel.Value());
  ReleaseTime = static_cast<std::int16_t>(spinReleaseTime.Value());
  NewTrack = !rbVoxPause->Checked();

  OutputPath = FolderOfSetting(recorderPage.Folder->Text());
  PreName = Trim(recorderPage.Prefix->Text());
  PosName = Trim(recorderPage.Suffix->Text());
  UseDate = recorderPage.UseDate->Checked();
  Overwrite = !recorderPage.AddNew->Checked();

  JoinFolder = FolderOfSetting(joinerPage.Folder->Text());
  JoinPrefix = Trim(joinerPage.Prefix->Text());
  JoinSuffix = Trim(joinerPage.Suffix->Text());
  JoinUseDate = joinerPage.UseDate->Checked();
  JoinOverwrite = !joinerPage.AddNew->Checked();

  ConvertFolder = FolderOfSetting(converterPage.Folder->Text());
  ConvertToSource = !converterPage.ToAppointed->Checked();
  ConvertOverwrite = !converterPage.AddNew->Checked();

  SplitFolder = FolderOfSetting(splitterPage.Folder->Text());
  SplitToSource = !splitterPage.ToAppointed->Checked();
  SplitOverwrite = !splitterPage.AddNew->Checked();

  Subject = Trim(editSubject->Text());
  const TStringList lines = BodyLines();
  std::string body;
  for (int i = 0; i < lines.Count(); ++i) body += lines[i] + "\r\n";
  Body = Trim(body);
}
