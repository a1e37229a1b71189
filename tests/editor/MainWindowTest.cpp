// The editor's main window over the real engine: start-up from the
// hand-over file, the edit count through edits and undo, the questions on
// close, the document commands and the information line.

#include "EditorMainFixture.h"
#include "editor/Amplify.h"
#include "editor/InsertSilence.h"
#include "platform/framework/IniFiles.h"
#include "platform/os/Files.h"
#include "platform/os/VirtualKeys.h"
#include "skin/ZELScrollBar.h"

#include <chrono>
#include <thread>

namespace {

using StartUp = EditorMainTest;
using Documents = EditorMainTest;
using Commands = EditorMainTest;

TEST_F(StartUp, HandedOverFileIsTrimmedOpenedOncePlacedAndTheFileDeleted) {
  const std::string tone = WriteTone("tone.wav", 44100);
  WriteHandOver("  " + tone + "  ", 100, 60);
  ShowMain();
  EXPECT_FALSE(FileExists(SettingsPath() + kHandOverFileName));
  EXPECT_EQ(frmMain->DocumentName, tone);
  EXPECT_EQ(frmMain->AE->Position()->Length(), 44100);
  EXPECT_EQ(frmMain->Left(), 120);
  EXPECT_EQ(frmMain->Top(), 80);
  EXPECT_EQ(frmMain->zelForm1->Caption(), "Velmora Audio Editor -- " + tone);

  // A later activation (a dialog closing) neither reloads nor moves.
  Select(0, 22050);
  frmMain->Cut();
  frmMain->SetBounds(10, 10, frmMain->Width(), frmMain->Height());
  HeadlessActivate(nullptr);
  HeadlessPumpUntilIdle();
  frmMain->Show();
  HeadlessPumpUntilIdle();
  EXPECT_EQ(frmMain->AE->Position()->Length(), 22050);
  EXPECT_EQ(frmMain->Left(), 10);
}

TEST_F(StartUp, WithoutHandOverANewStereoDocumentCentredPlus20) {
  ShowMain();
  EXPECT_TRUE(frmMain->DocumentName.empty());
  EXPECT_EQ(frmMain->AE->FileInfo()->SampleRate(), 44100);
  EXPECT_EQ(frmMain->AE->FileInfo()->Channels(), 2);
  EXPECT_EQ(frmMain->Left(), (1024 - frmMain->Width()) / 2 + 20);
  EXPECT_EQ(frmMain->Top(), (768 - frmMain->Height()) / 2 + 20);
  EXPECT_EQ(frmMain->zelForm1->Caption(), "Velmora Audio Editor");
  EXPECT_TRUE(DirectoryExists(SettingsFolder));
}

TEST_F(StartUp, AHandedOverFileThatFailsToLoadLeavesAnUnnamedEmptyDocument) {
  const std::string damaged = Path("damaged.wav");
  std::ofstream(damaged) << "RIFF this is not a sound file at all";
  WriteHandOver(damaged, 0, 0);
  ShowMain();
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_NE(messages[0].find(damaged), std::string::npos);
  // Save must not overwrite the damaged file with an empty document.
  EXPECT_TRUE(frmMain->DocumentName.empty());
  EXPECT_EQ(frmMain->AE->FileInfo()->SampleRate(), 44100);
  const auto before = GetFileSize64(damaged);
  frmMain->SaveFile();
  EXPECT_EQ(GetFileSize64(damaged), before);
}

TEST_F(Documents, EditCountFollowsEditsUndoAndRedo) {
  WriteHandOver(WriteTone("tone.wav", 44100), 0, 0);
  ShowMain();
  for (int i = 0; i < 3; ++i) {
    Select(0, 1000);
    frmMain->Cut();
  }
  EXPECT_TRUE(frmMain->Modified);
  EXPECT_EQ(frmMain->EditCount, 3);
  for (int i = 0; i < 3; ++i) frmMain->Undo();
  EXPECT_FALSE(frmMain->Modified);
  EXPECT_EQ(frmMain->AE->Position()->Length(), 44100);
  frmMain->Redo();
  EXPECT_TRUE(frmMain->Modified);
  EXPECT_EQ(frmMain->EditCount, 1);
  // Audio from a file changes the document as much as a paste does.
  frmMain->Undo();
  Select(0, 0);
  chosenFiles = {WriteTone("other.wav", 100)};
  frmMain->PasteFromFile();
  EXPECT_TRUE(frmMain->Modified);
  EXPECT_EQ(frmMain->AE->Position()->Length(), 44100 + 100);
  EXPECT_EQ(frmMain->OD->FileName(), "");  // the dialog's name is put back
}

TEST_F(Documents, CloseAsksAndSavesOrStays) {
  const std::string tone = WriteTone("tone.wav", 44100);
  WriteHandOver(tone, 0, 0);
  ShowMain();
  Select(0, 4410);
  frmMain->Cut();
  answers = {IDCANCEL};
  EXPECT_FALSE(frmMain->CloseQuery());
  EXPECT_TRUE(frmMain->Modified);
  answers = {IDYES};
  EXPECT_TRUE(frmMain->CloseQuery());
  EXPECT_FALSE(frmMain->Modified);
  TAudioFile2 saved;
  saved.OpenRead(tone);
  EXPECT_EQ(saved.LengthSamples(), 44100 - 4410);
  EXPECT_EQ(messages.size(), 2u);
  EXPECT_EQ(messages[0], "Audio file has changed, do you want to save the current music?");
}

TEST_F(Documents, YesOnCloseOfAnUnnamedDocumentAsksWhereAndStaysWhenThatIsCancelled) {
  ShowMain();
  frmMain->AE->Effects()->InsertSilence(100);
  frmMain->MarkModified();
  answers = {IDYES};
  chosenFiles = {""};
  EXPECT_FALSE(frmMain->CloseQuery());
  EXPECT_TRUE(frmMain->Modified);
  answers = {IDYES};
  chosenFiles = {Path("kept.wav")};
  EXPECT_TRUE(frmMain->CloseQuery());
  EXPECT_TRUE(FileExists(Path("kept.wav")));
  // No answer is needed for an unmodified document.
  messages.clear();
  EXPECT_TRUE(frmMain->CloseQuery());
  EXPECT_TRUE(messages.empty());
}

TEST_F(Documents, NewAndOpenHandOverToAnotherCopyOnlyWhenTheWindowIsInUse) {
  ShowMain();
  frmMain->StartNewInstance();
  EXPECT_EQ(copiesStarted, 0);
  const std::string tone = WriteTone("tone.wav", 4410);
  chosenFiles = {tone};
  frmMain->OpenFile();  // in place: no document name yet
  EXPECT_EQ(copiesStarted, 0);
  EXPECT_EQ(frmMain->DocumentName, tone);
  EXPECT_FALSE(FileExists(SettingsPath() + kHandOverFileName));

  frmMain->SetBounds(70, 50, frmMain->Width(), frmMain->Height());
  const std::string second = WriteTone("second.wav", 441);
  chosenFiles = {second};
  frmMain->OpenFile();
  EXPECT_EQ(copiesStarted, 1);
  EXPECT_EQ(frmMain->DocumentName, tone);
  TIniFile handOver(SettingsPath() + kHandOverFileName);
  EXPECT_EQ(handOver.ReadString("Init", "FileName", "?"), second);
  EXPECT_EQ(handOver.ReadInteger("Init", "Left", 0), 70);
  EXPECT_EQ(handOver.ReadInteger("Init", "Top", 0), 50);
  frmMain->StartNewInstance();
  EXPECT_EQ(copiesStarted, 2);
  EXPECT_EQ(TIniFile(SettingsPath() + kHandOverFileName).ReadString("Init", "FileName", "?"), "");
}

TEST_F(Commands, InformationLineInSamplesAndMilliseconds) {
  WriteHandOver(WriteTone("tone.wav", 44100), 0, 0);
  ShowMain();
  Select(100, 300);
  EXPECT_EQ(frmMain->lbInfo2->Caption(),
            "Start select: 100 samples       End select: 300 samples       Selected: 200 samples");
  EXPECT_EQ(frmMain->lbInfo1->Caption().rfind("Total: 44100 samples     Format: ", 0), 0u);
  frmMain->ShowMilliseconds = true;
  Select(441, 44100);
  frmMain->UpdateFileInfo();
  EXPECT_EQ(frmMain->lbInfo2->Caption(), "Start select: 10 ms       End select: 1000 ms       Selected: 990 ms");
  EXPECT_EQ(frmMain->lbInfo1->Caption().rfind("Total: 1000 ms     Format: ", 0), 0u);
  EXPECT_EQ(frmMain->StatusBar->Panels()->Items(2)->Text(), "44100");
}

TEST_F(Commands, TickerShowsTheFirstLineThenRollsToTheSecond) {
  ShowMain();
  frmMain->StartTicker();
  const int centre = frmMain->TickerCentre();
  frmMain->TickerTick();
  EXPECT_EQ(frmMain->TickerY(), centre);
  EXPECT_TRUE(frmMain->tmShowInfo->Enabled());
}

TEST_F(Commands, EffectsAskForADocumentAndASelectionThenRunThroughTheirDialog) {
  ShowMain();
  Application->CreateForm(frmAmplify);
  Application->CreateForm(frmInsertSilence);
  frmMain->btnAmplifyPlus->Click();
  frmMain->btnInvert->Click();
  ASSERT_EQ(messages.size(), 2u);
  EXPECT_EQ(messages[0], "Please open an audio file first");

  // Insert silence needs neither.
  PostToMainThread([] {
    HeadlessPumpUntilIdle();
    frmInsertSilence->btnOptionOk->Click();
  });
  frmMain->btnInserSilence->Click();
  EXPECT_EQ(frmMain->AE->Position()->Length(), frmInsertSilence->Milliseconds() * 44100 / 1000);
  EXPECT_EQ(frmMain->EditCount, 1);

  messages.clear();
  frmMain->btnAmplifyMinus->Click();
  EXPECT_EQ(messages, std::vector<std::string>{"Please select a part of the file"});
}

TEST_F(Commands, AmplifyThroughItsDialogChangesTheSelectionOnlyOnOk) {
  WriteHandOver(WriteTone("tone.wav", 4410), 0, 0);
  ShowMain();
  Application->CreateForm(frmAmplify);
  Select(0, 4410);
  auto peak = [] {
    frmMain->AE->Position()->SetCurrentPosition(0);
    int peak = 0;
    for (std::int16_t v : frmMain->AE->ReadBlock(4410)) peak = std::max(peak, std::abs(int(v)));
    return peak;
  };
  const int before = peak();
  PostToMainThread([] {
    HeadlessPumpUntilIdle();
    frmAmplify->btnOptionCancel->Click();
  });
  frmMain->btnAmplifyPlus->Click();
  EXPECT_EQ(peak(), before);
  EXPECT_FALSE(frmMain->Modified);
  PostToMainThread([] {
    HeadlessPumpUntilIdle();
    frmAmplify->btnOptionOk->Click();
  });
  frmMain->btnAmplifyPlus->Click();
  EXPECT_NEAR(peak(), before * frmAmplify->Level() / 100, 2);
  EXPECT_TRUE(frmMain->Modified);
}

TEST_F(Commands, FftCurveRisesFromHalfThroughOneToOneAndAHalf) {
  const std::vector<float> curve = FftFilterCurve();
  ASSERT_EQ(curve.size(), 512u);
  EXPECT_FLOAT_EQ(curve[0], 0.5f);
  EXPECT_FLOAT_EQ(curve[50], 0.75f);
  EXPECT_FLOAT_EQ(curve[100], 1.0f);
  EXPECT_FLOAT_EQ(curve[101], 1.0f + 0.5f / 411);
  EXPECT_FLOAT_EQ(curve[511], 1.5f);
}

TEST_F(Commands, CommandsWhileTheEngineIsBusyAreIgnoredAndCloseIsRefused) {
  WriteHandOver(WriteTone("tone.wav", 44100), 0, 0);
  ShowMain();
  bool closeAllowed = true;
  std::int64_t lengthSeen = -1;
  Select(0, 44100);
  frmMain->AE->OnBlockOperation = [&](TObject*, short) {
    if (lengthSeen >= 0) return;
    lengthSeen = frmMain->AE->Position()->Length();
    frmMain->Cut();  // a click that arrives while the effect runs
    closeAllowed = frmMain->CloseQuery();
  };
  frmMain->btnInvert->Click();
  EXPECT_EQ(lengthSeen, 44100);
  EXPECT_EQ(frmMain->AE->Position()->Length(), 44100);
  EXPECT_FALSE(closeAllowed);
  EXPECT_EQ(frmMain->EditCount, 1);
}

}  // namespace

namespace {

TEST_F(Commands, PlayingASelectionMovesTheLevelBars) {
  // Twenty seconds, so that the end of play, which lowers the bars, cannot
  // come before this thread looks even when a loaded machine holds it up.
  WriteHandOver(WriteTone("tone.wav", 20 * 44100), 0, 0);
  ShowMain();
  Select(0, 20 * 44100);
  int highest = 0;
  frmMain->btnPlay->Click();
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
  while (highest == 0 && std::chrono::steady_clock::now() < deadline) {
    RunMainThreadQueue();
    HeadlessPumpUntilIdle();
    highest = std::max(highest, frmMain->ProgressBarL->Position());
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  frmMain->btnStop->Click();
  EXPECT_GT(highest, 0);
}

}  // namespace

namespace {

TEST_F(Commands, MouseSelectionShortcutAndTheWindowsCloseButton) {
  WriteHandOver(WriteTone("tone.wav", 44100), 0, 0);
  ShowMain();
  // Drag across the middle of the view, then Ctrl+X.
  TAudioEditor2* ae = frmMain->AE;
  const TPoint from = ae->ClientToScreen({ae->Width() / 3, ae->Height() / 3});
  const TPoint to = ae->ClientToScreen({2 * ae->Width() / 3, ae->Height() / 3});
  HeadlessMouseMove(from);
  HeadlessMouseDown();
  HeadlessMouseMove(to);
  HeadlessMouseUp();
  HeadlessPumpUntilIdle();
  const std::int64_t selected = ae->Position()->SelectionEnd() - ae->Position()->SelectionStart();
  ASSERT_GT(selected, 1000);
  HeadlessActivate(frmMain->Handle());
  // The key as the program's loop takes it, at the view that has the focus.
  HeadlessKeyDown(VK_CONTROL);
  PostMessage(GetFocus(), WM_KEYDOWN, 'X', 0);
  Application->ProcessMessages();
  HeadlessKeyUp(VK_CONTROL);
  EXPECT_EQ(ae->Position()->Length(), 44100 - selected);
  EXPECT_EQ(frmMain->EditCount, 1);

  // The window never gets smaller than 600 x 400.
  frmMain->SetBounds(frmMain->Left(), frmMain->Top(), 300, 200);
  EXPECT_EQ(frmMain->Width(), 600);
  EXPECT_EQ(frmMain->Height(), 400);

  // Closing asks; No closes without saving.
  answers = {IDNO};
  HeadlessRequestClose(frmMain->Handle());
  HeadlessPumpUntilIdle();
  EXPECT_EQ(messages, std::vector<std::string>{"Audio file has changed, do you want to save the current music?"});
  EXPECT_TRUE(Application->Terminated());
  TAudioFile2 kept;
  kept.OpenRead(Path("tone.wav"));
  EXPECT_EQ(kept.LengthSamples(), 44100);
}

}  // namespace
