#include <gtest/gtest.h>

#include <chrono>
#include <random>

#include "SkinFileInput.h"
#include "SkinFixtures.h"

namespace {

void Mutate(TBytesVec& bytes, std::mt19937& random) {
  const int edits = static_cast<int>(random() % 8) + 1;
  for (int i = 0; i < edits && !bytes.empty(); ++i) {
    const std::size_t at = random() % bytes.size();
    switch (random() % 5) {
      case 0: bytes[at] ^= static_cast<std::uint8_t>(1 << (random() % 8)); break;
      case 1: bytes[at] = static_cast<std::uint8_t>(random()); break;
      case 2: bytes.resize(at); break;
      case 3: bytes.insert(bytes.begin() + static_cast<std::ptrdiff_t>(at), static_cast<std::uint8_t>(random())); break;
      default: bytes[at] = random() % 2 ? 0xFF : 0x00; break;
    }
  }
}

}  // namespace

// A few seconds of damaged theme files for every reader; the fuzz targets
// run the same inputs for much longer under the sanitizers.
TEST(RandomisedSkinFiles, DamagedInputsNeverCrashHangOrLeaveFiles) {
  TPrivateTempFolder temp;
  std::vector<std::vector<TBytesVec>> seeds;
  for (TSkinReaderInput reader : kSkinReaderInputs) seeds.push_back(SkinReaderSeeds(reader));
  std::mt19937 random(20261209);
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(3);
  int runs = 0;
  while (std::chrono::steady_clock::now() < deadline) {
    const std::size_t reader = random() % seeds.size();
    TBytesVec input = seeds[reader][random() % seeds[reader].size()];
    Mutate(input, random);
    FeedSkinReader(kSkinReaderInputs[reader], input.data(), input.size(), temp.Path());
    ASSERT_TRUE(temp.Files().empty()) << "left behind after run " << runs;
    ++runs;
  }
  EXPECT_GT(runs, 100);
}
