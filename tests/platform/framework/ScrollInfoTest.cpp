// Window scroll bars: Win32 semantics of the scroll information, the
// thumb geometry, and clicks on the non-client bars.

#include <gtest/gtest.h>

#include <limits>
#include <utility>
#include <vector>

#include "FormTestSupport.h"
#include "platform/framework/ListControls.h"
#include "platform/framework/ScrollBars.h"

namespace {

SCROLLINFO Info(int min, int max, UINT page, int pos) {
  SCROLLINFO si;
  si.fMask = SIF_ALL;
  si.nMin = min;
  si.nMax = max;
  si.nPage = page;
  si.nPos = pos;
  return si;
}

TEST(ScrollBarLayoutTest, ThumbIsProportionalToThePageAndMovesWithThePosition) {
  // 200 pixels: two 16-pixel arrows leave a 168-pixel track.
  TScrollBarLayout top = LayoutScrollBar(Info(0, 24, 10, 0), 200, 16, true);
  EXPECT_EQ(top.arrow, 16);
  EXPECT_EQ(top.thumbTop, 16);
  EXPECT_EQ(top.thumbBottom - top.thumbTop, 168 * 10 / 25);
  TScrollBarLayout bottom = LayoutScrollBar(Info(0, 24, 10, 15), 200, 16, true);
  EXPECT_EQ(bottom.thumbBottom, 200 - 16);
}

TEST(ScrollBarLayoutTest, ThumbHasAMinimumAndVanishesWhenItCannotFit) {
  TScrollBarLayout tiny = LayoutScrollBar(Info(0, 9999, 1, 0), 200, 16, true);
  EXPECT_EQ(tiny.thumbBottom - tiny.thumbTop, kMinThumbLength);
  TScrollBarLayout shortBar = LayoutScrollBar(Info(0, 24, 10, 0), 36, 16, true);
  EXPECT_EQ(shortBar.thumbBottom, 0);
  TScrollBarLayout squeezed = LayoutScrollBar(Info(0, 24, 10, 0), 20, 16, true);
  EXPECT_EQ(squeezed.arrow, 10);
  TScrollBarLayout disabled = LayoutScrollBar(Info(0, 24, 10, 0), 200, 16, false);
  EXPECT_EQ(disabled.thumbBottom, 0);
}

TEST(ScrollBarLayoutTest, ThumbOffsetMapsBackToThePosition) {
  SCROLLINFO si = Info(0, 24, 10, 0);
  for (int pos : {0, 3, 8, 15}) {
    si.nPos = pos;
    TScrollBarLayout layout = LayoutScrollBar(si, 200, 16, true);
    EXPECT_EQ(ScrollPosFromThumb(si, layout, 200, layout.thumbTop), pos);
  }
}

class ScrollInfoTest : public HeadlessFormsTest {
 protected:
  // An owner-drawn list of 16-pixel rows showing exactly ten of them.
  TListBox* TenRowList(TForm* form, int items) {
    auto* list = new TListBox(form);
    list->SetParent(form);
    list->SetBorderStyle(bsNone);
    list->SetStyle(lbOwnerDrawFixed);
    list->SetItemHeight(16);
    list->SetBounds(10, 10, 120 + GetSystemMetrics(SM_CXVSCROLL), 160);
    for (int i = 0; i < items; ++i) list->Items()->Add("Row " + std::to_string(i));
    HeadlessPumpUntilIdle();
    return list;
  }
};

TEST_F(ScrollInfoTest, ListOf25RowsShowing10ReportsRangePageAndProportionalThumb) {
  TForm* form = ShownForm();
  TListBox* list = TenRowList(form, 25);
  SCROLLINFO si;
  si.fMask = SIF_ALL;
  ASSERT_TRUE(GetScrollInfo(list->Handle(), SB_VERT, &si));
  EXPECT_EQ(si.nMin, 0);
  EXPECT_EQ(si.nMax, 24);
  EXPECT_EQ(si.nPage, 10u);
  EXPECT_EQ(si.nPos, 0);

  SCROLLBARINFO sbi;
  ASSERT_TRUE(GetScrollBarInfo(list->Handle(), OBJID_VSCROLL, &sbi));
  EXPECT_EQ(sbi.rgstate[0], 0u);
  EXPECT_EQ(sbi.rcScrollBar.Height(), 160);
  EXPECT_EQ(sbi.dxyLineButton, 16);
  EXPECT_EQ(sbi.xyThumbBottom - sbi.xyThumbTop, (160 - 32) * 10 / 25);
  EXPECT_EQ(list->ClientWidth(), 120);
}

TEST_F(ScrollInfoTest, ShortListHidesTheBarAndReportsItInvisible) {
  TForm* form = ShownForm();
  TListBox* list = TenRowList(form, 5);
  SCROLLBARINFO sbi;
  ASSERT_TRUE(GetScrollBarInfo(list->Handle(), OBJID_VSCROLL, &sbi));
  EXPECT_EQ(sbi.rgstate[0], STATE_SYSTEM_INVISIBLE);
  EXPECT_EQ(GetWindowLong(list->Handle(), GWL_STYLE) & WS_VSCROLL, 0);
  EXPECT_EQ(list->ClientWidth(), 120 + GetSystemMetrics(SM_CXVSCROLL));
  // Growing the list brings the bar back.
  for (int i = 0; i < 10; ++i) list->Items()->Add("More");
  EXPECT_NE(GetWindowLong(list->Handle(), GWL_STYLE) & WS_VSCROLL, 0);
  EXPECT_EQ(list->ClientWidth(), 120);
}

TEST_F(ScrollInfoTest, SetScrollInfoClampsAndDisablesWhenAsked) {
  TForm* form = ShownForm();
  TListBox* list = TenRowList(form, 25);
  HWND h = list->Handle();
  SCROLLINFO si = Info(0, 24, 10, 99);
  EXPECT_EQ(SetScrollInfo(h, SB_VERT, &si, true), 15);
  EXPECT_EQ(GetScrollPos(h, SB_VERT), 15);
  si = Info(0, 4, 10, 0);
  si.fMask |= SIF_DISABLENOSCROLL;
  SetScrollInfo(h, SB_VERT, &si, true);
  SCROLLINFO back;
  back.fMask = SIF_ALL;
  GetScrollInfo(h, SB_VERT, &back);
  EXPECT_EQ(back.nPage, 5u);  // never more than the range
  SCROLLBARINFO sbi;
  GetScrollBarInfo(h, OBJID_VSCROLL, &sbi);
  EXPECT_EQ(sbi.rgstate[0], STATE_SYSTEM_UNAVAILABLE);
  EXPECT_EQ(sbi.xyThumbBottom, 0);
  EXPECT_FALSE(GetScrollInfo(nullptr, SB_VERT, &back));
  EXPECT_FALSE(GetScrollInfo(h, 7, &back));
  EXPECT_FALSE(GetScrollBarInfo(h, 12345, &sbi));
}

TEST_F(ScrollInfoTest, DisabledArrowsRefuseClicksAndHiddenBarsGiveTheirRoomBack) {
  TForm* form = ShownForm();
  TListBox* list = TenRowList(form, 25);
  HWND h = list->Handle();
  ASSERT_TRUE(EnableScrollBar(h, SB_VERT, ESB_DISABLE_RTDN));
  SCROLLBARINFO sbi;
  GetScrollBarInfo(h, OBJID_VSCROLL, &sbi);
  EXPECT_EQ(sbi.rgstate[5], STATE_SYSTEM_UNAVAILABLE);
  EXPECT_EQ(sbi.rgstate[1], 0u);
  HeadlessClick({sbi.rcScrollBar.Left + 8, sbi.rcScrollBar.Bottom - 4});
  EXPECT_EQ(list->TopIndex(), 0);
  EnableScrollBar(h, SB_VERT, ESB_DISABLE_BOTH);
  GetScrollBarInfo(h, OBJID_VSCROLL, &sbi);
  EXPECT_EQ(sbi.rgstate[0], STATE_SYSTEM_UNAVAILABLE);
  // Any window of the framework gets its bars from a range, and gives
  // their room back when they are hidden.
  auto* bare = new TScrollingControl(form);
  bare->SetParent(form);
  bare->SetBounds(150, 10, 100, 100);
  SetScrollRange(bare->Handle(), SB_VERT, 0, 50, true);
  EXPECT_EQ(bare->ClientWidth(), 100 - GetSystemMetrics(SM_CXVSCROLL));
  ShowScrollBar(bare->Handle(), SB_VERT, false);
  EXPECT_EQ(bare->ClientWidth(), 100);
  EXPECT_FALSE(EnableScrollBar(nullptr, SB_VERT, ESB_ENABLE_BOTH));
  EXPECT_FALSE(ShowScrollBar(h, 9, true));
}

TEST_F(ScrollInfoTest, WindowWithoutBarsHasNoneToAskUntilItsInformationIsSet) {
  TForm* form = ShownForm();
  auto* bare = new TScrollingControl(form);
  bare->SetParent(form);
  bare->SetBounds(10, 10, 100, 100);
  HWND h = bare->Handle();
  SCROLLINFO si = Info(7, 7, 7, 7);
  for (int bar : {SB_HORZ, SB_VERT}) {
    EXPECT_FALSE(GetScrollInfo(h, bar, &si)) << "bar " << bar;
    int low = 7, high = 7;
    EXPECT_TRUE(GetScrollRange(h, bar, &low, &high));
    EXPECT_EQ(low, 0);
    EXPECT_EQ(high, 0);
    EXPECT_EQ(GetScrollPos(h, bar), 0);
  }
  // The style alone gives the bar, with the range of a fresh window.
  SetWindowLong(h, GWL_STYLE, GetWindowLong(h, GWL_STYLE) | WS_VSCROLL);
  ASSERT_TRUE(GetScrollInfo(h, SB_VERT, &si));
  EXPECT_EQ(si.nMin, 0);
  EXPECT_EQ(si.nMax, 100);
  // Setting anything makes the bar, even one that stays hidden.
  ASSERT_TRUE(SetScrollRange(h, SB_HORZ, 3, 3, false));
  EXPECT_EQ(GetWindowLong(h, GWL_STYLE) & WS_HSCROLL, 0);
  ASSERT_TRUE(GetScrollInfo(h, SB_HORZ, &si));
  EXPECT_EQ(si.nMin, 3);
  EXPECT_EQ(si.nMax, 3);
  // A scroll-bar control always has its information.
  auto* control = new TScrollBar(form);
  control->SetParent(form);
  int low = 7, high = 7;
  EXPECT_TRUE(GetScrollRange(control->Handle(), SB_CTL, &low, &high));
  EXPECT_EQ(high, 100);
}

// The page is unsigned: pages of 2^31 and more still hold the position in
// [nMin, nMax - (nPage - 1)], for window bars and scroll-bar controls alike.
TEST_F(ScrollInfoTest, HugePagesClampThePositionWithoutOverflow) {
  constexpr int kMin = std::numeric_limits<int>::min();
  constexpr int kMax = std::numeric_limits<int>::max();
  TForm* form = ShownForm();
  auto* bare = new TScrollingControl(form);
  bare->SetParent(form);
  auto* control = new TScrollBar(form);
  control->SetParent(form);
  struct Case {
    int min, max;
    UINT page;
    int pos, wantPos;
    UINT wantPage;
  };
  const Case cases[] = {
      {kMin, kMax, 0x80000000u, kMax, 0, 0x80000000u},
      {kMin, kMax, 0x80000005u, kMax, -5, 0x80000005u},
      {kMin, kMax, 0xFFFFFFFFu, kMax, kMin + 1, 0xFFFFFFFFu},
      {0, kMax, 0xFFFFFFFFu, 50, 0, 0x80000000u},  // the page is cut to the range
      {-10, 10, 0x90000000u, 3, -10, 21},
  };
  for (auto [hwnd, bar] : {std::pair{bare->Handle(), SB_VERT}, std::pair{control->Handle(), SB_CTL}}) {
    for (const Case& c : cases) {
      SCROLLINFO in = Info(c.min, c.max, c.page, c.pos);
      EXPECT_EQ(SetScrollInfo(hwnd, bar, &in, false), c.wantPos) << "bar " << bar << " page " << c.page;
      SCROLLINFO out;
      out.fMask = SIF_ALL;
      ASSERT_TRUE(GetScrollInfo(hwnd, bar, &out));
      EXPECT_EQ(out.nPage, c.wantPage);
      EXPECT_EQ(out.nPos, c.wantPos);
    }
  }
  // The control's own steps stop at the ends of the int range.
  control->SetPageSize(0);
  control->SetParams(kMax, kMin, kMax);
  control->SetLargeChange(10);
  SendMessage(control->Handle(), CN_HSCROLL, SB_PAGEDOWN, 0);
  EXPECT_EQ(control->Position(), kMax);
  control->SetPosition(kMin);
  SendMessage(control->Handle(), CN_HSCROLL, SB_LINEUP, 0);
  EXPECT_EQ(control->Position(), kMin);
}

TEST_F(ScrollInfoTest, ThumbPositionMovesTheTopIndex) {
  TForm* form = ShownForm();
  TListBox* list = TenRowList(form, 25);
  SendMessage(list->Handle(), WM_VSCROLL, static_cast<WPARAM>(MAKELPARAM(SB_THUMBPOSITION, 7)), 0);
  EXPECT_EQ(list->TopIndex(), 7);
  EXPECT_EQ(GetScrollPos(list->Handle(), SB_VERT), 7);
  SendMessage(list->Handle(), WM_VSCROLL, SB_PAGEDOWN, 0);
  EXPECT_EQ(list->TopIndex(), 15);  // never past the last full page
  SendMessage(list->Handle(), WM_VSCROLL, SB_LINEUP, 0);
  EXPECT_EQ(list->TopIndex(), 14);
}

TEST_F(ScrollInfoTest, ClicksOnTheBarSendScrollMessagesAWindowProcedureHookSees) {
  TForm* form = ShownForm();
  TListBox* list = TenRowList(form, 25);
  std::vector<WORD> codes;
  TWndMethod previous = list->WindowProc;
  list->WindowProc = [&](TMessage& m) {
    if (m.Msg == WM_VSCROLL) codes.push_back(LOWORD(m.WParam));
    previous(m);
  };
  SCROLLBARINFO sbi;
  GetScrollBarInfo(list->Handle(), OBJID_VSCROLL, &sbi);
  int x = sbi.rcScrollBar.Left + 8;
  // The down arrow.
  HeadlessClick({x, sbi.rcScrollBar.Bottom - 4});
  EXPECT_EQ(list->TopIndex(), 1);
  ASSERT_GE(codes.size(), 2u);
  EXPECT_EQ(codes.front(), SB_LINEDOWN);
  EXPECT_EQ(codes.back(), SB_ENDSCROLL);
  // Below the thumb: a page.
  codes.clear();
  GetScrollBarInfo(list->Handle(), OBJID_VSCROLL, &sbi);
  HeadlessClick({x, sbi.rcScrollBar.Top + sbi.xyThumbBottom + 4});
  EXPECT_EQ(list->TopIndex(), 11);
  // Dragging the thumb back to the top tracks, then sets the position.
  codes.clear();
  GetScrollBarInfo(list->Handle(), OBJID_VSCROLL, &sbi);
  int grabY = sbi.rcScrollBar.Top + sbi.xyThumbTop + 5;
  HeadlessMouseMove({x, grabY});
  HeadlessMouseDown();
  HeadlessMouseMove({x, grabY - 200});
  HeadlessMouseUp();
  EXPECT_EQ(list->TopIndex(), 0);
  ASSERT_GE(codes.size(), 3u);
  EXPECT_EQ(codes[0], SB_THUMBTRACK);
  EXPECT_EQ(codes[codes.size() - 2], SB_THUMBPOSITION);
  EXPECT_EQ(codes.back(), SB_ENDSCROLL);
  list->WindowProc = previous;
}

TEST_F(ScrollInfoTest, AQuickDragMovingBeforeTheCaptureTookHoldStillMovesTheThumb) {
  TForm* form = ShownForm();
  TListBox* list = TenRowList(form, 25);
  SCROLLBARINFO sbi;
  GetScrollBarInfo(list->Handle(), OBJID_VSCROLL, &sbi);
  const int x = sbi.rcScrollBar.Left + 8;
  HeadlessMouseMove({x, sbi.rcScrollBar.Top + sbi.xyThumbTop + 5});
  HeadlessMouseDown();
  // The move and the release come as the bar's own (non-client) messages,
  // in screen coordinates, as before the press's capture.
  SendMessage(list->Handle(), WM_NCMOUSEMOVE, HTVSCROLL, MAKELPARAM(x, sbi.rcScrollBar.Bottom - 20));
  SendMessage(list->Handle(), WM_NCLBUTTONUP, HTVSCROLL, MAKELPARAM(x, sbi.rcScrollBar.Bottom - 20));
  EXPECT_EQ(list->TopIndex(), 15);
  HeadlessMouseUp();
}

TEST_F(ScrollInfoTest, HeldArrowRepeatsOnTheTimer) {
  TForm* form = ShownForm();
  TListBox* list = TenRowList(form, 25);
  SCROLLBARINFO sbi;
  GetScrollBarInfo(list->Handle(), OBJID_VSCROLL, &sbi);
  HeadlessMouseMove({sbi.rcScrollBar.Left + 8, sbi.rcScrollBar.Bottom - 4});
  HeadlessMouseDown();
  EXPECT_EQ(list->TopIndex(), 1);
  HeadlessAdvanceClock(400 + 50 * 3);
  EXPECT_GE(list->TopIndex(), 4);
  HeadlessMouseUp();
  int stopped = list->TopIndex();
  HeadlessAdvanceClock(500);
  EXPECT_EQ(list->TopIndex(), stopped);
}

TEST_F(ScrollInfoTest, ArrowClickEndsWhateverWayTheReleaseArrives) {
  TForm* form = ShownForm();
  TListBox* list = TenRowList(form, 25);
  SCROLLBARINFO sbi;
  GetScrollBarInfo(list->Handle(), OBJID_VSCROLL, &sbi);
  TPoint arrow{sbi.rcScrollBar.Left + 8, sbi.rcScrollBar.Bottom - 4};
  // The release classed as non-client, arriving while the tracker runs.
  HeadlessMouseMove(arrow);
  HeadlessMouseDown();
  SendMessage(list->Handle(), WM_NCLBUTTONUP, HTVSCROLL, MAKELPARAM(arrow.X, arrow.Y));
  HeadlessAdvanceClock(1000);
  EXPECT_EQ(list->TopIndex(), 1);
  EXPECT_NE(GetCapture(), list->Handle());
  HeadlessMouseUp();
  // The release never reaching the control: the next tick sees the button up.
  TWndMethod previous = list->WindowProc;
  list->WindowProc = [&](TMessage& m) {
    if (m.Msg != WM_LBUTTONUP) previous(m);
  };
  HeadlessMouseDown();
  HeadlessMouseUp();
  HeadlessAdvanceClock(1000);
  EXPECT_EQ(list->TopIndex(), 2);
  EXPECT_NE(GetCapture(), list->Handle());
  list->WindowProc = previous;
}

}  // namespace
