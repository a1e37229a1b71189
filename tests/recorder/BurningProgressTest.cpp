// The burning-progress window: which discs it takes, how it lays itself
// out, and burns onto the image drive from Start to the result, with the
// ways a burn is refused, fails or is aborted.

#include <cmath>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "BurningWindowsFixture.h"
#include "ToneFiles.h"
#include "platform/os/Clock.h"
#include "skin/ZELButton.h"
#include "skin/ZELDlg.h"
#include "skin/frmMessage.h"

namespace {

TEST(WritableMedium, CodesAndStatusesPerBurnType) {
  struct Case {
    int burnType, code, status;
    bool accepted, codeFits;
  };
  const Case cases[] = {
      {1, 2, 0, true, true},   {1, 2, 1, true, true},   {1, 2, 2, false, true},  // closed CD-R keeps its code
      {1, 3, 2, true, true},   {2, 3, 3, true, true},                            // CD-RW in any state
      {1, 5, 0, false, false}, {4, 9, 0, false, false},                          // DVDs are no CDs
      {5, 5, 1, true, true},   {5, 15, 2, false, true}, {5, 8, 2, true, true},
      {5, 2, 0, false, false}, {6, 3, 0, false, false}, {0, 3, 0, false, false},
  };
  for (const Case& c : cases) {
    TMediumVerdict v = JudgeWritableMedium(c.burnType, static_cast<std::uint8_t>(c.code),
                                           static_cast<std::uint8_t>(c.status));
    EXPECT_EQ(v.accepted, c.accepted) << c.burnType << " " << c.code << " " << c.status;
    EXPECT_EQ(v.codeFits, c.codeFits) << c.burnType << " " << c.code << " " << c.status;
  }
}

class BurningProgress : public BurningWindowsTest {
 protected:
  void SetUp() override {
    BurningWindowsTest::SetUp();
    FindWriters();
    CreateWindows();
    window = frmBurningProgress;
    window->EstimateProjectSize = [this] { return needed; };
  }
  void Show(int burnType) {
    BurnType = burnType;
    window->ArrangeLayout(burnType == 1);
    window->FormShow(window);
  }
  // Start, then the events until the result is shown.
  void StartAndFinish() {
    window->bStart->Click();
    if (BurnInProgress) {
      ASSERT_TRUE(PumpUntil([this] { return burnDone; }));
    }
  }
  std::string Source(const std::string& name, const std::string& content) {
    const std::string path = Scratch() + name;
    std::ofstream(path) << content;
    return path;
  }

  TfrmBurningProgress* window = nullptr;
  std::int64_t needed = 0;
};

TEST_F(BurningProgress, LayoutAndControlsFollowTheDiscKind) {
  Show(1);
  EXPECT_FALSE(window->gbBurnSetting->Visible());
  EXPECT_TRUE(window->chkEjectAfterBurn1->Visible());
  EXPECT_EQ(window->gbProgress->Top(), 48);
  EXPECT_EQ(window->bAbort->Top(), 162);
  EXPECT_EQ(window->Height(), 209);
  EXPECT_EQ(window->Top(), (768 - 209) / 2);
  EXPECT_EQ(window->Caption(), "  Burn Audio CD: ");
  EXPECT_FALSE(window->edtVolumeLabel->Enabled());
  EXPECT_FALSE(window->chkJolietFileSystem->Enabled());

  Show(2);
  EXPECT_TRUE(window->gbBurnSetting->Visible());
  EXPECT_FALSE(window->chkEjectAfterBurn1->Visible());
  EXPECT_EQ(window->gbProgress->Top(), 138);
  EXPECT_EQ(window->bStart->Top(), 251);
  EXPECT_EQ(window->Height(), 299);
  EXPECT_TRUE(window->lbVolumeLabel->Enabled());
  EXPECT_TRUE(window->chkTestBurn->Enabled());

  // The audio-files types leave the label's caption as the last type had it.
  Show(1);
  Show(5);
  EXPECT_EQ(window->Caption(), "  Burn Audio Files DVD: ");
  EXPECT_FALSE(window->lbVolumeLabel->Enabled());
  EXPECT_TRUE(window->edtVolumeLabel->Enabled());
}

TEST_F(BurningProgress, DataDiscBurnsToAnImageWithProgressAndATrueResult) {
  BurnFileList.Add(Source("one.mp3", "first"));
  BurnFileList.Add(Source("two.mp3", std::string(300000, 'b')));
  mfox->Options()->SetSessionToImport(3);  // left from an earlier disc
  Show(2);
  window->Show();
  window->edtVolumeLabel->SetText("Road trip");
  window->bStart->Click();
  ASSERT_TRUE(BurnInProgress);
  EXPECT_EQ(mfox->Options()->SessionToImport(), 0);  // a blank disc has no session to go on from
  EXPECT_EQ(mfox->Options()->VolumeLabel(), "Road trip");
  EXPECT_TRUE(mfox->Options()->Switches().Contains(osEjectAfterBurn));
  EXPECT_EQ(window->lbWriting->Caption(), "Burning MP3 CD ...");
  EXPECT_TRUE(window->bAbort->Enabled());
  EXPECT_FALSE(window->bStart->Enabled());
  EXPECT_TRUE(window->bClose->Enabled());
  // No closing while the burn runs, also not by the frame's close button.
  HeadlessRequestClose(window->Handle());
  HeadlessPumpUntilIdle();
  EXPECT_TRUE(window->Visible());
  ASSERT_FALSE(notices.empty());
  EXPECT_EQ(notices[0], "Please abort burning!");

  ASSERT_TRUE(PumpUntil([this] { return burnDone; }));
  ASSERT_EQ(notices.size(), 2u);
  EXPECT_EQ(notices[1].substr(0, 11), "Burn Time: ");
  EXPECT_EQ(notices[1].substr(notices[1].size() - 15), "\r\nBurn Success!");
  EXPECT_LE(highestShown, 100);
  EXPECT_FALSE(BurnInProgress);
  EXPECT_EQ(window->ProBurn->Position(), 0);
  EXPECT_EQ(window->lbWriting->Caption(), "");
  EXPECT_TRUE(window->bStart->Enabled());
  EXPECT_FALSE(window->bAbort->Enabled());
  EXPECT_TRUE(std::filesystem::exists(images + "Road trip.iso"));
  HeadlessRequestClose(window->Handle());
  HeadlessPumpUntilIdle();
  EXPECT_FALSE(window->Visible());
}

TEST_F(BurningProgress, AudioCdGoesOnPastAFileTheLibraryRefuses) {
  WriteTone(Scratch() + "tone.wav", 1.0);
  BurnFileList.Add(Scratch() + "missing.wav");
  BurnFileList.Add(Scratch() + "tone.wav");
  Show(1);
  StartAndFinish();
  ASSERT_EQ(notices.size(), 2u);
  EXPECT_EQ(notices[0].rfind("AddFile failed - error ", 0), 0u) << notices[0];
  EXPECT_NE(notices[0].find(" ("), std::string::npos);
  EXPECT_NE(notices[1].find("Burn Success!"), std::string::npos) << notices[1];
  EXPECT_EQ(window->lbProgress->Caption(), "Burn Progress:");
  // No volume label on an audio CD: the image takes the library's name.
  std::stringstream cue;
  cue << std::ifstream(images + "Audio CD.cue").rdbuf();
  const std::string sheet = cue.str();
  EXPECT_NE(sheet.find("TRACK 01 AUDIO"), std::string::npos) << sheet;
  EXPECT_EQ(sheet.find("TRACK 02"), std::string::npos) << sheet;
}

TEST_F(BurningProgress, RefusedStartsLeaveTheWindowReady) {
  BurnFileList.Add(Source("one.mp3", "first"));
  Show(2);
  // A list larger than 4 GB counts in full against the disc.
  needed = 5LL << 30;
  window->bStart->Click();
  // A closed rewritable disc has no room left either.
  needed = 1;
  setenv("FOXBURNER_IMAGE_MEDIUM", "cd-rw", 1);
  std::filesystem::create_directories(images);
  std::ofstream(images + "CD-RW.disc") << 1000000;
  window->bStart->Click();
  EXPECT_EQ(MediumType, 3);
  unsetenv("FOXBURNER_IMAGE_MEDIUM");
  needed = 0;
  // An image folder that cannot be made fails the preparing.
  std::ofstream(Scratch() + "blocked") << "a file";
  setenv("FOXBURNER_IMAGE_DIR", (Scratch() + "blocked/images").c_str(), 1);
  window->bStart->Click();
  const std::string space =
      "There is not enough space to burn this compilation onto this disc.\r"
      "Please insert another disc that provides more space.";
  EXPECT_EQ(notices, (std::vector<std::string>{space, space, "Please insert a writable disc."}));
  EXPECT_FALSE(BurnInProgress);
  EXPECT_TRUE(window->bStart->Enabled());
  EXPECT_TRUE(window->bClose->Enabled());
  EXPECT_FALSE(window->bAbort->Enabled());
}

TEST_F(BurningProgress, NoWriterAndNoLibraryAreReportedAndNothingStaysBusy) {
  BurnFileList.Add(Source("one.mp3", "first"));
  Show(2);
  WriterList.Clear();
  window->bStart->Click();
  WriterList.Add("Z: Disc image file");
  mfox->SetActive(false);
  window->bStart->Click();
  EXPECT_EQ(notices, (std::vector<std::string>{"No burning drives available",
                                               "TFoxBurnerSDK must be Active for this function"}));
  EXPECT_FALSE(BurnInProgress);
  EXPECT_TRUE(window->bStart->Enabled());
  EXPECT_TRUE(window->bClose->Enabled());
}

TEST_F(BurningProgress, ProgressAbortAndResultTexts) {
  Show(2);
  // The library's percent shows only while a burn runs.
  window->ShowProcess(40.0f);
  EXPECT_EQ(window->ProBurn->Position(), 0);
  BurnInProgress = true;
  window->ShowProcess(42.9f);
  EXPECT_EQ(window->ProBurn->Position(), 42);
  EXPECT_NE(window->lbWriteTime->Caption(), "");
  window->ShowProcess(std::nanf(""));
  EXPECT_EQ(window->ProBurn->Position(), 42);
  window->ShowFinalize();
  EXPECT_EQ(window->lbWriting->Caption(), "Finalize Disc...");
  BurnInProgress = false;

  const auto answerAbort = [this](const char* caption) {
    PostToMainThread([this, caption] {
      TfrmMsg* box = window->AbortDlg->Box();
      ASSERT_NE(box, nullptr);
      EXPECT_NE(box->ClipboardText().find("Do you want to abort?"), std::string::npos);
      for (int i = 0; i < box->ComponentCount(); ++i)
        if (auto* button = dynamic_cast<TzelButton*>(box->Components(i)); button && button->Caption() == caption)
          button->Click();
    });
    window->bAbort->Click();
  };
  BurnInProgress = true;  // as while a burn runs
  answerAbort("No");
  EXPECT_FALSE(BurnAborted);
  answerAbort("Yes");
  EXPECT_TRUE(BurnAborted);
  window->ShowBurnResult("");
  EXPECT_EQ(notices, std::vector<std::string>{"Burn Abort!"});
  EXPECT_FALSE(BurnInProgress);

  // A burn that ends with the library's error text failed.
  BurnAborted = false;
  BurnInProgress = true;
  window->ShowBurnResult("Cannot write the image");
  EXPECT_NE(notices.back().find("\r\nBurn Failed: Cannot write the image"), std::string::npos) << notices.back();
  EXPECT_EQ(notices.back().find("Success"), std::string::npos);
}

TEST_F(BurningProgress, AbortConfirmedWhilePreparingStopsBeforeWriting) {
  BurnFileList.Add(Scratch() + "missing.wav");
  WriteTone(Scratch() + "tone.wav", 0.5);
  BurnFileList.Add(Scratch() + "tone.wav");
  Show(1);
  // The refused file's notice is up; the user aborts meanwhile.
  window->ShowNotice = [this](const std::string& text) {
    notices.push_back(text);
    if (text.rfind("AddFile failed", 0) == 0) BurnAborted = true;
  };
  window->bStart->Click();
  ASSERT_EQ(notices.size(), 2u);
  EXPECT_EQ(notices[1], "Burn Abort!");
  EXPECT_FALSE(BurnInProgress);
  EXPECT_FALSE(BurnAborted);
  PumpUntil([] { return false; }, 200);
  EXPECT_FALSE(burnDone);
  EXPECT_FALSE(std::filesystem::exists(images) && !std::filesystem::is_empty(images));
}

}  // namespace
