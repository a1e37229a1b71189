#include "OptionsTestFixture.h"
#include "platform/audio/AudioRecord2.h"
#include "platform/os/MainThread.h"

namespace {

class OptionsWindow : public OptionsWindowTest {
 protected:
  void SetUp() override {
    OptionsWindowTest::SetUp();
    options = CreateOptions();
    options->MainWindow.SetVoxChecked = [this](bool checked) { mainVox = checked; };
  }
  void ShowOptions() {
    options->Show();
    HeadlessPumpUntilIdle();
  }
  void TypeInto(TCustomEdit* edit, const std::string& text) {
    edit->SetFocus();
    edit->SetSelStart(static_cast<int>(edit->Text().size()));
    for (char c : text) HeadlessKeyPress(std::toupper(static_cast<unsigned char>(c)), std::string(1, c));
  }

  TfrmOptions* options = nullptr;
  bool mainVox = false;
};

TEST_F(OptionsWindow, CancelPutsBackEveryControlAndPublishesNothing) {
  ShowOptions();
  options->comboMp3BitRate->SetItemIndex(2);
  options->cboxMp3Vbr->SetChecked(true);
  options->hotkeyRows[0].Use->SetChecked(false);
  options->rbVoxNewTrack->SetChecked(true);
  options->recorderPage.Overwrite->SetChecked(true);
  options->recorderPage.Prefix->SetText("Other");
  options->memoBody->Lines()->SetText("Changed");
  options->AddScheduleEntry("01:00:00", "02:00:00", true, 0, 0, 0, 0);
  options->btnCancel->Click();
  HeadlessPumpUntilIdle();

  EXPECT_FALSE(options->Visible());
  EXPECT_EQ(options->comboMp3BitRate->ItemIndex(), 6);
  EXPECT_FALSE(options->cboxMp3Vbr->Checked());
  EXPECT_FALSE(options->comboMp3MaxBitRate->Enabled());
  EXPECT_TRUE(options->hotkeyRows[0].Use->Checked());
  EXPECT_TRUE(options->hotkeyRows[0].Key->Enabled());
  EXPECT_TRUE(options->rbVoxPause->Checked());
  EXPECT_FALSE(options->rbVoxNewTrack->Checked());
  EXPECT_TRUE(options->recorderPage.AddNew->Checked());
  EXPECT_EQ(options->recorderPage.Prefix->Text(), "Recorded");
  EXPECT_EQ(options->BodyLines()[0], "Hi,");
  EXPECT_EQ(options->Schedule().Count(), 0);
  EXPECT_EQ(MP3BitRate, 112);
  EXPECT_EQ(Stored("OutputFormat", "MP3BitRate"), "6");
}

TEST_F(OptionsWindow, OkPublishesAndSaves) {
  ShowOptions();
  options->comboMp3BitRate->SetItemIndex(5);
  options->btnOk->Click();
  HeadlessPumpUntilIdle();
  EXPECT_FALSE(options->Visible());
  EXPECT_EQ(MP3BitRate, 128);
  EXPECT_EQ(Stored("OutputFormat", "MP3BitRate"), "5");

  // The next Cancel goes back to what OK left.
  ShowOptions();
  options->comboMp3BitRate->SetItemIndex(0);
  options->btnCancel->Click();
  EXPECT_EQ(options->comboMp3BitRate->ItemIndex(), 5);
}

TEST_F(OptionsWindow, ShownModallyEscapeAndTheTitleBarCloseRestoreToo) {
  PostToMainThread([this] {
    options->comboWavFreq->SetItemIndex(0);
    HeadlessKeyPress(VK_ESCAPE, "\x1b");
  });
  options->ShowModal();
  EXPECT_EQ(options->comboWavFreq->ItemIndex(), 5);

  PostToMainThread([this] {
    options->comboWavFreq->SetItemIndex(1);
    HeadlessRequestClose(options->Handle());
  });
  options->ShowModal();
  EXPECT_EQ(options->comboWavFreq->ItemIndex(), 5);

  PostToMainThread([this] {
    options->comboWavFreq->SetItemIndex(2);
    options->btnOk->Click();
  });
  EXPECT_EQ(options->ShowModal(), mrOk);
  EXPECT_EQ(options->comboWavFreq->ItemIndex(), 2);
  EXPECT_EQ(WavFreq, 22050);
}

TEST_F(OptionsWindow, AutoSplitAndVoxExcludeEachOtherInBothWindows) {
  options->cboxVox->SetChecked(true);
  EXPECT_TRUE(mainVox);
  options->cboxAutoSplit->SetChecked(true);
  EXPECT_FALSE(options->cboxVox->Checked());
  EXPECT_FALSE(mainVox);
  options->cboxVox->SetChecked(true);
  EXPECT_FALSE(options->cboxAutoSplit->Checked());
  EXPECT_TRUE(mainVox);

  // A VOX change has acted on the main window already; Cancel keeps it.
  ShowOptions();
  options->cboxVox->SetChecked(false);
  options->btnCancel->Click();
  EXPECT_FALSE(options->cboxVox->Checked());
  EXPECT_FALSE(mainVox);
}

TEST_F(OptionsWindow, ReleaseTimeTakesDigitsOnlyUpTo9999) {
  ShowOptions();
  options->ShowPage(3);
  HeadlessPumpUntilIdle();
  TCustomEdit* box = options->spinReleaseTime.Edit;
  box->SetText("1234");
  TypeInto(box, "5");
  EXPECT_EQ(box->Text(), "1234");
  box->SetText("12");
  TypeInto(box, "a-3");
  EXPECT_EQ(box->Text(), "123");
  // An emptied box has no number: it reads as the last number it held.
  box->SetText("");
  EXPECT_EQ(options->spinReleaseTime.Value(), 123);
  // The spin stops at the top of the range.
  box->SetText("9998");
  HeadlessKeyPress(VK_UP);
  HeadlessKeyPress(VK_UP);
  EXPECT_EQ(box->Text(), "9999");
}

TEST_F(OptionsWindow, SpinsKeepTheirBoxesInRangeAndStepReadOnlyBoxes) {
  ShowOptions();
  options->ShowPage(3);
  HeadlessPumpUntilIdle();
  options->spinTimeSecond.SetValue(75);
  EXPECT_EQ(options->spinTimeSecond.Edit->Text(), "59");
  options->spinAttackLevel.SetValue(-200);
  EXPECT_EQ(options->spinAttackLevel.Value(), -92);

  // The threshold box is read-only: typing and Delete leave it, the arrows
  // and the spin's buttons step it.
  TzelSpinEdit* threshold = options->spinAttackLevel.Edit;
  EXPECT_FALSE(threshold->EditorEnabled());
  TypeInto(threshold, "5");
  EXPECT_EQ(threshold->Text(), "-92");
  threshold->SetSelStart(0);
  HeadlessKeyPress(VK_DELETE);
  EXPECT_EQ(threshold->Text(), "-92");
  HeadlessKeyPress(VK_UP);
  HeadlessKeyPress(VK_UP);
  EXPECT_EQ(options->spinAttackLevel.Value(), -90);
  TzelArrowButton* down = threshold->Button()->DownButton();
  EXPECT_GT(down->ClientToScreen({0, 0}).X, threshold->ClientToScreen({threshold->Width() / 2, 0}).X);
  HeadlessClick(down->ClientToScreen({down->Width() / 2, down->Height() / 2}));
  EXPECT_EQ(threshold->Text(), "-91");
  HeadlessKeyPress(VK_DOWN);
  EXPECT_EQ(options->spinAttackLevel.Value(), -92);
  HeadlessKeyPress(VK_DOWN);  // the bottom of the range
  EXPECT_EQ(options->spinAttackLevel.Value(), -92);

  // Stepped values are published on OK and put back by Cancel.
  options->pcAutomation->SetActivePage(options->pcAutomation->Pages(1));
  options->spinTimeMinute.Edit->SetFocus();
  HeadlessKeyPress(VK_UP);
  options->btnOk->Click();
  EXPECT_EQ(TimeMinute, 1);
  EXPECT_EQ(AttackLevel, -92);
  ShowOptions();
  options->spinTimeMinute.Edit->SetFocus();
  HeadlessKeyPress(VK_UP);
  options->btnCancel->Click();
  EXPECT_EQ(options->spinTimeMinute.Value(), 1);
}

TEST_F(OptionsWindow, SettingsOutsideTheSpinsRangesAreBroughtIn) {
  WriteFile(SettingsPath(), "[AutoStop]\nTimeMinute=5000\nTimeSecond=-3\n[VOX]\nAttackLevel=-500\nReleaseTime=x\n");
  options->LoadSettings();
  EXPECT_EQ(options->spinTimeMinute.Value(), 1440);
  EXPECT_EQ(options->spinTimeSecond.Value(), 0);
  EXPECT_EQ(options->spinAttackLevel.Value(), -92);
  EXPECT_EQ(options->spinReleaseTime.Value(), 300);  // not a number: the key's default
}

TEST_F(OptionsWindow, NameEditsRefuseCharactersThatNoFileNameHolds) {
  ShowOptions();
  options->ShowPage(4);
  options->pcSave->SetActivePage(options->joinerPage.Page);
  HeadlessPumpUntilIdle();
  TCustomEdit* prefix = options->joinerPage.Prefix;
  prefix->SetText("");
  TypeInto(prefix, "a\\b/c:d*e?f\"g<h>i|j");
  EXPECT_EQ(prefix->Text(), "abcdefghij");
}

TEST_F(OptionsWindow, FolderButtonsTakeOnlyWritableFolders) {
  std::string shown;
  options->ShowMessage = [&](const std::string& text) { shown = text; };
  const std::string good = Scratch() + "good/";
  std::filesystem::create_directories(good);
  options->SelectFolder = [&] { return good; };
  options->splitterPage.Browse->Click();
  EXPECT_EQ(options->splitterPage.Folder->Text(), good);
  EXPECT_TRUE(std::filesystem::is_empty(good));  // no test file left
  EXPECT_TRUE(shown.empty());

  options->SelectFolder = [&] { return Scratch() + "missing/"; };
  options->splitterPage.Browse->Click();
  EXPECT_EQ(shown, "The path can't set as output path");
  EXPECT_EQ(options->splitterPage.Folder->Text(), good);

  options->SelectFolder = [] { return std::string(); };
  shown.clear();
  options->splitterPage.Browse->Click();
  EXPECT_TRUE(shown.empty());
  EXPECT_EQ(options->splitterPage.Folder->Text(), good);
}

TEST_F(OptionsWindow, DefaultResetsTheControlsButPublishesNothingUntilOk) {
  options->comboWavFreq->SetItemIndex(0);
  options->recorderPage.Folder->SetText(Scratch() + "no/such/deep/folder/");
  options->btnOk->Click();
  EXPECT_EQ(WavFreq, 8000);
  options->btnDefaultClick(nullptr);
  EXPECT_EQ(options->comboWavFreq->ItemIndex(), 5);
  EXPECT_EQ(options->recorderPage.Folder->Text(), RecordedFolder);
  EXPECT_EQ(WavFreq, 8000);
  EXPECT_EQ(Stored("OutputFormat", "WavFreq"), "0");
}

TEST_F(OptionsWindow, ADeviceChosenFromTheListIsSelectedOnTheRecorder) {
  setenv("VELMORA_AUDIO", "virtual", 1);
  TAudioRecord2 recorder;
  options->Recorder = &recorder;
  int refreshed = 0;
  options->MainWindow.InputDeviceChanged = [&] { ++refreshed; };
  const int last = recorder.DeviceCount();
  ASSERT_GE(last, 0);
  std::vector<std::string> names;
  for (int i = 0; i <= last; ++i) {
    recorder.SetDevice(i);
    names.push_back(recorder.DeviceName());
    options->comboDevice->Items()->Add(names.back());
  }
  options->comboDevice->SetItemIndex(last);
  options->comboDeviceChange(options->comboDevice);
  EXPECT_EQ(recorder.Device(), last);
  EXPECT_EQ(recorder.DeviceName(), names.back());
  EXPECT_EQ(refreshed, 1);
}

}  // namespace
