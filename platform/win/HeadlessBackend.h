#pragma once
// The backend without a display: in-memory windows, a virtual clock and
// input injected by tests. Internal to platform/win; tests drive it through
// platform/win/Headless.h.

#include <condition_variable>
#include <deque>
#include <map>
#include <mutex>
#include <set>

#include "platform/base/Exceptions.h"
#include "platform/win/Backend.h"
#include "platform/win/Headless.h"

namespace detail {

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
    bool changed;
    {
      std::lock_guard lock(keysMutex_);
      changed = down ? keys_.insert(vk).second : keys_.erase(vk) != 0;
    }
    if (changed) KeyStateChanged();
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

  void PresentNative(HWND hwnd, const TBitmap& surface, const TRgn& dirty) override;

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

  void ProcessEvents(int timeoutMs) override;
  void Wake() override;
  std::uint64_t NowMs() override { return now; }

  TRect ScreenRect() override { return screen; }
  TRect WorkArea() override { return work; }
  TPoint CursorPos() override {
    ++requests.cursorQueries;
    return cursor;
  }
  bool PointerButtonDown(int virtualKey) override { return IsKeyDown(virtualKey); }
  LOGFONT MenuFont() override;
  void Beep() override { ++requests.beeps; }

  void SetClipboard(const std::string& mimeType, const std::vector<std::uint8_t>& data) override {
    clipboard[mimeType] = data;
  }
  std::optional<std::vector<std::uint8_t>> Clipboard(const std::string& mimeType) override {
    auto it = clipboard.find(mimeType);
    if (it == clipboard.end()) return std::nullopt;
    return it->second;
  }

  int ShowMessageBox(HWND owner, const std::string& text, const std::string& caption, UINT flags) override;

 private:
  std::mutex keysMutex_;
  std::set<int> keys_;
  std::mutex wakeMutex_;
  std::condition_variable wakeCv_;
  bool woken_ = false;
};

// The running headless backend; EInvalidOperation under another backend.
THeadlessBackend& Headless();

}  // namespace detail
