// Show, hide, minimize, maximize, restore, close; timers; modal loops;
// message boxes; device changes; the clipboard.

#include <atomic>
#include <thread>

#include "WinTestSupport.h"
#include "platform/os/MainThread.h"

namespace {

class WindowStateTest : public WinTest {};

TEST_F(WindowStateTest, MaximizeFillsTheWorkAreaAsMinMaxInfoSaysAndRestoreReturns) {
  HeadlessSetScreen(Rect(0, 0, 1024, 768), Rect(0, 0, 1024, 728));
  HWND w = CreateTop(Bounds(100, 100, 300, 200), WS_POPUP | WS_VISIBLE | WS_THICKFRAME);
  ClearLog();
  ShowWindow(w, SW_MAXIMIZE);
  TRect r;
  GetWindowRect(w, &r);
  EXPECT_EQ(r, Rect(-4, -4, 1028, 732)) << "the sizing frame lies beyond the work area";
  EXPECT_TRUE(IsZoomed(w));
  EXPECT_EQ(Count(w, WM_GETMINMAXINFO), 1);
  auto sizes = Logged(w, WM_SIZE);
  ASSERT_FALSE(sizes.empty());
  EXPECT_EQ(sizes.back().wParam, SIZE_MAXIMIZED);

  ShowWindow(w, SW_RESTORE);
  GetWindowRect(w, &r);
  EXPECT_EQ(r, Bounds(100, 100, 300, 200));
  EXPECT_EQ(Logged(w, WM_SIZE).back().wParam, SIZE_RESTORED);
}

TEST_F(WindowStateTest, CreatedMaximizedWhileHiddenKeepsItsNormalPlace) {
  HeadlessSetScreen(Rect(0, 0, 1024, 768), Rect(0, 0, 1024, 728));
  HWND w = CreateTop(Bounds(100, 100, 300, 200), WS_POPUP | WS_MAXIMIZE);
  EXPECT_TRUE(IsZoomed(w));
  EXPECT_FALSE(IsWindowVisible(w));
  TRect r;
  GetWindowRect(w, &r);
  EXPECT_EQ(r, Rect(0, 0, 1024, 728));
  WINDOWPLACEMENT placement;
  GetWindowPlacement(w, &placement);
  EXPECT_EQ(placement.showCmd, static_cast<UINT>(SW_SHOWMAXIMIZED));
  EXPECT_EQ(placement.rcNormalPosition, Bounds(100, 100, 300, 200));
}

TEST_F(WindowStateTest, MinimizeByCommandAndRestoreReportTheirSizes) {
  HWND main = CreateTop(Bounds(0, 0, 100, 100));
  ClearLog();
  SendMessage(main, WM_SYSCOMMAND, SC_MINIMIZE, 0);
  EXPECT_TRUE(IsIconic(main));
  EXPECT_EQ(Logged(main, WM_SIZE).back().wParam, SIZE_MINIMIZED);
  EXPECT_EQ(GetActiveWindow(), nullptr);
  ShowWindow(main, SW_RESTORE);
  EXPECT_FALSE(IsIconic(main));
  EXPECT_EQ(Logged(main, WM_SIZE).back().wParam, SIZE_RESTORED);
  EXPECT_EQ(GetActiveWindow(), main);
}

TEST_F(WindowStateTest, CloseCommandGoesThroughWmCloseWhichMayRefuse) {
  HWND w = CreateTop(Bounds(0, 0, 100, 100));
  bool allow = false;
  Handle(w, WM_CLOSE, [&](HWND, UINT, WPARAM, LPARAM) -> std::optional<LRESULT> {
    if (allow) return std::nullopt;
    return 0;
  });
  HeadlessRequestClose(w);
  EXPECT_TRUE(IsWindow(w));
  allow = true;
  HeadlessRequestClose(w);
  EXPECT_FALSE(IsWindow(w));
}

TEST_F(WindowStateTest, TimersFollowTheVirtualClockWithoutPilingUp) {
  HWND w = CreateTop(Bounds(0, 0, 100, 100));
  SetTimer(w, 1, 100, nullptr);
  SetTimer(w, 2, 250, nullptr);
  HeadlessAdvanceClock(99);
  EXPECT_EQ(Count(w, WM_TIMER), 0);
  HeadlessAdvanceClock(1);
  ASSERT_EQ(Count(w, WM_TIMER), 1);
  EXPECT_EQ(Logged(w, WM_TIMER)[0].wParam, 1u);
  HeadlessAdvanceClock(200);  // 200: timer 1 again; 250: timer 2; 300: timer 1
  std::vector<WPARAM> ids;
  for (const auto& m : Logged(w, WM_TIMER)) ids.push_back(m.wParam);
  EXPECT_EQ(ids, (std::vector<WPARAM>{1, 1, 2, 1}));

  KillTimer(w, 1);
  EXPECT_EQ(SetTimer(w, 2, 0, nullptr), 0u) << "interval 0 is no timer";
  HeadlessAdvanceClock(1000);
  EXPECT_EQ(Count(w, WM_TIMER), 4);
}

TEST_F(WindowStateTest, TimersOfADestroyedWindowStopAndThreadTimersCallTheirProc) {
  HWND w = CreateTop(Bounds(0, 0, 100, 100));
  SetTimer(w, 1, 10, nullptr);
  DestroyWindow(w);
  static int procCalls = 0;
  procCalls = 0;
  UINT_PTR id = SetTimer(nullptr, 0, 50, [](HWND, UINT, UINT_PTR, DWORD) { ++procCalls; });
  EXPECT_NE(id, 0u);
  HeadlessAdvanceClock(120);
  EXPECT_EQ(Logged(WM_TIMER).size(), 0u);
  EXPECT_EQ(procCalls, 2);
  KillTimer(nullptr, id);
}

TEST_F(WindowStateTest, ModalLoopDisablesTheOtherWindowsAndEnablesThemAfter) {
  HWND main = CreateTop(Bounds(0, 0, 100, 100));
  HWND tool = CreateTop(Bounds(200, 0, 100, 100));
  HWND dialog = CreateTop(Bounds(50, 50, 100, 100));
  bool done = false;
  bool mainEnabledInside = true;
  SetTimer(dialog, 1, 10, nullptr);
  Handle(dialog, WM_TIMER, [&](HWND h, UINT, WPARAM, LPARAM) -> std::optional<LRESULT> {
    mainEnabledInside = IsWindowEnabled(main) || IsWindowEnabled(tool);
    HeadlessClick({20, 20});  // the disabled main window gets nothing
    KillTimer(h, 1);
    done = true;
    return 0;
  });
  RunModalLoop(dialog, [&] { return done; });
  EXPECT_FALSE(mainEnabledInside);
  EXPECT_EQ(Count(main, WM_LBUTTONDOWN), 0);
  EXPECT_TRUE(IsWindowEnabled(main));
  EXPECT_TRUE(IsWindowEnabled(tool));
  EXPECT_TRUE(IsWindowEnabled(dialog));
}

TEST_F(WindowStateTest, ModalLoopEndsOnAConditionThatNoMessageAnnounces) {
  HWND dialog = CreateTop(Bounds(50, 50, 100, 100));
  std::atomic<bool> done = false;
  std::thread worker([&] {
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    PostToMainThread([&] { done = true; });
  });
  RunModalLoop(dialog, [&] { return done.load(); });
  worker.join();
  EXPECT_TRUE(done);
}

TEST_F(WindowStateTest, MessageBoxAnswersAsScriptedAndRestoresTheWindows) {
  HWND main = CreateTop(Bounds(0, 0, 100, 100));
  HeadlessQueueMessageBoxAnswer(IDNO);
  EXPECT_EQ(MessageBox(main, "Overwrite?", "Velmora", MB_YESNO | MB_ICONQUESTION), IDNO);
  EXPECT_EQ(MessageBox(main, "Done", "Velmora", MB_OK), IDOK);
  EXPECT_EQ(MessageBox(main, "Sure?", "Velmora", MB_YESNOCANCEL), IDYES);
  auto boxes = HeadlessShownMessageBoxes();
  ASSERT_EQ(boxes.size(), 3u);
  EXPECT_EQ(boxes[0].text, "Overwrite?");
  EXPECT_EQ(boxes[0].flags, MB_YESNO | MB_ICONQUESTION);
  EXPECT_TRUE(IsWindowEnabled(main));
  EXPECT_EQ(GetActiveWindow(), main);
}

TEST_F(WindowStateTest, DeviceChangeReachesEveryTopLevelWindow) {
  HWND a = CreateTop(Bounds(0, 0, 10, 10));
  HWND b = CreateTop(Bounds(20, 0, 10, 10), WS_POPUP);
  std::string device;
  Handle(a, WM_DEVICECHANGE, [&](HWND, UINT, WPARAM, LPARAM lParam) -> std::optional<LRESULT> {
    device = reinterpret_cast<const DEV_BROADCAST_VOLUME*>(lParam)->device;
    return 0;
  });
  HeadlessDeviceChange(true, "/dev/sr0", 3);
  HeadlessDeviceChange(false, "/dev/sr0", 3);
  auto seen = Logged(a, WM_DEVICECHANGE);
  ASSERT_EQ(seen.size(), 2u);
  EXPECT_EQ(seen[0].wParam, DBT_DEVICEARRIVAL);
  EXPECT_EQ(seen[1].wParam, DBT_DEVICEREMOVECOMPLETE);
  EXPECT_EQ(device, "/dev/sr0");
  EXPECT_EQ(Count(b, WM_DEVICECHANGE), 2) << "hidden windows hear it too";
}

TEST_F(WindowStateTest, ClipboardKeepsTextAndRegisteredFormats) {
  SetClipboardText("héllo");
  EXPECT_EQ(GetClipboardText(), "héllo");
  UINT format = RegisterClipboardFormat("VelmoraAudio");
  EXPECT_EQ(RegisterClipboardFormat("VelmoraAudio"), format);
  EXPECT_FALSE(IsClipboardFormatAvailable(format));
  SetClipboardData(format, {1, 2, 3});
  EXPECT_EQ(GetClipboardData(format), (std::vector<std::uint8_t>{1, 2, 3}));
  EXPECT_FALSE(SetClipboardData(0x7777, {1})) << "an unregistered format is refused";
}

TEST_F(WindowStateTest, ScreenMetricsAndMenuFontComeFromTheDisplay) {
  HeadlessSetScreen(Rect(0, 0, 800, 600), Rect(0, 0, 800, 570));
  EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), 800);
  EXPECT_EQ(GetSystemMetrics(SM_CYSCREEN), 600);
  TRect work;
  ASSERT_TRUE(SystemParametersInfo(SPI_GETWORKAREA, 0, &work, 0));
  EXPECT_EQ(work, Rect(0, 0, 800, 570));
  NONCLIENTMETRICS metrics;
  ASSERT_TRUE(SystemParametersInfo(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0));
  EXPECT_FALSE(metrics.lfMenuFont.lfFaceName.empty());
  EXPECT_LT(metrics.lfMenuFont.lfHeight, 0);
}

}  // namespace
