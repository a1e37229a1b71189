// The joiner window over a folder of tone files: what its lists show and
// how the commands change the join list, a merge named by the settings
// with its progress and end, cancelling, closing and leaving the program
// while a merge runs.

#include <filesystem>
#include <fstream>
#include <regex>

#include "LocalTimeOf.h"
#include "PlayerWindowFixture.h"
#include "platform/os/MainThread.h"
#include "recorder/GlobeVar.h"
#include "recorder/Joiner.h"

namespace {

class StandingClock : public IClock {
 public:
  std::uint64_t TickCount64() override { return 1000000; }
  SYSTEMTIME LocalTime() override { return LocalTimeOf(2024, 5, 6, 14, 5, 9); }
};

class JoinerWindowTest : public PlayerWindowFixture {
 protected:
  void ShowJoiner(const std::function<void()>& fill) {
    ShowPlayer(fill);
    frmMain->AskQuestion = [this](const std::string& text) {
      questions.push_back(text);
      const int answer = answers.empty() ? static_cast<int>(mrNo) : answers.front();
      if (!answers.empty()) answers.pop_front();
      return answer;
    };
    ::JoinFolder = Folder();
    ::JoinPrefix = "Merged";
    ::JoinSuffix = "";
    ::JoinUseDate = false;
    ::JoinOverwrite = false;
    Application->CreateForm(frmJoiner);
    frmJoiner->STV->SetSelectedFolder(Folder());
    frmJoiner->Show();
    frmJoiner->SortFolderList(0);
    HeadlessPumpUntilIdle();
  }
  // Starts the merge of every file in the folder, as the given format.
  void StartMerge(int format) {
    frmJoiner->btnAddAllClick();
    frmJoiner->comboxJoinOutputFormat->SetItemIndex(format);
    StandingClock clock;
    SetClock(&clock);
    frmJoiner->btnStartMergeClick();
    SetClock(nullptr);
  }
  static TListItems* JoinRows() { return frmJoiner->lvJoinList->Items(); }
  static std::string JoinCell(int row, int column) {
    return column == 0 ? JoinRows()->Item(row)->Caption() : JoinRows()->Item(row)->SubItems()->Strings(column - 1);
  }
  static std::string Status(int row) { return JoinCell(row, 4); }
  static std::vector<std::string> JoinNames() {
    std::vector<std::string> names;
    for (int i = 0; i < JoinRows()->Count(); ++i)
      names.push_back(std::filesystem::path(JoinCell(i, 0)).filename().string());
    return names;
  }
  static void SelectJoinRows(std::initializer_list<int> rows) {
    for (int i = 0; i < JoinRows()->Count(); ++i) JoinRows()->Item(i)->SetSelected(false);
    for (int row : rows) JoinRows()->Item(row)->SetSelected(true);
  }
  static std::int64_t Frames(const std::string& path) {
    TAudioFile2 reader;
    reader.OpenRead(path, 0, 1);
    return reader.LastError() == 0 ? reader.LengthSamples() : -1;
  }
  static bool Ended() { return PumpUntil([] { return !frmJoiner->Merging(); }, 60000); }
};

TEST_F(JoinerWindowTest, ListsAddEachFileOnceMoveRowsAndTellTheTickedDuration) {
  ShowJoiner([&] {
    WriteTone(Folder() + "a.wav", 1.0);
    WriteTone(Folder() + "b.wav", 2.0);
    WriteTone(Folder() + "c.wav", 3.0);
    std::ofstream(Folder() + "notes.txt") << "no sound";
  });
  TListItems* files = frmJoiner->lvFolderList->Items();
  ASSERT_EQ(files->Count(), 3) << "only audio files are listed";
  EXPECT_EQ(files->Item(1)->Caption(), "b.wav");
  EXPECT_EQ(files->Item(1)->SubItems()->Strings(1), FormatDurationClock(2000));

  files->Item(0)->SetSelected(true);
  frmJoiner->btnAddClick();
  frmJoiner->btnAddClick();
  ASSERT_EQ(JoinRows()->Count(), 1) << "a file already in the list is not added again";
  EXPECT_EQ(JoinCell(0, 0), Folder() + "a.wav");
  EXPECT_TRUE(JoinRows()->Item(0)->Checked());
  EXPECT_EQ(frmJoiner->Label2->Caption(),
            "1 file in list, 1 file selected, selected duration is approximately: " + FormatDurationHms(1000));
  frmJoiner->btnStartMergeClick();
  EXPECT_FALSE(frmJoiner->Merging()) << "one file merges into nothing";
  HeadlessPumpUntilIdle();
  EXPECT_TRUE(messages.empty());

  frmJoiner->btnAddAllClick();
  ASSERT_EQ(JoinNames(), (std::vector<std::string>{"a.wav", "b.wav", "c.wav"}));
  JoinRows()->Item(1)->SetChecked(false);
  EXPECT_EQ(frmJoiner->Label2->Caption(),
            "3 files in list, 2 files selected, selected duration is approximately: " + FormatDurationHms(4000));

  // Rows move with their tick and their selection; the top row stays.
  SelectJoinRows({0, 2});
  frmJoiner->btnUpClick();
  EXPECT_EQ(JoinNames(), (std::vector<std::string>{"a.wav", "c.wav", "b.wav"}));
  EXPECT_FALSE(JoinRows()->Item(2)->Checked());
  EXPECT_TRUE(JoinRows()->Item(1)->Selected());
  frmJoiner->btnLastClick();
  EXPECT_EQ(JoinNames(), (std::vector<std::string>{"b.wav", "a.wav", "c.wav"}));
  frmJoiner->btnDownClick();
  EXPECT_EQ(JoinNames(), (std::vector<std::string>{"b.wav", "a.wav", "c.wav"})) << "a block at the bottom stays";
  frmJoiner->btnFirstClick();
  EXPECT_EQ(JoinNames(), (std::vector<std::string>{"a.wav", "c.wav", "b.wav"}));
  // A click on one row makes it the one to play.
  SelectJoinRows({});
  const TRect row = JoinRows()->Item(1)->DisplayRect();
  HeadlessClick(frmJoiner->lvJoinList->ClientToScreen({row.Left + 120, (row.Top + row.Bottom) / 2}));
  HeadlessPumpUntilIdle();
  EXPECT_EQ(frmJoiner->FileToPlay(), Folder() + "c.wav");
  SelectJoinRows({2});
  frmJoiner->btnRemoveClick();
  EXPECT_EQ(JoinNames(), (std::vector<std::string>{"a.wav", "c.wav"}));

  for (int i = 0; i < files->Count(); ++i) files->Item(i)->SetSelected(i == 1);
  frmJoiner->lvFolderList->OnClick(frmJoiner->lvFolderList);
  EXPECT_EQ(frmJoiner->FileToPlay(), Folder() + "b.wav");
  EXPECT_NE(frmJoiner->Label1->Caption().find("44100"), std::string::npos) << frmJoiner->Label1->Caption();
}

// A clock the test moves on in step with the window system's.
class SteppedClock : public IClock {
 public:
  std::uint64_t TickCount64() override { return now; }
  SYSTEMTIME LocalTime() override { return LocalTimeOf(2024, 5, 6, 14, 5, 9); }
  void Step(std::uint64_t ms) {
    for (std::uint64_t step = 0; step < ms; step += 10) {
      now += 10;
      HeadlessAdvanceClock(10);
    }
  }
  std::uint64_t now = 1000000;
};

TEST_F(JoinerWindowTest, TheStripShowsAClickedFilesFormatThenRollsBackToTheInfoLine) {
  ShowJoiner([&] { WriteTone(Folder() + "a.wav", 1.0); });
  SteppedClock clock;
  SetClock(&clock);
  frmJoiner->lvFolderList->Items()->Item(0)->SetSelected(true);
  frmJoiner->lvFolderList->OnClick(frmJoiner->lvFolderList);
  EXPECT_TRUE(frmJoiner->tmShowInfo->Enabled());
  clock.Step(4500);
  EXPECT_TRUE(frmJoiner->tmShowInfo->Enabled()) << "the lines roll a pixel at a time";
  clock.Step(2000);
  EXPECT_FALSE(frmJoiner->tmShowInfo->Enabled()) << "the info line has come to the middle";
  SetClock(nullptr);
}

TEST_F(JoinerWindowTest, ThePlayerOpensItOnItsOwnFolder) {
  ShowPlayer([&] { WriteTone(Folder() + "a.wav", 1.0); });
  Application->CreateForm(frmJoiner);
  std::string listed;
  PostToMainThread([&] {
    listed = frmJoiner->CurrentFolder() + " " + std::to_string(frmJoiner->lvFolderList->Items()->Count());
    frmJoiner->SetModalResult(mrCancel);
  });
  frmPlayer->btnJoiner->Click();
  EXPECT_EQ(listed, Folder() + " 1");
}

TEST_F(JoinerWindowTest, MergeWritesTheTickedFilesUnderAFreeNameAndSaysSo) {
  ShowJoiner([&] {
    WriteTone(Folder() + "a.wav", 1.0, 22050, 1);
    WriteTone(Folder() + "b.wav", 1.5);
    WriteTone(Folder() + "c.wav", 2.0);
    std::ofstream(Folder() + "Merged 14-05-09.wav") << "taken";
  });
  frmJoiner->btnAddAllClick();
  ASSERT_EQ(JoinNames(), (std::vector<std::string>{"a.wav", "b.wav", "c.wav", "Merged 14-05-09.wav"}));
  JoinRows()->Item(1)->SetChecked(false);
  JoinRows()->Item(3)->SetChecked(false);
  StartMerge(0);
  ASSERT_TRUE(frmJoiner->Merging());
  EXPECT_EQ(frmJoiner->OutputPath(), Folder() + "Merged 14-05-09 New.wav");
  EXPECT_FALSE(frmJoiner->btnStartMerge->Visible());
  EXPECT_FALSE(frmJoiner->lvJoinList->Enabled());
  ASSERT_TRUE(Ended());
  ASSERT_TRUE(PumpUntil([&] { return !messages.empty(); }));
  EXPECT_EQ(messages, (std::vector<std::string>{"Merge finished"}));
  EXPECT_EQ(Status(0), "Done");
  EXPECT_EQ(Status(1), " ") << "an unticked file is left alone";
  EXPECT_EQ(Status(2), "Done");
  EXPECT_TRUE(frmJoiner->btnStartMerge->Visible());
  EXPECT_EQ(frmJoiner->Label2->Caption(), frmJoiner->InfoLine());
  // The 22.05 kHz mono file is converted to the output's rate.
  EXPECT_NEAR(static_cast<double>(Frames(frmJoiner->OutputPath())), 3.0 * 44100, 0.05 * 44100);
  EXPECT_GE(IndexOf("Merged 14-05-09 New.wav"), 0) << "the player lists the merged file";

  // A report that arrives after the end changes nothing.
  PostMessage(frmJoiner->Handle(), WM_TOOL_PROGRESS, 0, 50);
  HeadlessPumpUntilIdle();
  EXPECT_EQ(Status(0), "Done");
  EXPECT_EQ(frmJoiner->Label2->Caption(), frmJoiner->InfoLine());
}

TEST_F(JoinerWindowTest, CancelKeepsTheShorterFileAndMarksTheRow) {
  ShowJoiner([&] {
    WriteTone(Folder() + "a.wav", 0.5);
    WriteTone(Folder() + "b.wav", 60.0);
  });
  StartMerge(1);
  ASSERT_TRUE(PumpUntil([] { return Status(1).rfind("Merging: ", 0) == 0; }, 30000));
  EXPECT_EQ(frmJoiner->Label2->Caption().rfind("Merging: ", 0), 0u) << "the strip shows the whole merge's progress";
  frmJoiner->btnCancelMergeClick();
  ASSERT_TRUE(Ended());
  PumpFor(100);
  EXPECT_EQ(Status(0), "Done");
  EXPECT_EQ(Status(1), "Canceled");
  EXPECT_TRUE(messages.empty()) << messages.front();
  const std::int64_t frames = Frames(frmJoiner->OutputPath());
  EXPECT_GT(frames, 44100 / 2);
  EXPECT_LT(frames, 60 * 44100);
}

TEST_F(JoinerWindowTest, CloseWhileMergingAsksAndClosesOnceTheMergeHasEnded) {
  ShowJoiner([&] {
    WriteTone(Folder() + "a.wav", 30.0);
    WriteTone(Folder() + "b.wav", 30.0);
  });
  StartMerge(1);
  answers = {mrNo};
  frmJoiner->Close();
  EXPECT_EQ(questions, (std::vector<std::string>{"Merging in progress, do you want to cancel ?"}));
  EXPECT_TRUE(frmJoiner->Visible());
  EXPECT_TRUE(frmJoiner->Merging()) << "No lets the merge run on";

  answers = {mrYes};
  frmJoiner->Close();
  EXPECT_TRUE(frmJoiner->Visible()) << "the window waits for the thread";
  ASSERT_TRUE(PumpUntil([] { return !frmJoiner->Visible(); }, 30000));
  EXPECT_FALSE(frmJoiner->Merging());
  EXPECT_TRUE(std::find(messages.begin(), messages.end(), "Merge finished") == messages.end());
}

TEST_F(JoinerWindowTest, LeavingTheProgramDuringAMergeEndsItWithAValidFile) {
  ShowJoiner([&] {
    WriteTone(Folder() + "a.wav", 30.0);
    WriteTone(Folder() + "b.wav", 30.0);
  });
  StartMerge(0);
  ASSERT_TRUE(PumpUntil([] { return Status(0).rfind("Merging: ", 0) == 0; }, 30000));
  const std::string output = frmJoiner->OutputPath();
  delete frmJoiner;
  EXPECT_EQ(frmJoiner, nullptr);
  const std::int64_t frames = Frames(output);
  EXPECT_GT(frames, 0);
  EXPECT_LT(frames, 60 * 44100);
}

}  // namespace
