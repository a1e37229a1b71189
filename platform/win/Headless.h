#pragma once
// Control of the headless backend, for tests: a virtual clock, injected
// pointer, keys and text, the screen, the active window, scripted answers
// of message boxes, device changes, and what the window system asked of the
// "display" (moves, resizes, beeps). Every function requires the headless
// backend (InitWindowSystem(TBackendKind::Headless), the default in tests).

#include <string>
#include <vector>

#include "platform/base/Types.h"
#include "platform/gfx/Bitmap.h"
#include "platform/win/WinApi.h"

// Retrieves and dispatches messages until none is left (posted messages,
// input, paints and due timers); answers how many were dispatched.
int HeadlessPumpUntilIdle();
// Moves the virtual clock on by ms, firing due timers on the way.
void HeadlessAdvanceClock(std::uint64_t ms);

// Pointer, in screen coordinates; the event goes to the top-level window
// under the point (or to the one holding the pointer). Each call pumps
// until idle.
void HeadlessMouseMove(TPoint screenPoint);
void HeadlessMouseDown(int button = VK_LBUTTON);
void HeadlessMouseUp(int button = VK_LBUTTON);
void HeadlessClick(TPoint screenPoint, int button = VK_LBUTTON);
void HeadlessWheel(int delta);
// Keys: down and up of a virtual key, producing text (UTF-8) on the down.
void HeadlessKeyDown(int virtualKey, const std::string& text = {});
void HeadlessKeyUp(int virtualKey);
void HeadlessKeyPress(int virtualKey, const std::string& text = {});
void HeadlessText(const std::string& text);

void HeadlessSetScreen(const TRect& screen, const TRect& workArea);
// Activation by the "window manager" (nullptr: another application).
void HeadlessActivate(HWND top);
void HeadlessRequestClose(HWND top);  // the window manager's close button
void HeadlessDeviceChange(bool arrival, const std::string& device, int driveIndex);

// Message boxes take the queued answers in order; with none left they
// answer the first button (IDOK or IDYES). Each box shown is recorded.
void HeadlessQueueMessageBoxAnswer(int answer);
struct THeadlessMessageBox {
  HWND owner;
  std::string text;
  std::string caption;
  UINT flags;
};
std::vector<THeadlessMessageBox> HeadlessShownMessageBoxes();

// What the window system asked of the display.
struct THeadlessRequests {
  int systemMoves = 0;    // StartSystemMove calls (the headless answer is
  int systemResizes = 0;  // "cannot", so the window system follows the pointer)
  int lastResizeHit = 0;  // HT code of the last resize
  int beeps = 0;
  int cursorId = 0;  // the shape last set
  int cursorQueries = 0;  // where the pointer is
  int eventPolls = 0;  // reads of pending events
  int eventWaits = 0;  // waits for events, a timer or a wake-up
};
THeadlessRequests HeadlessRequests();

// The pixels the display shows for a top-level window (its surface as last
// presented) and the native mask set on it (empty bounding box: none).
const TBitmap* HeadlessPresentedSurface(HWND top);
bool HeadlessNativeMask(HWND top, TRgn* mask);
bool HeadlessNativeVisible(HWND top);
