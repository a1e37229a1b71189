// Files written in every format open again with their format and length,
// carry the tone that went in, and are accepted by the command-line decoder.

#include "AudioTestSupport.h"

#include "platform/audio/AudioFile2.h"
#include "platform/audio/AudioFile2LameEnc.h"

#include <cstdlib>
#include <functional>

namespace {

struct RoundTrip {
  std::string name;
  std::string extension;
  std::function<void(TAudioFile2&)> chooseOutput;
  int sampleRate;
  int channels;
  int lengthTolerance;  // frames; 0 = exact
};

void UseLame(bool constantBitRate, bool vbrHeader, int quality) {
  TAudioFile2LameEnc encoder;
  encoder.SetConstantBitRate(constantBitRate);
  if (!constantBitRate) {
    encoder.SetMaxBitRate(256);
    encoder.SetVBRHeader(vbrHeader);
    encoder.SetVBRMode(0);
    encoder.SetVBRQuality(4);
  }
  encoder.SetQuality(quality);
}

// One encoder frame plus the codec's delay and padding.
constexpr int kMp3Slack = 1152 + 576 + 529 + 1152;
constexpr int kOggSlack = 2048;
constexpr int kWmaSlack = 2 * 2048;

std::vector<RoundTrip> Cases() {
  return {
      {"Wav16Stereo44100", "wav", [](TAudioFile2& f) { f.SetWAVOutput(44100, 2, 16); }, 44100, 2, 0},
      {"Wav8Mono22050", "wav", [](TAudioFile2& f) { f.SetWAVOutput(22050, 1, 8); }, 22050, 1, 0},
      {"Wav16Mono44100", "wav", [](TAudioFile2& f) { f.SetWAVOutput(44100, 1, 16); }, 44100, 1, 0},
      {"Wav8Stereo22050", "wav", [](TAudioFile2& f) { f.SetWAVOutput(22050, 2, 8); }, 22050, 2, 0},
      {"Wav24Stereo44100", "wav", [](TAudioFile2& f) { f.SetWAVOutput(44100, 2, 24); }, 44100, 2, 0},
      {"Wav32Mono44100", "wav", [](TAudioFile2& f) { f.SetWAVOutput(44100, 1, 32); }, 44100, 1, 0},
      {"Mp3Cbr128Stereo", "mp3",
       [](TAudioFile2& f) { UseLame(true, false, 2); f.SetMP3Output(44100, 128, 2); }, 44100, 2, kMp3Slack},
      {"Mp3Cbr112Mono32000", "mp3",
       [](TAudioFile2& f) { UseLame(true, false, 5); f.SetMP3Output(32000, 112, 1); }, 32000, 1, kMp3Slack},
      {"Mp3VbrWithHeader", "mp3",
       [](TAudioFile2& f) { UseLame(false, true, 0); f.SetMP3Output(44100, 128, 2); }, 44100, 2, kMp3Slack},
      {"Mp3VbrNoHeader48000", "mp3",
       [](TAudioFile2& f) { UseLame(false, false, 2); f.SetMP3Output(48000, 128, 2); }, 48000, 2, kMp3Slack},
      {"OggQuality0", "ogg", [](TAudioFile2& f) { f.SetOGGOutput(44100, 2, 99, 0, 0, 128); }, 44100, 2, kOggSlack},
      {"OggQuality9Mono", "ogg", [](TAudioFile2& f) { f.SetOGGOutput(32000, 1, 999, 0, 0, 128); }, 32000, 1, kOggSlack},
      {"WmaProfile1", "wma", [](TAudioFile2& f) { f.SetWMAEnabled(true); f.SetWMAOutput(1); }, 8000, 1, kWmaSlack},
      {"WmaProfile8", "wma", [](TAudioFile2& f) { f.SetWMAEnabled(true); f.SetWMAOutput(8); }, 22050, 2, kWmaSlack},
      {"WmaProfile15", "wma", [](TAudioFile2& f) { f.SetWMAEnabled(true); f.SetWMAOutput(15); }, 44100, 2, kWmaSlack},
  };
}

class RoundTripTest : public AudioFileTest, public ::testing::WithParamInterface<RoundTrip> {};

TEST_P(RoundTripTest, WrittenFileReadsBackWithFormatLengthAndTone) {
  const RoundTrip& c = GetParam();
  std::string path = PathOf("out." + c.extension);
  const int frames = c.sampleRate * 3;

  TAudioFile2 writer;
  c.chooseOutput(writer);
  writer.CreateWrite(path, 0);
  ASSERT_EQ(writer.LastError(), 0) << writer.LastErrorText();
  EXPECT_EQ(writer.SampleRate(), c.sampleRate);
  EXPECT_EQ(writer.Channels(), c.channels);
  EXPECT_FALSE(writer.FormatText().empty());
  TSampleBlock tone = Tone(c.sampleRate, c.channels, frames, 1000.0);
  // In blocks of 400 ms, as captured audio arrives.
  size_t step = static_cast<size_t>(c.sampleRate) * 4 / 10 * c.channels;
  for (size_t at = 0; at < tone.size(); at += step) {
    TSampleBlock block(tone.begin() + at, tone.begin() + std::min(tone.size(), at + step));
    writer.WriteBlock(block);
  }
  writer.Close();
  ASSERT_EQ(writer.LastError(), 0) << writer.LastErrorText();

  TAudioFile2 reader;
  reader.SetWMAEnabled(true);
  reader.OpenRead(path, 0, 1);
  ASSERT_EQ(reader.LastError(), 0) << reader.LastErrorText();
  EXPECT_EQ(reader.SampleRate(), c.sampleRate);
  EXPECT_EQ(reader.Channels(), c.channels);
  EXPECT_EQ(reader.FileSampleRate(), c.sampleRate);
  EXPECT_EQ(reader.FileChannels(), c.channels);
  EXPECT_FALSE(reader.FormatText().empty());
  if (c.lengthTolerance == 0)
    EXPECT_EQ(reader.LengthSamples(), frames);
  else
    EXPECT_NEAR(static_cast<double>(reader.LengthSamples()), frames, c.lengthTolerance);

  TSampleBlock back = ReadAll(path);
  EXPECT_EQ(static_cast<std::int64_t>(back.size() / c.channels), reader.LengthSamples())
      << "the length promised is the length delivered";
  EXPECT_GT(ToneShare(back, c.sampleRate, c.channels, 1000.0), 0.8);
  EXPECT_LT(ToneShare(back, c.sampleRate, c.channels, 3000.0), 0.05);
  EXPECT_TRUE(DecoderAccepts(path));
}

INSTANTIATE_TEST_SUITE_P(Formats, RoundTripTest, ::testing::ValuesIn(Cases()),
                         [](const auto& info) { return info.param.name; });

}  // namespace
