// The length a file opens with is what decoding it yields, whether the
// reader took it from the packet timestamps or decoded: the command-line
// decoder is the witness. MP3 files that carry the encoder's delay and
// padding in their info tag come back exactly as long as what went in.

#include "AudioTestSupport.h"

#include "platform/audio/AudioFile2.h"
#include "platform/audio/AudioFile2LameEnc.h"
#include "platform/audio/AudioInformation2.h"

#include <cstdlib>
#include <functional>

namespace {

struct LengthCase {
  std::string name;
  std::string extension;
  int sampleRate;
  int channels;
  // Makes path of source, a WAV of the case's format.
  std::function<bool(const std::string& source, const std::string& path)> make;
  bool gapless;  // decodes to exactly the frames that went in
};

bool Shell(const std::string& command) { return std::system((command + " >/dev/null 2>&1").c_str()) == 0; }

std::function<bool(const std::string&, const std::string&)> Through(const std::string& tool) {
  return [tool](const std::string& source, const std::string& path) {
    return Shell(tool + " '" + source + "' '" + path + "'");
  };
}

std::function<bool(const std::string&, const std::string&)> Ours(
    const std::function<void(TAudioFile2&)>& chooseOutput) {
  return [chooseOutput](const std::string& source, const std::string& path) {
    return WriteWith(path, chooseOutput, ReadAll(source)) == 0;
  };
}

void UseLame(bool constantBitRate) {
  TAudioFile2LameEnc encoder;
  encoder.SetConstantBitRate(constantBitRate);
  encoder.SetVBRHeader(true);
  encoder.SetVBRQuality(4);
}

std::vector<LengthCase> Cases() {
  return {
      {"LameCbrInfoTag", "mp3", 44100, 2, Through("lame --quiet -b 128"), true},
      {"LameVbrXingTag", "mp3", 44100, 2, Through("lame --quiet -V 4"), true},
      // 576 frames a packet: the encoder delay spans two packets.
      {"LameVbrMono8000", "mp3", 8000, 1, Through("lame --quiet -V 6"), true},
      {"OursCbr", "mp3", 44100, 2, Ours([](TAudioFile2& f) { UseLame(true); f.SetMP3Output(44100, 128, 2); }), false},
      {"OursVbrHeader", "mp3", 32000, 1,
       Ours([](TAudioFile2& f) { UseLame(false); f.SetMP3Output(32000, 128, 1); }), true},
      {"OursOgg", "ogg", 44100, 2, Ours([](TAudioFile2& f) { f.SetOGGOutput(44100, 2, 499); }), true},
      {"FfmpegOgg", "ogg", 22050, 1,
       [](const std::string& source, const std::string& path) {
         return Shell("ffmpeg -nostdin -y -i '" + source + "' -c:a libvorbis -q:a 3 '" + path + "'");
       },
       true},
      {"OursWma", "wma", 44100, 2, Ours([](TAudioFile2& f) { f.SetWMAOutput(15); }), false},
      {"OursWav", "wav", 22050, 2, Ours([](TAudioFile2& f) { f.SetWAVOutput(22050, 2, 16); }), true},
  };
}

void PrintTo(const LengthCase& c, std::ostream* out) { *out << c.name; }

class LengthTest : public AudioFileTest, public ::testing::WithParamInterface<LengthCase> {};

TEST_P(LengthTest, LengthIsWhatDecodingYieldsAndSeeksLandOnIt) {
  const LengthCase& c = GetParam();
  const int frames = c.sampleRate * 20 + 321;  // not whole codec frames
  std::string source = PathOf("source.wav");
  ASSERT_EQ(WriteWith(source, [&](TAudioFile2& f) { f.SetWAVOutput(c.sampleRate, c.channels, 16); },
                      Sweep(c.sampleRate, c.channels, frames)),
            0);
  std::string path = PathOf("file." + c.extension);
  ASSERT_TRUE(c.make(source, path));

  TAudioInformation2 information;
  information.SetWMAEnabled(true);
  information.Open(path);
  ASSERT_EQ(information.LastError(), 0);
  EXPECT_EQ(information.LengthSamples(), DecoderFrameCount(path));
  if (c.gapless) {
    EXPECT_EQ(information.LengthSamples(), frames);
  }

  // Positions come from the same map: a seek lands where a read from the
  // start gets to, near the start, in the middle and in the last packets.
  TSampleBlock whole = ReadAll(path);
  const std::int64_t length = information.LengthSamples();
  ASSERT_EQ(static_cast<std::int64_t>(whole.size()) / c.channels, length);
  TAudioFile2 reader;
  reader.SetWMAEnabled(true);
  reader.OpenRead(path, 0, 1);
  ASSERT_EQ(reader.LengthSamples(), length);
  for (std::int64_t target : {std::int64_t{700}, length / 2 + 13, length - 1500}) {
    SCOPED_TRACE("seek to " + std::to_string(target));
    ASSERT_EQ(reader.Seek(target, 3), target);
    TSampleBlock block = reader.ReadBlock(4000);
    ASSERT_EQ(static_cast<std::int64_t>(block.size()) / c.channels, std::min<std::int64_t>(4000, length - target));
    EXPECT_TRUE(std::equal(block.begin(), block.end(), whole.begin() + target * c.channels));
  }
}

INSTANTIATE_TEST_SUITE_P(Files, LengthTest, ::testing::ValuesIn(Cases()),
                         [](const auto& info) { return info.param.name; });

// The last packet cut through: the length is what still decodes.
TEST_F(AudioFileTest, Mp3CutInsideAFrameOpensWithWhatDecodes) {
  std::string source = PathOf("source.wav");
  ASSERT_EQ(WriteWith(source, [](TAudioFile2& f) { f.SetWAVOutput(44100, 2, 16); }, Sweep(44100, 2, 44100 * 10)), 0);
  std::string path = PathOf("cut.mp3");
  ASSERT_TRUE(Shell("lame --quiet -V 2 '" + source + "' '" + path + "'"));
  std::string bytes = ReadBytes(path);
  WriteBytes(path, bytes.substr(0, bytes.size() * 2 / 3 + 101));
  TAudioInformation2 information;
  information.Open(path);
  ASSERT_EQ(information.LastError(), 0);
  EXPECT_EQ(information.LengthSamples(), static_cast<std::int64_t>(ReadAll(path).size() / 2));
  EXPECT_NEAR(static_cast<double>(information.LengthSamples()), static_cast<double>(DecoderFrameCount(path)), 1152);
}

}  // namespace
