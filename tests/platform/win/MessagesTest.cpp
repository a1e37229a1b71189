// Window procedures, subclassing chains, posting and sending.

#include <thread>

#include "WinTestSupport.h"
#include "platform/os/MainThread.h"

namespace {

WNDPROC savedProc = nullptr;
std::vector<UINT> hookSaw;

// Swallows WM_USER + 1, answers WM_USER + 2 itself, forwards the rest.
LRESULT HookProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  hookSaw.push_back(message);
  if (message == WM_USER + 1) return 0;
  if (message == WM_USER + 2) return 77;
  return CallWindowProc(savedProc, hwnd, message, wParam, lParam);
}

WNDPROC outerSaved = nullptr;
LRESULT OuterHookProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_USER + 3) return CallWindowProc(outerSaved, hwnd, message, wParam, lParam) + 1000;
  return CallWindowProc(outerSaved, hwnd, message, wParam, lParam);
}

class MessagesTest : public WinTest {};

TEST_F(MessagesTest, SubclassChainSwallowsAnswersForwardsAndIsRemoved) {
  HWND w = CreateTop(Bounds(10, 10, 100, 100));
  Handle(w, WM_USER + 3, [](HWND, UINT, WPARAM wParam, LPARAM) { return static_cast<LRESULT>(wParam * 2); });
  hookSaw.clear();
  savedProc = reinterpret_cast<WNDPROC>(SetWindowLong(w, GWL_WNDPROC, reinterpret_cast<LONG_PTR>(&HookProc)));
  outerSaved = reinterpret_cast<WNDPROC>(SetWindowLong(w, GWL_WNDPROC, reinterpret_cast<LONG_PTR>(&OuterHookProc)));
  ClearLog();

  EXPECT_EQ(SendMessage(w, WM_USER + 1, 0, 0), 0);
  EXPECT_EQ(Count(w, WM_USER + 1), 0) << "swallowed by the hook";
  EXPECT_EQ(SendMessage(w, WM_USER + 2, 0, 0), 77);
  EXPECT_EQ(Count(w, WM_USER + 2), 0);
  EXPECT_EQ(SendMessage(w, WM_USER + 3, 21, 0), 1042) << "through both hooks to the original";
  EXPECT_EQ(Count(w, WM_USER + 3), 1);

  // Unhook in reverse order: the original procedure is back.
  SetWindowLong(w, GWL_WNDPROC, reinterpret_cast<LONG_PTR>(outerSaved));
  SetWindowLong(w, GWL_WNDPROC, reinterpret_cast<LONG_PTR>(savedProc));
  hookSaw.clear();
  EXPECT_EQ(SendMessage(w, WM_USER + 3, 5, 0), 10);
  SendMessage(w, WM_USER + 1, 0, 0);
  EXPECT_EQ(Count(w, WM_USER + 1), 1);
  EXPECT_TRUE(hookSaw.empty());
}

TEST_F(MessagesTest, WindowLongsKeepStylesUserDataAndNotifyStyleChanges) {
  HWND w = CreateTop(Bounds(0, 0, 50, 50), WS_POPUP | WS_THICKFRAME);
  SetWindowLong(w, GWL_USERDATA, 1234);
  EXPECT_EQ(GetWindowLong(w, GWL_USERDATA), 1234);
  LONG_PTR old = SetWindowLong(w, GWL_STYLE, GetWindowLong(w, GWL_STYLE) & ~static_cast<LONG_PTR>(WS_THICKFRAME));
  EXPECT_EQ(static_cast<DWORD>(old), WS_POPUP | WS_THICKFRAME);
  EXPECT_EQ(static_cast<DWORD>(GetWindowLong(w, GWL_STYLE)), WS_POPUP);
  ASSERT_EQ(Count(w, WM_STYLECHANGED), 1);
  EXPECT_EQ(GetWindowLong(nullptr, GWL_STYLE), 0);

  HWND owned = CreateTop(Bounds(0, 0, 20, 20));
  SetWindowLong(owned, GWL_HWNDPARENT, reinterpret_cast<LONG_PTR>(w));
  EXPECT_EQ(GetWindow(owned, GW_OWNER), w);
  SetWindowLong(w, GWL_HWNDPARENT, reinterpret_cast<LONG_PTR>(owned));
  EXPECT_EQ(GetWindow(w, GW_OWNER), nullptr) << "an owner cycle is refused";
  EXPECT_EQ(GetClassName(w), "TestWindow");
}

TEST_F(MessagesTest, PostFromWorkerThreadArrivesOnGuiThread) {
  HWND w = CreateTop(Bounds(0, 0, 50, 50));
  std::thread::id seenOn;
  Handle(w, WM_USER + 1, [&](HWND, UINT, WPARAM, LPARAM) -> std::optional<LRESULT> {
    seenOn = std::this_thread::get_id();
    return 0;
  });
  std::thread worker([w] { EXPECT_TRUE(PostMessage(w, WM_USER + 1, 7, 8)); });
  worker.join();
  HeadlessPumpUntilIdle();
  auto got = Logged(w, WM_USER + 1);
  ASSERT_EQ(got.size(), 1u);
  EXPECT_EQ(got[0].wParam, 7u);
  EXPECT_EQ(seenOn, std::this_thread::get_id());
}

TEST_F(MessagesTest, WindowCallsFromAnotherThreadStopTheProgramInCheckedBuilds) {
#if defined(NDEBUG) && !defined(VELMORA_GUI_THREAD_CHECKS)
  GTEST_SKIP() << "Only debug and sanitizer builds check the calling thread";
#else
  HWND w = CreateTop(Bounds(0, 0, 50, 50));
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  EXPECT_DEATH(std::thread([w] { InvalidateRect(w, nullptr, false); }).join(),
               "InvalidateRect called from a thread other than the GUI thread");
#endif
}

TEST_F(MessagesTest, BlockingLoopWakesForWorkerPostsAndClosures) {
  HWND w = CreateTop(Bounds(0, 0, 50, 50));
  bool closureRan = false;
  std::thread worker([&] {
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    PostToMainThread([&] { closureRan = true; });
    PostMessage(w, WM_USER + 5, 0, 0);
  });
  MSG msg;
  do {
    ASSERT_TRUE(GetMessage(&msg, nullptr, 0, 0));
    DispatchMessage(&msg);
  } while (msg.message != WM_USER + 5);
  worker.join();
  EXPECT_TRUE(closureRan);
}

// An idle program sleeps in one wait until its next timer and asks the
// display nothing else: not where the pointer is, not for events again
// and again.
TEST_F(MessagesTest, TheIdleLoopWaitsOnceATimerAndAsksNothingElse) {
  HWND w = CreateTop(Bounds(0, 0, 100, 100));
  HeadlessMouseMove({50, 60});  // resting over the window
  SetTimer(w, 1, 100, nullptr);
  HeadlessPumpUntilIdle();
  const THeadlessRequests before = HeadlessRequests();
  const DWORD start = GetWindowSystemTime();
  MSG msg;
  for (int ticks = 0; ticks < 50;) {
    ASSERT_TRUE(GetMessage(&msg, nullptr, 0, 0));
    DispatchMessage(&msg);
    if (msg.message != WM_TIMER) continue;
    ++ticks;
    EXPECT_EQ(msg.pt, (TPoint{50, 60}));
  }
  const THeadlessRequests after = HeadlessRequests();
  EXPECT_EQ(GetWindowSystemTime() - start, 5000u);
  // One more wait may end at once, at the wake-up SetTimer gave.
  const int waits = after.eventWaits - before.eventWaits;
  EXPECT_GE(waits, 50);
  EXPECT_LE(waits, 51);
  EXPECT_LE(after.eventPolls - before.eventPolls, 2 * waits);
  EXPECT_EQ(after.cursorQueries, before.cursorQueries);
}

TEST_F(MessagesTest, PostToDestroyedWindowIsDropped) {
  HWND w = CreateTop(Bounds(0, 0, 50, 50));
  HWND other = CreateTop(Bounds(60, 0, 50, 50));
  PostMessage(w, WM_USER + 1, 0, 0);
  PostMessage(other, WM_USER + 1, 0, 0);
  DestroyWindow(w);
  EXPECT_FALSE(PostMessage(w, WM_USER + 2, 0, 0)) << "a dead handle refuses posts";
  ClearLog();
  HeadlessPumpUntilIdle();
  EXPECT_EQ(Logged(WM_USER + 1).size(), 1u);
  EXPECT_EQ(Logged(WM_USER + 1)[0].hwnd, other);
  EXPECT_FALSE(IsWindow(w));
  EXPECT_EQ(SendMessage(w, WM_USER + 1, 0, 0), 0);
}

TEST_F(MessagesTest, SendFromWorkerWaitsForTheGuiThreadsAnswer) {
  HWND w = CreateTop(Bounds(0, 0, 50, 50));
  Handle(w, WM_USER + 9, [](HWND, UINT, WPARAM wParam, LPARAM) { return static_cast<LRESULT>(wParam + 1); });
  LRESULT answer = 0;
  std::thread worker([&] { answer = SendMessage(w, WM_USER + 9, 41, 0); });
  while (answer == 0) {
    MSG msg;
    if (PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessage(&msg);
    std::this_thread::yield();
  }
  worker.join();
  EXPECT_EQ(answer, 42);
}

TEST_F(MessagesTest, QuitEndsGetMessageAfterThePostedMessages) {
  HWND w = CreateTop(Bounds(0, 0, 50, 50));
  PostMessage(w, WM_USER + 1, 0, 0);
  PostQuitMessage(3);
  MSG msg;
  ASSERT_TRUE(GetMessage(&msg, nullptr, 0, 0));
  EXPECT_EQ(msg.message, static_cast<UINT>(WM_USER + 1));
  EXPECT_FALSE(GetMessage(&msg, nullptr, 0, 0));
  EXPECT_EQ(msg.wParam, 3u);
}

TEST_F(MessagesTest, HandlersMayPumpMessagesThemselves) {
  HWND w = CreateTop(Bounds(0, 0, 50, 50));
  std::vector<WPARAM> order;
  Handle(w, WM_USER + 1, [&](HWND h, UINT, WPARAM wParam, LPARAM) -> std::optional<LRESULT> {
    order.push_back(wParam);
    if (wParam == 1) {
      PostMessage(h, WM_USER + 1, 3, 0);
      HeadlessPumpUntilIdle();  // as a long operation keeps its window alive
      order.push_back(100);
    }
    return 0;
  });
  PostMessage(w, WM_USER + 1, 1, 0);
  PostMessage(w, WM_USER + 1, 2, 0);
  HeadlessPumpUntilIdle();
  EXPECT_EQ(order, (std::vector<WPARAM>{1, 2, 3, 100}));
}

TEST_F(MessagesTest, BadArgumentsAreRefusedQuietly) {
  HWND w = CreateTop(Bounds(0, 0, 50, 50));
  EXPECT_FALSE(GetWindowRect(w, nullptr));
  EXPECT_FALSE(GetMessage(nullptr, nullptr, 0, 0));
  EXPECT_EQ(BeginPaint(w, nullptr), nullptr);
  EXPECT_FALSE(TrackMouseEvent(nullptr));
  EXPECT_FALSE(SystemParametersInfo(SPI_GETWORKAREA, 0, nullptr, 0));
  HWND dead = CreateTop(Bounds(0, 0, 5, 5));
  DestroyWindow(dead);
  EXPECT_FALSE(SetWindowPos(dead, nullptr, 0, 0, 1, 1, 0));
  EXPECT_FALSE(ShowWindow(dead, SW_SHOW));
  EXPECT_EQ(GetDC(dead), nullptr);
  EXPECT_EQ(SetFocus(dead), nullptr);
  EXPECT_EQ(SetTimer(dead, 1, 10, nullptr), 0u);
  EXPECT_FALSE(DestroyWindow(dead));
  // A wild size is held to what a surface may be.
  SetWindowPos(w, nullptr, 0, 0, 1'000'000, -5, SWP_NOZORDER);
  TRect r;
  GetWindowRect(w, &r);
  EXPECT_EQ(r, Rect(0, 0, 8192, 0));
}

TEST_F(MessagesTest, PeekMessageKeepsToItsRangeAndWindow) {
  HWND a = CreateTop(Bounds(0, 0, 50, 50));
  HWND b = CreateTop(Bounds(60, 0, 50, 50));
  HeadlessPumpUntilIdle();
  PostMessage(a, WM_USER + 1, 0, 0);
  PostMessage(b, WM_USER + 2, 0, 0);
  PostQuitMessage(0);
  MSG msg;
  EXPECT_FALSE(PeekMessage(&msg, nullptr, WM_KEYFIRST, WM_KEYLAST, PM_REMOVE)) << "WM_QUIT is outside the range";
  ASSERT_TRUE(PeekMessage(&msg, b, 0, 0, PM_NOREMOVE));
  EXPECT_EQ(msg.message, static_cast<UINT>(WM_USER + 2));
  ASSERT_TRUE(PeekMessage(&msg, nullptr, WM_USER + 2, WM_USER + 2, PM_REMOVE));
  EXPECT_EQ(msg.hwnd, b);
  ASSERT_TRUE(PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE));
  EXPECT_EQ(msg.hwnd, a);
  ASSERT_TRUE(PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE));
  EXPECT_EQ(msg.message, WM_QUIT);
}

TEST_F(MessagesTest, ScreenDcMeasuresText) {
  HDC screen = GetDC(nullptr);
  ASSERT_NE(screen, nullptr);
  TSize size;
  EXPECT_TRUE(GetTextExtentPoint32(screen, "Velmora", &size));
  EXPECT_GT(size.cx, 0);
  EXPECT_EQ(ReleaseDC(nullptr, screen), 1);
  EXPECT_EQ(ReleaseDC(nullptr, screen), 0) << "given back once";
}

TEST_F(MessagesTest, CreationSendsItsMessagesInOrderAndCanBeRefused) {
  HWND w = CreateTop(Bounds(0, 0, 80, 60), WS_POPUP);
  std::vector<UINT> creation;
  for (UINT m : {WM_GETMINMAXINFO, WM_NCCREATE, WM_NCCALCSIZE, WM_CREATE})
    for (const auto& entry : Logged(w, m)) creation.push_back(entry.message);
  EXPECT_EQ(creation, (std::vector<UINT>{WM_GETMINMAXINFO, WM_NCCREATE, WM_NCCALCSIZE, WM_CREATE}));

  WNDCLASS refusing;
  refusing.lpszClassName = "Refusing";
  refusing.lpfnWndProc = [](HWND h, UINT m, WPARAM wp, LPARAM lp) -> LRESULT {
    return m == WM_CREATE ? -1 : DefWindowProc(h, m, wp, lp);
  };
  RegisterClass(refusing);
  EXPECT_EQ(CreateWindowEx(0, "Refusing", "", WS_POPUP, 0, 0, 10, 10, nullptr), nullptr);
  EXPECT_EQ(CreateWindowEx(0, "NoSuchClass", "", WS_POPUP, 0, 0, 10, 10, nullptr), nullptr);
  EXPECT_EQ(CreateWindowEx(0, "TestWindow", "", WS_CHILD, 0, 0, 10, 10, nullptr), nullptr)
      << "a child needs a parent";
  EXPECT_EQ(GetTopLevelWindows().size(), 1u);
}

TEST_F(MessagesTest, DestroyGoesParentFirstThenChildrenAndDropsFocus) {
  HWND top = CreateTop(Bounds(0, 0, 100, 100));
  HWND child = CreateChild(top, Bounds(10, 10, 20, 20));
  SetFocus(child);
  ClearLog();
  DestroyWindow(top);
  auto destroys = Logged(WM_DESTROY);
  ASSERT_EQ(destroys.size(), 2u);
  EXPECT_EQ(destroys[0].hwnd, top);
  EXPECT_EQ(destroys[1].hwnd, child);
  auto finals = Logged(WM_NCDESTROY);
  ASSERT_EQ(finals.size(), 2u);
  EXPECT_EQ(finals[0].hwnd, child);
  EXPECT_EQ(GetFocus(), nullptr);
  EXPECT_FALSE(IsWindow(child));
}

}  // namespace
