#include "platform/os/MainThread.h"

#include <atomic>
#include <memory>
#include <stdexcept>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

#include "platform/os/Liveness.h"

TEST(MainThread, ClosuresFromWorkersRunOnTheDrainingThreadInOrder) {
  MarkMainThread();
  std::vector<int> seen;
  std::atomic<int> wakes = 0;
  SetMainThreadWaker([&] { ++wakes; });
  std::thread worker([&] {
    for (int i = 0; i < 100; ++i) PostToMainThread([&seen, i] { seen.push_back(i); });
  });
  worker.join();
  SetMainThreadWaker({});
  EXPECT_EQ(wakes, 100);
  EXPECT_EQ(RunMainThreadQueue(), 100);
  ASSERT_EQ(seen.size(), 100u);
  for (int i = 0; i < 100; ++i) EXPECT_EQ(seen[i], i);
  EXPECT_TRUE(IsMainThread());
}

TEST(MainThread, AClosurePostedWhileDrainingRunsInTheNextDrain) {
  int runs = 0;
  PostToMainThread([&] { ++runs; PostToMainThread([&] { ++runs; }); });
  EXPECT_EQ(RunMainThreadQueue(), 1);
  EXPECT_EQ(runs, 1);
  EXPECT_EQ(RunMainThreadQueue(), 1);
  EXPECT_EQ(runs, 2);
}

TEST(MainThread, WorkPostedForAnObjectThatWentIsDropped) {
  MarkMainThread();
  std::vector<int> seen;
  auto owner = std::make_unique<TLiveness>();
  TLivenessRef ref = owner->Ref();
  std::thread worker([&] {
    ref.Post([&seen] { seen.push_back(1); });
    ref.Post([&seen] { seen.push_back(2); });
  });
  worker.join();
  owner->Post([&seen] { seen.push_back(3); });
  RunMainThreadQueue();
  owner->Post([&seen] { seen.push_back(4); });  // queued, then its owner goes
  owner.reset();
  ref.Post([&seen] { seen.push_back(5); });  // posted after the end
  RunMainThreadQueue();
  EXPECT_EQ(seen, (std::vector<int>{1, 2, 3}));
  EXPECT_FALSE(ref.Alive());
}

TEST(MainThread, AClosureThatThrowsLeavesTheRestQueuedInOrder) {
  std::vector<int> seen;
  SetMainThreadExceptionHandler({});
  PostToMainThread([&] { seen.push_back(1); });
  PostToMainThread([] { throw std::runtime_error("broken"); });
  PostToMainThread([&] { seen.push_back(3); });
  PostToMainThread([&] { seen.push_back(4); });
  EXPECT_THROW(RunMainThreadQueue(), std::runtime_error);
  EXPECT_EQ(seen, (std::vector<int>{1}));
  EXPECT_EQ(RunMainThreadQueue(), 2);
  EXPECT_EQ(seen, (std::vector<int>{1, 3, 4}));
}
