// The sample-type conversion window over a real engine: what it shows, a
// conversion chosen with the mouse and Enter (length, pitch, one undo
// step), and the choices that convert nothing.

#include "DocumentWindowsFixture.h"
#include "skin/ZELButtonPush.h"
#include "skin/ZELRadioGroup.h"

namespace {

using ConvertTest = DocumentWindowsTest;

TEST_F(ConvertTest, ConvertsAsChosenInOneUndoStepAndLeavesTheDocumentOtherwise) {
  editor->OpenFile(WriteTone("tone.wav", 44100));
  const int result = ShowAndDo(frmConvert, [&] {
    EXPECT_EQ(frmConvert->rgFrequency->ItemIndex(), 8);  // "44100"
    EXPECT_EQ(frmConvert->rgCnannels->ItemIndex(), 1);   // "Stereo"
    HeadlessClick(CentreOf(frmConvert->rgFrequency->Buttons(5)));  // "22050"
    HeadlessClick(CentreOf(frmConvert->rgCnannels->Buttons(0)));   // "Mono"
    HeadlessPumpUntilIdle();
    HeadlessKeyPress(VK_RETURN);
  });
  EXPECT_EQ(result, 1);
  EXPECT_EQ(editor->FileInfo()->SampleRate(), 22050);
  EXPECT_EQ(editor->FileInfo()->Channels(), 1);
  ASSERT_EQ(editor->Position()->Length(), 22050);
  // The pitch: a 440 Hz tone crosses zero upwards 440 times a second.
  editor->Position()->SetCurrentPosition(0);
  const TSampleBlock mono = editor->ReadBlock(22050);
  int crossings = 0;
  for (std::size_t i = 1; i < mono.size(); ++i) crossings += mono[i - 1] < 0 && mono[i] >= 0;
  EXPECT_NEAR(crossings, 440, 3);
  EXPECT_EQ(modifiedMarks, 1);
  editor->Undo();
  EXPECT_EQ(editor->FileInfo()->SampleRate(), 44100);
  EXPECT_EQ(editor->FileInfo()->Channels(), 2);
  EXPECT_EQ(editor->Position()->Length(), 44100);
  EXPECT_FALSE(editor->CanUndo());

  // A rate outside the list shows none chosen, and OK (Enter) converts
  // nothing; Cancel (Escape) converts nothing; no channel choice asks the engine for no
  // channels, which it refuses.
  editor->OpenFile(WriteTone("odd.wav", 9600, 96000, 1));
  EXPECT_EQ(ShowAndDo(frmConvert,
                      [&] {
                        EXPECT_EQ(frmConvert->rgFrequency->ItemIndex(), -1);
                        frmConvert->rgCnannels->SetItemIndex(1);
                        HeadlessKeyPress(VK_RETURN);
                      }),
            1);
  EXPECT_EQ(ShowAndDo(frmConvert,
                      [&] {
                        frmConvert->rgFrequency->SetItemIndex(0);
                        HeadlessKeyPress(VK_ESCAPE);
                      }),
            2);
  ShowAndDo(frmConvert, [&] {
    frmConvert->rgFrequency->SetItemIndex(0);
    frmConvert->rgCnannels->SetItemIndex(-1);
    EXPECT_THROW(frmConvert->OKBtnClick(frmConvert->OKBtn), Exception);
  });
  EXPECT_EQ(editor->FileInfo()->SampleRate(), 96000);
  EXPECT_EQ(editor->FileInfo()->Channels(), 1);
  EXPECT_EQ(editor->Position()->Length(), 9600);
  EXPECT_FALSE(editor->CanUndo());
  EXPECT_EQ(modifiedMarks, 1);
}

}  // namespace
