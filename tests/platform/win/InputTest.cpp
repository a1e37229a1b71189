// Pointer routing, capture, leave tracking, double clicks, keys and focus.

#include "WinTestSupport.h"
#include "platform/win/Backend.h"

namespace {

class InputTest : public WinTest {
 protected:
  void SetUp() override {
    WinTest::SetUp();
    top = CreateTop(Bounds(100, 100, 300, 200));
    left = CreateChild(top, Bounds(10, 10, 100, 100));
    right = CreateChild(top, Bounds(150, 10, 100, 100));
    HeadlessPumpUntilIdle();
    ClearLog();
  }
  void Track(HWND w) {
    TRACKMOUSEEVENT t;
    t.dwFlags = TME_LEAVE;
    t.hwndTrack = w;
    TrackMouseEvent(&t);
  }
  HWND top = nullptr, left = nullptr, right = nullptr;
};

TEST_F(InputTest, MouseGoesToTheChildUnderThePointerInClientCoordinates) {
  HeadlessMouseMove({130, 140});
  auto moves = Logged(left, WM_MOUSEMOVE);
  ASSERT_EQ(moves.size(), 1u);
  EXPECT_EQ(moves[0].lParam, MAKELPARAM(20, 30));
  HeadlessMouseMove({200, 250});
  EXPECT_EQ(Count(top, WM_MOUSEMOVE), 1);
  EXPECT_FALSE(Logged(left, WM_SETCURSOR).empty());
}

TEST_F(InputTest, LeaveIsPostedWhenThePointerLeavesAlsoUnderCapture) {
  HeadlessMouseMove({130, 140});
  Track(left);
  SetCapture(left);
  HeadlessMouseMove({135, 140});
  EXPECT_EQ(Count(left, WM_MOUSELEAVE), 0);
  HeadlessMouseMove({300, 140});  // over the right child, captured by the left one
  EXPECT_EQ(Count(left, WM_MOUSELEAVE), 1);
  auto moves = Logged(left, WM_MOUSEMOVE);
  ASSERT_FALSE(moves.empty());
  EXPECT_EQ(moves.back().lParam, MAKELPARAM(190, 30)) << "moves still go to the capture";
  EXPECT_EQ(Count(right, WM_MOUSEMOVE), 0);
  HeadlessMouseMove({900, 900});  // beyond every window
  EXPECT_EQ(Logged(left, WM_MOUSEMOVE).back().lParam, MAKELPARAM(790, 790));
  ReleaseCapture();
  EXPECT_EQ(Count(left, WM_CAPTURECHANGED), 1);
  HeadlessMouseMove({301, 140});
  EXPECT_EQ(Count(right, WM_MOUSEMOVE), 1);
  EXPECT_EQ(Count(left, WM_MOUSELEAVE), 1) << "only once per tracking";
}

TEST_F(InputTest, TrackingAWindowThePointerIsNotOverLeavesAtOnce) {
  HeadlessMouseMove({300, 140});
  Track(left);
  HeadlessPumpUntilIdle();
  EXPECT_EQ(Count(left, WM_MOUSELEAVE), 1);
}

// Over the application's windows their pointer events tell where the
// pointer is; only outside them is the display asked.
TEST_F(InputTest, ThePointerIsKnownFromItsEventsAndAskedForOnlyOutside) {
  HeadlessMouseMove({130, 140});
  const int asked = HeadlessRequests().cursorQueries;
  TPoint p;
  ASSERT_TRUE(GetCursorPos(&p));
  EXPECT_EQ(p, (TPoint{130, 140}));
  EXPECT_TRUE(GetCursorPosFromInput(&p));
  Track(left);
  EXPECT_EQ(HeadlessRequests().cursorQueries, asked);

  HeadlessMouseMove({900, 900});
  EXPECT_EQ(Count(left, WM_MOUSELEAVE), 1);
  EXPECT_FALSE(GetCursorPosFromInput(&p));
  ASSERT_TRUE(GetCursorPos(&p));
  EXPECT_EQ(p, (TPoint{900, 900}));
  EXPECT_EQ(HeadlessRequests().cursorQueries, asked + 1);

  // Its window hidden under the resting pointer tells no more; one that
  // appears under it tells at once.
  HeadlessMouseMove({130, 140});
  ShowWindow(top, SW_HIDE);
  EXPECT_FALSE(GetCursorPosFromInput(&p));
  ShowWindow(top, SW_SHOW);
  detail::OnNativePointerEntered(top, {131, 141});
  ASSERT_TRUE(GetCursorPosFromInput(&p));
  EXPECT_EQ(p, (TPoint{131, 141}));
}

TEST_F(InputTest, WaitingMovesAreMergedAndHoverComesAfterTheRest) {
  HeadlessMouseMove({130, 140});
  ClearLog();
  // Three moves arrive before the application looks at its queue.
  for (int x : {131, 132, 133}) detail::OnNativePointer(top, detail::TPointerAction::Move, {x, 140}, 0);
  HeadlessPumpUntilIdle();
  auto moves = Logged(left, WM_MOUSEMOVE);
  ASSERT_EQ(moves.size(), 1u);
  EXPECT_EQ(moves[0].lParam, MAKELPARAM(23, 30));

  TRACKMOUSEEVENT t;
  t.dwFlags = TME_HOVER;
  t.hwndTrack = left;
  t.dwHoverTime = 300;
  TrackMouseEvent(&t);
  HeadlessAdvanceClock(299);
  EXPECT_EQ(Count(left, WM_MOUSEHOVER), 0);
  HeadlessAdvanceClock(1);
  EXPECT_EQ(Count(left, WM_MOUSEHOVER), 1);
  HeadlessAdvanceClock(1000);
  EXPECT_EQ(Count(left, WM_MOUSEHOVER), 1) << "once per tracking";
}

TEST_F(InputTest, SecondQuickPressIsADoubleClickThenTheSequenceStartsAgain) {
  HeadlessClick({130, 140});
  HeadlessClick({131, 140});
  HeadlessClick({131, 140});
  EXPECT_EQ(Count(left, WM_LBUTTONDOWN), 2);
  EXPECT_EQ(Count(left, WM_LBUTTONDBLCLK), 1);
  EXPECT_EQ(Count(left, WM_LBUTTONUP), 3);
  HeadlessAdvanceClock(600);
  ClearLog();
  HeadlessClick({130, 140});
  HeadlessAdvanceClock(600);
  HeadlessClick({130, 140});
  EXPECT_EQ(Count(left, WM_LBUTTONDBLCLK), 0) << "too slow for a double click";
}

TEST_F(InputTest, DisabledChildPassesThePressToItsParentAndDisabledTopGetsNothing) {
  EnableWindow(left, false);
  HeadlessClick({130, 140});
  EXPECT_EQ(Count(left, WM_LBUTTONDOWN), 0);
  EXPECT_EQ(Count(top, WM_LBUTTONDOWN), 1);
  EnableWindow(top, false);
  HeadlessClick({300, 140});
  EXPECT_EQ(Count(right, WM_LBUTTONDOWN), 0);
  EXPECT_EQ(HeadlessRequests().beeps, 1);
}

TEST_F(InputTest, PressActivatesAnInactiveWindowFirst) {
  HWND other = CreateTop(Bounds(500, 100, 100, 100));
  EXPECT_EQ(GetActiveWindow(), other);
  ClearLog();
  HeadlessClick({130, 140});
  EXPECT_EQ(GetActiveWindow(), top);
  auto activates = Logged(top, WM_ACTIVATE);
  ASSERT_EQ(activates.size(), 1u);
  EXPECT_EQ(LOWORD(activates[0].wParam), WA_CLICKACTIVE);
  EXPECT_EQ(activates[0].lParam, reinterpret_cast<LPARAM>(other));
  EXPECT_EQ(Count(left, WM_MOUSEACTIVATE), 1);
  EXPECT_EQ(Count(left, WM_LBUTTONDOWN), 1);
}

TEST_F(InputTest, FocusMessagesCarryTheOtherWindow) {
  SetFocus(left);
  ClearLog();
  HWND previous = SetFocus(right);
  EXPECT_EQ(previous, left);
  auto kills = Logged(left, WM_KILLFOCUS);
  auto sets = Logged(right, WM_SETFOCUS);
  ASSERT_EQ(kills.size(), 1u);
  ASSERT_EQ(sets.size(), 1u);
  EXPECT_EQ(kills[0].wParam, reinterpret_cast<WPARAM>(right));
  EXPECT_EQ(sets[0].wParam, reinterpret_cast<WPARAM>(left));
  EXPECT_EQ(GetFocus(), right);
}

TEST_F(InputTest, ActivationMovesBetweenTopLevelsWithFocusAndApplicationState) {
  SetFocus(left);
  HWND other = CreateTop(Bounds(500, 100, 100, 100));
  EXPECT_EQ(GetActiveWindow(), other);
  EXPECT_EQ(GetFocus(), other) << "the default WM_ACTIVATE focuses the window";
  EXPECT_EQ(Count(left, WM_KILLFOCUS), 1);
  auto inactive = Logged(top, WM_ACTIVATE);
  ASSERT_FALSE(inactive.empty());
  EXPECT_EQ(LOWORD(inactive.back().wParam), WA_INACTIVE);
  EXPECT_EQ(GetForegroundWindow(), other);

  HeadlessActivate(nullptr);  // another application
  EXPECT_EQ(GetForegroundWindow(), nullptr);
  auto app = Logged(other, WM_ACTIVATEAPP);
  ASSERT_FALSE(app.empty());
  EXPECT_EQ(app.back().wParam, static_cast<WPARAM>(FALSE));
  HeadlessActivate(top);
  EXPECT_EQ(GetActiveWindow(), top);
  EXPECT_EQ(Logged(other, WM_ACTIVATEAPP).back().wParam, static_cast<WPARAM>(TRUE));
}

TEST_F(InputTest, HidingTheFocusedChildOfAnInactiveWindowActivatesNothing) {
  SetFocus(left);
  HWND other = CreateTop(Bounds(500, 100, 100, 100));
  SetFocus(right);  // back in the first window
  SetActiveWindow(other);
  ShowWindow(right, SW_HIDE);
  EXPECT_EQ(GetActiveWindow(), other);
  ShowWindow(right, SW_SHOW);
  SetFocus(right);
  ShowWindow(right, SW_HIDE);
  EXPECT_EQ(GetFocus(), top) << "focus falls back to the active top-level";
}

TEST_F(InputTest, OwnedWindowsStayAboveTheirOwner) {
  HWND tool = Create(WS_POPUP | WS_VISIBLE, Bounds(150, 120, 100, 100), top);  // owned by top
  HWND other = CreateTop(Bounds(120, 110, 100, 100));
  EXPECT_EQ(WindowFromPoint({160, 130}), other);
  HeadlessClick({110, 300 - 5});  // on the owner, outside the others
  EXPECT_EQ(GetActiveWindow(), top);
  EXPECT_EQ(WindowFromPoint({160, 130}), tool) << "the owned window came along above its owner";
  EXPECT_EQ(GetTopWindow(nullptr), tool);
}

TEST_F(InputTest, HidingTheActiveWindowActivatesAnother) {
  HWND other = CreateTop(Bounds(500, 100, 100, 100));
  ShowWindow(other, SW_HIDE);
  EXPECT_EQ(GetActiveWindow(), top);
}

TEST_F(InputTest, KeysGoToTheFocusWindowAndTranslateIntoCharacters) {
  SetFocus(left);
  ClearLog();
  HeadlessKeyPress('A', "a");
  auto downs = Logged(left, WM_KEYDOWN);
  ASSERT_EQ(downs.size(), 1u);
  EXPECT_EQ(downs[0].wParam, static_cast<WPARAM>('A'));
  auto chars = Logged(left, WM_CHAR);
  ASSERT_EQ(chars.size(), 1u);
  EXPECT_EQ(chars[0].wParam, static_cast<WPARAM>('a'));
  EXPECT_EQ(Count(left, WM_KEYUP), 1);

  HeadlessKeyDown(VK_MENU);
  EXPECT_LT(GetKeyState(VK_MENU), 0);
  HeadlessKeyPress(VK_SPACE, " ");
  HeadlessKeyUp(VK_MENU);
  auto sysChars = Logged(left, WM_SYSCHAR);
  ASSERT_EQ(sysChars.size(), 1u);
  EXPECT_EQ(sysChars[0].wParam, static_cast<WPARAM>(' '));
  EXPECT_GE(GetKeyState(VK_MENU), 0) << "up again (the low bit only toggles)";

  HeadlessText("\xC3\xA9");  // an input method commits "é"
  auto accented = Logged(left, WM_CHAR);
  EXPECT_EQ(accented.back().wParam, 0xE9u);
}

TEST_F(InputTest, WheelGoesToTheFocusWindowAndUpToItsParent) {
  SetFocus(left);
  ClearLog();
  HeadlessMouseMove({300, 140});
  HeadlessWheel(-120);
  auto wheel = Logged(left, WM_MOUSEWHEEL);
  ASSERT_EQ(wheel.size(), 1u);
  EXPECT_EQ(GET_WHEEL_DELTA_WPARAM(wheel[0].wParam), -120);
  EXPECT_EQ(Count(top, WM_MOUSEWHEEL), 1) << "the default procedure hands it up";
}

TEST_F(InputTest, PointerButtonStateIsKnownSynchronouslyAndNow) {
  HeadlessMouseMove({130, 140});
  bool downInHandler = false;
  Handle(left, WM_LBUTTONDOWN, [&](HWND, UINT, WPARAM, LPARAM) -> std::optional<LRESULT> {
    downInHandler = GetKeyState(VK_LBUTTON) < 0 && GetAsyncKeyState(VK_LBUTTON) < 0;
    return 0;
  });
  HeadlessMouseDown();
  EXPECT_TRUE(downInHandler);
  HeadlessMouseUp();
  EXPECT_EQ(GetAsyncKeyState(VK_LBUTTON), 0);
}

TEST_F(InputTest, SetCursorDefaultsToTheClassCursorAndEdgeShapes) {
  WNDCLASS hand;
  hand.lpszClassName = "Hand";
  hand.lpfnWndProc = DefWindowProc;
  hand.hCursor = LoadCursor(nullptr, IDC_HAND);
  RegisterClass(hand);
  CreateWindowEx(0, "Hand", "", WS_CHILD | WS_VISIBLE, 10, 150, 40, 40, top);
  HeadlessMouseMove({120, 260});
  EXPECT_EQ(HeadlessRequests().cursorId, IDC_HAND);
}

TEST_F(InputTest, RightClickAndMenuKeysAskForAContextMenuThatClimbsToTheParent) {
  HeadlessClick({130, 140}, VK_RBUTTON);
  auto onChild = Logged(left, WM_CONTEXTMENU);
  ASSERT_EQ(onChild.size(), 1u);
  EXPECT_EQ(onChild[0].wParam, reinterpret_cast<WPARAM>(left));
  EXPECT_EQ(GET_X_LPARAM(onChild[0].lParam), 130);
  EXPECT_EQ(GET_Y_LPARAM(onChild[0].lParam), 140);
  auto onParent = Logged(top, WM_CONTEXTMENU);
  ASSERT_EQ(onParent.size(), 1u);
  EXPECT_EQ(onParent[0].wParam, reinterpret_cast<WPARAM>(left)) << "still names the clicked window";

  // A child that answers keeps it from its parent.
  ClearLog();
  Handle(left, WM_CONTEXTMENU, [](HWND, UINT, WPARAM, LPARAM) { return std::optional<LRESULT>(0); });
  SetFocus(left);
  HeadlessKeyPress(VK_APPS);
  HeadlessKeyDown(VK_SHIFT);
  HeadlessKeyPress(VK_F10);
  HeadlessKeyUp(VK_SHIFT);
  HeadlessKeyPress(VK_F10);  // without Shift: no menu
  auto fromKeys = Logged(left, WM_CONTEXTMENU);
  ASSERT_EQ(fromKeys.size(), 2u);
  for (const TLoggedMessage& m : fromKeys) {
    EXPECT_EQ(m.wParam, reinterpret_cast<WPARAM>(left));
    EXPECT_EQ(m.lParam, -1);
  }
  EXPECT_EQ(Count(top, WM_CONTEXTMENU), 0);
}

}  // namespace
