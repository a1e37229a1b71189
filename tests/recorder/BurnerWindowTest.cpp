// The burner window over the real burner library and its image drive:
// writers, the folder browser and its filters, the burn list, its size
// against the disc, burn-list files, and a burn into disc images.

#include <deque>
#include <filesystem>
#include <fstream>
#include <regex>

#include "MainWindowFixture.h"
#include "ToneFiles.h"
#include "burner/BurnEstimate.h"
#include "burner/FoxBurnerSDKCore.h"
#include "platform/os/MainThread.h"
#include "platform/win/NativeDialogs.h"
#include "recorder/Burner.h"
#include "recorder/BurnerRules.h"
#include "recorder/Burning.h"
#include "recorder/Device.h"
#include "recorder/EraseProgress.h"
#include "skin/ZELComboBox.h"
#include "skin/ZELListView.h"
#include "tests/shots/ReferenceShot.h"

namespace fs = std::filesystem;

namespace {

void WriteMp3Tone(const std::string& path, double seconds) {
  TAudioFile2 file;
  file.SetMP3Output(44100, 128, 2);
  file.SetInputFormat(44100, 2);
  file.CreateWrite(path, 0);
  TSampleBlock block;
  for (int i = 0; i < static_cast<int>(seconds * 44100); ++i)
    block.insert(block.end(), 2, static_cast<std::int16_t>(8000 * std::sin(2 * M_PI * 440.0 * i / 44100)));
  file.WriteBlock(block);
  file.Close();
}

class BurnerWindowTest : public MainWindowFixture {
 protected:
  void SetUp() override {
    MainWindowFixture::SetUp();
    setenv("FOXBURNER_IMAGE_DIR", Images().c_str(), 1);
    fs::create_directories(Music());
  }
  void TearDown() override {
    MainWindowFixture::TearDown();
    unsetenv("FOXBURNER_IMAGE_DIR");
    BurnType = 1;
    MediumType = 0;
    SelectedWriterIndex = 0;
    BurnInProgress = false;
    BurnAborted = false;
    WriterList.Clear();
    BurnFileList.Clear();
  }

  std::string Music() { return Scratch() + "music/"; }
  std::string Images() { return Scratch() + "images/"; }

  // The burner and its companions as the program makes them, shown on
  // the music folder.
  void OpenBurner() {
    ShowMain();
    Application->CreateForm(frmBurner);
    Application->CreateForm(frmDevice);
    Application->CreateForm(frmBurningProgress);
    Application->CreateForm(frmEraseProgress);
    ConnectBurnerWindows();
    frmBurner->ShowNotice = [this](const std::string& text) { notices.push_back(text); };
    frmBurningProgress->ShowNotice = frmBurner->ShowNotice;
    frmBurner->AskQuestion = [this](const std::string& text) {
      questions.push_back(text);
      const int answer = answers.empty() ? static_cast<int>(mrNo) : answers.front();
      if (!answers.empty()) answers.pop_front();
      return answer;
    };
    frmBurner->STV->SetSelectedFolder(Music());
    frmBurner->Show();
  }

  static std::vector<std::string> Captions(TListView* list) {
    std::vector<std::string> captions;
    for (int i = 0; i < list->Items()->Count(); ++i) captions.push_back(list->Items()->Item(i)->Caption());
    return captions;
  }
  static void SelectRows(TListView* list, std::initializer_list<int> rows) {
    list->ClearSelection();
    for (int row : rows) list->Items()->Item(row)->SetSelected(true);
  }
  static void ChooseType(int index) {
    frmBurner->comboxBurnType->SetItemIndex(index);
    frmBurner->comboxBurnTypeChange();
  }
  static void Relist() {
    frmBurner->STV->SetSelectedFolder(frmBurner->CurrentFolder());
    frmBurner->STVClick();
  }

  std::vector<std::string> notices, questions;
  std::deque<int> answers;
};

TEST(BurnerRules, FormatsAndDiscsPerBurnType) {
  for (const char* format : {"WAV", "MP3", "WMA", "OGG"}) EXPECT_TRUE(BurnTypeTakesFormat(0, format)) << format;
  EXPECT_FALSE(BurnTypeTakesFormat(0, ""));
  EXPECT_TRUE(BurnTypeTakesFormat(1, "MP3"));
  EXPECT_FALSE(BurnTypeTakesFormat(1, "WAV"));
  EXPECT_TRUE(BurnTypeTakesFormat(2, "WMA"));
  EXPECT_FALSE(BurnTypeTakesFormat(2, "MP3"));
  // A blank disc suits every type, an open one data only, a closed one none.
  EXPECT_EQ(MediumForBurn(2, 0, 1), 2);
  EXPECT_EQ(MediumForBurn(2, 1, 1), 0);
  EXPECT_EQ(MediumForBurn(2, 1, 2), 2);
  EXPECT_EQ(MediumForBurn(3, 2, 2), 0);
  EXPECT_EQ(MediumForBurn(3, 7, 2), 0);
  EXPECT_EQ(UnsuitedDiscNotice(1), "Please insert a blank CD disc to burn.");
  EXPECT_EQ(UnsuitedDiscNotice(3), "Please insert a writable CD disc.");
  EXPECT_EQ(UnsuitedDiscNotice(5), "Please insert a writable DVD disc.");
  EXPECT_EQ(DriveLetterOf(""), 0);
  EXPECT_EQ(DriveLetterOf("Z: Disc image"), 'Z');
}

TEST_F(BurnerWindowTest, FindsTheImageWriterAndTakesItsBlankDisc) {
  OpenBurner();
  ASSERT_GE(WriterList.Count(), 1);
  EXPECT_EQ(frmBurner->LibraryProblem(), "");
  EXPECT_EQ(SelectedWriterIndex, 0);
  EXPECT_EQ(frmBurner->MFox->CurrentDevice(), static_cast<std::uint8_t>(WriterList.Strings(0)[0]));
  // The image drive holds a blank CD-R: kept for every burn type.
  EXPECT_EQ(MediumType, 2);
  EXPECT_TRUE(notices.empty()) << notices.front();

  // A disc change while a burn runs does not read the disc again.
  MediumType = 99;
  BurnInProgress = true;
  SendMessage(frmBurner->Handle(), WM_DEVICECHANGE, DBT_DEVICEARRIVAL, 0);
  EXPECT_EQ(MediumType, 99);
  BurnInProgress = false;
  SendMessage(frmBurner->Handle(), WM_DEVICECHANGE, DBT_DEVICEREMOVECOMPLETE, 0);
  EXPECT_EQ(MediumType, 2);
}

TEST_F(BurnerWindowTest, FolderListFollowsTheBurnTypeAndIsNotReadTwice) {
  WriteTone(Music() + "a.wav", 1.0);
  WriteMp3Tone(Music() + "b.mp3", 1.0);
  std::ofstream(Music() + "notes.txt") << "not audio";
  fs::create_directories(Music() + "sub.wav");
  OpenBurner();
  EXPECT_EQ(frmBurner->CurrentFolder(), Music());
  frmBurner->lvFolderListColumnClick(0);
  EXPECT_EQ(Captions(frmBurner->lvFolderList), (std::vector<std::string>{"a.wav", "b.mp3"}));
  EXPECT_EQ(frmBurner->lvFolderList->Items()->Item(0)->SubItems()->Strings(1), "00 : 00 : 01");

  // The same folder again is not read again...
  WriteTone(Music() + "c.wav", 1.0);
  Relist();
  EXPECT_EQ(frmBurner->lvFolderList->Items()->Count(), 2);
  // ...but another type always reads it, with its filter.
  ChooseType(1);
  EXPECT_EQ(Captions(frmBurner->lvFolderList), (std::vector<std::string>{"b.mp3"}));
  EXPECT_EQ(BurnType, 2);
  ChooseType(2);
  EXPECT_EQ(frmBurner->lvFolderList->Items()->Count(), 0);
  ChooseType(0);
  EXPECT_EQ(frmBurner->lvFolderList->Items()->Count(), 3);
}

TEST_F(BurnerWindowTest, BuildsTheListAndWeighsItAgainstTheDisc) {
  WriteTone(Music() + "a.wav", 2.0);
  WriteTone(Music() + "b.wav", 3.0);
  WriteTone(Music() + "c.wav", 5.0);
  OpenBurner();
  frmBurner->lvFolderListColumnClick(0);
  TListView* list = frmBurner->lvAudioCDList;
  SelectRows(frmBurner->lvFolderList, {0, 2});
  frmBurner->btnAddClick();
  frmBurner->btnAddClick();  // nothing twice
  EXPECT_EQ(Captions(list), (std::vector<std::string>{Music() + "a.wav", Music() + "c.wav"}));
  EXPECT_EQ(list->Items()->Item(0)->SubItems()->Count(), 4);
  EXPECT_TRUE(frmBurner->Modified());
  frmBurner->btnAddAllClick();
  EXPECT_EQ(Captions(list), (std::vector<std::string>{Music() + "a.wav", Music() + "c.wav", Music() + "b.wav"}));
  EXPECT_EQ(frmBurner->SummaryText(),
            "3 files in list, 3 files selected, selected duration is approximately: 00h 00m 10s ");

  // Audio CD: the CD audio of the total duration in sector space.
  std::int64_t ms = 0;
  EXPECT_EQ(frmBurner->EstimateProjectSize(&ms), AudioCdBytes(10000));
  EXPECT_EQ(ms, 10000);
  EXPECT_EQ(frmBurner->CapBar->Duration(), 10000);
  EXPECT_EQ(frmBurner->CapBar->NeedMB(), AudioCdBytes(10000) / 1048576);

  // Move up with rows 2 and 3 (of 3) selected: the block rises by one.
  SelectRows(list, {1, 2});
  frmBurner->btnUpClick();
  EXPECT_EQ(Captions(list), (std::vector<std::string>{Music() + "c.wav", Music() + "b.wav", Music() + "a.wav"}));
  frmBurner->btnUpClick();  // at the top: stays
  EXPECT_EQ(list->Items()->Item(0)->Caption(), Music() + "c.wav");
  SelectRows(list, {0});
  frmBurner->btnLastClick();
  EXPECT_EQ(Captions(list), (std::vector<std::string>{Music() + "b.wav", Music() + "a.wav", Music() + "c.wav"}));
  EXPECT_TRUE(list->Items()->Item(2)->Selected());

  // The preview follows a single selected row; removing forgets it.
  frmBurner->lvAudioCDListMouseDown();
  EXPECT_EQ(frmBurner->PreviewIndex(), 2);
  EXPECT_EQ(frmBurner->PreviewFile(), Music() + "c.wav");
  frmBurner->btnRemoveClick();
  EXPECT_EQ(frmBurner->PreviewIndex(), -1);
  EXPECT_EQ(list->Items()->Count(), 2);
  frmBurner->btnRemoveAllClick();
  EXPECT_FALSE(frmBurner->Modified());
  EXPECT_EQ(frmBurner->CapBar->Duration(), 0);
}

TEST_F(BurnerWindowTest, DataDiscsCountWholeFileSizesBeyondFourGigabytes) {
  WriteMp3Tone(Music() + "song.mp3", 1.0);
  // A sparse file of 5 GiB: its size, not its low 32 bits, counts.
  const std::string big = Music() + "big.mp3";
  { std::ofstream(big) << ""; }
  fs::resize_file(big, 5LL << 30);
  OpenBurner();
  ChooseType(1);
  frmBurner->btnAddAllClick();
  ASSERT_EQ(frmBurner->lvAudioCDList->Items()->Count(), 2);
  EXPECT_EQ(frmBurner->EstimateProjectSize(), (5LL << 30) + static_cast<std::int64_t>(fs::file_size(Music() + "song.mp3")));
  EXPECT_GE(frmBurner->CapBar->NeedMB(), 5120);
}

TEST_F(BurnerWindowTest, BurnListFilesKeepTheListAndSurviveDamage) {
  WriteMp3Tone(Music() + "one.mp3", 1.0);
  WriteMp3Tone(Music() + "two.mp3", 1.0);
  OpenBurner();
  ChooseType(1);
  frmBurner->btnAddAllClick();
  const auto saved = Captions(frmBurner->lvAudioCDList);

  // A name without ".wbl" gets it; ".WBL" inside the name is no ending.
  HeadlessQueueFileDialogAnswer({true, {Scratch() + "my.wbl.list"}, 0});
  frmBurner->btnSaveClick();
  ASSERT_TRUE(fs::exists(Scratch() + "my.wbl.list.wbl"));
  EXPECT_FALSE(frmBurner->Modified());

  // Back in another type (the list is emptied), then loaded again: the
  // box takes the list's type without emptying the list.
  ChooseType(0);
  EXPECT_EQ(frmBurner->lvAudioCDList->Items()->Count(), 0);
  fs::remove(Music() + "two.mp3");
  HeadlessQueueFileDialogAnswer({true, {Scratch() + "my.wbl.list.wbl"}, 0});
  frmBurner->btnLoadClick();
  EXPECT_EQ(frmBurner->comboxBurnType->ItemIndex(), 1);
  EXPECT_EQ(BurnType, 2);
  EXPECT_EQ(Captions(frmBurner->lvAudioCDList), (std::vector<std::string>{saved[0] == Music() + "one.mp3" ? saved[0] : saved[1]}));
  EXPECT_TRUE(notices.empty());

  // A hostile count reads no more items than the section holds; a type
  // out of range is brought into the box's range.
  std::ofstream(Scratch() + "hostile.wbl") << "[BurnProject]\nProject=77\nItemCount=2000000000\nItem1="
                                           << Music() << "one.mp3\n";
  frmBurner->LoadBurnList(Scratch() + "hostile.wbl");
  EXPECT_EQ(frmBurner->lvAudioCDList->Items()->Count(), 1);
  EXPECT_EQ(frmBurner->comboxBurnType->ItemIndex(), 2);
  // A damaged file is an empty list.
  std::ofstream(Scratch() + "damaged.wbl", std::ios::binary) << std::string("\0\xff\x01[Burn", 8);
  frmBurner->LoadBurnList(Scratch() + "damaged.wbl");
  EXPECT_EQ(frmBurner->lvAudioCDList->Items()->Count(), 0);
}

TEST_F(BurnerWindowTest, ChangingTypeOrClosingOffersToSaveAModifiedList) {
  WriteTone(Music() + "a.wav", 1.0);
  OpenBurner();
  frmBurner->btnAddAllClick();
  answers = {mrNo};
  ChooseType(1);
  EXPECT_EQ(questions, std::vector<std::string>{"Current project has not been saved. Would you like to save it?"});
  EXPECT_FALSE(frmBurner->Modified());
  EXPECT_EQ(frmBurner->lvAudioCDList->Items()->Count(), 0);

  // Shown again, the burn type follows the box, not the audio CD.
  frmBurner->Close();
  frmBurner->Show();
  EXPECT_EQ(BurnType, 2);

  ChooseType(0);
  frmBurner->btnAddAllClick();
  answers = {mrYes};
  HeadlessQueueFileDialogAnswer({true, {Scratch() + "closing"}, 0});
  frmBurner->Close();
  EXPECT_EQ(questions.size(), 2u);
  EXPECT_TRUE(fs::exists(Scratch() + "closing.wbl"));
  EXPECT_FALSE(frmBurner->Visible());
}

TEST_F(BurnerWindowTest, WithoutTheLibraryTheWindowOpensAndSaysWhy) {
  const std::string library = BurnerDllPath(), hidden = library + ".hidden";
  fs::rename(library, hidden);
  struct PutBack {
    std::string from, to;
    ~PutBack() { fs::rename(from, to); }
  } putBack{hidden, library};
  WriteTone(Music() + "a.wav", 1.0);
  OpenBurner();
  EXPECT_NE(frmBurner->LibraryProblem().find("SDK DLL file not found"), std::string::npos);
  EXPECT_EQ(WriterList.Count(), 0);
  EXPECT_TRUE(frmBurner->Visible());
  EXPECT_EQ(frmBurner->lvFolderList->Items()->Count(), 1);
  frmBurner->btnAddAllClick();
  frmBurner->btnStartBurnClick();
  ASSERT_EQ(notices.size(), 1u);
  EXPECT_EQ(notices[0], frmBurner->LibraryProblem());
}

TEST_F(BurnerWindowTest, BurnsTheListIntoAudioImagesTwiceAndVerifiesBoth) {
  WriteTone(Music() + "a.wav", 1.0);
  WriteTone(Music() + "b.wav", 2.5);
  WriteTone(Music() + "c.wav", 0.5);
  OpenBurner();
  frmBurner->btnStartBurnClick();
  EXPECT_EQ(notices, std::vector<std::string>{"Please add files to project"});
  notices.clear();
  frmBurner->lvFolderListColumnClick(0);
  frmBurner->btnAddAllClick();

  frmBurner->MFox->Options()->SetCopies(2);
  frmBurner->MFox->Options()->SetSwitches(frmBurner->MFox->Options()->Switches().With(osVerifyAfterBurn));
  int verified = -1;
  frmBurner->MFox->OnVerifyDone = [&](TObject*, std::int32_t errors) { verified = errors; };
  // The progress window is modal: Start is pressed from inside its loop,
  // and the result closes it.
  // Closed once the notice has been handled, as a user would.
  frmBurningProgress->ShowNotice = [this](const std::string& text) {
    notices.push_back(text);
    PostToMainThread([] { frmBurningProgress->Close(); });
  };
  PostToMainThread([] { frmBurningProgress->bStartClick(nullptr); });
  frmBurner->btnStartBurnClick();

  EXPECT_EQ(BurnFileList.Count(), 3);
  ASSERT_EQ(notices.size(), 1u);
  EXPECT_TRUE(std::regex_match(notices[0], std::regex("Burn Time: \\d\\d:\\d\\d\r\nBurn Success!"))) << notices[0];
  EXPECT_EQ(verified, 0);
  std::vector<std::string> cues;
  for (const auto& entry : fs::directory_iterator(Images()))
    if (entry.path().extension() == ".cue") cues.push_back(entry.path().string());
  ASSERT_EQ(cues.size(), 2u);
  for (const std::string& cue : cues) {
    std::ifstream in(cue);
    const std::string text((std::istreambuf_iterator<char>(in)), {});
    const std::regex track("TRACK \\d+ AUDIO");
    EXPECT_EQ(std::distance(std::sregex_iterator(text.begin(), text.end(), track), std::sregex_iterator()), 3) << text;
    // Each track is padded to whole 2352-byte sectors.
    const std::string bin = cue.substr(0, cue.size() - 4) + ".bin";
    const std::int64_t sectors = 75 + 188 + 38;  // 1 s, 2.5 s, 0.5 s, each rounded up
    EXPECT_EQ(static_cast<std::int64_t>(fs::file_size(bin)), sectors * 2352) << bin;
  }
}

TEST_F(BurnerWindowTest, AClickedBurnListRowBecomesThePreviewAndPlays) {
  WriteTone(Music() + "a.wav", 1.0);
  WriteTone(Music() + "b.wav", 1.0);
  OpenBurner();
  frmBurner->lvFolderListColumnClick(0);
  frmBurner->btnAddAllClick();
  TListView* list = frmBurner->lvAudioCDList;
  const TRect row = list->Items()->Item(1)->DisplayRect();
  HeadlessClick(list->ClientToScreen(TPoint((row.Left + row.Right) / 2, (row.Top + row.Bottom) / 2)));
  HeadlessPumpUntilIdle();
  EXPECT_EQ(frmBurner->PreviewIndex(), 1);
  EXPECT_EQ(frmBurner->PreviewFile(), Music() + "b.wav");
  EXPECT_EQ(frmBurner->Label1->Caption(), "PCM, 16 bit, 44100 Hz, Stereo");
  frmBurner->btnPlayClick();
  EXPECT_TRUE(PumpUntil([] { return frmBurner->AP.PlayedSamples() > 0; }));
  frmBurner->btnStopClick();
  EXPECT_TRUE(notices.empty());
}

TEST_F(BurnerWindowTest, ABurnThatFailsSaysSoAndNotSuccess) {
  WriteTone(Music() + "a.wav", 1.0);
  // The images' folder cannot be made: a file stands where it would be.
  std::ofstream(Scratch() + "blocked") << "";
  setenv("FOXBURNER_IMAGE_DIR", (Scratch() + "blocked/images/").c_str(), 1);
  OpenBurner();
  frmBurner->btnAddAllClick();
  // Closed once the notice has been handled, as a user would.
  frmBurningProgress->ShowNotice = [this](const std::string& text) {
    notices.push_back(text);
    PostToMainThread([] { frmBurningProgress->Close(); });
  };
  PostToMainThread([] { frmBurningProgress->bStartClick(nullptr); });
  frmBurner->btnStartBurnClick();
  ASSERT_EQ(notices.size(), 1u);
  EXPECT_EQ(notices[0], "Please insert a writable disc.");
  EXPECT_FALSE(BurnInProgress);
  // A burn that ends with the library's error text failed.
  notices.clear();
  BurnInProgress = true;
  frmBurner->MFoxBurnDone("Write error");
  HeadlessAdvanceClock(150);
  HeadlessPumpUntilIdle();
  ASSERT_EQ(notices.size(), 1u);
  EXPECT_NE(notices[0].find("Burn Failed: Write error"), std::string::npos) << notices[0];
  EXPECT_EQ(notices[0].find("Burn Success!"), std::string::npos) << notices[0];
  EXPECT_FALSE(BurnInProgress);
  // A burn-done report with no burn of ours running shows nothing.
  notices.clear();
  frmBurner->MFoxBurnDone("");
  frmBurner->tmBurnDoneTimer();
  EXPECT_TRUE(notices.empty());
}

TEST_F(BurnerWindowTest, LooksLikeItsReference) {
  WriteTone(Music() + "first song.wav", 2.0);
  WriteTone(Music() + "second song.wav", 3.0);
  OpenBurner();
  frmBurner->lvFolderListColumnClick(0);
  frmBurner->btnAddAllClick();
  SelectRows(frmBurner->lvFolderList, {0});
  frmBurner->lvFolderListClick();
  // The scratch folder's name changes from run to run; the picture shows
  // the rows under a fixed one.
  for (int i = 0; i < 2; ++i) {
    TListItem* item = frmBurner->lvAudioCDList->Items()->Item(i);
    item->SetCaption("/home/user/music/" + fs::path(item->Caption()).filename().string());
  }
  HeadlessPumpUntilIdle();
  EXPECT_EQ(CompareWithReference(*ShootWindow(frmBurner->Handle()), "recorder/shots/burner-list.png"), "");
}

}  // namespace
