// Seek lands on the frame asked for: what follows a seek is exactly what a
// read from the start delivers at that position, lossy formats included.

#include "AudioTestSupport.h"

#include "platform/audio/AudioFile2.h"
#include "platform/audio/AudioFile2LameEnc.h"
#include "platform/audio/FileReader.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <vector>

namespace {

struct SeekCase {
  std::string name;
  std::string extension;
  std::function<void(TAudioFile2&)> chooseOutput;
  int sampleRate;
  int channels;
};

std::vector<SeekCase> Cases() {
  return {
      {"Wav", "wav", [](TAudioFile2& f) { f.SetWAVOutput(22050, 2, 16); }, 22050, 2},
      {"Mp3", "mp3",
       [](TAudioFile2& f) {
         TAudioFile2LameEnc encoder;
         encoder.SetConstantBitRate(true);
         encoder.SetQuality(5);
         f.SetMP3Output(44100, 128, 2);
       },
       44100, 2},
      {"Ogg", "ogg", [](TAudioFile2& f) { f.SetOGGOutput(44100, 1, 499, 0, 0, 128); }, 44100, 1},
      {"Wma", "wma", [](TAudioFile2& f) { f.SetWMAEnabled(true); f.SetWMAOutput(13); }, 44100, 2},
  };
}

class SeekTest : public AudioFileTest, public ::testing::WithParamInterface<SeekCase> {};

TEST_P(SeekTest, SeekReturnsTheFrameAndReadsContinueFromIt) {
  const SeekCase& c = GetParam();
  std::string path = PathOf("seek." + c.extension);
  // A sweep, so that a position off by a few frames shows.
  ASSERT_EQ(WriteWith(path, c.chooseOutput, Sweep(c.sampleRate, c.channels, c.sampleRate * 8)), 0);
  TSampleBlock whole = ReadAll(path);
  ASSERT_FALSE(whole.empty());
  const std::int64_t total = static_cast<std::int64_t>(whole.size()) / c.channels;

  TAudioFile2 reader;
  reader.SetWMAEnabled(true);
  reader.OpenRead(path, 0, 1);
  ASSERT_EQ(reader.LastError(), 0);
  ASSERT_EQ(reader.LengthSamples(), total);

  // Forward, backward, far, near the start, and after reading on.
  for (std::int64_t target : {total / 2, std::int64_t{1}, total - 3000, std::int64_t{5000}, total / 3 + 777,
                              std::int64_t{0}, total * 3 / 4}) {
    SCOPED_TRACE("seek to " + std::to_string(target));
    EXPECT_EQ(reader.Seek(target, 3), target);
    TSampleBlock block = reader.ReadBlock(2000);
    std::int64_t expected = std::min<std::int64_t>(2000, total - target);
    ASSERT_EQ(static_cast<std::int64_t>(block.size()) / c.channels, expected);
    auto from = whole.begin() + static_cast<std::ptrdiff_t>(target * c.channels);
    EXPECT_TRUE(std::equal(block.begin(), block.end(), from));
  }
}

TEST_P(SeekTest, SeekBeyondTheEndStopsAtTheEnd) {
  const SeekCase& c = GetParam();
  std::string path = PathOf("end." + c.extension);
  ASSERT_EQ(WriteWith(path, c.chooseOutput, Tone(c.sampleRate, c.channels, c.sampleRate, 440)), 0);
  TAudioFile2 reader;
  reader.SetWMAEnabled(true);
  reader.OpenRead(path, 0, 1);
  ASSERT_EQ(reader.LastError(), 0);
  EXPECT_EQ(reader.Seek(reader.LengthSamples() + 100000, 3), reader.LengthSamples());
  EXPECT_TRUE(reader.ReadBlock(1000).empty());
  EXPECT_EQ(reader.Seek(-50, 3), 0);
  EXPECT_FALSE(reader.ReadBlock(1000).empty());
}

TEST_P(SeekTest, FloatReadsDeliverTheSameSamplesWhateverTheBlocks) {
  const SeekCase& c = GetParam();
  std::string path = PathOf("float." + c.extension);
  ASSERT_EQ(WriteWith(path, c.chooseOutput, Sweep(c.sampleRate, c.channels, c.sampleRate * 8)), 0);
  const TSampleBlock whole = ReadAll(path);
  const std::int64_t total = static_cast<std::int64_t>(whole.size()) / c.channels;

  detail::FileReader reader;
  ASSERT_EQ(reader.Open(path, true), 0);
  ASSERT_EQ(reader.Channels(), c.channels);
  // Rounded to 16 bits, a float must give the very sample the 16-bit read gives.
  auto expectAt = [&](std::int64_t position, const std::vector<std::vector<float>>& planes, std::int64_t frames) {
    for (int ch = 0; ch < c.channels; ++ch)
      for (std::int64_t i = 0; i < frames; ++i) {
        const long rounded = std::clamp(std::lrint(planes[ch][i] * 32768.0f), -32768L, 32767L);
        if (rounded != whole[(position + i) * c.channels + ch])
          FAIL() << "channel " << ch << " frame " << position + i << ": " << planes[ch][i];
      }
  };
  std::vector<std::vector<float>> planes(c.channels, std::vector<float>(70000));
  std::vector<float*> pointers;
  for (auto& plane : planes) pointers.push_back(plane.data());

  // Sizes that split decoded packets every way, a 16-bit read between
  // float reads, and a seek back.
  const std::int64_t sizes[] = {1, 999, 4097, 65536, 333, 70000};
  std::int64_t position = 0;
  bool seeked = false;
  for (int step = 0;; ++step) {
    if (step == 7) {
      const TSampleBlock block = reader.Read(500);
      ASSERT_EQ(static_cast<std::int64_t>(block.size()), 500 * c.channels);
      EXPECT_TRUE(std::equal(block.begin(), block.end(), whole.begin() + position * c.channels));
      position += 500;
    }
    if (!seeked && position > total / 2) {
      position = total / 3 + 11;
      ASSERT_EQ(reader.Seek(position), position);
      seeked = true;
    }
    const std::int64_t wanted = sizes[step % 6];
    const std::int64_t frames = reader.ReadFloat(wanted, pointers.data());
    ASSERT_EQ(frames, std::min(wanted, total - position)) << "at " << position;
    if (frames == 0) break;
    expectAt(position, planes, frames);
    position += frames;
    ASSERT_EQ(reader.Position(), position);
  }
  EXPECT_TRUE(seeked);
  EXPECT_EQ(position, total);
}

INSTANTIATE_TEST_SUITE_P(Formats, SeekTest, ::testing::ValuesIn(Cases()),
                         [](const auto& info) { return info.param.name; });

}  // namespace
