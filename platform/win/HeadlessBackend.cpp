#include "platform/win/HeadlessBackend.h"

#include <chrono>
#include <cstring>

#include "platform/win/BackendFactory.h"
#include "platform/win/Core.h"

namespace detail {
namespace {

// How long a blocking wait may last when nothing can wake it but another thread.
constexpr auto kIdleWaitLimit = std::chrono::seconds(10);

}  // namespace

void THeadlessBackend::PresentNative(HWND hwnd, const TBitmap& surface, const TRgn& dirty) {
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

void THeadlessBackend::ProcessEvents(int timeoutMs) {
  ++(timeoutMs == 0 ? requests.eventPolls : requests.eventWaits);
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

void THeadlessBackend::Wake() {
  {
    std::lock_guard lock(wakeMutex_);
    woken_ = true;
  }
  wakeCv_.notify_all();
}

LOGFONT THeadlessBackend::MenuFont() {
  LOGFONT font;
  font.lfHeight = -11;
  font.lfWeight = 400;
  font.lfFaceName = "Tahoma";
  return font;
}

int THeadlessBackend::ShowMessageBox(HWND owner, const std::string& text, const std::string& caption, UINT flags) {
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


THeadlessBackend& Headless() {
  auto* headless = dynamic_cast<THeadlessBackend*>(&Backend());
  if (!headless) throw EInvalidOperation("This needs the headless window system");
  return *headless;
}

std::unique_ptr<TWindowBackend> CreateHeadlessBackend() { return std::make_unique<THeadlessBackend>(); }

}  // namespace detail
