// The posted-message queue: filled from any thread, emptied on the GUI thread.

#include <deque>
#include <mutex>

#include "platform/os/MainThread.h"
#include "platform/win/Core.h"

namespace detail {
namespace {

struct TQueued {
  MSG msg;
  std::string keyText;
};

std::mutex queueMutex;
std::deque<TQueued> queue;
bool quitPosted = false;
int quitCode = 0;

// GUI thread only.
MSG lastKeyMsg;
std::string lastKeyText;

bool Matches(const MSG& msg, HWND hwnd, UINT filterMin, UINT filterMax) {
  if (hwnd && msg.hwnd != hwnd && !IsChild(hwnd, msg.hwnd)) return false;
  if (filterMin == 0 && filterMax == 0) return true;
  return msg.message >= filterMin && msg.message <= filterMax;
}

bool IsKeyMessage(UINT message) { return message >= WM_KEYFIRST && message <= WM_KEYLAST; }

}  // namespace

MSG MakeMsg(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  MSG msg;
  msg.hwnd = hwnd;
  msg.message = message;
  msg.wParam = wParam;
  msg.lParam = lParam;
  return msg;
}

void QueueMessage(const MSG& msg, const std::string& keyText) {
  {
    std::lock_guard lock(queueMutex);
    queue.push_back({msg, keyText});
  }
  if (!IsMainThread() && HasBackend()) Backend().Wake();
}

void QueueMessageFirst(const MSG& msg) {
  std::lock_guard lock(queueMutex);
  queue.push_front({msg, {}});
}

void QueuePointerMove(const MSG& msg) {
  std::lock_guard lock(queueMutex);
  if (!queue.empty()) {
    MSG& last = queue.back().msg;
    if (last.hwnd == msg.hwnd && last.message == msg.message && last.wParam == msg.wParam) {
      last = msg;
      return;
    }
  }
  queue.push_back({msg, {}});
}

bool TakeQueued(MSG* out, HWND hwnd, UINT filterMin, UINT filterMax, bool remove) {
  std::lock_guard lock(queueMutex);
  for (auto it = queue.begin(); it != queue.end();) {
    if (it->msg.hwnd && !Find(it->msg.hwnd)) {
      it = queue.erase(it);  // its window was destroyed meanwhile
      continue;
    }
    if (!Matches(it->msg, hwnd, filterMin, filterMax)) {
      ++it;
      continue;
    }
    *out = it->msg;
    if (IsKeyMessage(out->message)) {
      lastKeyMsg = *out;
      lastKeyText = it->keyText;
    }
    if (remove) queue.erase(it);
    return true;
  }
  return false;
}

const std::string& LastKeyText(const MSG& msg) {
  static const std::string none;
  bool same = msg.hwnd == lastKeyMsg.hwnd && msg.message == lastKeyMsg.message &&
              msg.wParam == lastKeyMsg.wParam && msg.lParam == lastKeyMsg.lParam &&
              msg.time == lastKeyMsg.time;
  return same ? lastKeyText : none;
}

bool QuitPending(int* exitCode) {
  std::lock_guard lock(queueMutex);
  if (!quitPosted) return false;
  quitPosted = false;
  if (exitCode) *exitCode = quitCode;
  return true;
}

void ClearQueue() {
  std::lock_guard lock(queueMutex);
  queue.clear();
  quitPosted = false;
  lastKeyMsg = {};
  lastKeyText.clear();
}

}  // namespace detail

bool PostMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (hwnd && !detail::IsLiveHandle(hwnd)) return false;
  MSG msg = detail::MakeMsg(hwnd, message, wParam, lParam);
  if (IsMainThread() && detail::HasBackend()) {
    msg.time = static_cast<DWORD>(detail::Now());
    msg.pt = detail::LastPointerPos();
  }
  detail::QueueMessage(msg);
  return true;
}

void PostQuitMessage(int exitCode) {
  {
    std::lock_guard lock(detail::queueMutex);
    detail::quitPosted = true;
    detail::quitCode = exitCode;
  }
  if (detail::HasBackend()) detail::Backend().Wake();
}
