#include "platform/framework/Thread.h"

#include <chrono>
#include <deque>
#include <memory>
#include <system_error>

#include "platform/base/Exceptions.h"
#include "platform/os/MainThread.h"

namespace {

struct SyncRequest {
  std::function<void()> method;
  std::exception_ptr error;
  bool done = false;
};

// Calls waiting for the GUI thread, shared by every thread.
std::mutex syncMutex;
std::condition_variable syncSignal;  // a request arrived or one was done
std::deque<std::shared_ptr<SyncRequest>> syncQueue;

}  // namespace

bool CheckSynchronize() {
  std::deque<std::shared_ptr<SyncRequest>> batch;
  {
    std::lock_guard lock(syncMutex);
    batch.swap(syncQueue);
  }
  for (const auto& request : batch) {
    try {
      request->method();
    } catch (...) {
      request->error = std::current_exception();
    }
    std::lock_guard lock(syncMutex);
    request->done = true;
  }
  if (!batch.empty()) syncSignal.notify_all();
  return !batch.empty();
}

void TThread::Synchronize(const std::function<void()>& method) {
  if (IsMainThread()) {
    method();
    return;
  }
  auto request = std::make_shared<SyncRequest>();
  request->method = method;
  {
    std::lock_guard lock(syncMutex);
    syncQueue.push_back(request);
  }
  syncSignal.notify_all();
  PostToMainThread([] { CheckSynchronize(); });
  std::unique_lock lock(syncMutex);
  syncSignal.wait(lock, [&] { return request->done; });
  if (request->error) std::rethrow_exception(request->error);
}

void TThread::Start() {
  if (started_.exchange(true)) throw EThread("Thread already started");
  try {
    thread_ = std::thread([this] { Run(); });
  } catch (const std::system_error& error) {
    started_ = false;
    throw EThread(std::string("Thread creation error: ") + error.what());
  }
}

void TThread::Run() {
  try {
    Execute();
  } catch (...) {
    fatalException_ = std::current_exception();
  }
  if (OnTerminate) {
    try {
      Synchronize([this] { OnTerminate(this); });
    } catch (...) {
      if (!fatalException_) fatalException_ = std::current_exception();
    }
  }
  const bool freeSelf = freeOnTerminate_;
  {
    std::lock_guard lock(finishMutex_);
    finished_ = true;
  }
  finishSignal_.notify_all();
  // Freed on the GUI thread, whose destructor call joins this thread; this
  // thread touches nothing of the object after posting.
  if (freeSelf) PostToMainThread([this] { delete this; });
}

void TThread::WaitUntilFinished() {
  if (!started_ || thread_.get_id() == std::this_thread::get_id()) return;
  if (IsMainThread()) {
    // The worker may be waiting for the GUI thread in Synchronize.
    while (!finished_) {
      CheckSynchronize();
      std::unique_lock lock(syncMutex);
      syncSignal.wait_for(lock, std::chrono::milliseconds(5), [] { return !syncQueue.empty(); });
    }
  } else {
    std::unique_lock lock(finishMutex_);
    finishSignal_.wait(lock, [this] { return finished_.load(); });
  }
}

int TThread::WaitFor() {
  if (freeOnTerminate_) throw EThread("Cannot wait for a thread that frees itself");
  WaitUntilFinished();
  if (thread_.joinable() && thread_.get_id() != std::this_thread::get_id()) thread_.join();
  return returnValue_;
}

TThread::~TThread() {
  if (!thread_.joinable()) return;
  if (thread_.get_id() == std::this_thread::get_id()) {
    thread_.detach();  // freed from within its own Execute
    return;
  }
  Terminate();
  WaitUntilFinished();
  thread_.join();
}
