// The recorder's bitmap-shaped windows as the screen shows them, idle and
// in use, compared with the reference pictures in tests/recorder/shots/.
// After an intended change of look:
//   VELMORA_UPDATE_SHOTS=1 build/tests/recorder/test_recorder --gtest_filter='WindowShot*'
// then look at every picture before committing them.

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <filesystem>

#include "PlayerWindowFixture.h"
#include "StillClock.h"
#include "platform/os/VirtualKeys.h"
#include "recorder/GlobeVar.h"
#include "recorder/Joiner.h"
#include "recorder/Splitter.h"
#include "resources/Resources.h"
#include "skin/ZELMgr.h"
#include "skin/ZELPublic.h"
#include "tests/shots/ReferenceShot.h"

namespace {

// The windows show their folders, so every run uses the same home; runs
// from other work trees wait for it.
constexpr char kShotHome[] = "/tmp/velmora-window-shots";
constexpr char kShotHomeLock[] = "/tmp/velmora-window-shots.lock";

class WindowShot : public PlayerWindowFixture {
 protected:
  void SetUp() override {
    lock_ = open(kShotHomeLock, O_RDWR | O_CREAT, 0666);
    ASSERT_GE(lock_, 0);
    ASSERT_EQ(flock(lock_, LOCK_EX), 0);
    UseFixedScratch(kShotHome);
    PlayerWindowFixture::SetUp();
    SetClock(&clock);
  }
  void TearDown() override {
    SetClock(nullptr);
    PlayerWindowFixture::TearDown();
    if (lock_ >= 0) close(lock_);
  }

  static void ExpectLooksLike(TForm* window, const std::string& name) {
    HeadlessPumpUntilIdle();
    const std::unique_ptr<TBitmap> shot = ShootWindow(window->Handle());
    EXPECT_EQ(CompareWithReference(*shot, "recorder/shots/" + name + ".png"), "");
    EXPECT_EQ(KeyColourPixels(*shot), 0) << name;
  }

  // Records `seconds` of the silent input line (silence keeps the meters
  // and the wave display still) into a WAV file, and stops.
  void RecordSilence(int seconds, bool stop = true) {
    frmMain->comboxSource->SetFocus();
    HeadlessKeyPress(VK_DOWN);
    frmMain->btnRecord->Click();
    clock.tick += seconds * 1000;
    const std::string wanted = FormatDurationClock(seconds * 1000);
    ASSERT_TRUE(PumpUntil([&] { return frmMain->RecordRows().Row(0).Duration == wanted; }));
    if (stop) frmMain->btnStop->Click();
  }

  // The main and the player window's skinned controls in another of the
  // recorder's themes.
  static void Wear(const std::string& themeResource) {
    auto* theme = new TzelBuiltInFileTheme(frmMain);
    theme->LoadSkinData(LoadResourceData(themeResource));
    for (TForm* window : {static_cast<TForm*>(frmMain), static_cast<TForm*>(frmPlayer)})
      for (int i = 0; i < window->ComponentCount(); ++i) {
        TComponent* component = window->Components(i);
        if (dynamic_cast<TzelFileTheme*>(component) || !HasProperty(component, "FileTheme")) continue;
        component->SetProp("FileTheme", static_cast<TComponent*>(theme));
      }
  }

  StillClock clock;

 private:
  int lock_ = -1;
};

TEST_F(WindowShot, MainWindowIdle) {
  ShowMain();
  ExpectLooksLike(frmMain, "main-idle");
}

// The windows in use, in their own theme and in the amber one.
class WindowInUseShot : public WindowShot, public ::testing::WithParamInterface<const char*> {
 protected:
  // Dresses the windows in the theme under test; answers the pictures' suffix.
  static std::string Dress() {
    if (std::string(GetParam()) == "mp10") return "";
    Wear(kRecorderThemeResource2);
    return "-mp11";
  }
};

TEST_P(WindowInUseShot, MainWindowIdleRecordingAndPlaying) {
  ShowMain();
  const std::string suffix = Dress();
  if (!suffix.empty()) ExpectLooksLike(frmMain, "main-idle" + suffix);
  RecordSilence(12, false);
  ExpectLooksLike(frmMain, "main-recording" + suffix);
  // Half a second of sound, so the playing below runs a while.
  const std::string recording = frmMain->OutputPath();
  ASSERT_TRUE(PumpUntil([&] { return std::filesystem::file_size(recording) > 44100 * 4 / 2; }));
  frmMain->btnStop->Click();

  // Playing, then held and moved on to half way.
  frmMain->btnPlay->Click();
  ASSERT_TRUE(PumpUntil([] { return frmMain->RecordRows().Row(0).Status.starts_with("Playing"); }));
  frmMain->btnPause->Click();
  frmMain->tbPlaybackProgress->SetPosition(500);
  ExpectLooksLike(frmMain, "main-playing" + suffix);
}

TEST_P(WindowInUseShot, PlayerIdleAndPlaying) {
  ShowPlayer([&] {
    WriteTone(Folder() + "song.wav", 30.0);
    WriteTone(Folder() + "interview.wav", 75.0, 22050, 1);
  });
  const std::string suffix = Dress();
  ExpectLooksLike(frmPlayer, "player-idle" + suffix);

  // Playing for two seconds, then held and moved on to 40%.
  Play("song.wav");
  ASSERT_TRUE(PumpUntil([] { return Cell(IndexOf("song.wav"), 4) == "Playing 00 : 00 : 02"; }));
  frmPlayer->btnPause->Click();
  frmPlayer->tbPlaybackProgress->SetPosition(400);
  ExpectLooksLike(frmPlayer, "player-playing" + suffix);
}

INSTANTIATE_TEST_SUITE_P(Themes, WindowInUseShot, ::testing::Values("mp10", "mp11"));

TEST_F(WindowShot, SplitterWithSectionsOneUnticked) {
  ShowPlayer([&] { WriteTone(Folder() + "song.wav", 30.0); });
  Application->CreateForm(frmSplitter);
  frmSplitter->SourcePath = Folder() + "song.wav";
  frmSplitter->Show();
  for (std::int64_t ms : {6000, 14000, 21000}) {
    frmSplitter->Timeline->SetPosition(ms);
    frmSplitter->btnAddTime->Click();
  }
  frmSplitter->lvSplitList->Items()->Item(1)->SetChecked(false);
  frmSplitter->Timeline->SetHighlight(2);
  frmSplitter->Timeline->SetPosition(17500);
  ExpectLooksLike(frmSplitter, "splitter-sections");
}

// While the long last section is written; the percentage differs by a
// digit or two from run to run, which the comparison allows.
TEST_F(WindowShot, SplitterSplittingTheLastSection) {
  ShowPlayer([&] { WriteMp3Tone(Folder() + "song.mp3", 90.0, 22050, 1); });
  ::SplitToSource = true;
  Application->CreateForm(frmSplitter);
  frmSplitter->SourcePath = Folder() + "song.mp3";
  frmSplitter->Show();
  for (std::int64_t ms : {5000, 10000}) {
    frmSplitter->Timeline->SetPosition(ms);
    frmSplitter->btnAddTime->Click();
  }
  frmSplitter->lvSplitList->Items()->Item(1)->SetChecked(false);
  frmSplitter->btnSplitClick();
  const auto status = [] { return frmSplitter->lvSplitList->Items()->Item(2)->SubItems()->Strings(3); };
  ASSERT_TRUE(PumpUntil([&] { return status().rfind("Splitting: ", 0) == 0; }, 30000));
  ExpectLooksLike(frmSplitter, "splitter-splitting");
  frmSplitter->btnCancelSplitClick();
  ASSERT_TRUE(PumpUntil([] { return !frmSplitter->Splitting(); }, 30000));
}

// The joiner on three files, sorted by name, merging into their folder.
class JoinerShot : public WindowShot {
 protected:
  void ShowJoiner() {
    ShowPlayer([&] {
      WriteTone(Folder() + "first.wav", 3.0);
      WriteTone(Folder() + "second.wav", 125.0, 22050, 1);
      WriteTone(Folder() + "third.wav", 12.0);
    });
    ::JoinFolder = Folder();
    Application->CreateForm(frmJoiner);
    frmJoiner->STV->SetSelectedFolder(Folder());
    frmJoiner->Show();
    frmJoiner->SortFolderList(0);
    frmJoiner->btnAddAllClick();
  }
};

TEST_F(JoinerShot, IdleWithOneFileUnticked) {
  ShowJoiner();
  frmJoiner->lvJoinList->Items()->Item(1)->SetChecked(false);
  frmJoiner->lvFolderList->Items()->Item(0)->SetSelected(true);
  ExpectLooksLike(frmJoiner, "joiner-idle");
}

// While the long second file is merged; the percentages differ by a few
// digits from run to run, which the comparison allows.
TEST_F(JoinerShot, MergingTheSecondFile) {
  ShowJoiner();
  frmJoiner->btnStartMergeClick();
  const auto status = [](int row) { return frmJoiner->lvJoinList->Items()->Item(row)->SubItems()->Strings(3); };
  ASSERT_TRUE(PumpUntil([&] { return status(1).rfind("Merging: ", 0) == 0; }, 30000));
  ExpectLooksLike(frmJoiner, "joiner-merging");
  frmJoiner->btnCancelMergeClick();
  ASSERT_TRUE(PumpUntil([] { return !frmJoiner->Merging(); }, 30000));
}

}  // namespace
