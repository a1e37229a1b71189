// The main window on the virtual capture device: device and line lists,
// stored choices, the level monitor, and recording files into the list.

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <thread>

#include "MainWindowFixture.h"
#include "StillClock.h"
#include "platform/os/MainThread.h"
#include "platform/os/ShellOpen.h"
#include "recorder/GlobeVar.h"
#include "recorder/Main.h"
#include "recorder/Options.h"

namespace {

class MainWindowTest : public MainWindowFixture {};

TEST_F(MainWindowTest, ShowListsDevicesAndLinesAndMetersWakeWhenListening) {
  ShowMain();
  EXPECT_TRUE(messages.empty());
  ASSERT_FALSE(frmMain->DeviceIndices().empty());
  EXPECT_EQ(frmOptions->comboDevice->Items()->Count(), static_cast<int>(frmMain->DeviceIndices().size()));
  EXPECT_EQ(frmOptions->comboDevice->ItemIndex(), 0);
  // Without a stored line the first line is chosen.
  ASSERT_GT(frmMain->comboxSource->Items()->Count(), 0);
  EXPECT_EQ(frmMain->comboxSource->ItemIndex(), 0);
  EXPECT_EQ(frmMain->SelectedFormat(), TOutputFormat::Wav);
  EXPECT_EQ(AttackLevel, -46);
  EXPECT_EQ(ReleaseTime, 600);
  // The virtual line carries a tone, but the meters stay down until the
  // input is recorded or voice activation listens; then they lift (the
  // meter shows its smoothed level on its own timer).
  const auto metersLift = [] {
    return PumpUntil(
        [] {
          HeadlessAdvanceClock(50);
          HeadlessPumpUntilIdle();
          return frmMain->LeftMeter()->ShownLevel() > 0;
        },
        1500);
  };
  EXPECT_FALSE(metersLift());
  EXPECT_FALSE(frmMain->AR_Monitor.Capturing()) << "an idle recorder opens no input";
  frmMain->cboxVox->SetChecked(true);
  EXPECT_TRUE(frmMain->AR_Monitor.Capturing());
  EXPECT_TRUE(metersLift());
  frmMain->cboxVox->SetChecked(false);
  EXPECT_FALSE(frmMain->AR_Monitor.Capturing());
  EXPECT_TRUE(PumpUntil([] {
    HeadlessAdvanceClock(50);
    HeadlessPumpUntilIdle();
    return frmMain->LeftMeter()->ShownLevel() <= 0;
  })) << "the meters fall when the input is let go";
  OutputPath = Scratch();
  frmMain->btnRecord->Click();
  EXPECT_TRUE(frmMain->AR_Monitor.Capturing()) << "the meters show what is recorded";
  frmMain->btnStop->Click();
  EXPECT_FALSE(frmMain->AR_Monitor.Capturing());
  EXPECT_EQ(frmOptions->Recorder, &frmMain->AR);
  EXPECT_EQ(frmOptions->MainWindow.SelectedFormat(), 0);
}

TEST_F(MainWindowTest, StoredDeviceLineAndFormatAreChosen) {
  Application->CreateForm(frmMain);
  TAudioRecord2& probe = frmMain->AR;
  std::string lastDevice, lastLine;
  for (int device = 0; device <= probe.DeviceCount(); ++device) {
    probe.SetDevice(device);
    if (!probe.DeviceAvailable() || probe.LineCount() < 0) continue;
    lastDevice = probe.DeviceName();
    probe.SetLine(probe.LineCount());
    lastLine = probe.LineName();
  }
  ASSERT_FALSE(lastDevice.empty());
  frmMain->ShowMessage = [this](const std::string& text) { messages.push_back(text); };
  std::ofstream(SettingsFolder + SettingsFileName)
      << "[Device]\nInputDevice= " << lastDevice << " \nInputLine=" << lastLine << "\n[OutputFormat]\nSelected=2\n";
  Application->CreateForm(frmOptions);
  frmMain->Show();
  const int entry = frmOptions->comboDevice->ItemIndex();
  ASSERT_GE(entry, 0);
  EXPECT_EQ(frmOptions->comboDevice->Items()->Strings(entry), lastDevice);
  const int line = frmMain->comboxSource->ItemIndex();
  ASSERT_GE(line, 0);
  EXPECT_EQ(frmMain->comboxSource->Items()->Strings(line), lastLine);
  EXPECT_TRUE(frmMain->rbOutputOgg->Checked());
  EXPECT_FALSE(frmMain->rbOutputWav->Checked());
}

TEST_F(MainWindowTest, UnknownStoredDeviceFallsBackToTheFirstWithItsFirstLine) {
  storedSettings = "[Device]\nInputDevice=Gone\nInputLine=Gone too\n[OutputFormat]\nSelected=9\n";
  ShowMain();
  EXPECT_EQ(frmOptions->comboDevice->ItemIndex(), 0);
  EXPECT_EQ(frmMain->comboxSource->ItemIndex(), 0);
  EXPECT_TRUE(frmMain->rbOutputWav->Checked());
}

TEST_F(MainWindowTest, RecordsEachFormatIntoTheListAndStops) {
  ShowMain();
  OutputPath = Scratch();
  PreName = "Recorded";
  PosName = "";
  const std::pair<TzelRadioButton*, std::string> formats[] = {{frmMain->rbOutputWav, ".wav"},
                                                           {frmMain->rbOutputMp3, ".mp3"},
                                                           {frmMain->rbOutputOgg, ".ogg"},
                                                           {frmMain->rbOutputWma, ".wma"}};
  int rows = 0;
  for (const auto& [button, extension] : formats) {
    button->SetChecked(true);
    frmMain->btnRecord->Click();
    ASSERT_TRUE(frmMain->Recording()) << extension << (messages.empty() ? "" : messages.back());
    EXPECT_FALSE(frmMain->btnRecord->Enabled());
    EXPECT_EQ(frmMain->Label1->Caption(), "Recording...");
    const std::string path = frmMain->OutputPath();
    EXPECT_EQ(path.substr(path.size() - 4), extension);
    EXPECT_EQ(path.rfind(OutputPath + "Recorded ", 0), 0u) << path;
    PumpUntil([&] { return std::filesystem::exists(path) && std::filesystem::file_size(path) > 2000; });
    frmMain->UpdateSizeCell();
    frmMain->btnStop->Click();
    EXPECT_FALSE(frmMain->Recording());
    EXPECT_TRUE(frmMain->btnRecord->Enabled());
    EXPECT_EQ(frmMain->Label1->Caption(), "Idle");
    rows = frmMain->RecordRows().Count();
    const TRecordRow& row = frmMain->RecordRows().Row(rows - 1);
    EXPECT_EQ(row.Status, "Done");
    EXPECT_EQ(row.Path, path);
    EXPECT_EQ(row.Caption, extension == ".wav" ? "WAV" : extension == ".mp3" ? "MP3" : extension == ".ogg" ? "OGG" : "WMA");
    EXPECT_GT(std::filesystem::file_size(path), 0u);
    EXPECT_NE(row.Size, "   0 Bytes");
    TListItem* item = frmMain->lvRecordList->Items()->Item(rows - 1);
    EXPECT_EQ(item->Caption(), row.Caption);
    EXPECT_EQ(item->SubItems()->Strings(1), "Done");
  }
  EXPECT_EQ(frmMain->lvRecordList->Items()->Count(), rows);
  EXPECT_TRUE(messages.empty());
}

TEST_F(MainWindowTest, PauseStopsCaptureAndResumeContinues) {
  ShowMain();
  OutputPath = Scratch();
  frmMain->btnRecord->Click();
  ASSERT_TRUE(frmMain->Recording());
  frmMain->btnPause->Click();
  EXPECT_TRUE(frmMain->Paused());
  EXPECT_EQ(frmMain->Label1->Caption(), "Pause");
  frmMain->btnPause->Click();
  EXPECT_FALSE(frmMain->Paused());
  EXPECT_EQ(frmMain->Label1->Caption(), "Recording...");
  frmMain->btnStop->Click();
  EXPECT_FALSE(frmMain->Paused());
  EXPECT_FALSE(frmMain->Recording());
}

TEST_F(MainWindowTest, UncreatableFileGivesOneMessageAndNoRecording) {
  ShowMain();
  OutputPath = Scratch() + "missing/folder/";
  frmMain->btnRecord->Click();
  EXPECT_FALSE(frmMain->Recording());
  EXPECT_EQ(messages.size(), 1u);
  EXPECT_EQ(frmMain->RecordRows().Count(), 0);
  EXPECT_TRUE(frmMain->btnRecord->Enabled());
}

TEST_F(MainWindowTest, HotkeyMessagesStartOnceAndStop) {
  ShowMain();
  OutputPath = Scratch();
  frmMain->Perform(WM_RECORDER_HOTKEY, HOTKEY_START, 0);
  ASSERT_TRUE(frmMain->Recording());
  const std::string first = frmMain->OutputPath();
  // A second start while recording changes nothing.
  frmMain->Perform(WM_RECORDER_HOTKEY, HOTKEY_START, 0);
  EXPECT_EQ(frmMain->OutputPath(), first);
  EXPECT_EQ(frmMain->RecordRows().Count(), 1);
  frmMain->Perform(WM_RECORDER_HOTKEY, HOTKEY_STOP, 0);
  EXPECT_FALSE(frmMain->Recording());
  EXPECT_EQ(frmMain->RecordRows().Row(0).Status, "Done");
}

TEST_F(MainWindowTest, VoxStartsOnTheToneAndUncheckingStops) {
  ShowMain();
  OutputPath = Scratch();
  frmMain->cboxVox->SetChecked(true);
  EXPECT_FALSE(frmMain->btnRecord->Enabled());
  EXPECT_FALSE(frmMain->btnPause->Enabled());
  // The virtual line carries a loud tone: two loud ticks start a recording.
  ASSERT_TRUE(PumpUntil([] { return frmMain->Recording(); }));
  EXPECT_EQ(frmMain->RecordRows().Count(), 1);
  frmMain->cboxVox->SetChecked(false);
  EXPECT_FALSE(frmMain->Recording());
  EXPECT_EQ(frmMain->Label1->Caption(), "Idle");
  EXPECT_TRUE(frmMain->btnRecord->Enabled());
  EXPECT_EQ(frmMain->RecordRows().Row(0).Status, "Done");
}

TEST_F(MainWindowTest, DurationLeavesPausesOutAndSameSecondReusesTheRow) {
  ShowMain();
  OutputPath = Scratch();
  PreName = "Recorded";
  PosName = "";
  UseDate = true;
  Overwrite = false;
  StillClock clock;
  SetClock(&clock);
  frmMain->btnRecord->Click();
  ASSERT_TRUE(frmMain->Recording());
  EXPECT_EQ(frmMain->OutputPath(), OutputPath + "Recorded 2024-01-31 13-05-09.wav");
  clock.tick += 50000;
  frmMain->btnPause->Click();
  clock.tick += 10000;
  frmMain->btnPause->Click();
  // The duration cell follows the capture's own timer.
  const bool updated = PumpUntil([] { return frmMain->RecordRows().Row(0).Duration == "00 : 00 : 50"; });
  frmMain->btnStop->Click();
  // A second recording within the same second takes over the row and
  // names the file it really holds.
  frmMain->btnRecord->Click();
  const std::string second = frmMain->OutputPath();
  frmMain->btnStop->Click();
  SetClock(nullptr);
  EXPECT_TRUE(updated) << frmMain->RecordRows().Row(0).Duration;
  EXPECT_EQ(second, OutputPath + "Recorded 2024-01-31 13-05-09 New.wav");
  EXPECT_EQ(frmMain->RecordRows().Count(), 1);
  EXPECT_EQ(frmMain->lvRecordList->Items()->Count(), 1);
  EXPECT_EQ(frmMain->RecordRows().Row(0).Path, second);
  EXPECT_EQ(frmMain->RecordRows().Row(0).RecordTime, "2024-01-31 13:05:09");
}

class OpenedTargets : public IShellOpener {
 public:
  std::vector<std::string> targets;
  bool desktopHasAProgram = true;
  bool Open(const std::string& target, TLaunchFailed onFailed) override {
    targets.push_back(target);
    if (!desktopHasAProgram) onFailed();
    return true;
  }
};

TEST_F(MainWindowTest, FolderAndHelpButtonsOpenTheirTargets) {
  ShowMain();
  OutputPath = Scratch();
  AppFolder = Scratch();
  std::filesystem::create_directory(AppFolder + "KorvexHelp");
  std::ofstream(AppFolder + "KorvexHelp/Recorder.html") << "help";
  OpenedTargets opened;
  SetShellOpener(&opened);
  frmMain->btnFolder->Click();
  frmMain->btnHelp->Click();
  SetShellOpener(nullptr);
  ASSERT_EQ(opened.targets.size(), 2u);
  EXPECT_EQ(opened.targets[0], OutputPath);
  EXPECT_EQ(opened.targets[1].substr(0, 7), "file://");
  EXPECT_EQ(opened.targets[1].substr(opened.targets[1].size() - 35), "/KorvexHelp/Recorder.html#recording");
  EXPECT_TRUE(messages.empty());
}

TEST_F(MainWindowTest, FolderAndHelpTellTheUserWhenTheDesktopCannotOpenThem) {
  ShowMain();
  OutputPath = Scratch();
  OpenedTargets opened;
  opened.desktopHasAProgram = false;
  SetShellOpener(&opened);
  AppFolder = Scratch();  // no help pages
  frmMain->btnFolder->Click();
  frmMain->btnHelp->Click();
  SetShellOpener(nullptr);
  EXPECT_EQ(messages, (std::vector<std::string>{"The desktop could not open \"" + OutputPath + "\".",
                                                "The help could not be opened: \"" + AppFolder +
                                                    "KorvexHelp\" is missing or has no such page."}));
}

}  // namespace
