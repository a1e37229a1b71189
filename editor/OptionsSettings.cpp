// The settings file "OlwickCfg.ini": the options window's controls and the
// engine's colours are read from it and written to it, key by key. A key
// that is missing or not a number, a list index outside its list and a
// colour outside 24 bits take the key's default; a spin value outside its
// range is brought into it.

#include "common/FormatChoices.h"
#include "editor/GlobeVar.h"
#include "editor/Options.h"
#include "editor/OptionsColors.h"
#include "platform/audioeditor/AudioEditor2.h"
#include "platform/base/Exceptions.h"
#include "platform/framework/IniFiles.h"

int WavFreq = 0;
int WavChannels = 0;
int WavSampleRate = 0;
int MP3Freq = 0;
int MP3Channels = 0;
int MP3BitRate = 0;
int MP3MaxBitRate = 0;
int MP3EncoderQuality = 0;
int MP3VBRQuality = 0;
bool MP3VBREnable = false;
bool MP3VBRHeader = false;
int OggFreq = 0;
int OggChannels = 0;
int OggBitRate = 0;
int WmaFormat = 0;

namespace {

constexpr char kSystem[] = "System";
constexpr char kFormat[] = "OutputFormat";
constexpr char kScales[] = "Scales";
constexpr char kColors[] = "Colors";

void ReadIndex(TIniFile& ini, const char* section, const char* key, TComboBox* list, int defaultIndex) {
  list->SetItemIndex(IndexInList(ini.ReadInteger(section, key, defaultIndex), list->Items()->Count(), defaultIndex));
}

TColor ReadColor(TIniFile& ini, const char* key, TColor defaultColor) {
  const int value = ini.ReadInteger(kColors, key, static_cast<int>(defaultColor));
  return value >= 0 && value <= 0xFFFFFF ? static_cast<TColor>(value) : defaultColor;
}

std::string ChosenText(TComboBox* list) { return list->FieldText(); }

}  // namespace

void TfrmOptions::SetFactoryFormats() {
  formatControls_.SetFactory();
  RefreshVbrEnabling();
}

void TfrmOptions::LoadOptions() {
  TIniFile ini(SettingsFolder + OptionsFileName);
  spinBufferSize->SetValue(ini.ReadInteger(kSystem, "BufferSize", 500));
  spinBufferCount->SetValue(ini.ReadInteger(kSystem, "BufferCount", 4));
  spinBufferTick->SetValue(ini.ReadInteger(kSystem, "BufferTick", 50));
  SetTempFolderBox(ini.ReadString(kSystem, "TempPath", TempFolder));
  cboxAudioInfo->SetChecked(ini.ReadBool(kSystem, "AudioInfo", true));
  ApplySystemToEngine();

  formatControls_.Read(ini, kFormat);
  RefreshVbrEnabling();

  cboxHVisible->SetChecked(ini.ReadBool(kScales, "HVisible", true));
  cboxHGrid->SetChecked(ini.ReadBool(kScales, "HGrid", true));
  ReadIndex(ini, kScales, "HType", comboHType, 1);
  cboxVVisible->SetChecked(ini.ReadBool(kScales, "VVisible", true));
  cboxVGrid->SetChecked(ini.ReadBool(kScales, "VGrid", true));
  ReadIndex(ini, kScales, "VType", comboVType, 1);
  ApplyScalesToEngine();

  if (!MainWindow.Editor) return;
  IAudioEditor2Colors* colors = MainWindow.Editor->Colors();
  for (const TColorLine& line : ColorLines()) {
    (colors->*line.Set)(ReadColor(ini, line.Key, FactoryColor(line)));
    if (&line == &ColorLines().front()) plColorSample->SetColor(colors->DigitalWaveForm());
  }
}

void TfrmOptions::SaveOptions() {
  try {
    TIniFile ini(SettingsFolder + OptionsFileName);
    ini.BeginUpdate();
    ini.WriteInteger(kSystem, "BufferSize", SpinValue(spinBufferSize));
    ini.WriteInteger(kSystem, "BufferCount", SpinValue(spinBufferCount));
    ini.WriteInteger(kSystem, "BufferTick", SpinValue(spinBufferTick));
    ini.WriteString(kSystem, "TempPath", editTempDir->Text());
    ini.WriteBool(kSystem, "AudioInfo", cboxAudioInfo->Checked());

    formatControls_.Write(ini, kFormat);

    ini.WriteBool(kScales, "HVisible", cboxHVisible->Checked());
    ini.WriteBool(kScales, "HGrid", cboxHGrid->Checked());
    ini.WriteInteger(kScales, "HType", comboHType->ItemIndex());
    ini.WriteBool(kScales, "VVisible", cboxVVisible->Checked());
    ini.WriteBool(kScales, "VGrid", cboxVGrid->Checked());
    ini.WriteInteger(kScales, "VType", comboVType->ItemIndex());

    if (MainWindow.Editor)
      for (const TColorLine& line : ColorLines())
        ini.WriteInteger(kColors, line.Key, static_cast<int>((MainWindow.Editor->Colors()->*line.Get)()));
    ini.EndUpdate();
  } catch (const EIniFileException&) {
    // The file keeps what it held; the next start reads that.
  }
}

void TfrmOptions::ApplyEditorDefaults() {
  spinBufferSize->SetValue(500);
  spinBufferCount->SetValue(4);
  spinBufferTick->SetValue(50);
  SetTempFolderBox(TempFolder);
  cboxAudioInfo->SetChecked(true);
  ApplySystemToEngine();
  SetFactoryFormats();
  for (TzelCheckBox* check : {cboxHVisible, cboxHGrid, cboxVVisible, cboxVGrid}) check->SetChecked(true);
  comboHType->SetItemIndex(1);
  comboVType->SetItemIndex(1);
  ApplyScalesToEngine();
  if (MainWindow.Editor)
    for (const TColorLine& line : ColorLines()) (MainWindow.Editor->Colors()->*line.Set)(FactoryColor(line));
}

void TfrmOptions::PublishFormats() {
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
}
