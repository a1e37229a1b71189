// The scroll-bar control: steps by arrows, pages, thumb and keys, OnScroll
// and OnChange, and its information through SB_CTL.

#include <gtest/gtest.h>

#include <vector>

#include "FormTestSupport.h"
#include "platform/framework/ScrollBars.h"

namespace {

class ScrollBarTest : public HeadlessFormsTest {
 protected:
  TScrollBar* MakeBar(TForm* form) {
    auto* bar = new TScrollBar(form);
    bar->SetParent(form);
    bar->SetBounds(10, 10, 200, 16);
    bar->SetParams(0, 0, 100);
    bar->SetPageSize(20);
    bar->SetSmallChange(2);
    bar->SetLargeChange(15);
    bar->OnChange = [this](TObject*) { ++changes; };
    HeadlessPumpUntilIdle();
    return bar;
  }
  int changes = 0;
};

TEST_F(ScrollBarTest, ArrowsPagesAndKeysMoveThePosition) {
  TForm* form = ShownForm();
  TScrollBar* bar = MakeBar(form);
  HeadlessClick(bar->ClientToScreen({195, 8}));
  EXPECT_EQ(bar->Position(), 2);
  EXPECT_EQ(changes, 1);
  HeadlessAdvanceClock(1000);
  HeadlessClick(bar->ClientToScreen({150, 8}));
  EXPECT_EQ(bar->Position(), 17);
  HeadlessKeyPress(VK_END);
  EXPECT_EQ(bar->Position(), 81);  // the last page starts there
  HeadlessKeyPress(VK_LEFT);
  EXPECT_EQ(bar->Position(), 79);
  bar->SetPosition(79);
  EXPECT_EQ(changes, 4);  // the same position fires nothing
}

TEST_F(ScrollBarTest, DraggingTheThumbTracksAndOnScrollMayChangeThePosition) {
  TForm* form = ShownForm();
  TScrollBar* bar = MakeBar(form);
  std::vector<TScrollCode> codes;
  bar->OnScroll = [&](TObject*, TScrollCode code, int& pos) {
    codes.push_back(code);
    if (code == scPosition) pos = pos / 10 * 10;  // snaps to tens
  };
  SCROLLBARINFO sbi;
  ASSERT_TRUE(GetScrollBarInfo(bar->Handle(), OBJID_CLIENT, &sbi));
  EXPECT_EQ(sbi.xyThumbBottom - sbi.xyThumbTop, (200 - 32) * 20 / 101);
  int y = sbi.rcScrollBar.Top + 8;
  HeadlessMouseMove({sbi.rcScrollBar.Left + sbi.xyThumbTop + 3, y});
  HeadlessMouseDown();
  HeadlessMouseMove({sbi.rcScrollBar.Left + sbi.xyThumbTop + 3 + 70, y});
  HeadlessMouseUp();
  ASSERT_GE(codes.size(), 3u);
  EXPECT_EQ(codes.front(), scTrack);
  EXPECT_EQ(codes[codes.size() - 2], scPosition);
  EXPECT_EQ(codes.back(), scEndScroll);
  EXPECT_EQ(bar->Position() % 10, 0);
  EXPECT_GT(bar->Position(), 30);
  SCROLLINFO si;
  si.fMask = SIF_ALL;
  ASSERT_TRUE(GetScrollInfo(bar->Handle(), SB_CTL, &si));
  EXPECT_EQ(si.nPos, bar->Position());
  EXPECT_EQ(si.nPage, 20u);
}

TEST_F(ScrollBarTest, BadRangeIsRefusedAndPositionIsClamped) {
  TForm* form = ShownForm();
  TScrollBar* bar = MakeBar(form);
  EXPECT_THROW(bar->SetParams(0, 10, 5), EInvalidOperation);
  EXPECT_EQ(bar->Max(), 100);
  bar->SetPosition(500);
  EXPECT_EQ(bar->Position(), 81);
  bar->SetKind(sbVertical);
  EXPECT_EQ(bar->Width(), 16);
  EXPECT_EQ(bar->Height(), 200);
  EXPECT_EQ(bar->Position(), 81);
}

}  // namespace
