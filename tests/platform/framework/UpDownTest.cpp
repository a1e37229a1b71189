#include <vector>

#include "StdControlsSupport.h"
#include "platform/framework/Edits.h"
#include "platform/framework/UpDown.h"

namespace {

class UpDownTest : public StdControlsTest {
 protected:
  void SetUp() override {
    StdControlsTest::SetUp();
    edit = Place<TEdit>(10, 10, 80, 22);
    spin = new TUpDown(form);
    spin->SetMin(0);
    spin->SetMax(10);
    spin->SetAssociate(edit);
    spin->OnClick = [this](TObject*, TUDBtnType button) { clicks.push_back(button); };
    HeadlessPumpUntilIdle();
  }
  TPoint UpButton() { return ScreenPointOf(spin, spin->Width() / 2, 3); }
  TPoint DownButton() { return ScreenPointOf(spin, spin->Width() / 2, spin->Height() - 3); }

  TEdit* edit = nullptr;
  TUpDown* spin = nullptr;
  std::vector<TUDBtnType> clicks;
};

TEST_F(UpDownTest, SitsAtTheEditsRightEdgeAndShowsThePosition) {
  EXPECT_EQ(spin->Parent(), form);
  EXPECT_EQ(edit->Width() + spin->Width(), 80);
  EXPECT_EQ(spin->Left(), edit->Left() + edit->Width());
  EXPECT_EQ(spin->Top(), edit->Top());
  EXPECT_EQ(spin->Height(), edit->Height());
  EXPECT_EQ(edit->Text(), "0");
}

TEST_F(UpDownTest, PositionClampsToTheRangeAndBadTextKeepsTheLastGoodOne) {
  spin->SetPosition(25);
  EXPECT_EQ(spin->Position(), 10);
  EXPECT_EQ(edit->Text(), "10");
  edit->SetText("7");
  EXPECT_EQ(spin->Position(), 7);
  edit->SetText("seven");
  EXPECT_EQ(spin->Position(), 7);
  BOOL error = FALSE;
  EXPECT_EQ(spin->Perform(UDM_GETPOS32, 0, reinterpret_cast<LPARAM>(&error)), 7);
  EXPECT_EQ(error, TRUE);
  edit->SetText("3");  // never asked for while it stood there
  edit->SetText("three");
  EXPECT_EQ(spin->Position(), 3);
  edit->SetText("-40");
  EXPECT_EQ(spin->Position(), 0);
  edit->SetText("99999999999999999999");  // beyond an int: the top of the range, not lost
  EXPECT_EQ(spin->Position(), 10);
  edit->SetText("");
  EXPECT_EQ(spin->Position(), 10);

  // Narrowing the range brings the position in and shows it.
  spin->SetPosition(8);
  spin->SetMax(5);
  EXPECT_EQ(spin->Position(), 5);
  EXPECT_EQ(edit->Text(), "5");
}

TEST_F(UpDownTest, RangeAndPositionMessages) {
  spin->Perform(UDM_SETRANGE32, static_cast<WPARAM>(-20), 20);
  int low = 0, high = 0;
  spin->Perform(UDM_GETRANGE32, reinterpret_cast<WPARAM>(&low), reinterpret_cast<LPARAM>(&high));
  EXPECT_EQ(low, -20);
  EXPECT_EQ(high, 20);
  EXPECT_EQ(spin->Perform(UDM_SETPOS32, 0, -15), 0);  // answers the previous position
  EXPECT_EQ(edit->Text(), "-15");
  EXPECT_EQ(spin->Perform(UDM_GETPOS32, 0, 0), -15);
}

TEST_F(UpDownTest, ClicksStepByTheIncrementAndStopAtTheEnds) {
  spin->SetIncrement(4);
  HeadlessClick(UpButton());
  HeadlessClick(UpButton());
  EXPECT_EQ(spin->Position(), 8);
  HeadlessClick(UpButton());  // 12 is past Max
  EXPECT_EQ(spin->Position(), 10);
  EXPECT_EQ(edit->Text(), "10");
  HeadlessClick(DownButton());
  EXPECT_EQ(spin->Position(), 6);
  EXPECT_EQ(clicks, (std::vector<TUDBtnType>{btNext, btNext, btNext, btPrev}));

  // With Wrap a step past one end starts again from the other.
  spin->SetWrap(true);
  spin->SetIncrement(1);
  spin->SetPosition(10);
  HeadlessClick(UpButton());
  EXPECT_EQ(spin->Position(), 0);
  HeadlessClick(DownButton());
  EXPECT_EQ(spin->Position(), 10);
}

TEST_F(UpDownTest, HoldingAButtonRepeatsUntilReleasedOrThePointerLeaves) {
  spin->SetMax(100);
  HeadlessMouseMove(UpButton());
  HeadlessMouseDown();
  EXPECT_EQ(spin->Position(), 1);
  HeadlessAdvanceClock(300);
  EXPECT_EQ(spin->Position(), 1);  // a short press is one step
  HeadlessAdvanceClock(400);
  int held = spin->Position();
  EXPECT_GE(held, 3);
  HeadlessMouseMove(DownButton());  // off the pressed button: no steps
  HeadlessAdvanceClock(500);
  EXPECT_EQ(spin->Position(), held);
  HeadlessMouseMove(UpButton());
  HeadlessAdvanceClock(250);
  EXPECT_GT(spin->Position(), held);
  HeadlessMouseUp();
  int released = spin->Position();
  HeadlessAdvanceClock(1000);
  EXPECT_EQ(spin->Position(), released);
}

TEST_F(UpDownTest, ChangingMayRefuseAStepAndHooksSeeTheNotification) {
  std::vector<int> deltas;
  TWndMethod saved = spin->WindowProc;
  spin->WindowProc = [&](TMessage& m) {
    if (m.Msg == CN_NOTIFY && reinterpret_cast<NMHDR*>(m.LParam)->code == UDN_DELTAPOS)
      deltas.push_back(reinterpret_cast<NMUPDOWN*>(m.LParam)->iDelta);
    saved(m);
  };
  std::vector<WORD> scrolls;
  form->SetMessageHandler(WM_VSCROLL, [&](TMessage& m) {
    if (reinterpret_cast<HWND>(m.LParam) == spin->Handle()) scrolls.push_back(HIWORD(m.WParam));
  });
  bool allow = false;
  spin->OnChanging = [&](TObject*, bool& allowChange) { allowChange = allow; };
  HeadlessClick(UpButton());
  EXPECT_EQ(spin->Position(), 0);
  EXPECT_TRUE(clicks.empty());
  allow = true;
  HeadlessClick(UpButton());
  EXPECT_EQ(spin->Position(), 1);
  EXPECT_EQ(deltas, (std::vector<int>{1, 1}));
  EXPECT_EQ(scrolls, (std::vector<WORD>{1}));
  spin->WindowProc = saved;
}

TEST_F(UpDownTest, ArrowKeysInTheEditStepItEvenWhenReadOnly) {
  edit->SetReadOnly(true);
  edit->SetFocus();
  HeadlessKeyPress(VK_UP);
  HeadlessKeyPress(VK_UP);
  HeadlessKeyPress(VK_DOWN);
  EXPECT_EQ(spin->Position(), 1);
  EXPECT_EQ(edit->Text(), "1");
  EXPECT_TRUE(edit->Focused());

  spin->SetArrowKeys(false);
  HeadlessKeyPress(VK_UP);
  EXPECT_EQ(spin->Position(), 1);

  // Disabled, neither keys nor clicks step it.
  spin->SetArrowKeys(true);
  spin->SetEnabled(false);
  HeadlessKeyPress(VK_UP);
  HeadlessClick(UpButton());
  EXPECT_EQ(spin->Position(), 1);
}

TEST_F(UpDownTest, ThousandsGroupsTheDigits) {
  spin->SetMax(100000);
  spin->SetThousands(true);
  spin->SetPosition(12345);
  EXPECT_EQ(edit->Text(), "12,345");
  HeadlessClick(UpButton());
  EXPECT_EQ(spin->Position(), 12346);
  EXPECT_EQ(edit->Text(), "12,346");
}

TEST_F(UpDownTest, FreeingTheEditLeavesAWorkingControl) {
  delete edit;
  edit = nullptr;
  EXPECT_EQ(spin->Associate(), nullptr);
  spin->SetPosition(4);
  HeadlessClick(UpButton());
  EXPECT_EQ(spin->Position(), 5);
}

}  // namespace
