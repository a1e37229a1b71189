#pragma once
// Worker threads. A subclass puts its work in Execute and checks
// Terminated() often enough to stop soon after Terminate(). Whoever owns
// a thread object calls Terminate() and WaitFor() before freeing it: by
// the time this base destructor could wait, the subclass's part of the
// object is already gone. (The destructor still joins a finished thread
// and, as a last resort, waits for a running one.)
// A thread may instead free itself when it ends (FreeOnTerminate); nobody
// else may then free it or wait for it. It is freed on the GUI thread
// after OnTerminate, so a window that keeps a pointer to it can forget
// that pointer in OnTerminate.

#include <atomic>
#include <condition_variable>
#include <exception>
#include <functional>
#include <mutex>
#include <thread>

#include "platform/base/Types.h"

class TThread : public TObject {
 public:
  TThread() = default;
  ~TThread() override;
  TThread(const TThread&) = delete;
  TThread& operator=(const TThread&) = delete;

  // Runs Execute on a new thread; only once. Throws EThread on failure.
  void Start();
  void Terminate() { terminated_ = true; }
  bool Terminated() const { return terminated_; }
  bool Started() const { return started_; }
  bool Finished() const { return finished_; }

  // Waits until Execute has ended and returns ReturnValue. On the GUI
  // thread, Synchronize calls of any thread run meanwhile. Throws EThread
  // for a thread that frees itself.
  int WaitFor();

  bool FreeOnTerminate() const { return freeOnTerminate_; }
  void SetFreeOnTerminate(bool value) { freeOnTerminate_ = value; }
  int ReturnValue() const { return returnValue_; }
  // What Execute threw, if anything; it never escapes the thread.
  std::exception_ptr FatalException() const { return fatalException_; }

  // Runs on the GUI thread after Execute ends, before the thread counts
  // as finished.
  TNotifyEvent OnTerminate;

  std::string ClassName() const override { return "TThread"; }

 protected:
  virtual void Execute() = 0;
  // Runs the function on the GUI thread and waits until it has run; an
  // exception it throws is thrown here. Called on the GUI thread, it runs
  // the function at once.
  void Synchronize(const std::function<void()>& method);
  void SetReturnValue(int value) { returnValue_ = value; }

 private:
  void Run();
  void WaitUntilFinished();

  std::thread thread_;
  std::atomic<bool> started_ = false;
  std::atomic<bool> terminated_ = false;
  std::atomic<bool> finished_ = false;
  std::atomic<bool> freeOnTerminate_ = false;
  std::atomic<int> returnValue_ = 0;
  std::exception_ptr fatalException_;
  std::mutex finishMutex_;
  std::condition_variable finishSignal_;
};

// Runs the Synchronize calls waiting for the GUI thread; true when any ran.
// The message loop need not call it: each call also posts itself to the
// GUI thread's queue.
bool CheckSynchronize();
