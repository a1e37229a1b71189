// The cue list window over a real engine: markers added, changed and
// deleted through it reach the engine and a saved WAV; numbers it cannot
// read are refused with its message; every change marks the document.

#include "DocumentWindowsFixture.h"
#include "editor/Convert.h"
#include "skin/ZELRadioGroup.h"
#include "platform/framework/ListView.h"
#include "skin/ZELButtonPush.h"
#include "skin/ZELEdit.h"
#include "skin/ZELListView.h"

namespace {

class CueListTest : public DocumentWindowsTest {
 protected:
  void Fill(const std::string& position, const std::string& length, const std::string& label,
            const std::string& note = "", const std::string& text = "") {
    frmCueList->tPosition->SetText(position);
    frmCueList->tLength->SetText(length);
    frmCueList->tLabel->SetText(label);
    frmCueList->tNote->SetText(note);
    frmCueList->tText->SetText(text);
  }
  static std::vector<std::string> Rows() {
    std::vector<std::string> rows;
    for (int k = 0; k < frmCueList->lvIndex->Items()->Count(); ++k)
      rows.push_back(frmCueList->lvIndex->Items()->Item(k)->Caption());
    return rows;
  }
};

TEST_F(CueListTest, MarkersAddedChangedAndDeletedSurviveASavedWav) {
  editor->OpenFile(WriteTone("tone.wav", 44100));
  ShowAndDo(frmCueList, [&] {
    // No markers yet: zeros, and only Add to press.
    EXPECT_TRUE(Rows().empty());
    EXPECT_EQ(frmCueList->tPosition->Text(), "0");
    EXPECT_EQ(frmCueList->tLength->Text(), "0");
    EXPECT_FALSE(frmCueList->btnChange->Enabled());
    EXPECT_FALSE(frmCueList->btnDelete->Enabled());
    EXPECT_TRUE(frmCueList->btnAdd->Enabled());

    Fill("1000", "200", "Intro", "first note", "first text");
    frmCueList->btnAdd->Click();
    Fill("22050", "0", "Middle");
    frmCueList->btnAdd->Click();
    // The list is rebuilt with its first row selected, not the new marker.
    EXPECT_EQ(Rows(), (std::vector<std::string>{"Cue #0", "Cue #1"}));
    EXPECT_EQ(frmCueList->tPosition->Text(), "1000");
    EXPECT_EQ(frmCueList->tLabel->Text(), "Intro");
    EXPECT_TRUE(frmCueList->btnChange->Enabled());

    frmCueList->lvIndex->SetSelected(frmCueList->lvIndex->Items()->Item(1));
    EXPECT_EQ(frmCueList->tPosition->Text(), "22050");
    Fill("30000", "500", "Chorus", "n", "t");
    frmCueList->btnChange->Click();

    Fill("40000", "0", "Gone");
    frmCueList->btnAdd->Click();
    frmCueList->lvIndex->SetSelected(frmCueList->lvIndex->Items()->Item(2));
    EXPECT_EQ(frmCueList->tLabel->Text(), "Gone");
    frmCueList->btnDelete->Click();
    EXPECT_EQ(Rows(), (std::vector<std::string>{"Cue #0", "Cue #1"}));
  });
  EXPECT_TRUE(messages.empty());
  EXPECT_EQ(modifiedMarks, 5);

  IAudioEditor2Markers& markers = *editor->Markers();
  ASSERT_EQ(markers.Count(), 2);
  markers.SetCurrent(2);
  EXPECT_EQ(markers.Position(), 30000);
  EXPECT_EQ(markers.Label(), "Chorus");

  editor->SaveFile(Path("marked.wav"));
  TAudioEditor2 reopened(host);
  reopened.OpenFile(Path("marked.wav"));
  IAudioEditor2Markers& back = *reopened.Markers();
  ASSERT_EQ(back.Count(), 2);
  back.SetCurrent(1);
  EXPECT_EQ(back.Position(), 1000);
  EXPECT_EQ(back.Length(), 200);
  EXPECT_EQ(back.Label(), "Intro");
  EXPECT_EQ(back.Note(), "first note");
  EXPECT_EQ(back.Text(), "first text");
  back.SetCurrent(2);
  EXPECT_EQ(back.Position(), 30000);
  EXPECT_EQ(back.Length(), 500);
  EXPECT_EQ(back.Label(), "Chorus");
}

TEST_F(CueListTest, NumbersItCannotUseAreRefusedWithItsMessage) {
  editor->OpenFile(WriteTone("tone.wav", 1000));
  editor->Markers()->AddMarker(100, 10, "Kept", "", "");
  ShowAndDo(frmCueList, [&] {
    Fill("12a", "0", "Never");
    frmCueList->btnAdd->Click();
    EXPECT_EQ(frmCueList->ActiveControl(), frmCueList->tPosition);
    Fill("5", "x", "Never");
    frmCueList->btnAdd->Click();
    EXPECT_EQ(frmCueList->ActiveControl(), frmCueList->tLength);
    EXPECT_EQ(editor->Markers()->Count(), 1);

    // Change: a position past the document's end is refused by the engine
    // and told the same way; a negative length after a good position
    // leaves that position written.
    Fill("999999", "10", "Never");
    frmCueList->btnChange->Click();
    EXPECT_EQ(frmCueList->ActiveControl(), frmCueList->tPosition);
    EXPECT_EQ(modifiedMarks, 0);
    Fill("200", "-5", "Never");
    frmCueList->btnChange->Click();
    EXPECT_EQ(frmCueList->ActiveControl(), frmCueList->tLength);
  });
  EXPECT_EQ(messages, (std::vector<std::string>{"Invalid Position Value", "Invalid Length Value",
                                                "Invalid Position Value", "Invalid Length Value"}));
  IAudioEditor2Markers& markers = *editor->Markers();
  markers.SetCurrent(1);
  EXPECT_EQ(markers.Position(), 200);
  EXPECT_EQ(markers.Length(), 10);
  EXPECT_EQ(markers.Label(), "Kept");
  EXPECT_EQ(modifiedMarks, 1);
}

TEST_F(CueListTest, DeletingTheOnlyMarkerEmptiesTheList) {
  editor->OpenFile(WriteTone("tone.wav", 1000));
  editor->Markers()->AddMarker(100, 10, "Only", "", "");
  ShowAndDo(frmCueList, [&] {
    EXPECT_EQ(Rows(), (std::vector<std::string>{"Cue #0"}));
    frmCueList->btnDelete->Click();
    EXPECT_TRUE(Rows().empty());
    EXPECT_EQ(frmCueList->tPosition->Text(), "0");
    EXPECT_EQ(frmCueList->tLabel->Text(), "");
    EXPECT_FALSE(frmCueList->btnChange->Enabled());
    EXPECT_FALSE(frmCueList->btnDelete->Enabled());
  });
  EXPECT_EQ(editor->Markers()->Count(), 0);
  EXPECT_EQ(modifiedMarks, 1);
}

}  // namespace

namespace {

TPoint CentreOf(TControl* control) { return control->ClientToScreen({control->Width() / 2, control->Height() / 2}); }

// Where the list shows a row, in screen coordinates.
TPoint RowPoint(TzelListView* list, int row) {
  for (int y = 0; y < list->ClientHeight(); ++y)
    if (TListItem* item = list->GetItemAt(20, y); item && item->Index() == row) return list->ClientToScreen({20, y + 3});
  return {-1, -1};
}

TEST_F(CueListTest, AUsersClicksAndKeysChangeAMarkerAndConvertTheDocument) {
  editor->OpenFile(WriteTone("tone.wav", 44100));
  editor->Markers()->AddMarker(100, 0, "First", "", "");
  editor->Markers()->AddMarker(200, 0, "Second", "", "");
  ShowAndDo(frmCueList, [&] {
    HeadlessClick(RowPoint(frmCueList->lvIndex, 1));
    HeadlessPumpUntilIdle();
    EXPECT_EQ(frmCueList->tLabel->Text(), "Second");
    HeadlessClick(CentreOf(frmCueList->tLabel));
    frmCueList->tLabel->SelectAll();
    HeadlessText("Bridge");
    HeadlessPumpUntilIdle();
    HeadlessClick(CentreOf(frmCueList->btnChange));
    HeadlessPumpUntilIdle();
  });
  editor->Markers()->SetCurrent(2);
  EXPECT_EQ(editor->Markers()->Label(), "Bridge");
  editor->Markers()->SetCurrent(1);
  EXPECT_EQ(editor->Markers()->Label(), "First");

  const int result = ShowAndDo(frmConvert, [&] {
    HeadlessClick(CentreOf(frmConvert->rgFrequency->Buttons(1)));  // "8000"
    HeadlessClick(CentreOf(frmConvert->rgCnannels->Buttons(0)));   // "Mono"
    HeadlessPumpUntilIdle();
    HeadlessClick(CentreOf(frmConvert->OKBtn));
  });
  EXPECT_EQ(result, 1);
  EXPECT_EQ(editor->FileInfo()->SampleRate(), 8000);
  EXPECT_EQ(editor->FileInfo()->Channels(), 1);
  EXPECT_EQ(editor->Position()->Length(), 8000);
  EXPECT_EQ(modifiedMarks, 2);
}

}  // namespace
