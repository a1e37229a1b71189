#include <sys/stat.h>

#include "LocalTimeOf.h"
#include "OptionsTestFixture.h"
#include "platform/framework/StringList.h"
#include "recorder/OutputNaming.h"
#include "recorder/ScheduleFile.h"

namespace {

using SettingsFile = OptionsWindowTest;

int KeyCount(const std::string& file, const std::string& section) {
  TStringList keys;
  TIniFile(file).ReadSection(section, keys);
  return keys.Count();
}

TEST_F(SettingsFile, FirstStartWritesEveryKeyWithItsFactoryValue) {
  CreateOptions();
  ASSERT_TRUE(std::filesystem::exists(SettingsPath()));
  EXPECT_EQ(KeyCount(SettingsPath(), "OutputFormat"), 16);
  EXPECT_EQ(KeyCount(SettingsPath(), "Hotkey"), 12);
  EXPECT_EQ(KeyCount(SettingsPath(), "AutoStop"), 7);
  EXPECT_EQ(KeyCount(SettingsPath(), "VOX"), 4);
  EXPECT_EQ(KeyCount(SettingsPath(), "OutputPath"), 16);
  EXPECT_EQ(KeyCount(SettingsPath(), "Mail"), 2);
  EXPECT_EQ(KeyCount(SettingsPath(), "Device"), 2);
  EXPECT_EQ(Stored("OutputFormat", "MP3BitRate"), "6");
  EXPECT_EQ(Stored("OutputFormat", "MP3MaxBitRate"), "6");
  EXPECT_EQ(Stored("OutputFormat", "WmaFormat"), "14");
  EXPECT_EQ(Stored("Mail", "Subject"), "Share");
  EXPECT_EQ(Stored("Mail", "Body"), "48692C0D0A");
  EXPECT_EQ(Stored("VOX", "AttackLevel"), "-46");
  EXPECT_EQ(Stored("OutputPath", "OutputPath"), RecordedFolder);
  EXPECT_EQ(TIniFile(SchedulePath()).ReadString("Schedule", "Number", ""), "0");
  for (const std::string* folder : {&RecordedFolder, &ConvertedFolder, &SplittedFolder, &MergedFolder})
    EXPECT_TRUE(std::filesystem::is_directory(*folder)) << *folder;

  // ... and publishes the decoded factory values.
  EXPECT_EQ(WavFreq, 44100);
  EXPECT_EQ(WavChannels, 2);
  EXPECT_EQ(WavSampleRate, 16);
  EXPECT_EQ(MP3Freq, 44100);
  EXPECT_EQ(MP3Channels, 2);
  EXPECT_EQ(MP3BitRate, 112);
  EXPECT_EQ(MP3MaxBitRate, 112);
  EXPECT_EQ(MP3EncoderQuality, 0);
  EXPECT_FALSE(MP3VBREnable);
  EXPECT_EQ(OggFreq, 44100);
  EXPECT_EQ(OggChannels, 2);
  EXPECT_EQ(OggBitRate, 699);
  EXPECT_EQ(WmaFormat, 15);
  EXPECT_EQ(AttackLevel, -46);
  EXPECT_EQ(ReleaseTime, 300);
  EXPECT_FALSE(NewTrack);
  EXPECT_EQ(TimeSecond, 30);
  EXPECT_EQ(PreName, "Recorded");
  EXPECT_EQ(JoinPrefix, "Merged");
  EXPECT_FALSE(Overwrite);
  EXPECT_FALSE(ConvertToSource);
  EXPECT_EQ(Subject, "Share");
  EXPECT_EQ(Body, "Hi,");
  const HotkeySettings keys = Hotkeys();
  EXPECT_EQ(keys.StartCombo1, (HotkeyCombo{17, 0, 'R'}));
  EXPECT_EQ(keys.StartCombo2, (HotkeyCombo{0, 0, 0x6B}));
  EXPECT_EQ(keys.StopCombo1, (HotkeyCombo{17, 0, 'S'}));
  EXPECT_EQ(keys.StopCombo2, (HotkeyCombo{0, 0, 0x6D}));
  EXPECT_TRUE(keys.StartUse1 && keys.StartUse2 && keys.StopUse1 && keys.StopUse2);
}

TEST_F(SettingsFile, FirstStartKeepsAScheduleLeftFromBefore) {
  ScheduleEntry daily;
  daily.Use = true;
  daily.StartH = 8;
  daily.StopH = 9;
  ASSERT_TRUE(WriteScheduleFile(SchedulePath(), {daily}));
  CreateOptions();
  std::vector<ScheduleEntry> stored;
  ASSERT_TRUE(ReadScheduleFile(SchedulePath(), stored));
  ASSERT_EQ(stored.size(), 1u);
  EXPECT_EQ(stored[0], daily);
  ASSERT_EQ(ScheduleEntries.size(), 1u);
  EXPECT_EQ(ScheduleEntries[0], daily);
}

TEST_F(SettingsFile, MissingKeysTakeTheirDefaults) {
  WriteFile(SettingsPath(), "[OutputFormat]\r\nWavFreq=2\r\n");
  TfrmOptions* options = CreateOptions();
  EXPECT_EQ(WavFreq, 22050);
  EXPECT_EQ(options->comboWmaFormat->ItemIndex(), 0);
  EXPECT_EQ(WmaFormat, 1);
  EXPECT_EQ(MP3BitRate, 112);
  EXPECT_EQ(options->BodyLines().Count(), 0);
  EXPECT_EQ(Body, "");
  EXPECT_EQ(Subject, "Share with you");
  EXPECT_EQ(OutputPath, RecordedFolder);
  EXPECT_TRUE(UseDate);
  EXPECT_EQ(Hotkeys().StartCombo1, (HotkeyCombo{17, 0, 'R'}));
  EXPECT_EQ(Hotkeys().StopCombo2, (HotkeyCombo{0, 0, 0x6D}));
}

TEST_F(SettingsFile, BooleansPickTheRadioButtonOfEachPair) {
  WriteFile(SettingsPath(),
            "[OutputPath]\nUseDate=0\nAddNew=0\nConvertSaveToAppointed=0\n"
            "[VOX]\nNewTrack=1\n[AutoStop]\nTimeNewRecord=1\n");
  TfrmOptions* options = CreateOptions();
  EXPECT_FALSE(options->recorderPage.UseDate->Checked());
  EXPECT_TRUE(options->recorderPage.Overwrite->Checked());
  EXPECT_FALSE(options->recorderPage.AddNew->Checked());
  EXPECT_TRUE(options->converterPage.ToSource->Checked());
  EXPECT_TRUE(Overwrite);
  EXPECT_TRUE(ConvertToSource);
  EXPECT_TRUE(NewTrack);
  EXPECT_TRUE(TimeNewRecord);

  // Loading false afterwards chooses the partner: one of each pair is
  // always chosen, so the published value follows the file.
  WriteFile(SettingsPath(), "[VOX]\nNewTrack=0\n[AutoStop]\nTimeNewRecord=0\n");
  options->LoadSettings();
  EXPECT_TRUE(options->rbVoxPause->Checked());
  EXPECT_TRUE(options->rbSplitStop->Checked());
  options->PublishSettings();
  EXPECT_FALSE(NewTrack);
  EXPECT_FALSE(TimeNewRecord);
}

TEST_F(SettingsFile, MailBodyIsStoredAsHexWithCrLfAfterEachLine) {
  TfrmOptions* options = CreateOptions();
  TStringList lines;
  lines.Add("Hi");
  lines.Add("OK");
  options->SetBodyLines(lines);
  options->SaveSettings();
  EXPECT_EQ(Stored("Mail", "Body"), "48690D0A4F4B0D0A");
  options->SetBodyLines(TStringList());
  options->LoadSettings();
  ASSERT_EQ(options->BodyLines().Count(), 2);
  EXPECT_EQ(options->BodyLines()[0], "Hi");
  EXPECT_EQ(options->BodyLines()[1], "OK");
  options->PublishSettings();
  EXPECT_EQ(Body, "Hi\r\nOK");
}

TEST_F(SettingsFile, ChangedControlsSurviveSaveAndLoad) {
  TfrmOptions* options = CreateOptions();
  options->comboWavFreq->SetItemIndex(0);
  options->comboMp3BitRate->SetItemIndex(0);
  options->cboxMp3Vbr->SetChecked(true);
  options->comboOggQuality->SetItemIndex(9);
  options->comboWmaFormat->SetItemIndex(3);
  options->hotkeyRows[1].Modifier->SetItemIndex(5);  // Ctrl+Shift
  options->hotkeyRows[1].Key->SetItemIndex(47);      // F5
  options->hotkeyRows[3].Key->SetItemIndex(0);       // grave accent
  options->hotkeyRows[2].Use->SetChecked(false);
  options->spinTimeMinute.SetValue(90);
  options->spinAttackLevel.SetValue(-60);
  options->spinReleaseTime.SetValue(1500);
  options->rbVoxNewTrack->SetChecked(true);
  options->recorderPage.Folder->SetText("  /tmp/rec/  ");
  options->recorderPage.Prefix->SetText(" Talk ");
  options->joinerPage.Overwrite->SetChecked(true);
  options->splitterPage.ToSource->SetChecked(true);
  options->editSubject->SetText("Listen");
  options->SaveSettings();

  options->ApplyDefaults();
  options->LoadSettings();
  EXPECT_EQ(options->comboWavFreq->ItemIndex(), 0);
  EXPECT_EQ(options->hotkeyRows[1].Key->ItemIndex(), 47);
  EXPECT_FALSE(options->hotkeyRows[2].Use->Checked());
  EXPECT_FALSE(options->hotkeyRows[2].Key->Enabled());
  EXPECT_TRUE(options->comboMp3MaxBitRate->Enabled());

  options->PublishSettings();
  EXPECT_EQ(WavFreq, 8000);
  EXPECT_EQ(MP3BitRate, 320);
  EXPECT_TRUE(MP3VBREnable);
  EXPECT_EQ(OggBitRate, 999);
  EXPECT_EQ(WmaFormat, 4);
  EXPECT_EQ(Hotkeys().StartCombo2, (HotkeyCombo{17, 16, 0x74}));
  EXPECT_EQ(Hotkeys().StopCombo2, (HotkeyCombo{0, 0, 0xC0}));
  EXPECT_FALSE(Hotkeys().StopUse1);
  EXPECT_EQ(TimeMinute, 90);
  EXPECT_EQ(AttackLevel, -60);
  EXPECT_EQ(ReleaseTime, 1500);
  EXPECT_TRUE(NewTrack);
  EXPECT_EQ(OutputPath, "/tmp/rec/");
  EXPECT_EQ(PreName, "Talk");
  EXPECT_TRUE(JoinOverwrite);
  EXPECT_TRUE(SplitToSource);
  EXPECT_EQ(Subject, "Listen");
}

TEST_F(SettingsFile, HandWrittenFoldersWithoutAClosingSlashHoldTheirFiles) {
  const std::string talks = Scratch() + "talks";
  WriteFile(SettingsPath(), "[OutputPath]\nOutputPath=" + talks + "\nConvertOutputPath= " + talks +
                                "/converted \nSplitOutputPath=" + talks + "/split/\nJoinOutputPath=" + talks +
                                "/joined\n");
  CreateOptions();
  EXPECT_EQ(OutputPath, talks + "/");
  EXPECT_EQ(ConvertFolder, talks + "/converted/");
  EXPECT_EQ(SplitFolder, talks + "/split/");
  EXPECT_EQ(JoinFolder, talks + "/joined/");
  const SYSTEMTIME start = LocalTimeOf(2024, 1, 31, 13, 5, 9, 3);
  EXPECT_EQ(OutputPathFor(start, RecordingNaming(), TOutputFormat::Wav),
            talks + "/Recorded 2024-01-31 13-05-09.wav");
}

TEST_F(SettingsFile, HostileValuesLoadAsDefaultsAndAreNotWrittenBack) {
  WriteFile(SettingsPath(),
            "[OutputFormat]\nWavFreq=9\nMP3BitRate=-1\nOggBitRate=99999999999999\nWmaFormat=100000\n"
            "MP3Freq=abc\n[Hotkey]\nStartHotKey1=59\nStartPreHotKey1=7\n"
            "[AutoStop]\nTimeMinute=999999\nTimeSecond=-5\n[VOX]\nAttackLevel=50\nReleaseTime=junk\n"
            "[Mail]\nBody=4869ZZ0D0A\n\x01\x02garbage line without equals\n[broken\n");
  TfrmOptions* options = CreateOptions();
  EXPECT_EQ(options->comboWavFreq->ItemIndex(), 5);
  EXPECT_EQ(WavFreq, 44100);
  EXPECT_EQ(MP3BitRate, 112);
  EXPECT_EQ(OggBitRate, 699);
  EXPECT_EQ(WmaFormat, 1);
  EXPECT_EQ(MP3Freq, 44100);
  EXPECT_EQ(Hotkeys().StartCombo1, (HotkeyCombo{17, 0, 'R'}));
  EXPECT_EQ(TimeMinute, 1440);
  EXPECT_EQ(TimeSecond, 0);
  EXPECT_EQ(AttackLevel, 0);
  EXPECT_EQ(ReleaseTime, 300);  // not a number: the key's default
  EXPECT_EQ(Body, "Hi");  // decoding stops at the damage

  options->SaveSettings();
  EXPECT_EQ(Stored("OutputFormat", "WavFreq"), "5");
  EXPECT_EQ(Stored("OutputFormat", "MP3BitRate"), "6");
  EXPECT_EQ(Stored("AutoStop", "TimeMinute"), "1440");
}

TEST_F(SettingsFile, AnOversizedFileLoadsDefaultsAndIsNeverWrittenOver) {
  const std::string huge = "[OutputFormat]\nWavFreq=0\n" + std::string(TIniFile::MaxFileSize, ';');
  WriteFile(SettingsPath(), huge);
  TfrmOptions* options = CreateOptions();
  EXPECT_EQ(WavFreq, 44100);
  EXPECT_NO_THROW(options->SaveSettings());
  EXPECT_EQ(std::filesystem::file_size(SettingsPath()), huge.size());
}

TEST_F(SettingsFile, ASaveThatCannotBeWrittenLeavesTheProgramRunning) {
  TfrmOptions* options = CreateOptions();
  WriteFile(Scratch() + "not-a-folder", "x");
  SettingsFolder = Scratch() + "not-a-folder/";
  EXPECT_NO_THROW(options->SaveSettings());
  EXPECT_NO_THROW(options->btnOk->Click());
}

TEST_F(SettingsFile, DeviceKeysComeFromTheMainWindowOrKeepTheirStoredValues) {
  WriteFile(SettingsPath(), "[Device]\nInputDevice=Mic\nInputLine=Line 2\n[OutputFormat]\nSelected=2\n");
  TfrmOptions* options = CreateOptions();
  options->SaveSettings();
  EXPECT_EQ(Stored("Device", "InputDevice"), "Mic");
  EXPECT_EQ(Stored("Device", "InputLine"), "Line 2");
  EXPECT_EQ(Stored("OutputFormat", "Selected"), "2");

  options->comboDevice->Items()->Add("USB");
  options->comboDevice->SetItemIndex(0);
  options->MainWindow.InputLineText = [] { return std::string("Front"); };
  options->MainWindow.SelectedFormat = [] { return 3; };
  options->SaveSettings();
  EXPECT_EQ(Stored("Device", "InputDevice"), "USB");
  EXPECT_EQ(Stored("Device", "InputLine"), "Front");
  EXPECT_EQ(Stored("OutputFormat", "Selected"), "3");
}

}  // namespace
