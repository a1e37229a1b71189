#include "platform/os/MainThread.h"

#include <deque>
#include <mutex>
#include <thread>

namespace {

std::mutex queueMutex;
std::deque<std::function<void()>> queue;
std::function<void()> waker;
std::thread::id mainThreadId;

}  // namespace

void PostToMainThread(std::function<void()> fn) {
  std::function<void()> wake;
  {
    std::lock_guard lock(queueMutex);
    queue.push_back(std::move(fn));
    wake = waker;
  }
  if (wake) wake();
}

int RunMainThreadQueue() {
  std::deque<std::function<void()>> batch;
  {
    std::lock_guard lock(queueMutex);
    batch.swap(queue);
  }
  for (auto& fn : batch) fn();
  return static_cast<int>(batch.size());
}

void SetMainThreadWaker(std::function<void()> w) {
  std::lock_guard lock(queueMutex);
  waker = std::move(w);
}

void MarkMainThread() { mainThreadId = std::this_thread::get_id(); }

bool IsMainThread() { return std::this_thread::get_id() == mainThreadId; }
