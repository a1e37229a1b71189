#include "platform/os/MainThread.h"

#include <atomic>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

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
