#include "platform/framework/Timer.h"

#include <unordered_map>

#include "platform/framework/Forms.h"

namespace {
std::unordered_map<UINT_PTR, TTimer*>& RunningTimers() {
  static std::unordered_map<UINT_PTR, TTimer*> timers;
  return timers;
}
}  // namespace

TTimer::TTimer(TComponent* owner) : TComponent(owner) {
  Publish("Enabled", &TTimer::Enabled, &TTimer::SetEnabled);
  Publish("Interval", &TTimer::Interval, &TTimer::SetInterval);
  // Enabled with a one-second interval from the start: a timer made in
  // code runs without any property being touched.
  UpdateTimer();
}

TTimer::~TTimer() {
  enabled_ = false;
  UpdateTimer();
}

void TTimer::SetEnabled(bool value) {
  if (value == enabled_) return;
  enabled_ = value;
  UpdateTimer();
}

void TTimer::SetInterval(unsigned ms) {
  if (ms == interval_) return;
  interval_ = ms;
  UpdateTimer();
}

void TTimer::Loaded() {
  TComponent::Loaded();
  UpdateTimer();
}

void TTimer::UpdateTimer() {
  if (id_) {
    KillTimer(nullptr, id_);
    RunningTimers().erase(id_);
    id_ = 0;
  }
  if (!enabled_ || interval_ == 0 || IsLoading() || IsDestroying()) return;
  id_ = SetTimer(nullptr, 0, interval_, &TTimer::TimerProc);
  if (id_) RunningTimers()[id_] = this;
}

void TTimer::TimerProc(HWND, UINT, UINT_PTR id, DWORD) {
  auto& timers = RunningTimers();
  auto it = timers.find(id);
  if (it == timers.end()) return;
  TTimer* timer = it->second;
  try {
    timer->Timer();
  } catch (const std::exception& e) {
    Application->HandleException(timer, e);
  }
}

void TTimer::Timer() {
  if (enabled_ && interval_ > 0 && OnTimer) OnTimer(this);
}
