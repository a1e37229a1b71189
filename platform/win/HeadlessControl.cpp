// What tests do to the headless backend: pump, step the clock, inject input.

#include "platform/win/Core.h"
#include "platform/win/HeadlessBackend.h"

namespace detail {
namespace {

// The top-level window the display hands a pointer event to.
HWND PointerTop() {
  THeadlessBackend& h = Headless();
  if (h.grab && Find(h.grab)) return h.grab;
  if (h.pressedTop && Find(h.pressedTop) && h.AnyButtonDown()) return h.pressedTop;
  TWindow* top = TopLevelUnder(h.cursor);
  return top ? top->handle : nullptr;
}

}  // namespace
}  // namespace detail

using namespace detail;

int HeadlessPumpUntilIdle() {
  Headless();
  constexpr int kLimit = 10'000'000;
  int count = 0;
  MSG msg;
  while (PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(msg.wParam));
      break;
    }
    TranslateMessage(&msg);
    DispatchMessage(&msg);
    if (++count >= kLimit) throw EInvalidOperation("Messages keep coming; the window system never gets idle");
  }
  return count;
}

void HeadlessAdvanceClock(std::uint64_t ms) {
  THeadlessBackend& h = Headless();
  std::uint64_t target = h.now + ms;
  for (;;) {
    HeadlessPumpUntilIdle();
    std::optional<std::uint64_t> due = NextTimerDue();
    std::optional<std::uint64_t> hover = NextHoverDue();
    if (hover && (!due || *hover < *due)) due = hover;
    if (!due || *due > target) break;
    h.now = std::max(h.now, *due);
  }
  h.now = target;
  HeadlessPumpUntilIdle();
}

void HeadlessMouseMove(TPoint screenPoint) {
  THeadlessBackend& h = Headless();
  h.cursor = screenPoint;
  HWND top = PointerTop();
  if (!top && h.overTop) OnNativePointerLeft(h.overTop);
  h.overTop = top;
  if (top) OnNativePointer(top, TPointerAction::Move, screenPoint, 0);
  HeadlessPumpUntilIdle();
}

void HeadlessMouseDown(int button) {
  THeadlessBackend& h = Headless();
  h.SetDown(button, true);
  HWND top = PointerTop();
  h.pressedTop = top;
  OnNativePointer(top, TPointerAction::Press, h.cursor, button);
  HeadlessPumpUntilIdle();
}

void HeadlessMouseUp(int button) {
  THeadlessBackend& h = Headless();
  h.SetDown(button, false);
  HWND top = PointerTop();
  if (!top) top = h.pressedTop;
  OnNativePointer(top, TPointerAction::Release, h.cursor, button);
  if (!h.AnyButtonDown()) h.pressedTop = nullptr;
  HeadlessPumpUntilIdle();
}

void HeadlessClick(TPoint screenPoint, int button) {
  HeadlessMouseMove(screenPoint);
  HeadlessMouseDown(button);
  HeadlessMouseUp(button);
}

void HeadlessWheel(int delta) {
  THeadlessBackend& h = Headless();
  OnNativeWheel(PointerTop(), h.cursor, delta, false);
  HeadlessPumpUntilIdle();
}

void HeadlessKeyDown(int virtualKey, const std::string& text) {
  THeadlessBackend& h = Headless();
  bool repeat = h.IsKeyDown(virtualKey);
  h.SetDown(virtualKey, true);
  OnNativeKey(true, virtualKey, repeat, text);
  HeadlessPumpUntilIdle();
}

void HeadlessKeyUp(int virtualKey) {
  Headless().SetDown(virtualKey, false);
  OnNativeKey(false, virtualKey, false, {});
  HeadlessPumpUntilIdle();
}

void HeadlessKeyPress(int virtualKey, const std::string& text) {
  HeadlessKeyDown(virtualKey, text);
  HeadlessKeyUp(virtualKey);
}

void HeadlessText(const std::string& text) {
  Headless();
  OnNativeText(text);
  HeadlessPumpUntilIdle();
}

void HeadlessSetScreen(const TRect& screen, const TRect& workArea) {
  THeadlessBackend& h = Headless();
  h.screen = screen;
  h.work = workArea;
}

void HeadlessActivate(HWND top) {
  Headless();
  OnNativeActivated(top);
  HeadlessPumpUntilIdle();
}

void HeadlessRequestClose(HWND top) {
  Headless();
  OnNativeCloseRequest(top);
  HeadlessPumpUntilIdle();
}

void HeadlessDeviceChange(bool arrival, const std::string& device, int driveIndex) {
  Headless();
  OnDeviceChange(arrival, device, driveIndex);
  HeadlessPumpUntilIdle();
}

void HeadlessQueueMessageBoxAnswer(int answer) { Headless().answers.push_back(answer); }

std::vector<THeadlessMessageBox> HeadlessShownMessageBoxes() { return Headless().boxes; }

THeadlessRequests HeadlessRequests() { return Headless().requests; }

const TBitmap* HeadlessPresentedSurface(HWND top) {
  auto& natives = Headless().natives;
  auto it = natives.find(top);
  return it == natives.end() || it->second.presented.Empty() ? nullptr : &it->second.presented;
}

bool HeadlessNativeMask(HWND top, TRgn* mask) {
  auto& natives = Headless().natives;
  auto it = natives.find(top);
  if (it == natives.end() || !it->second.mask) return false;
  if (mask) *mask = *it->second.mask;
  return true;
}

bool HeadlessNativeVisible(HWND top) {
  auto& natives = Headless().natives;
  auto it = natives.find(top);
  return it != natives.end() && it->second.visible;
}
