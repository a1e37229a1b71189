#include "platform/os/MainThread.h"

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <deque>
#include <mutex>
#include <thread>

namespace {

std::mutex queueMutex;
std::deque<std::function<void()>> queue;
std::function<void()> waker;
// GUI thread only. Set while other files' globals are constructed, so
// made on first use.
std::function<void(std::exception_ptr)>& ExceptionHandler() {
  static std::function<void(std::exception_ptr)> handler;
  return handler;
}
std::atomic<std::thread::id> mainThreadId;  // read from every thread

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
  std::unique_lock taking(queueMutex);
  if (queue.empty()) return 0;  // the common case, asked on every pass of the loop
  std::deque<std::function<void()>> batch;
  batch.swap(queue);
  taking.unlock();
  int ran = 0;
  while (!batch.empty()) {
    std::function<void()> fn = std::move(batch.front());
    batch.pop_front();
    ++ran;
    try {
      fn();
    } catch (...) {
      std::function<void()> wake;
      {
        std::lock_guard lock(queueMutex);
        queue.insert(queue.begin(), std::make_move_iterator(batch.begin()), std::make_move_iterator(batch.end()));
        wake = waker;
      }
      // The loop must not sleep on the closures put back.
      if (wake) wake();
      if (!ExceptionHandler()) throw;
      ExceptionHandler()(std::current_exception());
      return ran;
    }
  }
  return ran;
}

void SetMainThreadExceptionHandler(std::function<void(std::exception_ptr)> handler) {
  ExceptionHandler() = std::move(handler);
}

void SetMainThreadWaker(std::function<void()> w) {
  std::lock_guard lock(queueMutex);
  waker = std::move(w);
}

void MarkMainThread() { mainThreadId = std::this_thread::get_id(); }

bool IsMainThread() { return std::this_thread::get_id() == mainThreadId; }

void CheckGuiThread([[maybe_unused]] const char* call) {
#if !defined(NDEBUG) || defined(VELMORA_GUI_THREAD_CHECKS)
  const std::thread::id gui = mainThreadId.load();
  if (gui == std::thread::id() || gui == std::this_thread::get_id()) return;
  std::fprintf(stderr, "%s called from a thread other than the GUI thread\n", call);
  std::abort();
#endif
}
