#pragma once
// What the window system asks of a backend (a display, or nothing at all
// in tests), and the events a backend hands back. Only the window system
// and the backends include this header.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/base/Types.h"
#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Region.h"
#include "platform/win/WinTypes.h"

enum class TNativeKind { Normal, Popup, Hint };
enum class TNativeState { Normal, Minimized, Maximized };

// The native side of one top-level window.
struct TNativeWindowSpec {
  HWND hwnd = nullptr;
  TNativeKind kind = TNativeKind::Normal;
  HWND owner = nullptr;  // a top-level that stays below it
  bool topmost = false;
  TRect rect;  // screen coordinates
  std::string title;
};

class TWindowBackend {
 public:
  virtual ~TWindowBackend() = default;

  virtual void CreateNative(const TNativeWindowSpec& spec) = 0;
  virtual void DestroyNative(HWND hwnd) = 0;
  virtual void SetNativeGeometry(HWND hwnd, const TRect& screenRect) = 0;
  virtual void SetNativeVisible(HWND hwnd, bool visible, bool activate) = 0;
  virtual void SetNativeState(HWND hwnd, TNativeState state) = 0;
  virtual void SetNativeTitle(HWND hwnd, const std::string& title) = 0;
  // Window coordinates; nullptr: the whole rectangle.
  virtual void SetNativeMask(HWND hwnd, const TRgn* region) = 0;
  virtual void RaiseNative(HWND hwnd) = 0;
  virtual void ActivateNative(HWND hwnd) = 0;
  virtual void SetNativeEnabled(HWND hwnd, bool enabled) = 0;
  virtual void SetNativeOwner(HWND hwnd, HWND owner) = 0;
  // Shows the pixels of dirty (window coordinates) from the window's surface.
  virtual void PresentNative(HWND hwnd, const TBitmap& surface, const TRgn& dirty) = 0;
  // Hands a move or an edge resize (HT code) to the window manager; false
  // when it cannot, and the window system then follows the pointer itself.
  virtual bool StartSystemMove(HWND hwnd) = 0;
  virtual bool StartSystemResize(HWND hwnd, int hitCode) = 0;
  // The capture is set on a window of this native window (nullptr: released);
  // a display may keep the pointer events coming to it.
  virtual void GrabPointer(HWND hwnd) = 0;
  virtual void SetCursorShape(int cursorId) = 0;

  // Handles pending display events, waiting up to timeoutMs (-1: until one
  // comes or Wake is called) when none is pending.
  virtual void ProcessEvents(int timeoutMs) = 0;
  virtual void Wake() = 0;  // any thread
  virtual std::uint64_t NowMs() = 0;

  virtual TRect ScreenRect() = 0;
  virtual TRect WorkArea() = 0;
  virtual TPoint CursorPos() = 0;
  virtual bool PointerButtonDown(int virtualKey) = 0;
  virtual LOGFONT MenuFont() = 0;
  virtual void Beep() = 0;

  virtual void SetClipboard(const std::string& mimeType, const std::vector<std::uint8_t>& data) = 0;
  virtual std::optional<std::vector<std::uint8_t>> Clipboard(const std::string& mimeType) = 0;

  // Shows a message box; the window system keeps dispatching its own
  // messages until it is answered (the Qt backend runs the box itself).
  virtual int ShowMessageBox(HWND owner, const std::string& text, const std::string& caption,
                             UINT flags) = 0;
};

// Events from the backend, handled on the GUI thread.
namespace detail {

enum class TPointerAction { Move, Press, Release, DoubleClick };

// point: screen coordinates; button: VK_LBUTTON, VK_RBUTTON, VK_MBUTTON (0 for a move).
void OnNativePointer(HWND top, TPointerAction action, TPoint point, int button);
void OnNativeWheel(HWND top, TPoint point, int delta, bool horizontal);
// The pointer came over a native window (also one that appeared under
// it), or left it; only moves, presses and releases are messages.
void OnNativePointerEntered(HWND top, TPoint point);
void OnNativePointerLeft(HWND top);
// text: the characters the key produces (UTF-8), empty for none.
void OnNativeKey(bool down, int virtualKey, bool autoRepeat, const std::string& text);
void OnNativeText(const std::string& text);  // input-method commit
void OnNativeExpose(HWND top);
void OnNativeGeometry(HWND top, const TRect& screenRect);
void OnNativeStateChanged(HWND top, TNativeState state);
void OnNativeCloseRequest(HWND top);
void OnNativeActivated(HWND top);  // nullptr: the application lost the focus
void OnDeviceChange(bool arrival, const std::string& device, int driveIndex);

}  // namespace detail
