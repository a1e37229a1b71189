#include "platform/framework/Thread.h"

#include <atomic>
#include <chrono>
#include <stdexcept>

#include <gtest/gtest.h>

#include "platform/base/Exceptions.h"
#include "platform/os/MainThread.h"

namespace {

// Counts blocks until told to stop, as the tool threads do.
class BlockWorker : public TThread {
 public:
  std::atomic<int> blocks = 0;

 protected:
  void Execute() override {
    while (!Terminated()) {
      ++blocks;
      std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    SetReturnValue(blocks);
  }
};

class FunctionThread : public TThread {
 public:
  explicit FunctionThread(std::function<void(FunctionThread&)> body) : body_(std::move(body)) {}
  using TThread::Synchronize;

 protected:
  void Execute() override { body_(*this); }

 private:
  std::function<void(FunctionThread&)> body_;
};

// Runs the GUI thread's queue until the condition holds (or 5 s pass).
template <typename Condition>
bool PumpUntil(Condition condition) {
  auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
  while (!condition() && std::chrono::steady_clock::now() < deadline) {
    RunMainThreadQueue();
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
  return condition();
}

class Threads : public ::testing::Test {
 protected:
  void SetUp() override { MarkMainThread(); }
};

}  // namespace

TEST_F(Threads, TerminateStopsTheLoopAndWaitForReturnsItsValue) {
  BlockWorker worker;
  EXPECT_FALSE(worker.Started());
  worker.Start();
  EXPECT_THROW(worker.Start(), EThread);
  while (worker.blocks < 3) std::this_thread::sleep_for(std::chrono::milliseconds(1));
  worker.Terminate();
  EXPECT_TRUE(worker.Terminated());
  int result = worker.WaitFor();
  EXPECT_TRUE(worker.Finished());
  EXPECT_GE(result, 3);
  EXPECT_EQ(result, worker.blocks);
}

TEST_F(Threads, AFinishedThreadNeedsNoWaitForBeforeItIsFreed) {
  auto thread = std::make_unique<FunctionThread>([](FunctionThread&) {});
  thread->Start();
  while (!thread->Finished()) std::this_thread::sleep_for(std::chrono::milliseconds(1));
  thread.reset();  // joins; an unjoined thread object would end the process
  SUCCEED();
}

TEST_F(Threads, SynchronizeRunsOnTheGuiThreadEvenWhileItWaits) {
  std::thread::id ranOn;
  FunctionThread thread([&](FunctionThread& self) {
    self.Synchronize([&] { ranOn = std::this_thread::get_id(); });
  });
  thread.Start();
  thread.WaitFor();  // on the GUI thread: serves the call instead of deadlocking
  EXPECT_EQ(ranOn, std::this_thread::get_id());
}

TEST_F(Threads, SynchronizeIsServedByTheMessageLoopAndPassesExceptionsBack) {
  std::atomic<bool> caught = false;
  FunctionThread thread([&](FunctionThread& self) {
    try {
      self.Synchronize([] { throw EConvertError("bad"); });
    } catch (const EConvertError&) {
      caught = true;
    }
  });
  thread.Start();
  EXPECT_TRUE(PumpUntil([&] { return thread.Finished(); }));
  EXPECT_TRUE(caught);
}

TEST_F(Threads, AnExceptionInExecuteIsKeptNotThrownAcrossThreads) {
  FunctionThread thread([](FunctionThread&) { throw std::runtime_error("disk full"); });
  thread.Start();
  thread.WaitFor();
  ASSERT_TRUE(thread.FatalException());
  EXPECT_THROW(std::rethrow_exception(thread.FatalException()), std::runtime_error);
}

TEST_F(Threads, AThreadThatFreesItselfIsFreedOnTheGuiThreadAfterOnTerminate) {
  struct Tracked : FunctionThread {
    using FunctionThread::FunctionThread;
    ~Tracked() override { *destroyedOn = std::this_thread::get_id(); }
    std::thread::id* destroyedOn = nullptr;
  };
  std::thread::id destroyedOn;
  Tracked* pointer = nullptr;  // what a window would keep
  auto* thread = new Tracked([](FunctionThread&) {});
  thread->destroyedOn = &destroyedOn;
  pointer = thread;
  thread->OnTerminate = [&](TObject* sender) {
    EXPECT_EQ(sender, pointer);
    pointer = nullptr;  // the window forgets the thread here
  };
  thread->SetFreeOnTerminate(true);
  EXPECT_THROW(thread->WaitFor(), EThread);
  thread->Start();
  EXPECT_TRUE(PumpUntil([&] { return destroyedOn != std::thread::id(); }));
  EXPECT_EQ(pointer, nullptr);
  EXPECT_EQ(destroyedOn, std::this_thread::get_id());
}

TEST_F(Threads, WaitForFromAnotherThread) {
  BlockWorker worker;
  worker.Start();
  std::thread waiter([&] {
    worker.Terminate();
    worker.WaitFor();
  });
  waiter.join();
  EXPECT_TRUE(worker.Finished());
}
