// The memory under the chunks: chunks never share it, whatever order and
// thread they are released in, and released memory serves again.

#include "platform/audioeditor/SampleMemory.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <thread>
#include <vector>

namespace {

using detail::AllocateSamples;
using detail::kChunkFrames;
using detail::SampleStorage;

bool Holds(const SampleStorage& samples, std::int64_t count, float value) {
  return std::all_of(samples.get(), samples.get() + count, [value](float v) { return v == value; });
}

TEST(SampleMemoryTest, ChunksKeepTheirSamplesWhateverIsReleasedAroundThem) {
  // Enough chunks for several blocks, each filled with its own number.
  std::vector<SampleStorage> chunks;
  for (int i = 0; i < 40; ++i) {
    chunks.push_back(AllocateSamples(kChunkFrames));
    std::fill(chunks.back().get(), chunks.back().get() + kChunkFrames, static_cast<float>(i));
  }
  // Every third released by another thread, and taken again.
  std::thread([&] {
    for (std::size_t i = 0; i < chunks.size(); i += 3) chunks[i].reset();
  }).join();
  for (std::size_t i = 0; i < chunks.size(); i += 3) {
    chunks[i] = AllocateSamples(kChunkFrames);
    std::fill(chunks[i].get(), chunks[i].get() + kChunkFrames, 1000.0f + static_cast<float>(i));
  }
  // Odd sizes come from elsewhere and disturb nothing either.
  SampleStorage small = AllocateSamples(100);
  std::fill(small.get(), small.get() + 100, -1.0f);
  for (std::size_t i = 0; i < chunks.size(); ++i)
    EXPECT_TRUE(Holds(chunks[i], kChunkFrames, i % 3 == 0 ? 1000.0f + static_cast<float>(i) : static_cast<float>(i)))
        << "chunk " << i;
  EXPECT_TRUE(Holds(small, 100, -1.0f));
}

TEST(SampleMemoryTest, ThreadsTakingAndReleasingAtOnceNeverShareAChunk) {
  std::vector<std::thread> threads;
  std::vector<int> faults(4, 0);
  for (int t = 0; t < 4; ++t)
    threads.emplace_back([t, &faults] {
      std::vector<SampleStorage> held;
      for (int round = 0; round < 300; ++round) {
        const float mark = static_cast<float>(t * 100000 + round);
        held.push_back(AllocateSamples(kChunkFrames));
        std::fill(held.back().get(), held.back().get() + kChunkFrames, mark);
        if (held.size() > 5) {
          if (!Holds(held.front(), kChunkFrames, static_cast<float>(t * 100000 + round - 5))) ++faults[t];
          held.erase(held.begin());
        }
      }
    });
  for (auto& thread : threads) thread.join();
  EXPECT_EQ(faults, std::vector<int>(4, 0));
}

}  // namespace
