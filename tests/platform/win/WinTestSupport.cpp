#include "WinTestSupport.h"

namespace {

std::vector<TLoggedMessage> logged;
std::map<std::pair<HWND, UINT>, TMessageHandler> handlers;

LRESULT LoggingProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  logged.push_back({hwnd, message, wParam, lParam});
  auto it = handlers.find({hwnd, message});
  if (it != handlers.end())
    if (std::optional<LRESULT> answer = it->second(hwnd, message, wParam, lParam)) return *answer;
  return DefWindowProc(hwnd, message, wParam, lParam);
}

}  // namespace

void WinTest::SetUp() {
  InitWindowSystem(TBackendKind::Headless);
  WNDCLASS cls;
  cls.style = CS_DBLCLKS;
  cls.lpfnWndProc = LoggingProc;
  cls.Background = 0xFFFFFF;
  cls.lpszClassName = "TestWindow";
  RegisterClass(cls);
}

void WinTest::TearDown() {
  // The handlers hold the test body's locals, gone by now; the windows
  // still destroyed here must not reach them.
  handlers.clear();
  ShutdownWindowSystem();
  logged.clear();
}

HWND WinTest::Create(DWORD style, TRect rect, HWND parent, DWORD exStyle, const std::string& text) {
  return CreateWindowEx(exStyle, "TestWindow", text, style, rect.Left, rect.Top, rect.Width(), rect.Height(),
                        parent);
}

HWND WinTest::CreateTop(TRect rect, DWORD style) { return Create(style, rect); }

HWND WinTest::CreateChild(HWND parent, TRect rect, DWORD style) { return Create(style, rect, parent); }

void WinTest::Handle(HWND hwnd, UINT message, TMessageHandler handler) {
  handlers[{hwnd, message}] = std::move(handler);
}

std::vector<TLoggedMessage> WinTest::Logged(UINT message) const {
  std::vector<TLoggedMessage> result;
  for (const auto& m : logged)
    if (m.message == message) result.push_back(m);
  return result;
}

std::vector<TLoggedMessage> WinTest::Logged(HWND hwnd, UINT message) const {
  std::vector<TLoggedMessage> result;
  for (const auto& m : logged)
    if (m.hwnd == hwnd && m.message == message) result.push_back(m);
  return result;
}

void WinTest::ClearLog() { logged.clear(); }

TColor PixelOf(const TBitmap& bitmap, int x, int y) {
  const std::uint8_t* p = bitmap.ScanLine(y) + x * bitmap.BytesPerPixel();
  return static_cast<TColor>(p[2] | (p[1] << 8) | (p[0] << 16));
}
