// The splitter window over a tone file: what it shows, split points placed
// and unticked through its controls, and a split that writes the kept
// sections beside the source.

#include <filesystem>

#include "PlayerWindowFixture.h"
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
}

}  // namespace
