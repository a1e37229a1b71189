// Window timers: WM_TIMER when due, at most one waiting per timer.

#include <map>

#include "platform/win/Core.h"

namespace detail {
namespace {

struct TTimer {
  UINT interval = 0;
  std::uint64_t due = 0;
  TIMERPROC proc = nullptr;
};

std::map<std::pair<HWND, UINT_PTR>, TTimer> timers;
UINT_PTR nextThreadTimerId = 1;

}  // namespace

std::optional<std::uint64_t> NextTimerDue() {
  std::optional<std::uint64_t> next;
  for (auto& [key, t] : timers)
    if (!next || t.due < *next) next = t.due;
  return next;
}

bool TakeDueTimer(MSG* msg, HWND filter) {
  std::uint64_t now = Now();
  auto best = timers.end();
  for (auto it = timers.begin(); it != timers.end(); ++it) {
    if (it->second.due > now) continue;
    if (filter && it->first.first != filter && !IsChild(filter, it->first.first)) continue;
    if (best == timers.end() || it->second.due < best->second.due) best = it;
  }
  if (best == timers.end()) return false;
  // Missed periods are not made up: the next one counts from now.
  best->second.due = now + best->second.interval;
  *msg = MakeMsg(best->first.first, WM_TIMER, best->first.second,
                 reinterpret_cast<LPARAM>(best->second.proc));
  msg->time = static_cast<DWORD>(now);
  msg->pt = LastPointerPos();
  return true;
}

void KillWindowTimers(HWND hwnd) {
  std::erase_if(timers, [hwnd](const auto& entry) { return entry.first.first == hwnd; });
}

void ClearTimers() {
  timers.clear();
  nextThreadTimerId = 1;
}

}  // namespace detail

using namespace detail;

UINT_PTR SetTimer(HWND hwnd, UINT_PTR id, UINT intervalMs, TIMERPROC proc) {
  EnsureStarted();
  if (hwnd && !Find(hwnd)) return 0;
  if (!hwnd && id == 0) id = nextThreadTimerId++;
  if (intervalMs == 0) {
    KillTimer(hwnd, id);
    return 0;
  }
  timers[{hwnd, id}] = TTimer{intervalMs, Now() + intervalMs, proc};
  Backend().Wake();
  return id ? id : 1;
}

bool KillTimer(HWND hwnd, UINT_PTR id) { return timers.erase({hwnd, id}) != 0; }
