// The backend without a display: in-memory windows, a virtual clock and
// input injected by tests (platform/win/Headless.h).

#include <condition_variable>
#include <cstring>
#include <deque>
#include <map>
#include <mutex>
#include <set>

#include "platform/base/Exceptions.h"
#include "platform/win/BackendFactory.h"
#include "platform/win/Core.h"
#include "platform/win/Headless.h"

namespace detail {
namespace {

// How long a blocking wait may last when nothing can wake it but another thread.
constexpr auto kIdleWaitLimit = std::chrono::seconds(10);

class THeadlessBackend : public TWindowBackend, public IKeyState {
 public:
  struct TNative {
    TNativeWindowSpec spec;
    bool visible = false;
    std::optional<TRgn> mask;
    TBitmap presented;
  };

  THeadlessBackend() { SetKeyState(this); }
  ~THeadlessBackend() override { SetKeyState(nullptr); }

  std::map<HWND, TNative> natives;
  std::uint64_t now = 100000;
  TRect screen = Rect(0, 0, 1280, 1024);
  TRect work = Rect(0, 0, 1280, 984);
  TPoint cursor;
  HWND grab = nullptr;
  HWND pressedTop = nullptr;
  HWND overTop = nullptr;
  THeadlessRequests requests;
  std::deque<int> answers;
  std::vector<THeadlessMessageBox> boxes;
  std::map<std::string, std::vector<std::uint8_t>> clipboard;

  void SetDown(int vk, bool down) {
    std::lock_guard lock(keysMutex_);
    if (down) keys_.insert(vk);
    else keys_.erase(vk);
  }
  bool IsKeyDown(int virtualKey) override {
    std::lock_guard lock(keysMutex_);
    return keys_.count(virtualKey) != 0;
  }
  bool AnyButtonDown() {
    return IsKeyDown(VK_LBUTTON) || IsKeyDown(VK_RBUTTON) || IsKeyDown(VK_MBUTTON);
  }

  void CreateNative(const TNativeWindowSpec& spec) override { natives[spec.hwnd].spec = spec; }
  void DestroyNative(HWND hwnd) override {
    natives.erase(hwnd);
    if (grab == hwnd) grab = nullptr;
    if (pressedTop == hwnd) pressedTop = nullptr;
    if (overTop == hwnd) overTop = nullptr;
  }
  void SetNativeGeometry(HWND hwnd, const TRect& r) override { natives[hwnd].spec.rect = r; }
  void SetNativeVisible(HWND hwnd, bool visible, bool) override { natives[hwnd].visible = visible; }
  void SetNativeState(HWND, TNativeState) override {}
  void SetNativeTitle(HWND hwnd, const std::string& title) override { natives[hwnd].spec.title = title; }
  void SetNativeMask(HWND hwnd, const TRgn* region) override {
    if (region) natives[hwnd].mask = *region;
    else natives[hwnd].mask.reset();
  }
  void RaiseNative(HWND) override {}
  void ActivateNative(HWND) override {}
  void SetNativeEnabled(HWND, bool) override {}
  void SetNativeOwner(HWND hwnd, HWND owner) override { natives[hwnd].spec.owner = owner; }

  void PresentNative(HWND hwnd, const TBitmap& surface, const TRgn& dirty) override {
    TBitmap& shown = natives[hwnd].presented;
    if (shown.Width() != surface.Width() || shown.Height() != surface.Height() ||
        shown.PixelFormat() != surface.PixelFormat()) {
      shown.SetPixelFormat(surface.PixelFormat());
      shown.SetSize(surface.Width(), surface.Height());
    }
    int bpp = surface.BytesPerPixel();
    for (const TRect& r : dirty.Rects())
      for (int y = r.Top; y < r.Bottom; ++y)
        std::memcpy(shown.ScanLine(y) + r.Left * bpp, surface.ScanLine(y) + r.Left * bpp,
                    static_cast<std::size_t>(r.Width() * bpp));
  }

  bool StartSystemMove(HWND) override {
    ++requests.systemMoves;
    return false;
  }
  bool StartSystemResize(HWND, int hitCode) override {
    ++requests.systemResizes;
    requests.lastResizeHit = hitCode;
    return false;
  }
  void GrabPointer(HWND hwnd) override { grab = hwnd; }
  void SetCursorShape(int cursorId) override { requests.cursorId = cursorId; }

  void ProcessEvents(int timeoutMs) override {
    if (timeoutMs == 0) return;
    std::unique_lock lock(wakeMutex_);
    if (timeoutMs > 0) {
      // Nothing comes from a display: time runs on to the next timer.
      if (!woken_) now += static_cast<std::uint64_t>(timeoutMs);
      woken_ = false;
      return;
    }
    if (!wakeCv_.wait_for(lock, kIdleWaitLimit, [this] { return woken_; }))
      throw EInvalidOperation("The headless message loop waits for a message that nothing will send");
    woken_ = false;
  }
  void Wake() override {
    {
      std::lock_guard lock(wakeMutex_);
      woken_ = true;
    }
    wakeCv_.notify_all();
  }
  std::uint64_t NowMs() override { return now; }

  TRect ScreenRect() override { return screen; }
  TRect WorkArea() override { return work; }
  TPoint CursorPos() override { return cursor; }
  bool PointerButtonDown(int virtualKey) override { return IsKeyDown(virtualKey); }
  LOGFONT MenuFont() override {
    LOGFONT font;
    font.lfHeight = -11;
    font.lfWeight = 400;
    font.lfFaceName = "Tahoma";
    return font;
  }
  void Beep() override { ++requests.beeps; }

  void SetClipboard(const std::string& mimeType, const std::vector<std::uint8_t>& data) override {
    clipboard[mimeType] = data;
  }
  std::optional<std::vector<std::uint8_t>> Clipboard(const std::string& mimeType) override {
    auto it = clipboard.find(mimeType);
    if (it == clipboard.end()) return std::nullopt;
    return it->second;
  }

  int ShowMessageBox(HWND owner, const std::string& text, const std::string& caption, UINT flags) override {
    boxes.push_back({owner, text, caption, flags});
    if (!answers.empty()) {
      int answer = answers.front();
      answers.pop_front();
      return answer;
    }
    switch (flags & MB_TYPEMASK) {
      case MB_YESNO:
      case MB_YESNOCANCEL: return IDYES;
      case MB_ABORTRETRYIGNORE: return IDABORT;
      case MB_RETRYCANCEL: return IDRETRY;
      default: return IDOK;
    }
  }

 private:
  std::mutex keysMutex_;
  std::set<int> keys_;
  std::mutex wakeMutex_;
  std::condition_variable wakeCv_;
  bool woken_ = false;
};

THeadlessBackend& Headless() {
  auto* headless = dynamic_cast<THeadlessBackend*>(&Backend());
  if (!headless) throw EInvalidOperation("This needs the headless window system");
  return *headless;
}

// The top-level window the display hands a pointer event to.
HWND PointerTop() {
  THeadlessBackend& h = Headless();
  if (h.grab && Find(h.grab)) return h.grab;
  if (h.pressedTop && Find(h.pressedTop) && h.AnyButtonDown()) return h.pressedTop;
  TWindow* top = TopLevelUnder(h.cursor);
  return top ? top->handle : nullptr;
}

}  // namespace

std::unique_ptr<TWindowBackend> CreateHeadlessBackend() { return std::make_unique<THeadlessBackend>(); }

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
