// A shaped, frameless top-level window on the X display: our pixels show
// inside the shape only, a caption drag moves it, and it closes. A pop-up
// holding the capture hears of clicks outside every window of ours.

#include <gtest/gtest.h>

#include <QtGui/QGuiApplication>
#include <QtGui/QImage>
#include <QtGui/QPixmap>
#include <QtGui/QScreen>
#include <chrono>
#include <cstdlib>
#include <future>
#include <thread>
#include <vector>

#include "platform/base/Exceptions.h"
#include "platform/gfx/Canvas.h"
#include "platform/win/WinApi.h"

namespace {

constexpr TColor kRed = 0x0000FF;

LRESULT ShapedProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT: {
      PAINTSTRUCT ps;
      HDC dc = BeginPaint(hwnd, &ps);
      dc->Brush()->SetColor(kRed);
      dc->FillRect(Rect(0, 0, 1000, 1000));
      EndPaint(hwnd, &ps);
      return 0;
    }
    case WM_LBUTTONDOWN:
      // Dragged by any visible point, as bitmap-shaped windows are.
      ReleaseCapture();
      SendMessage(hwnd, WM_NCLBUTTONDOWN, HTCAPTION, 0);
      return 0;
    default: return DefWindowProc(hwnd, message, wParam, lParam);
  }
}

std::vector<TPoint> popupPresses;  // client points of presses a pop-up heard
std::vector<UINT> clickMessages;   // button messages a clicks window heard

LRESULT ClicksProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_LBUTTONDOWN || message == WM_LBUTTONDBLCLK) {
    clickMessages.push_back(message);
    return 0;
  }
  return ShapedProc(hwnd, message, wParam, lParam);
}

LRESULT PopupProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_LBUTTONDOWN) {
    popupPresses.push_back({GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
    return 0;
  }
  return ShapedProc(hwnd, message, wParam, lParam);
}

void PumpFor(int ms, const std::function<bool()>& until = {}) {
  auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
  while (std::chrono::steady_clock::now() < end) {
    MSG msg;
    while (PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&msg);
      DispatchMessage(&msg);
    }
    if (until && until()) return;
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
}

bool IsRed(const QImage& screen, int x, int y) {
  QColor c = screen.pixelColor(x, y);
  return c.red() > 200 && c.green() < 50 && c.blue() < 50;
}

QImage GrabScreen() { return QGuiApplication::primaryScreen()->grabWindow(0).toImage(); }

class QtWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!std::getenv("DISPLAY")) GTEST_SKIP() << "No X display: run under scripts/test, which starts Xvfb";
    setenv("VELMORA_BACKEND", "qt", 1);
    try {
      InitWindowSystem(TBackendKind::Qt);
    } catch (const EOSError& e) {
      GTEST_SKIP() << e.Message();
    }
    ASSERT_EQ(WindowSystemBackend(), TBackendKind::Qt);
    WNDCLASS cls;
    cls.lpfnWndProc = ShapedProc;
    cls.lpszClassName = "Shaped";
    RegisterClass(cls);
    cls.lpfnWndProc = PopupProc;
    cls.lpszClassName = "Popup";
    RegisterClass(cls);
    cls.lpfnWndProc = ClicksProc;
    cls.lpszClassName = "Clicks";
    RegisterClass(cls);
    cls.style = CS_DBLCLKS;
    cls.lpszClassName = "DoubleClicks";
    RegisterClass(cls);
  }
  void TearDown() override { ShutdownWindowSystem(); }
};

TEST_F(QtWindowTest, ShapedWindowShowsOurPixelsMovesOnCaptionDragAndCloses) {
  HWND w = CreateWindowEx(0, "Shaped", "Shaped", WS_POPUP, 100, 100, 200, 150, nullptr);
  ASSERT_NE(w, nullptr);
  SetWindowRgn(w, CreateEllipticRgn(0, 0, 200, 150), false);
  ShowWindow(w, SW_SHOW);
  PumpFor(3000, [] { return IsRed(GrabScreen(), 200, 175); });

  QImage screen = GrabScreen();
  EXPECT_TRUE(IsRed(screen, 200, 175)) << "the centre shows the painted pixels";
  EXPECT_TRUE(IsRed(screen, 110, 175)) << "inside the ellipse near its left end";
  EXPECT_FALSE(IsRed(screen, 102, 102)) << "the corner is cut away by the shape";
  EXPECT_FALSE(IsRed(screen, 297, 247));

  // Drag from inside the shape by 100 pixels right and down.
  auto drag = std::async(std::launch::async, [] {
    return std::system(
        "xdotool mousemove 200 175 sleep 0.3 mousedown 1 sleep 0.3 mousemove 230 205 sleep 0.2 "
        "mousemove 300 275 sleep 0.3 mouseup 1 sleep 0.2");
  });
  PumpFor(6000, [&] { return drag.wait_for(std::chrono::seconds(0)) == std::future_status::ready; });
  ASSERT_EQ(drag.get(), 0) << "xdotool failed";
  PumpFor(500);
  TRect r;
  GetWindowRect(w, &r);
  EXPECT_EQ(r, Bounds(200, 200, 200, 150));
  PumpFor(2000, [] { return IsRed(GrabScreen(), 300, 275); });
  screen = GrabScreen();
  EXPECT_TRUE(IsRed(screen, 300, 275)) << "the window shows at its new place";
  EXPECT_FALSE(IsRed(screen, 150, 175)) << "and no longer at the old one";

  PostMessage(w, WM_CLOSE, 0, 0);
  PumpFor(2000, [&] { return !IsWindow(w) && !IsRed(GrabScreen(), 300, 275); });
  EXPECT_FALSE(IsWindow(w));
  EXPECT_FALSE(IsRed(GrabScreen(), 300, 275)) << "closed windows leave the screen";
}

TEST_F(QtWindowTest, EmptyShapeLeavesNothingOnTheScreen) {
  HWND w = CreateWindowEx(0, "Shaped", "Empty", WS_POPUP, 400, 400, 100, 100, nullptr);
  SetWindowRgn(w, CreateRectRgn(0, 0, 0, 0), false);
  ShowWindow(w, SW_SHOW);
  PumpFor(1000);
  EXPECT_FALSE(IsRed(GrabScreen(), 450, 450));
  SetWindowRgn(w, nullptr, true);
  PumpFor(3000, [] { return IsRed(GrabScreen(), 450, 450); });
  EXPECT_TRUE(IsRed(GrabScreen(), 450, 450)) << "without a region the whole window shows";
}

TEST_F(QtWindowTest, PopupHoldingTheCaptureHearsAClickOutsideAllOurWindows) {
  popupPresses.clear();
  HWND w = CreateWindowEx(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, "Popup", "", WS_POPUP, 100, 100, 120, 80, nullptr);
  ASSERT_NE(w, nullptr);
  ShowWindow(w, SW_SHOWNOACTIVATE);
  SetCapture(w);
  PumpFor(3000, [] { return IsRed(GrabScreen(), 160, 140); });
  auto click = [] {
    auto done = std::async(std::launch::async, [] {
      return std::system("xdotool mousemove 600 500 sleep 0.2 click 1 sleep 0.2");
    });
    PumpFor(4000, [&] { return done.wait_for(std::chrono::seconds(0)) == std::future_status::ready; });
    PumpFor(300);
    return done.get();
  };
  ASSERT_EQ(click(), 0) << "xdotool failed";
  ASSERT_EQ(popupPresses.size(), 1u);
  EXPECT_EQ(popupPresses[0], (TPoint{500, 400}));
  // Without the capture the pointer is free again.
  ReleaseCapture();
  ASSERT_EQ(click(), 0);
  EXPECT_EQ(popupPresses.size(), 1u);
  DestroyWindow(w);
}

TEST_F(QtWindowTest, TwoQuickClicksAreTwoPressesOrAPressAndADoubleClick) {
  auto clickTwice = [](const char* cls) {
    clickMessages.clear();
    HWND w = CreateWindowEx(0, cls, "", WS_POPUP, 700, 100, 100, 80, nullptr);
    ShowWindow(w, SW_SHOW);
    PumpFor(3000, [] { return IsRed(GrabScreen(), 750, 140); });
    auto done = std::async(std::launch::async, [] {
      return std::system("xdotool mousemove 750 140 sleep 0.2 click 1 sleep 0.15 click 1 sleep 0.2");
    });
    PumpFor(4000, [&] { return done.wait_for(std::chrono::seconds(0)) == std::future_status::ready; });
    PumpFor(300);
    EXPECT_EQ(done.get(), 0) << "xdotool failed";
    DestroyWindow(w);
    return clickMessages;
  };
  EXPECT_EQ(clickTwice("Clicks"), (std::vector<UINT>{WM_LBUTTONDOWN, WM_LBUTTONDOWN}));
  EXPECT_EQ(clickTwice("DoubleClicks"), (std::vector<UINT>{WM_LBUTTONDOWN, WM_LBUTTONDBLCLK}));
}

}  // namespace
