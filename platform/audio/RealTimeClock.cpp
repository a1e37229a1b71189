#include "platform/audio/RealTimeClock.h"

#include <algorithm>

namespace detail {
namespace {
constexpr auto kTickPeriod = std::chrono::milliseconds(10);
}

RealTimeFrameClock::RealTimeFrameClock(int sampleRate, std::function<void(std::int64_t)> tick)
    : sampleRate_(sampleRate), tick_(std::move(tick)), thread_([this] { Run(); }) {}

RealTimeFrameClock::~RealTimeFrameClock() {
  {
    std::lock_guard lock(mutex_);
    stopping_ = true;
  }
  wake_.notify_all();
  thread_.join();
}

void RealTimeFrameClock::Run() {
  using Clock = std::chrono::steady_clock;
  auto start = Clock::now();
  std::int64_t handled = 0;
  auto next = start + kTickPeriod;
  std::unique_lock lock(mutex_);
  while (!wake_.wait_until(lock, next, [this] { return stopping_; })) {
    lock.unlock();
    const auto elapsed = std::chrono::duration_cast<std::chrono::microseconds>(Clock::now() - start);
    const std::int64_t dueTotal = elapsed.count() * sampleRate_ / 1000000;
    const std::int64_t due = dueTotal - handled;
    // Frames the tick could not take are not owed later.
    if (due > 0) tick_(std::min<std::int64_t>(due, sampleRate_));
    handled = std::max(handled, dueTotal);
    next += kTickPeriod;
    lock.lock();
  }
}

}  // namespace detail
