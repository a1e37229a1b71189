// A WMA file decodes to what was written, from its first sample to its
// last: the codec's decoder loses the first frame and needs one after the
// last, and the writer makes up for both.

#include "AudioTestSupport.h"

#include "platform/audio/AudioFile2.h"

#include <cmath>

namespace {

// Correlation of channel 0 of a and b over frames frames from the given starts.
double Correlation(const TSampleBlock& a, std::int64_t aFrame, const TSampleBlock& b, std::int64_t bFrame,
                   std::int64_t frames, int channels) {
  double ab = 0, aa = 0, bb = 0;
  for (std::int64_t i = 0; i < frames; ++i) {
    double x = a[static_cast<size_t>((aFrame + i) * channels)];
    double y = b[static_cast<size_t>((bFrame + i) * channels)];
    ab += x * y;
    aa += x * x;
    bb += y * y;
  }
  return aa > 0 && bb > 0 ? ab / std::sqrt(aa * bb) : 0;
}

double Rms(const TSampleBlock& block, std::int64_t fromFrame, int channels) {
  double sum = 0;
  std::int64_t count = 0;
  for (size_t i = static_cast<size_t>(fromFrame * channels); i < block.size(); i += static_cast<size_t>(channels), ++count)
    sum += static_cast<double>(block[i]) * block[i];
  return count ? std::sqrt(sum / static_cast<double>(count)) : 0;
}

TEST_F(AudioFileTest, WmaKeepsTheFirstAndTheLastSound) {
  for (int profile : {1, 9, 15}) {
    SCOPED_TRACE("profile " + std::to_string(profile));
    TAudioFile2 format;
    format.SetWMAOutput(profile);
    const int rate = format.SampleRate(), channels = format.Channels();
    const std::int64_t frames = rate * 2 + 333;  // not whole codec frames
    TSampleBlock sweep = Sweep(rate, channels, static_cast<int>(frames));
    std::string path = PathOf("ends" + std::to_string(profile) + ".wma");
    ASSERT_EQ(WriteWith(path, [profile](TAudioFile2& f) { f.SetWMAOutput(profile); }, sweep), 0);

    TSampleBlock back = ReadAll(path);
    auto length = static_cast<std::int64_t>(back.size()) / channels;
    // All of it, and at most two codec frames of silence after it.
    ASSERT_GE(length, frames);
    EXPECT_LT(length, frames + 2 * 2048);
    EXPECT_EQ(DecoderFrameCount(path), length);
    // In place from the first frame to the last.
    const std::int64_t edge = rate / 20;
    EXPECT_GT(Correlation(sweep, 0, back, 0, edge, channels), 0.9);
    EXPECT_GT(Correlation(sweep, frames - edge, back, frames - edge, edge, channels), 0.9);
    EXPECT_LT(Rms(back, frames, channels), 0.05 * Rms(sweep, 0, channels));
  }
}

}  // namespace
