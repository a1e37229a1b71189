// The non-client protocol: frames, WM_NCCALCSIZE hooks, hit tests driving
// moves and resizes, window DCs over the frame.

#include "WinTestSupport.h"
#include "platform/gfx/Canvas.h"

namespace {

class NonClientTest : public WinTest {};

TRect ClientInWindow(HWND w) {
  TRect window, client;
  GetWindowRect(w, &window);
  GetClientRect(w, &client);
  TPoint origin{0, 0};
  ClientToScreen(w, &origin);
  return Bounds(origin.X - window.Left, origin.Y - window.Top, client.Width(), client.Height());
}

TEST_F(NonClientTest, DefaultFramesFollowTheBorderStyle) {
  HWND sizing = CreateTop(Bounds(0, 0, 200, 100), WS_POPUP | WS_THICKFRAME);
  EXPECT_EQ(ClientInWindow(sizing), Rect(4, 4, 196, 96));
  HWND dialog = Create(WS_POPUP, Bounds(0, 0, 200, 100), nullptr, WS_EX_DLGMODALFRAME);
  EXPECT_EQ(ClientInWindow(dialog), Rect(3, 3, 197, 97));
  HWND captioned = CreateTop(Bounds(0, 0, 200, 100), WS_POPUP | WS_CAPTION);
  EXPECT_EQ(ClientInWindow(captioned), Rect(3, 22, 197, 97));
  HWND bare = CreateTop(Bounds(0, 0, 200, 100), WS_POPUP);
  EXPECT_EQ(ClientInWindow(bare), Rect(0, 0, 200, 100));

  // Clearing the caption bits takes effect at SWP_FRAMECHANGED (0x37).
  SetWindowLong(captioned, GWL_STYLE, GetWindowLong(captioned, GWL_STYLE) & 0xFF3FFFFF);
  EXPECT_EQ(ClientInWindow(captioned), Rect(3, 22, 197, 97));
  SetWindowPos(captioned, nullptr, 0, 0, 0, 0, 0x37);
  EXPECT_EQ(ClientInWindow(captioned), Rect(0, 0, 200, 100));
}

TEST_F(NonClientTest, CalcSizeHookSetsTheClientRectangleBeforeTheDefaultFrame) {
  HWND w = CreateTop(Bounds(100, 50, 300, 200), WS_POPUP | WS_THICKFRAME);
  // A skin-like hook: no top frame, the default frame elsewhere.
  WINDOWPOS seen{};
  Handle(w, WM_NCCALCSIZE, [&](HWND h, UINT m, WPARAM wParam, LPARAM lParam) -> std::optional<LRESULT> {
    if (!wParam) return std::nullopt;
    auto* p = reinterpret_cast<NCCALCSIZE_PARAMS*>(lParam);
    seen = *p->lppos;
    p->rgrc[0].Top = p->lppos->y - 4;
    DefWindowProc(h, m, wParam, lParam);
    p->rgrc[1] = p->rgrc[0];
    return WVR_VALIDRECTS;
  });
  SetWindowPos(w, nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
  EXPECT_EQ(seen.x, 100);
  EXPECT_EQ(seen.cx, 300);
  EXPECT_EQ(ClientInWindow(w), Rect(4, 0, 296, 196));
  // WM_SIZE reported the new client size.
  auto sizes = Logged(w, WM_SIZE);
  ASSERT_FALSE(sizes.empty());
  EXPECT_EQ(sizes.back().lParam, MAKELPARAM(292, 196));
}

TEST_F(NonClientTest, PositionChangingHandlerMayRefuseTheMoveAndLimitTheSize) {
  HWND w = CreateTop(Bounds(0, 0, 100, 100));
  Handle(w, WM_WINDOWPOSCHANGING, [](HWND, UINT, WPARAM, LPARAM lParam) -> std::optional<LRESULT> {
    auto* pos = reinterpret_cast<WINDOWPOS*>(lParam);
    pos->flags |= SWP_NOMOVE;
    pos->cx = std::min(pos->cx, 150);
    return 0;
  });
  ClearLog();
  SetWindowPos(w, nullptr, 50, 50, 400, 120, SWP_NOZORDER);
  TRect r;
  GetWindowRect(w, &r);
  EXPECT_EQ(r, Bounds(0, 0, 150, 120));
  EXPECT_EQ(Count(w, WM_MOVE), 0);
  ASSERT_EQ(Count(w, WM_SIZE), 1);
  EXPECT_EQ(Logged(w, WM_SIZE)[0].lParam, MAKELPARAM(150, 120));
}

TEST_F(NonClientTest, HitTestAnswersEdgesCaptionAndClient) {
  HWND w = CreateTop(Bounds(100, 100, 200, 150), WS_POPUP | WS_THICKFRAME | WS_CAPTION);
  auto hit = [w](int x, int y) { return SendMessage(w, WM_NCHITTEST, 0, MAKELPARAM(x, y)); };
  EXPECT_EQ(hit(101, 150), HTLEFT);
  EXPECT_EQ(hit(298, 150), HTRIGHT);
  EXPECT_EQ(hit(150, 101), HTTOP);
  EXPECT_EQ(hit(150, 248), HTBOTTOM);
  EXPECT_EQ(hit(101, 101), HTTOPLEFT);
  EXPECT_EQ(hit(298, 248), HTBOTTOMRIGHT);
  EXPECT_EQ(hit(150, 110), HTCAPTION);
  EXPECT_EQ(hit(150, 200), HTCLIENT);
  EXPECT_EQ(hit(50, 50), HTNOWHERE);
}

TEST_F(NonClientTest, CaptionPressMovesTheWindowWithThePointer) {
  HWND w = CreateTop(Bounds(100, 100, 200, 150));
  // A bitmap-shaped window: any press starts a caption drag.
  Handle(w, WM_LBUTTONDOWN, [](HWND h, UINT, WPARAM, LPARAM) -> std::optional<LRESULT> {
    ReleaseCapture();
    SendMessage(h, WM_NCLBUTTONDOWN, HTCAPTION, 0);
    return 0;
  });
  HeadlessMouseMove({150, 120});
  HeadlessMouseDown();
  EXPECT_EQ(HeadlessRequests().systemMoves, 1) << "the display was asked first";
  HeadlessMouseMove({190, 170});
  HeadlessMouseUp();
  TRect r;
  GetWindowRect(w, &r);
  EXPECT_EQ(r, Bounds(140, 150, 200, 150));
  EXPECT_EQ(Count(w, WM_ENTERSIZEMOVE), 1);
  EXPECT_EQ(Count(w, WM_EXITSIZEMOVE), 1);
  ASSERT_FALSE(Logged(w, WM_MOVE).empty());
  EXPECT_EQ(Logged(w, WM_MOVE).back().lParam, MAKELPARAM(140, 150));
  // After the release the pointer no longer drags it.
  HeadlessMouseMove({10, 10});
  GetWindowRect(w, &r);
  EXPECT_EQ(r.Left, 140);
}

TEST_F(NonClientTest, HitTestEdgesResizeWithinTheTrackLimits) {
  HWND w = CreateTop(Bounds(100, 100, 200, 150));
  // An undecorated window that answers edge codes itself.
  Handle(w, WM_NCHITTEST, [](HWND h, UINT, WPARAM, LPARAM lParam) -> std::optional<LRESULT> {
    TRect r;
    GetWindowRect(h, &r);
    return GET_X_LPARAM(lParam) >= r.Right - 5 ? HTRIGHT : HTCLIENT;
  });
  Handle(w, WM_GETMINMAXINFO, [](HWND, UINT, WPARAM, LPARAM lParam) -> std::optional<LRESULT> {
    reinterpret_cast<MINMAXINFO*>(lParam)->ptMinTrackSize = {150, 50};
    return 0;
  });
  HeadlessMouseMove({298, 150});
  HeadlessMouseDown();
  EXPECT_EQ(HeadlessRequests().systemResizes, 1);
  EXPECT_EQ(HeadlessRequests().lastResizeHit, HTRIGHT);
  HeadlessMouseMove({338, 400});
  TRect r;
  GetWindowRect(w, &r);
  EXPECT_EQ(r, Bounds(100, 100, 240, 150)) << "the right edge follows, the height stays";
  HeadlessMouseMove({100, 150});
  GetWindowRect(w, &r);
  EXPECT_EQ(r.Width(), 150) << "not below the minimum track size";
  HeadlessMouseUp();
}

TEST_F(NonClientTest, EscapeCancelsAMoveAndAPressWithoutButtonStartsNone) {
  HWND w = CreateTop(Bounds(100, 100, 200, 150), WS_POPUP | WS_VISIBLE | WS_CAPTION);
  SendMessage(w, WM_NCLBUTTONDOWN, HTCAPTION, 0);  // no button held: nothing
  HeadlessMouseMove({300, 300});
  TRect r;
  GetWindowRect(w, &r);
  EXPECT_EQ(r.Left, 100);

  HeadlessMouseMove({150, 110});
  HeadlessMouseDown();  // on the default caption
  HeadlessMouseMove({170, 130});
  GetWindowRect(w, &r);
  EXPECT_EQ(r.Left, 120);
  HeadlessKeyPress(VK_ESCAPE);
  GetWindowRect(w, &r);
  EXPECT_EQ(r.Left, 100);
  HeadlessMouseUp();
}

TEST_F(NonClientTest, WindowDcDrawsOverTheFrameAndClientDcStaysInside) {
  HWND w = CreateTop(Bounds(0, 0, 40, 30), WS_POPUP | WS_VISIBLE | WS_THICKFRAME);
  Handle(w, WM_NCPAINT, [](HWND h, UINT, WPARAM, LPARAM) -> std::optional<LRESULT> {
    HDC dc = GetWindowDC(h);
    dc->Brush()->SetColor(0x0000FF);
    dc->FillRect(Rect(0, 0, 40, 30));
    ReleaseDC(h, dc);
    return 0;
  });
  HeadlessPumpUntilIdle();
  HDC client = GetDC(w);
  client->Brush()->SetColor(0x00FF00);
  client->FillRect(Rect(-10, -10, 100, 100));
  ReleaseDC(w, client);
  HeadlessPumpUntilIdle();
  const TBitmap* shown = HeadlessPresentedSurface(w);
  ASSERT_NE(shown, nullptr);
  EXPECT_EQ(PixelOf(*shown, 1, 1), 0x0000FFu) << "frame painted through the window DC";
  EXPECT_EQ(PixelOf(*shown, 3, 15), 0x0000FFu);
  EXPECT_EQ(PixelOf(*shown, 4, 15), 0x00FF00u) << "client DC starts inside the frame";
  EXPECT_EQ(PixelOf(*shown, 35, 25), 0x00FF00u);
  EXPECT_EQ(PixelOf(*shown, 36, 26), 0x0000FFu);
}

TEST_F(NonClientTest, NcActivateAnswerSuppressesTheDefaultFrame) {
  HWND w = CreateTop(Bounds(0, 0, 60, 40), WS_POPUP | WS_CAPTION);
  int ncActivates = 0;
  Handle(w, WM_NCACTIVATE, [&](HWND, UINT, WPARAM, LPARAM) -> std::optional<LRESULT> {
    ++ncActivates;
    return 1;
  });
  ShowWindow(w, SW_SHOW);
  EXPECT_EQ(GetActiveWindow(), w);
  EXPECT_EQ(ncActivates, 1);
}

}  // namespace
