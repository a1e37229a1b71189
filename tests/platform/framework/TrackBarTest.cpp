#include <vector>

#include "StdControlsSupport.h"
#include "platform/framework/ComCtrls.h"

namespace {

class TrackBarTest : public StdControlsTest {
 protected:
  void SetUp() override {
    StdControlsTest::SetUp();
    bar = Place<TTrackBar>(10, 10, 200, 45);
    bar->SetRange(0, 100);
    bar->SetLineSize(1);
    bar->SetPageSize(10);
    bar->OnChange = [this](TObject*) { changes.push_back(bar->Position()); };
    form->SetMessageHandler(WM_HSCROLL, [this](TMessage& m) {
      if (reinterpret_cast<HWND>(m.LParam) == bar->Handle()) codes.push_back(LOWORD(m.WParam));
    });
    bar->SetFocus();
    HeadlessPumpUntilIdle();
  }
  TPoint ThumbCentre() {
    TRect t = bar->ThumbRect();
    return ScreenPointOf(bar, (t.Left + t.Right) / 2, (t.Top + t.Bottom) / 2);
  }

  TTrackBar* bar = nullptr;
  std::vector<int> changes;
  std::vector<WORD> codes;
};

TEST_F(TrackBarTest, KeysStepByLineAndPageAndStopAtTheEnds) {
  HeadlessKeyPress(VK_RIGHT);
  HeadlessKeyPress(VK_NEXT);
  HeadlessKeyPress(VK_DOWN);
  EXPECT_EQ(bar->Position(), 12);
  HeadlessKeyPress(VK_PRIOR);
  HeadlessKeyPress(VK_LEFT);
  EXPECT_EQ(bar->Position(), 1);
  HeadlessKeyPress(VK_PRIOR);  // clamped at Min
  EXPECT_EQ(bar->Position(), 0);
  HeadlessKeyPress(VK_END);
  EXPECT_EQ(bar->Position(), 100);
  HeadlessKeyPress(VK_RIGHT);  // nothing past Max: no change event
  HeadlessKeyPress(VK_HOME);
  EXPECT_EQ(changes, (std::vector<int>{1, 11, 12, 2, 1, 0, 100, 0}));
  EXPECT_EQ(codes, (std::vector<WORD>{TB_LINEDOWN, TB_ENDTRACK, TB_PAGEDOWN, TB_ENDTRACK, TB_LINEDOWN, TB_ENDTRACK,
                                      TB_PAGEUP, TB_ENDTRACK, TB_LINEUP, TB_ENDTRACK, TB_PAGEUP, TB_ENDTRACK,
                                      TB_BOTTOM, TB_ENDTRACK, TB_LINEDOWN, TB_ENDTRACK, TB_TOP, TB_ENDTRACK}));
  // The arrow keys stay with the track bar instead of moving the focus.
  EXPECT_TRUE(bar->Focused());
}

TEST_F(TrackBarTest, DraggingTheThumbFollowsThePointer) {
  HeadlessMouseMove(ThumbCentre());
  HeadlessMouseDown();
  TRect channel = bar->ChannelRect();
  HeadlessMouseMove(ScreenPointOf(bar, (channel.Left + channel.Right) / 2, 20));
  EXPECT_NEAR(bar->Position(), 50, 1);
  HeadlessMouseMove(ScreenPointOf(bar, 400, 20));  // far past the end
  EXPECT_EQ(bar->Position(), 100);
  HeadlessMouseUp();
  ASSERT_GE(codes.size(), 3u);
  EXPECT_EQ(codes.front(), TB_THUMBTRACK);
  EXPECT_EQ(codes[codes.size() - 2], TB_THUMBPOSITION);
  EXPECT_EQ(codes.back(), TB_ENDTRACK);
  EXPECT_EQ(changes.back(), 100);
  EXPECT_EQ(bar->PositionAt(bar->ThumbRect().Left + 5), 100);
}

TEST_F(TrackBarTest, PressingTheChannelPagesTowardsThePointerWhileHeld) {
  TRect channel = bar->ChannelRect();
  TPoint target = ScreenPointOf(bar, channel.Left + (channel.Width() * 35) / 100, 20);
  HeadlessMouseMove(target);
  HeadlessMouseDown();
  EXPECT_EQ(bar->Position(), 10);
  HeadlessAdvanceClock(250);
  int held = bar->Position();
  EXPECT_GT(held, 10);
  HeadlessAdvanceClock(1000);
  // Stops under the pointer, not past it.
  EXPECT_NEAR(bar->Position(), bar->PositionAt(target.X - bar->ClientOrigin().X), 1);
  HeadlessMouseUp();
  EXPECT_EQ(codes.front(), TB_PAGEDOWN);
  EXPECT_EQ(codes.back(), TB_ENDTRACK);
}

TEST_F(TrackBarTest, RangeChangesClampThePositionAndTheMessagesAgree) {
  bar->SetPosition(50);
  changes.clear();
  bar->SetMin(60);
  EXPECT_EQ(bar->Position(), 60);
  EXPECT_EQ(changes, std::vector<int>{60});
  bar->SetMax(40);  // below Min: the range collapses
  EXPECT_EQ(bar->Min(), 40);
  EXPECT_EQ(bar->Max(), 40);
  bar->Perform(TBM_SETRANGE, 1, MAKELPARAM(0, 20));
  bar->Perform(TBM_SETPOS, 1, 15);
  EXPECT_EQ(bar->Perform(TBM_GETPOS, 0, 0), 15);
  EXPECT_EQ(bar->Perform(TBM_GETRANGEMAX, 0, 0), 20);
  EXPECT_TRUE(codes.empty());  // changes from code are not reported to the parent

  bar->SetFrequency(5);
  EXPECT_EQ(bar->Ticks(), (std::vector<int>{0, 5, 10, 15, 20}));
  bar->SetTickStyle(tsManual);
  bar->SetTick(7);
  EXPECT_EQ(bar->Ticks(), (std::vector<int>{0, 7, 20}));
  EXPECT_EQ(bar->Perform(TBM_GETNUMTICS, 0, 0), 3);
  bar->SetTickStyle(tsNone);
  EXPECT_TRUE(bar->Ticks().empty());
}

TEST_F(TrackBarTest, VerticalBarRunsDownwardsAndReportsVerticalScrolls) {
  std::vector<WORD> vertical;
  form->SetMessageHandler(WM_VSCROLL, [&](TMessage& m) { vertical.push_back(LOWORD(m.WParam)); });
  bar->SetOrientation(trVertical);
  EXPECT_EQ(bar->Width(), 45);
  EXPECT_EQ(bar->Height(), 200);
  bar->SetFocus();
  int top = bar->ThumbRect().Top;
  HeadlessKeyPress(VK_NEXT);
  EXPECT_EQ(bar->Position(), 10);
  EXPECT_GT(bar->ThumbRect().Top, top);
  EXPECT_EQ(vertical, (std::vector<WORD>{TB_PAGEDOWN, TB_ENDTRACK}));
}

TEST_F(TrackBarTest, ThumbIsPaintedWhereThePositionSaysAndTheFocusIsFramed) {
  bar->SetPosition(100);
  TRect thumb = bar->ThumbRect();
  int middleY = (thumb.Top + thumb.Bottom) / 2;
  EXPECT_EQ(PixelOf(bar, thumb.Left, middleY), ColorToRGB(clBtnHighlight));  // the raised edge
  EXPECT_EQ(PixelOf(bar, 20, (bar->ChannelRect().Top + bar->ChannelRect().Bottom) / 2), ColorToRGB(clWindow));
  EXPECT_NE(PixelOf(bar, 2, 0), ColorToRGB(clBtnFace));  // the focus frame
  auto* other = Place<TTrackBar>(10, 100, 100, 45);
  other->SetFocus();
  EXPECT_EQ(PixelOf(bar, 2, 0), ColorToRGB(clBtnFace));
}

}  // namespace
