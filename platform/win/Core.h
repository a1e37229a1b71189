#pragma once
// How the parts of the window system call one another (GUI thread only).
// Internal to platform/win.

#include <algorithm>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/win/WindowStore.h"

namespace detail {

// ---- Message queue (MessageQueue.cpp) ----
// Appends a message; keyText travels with a key message to TranslateMessage.
void QueueMessage(const MSG& msg, const std::string& keyText = {});
void QueueMessageFirst(const MSG& msg);
// A pointer move replaces a move still waiting at the end of the queue.
void QueuePointerMove(const MSG& msg);
// The first message for hwnd (nullptr: any) within the range; dead
// windows' messages are dropped on the way.
bool TakeQueued(MSG* msg, HWND hwnd, UINT filterMin, UINT filterMax, bool remove);
// The text of the key message TakeQueued returned last.
const std::string& LastKeyText(const MSG& msg);
bool QuitPending(int* exitCode);
void ClearQueue();
MSG MakeMsg(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

// ---- Painting (Painting.cpp) ----
// Which children an invalidation reaches: by default those of a window
// without WS_CLIPCHILDREN (its painting covers them).
enum class TChildren { ByStyle, All, None };
// clientArea in client coordinates; nullptr: the whole client.
void InvalidateClient(TWindow* w, const TRgn* clientArea, bool erase, TChildren children);
void InvalidateWhole(TWindow* w);  // client, frame and children
// The parent's area a child covers (for moves, shows and hides).
void InvalidateParentArea(TWindow* child, const TRect& rectInParent);
TWindow* NextWindowToPaint(HWND filter);
void PaintFramePending(TWindow* w);  // sends WM_NCPAINT when the frame waits
void MarkDirty(TWindow* top, const TRgn& windowArea);
void PresentDirty();
void ResizeSurface(TWindow* top);
void ForgetPaintState(TWindow* w);
bool PaintPending();

// ---- Regions of visibility (Visibility.cpp) ----
// What of the window can be drawn on, in surface coordinates.
TRgn VisibleWindowArea(const TWindow* w);
TRgn VisibleClientArea(const TWindow* w);
// Whether a screen point is inside the window and its region.
bool WindowContainsScreenPoint(const TWindow* w, TPoint screen);
// The deepest visible, enabled window under a screen point (skipping
// HTTRANSPARENT answers), starting at a top-level.
TWindow* WindowUnder(TWindow* top, TPoint screen, LRESULT* hit);
TWindow* TopLevelUnder(TPoint screen);

// ---- Non-client defaults (NonClient.cpp) ----
TRect DefaultClientRect(DWORD style, DWORD exStyle, const TRect& windowRect);
int FrameThickness(DWORD style, DWORD exStyle);
LRESULT DefaultHitTest(TWindow* w, TPoint screen);
void DefaultNcPaint(TWindow* w);
void DefaultEraseBackground(TWindow* w, HDC dc);
// Sends WM_NCCALCSIZE and takes the answer as the new client rectangle.
void RecalcClient(TWindow* w, const TRect& oldRect, const TRect& oldClient, WINDOWPOS* pos);

// ---- Timers (Timers.cpp) ----
std::optional<std::uint64_t> NextTimerDue();
bool TakeDueTimer(MSG* msg, HWND filter);
void KillWindowTimers(HWND hwnd);
void ClearTimers();

// ---- Pointer (PointerInput.cpp) ----
void ForgetPointerState(TWindow* w);
bool TakeDueHover(MSG* msg);
std::optional<std::uint64_t> NextHoverDue();
bool PointerButtonHeld(int virtualKey);
// The display took the pointer over and will not report this button's release.
void ForgetPointerButton(int virtualKey);
WPARAM MouseKeyFlags();
void ClearPointerState();
// Where the latest pointer event put the pointer (it may have moved on
// outside the application's windows since): the pt of messages.
TPoint LastPointerPos();

// ---- Keyboard (KeyboardInput.cpp) ----
void SetKeyDown(int virtualKey, bool down);
std::vector<std::uint32_t> CodePoints(const std::string& utf8);
void ClearKeyState();

// ---- Focus and activation (Focus.cpp) ----
void ActivateWindow(TWindow* top, WORD how, bool fromNative);
// Moves focus and activation away from a window that is hidden or dies.
void ForgetFocusState(TWindow* w);
void ClearFocusState();

// ---- Move and size tracking (MoveSizeTracking.cpp) ----
void StartMoveSize(TWindow* w, LRESULT hit);
bool TrackerActive();
// Consumes pointer events while the window follows the pointer.
bool TrackerPointer(int action, TPoint screen);
void TrackerCancel();

// ---- Positions (WindowPositions.cpp) ----
// Window sizes stay within 0..kMaxWindowSize, so that a wild value cannot
// ask for a surface larger than any screen.
constexpr int kMaxWindowSize = 8192;
inline int ClampWindowSize(int size) { return std::clamp(size, 0, kMaxWindowSize); }
// Set while a geometry the display reported is taken over, so that it is
// not sent back to the display.
extern bool applyingNativeGeometry;

// ---- Window states (WindowStates.cpp) ----
void SetMinimized(TWindow* w, bool minimized, bool fromNative);
void MaximizeWindow(TWindow* w);
// Where a maximized window goes: the work area, or the parent's client.
TRect MaximizeArea(TWindow* w);
// WM_GETMINMAXINFO over the defaults for that area.
MINMAXINFO QueryMinMaxInfo(TWindow* w, const TRect& area);

// ---- Messages (MessageLoop.cpp) ----
LRESULT Send(TWindow* w, UINT message, WPARAM wParam, LPARAM lParam);

// ---- The system (WindowSystem.cpp) ----
std::uint64_t Now();
void EnsureStarted();

}  // namespace detail
