#pragma once
// A worker thread that wakes every few milliseconds and is told how many
// frames are due by the real-time clock; the virtual devices run on it.

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <thread>

namespace detail {

class RealTimeFrameClock {
 public:
  // `tick` gets the number of frames due since the last call; frames it
  // could not handle are not owed later (an output that ran dry does not
  // catch up in a burst).
  RealTimeFrameClock(int sampleRate, std::function<void(std::int64_t due)> tick);
  ~RealTimeFrameClock();

 private:
  void Run();

  int sampleRate_;
  std::function<void(std::int64_t)> tick_;
  std::mutex mutex_;
  std::condition_variable wake_;
  bool stopping_ = false;
  std::thread thread_;
};

}  // namespace detail
