#pragma once
// The window system.
//
// Windows are identified by HWND handles and behave as the classic desktop
// window system defines them: each has a class, style bits, a window
// procedure (replaceable through SetWindowLong(GWL_WNDPROC) and chained with
// CallWindowProc), a window rectangle and a client rectangle computed by
// WM_NCCALCSIZE, a parent, children in z-order, visibility, enabled state
// and text. Messages keep their documented numbers. Only top-level windows
// are native windows of the backend; child windows live inside their
// top-level, which owns one bitmap of its whole window rectangle: window
// procedures paint into it through device contexts (GetWindowDC, GetDC,
// BeginPaint) and the backend shows it, cut to the window region.
//
// Everything here runs on the GUI thread (the one that called
// InitWindowSystem), except PostMessage, SendMessage from other threads
// (it waits for the GUI thread to answer) and PostToMainThread, whose
// closures this message loop runs.
//
// Messages are retrieved in this order: posted and input messages, then
// WM_PAINT for windows with an update region (parents before children),
// then WM_TIMER for due timers. A post to a window that was destroyed in
// the meantime is dropped. Pointer moves still waiting are merged.
//
// Painting: InvalidateRect adds to a window's update region (and to its
// children's when the window lacks WS_CLIPCHILDREN); the window then gets
// WM_NCPAINT when its frame needs it and WM_PAINT, whose BeginPaint sends
// WM_ERASEBKGND and gives a DC clipped to the update region. What was
// drawn is shown when the queue runs dry.
//
// Input: a pointer event goes to the capture window, or else to the
// deepest visible, enabled window under the pointer, asked with
// WM_NCHITTEST: HTCLIENT gives client messages in client coordinates,
// other codes the WM_NC* messages in screen coordinates. A press on an
// inactive window first sends WM_MOUSEACTIVATE. The default answer to
// WM_NCLBUTTONDOWN starts a move (HTCAPTION) or an edge resize (HTLEFT ..
// HTBOTTOMRIGHT): the display does it when it can, otherwise the window
// follows the pointer until the button is up (Escape cancels). Keys go to
// the focus window (system keys while Alt is held) and TranslateMessage
// turns them into WM_CHAR / WM_SYSCHAR.
//
// Subclassing: SetWindowLong(GWL_WNDPROC, newProc) answers the previous
// procedure, which newProc calls through CallWindowProc for whatever it
// does not handle itself; putting the previous one back removes the hook.
//
// The backend is chosen at start: VELMORA_BACKEND=qt (a real display) or
// VELMORA_BACKEND=headless (in-memory windows, a virtual clock and input
// injected by tests; see platform/win/Headless.h). The environment
// variable overrides the kind the program asks for.
//
// Native kinds of top-level windows: WS_POPUP with WS_EX_TOPMOST and
// WS_EX_NOACTIVATE is a hint window (never activated, takes no input);
// WS_POPUP with WS_EX_TOPMOST and WS_EX_TOOLWINDOW is a pop-up (menus,
// drop-down lists: it takes the pointer and keyboard while shown); every
// other top-level is a normal frameless window whose non-client area this
// window system draws. A top-level created with a parent handle has that
// window as its owner and stays above it.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/base/Types.h"
#include "platform/gfx/DeviceContext.h"
#include "platform/gfx/Region.h"
#include "platform/os/KeyState.h"
#include "platform/os/VirtualKeys.h"
#include "platform/win/WinFlags.h"
#include "platform/win/WinMessages.h"
#include "platform/win/WinTypes.h"

enum class TBackendKind { Headless, Qt };

// Starts the window system on the calling thread (which becomes the GUI
// thread). VELMORA_BACKEND overrides preferred. Calling it again does
// nothing. Any other function starts a headless window system on first use
// when none was started.
void InitWindowSystem(TBackendKind preferred);
TBackendKind WindowSystemBackend();
// Destroys every window and stops the backend (tests start afresh).
void ShutdownWindowSystem();

// ---- Classes and windows ---------------------------------------------------

ATOM RegisterClass(const WNDCLASS& windowClass);  // 0 when the name is taken
bool UnregisterClass(const std::string& className);
bool GetClassInfo(const std::string& className, WNDCLASS* windowClass);
std::string GetClassName(HWND hwnd);

// Sends WM_GETMINMAXINFO (top-level), WM_NCCREATE, WM_NCCALCSIZE and
// WM_CREATE; a FALSE answer to WM_NCCREATE or -1 to WM_CREATE destroys the
// window and returns nullptr. A window with WS_VISIBLE is shown at the end.
// parent: the parent of a WS_CHILD window, else the owner.
HWND CreateWindowEx(DWORD exStyle, const std::string& className, const std::string& windowName,
                    DWORD style, int x, int y, int width, int height, HWND parent, UINT_PTR id = 0,
                    void* createParams = nullptr);
// Sends WM_DESTROY, then destroys the children and owned windows, then
// WM_NCDESTROY; the handle is dead afterwards.
bool DestroyWindow(HWND hwnd);
bool IsWindow(HWND hwnd);

// Window longs: GWL_STYLE, GWL_EXSTYLE, GWL_WNDPROC, GWL_USERDATA, GWL_ID,
// GWL_HWNDPARENT. The setter returns the previous value. Style changes send
// WM_STYLECHANGING/WM_STYLECHANGED; the frame takes them up at
// SetWindowPos(SWP_FRAMECHANGED).
LONG_PTR GetWindowLong(HWND hwnd, int index);
LONG_PTR SetWindowLong(HWND hwnd, int index, LONG_PTR value);
inline LONG_PTR GetWindowLongPtr(HWND hwnd, int index) { return GetWindowLong(hwnd, index); }
inline LONG_PTR SetWindowLongPtr(HWND hwnd, int index, LONG_PTR value) {
  return SetWindowLong(hwnd, index, value);
}

LRESULT CallWindowProc(WNDPROC proc, HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT DefWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

// Hierarchy. GetParent answers the parent of a child window and the owner
// of a top-level one, as the classic function does.
HWND GetParent(HWND hwnd);
HWND SetParent(HWND child, HWND newParent);  // returns the old parent
HWND GetAncestor(HWND hwnd, UINT flags);
HWND GetWindow(HWND hwnd, UINT command);  // z-order: first is topmost
HWND GetTopWindow(HWND parent);            // nullptr parent: top-levels
bool IsChild(HWND parent, HWND hwnd);
HWND GetDesktopWindow();
std::vector<HWND> GetChildWindows(HWND parent);  // direct children, top first
std::vector<HWND> GetTopLevelWindows();          // top first

// Text (UTF-8). SetWindowText sends WM_SETTEXT.
bool SetWindowText(HWND hwnd, const std::string& text);
std::string GetWindowText(HWND hwnd);
int GetWindowTextLength(HWND hwnd);

// ---- Geometry ---------------------------------------------------------------

bool GetWindowRect(HWND hwnd, TRect* rect);  // screen coordinates
bool GetClientRect(HWND hwnd, TRect* rect);  // (0, 0, width, height)
bool SetWindowPos(HWND hwnd, HWND insertAfter, int x, int y, int width, int height, UINT flags);
bool MoveWindow(HWND hwnd, int x, int y, int width, int height, bool repaint);
bool BringWindowToTop(HWND hwnd);
bool ShowWindow(HWND hwnd, int command);  // returns whether it was visible
bool IsWindowVisible(HWND hwnd);          // it and all its parents
bool IsIconic(HWND hwnd);
bool IsZoomed(HWND hwnd);
bool GetWindowPlacement(HWND hwnd, WINDOWPLACEMENT* placement);
bool SetWindowPlacement(HWND hwnd, const WINDOWPLACEMENT* placement);
// The window rectangle of a client rectangle under the default frame.
bool AdjustWindowRectEx(TRect* rect, DWORD style, bool menu, DWORD exStyle);

bool ClientToScreen(HWND hwnd, TPoint* point);
bool ScreenToClient(HWND hwnd, TPoint* point);
// from/to nullptr: the screen. Returns the offset packed as MAKELPARAM(dx, dy).
int MapWindowPoints(HWND from, HWND to, TPoint* points, int count);
// Deepest visible, enabled child (or top-level) under a screen point.
HWND WindowFromPoint(TPoint screenPoint);
HWND ChildWindowFromPoint(HWND parent, TPoint clientPoint);

// Regions (window coordinates). The window owns the region afterwards;
// nullptr removes it. GetWindowRgn copies it into an existing region.
int SetWindowRgn(HWND hwnd, HRGN region, bool redraw);
int GetWindowRgn(HWND hwnd, HRGN region);

// ---- Painting ---------------------------------------------------------------

// A window DC is in window coordinates and may draw over the non-client
// area; GetDC and BeginPaint give client coordinates, clipped to the
// visible client area (and to the update region for BeginPaint). Each DC
// must be given back with ReleaseDC / EndPaint.
HDC GetWindowDC(HWND hwnd);
HDC GetDC(HWND hwnd);
int ReleaseDC(HWND hwnd, HDC dc);
HDC BeginPaint(HWND hwnd, PAINTSTRUCT* paint);
bool EndPaint(HWND hwnd, const PAINTSTRUCT* paint);

bool InvalidateRect(HWND hwnd, const TRect* rect, bool erase);  // nullptr: whole client
bool InvalidateRgn(HWND hwnd, HRGN region, bool erase);
bool ValidateRect(HWND hwnd, const TRect* rect);
bool ValidateRgn(HWND hwnd, HRGN region);
bool GetUpdateRect(HWND hwnd, TRect* rect, bool erase);
int GetUpdateRgn(HWND hwnd, HRGN region, bool erase);
// Sends WM_PAINT now when the window has an update region.
bool UpdateWindow(HWND hwnd);
bool RedrawWindow(HWND hwnd, const TRect* rect, HRGN region, UINT flags);

// ---- Messages ---------------------------------------------------------------

LRESULT SendMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
// Thread-safe. nullptr hwnd posts a thread message (GetMessage returns it
// with hwnd nullptr). FALSE for a handle that is not a live window.
bool PostMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
void PostQuitMessage(int exitCode);

// Waits for a message; FALSE when WM_QUIT was retrieved.
bool GetMessage(MSG* msg, HWND hwnd, UINT filterMin, UINT filterMax);
bool PeekMessage(MSG* msg, HWND hwnd, UINT filterMin, UINT filterMax, UINT removeFlags);
// Queues WM_CHAR / WM_SYSCHAR for the characters a key message produced.
bool TranslateMessage(const MSG* msg);
LRESULT DispatchMessage(const MSG* msg);
// Waits until a message, an input event, a post, a due timer or a
// PostToMainThread closure is there (returns at once if one is).
void WaitMessage();
DWORD GetMessageTime();
TPoint GetMessagePos();
// Milliseconds of the window system's clock (virtual in the headless backend).
DWORD GetWindowSystemTime();

// Disables every enabled, visible top-level window of the application but
// except (the modal window, which may be nullptr) and answers them, for
// EnableTaskWindows to enable again after a modal loop.
std::vector<HWND> DisableTaskWindows(HWND except);
void EnableTaskWindows(const std::vector<HWND>& windows);
// A modal loop: the other top-level windows are disabled, messages are
// retrieved and dispatched until done() holds, WM_QUIT arrives (reposted
// for the outer loop) or the window is destroyed.
void RunModalLoop(HWND modalWindow, const std::function<bool()>& done);

// ---- Input ------------------------------------------------------------------

HWND SetCapture(HWND hwnd);  // returns the previous capture window
bool ReleaseCapture();
HWND GetCapture();
// TME_LEAVE posts WM_MOUSELEAVE once the pointer leaves the window, also
// while a window has the capture; TME_HOVER posts WM_MOUSEHOVER.
bool TrackMouseEvent(TRACKMOUSEEVENT* track);

// High bit: down; low bit: toggled. As of the last input message taken
// from the queue. GetAsyncKeyState (platform/os/KeyState.h) answers the
// state now; under the headless backend it answers the injected pointer
// buttons and keys.
SHORT GetKeyState(int virtualKey);

// Asks the display only when the pointer is outside the application's
// windows; over them the pointer events tell where it is.
bool GetCursorPos(TPoint* point);
// Where the pointer events put the pointer, asking the display nothing;
// false while it is outside the application's windows (or the window it
// was over is hidden), where they tell nothing.
bool GetCursorPosFromInput(TPoint* point);
HCURSOR LoadCursor(HINSTANCE instance, int cursorId);  // instance: nullptr
HCURSOR SetCursor(HCURSOR cursor);                     // returns the previous
HCURSOR GetCursor();
int CursorId(HCURSOR cursor);  // the IDC_ number, 0 for none
UINT GetDoubleClickTime();

// ---- Focus and activation -----------------------------------------------------

HWND SetFocus(HWND hwnd);  // returns the previous focus window
HWND GetFocus();
HWND SetActiveWindow(HWND hwnd);
HWND GetActiveWindow();
bool SetForegroundWindow(HWND hwnd);
// The active window while the application is the foreground one.
HWND GetForegroundWindow();
bool EnableWindow(HWND hwnd, bool enable);  // returns whether it was disabled
bool IsWindowEnabled(HWND hwnd);

// ---- Timers -----------------------------------------------------------------

// Interval 0 sets no timer (and ends one of that id) and answers 0. With a
// nullptr window the answer is a new id and proc is called by
// DispatchMessage.
UINT_PTR SetTimer(HWND hwnd, UINT_PTR id, UINT intervalMs, TIMERPROC proc);
bool KillTimer(HWND hwnd, UINT_PTR id);

// ---- Screen and system ----------------------------------------------------------

int GetSystemMetrics(int index);
// SPI_GETWORKAREA (TRect*), SPI_GETNONCLIENTMETRICS (NONCLIENTMETRICS*).
bool SystemParametersInfo(UINT action, UINT param, void* data, UINT winIni);
bool MessageBeep(UINT type);

// A modal message box: MB_OK, MB_OKCANCEL, MB_YESNO, MB_YESNOCANCEL with an
// icon; answers IDOK, IDCANCEL, IDYES or IDNO. The other windows are
// disabled meanwhile; messages keep flowing.
int MessageBox(HWND owner, const std::string& text, const std::string& caption, UINT flags);

// ---- Clipboard -------------------------------------------------------------------

UINT RegisterClipboardFormat(const std::string& name);  // same name, same number
bool SetClipboardText(const std::string& text);
std::string GetClipboardText();
bool SetClipboardData(UINT format, const std::vector<std::uint8_t>& data);
std::optional<std::vector<std::uint8_t>> GetClipboardData(UINT format);
bool IsClipboardFormatAvailable(UINT format);
