// Retrieving, translating and dispatching messages; sending; modal loops.

#include <future>

#include "platform/os/MainThread.h"
#include "platform/win/Core.h"

namespace detail {
namespace {

MSG currentMsg;
std::uint64_t lastNativeRead = 0;
// How often native events are read while posted messages keep coming, and
// while the queue is empty: a wait reads them as well, so the passes of an
// idle loop between two waits need not.
constexpr std::uint64_t kNativePollMs = 10;
constexpr std::uint64_t kIdleNativePollMs = 1;

void PollNative(bool queueEmpty) {
  std::uint64_t now = Now();
  if (now - lastNativeRead >= (queueEmpty ? kIdleNativePollMs : kNativePollMs)) {
    lastNativeRead = now;
    Backend().ProcessEvents(0);
    PresentDirty();
  }
}

bool QueueHasMessage() {
  MSG probe;
  return TakeQueued(&probe, nullptr, 0, 0, false);
}

void StampTimeAndPos(MSG* msg) {
  msg->time = static_cast<DWORD>(Now());
  msg->pt = LastPointerPos();
}

}  // namespace

LRESULT Send(TWindow* w, UINT message, WPARAM wParam, LPARAM lParam) {
  if (!w || !w->proc) return 0;
  return w->proc(w->handle, message, wParam, lParam);
}

}  // namespace detail

using namespace detail;

LRESULT SendMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (!IsMainThread() && HasBackend()) {
    // The GUI thread answers; this thread waits, as the classic call does.
    auto answer = std::make_shared<std::promise<LRESULT>>();
    auto result = answer->get_future();
    PostToMainThread([=] {
      try {
        answer->set_value(SendMessage(hwnd, message, wParam, lParam));
      } catch (...) {
        answer->set_exception(std::current_exception());
      }
    });
    return result.get();
  }
  EnsureStarted();
  return Send(Find(hwnd), message, wParam, lParam);
}

bool PeekMessage(MSG* msg, HWND hwnd, UINT filterMin, UINT filterMax, UINT removeFlags) {
  EnsureStarted();
  bool remove = (removeFlags & PM_REMOVE) != 0;
  RunMainThreadQueue();
  PollNative(!QueueHasMessage());
  bool inRange = filterMin == 0 && filterMax == 0;
  auto wants = [&](UINT m) { return inRange || (m >= filterMin && m <= filterMax); };
  MSG found;
  bool got = TakeQueued(&found, hwnd, filterMin, filterMax, remove);
  int exitCode = 0;
  if (!got && !hwnd && wants(WM_QUIT) && QuitPending(&exitCode)) {
    found = MakeMsg(nullptr, WM_QUIT, static_cast<WPARAM>(exitCode), 0);
    StampTimeAndPos(&found);
    if (!remove) PostQuitMessage(exitCode);
    got = true;
  }
  if (!got && wants(WM_PAINT)) {
    if (TWindow* w = NextWindowToPaint(hwnd)) {
      found = MakeMsg(w->handle, WM_PAINT, 0, 0);
      StampTimeAndPos(&found);
      got = true;
    }
  }
  if (!got && wants(WM_TIMER)) got = TakeDueTimer(&found, hwnd);
  if (!got && !hwnd && (wants(WM_MOUSEHOVER) || wants(WM_NCMOUSEHOVER))) got = TakeDueHover(&found);
  if (!got) {
    PresentDirty();
    return false;
  }
  if (msg) *msg = found;
  currentMsg = found;
  return true;
}

bool GetMessage(MSG* msg, HWND hwnd, UINT filterMin, UINT filterMax) {
  if (!msg) return false;
  while (!PeekMessage(msg, hwnd, filterMin, filterMax, PM_REMOVE)) WaitMessage();
  return msg->message != WM_QUIT;
}

void WaitMessage() {
  EnsureStarted();
  if (QueueHasMessage() || PaintPending()) return;
  std::uint64_t now = Now();
  std::optional<std::uint64_t> due = NextTimerDue();
  std::optional<std::uint64_t> hover = NextHoverDue();
  if (hover && (!due || *hover < *due)) due = hover;
  int timeout = -1;
  if (due) timeout = *due <= now ? 0 : static_cast<int>(std::min<std::uint64_t>(*due - now, 1u << 30));
  PresentDirty();
  Backend().ProcessEvents(timeout);
  lastNativeRead = Now();
}

bool TranslateMessage(const MSG* msg) {
  if (!msg) return false;
  UINT charMessage;
  if (msg->message == WM_KEYDOWN) charMessage = WM_CHAR;
  else if (msg->message == WM_SYSKEYDOWN) charMessage = WM_SYSCHAR;
  else return false;
  const std::string& text = LastKeyText(*msg);
  if (text.empty()) return false;
  // Queued in front, so that they come next, in order.
  std::vector<std::uint32_t> codes = CodePoints(text);
  for (auto it = codes.rbegin(); it != codes.rend(); ++it) {
    MSG ch = MakeMsg(msg->hwnd, charMessage, *it, msg->lParam);
    ch.time = msg->time;
    ch.pt = msg->pt;
    QueueMessageFirst(ch);
  }
  return true;
}

LRESULT DispatchMessage(const MSG* msg) {
  if (!msg) return 0;
  if (msg->message == WM_TIMER && msg->lParam) {
    auto proc = reinterpret_cast<TIMERPROC>(msg->lParam);
    proc(msg->hwnd, WM_TIMER, msg->wParam, msg->time);
    return 0;
  }
  TWindow* w = Find(msg->hwnd);
  if (!w) return 0;  // a thread message, or its window is gone
  if (msg->message != WM_PAINT) return Send(w, msg->message, msg->wParam, msg->lParam);
  // A procedure that never validates would be asked to paint forever.
  int before = w->beginPaintCount;
  LRESULT result = Send(w, WM_PAINT, msg->wParam, msg->lParam);
  if ((w = Find(msg->hwnd)) && w->beginPaintCount == before) ValidateRect(w->handle, nullptr);
  return result;
}

DWORD GetMessageTime() { return currentMsg.time; }
TPoint GetMessagePos() { return currentMsg.pt; }
DWORD GetWindowSystemTime() { return static_cast<DWORD>(Now()); }

std::vector<HWND> DisableTaskWindows(HWND except) {
  EnsureStarted();
  std::vector<HWND> disabled;
  std::vector<TWindow*> tops = TopLevels();
  for (TWindow* w : tops) {
    if (w->handle == except || !w->Visible() || !w->Enabled()) continue;
    if (w->nativeKind == TNativeKind::Hint) continue;
    disabled.push_back(w->handle);
  }
  for (HWND h : disabled) EnableWindow(h, false);
  return disabled;
}

void EnableTaskWindows(const std::vector<HWND>& windows) {
  for (HWND h : windows)
    if (IsWindow(h)) EnableWindow(h, true);
}

void RunModalLoop(HWND modalWindow, const std::function<bool()>& done) {
  std::vector<HWND> disabled = DisableTaskWindows(modalWindow);
  try {
    // done() is asked after every message and after every wait, since what
    // ends the loop may come from the display without any message.
    while (!done()) {
      if (modalWindow && !IsWindow(modalWindow)) break;
      MSG msg;
      if (!PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (!done()) WaitMessage();  // PeekMessage may have run closures that end it
        continue;
      }
      if (msg.message == WM_QUIT) {
        PostQuitMessage(static_cast<int>(msg.wParam));  // for the outer loop
        break;
      }
      TranslateMessage(&msg);
      DispatchMessage(&msg);
    }
  } catch (...) {
    EnableTaskWindows(disabled);
    throw;
  }
  EnableTaskWindows(disabled);
}
