// The recorder's bitmap-shaped windows as the screen shows them, compared
// with the reference pictures in tests/recorder/shots/. After an intended
// change of look:
//   VELMORA_UPDATE_SHOTS=1 build/tests/recorder/test_recorder --gtest_filter='WindowShot*'
// then look at every picture before committing them.

#include "PlayerWindowFixture.h"
#include "recorder/Splitter.h"
#include "tests/shots/ReferenceShot.h"

namespace {

class WindowShot : public PlayerWindowFixture {
 protected:
  static void ExpectLooksLike(TForm* window, const std::string& name) {
    HeadlessPumpUntilIdle();
    EXPECT_EQ(CompareWithReference(*ShootWindow(window->Handle()), "recorder/shots/" + name + ".png"), "");
  }
};

TEST_F(WindowShot, MainWindowIdle) {
  ShowMain();
  ExpectLooksLike(frmMain, "main-idle");
}

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

}  // namespace
