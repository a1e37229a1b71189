// The splitter window over a tone file: what it shows, split points placed
// and unticked through its controls, and a split that writes the kept
// sections beside the source.

#include <filesystem>

#include "PlayerWindowFixture.h"
#include "platform/os/MainThread.h"
#include "recorder/GlobeVar.h"
#include "recorder/Splitter.h"

namespace {

class SplitterWindowTest : public PlayerWindowFixture {
 protected:
  void ShowSplitter(double seconds) {
    ShowPlayer([&] { WriteTone(Folder() + "song.wav", seconds); });
    Application->CreateForm(frmSplitter);
    ::SplitToSource = true;
    ::SplitOverwrite = false;
    frmSplitter->SourcePath = Folder() + "song.wav";
    frmSplitter->Show();
    HeadlessPumpUntilIdle();
    if (const char* folder = std::getenv("SPLITTER_SHOT_FOLDER")) {
      HeadlessPumpUntilIdle();
      if (const TBitmap* shot = HeadlessPresentedSurface(frmSplitter->Handle()))
        const_cast<TBitmap*>(shot)->SaveToFile(std::string(folder) + "/splitter.bmp");
    }
  }
  static TListItems* Rows() { return frmSplitter->lvSplitList->Items(); }
  static std::string Cell(int row, int column) { return Rows()->Item(row)->SubItems()->Strings(column - 1); }
  static void AddPointAt(std::int64_t ms) {
    frmSplitter->Timeline->SetPosition(ms);
    frmSplitter->btnAddTime->Click();
  }
  static std::int64_t Frames(const std::string& path) {
    TAudioFile2 reader;
    reader.OpenRead(path, 0, 1);
    return reader.LastError() == 0 ? reader.LengthSamples() : -1;
  }
};

TEST_F(SplitterWindowTest, ShowsTheFileAndSectionsFollowThePoints) {
  ShowSplitter(5.0);
  EXPECT_EQ(frmSplitter->lbDuration->Caption(), "000 : 00 : 000");
  EXPECT_NE(frmSplitter->lbFormatStr->Caption().find("44100"), std::string::npos) << frmSplitter->lbFormatStr->Caption();
  ASSERT_EQ(Rows()->Count(), 1);
  EXPECT_EQ(Cell(0, 2), "000 : 05 : 000");
  EXPECT_TRUE(Rows()->Item(0)->Checked());

  AddPointAt(1000);
  AddPointAt(3000);
  ASSERT_EQ(Rows()->Count(), 3);
  EXPECT_EQ(Cell(1, 1), "000 : 01 : 000");
  EXPECT_EQ(Cell(1, 3), "000 : 02 : 000");
  Rows()->Item(1)->SetChecked(false);
  EXPECT_FALSE(frmSplitter->Timeline->Points().Points()[1].use);
  AddPointAt(2000);  // inside the unticked section: both halves stay unticked
  EXPECT_FALSE(Rows()->Item(1)->Checked());
  EXPECT_FALSE(Rows()->Item(2)->Checked());

  frmSplitter->numGotoMin->SetText("001");
  frmSplitter->numGotoSec->SetText("75");
  EXPECT_EQ(frmSplitter->numGotoSec->Text(), "59");
  frmSplitter->numGotoMin->SetText("000");
  frmSplitter->numGotoSec->SetText("04");
  frmSplitter->numGotoMs->SetText("250");
  frmSplitter->btnGotoClick();
  EXPECT_EQ(frmSplitter->Timeline->Position(), 4250);
  EXPECT_EQ(frmSplitter->lbDuration->Caption(), "000 : 04 : 250");
}

TEST_F(SplitterWindowTest, ThePlayerOpensItOnTheSelectedFile) {
  ShowPlayer([&] {
    WriteTone(Folder() + "other.wav", 1.0);
    WriteTone(Folder() + "song.wav", 2.0);
  });
  Application->CreateForm(frmSplitter);
  Select("song.wav");
  std::string shown;
  PostToMainThread([&] {
    shown = Cell(0, 2) + " " + frmSplitter->SourcePath;
    frmSplitter->SetModalResult(mrCancel);
  });
  frmPlayer->btnSplitter->Click();
  EXPECT_EQ(shown, "000 : 02 : 000 " + Folder() + "song.wav");
}

TEST_F(SplitterWindowTest, SplitWritesTheKeptSectionsAndSaysSo) {
  ShowSplitter(5.0);
  frmSplitter->btnSplitClick();
  EXPECT_FALSE(frmSplitter->Splitting()) << "the start and the end alone split nothing";

  AddPointAt(1000);
  AddPointAt(3000);
  Rows()->Item(1)->SetChecked(false);  // 1 s .. 3 s belongs to the first part
  frmSplitter->btnSplitClick();
  EXPECT_TRUE(frmSplitter->Splitting());
  EXPECT_FALSE(frmSplitter->btnSplit->Visible());
  ASSERT_TRUE(PumpUntil([] { return !frmSplitter->Splitting(); }, 30000));
  ASSERT_TRUE(PumpUntil([&] { return !messages.empty(); }, 30000));
  EXPECT_EQ(messages, (std::vector<std::string>{"Split finished"}));
  EXPECT_TRUE(frmSplitter->btnSplit->Visible());
  EXPECT_EQ(Cell(0, 4), "Done");
  EXPECT_EQ(Cell(2, 4), "Done");
  EXPECT_EQ(Frames(Folder() + "song-Splitted0.wav"), 3 * 44100);
  EXPECT_EQ(Frames(Folder() + "song-Splitted1.wav"), 2 * 44100);
  EXPECT_FALSE(std::filesystem::exists(Folder() + "song-Splitted2.wav"));
  EXPECT_GE(IndexOf("song-Splitted0.wav"), 0) << "the player lists the parts";

  // A report that arrives after the end changes nothing.
  PostMessage(frmSplitter->Handle(), WM_TOOL_PROGRESS, 0, 50);
  HeadlessPumpUntilIdle();
  EXPECT_EQ(Cell(0, 4), "Done");
}

TEST_F(SplitterWindowTest, CloseWhileSplittingAsksAndClosesOnceTheSplitHasEnded) {
  ShowSplitter(5.0);
  frmMain->AskQuestion = [this](const std::string& text) {
    questions.push_back(text);
    const int answer = answers.front();
    answers.pop_front();
    return answer;
  };
  AddPointAt(2000);
  // The first part is created on this thread, so the split cannot end
  // before the events are handled.
  frmSplitter->btnSplitClick();
  answers = {mrNo};
  frmSplitter->Close();
  EXPECT_EQ(questions, (std::vector<std::string>{"Splitting in progress, do you want to cancel ?"}));
  EXPECT_TRUE(frmSplitter->Visible());
  ASSERT_TRUE(PumpUntil([&] { return !messages.empty(); }, 30000));
  EXPECT_EQ(messages, (std::vector<std::string>{"Split finished"})) << "No lets the split run on";

  messages.clear();
  frmSplitter->btnSplitClick();
  answers = {mrYes};
  frmSplitter->Close();
  EXPECT_TRUE(frmSplitter->Visible()) << "the window waits for the thread";
  EXPECT_TRUE(frmSplitter->Splitting());
  ASSERT_TRUE(PumpUntil([] { return !frmSplitter->Visible(); }, 30000));
  EXPECT_FALSE(frmSplitter->Splitting());
  EXPECT_TRUE(messages.empty());
}

TEST_F(SplitterWindowTest, PlayBackwardNeverStartsBeforeTheFile) {
  ShowSplitter(5.0);
  frmSplitter->Timeline->SetPosition(500);
  frmSplitter->numBackward->SetText("2000");
  std::vector<std::int64_t> positions;
  frmSplitter->Timeline->OnPositionChange = [&](TObject*) { positions.push_back(frmSplitter->Timeline->Position()); };
  frmSplitter->btnPlayBackwardClick();
  EXPECT_EQ(frmSplitter->PlayStart(), 0);
  // It plays up to where it stood and goes back there.
  ASSERT_TRUE(PumpUntil([&] { return !positions.empty() && frmSplitter->Timeline->Position() == 500; }, 10000));
}

// A preview plays its section to the end, slowed, normal or quickened,
// and stops by itself where the section ends.
TEST_F(SplitterWindowTest, PreviewEndsAtTheSectionsEndAtEverySpeed) {
  ShowSplitter(8.0);
  AddPointAt(1000);
  AddPointAt(2000);
  auto playerEnd = frmSplitter->AP.OnEndPlay;
  bool heardToTheEnd = false;
  frmSplitter->AP.OnEndPlay = [&](TObject* sender) {
    heardToTheEnd = true;
    playerEnd(sender);
  };
  for (TzelRadioButton* speed : {frmSplitter->rb05x, frmSplitter->rb1x, frmSplitter->rb15x}) {
    speed->SetChecked(true);
    frmSplitter->btnStopClick();
    heardToTheEnd = false;
    frmSplitter->lvSplitList->SetSelected(Rows()->Item(1));
    frmSplitter->btnPreviewClick();
    EXPECT_FALSE(frmSplitter->btnPreview->Visible());
    ASSERT_TRUE(PumpUntil([] { return frmSplitter->btnPreview->Visible(); }, 20000)) << speed->Caption();
    EXPECT_TRUE(heardToTheEnd) << speed->Caption() << ": the section was not played to its end";
    EXPECT_EQ(Cell(1, 4), "") << speed->Caption();
    EXPECT_TRUE(frmSplitter->btnAddTime->Enabled());
  }
}

}  // namespace
