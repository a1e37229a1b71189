// The sample-type conversion window over a real engine: what it shows for
// the document, a conversion's length and pitch as one undo step, and the
// choices that convert nothing.

#include "DocumentWindowsFixture.h"
#include "skin/ZELButtonPush.h"
#include "skin/ZELRadioGroup.h"

namespace {

class ConvertTest : public DocumentWindowsTest {
 protected:
  // Upward zero crossings of the first channel per second of the document.
  double ToneFrequency() const {
    editor->Position()->SetCurrentPosition(0);
    const std::int64_t length = editor->Position()->Length();
    const int channels = editor->FileInfo()->Channels();
    const TSampleBlock block = editor->ReadBlock(length);
    int crossings = 0;
    for (std::size_t i = channels; i < block.size(); i += channels)
      if (block[i - channels] < 0 && block[i] >= 0) ++crossings;
    return crossings * static_cast<double>(editor->FileInfo()->SampleRate()) / static_cast<double>(length);
  }
};

TEST_F(ConvertTest, StereoAt44100ToMonoAt22050KeepsLengthInTimeAndPitchAsOneUndoStep) {
  editor->OpenFile(WriteTone("tone.wav", 44100, 44100, 2, 440.0));
  const int result = ShowAndDo(frmConvert, [&] {
    EXPECT_EQ(frmConvert->rgFrequency->ItemIndex(), 8);  // "44100"
    EXPECT_EQ(frmConvert->rgCnannels->ItemIndex(), 1);   // "Stereo"
    frmConvert->rgFrequency->SetItemIndex(5);            // "22050"
    frmConvert->rgCnannels->SetItemIndex(0);             // "Mono"
    frmConvert->OKBtn->Click();
  });
  EXPECT_EQ(result, 1);
  EXPECT_EQ(editor->FileInfo()->SampleRate(), 22050);
  EXPECT_EQ(editor->FileInfo()->Channels(), 1);
  EXPECT_EQ(editor->Position()->Length(), 22050);
  EXPECT_NEAR(ToneFrequency(), 440.0, 3.0);
  EXPECT_EQ(modifiedMarks, 1);

  editor->Undo();
  EXPECT_EQ(editor->FileInfo()->SampleRate(), 44100);
  EXPECT_EQ(editor->FileInfo()->Channels(), 2);
  EXPECT_EQ(editor->Position()->Length(), 44100);
  EXPECT_FALSE(editor->CanUndo());
}

TEST_F(ConvertTest, ChoicesThatConvertNothingLeaveTheDocumentAlone) {
  editor->OpenFile(WriteTone("odd.wav", 9600, 96000, 1));
  // A rate outside the list: nothing chosen, and OK converts nothing.
  int result = ShowAndDo(frmConvert, [&] {
    EXPECT_EQ(frmConvert->rgFrequency->ItemIndex(), -1);
    EXPECT_EQ(frmConvert->rgCnannels->ItemIndex(), 0);
    frmConvert->rgCnannels->SetItemIndex(1);
    frmConvert->OKBtn->Click();
  });
  EXPECT_EQ(result, 1);
  // Cancel converts nothing either.
  result = ShowAndDo(frmConvert, [&] {
    frmConvert->rgFrequency->SetItemIndex(0);
    frmConvert->CancelBtn->Click();
  });
  EXPECT_EQ(result, 2);
  // No channel choice asks for no channels, which the engine refuses.
  ShowAndDo(frmConvert, [&] {
    frmConvert->rgFrequency->SetItemIndex(0);
    frmConvert->rgCnannels->SetItemIndex(-1);
    EXPECT_THROW(frmConvert->OKBtnClick(frmConvert->OKBtn), Exception);
  });
  EXPECT_EQ(editor->FileInfo()->SampleRate(), 96000);
  EXPECT_EQ(editor->FileInfo()->Channels(), 1);
  EXPECT_EQ(editor->Position()->Length(), 9600);
  EXPECT_FALSE(editor->CanUndo());
  EXPECT_EQ(modifiedMarks, 0);
}

}  // namespace
