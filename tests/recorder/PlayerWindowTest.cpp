// The player window's list and playback: which files are listed and how,
// re-reading a folder, sorting, play, pause, seek and stop with the row and
// progress texts, files that cannot play, and the volume and mute shared
// with the main window.

#include "PlaybackTicks.h"
#include "PlayerWindowFixture.h"
#include "platform/framework/SysUtils.h"
#include "recorder/PlaybackProgress.h"

namespace {

class PlayerWindowTest : public PlayerWindowFixture {
 protected:
  static int Progress() { return frmPlayer->tbPlaybackProgress->Position(); }
  static std::string Status(const std::string& name) { return Cell(IndexOf(name), kColumnStatus); }
  static int Marker(const std::string& name) { return TfrmPlayer::MarkerOf(Row(IndexOf(name))); }
};

TEST_F(PlayerWindowTest, ListsTheAudioFilesOfTheFolderSortedByName) {
  ShowPlayer([this] {
    WriteTone(Folder() + "b.wav", 1.0);
    WriteTone(Folder() + "A.WAV", 0.5, 22050, 1);
    std::ofstream(Folder() + "notes.txt") << "not audio";
    std::filesystem::create_directory(Folder() + "sub.wav");
  });
  EXPECT_EQ(frmPlayer->CurrentFolder(), Folder());
  ASSERT_EQ(Names(), (std::vector<std::string>{"A.WAV", "b.wav"}));
  EXPECT_EQ(Cell(1, kColumnFormat), "WAV");
  EXPECT_EQ(Cell(1, kColumnDuration), "00 : 00 : 01");
  EXPECT_EQ(Cell(1, kColumnSize), FormatByteSize(std::filesystem::file_size(Folder() + "b.wav")));
  EXPECT_EQ(Cell(1, kColumnStatus), " ");
  EXPECT_EQ(frmPlayer->PlayingRowIndex(), -1);
  EXPECT_FALSE(frmPlayer->tbPlaybackProgress->Enabled());

  // Clicking a row shows its format.
  Select("A.WAV");
  frmPlayer->lvPlayList->OnClick(frmPlayer->lvPlayList);
  EXPECT_NE(frmPlayer->Label1->Caption().find("22050"), std::string::npos) << frmPlayer->Label1->Caption();

  // The same folder is not read twice; a refresh reads it.
  WriteTone(Folder() + "c.wav", 0.2);
  frmPlayer->ListFolder();
  EXPECT_EQ(RowCount(), 2);
  frmPlayer->RefreshFileList();
  EXPECT_EQ(Names(), (std::vector<std::string>{"A.WAV", "b.wav", "c.wav"}));
  EXPECT_TRUE(messages.empty());
}

TEST_F(PlayerWindowTest, ChoosingAnotherFolderWhileOneIsReadReadsTheNewOne) {
  const std::string other = Folder() + "other/";
  ShowPlayer([&] {
    for (const char* name : {"a.wav", "b.wav", "c.wav"}) WriteTone(Folder() + name, 0.1);
    std::filesystem::create_directory(other);
    WriteTone(other + "x.wav", 0.1);
    // Arrives while the first folder is read.
    PostToMainThread([&] {
      frmPlayer->STV->SetSelectedFolder(other);
      frmPlayer->STV->OnClick(frmPlayer->STV);
    });
  });
  EXPECT_EQ(frmPlayer->CurrentFolder(), other);
  EXPECT_EQ(Names(), std::vector<std::string>{"x.wav"});

  // Back to the half-read folder: read in full.
  frmPlayer->STV->SetSelectedFolder(Folder());
  frmPlayer->STV->OnClick(frmPlayer->STV);
  EXPECT_EQ(Names(), (std::vector<std::string>{"a.wav", "b.wav", "c.wav"}));
}

TEST_F(PlayerWindowTest, MissingOutputFolderFallsBackAndAVanishedFolderSaysSoOnce) {
  ShowPlayer([this] { WriteTone(Folder() + "a.wav", 0.2); });
  frmPlayer->Close();
  ::OutputPath = Folder() + "gone/";
  frmPlayer->Show();
  EXPECT_EQ(::OutputPath, RecordedFolder);
  EXPECT_EQ(Canonical(frmPlayer->CurrentFolder()), Canonical(RecordedFolder));

  frmPlayer->Close();
  ::OutputPath = Folder();
  frmPlayer->Show();
  ASSERT_EQ(RowCount(), 1);
  std::filesystem::remove_all(Folder());
  frmPlayer->RefreshFileList();
  EXPECT_EQ(RowCount(), 0);
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_NE(messages[0].find("cannot be read"), std::string::npos);
}

TEST_F(PlayerWindowTest, RecordingsOfThisRunAreMarkedAndTheOneUnderWayIsLeftOut) {
  ShowPlayer([this] { WriteTone(Folder() + "old.wav", 0.2); });
  frmMain->btnRecord->Click();
  ASSERT_TRUE(frmMain->Recording());
  const std::string recording = frmMain->OutputPath();
  ASSERT_EQ(ExtractFilePath(recording), Folder());
  frmPlayer->RefreshFileList();
  EXPECT_EQ(Names(), (std::vector<std::string>{"old.wav"}));
  // Some sound in it, so that it can be played below.
  ASSERT_TRUE(PumpUntil([&] { std::error_code e; return std::filesystem::file_size(recording, e) > 44 + 4410 * 4; }, 20000));

  frmMain->btnStop->Click();
  const std::string name = ExtractFileName(recording);
  ASSERT_EQ(IndexOf(name), 1);  // appended, not sorted in
  EXPECT_EQ(Marker(name), kMarkerRecordedNow);
  frmPlayer->RefreshFileList();
  EXPECT_EQ(Marker(name), kMarkerRecordedNow);
  EXPECT_EQ(Marker("old.wav"), kMarkerOrdinary);
  // Playing it does not take the mark away.
  Play(name);
  EXPECT_EQ(Marker(name), kMarkerPlaying);
  frmPlayer->btnStop->Click();
  EXPECT_EQ(Marker(name), kMarkerRecordedNow);
  // Nor can the menu rename or delete it.
  Select(name);
  frmPlayer->popMenuConvert->OnPopup(frmPlayer->popMenuConvert);
  EXPECT_FALSE(frmPlayer->mnuRename->Enabled());
  EXPECT_FALSE(frmPlayer->mnuDelete->Enabled());
  EXPECT_TRUE(frmPlayer->mnuEmail->Enabled());

  // Recorded into another folder: no row here, since rows name files of
  // this folder only.
  frmPlayer->AddFileToList(Scratch() + "elsewhere.wav", true);
  EXPECT_EQ(RowCount(), 2);
}

TEST_F(PlayerWindowTest, SortingBySizeGoesByUnitAndByDurationPutsMarkedRowsFirst) {
  ShowPlayer([this] {
    WriteTone(Folder() + "long.wav", 2.0);
    WriteTone(Folder() + "short.wav", 0.001);
    WriteTone(Folder() + "mid.wav", 1.0);
  });
  frmPlayer->lvPlayList->OnColumnClick(frmPlayer->lvPlayList, frmPlayer->lvPlayList->Columns()->Items(kColumnSize));
  EXPECT_EQ(Names(), (std::vector<std::string>{"short.wav", "mid.wav", "long.wav"}));
  EXPECT_EQ(frmPlayer->SortColumn(), kColumnSize);

  Play("long.wav");
  ASSERT_GE(frmPlayer->PlayingRowIndex(), 0);
  frmPlayer->SortByColumn(kColumnDuration);
  // The playing row's blanks sort it first, and its index follows it.
  EXPECT_EQ(Names().front(), "long.wav");
  EXPECT_EQ(frmPlayer->PlayingRowIndex(), 0);
  frmPlayer->SortByColumn(kColumnName);
  EXPECT_EQ(frmPlayer->PlayingRowIndex(), IndexOf("long.wav"));

  // A fresh read keeps the playing row; once its file is gone, playback ends.
  std::filesystem::rename(Folder() + "short.wav", Folder() + "z.wav");
  frmPlayer->RefreshFileList();
  EXPECT_EQ(Names(), (std::vector<std::string>{"long.wav", "mid.wav", "z.wav"}));
  EXPECT_EQ(frmPlayer->PlayingRowIndex(), 0);
  EXPECT_EQ(Marker("long.wav"), kMarkerPlaying);
  std::filesystem::remove(Folder() + "long.wav");
  frmPlayer->RefreshFileList();
  EXPECT_EQ(frmPlayer->PlayingRowIndex(), -1);
  EXPECT_FALSE(frmPlayer->tbPlaybackProgress->Enabled());
  PumpFor(300);
  EXPECT_EQ(Status("mid.wav"), " ");
}

TEST_F(PlayerWindowTest, PlayShowsProgressAndStatusThenEndsIdle) {
  ShowPlayer([this] { WriteTone(Folder() + "tone.wav", 0.8, 22050, 1); });
  auto sawPlaying = SeenAtATick(frmPlayer->AP, [] {
    return Progress() > 0 && Status("tone.wav").rfind("Playing 00 : 00 : 0", 0) == 0;
  });
  Play("tone.wav");
  ASSERT_EQ(frmPlayer->PlayingRowIndex(), 0) << (messages.empty() ? "" : messages.back());
  EXPECT_EQ(Marker("tone.wav"), kMarkerPlaying);
  EXPECT_EQ(Cell(0, kColumnDuration), " 00 : 00 : 00");
  EXPECT_TRUE(frmPlayer->tbPlaybackProgress->Enabled());
  EXPECT_EQ(frmPlayer->AD->SampleRate(), 22050);
  EXPECT_EQ(frmPlayer->AD->Channels(), 1);
  ASSERT_TRUE(PumpUntil([&] { return *sawPlaying; })) << Status("tone.wav");

  ASSERT_TRUE(PumpUntil([] { return frmPlayer->PlayingRowIndex() < 0; }));
  EXPECT_EQ(Marker("tone.wav"), kMarkerOrdinary);
  EXPECT_EQ(Status("tone.wav"), "");
  EXPECT_FALSE(frmPlayer->tbPlaybackProgress->Enabled());
  EXPECT_EQ(Progress(), 0);
  EXPECT_TRUE(messages.empty());
}

TEST_F(PlayerWindowTest, RowsArePaintedInTheColourOfTheirState) {
  ShowPlayer([this] {
    WriteTone(Folder() + "a.wav", 5);
    WriteTone(Folder() + "b.wav", 5);
  });
  auto shownColour = [](const std::string& name) {
    HeadlessPumpUntilIdle();
    const TRect row = Row(IndexOf(name))->DisplayRect();
    const TPoint inList{row.Left + 190, row.Top + 1};  // blank, right of the format text
    const TPoint origin = frmPlayer->ClientToScreen({0, 0});
    const TPoint at = frmPlayer->lvPlayList->ClientToScreen(inList);
    const TBitmap* surface = HeadlessPresentedSurface(frmPlayer->Handle());
    const std::uint8_t* p = surface->ScanLine(at.Y - origin.Y) + (at.X - origin.X) * surface->BytesPerPixel();
    return RGB(p[2], p[1], p[0]);
  };
  Play("a.wav");
  frmPlayer->lvPlayList->SetSelected(nullptr);
  frmPlayer->lvPlayList->Invalidate();
  EXPECT_EQ(shownColour("a.wav"), RowColorOfMarker(kMarkerPlaying));
  EXPECT_EQ(shownColour("b.wav"), TColor(clWhite));
  frmPlayer->btnStop->Click();
  EXPECT_EQ(shownColour("a.wav"), TColor(clWhite));
}

TEST_F(PlayerWindowTest, PauseHoldsThePlaceAndSeekingMovesIt) {
  ShowPlayer([this] { WriteTone(Folder() + "tone.wav", 10); });
  Play("tone.wav");
  ASSERT_TRUE(PumpUntil([] { return Progress() >= 20; }));
  frmPlayer->btnPause->Click();
  EXPECT_TRUE(frmPlayer->Paused());
  const std::int64_t pausedAt = frmPlayer->StartOffset();
  EXPECT_GT(pausedAt, 44100 / 10);
  const int progressAtPause = Progress();
  PumpFor(300);
  EXPECT_EQ(Progress(), progressAtPause);
  // The first report that moves on stands close to where it paused.
  auto movedTo = std::make_shared<int>(-1);
  auto moved = SeenAtATick(frmPlayer->AP, [=] { return (*movedTo = Progress()) > progressAtPause; });
  frmPlayer->btnPause->Click();
  EXPECT_FALSE(frmPlayer->Paused());
  ASSERT_TRUE(PumpUntil([&] { return *moved; }));
  EXPECT_LT(*movedTo, progressAtPause + 100);

  // Released at 70%: playback goes on from there and the status counts
  // again from the new start.
  TzelTrackBar* bar = frmPlayer->tbPlaybackProgress;
  bar->SetPosition(700);
  auto counting = SeenAtATick(frmPlayer->AP, [] {
    return Status("tone.wav").rfind("Playing 00 : 00 : 00", 0) == 0 && Progress() >= 700;
  });
  bar->OnMouseUp(bar, mbLeft, 0, 0, 0);
  EXPECT_EQ(frmPlayer->StartOffset(), SeekTarget(700, 441000));
  ASSERT_TRUE(PumpUntil([&] { return *counting; })) << Status("tone.wav") << " " << Progress();

  frmPlayer->btnStop->Click();
  EXPECT_EQ(frmPlayer->PlayingRowIndex(), -1);
  EXPECT_EQ(Marker("tone.wav"), kMarkerOrdinary);
  EXPECT_FALSE(bar->Enabled());
}

TEST_F(PlayerWindowTest, FilesThatCannotPlaySayWhyAndLeaveTheRowOrdinary) {
  ShowPlayer([this] {
    WriteTone(Folder() + "empty.wav", 0);
    std::ofstream(Folder() + "damaged.mp3") << "not a sound file";
    WriteTone(Folder() + "good.wav", 1);
  });
  for (const std::string name : {"empty.wav", "damaged.mp3"}) {
    messages.clear();
    Play(name);
    EXPECT_EQ(frmPlayer->PlayingRowIndex(), -1) << name;
    EXPECT_EQ(Marker(name), kMarkerOrdinary) << name;
    EXPECT_FALSE(frmPlayer->tbPlaybackProgress->Enabled()) << name;
    ASSERT_EQ(messages.size(), 1u) << name;
    EXPECT_NE(messages[0].find(name), std::string::npos) << messages[0];
  }
  // Deleted while it plays: it plays on to its end or stops, nothing more.
  Play("good.wav");
  ASSERT_EQ(frmPlayer->PlayingRowIndex(), IndexOf("good.wav"));
  std::filesystem::remove(Folder() + "good.wav");
  ASSERT_TRUE(PumpUntil([] { return frmPlayer->PlayingRowIndex() < 0; }));
  EXPECT_EQ(Marker("good.wav"), kMarkerOrdinary);
  // Then it cannot play again.
  messages.clear();
  Play("good.wav");
  EXPECT_EQ(frmPlayer->PlayingRowIndex(), -1);
  EXPECT_EQ(messages.size(), 1u);

  // No sound output.
  WriteTone(Folder() + "good.wav", 1);
  frmPlayer->AP.SetDevice(99);
  messages.clear();
  Play("good.wav");
  EXPECT_EQ(frmPlayer->PlayingRowIndex(), -1);
  EXPECT_EQ(messages.size(), 1u);
  frmPlayer->AP.SetDevice(0);
  Play("good.wav");
  EXPECT_EQ(frmPlayer->PlayingRowIndex(), IndexOf("good.wav"));
}

TEST_F(PlayerWindowTest, PlayingWhileRecordingAsksFirstAndTheFolderStaysWhilePlaying) {
  ShowPlayer([this] {
    WriteTone(Folder() + "tone.wav", 5);
    std::filesystem::create_directory(Folder() + "other");
  });
  frmMain->btnRecord->Click();
  answers = {mrNo};
  Play("tone.wav");
  ASSERT_EQ(questions.size(), 1u);
  EXPECT_EQ(questions[0], "Recording in process. Playing will jam your work. Do you want to continue? ");
  EXPECT_EQ(frmPlayer->PlayingRowIndex(), -1);
  frmMain->btnStop->Click();

  Play("tone.wav");
  EXPECT_EQ(questions.size(), 1u);
  ASSERT_EQ(frmPlayer->PlayingRowIndex(), IndexOf("tone.wav"));
  // Another folder is refused while a row plays.
  frmPlayer->STV->SetSelectedFolder(Folder() + "other");
  EXPECT_EQ(IncludeTrailingPathDelimiter(frmPlayer->STV->SelectedFolder()), Folder());
  ASSERT_FALSE(messages.empty());
  EXPECT_EQ(messages.back(), "You will not be able to change folder while playing or converting.");
  EXPECT_EQ(frmPlayer->CurrentFolder(), Folder());

  // Closing stops playback.
  frmPlayer->Close();
  EXPECT_EQ(frmPlayer->PlayingRowIndex(), -1);
  EXPECT_FALSE(frmPlayer->Visible());
}

TEST_F(PlayerWindowTest, VolumeAndMuteStayInStepWithTheMainWindow) {
  ShowPlayer();
  // The slider stands upside down.
  EXPECT_EQ(frmPlayer->tbPlaybackVolume->Position(), 65535 - frmPlayer->AP.LineVolume());

  frmMain->tbPlayBackVolume->SetPosition(30000);
  EXPECT_EQ(frmPlayer->tbPlaybackVolume->Position(), 35535);
  EXPECT_EQ(frmPlayer->VolumePosition(), 30000);

  frmPlayer->tbPlaybackVolume->SetPosition(65535 - 12000);
  EXPECT_EQ(frmMain->tbPlayBackVolume->Position(), 12000);
  EXPECT_EQ(frmPlayer->AP.LineVolume(), 12000);
  // The main window's follow-up does not echo back and swallow the next move.
  frmMain->tbPlayBackVolume->SetPosition(12000);
  frmPlayer->tbPlaybackVolume->SetPosition(65535 - 15000);
  EXPECT_EQ(frmMain->tbPlayBackVolume->Position(), 15000);

  frmPlayer->btnMute->Click();
  EXPECT_TRUE(frmPlayer->Muted());
  EXPECT_TRUE(frmMain->cboxMute->Checked());
  EXPECT_TRUE(frmPlayer->MuteGlyphSwapped());
  // The main window's box unmutes both.
  frmMain->cboxMute->SetChecked(false);
  frmPlayer->SwapMuteGlyph();
  EXPECT_FALSE(frmPlayer->Muted());
  EXPECT_FALSE(frmPlayer->MuteGlyphSwapped());
  EXPECT_TRUE(messages.empty());
}

}  // namespace
