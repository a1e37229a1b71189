// The cue list window over a real engine, driven with the mouse and the
// keys: markers added, changed and deleted reach the engine, numbers it
// cannot use are refused with its message, and every change marks the
// document. (Saving them: MainWindowsTest.)

#include "DocumentWindowsFixture.h"
#include "platform/framework/ListView.h"
#include "skin/ZELButtonPush.h"
#include "skin/ZELEdit.h"
#include "skin/ZELListView.h"

namespace {

void Type(TzelEdit* edit, const std::string& text) {
  HeadlessClick(CentreOf(edit));
  edit->SelectAll();
  HeadlessText(text);
  HeadlessPumpUntilIdle();
}

void Press(TControl* button) {
  HeadlessClick(CentreOf(button));
  HeadlessPumpUntilIdle();
}

void ClickRow(int row) {
  TzelListView* list = frmCueList->lvIndex;
  for (int y = 0; y < list->ClientHeight(); ++y)
    if (TListItem* item = list->GetItemAt(20, y); item && item->Index() == row) {
      HeadlessClick(list->ClientToScreen({20, y + 3}));
      HeadlessPumpUntilIdle();
      return;
    }
  ADD_FAILURE() << "no row " << row;
}

std::vector<std::string> Rows() {
  std::vector<std::string> rows;
  for (int k = 0; k < frmCueList->lvIndex->Items()->Count(); ++k)
    rows.push_back(frmCueList->lvIndex->Items()->Item(k)->Caption());
  return rows;
}

using CueListTest = DocumentWindowsTest;

TEST_F(CueListTest, MarkersAddedChangedAndDeletedThroughTheWindow) {
  editor->OpenFile(WriteTone("tone.wav", 44100));
  IAudioEditor2Markers& markers = *editor->Markers();
  ShowAndDo(frmCueList, [&] {
    // No markers yet: zeros, and only Add to press.
    EXPECT_TRUE(Rows().empty());
    EXPECT_EQ(frmCueList->tPosition->Text() + frmCueList->tLength->Text(), "00");
    EXPECT_FALSE(frmCueList->btnChange->Enabled() || frmCueList->btnDelete->Enabled());

    Type(frmCueList->tPosition, "1000");
    Type(frmCueList->tLabel, "Intro");
    Press(frmCueList->btnAdd);
    Type(frmCueList->tPosition, "22050");
    Type(frmCueList->tLabel, "Middle");
    Press(frmCueList->btnAdd);
    // Rebuilt with its first row selected, not the new marker.
    EXPECT_EQ(Rows(), (std::vector<std::string>{"Cue #0", "Cue #1"}));
    EXPECT_EQ(frmCueList->tLabel->Text(), "Intro");

    ClickRow(1);
    EXPECT_EQ(frmCueList->tPosition->Text(), "22050");
    Type(frmCueList->tLabel, "Chorus");
    Press(frmCueList->btnChange);

    // Refused: unreadable numbers, a position past the end (the engine
    // refuses it), a negative length after a good position (which stays).
    Type(frmCueList->tPosition, "12a");
    Press(frmCueList->btnAdd);
    EXPECT_EQ(frmCueList->ActiveControl(), frmCueList->tPosition);
    Type(frmCueList->tPosition, "5");
    Type(frmCueList->tLength, "x");
    Press(frmCueList->btnAdd);
    EXPECT_EQ(frmCueList->ActiveControl(), frmCueList->tLength);
    Type(frmCueList->tPosition, "999999");
    Press(frmCueList->btnChange);
    Type(frmCueList->tPosition, "30000");
    Type(frmCueList->tLength, "-5");
    Type(frmCueList->tLabel, "Never");
    Press(frmCueList->btnChange);
    EXPECT_EQ(markers.Count(), 2);
    markers.SetCurrent(2);
    EXPECT_EQ(markers.Position(), 30000);
    EXPECT_EQ(markers.Label(), "Chorus");

    ClickRow(0);
    Press(frmCueList->btnDelete);
    EXPECT_EQ(Rows(), (std::vector<std::string>{"Cue #0"}));
    EXPECT_EQ(frmCueList->tLabel->Text(), "Chorus");
    Press(frmCueList->btnDelete);
    EXPECT_TRUE(Rows().empty());
    EXPECT_EQ(frmCueList->tPosition->Text(), "0");
    EXPECT_FALSE(frmCueList->btnChange->Enabled() || frmCueList->btnDelete->Enabled());
  });
  EXPECT_EQ(messages, (std::vector<std::string>{"Invalid Position Value", "Invalid Length Value",
                                                "Invalid Position Value", "Invalid Length Value"}));
  EXPECT_EQ(markers.Count(), 0);
  // Two adds, a change, the change that wrote a position, two deletes.
  EXPECT_EQ(modifiedMarks, 6);
}

}  // namespace
