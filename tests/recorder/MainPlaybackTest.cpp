// Playing the record list: choosing rows, position and progress, seeking,
// pause, files that cannot play, the end of play; the playback volume and
// mute; the WMA list refill; the close query.

#include <chrono>
#include <cstdint>
#include <fstream>

#include "MainWindowFixture.h"
#include "PlaybackTicks.h"
#include "ToneFiles.h"
#include "recorder/PlaybackProgress.h"
#include "skin/ZELImagePanel.h"

namespace {

// A clock standing at a chosen second, so each recording gets its own row.
class SecondClock : public IClock {
 public:
  SYSTEMTIME time{2024, 1, 3, 31, 13, 5, 0, 0};
  std::uint64_t TickCount64() override { return 1000000; }
  SYSTEMTIME LocalTime() override { return time; }
};

class MainPlaybackTest : public MainWindowFixture {
 protected:
  // Makes one record-list row per length through the recording road, then
  // puts a tone of that length (0: no samples) in place of each file.
  void MakeRows(const std::vector<double>& seconds) {
    OutputPath = Scratch();
    SecondClock clock;
    SetClock(&clock);
    for (std::size_t i = 0; i < seconds.size(); ++i) {
      clock.time.wSecond = static_cast<WORD>(i);
      frmMain->btnRecord->Click();
      frmMain->btnStop->Click();
    }
    SetClock(nullptr);
    ASSERT_EQ(frmMain->RecordRows().Count(), static_cast<int>(seconds.size()));
    for (std::size_t i = 0; i < seconds.size(); ++i) WriteTone(Path(static_cast<int>(i)), seconds[i]);
  }
  static std::string Path(int row) { return frmMain->RecordRows().Row(row).Path; }
  static std::string Status(int row) { return frmMain->RecordRows().Row(row).Status; }
  static int Progress() { return frmMain->tbPlaybackProgress->Position(); }

  static TPoint ScreenPointOf(TControl* control, TPoint client) { return control->ClientToScreen(client); }
  static void ClickRow(int row) {
    HeadlessAdvanceClock(1000);  // a click, not the second half of a double click
    TListItem* item = frmMain->lvRecordList->Items()->Item(row);
    const TRect r = item->DisplayRect();
    HeadlessClick(ScreenPointOf(frmMain->lvRecordList, {r.Left + 20, (r.Top + r.Bottom) / 2}));
  }
  static bool ShowsPlaying(int row) { return Status(row).rfind("Playing: ", 0) == 0; }
};

TEST_F(MainPlaybackTest, ClickedRowPlaysWithPositionProgressAndItsOwnFormatThenEnds) {
  ShowMain();
  MakeRows({0.8});
  WriteTone(Path(0), 0.8, 22050, 1);
  auto playing = SeenAtATick(frmMain->AP, [] {
    return ShowsPlaying(0) && Progress() > 0 && Status(0).substr(0, 18) == "Playing: 00 : 00 :" &&
           frmMain->lvRecordList->Items()->Item(0)->SubItems()->Strings(1) == Status(0);
  });
  ClickRow(0);
  ASSERT_TRUE(frmMain->Playing()) << (messages.empty() ? "" : messages.back());
  EXPECT_EQ(frmMain->PlayingRow(), 0);
  EXPECT_EQ(frmMain->Label1->Caption(), "Playing...");
  EXPECT_TRUE(frmMain->tbPlaybackProgress->Enabled());
  EXPECT_FALSE(frmMain->Label2->Caption().empty());
  EXPECT_LE(frmMain->Label2->Canvas()->TextWidth(frmMain->Label2->Caption()), 290);
  // The displays learn the file's format.
  EXPECT_EQ(frmMain->AV->SampleRate(), 22050);
  EXPECT_EQ(frmMain->AV->Channels(), 1);
  ASSERT_TRUE(PumpUntil([&] { return *playing; }));

  // The end of the file ends playback.
  ASSERT_TRUE(PumpUntil([] { return !frmMain->Playing(); }));
  EXPECT_EQ(Status(0), "Done");
  EXPECT_EQ(frmMain->Label1->Caption(), "Idle");
  EXPECT_FALSE(frmMain->tbPlaybackProgress->Enabled());
  EXPECT_EQ(Progress(), 0);
  EXPECT_EQ(frmMain->AV->SampleRate(), 44100);
  EXPECT_TRUE(messages.empty());
}

TEST_F(MainPlaybackTest, ChoosingAnotherRowEndsTheOldOneAndStartsTheNewFromItsBeginning) {
  ShowMain();
  MakeRows({10, 3});
  ClickRow(0);
  ASSERT_TRUE(PumpUntil([] { return Progress() > 150; }));
  const auto clicked = std::chrono::steady_clock::now();
  ClickRow(1);
  const auto sinceClick = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - clicked);
  EXPECT_EQ(Status(0), "Done");
  EXPECT_EQ(frmMain->PlayingRow(), 1);
  EXPECT_EQ(frmMain->SampleOffset(), 0);
  // From the start of the three-second file the bar can have moved no
  // further than the time the click took (a loaded machine takes long),
  // nowhere near the 150 the ten-second row stood at.
  EXPECT_LE(Progress(), sinceClick.count() * 1000 / 3000 + 1);

  // The Play button measures the file it plays: the bar passes 400 after
  // 1.2 s of the three-second file, where measured against the ten-second
  // row clicked before it could never pass 300. The file plays long enough
  // for a loaded machine to see that before it ends and the bar drops to 0.
  ClickRow(0);
  frmMain->lvRecordList->SetSelected(frmMain->lvRecordList->Items()->Item(1));
  frmMain->btnPlay->Click();
  EXPECT_EQ(frmMain->PlayingRow(), 1);
  EXPECT_EQ(Status(0), "Done");
  EXPECT_TRUE(PumpUntil([] { return Progress() > 400; })) << Progress();
}

TEST_F(MainPlaybackTest, HeldBarStaysWhereDraggedAndItsReleaseSeeks) {
  ShowMain();
  MakeRows({10});
  ClickRow(0);
  ASSERT_TRUE(PumpUntil([] { return ShowsPlaying(0); }));
  TzelTrackBar* bar = frmMain->tbPlaybackProgress;
  const TRect thumb = bar->Slider()->BoundsRect();
  const TRect channel = bar->ClientRect();
  const int y = (thumb.Top + thumb.Bottom) / 2;
  HeadlessMouseMove(ScreenPointOf(bar, {(thumb.Left + thumb.Right) / 2, y}));
  HeadlessMouseDown();
  HeadlessMouseMove(ScreenPointOf(bar, {channel.Left + channel.Width() * 7 / 10, y}));
  const int dragged = Progress();
  ASSERT_GT(dragged, 600);
  PumpFor(300);  // several position reports arrive meanwhile
  EXPECT_EQ(Progress(), dragged);
  const std::int64_t target = SeekTarget(dragged, 441000);
  const std::string atTarget = "Playing: 00 : 00 : 0" + std::to_string(target / 44100);
  auto counting = SeenAtATick(frmMain->AP, [atTarget] { return Status(0).rfind(atTarget, 0) == 0; });
  HeadlessMouseUp();
  EXPECT_EQ(frmMain->SampleOffset(), target);
  EXPECT_TRUE(PumpUntil([&] { return *counting; })) << Status(0);
  EXPECT_GE(Progress(), dragged);
}

TEST_F(MainPlaybackTest, ResumeContinuesWherePlaybackPaused) {
  ShowMain();
  MakeRows({2.5});
  ClickRow(0);
  ASSERT_TRUE(PumpUntil([] { return Progress() >= 100; }));
  frmMain->btnPause->Click();
  EXPECT_TRUE(frmMain->Paused());
  EXPECT_EQ(frmMain->Label1->Caption(), "Pause");
  const std::int64_t pausedAt = frmMain->SampleOffset();
  EXPECT_GT(pausedAt, 44100 / 5);
  const int progressAtPause = Progress();
  PumpFor(300);
  EXPECT_EQ(Progress(), progressAtPause);
  // The first report that moves on stands close to where it paused.
  auto movedTo = std::make_shared<int>(-1);
  auto moved = SeenAtATick(frmMain->AP, [=] { return (*movedTo = Progress()) > progressAtPause; });
  frmMain->btnPause->Click();
  EXPECT_FALSE(frmMain->Paused());
  EXPECT_EQ(frmMain->Label1->Caption(), "Playing...");
  EXPECT_EQ(frmMain->SampleOffset(), pausedAt);
  ASSERT_TRUE(PumpUntil([&] { return *moved; }));
  EXPECT_LT(*movedTo, progressAtPause + 200);
  // The reader had already read the whole file ahead of what was heard:
  // the rest of it still plays rather than ending at once.
  PumpFor(600);
  EXPECT_TRUE(frmMain->Playing());
}

TEST_F(MainPlaybackTest, FilesThatCannotPlayLeaveTheWindowIdle) {
  ShowMain();
  MakeRows({0, 1, 1});
  std::ofstream(Path(1), std::ios::trunc) << "not a sound file";

  ClickRow(0);  // no samples: nothing to say, nothing plays
  EXPECT_FALSE(frmMain->Playing());
  EXPECT_EQ(frmMain->Label1->Caption(), "Idle");
  EXPECT_FALSE(frmMain->tbPlaybackProgress->Enabled());
  EXPECT_TRUE(messages.empty());

  ClickRow(1);  // damaged
  EXPECT_FALSE(frmMain->Playing());
  EXPECT_EQ(frmMain->Label1->Caption(), "Idle");
  EXPECT_EQ(messages.size(), 1u);
  EXPECT_EQ(frmMain->AF1.LengthSamples(), 0);  // the reader is closed

  // No sound output: the start fails the same way.
  frmMain->AP.SetDevice(99);
  ClickRow(2);
  EXPECT_FALSE(frmMain->Playing());
  EXPECT_EQ(frmMain->Label1->Caption(), "Idle");
  EXPECT_EQ(messages.size(), 2u);
  EXPECT_EQ(frmMain->AF1.LengthSamples(), 0);

  // Nothing was left half-open: a good row plays afterwards.
  frmMain->AP.SetDevice(0);
  ClickRow(2);
  EXPECT_TRUE(frmMain->Playing());
  EXPECT_EQ(frmMain->PlayingRow(), 2);
}

TEST_F(MainPlaybackTest, StopButtonRecordingAndClosingEndPlayback) {
  ShowMain();
  MakeRows({10});
  ClickRow(0);
  ASSERT_TRUE(frmMain->Playing());
  frmMain->btnPause->Click();
  frmMain->btnStop->Click();
  EXPECT_FALSE(frmMain->Playing());
  EXPECT_FALSE(frmMain->Paused());
  EXPECT_EQ(Status(0), "Done");
  EXPECT_EQ(frmMain->Label1->Caption(), "Idle");

  ClickRow(0);
  ASSERT_TRUE(frmMain->Playing());
  frmMain->btnRecord->Click();
  EXPECT_FALSE(frmMain->Playing());
  EXPECT_TRUE(frmMain->Recording());
  EXPECT_EQ(Status(0), "Done");
  // A click on the list while recording plays nothing.
  ClickRow(0);
  EXPECT_FALSE(frmMain->Playing());

  frmMain->Close();
  EXPECT_FALSE(frmMain->Recording());
  EXPECT_EQ(Status(1), "Done");
  EXPECT_FALSE(frmMain->Visible());
}

TEST_F(MainPlaybackTest, VoxRecordingKeepsTheSelectionAndTheListSilent) {
  ShowMain();
  MakeRows({1});
  frmMain->cboxVox->SetChecked(true);
  ASSERT_TRUE(PumpUntil([] { return frmMain->Recording(); }));
  ASSERT_EQ(frmMain->lvRecordList->Selected(), frmMain->lvRecordList->Items()->Item(1));
  ClickRow(0);
  EXPECT_EQ(frmMain->lvRecordList->Selected(), frmMain->lvRecordList->Items()->Item(1));
  EXPECT_FALSE(frmMain->Playing());
  frmMain->cboxVox->SetChecked(false);
  EXPECT_FALSE(frmMain->Recording());
}

TEST_F(MainPlaybackTest, PlaybackVolumeAndMuteReachThePlayerOnlyOnceShown) {
  int volumeBeforeShow = -1;
  ShowMain([&] {
    EXPECT_EQ(frmMain->tbPlayBackVolume->Position(), 9999);
    volumeBeforeShow = frmMain->AP.LineVolume();
    frmMain->tbPlayBackVolume->SetPosition(volumeBeforeShow == 1234 ? 4321 : 1234);
    EXPECT_EQ(frmMain->AP.LineVolume(), volumeBeforeShow);
  });
  // The show takes the bar from the playback line.
  EXPECT_EQ(frmMain->tbPlayBackVolume->Position(), frmMain->AP.LineVolume());

  frmMain->tbPlayBackVolume->SetPosition(30000);
  EXPECT_EQ(frmMain->AP.LineVolume(), 30000);
  EXPECT_EQ(frmPlayer->VolumePosition(), 30000);
  // From the player window: followed, not sent back.
  frmMain->SetPlaybackVolumeFromPlayer(20000);
  EXPECT_EQ(frmMain->tbPlayBackVolume->Position(), 20000);
  EXPECT_EQ(frmMain->AP.LineVolume(), 20000);
  EXPECT_EQ(frmPlayer->VolumePosition(), 30000);
  // A value the bar already has must not swallow the next own move.
  frmMain->SetPlaybackVolumeFromPlayer(20000);
  frmMain->tbPlayBackVolume->SetPosition(25000);
  EXPECT_EQ(frmPlayer->VolumePosition(), 25000);

  TzelCheckBox* mute = frmMain->cboxMute;
  const TPoint centre = ScreenPointOf(mute, {mute->Width() / 2, mute->Height() / 2});
  HeadlessClick(centre);
  PumpFor(50);
  EXPECT_TRUE(mute->Checked());
  EXPECT_TRUE(frmPlayer->MuteGlyphSwapped());
  // Pressed on the box but released elsewhere: no change, no swap.
  HeadlessMouseMove(centre);
  HeadlessMouseDown();
  HeadlessMouseMove(ScreenPointOf(mute, {mute->Width() + 40, mute->Height() / 2}));
  HeadlessMouseUp();
  PumpFor(50);
  EXPECT_TRUE(mute->Checked());
  EXPECT_TRUE(frmPlayer->MuteGlyphSwapped());
  HeadlessAdvanceClock(1000);
  HeadlessClick(centre);
  PumpFor(50);
  EXPECT_FALSE(mute->Checked());
  EXPECT_FALSE(frmPlayer->MuteGlyphSwapped());
  EXPECT_TRUE(messages.empty());
}

TEST_F(MainPlaybackTest, MuteClickHandledAfterTheWindowIsFreedDoesNothing) {
  ShowMain();
  TzelCheckBox* mute = frmMain->cboxMute;
  mute->OnMouseDown(mute, mbLeft, 0, 0, 0);
  mute->SetChecked(true);
  mute->OnMouseUp(mute, mbLeft, 0, 0, 0);  // leaves its work for the queue
  // Freed as the application frees its windows, later ones first; the
  // player window stays to show whether the work still ran.
  delete frmOptions;
  frmOptions = nullptr;
  delete frmMain;
  frmMain = nullptr;
  RunMainThreadQueue();
  EXPECT_FALSE(frmPlayer->MuteGlyphSwapped());
}

TEST_F(MainPlaybackTest, WmaListIsRefilledKeepingAnIndexInRange) {
  const int profiles = TWMAFile2().ProfileCount();
  ASSERT_GT(profiles, 2);
  ShowMain([&] { frmOptions->comboWmaFormat->SetItemIndex(2); });
  TComboBox* list = frmOptions->comboWmaFormat;
  ASSERT_EQ(list->Items()->Count(), profiles);
  EXPECT_EQ(list->ItemIndex(), 2);
  TWMAFile2 names;
  names.SetProfile(profiles);
  EXPECT_EQ(list->Items()->Strings(profiles - 1), names.ProfileName());
}

TEST_F(MainPlaybackTest, WmaIndexBeyondTheProfilesFallsBackToTheFirst) {
  const int profiles = TWMAFile2().ProfileCount();
  ShowMain([&] {
    ASSERT_GT(frmOptions->comboWmaFormat->Items()->Count(), profiles);
    frmOptions->comboWmaFormat->SetItemIndex(profiles);
  });
  EXPECT_EQ(frmOptions->comboWmaFormat->ItemIndex(), 0);
  EXPECT_EQ(WmaFormat, 1);
}

TEST_F(MainPlaybackTest, CloseDuringAConversionAsksAndOnlyYesCloses) {
  ShowMain();
  frmPlayer->Show();
  frmPlayer->SetConvertingRowIndex(0);
  std::string asked;
  PostToMainThread([&] {
    asked = frmConfirm->Label1->Caption();
    frmConfirm->zelButton2->Click();
  });
  frmMain->Close();
  EXPECT_EQ(asked, "Converting in progress, do you want to cancel ?");
  EXPECT_TRUE(frmMain->Visible());
  EXPECT_FALSE(frmPlayer->ConversionCancelled());
  EXPECT_FALSE(Application->Terminated());

  PostToMainThread([] { frmConfirm->zelButton1->Click(); });
  frmMain->Close();
  EXPECT_TRUE(frmPlayer->ConversionCancelled());
  EXPECT_FALSE(frmMain->Visible());
  EXPECT_FALSE(frmPlayer->Visible());
  EXPECT_TRUE(Application->Terminated());
}

TEST_F(MainPlaybackTest, CloseWithoutAConversionAsksNothing) {
  ShowMain();
  frmMain->AskQuestion = [](const std::string&) {
    ADD_FAILURE() << "asked";
    return 7;
  };
  frmMain->btnAppClose->Click();
  EXPECT_FALSE(frmMain->Visible());
  EXPECT_TRUE(Application->Terminated());
}

}  // namespace
