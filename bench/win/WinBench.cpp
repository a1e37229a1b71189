// Figures of the window system on the headless backend: posting and
// dispatching a million messages, and repainting a 700 x 500 window of 50
// child windows.

#include <chrono>
#include <cstdio>

#include "platform/gfx/Canvas.h"
#include "platform/win/Headless.h"

namespace {

long long dispatched = 0;

LRESULT CountingProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_USER + 1) {
    ++dispatched;
    return 0;
  }
  return DefWindowProc(hwnd, message, wParam, lParam);
}

LRESULT PaintingProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message != WM_PAINT) return DefWindowProc(hwnd, message, wParam, lParam);
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(hwnd, &ps);
  TRect client;
  GetClientRect(hwnd, &client);
  dc->Brush()->SetColor(0x00C0C0C0);
  dc->FillRect(client);
  dc->Pen()->SetColor(0x00404040);
  dc->Rectangle(client);
  dc->TextOut(4, 4, "Button");
  EndPaint(hwnd, &ps);
  return 0;
}

double Seconds(std::chrono::steady_clock::duration d) { return std::chrono::duration<double>(d).count(); }

void PostAndDispatch() {
  WNDCLASS cls;
  cls.lpfnWndProc = CountingProc;
  cls.lpszClassName = "Counting";
  RegisterClass(cls);
  HWND w = CreateWindowEx(0, "Counting", "", WS_POPUP, 0, 0, 10, 10, nullptr);
  constexpr int kMessages = 1'000'000;
  auto start = std::chrono::steady_clock::now();
  for (int i = 0; i < kMessages; ++i) PostMessage(w, WM_USER + 1, static_cast<WPARAM>(i), 0);
  auto posted = std::chrono::steady_clock::now();
  MSG msg;
  while (PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessage(&msg);
  auto done = std::chrono::steady_clock::now();
  std::printf("post %d messages:      %8.3f s (%6.0f ns each)\n", kMessages, Seconds(posted - start),
              Seconds(posted - start) * 1e9 / kMessages);
  std::printf("dispatch %lld messages: %8.3f s (%6.0f ns each)\n", dispatched, Seconds(done - posted),
              Seconds(done - posted) * 1e9 / static_cast<double>(dispatched));
  DestroyWindow(w);
}

void Repaint() {
  WNDCLASS cls;
  cls.lpfnWndProc = PaintingProc;
  cls.lpszClassName = "Painting";
  cls.Background = 0x00F0F0F0;
  RegisterClass(cls);
  // Styles as the framework gives forms and controls.
  HWND form = CreateWindowEx(0, "Painting", "", WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0, 700, 500, nullptr);
  for (int i = 0; i < 50; ++i)
    CreateWindowEx(0, "Painting", "", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS,
                   10 + (i % 10) * 68, 10 + (i / 10) * 95, 60, 85, form);
  HeadlessPumpUntilIdle();
  constexpr int kRounds = 200;
  auto start = std::chrono::steady_clock::now();
  for (int i = 0; i < kRounds; ++i) {
    RedrawWindow(form, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    HeadlessPumpUntilIdle();  // shows the pixels
  }
  auto done = std::chrono::steady_clock::now();
  std::printf("repaint 700 x 500 with 50 children: %6.3f ms each (%d rounds)\n",
              Seconds(done - start) * 1e3 / kRounds, kRounds);
  DestroyWindow(form);
}

}  // namespace

int main() {
  InitWindowSystem(TBackendKind::Headless);
  PostAndDispatch();
  Repaint();
  ShutdownWindowSystem();
  return 0;
}
