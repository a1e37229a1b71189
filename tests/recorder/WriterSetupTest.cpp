// Setting up a recording: the encoder settings in their order, each format
// recorded from the virtual capture device into a file that opens again,
// and files that cannot be created reported by name.

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <thread>

#include "platform/audio/WMAFile2.h"
#include "platform/os/MainThread.h"
#include "recorder/GlobeVar.h"
#include "recorder/WriterSetup.h"
#include "tests/platform/os/ScratchFolder.h"

namespace {

// The format settings the tests change, put back afterwards.
struct SavedFormatSettings {
  std::int32_t wavFreq = WavFreq, wavChannels = WavChannels, wavBits = WavSampleRate;
  std::int32_t mp3Freq = MP3Freq, mp3Channels = MP3Channels, mp3BitRate = MP3BitRate, mp3Max = MP3MaxBitRate;
  std::int32_t mp3Quality = MP3EncoderQuality, mp3VbrQuality = MP3VBRQuality;
  bool mp3Vbr = MP3VBREnable, mp3Header = MP3VBRHeader;
  std::int32_t oggFreq = OggFreq, oggChannels = OggChannels, oggQuality = OggBitRate, wma = WmaFormat;
  ~SavedFormatSettings() {
    WavFreq = wavFreq, WavChannels = wavChannels, WavSampleRate = wavBits;
    MP3Freq = mp3Freq, MP3Channels = mp3Channels, MP3BitRate = mp3BitRate, MP3MaxBitRate = mp3Max;
    MP3EncoderQuality = mp3Quality, MP3VBRQuality = mp3VbrQuality, MP3VBREnable = mp3Vbr, MP3VBRHeader = mp3Header;
    OggFreq = oggFreq, OggChannels = oggChannels, OggBitRate = oggQuality, WmaFormat = wma;
  }
};

int WmaProfileNamed(const std::string& name) {
  TWMAFile2 profiles;
  for (int k = 1; k <= profiles.ProfileCount(); ++k) {
    profiles.SetProfile(k);
    if (profiles.ProfileName() == name) return k;
  }
  return 0;
}

// Swings of channel 0 through -1000 and +1000 per second: about twice the
// frequency of a loud tone, and none for silence or codec noise.
double SwingsPerSecond(const TSampleBlock& samples, int channels, int sampleRate) {
  int swings = 0;
  int side = 0;  // -1 low, +1 high, 0 not yet known
  for (size_t i = 0; i < samples.size(); i += static_cast<size_t>(channels)) {
    const int now = samples[i] > 1000 ? 1 : samples[i] < -1000 ? -1 : side;
    if (side != 0 && now != side) ++swings;
    side = now;
  }
  return swings * static_cast<double>(sampleRate) / static_cast<double>(samples.size() / channels);
}

class WriterSetupTest : public testing::Test {
 protected:
  void SetUp() override {
    MarkMainThread();
    setenv("VELMORA_AUDIO", "virtual", 1);
    WavFreq = 44100, WavChannels = 2, WavSampleRate = 16;
    MP3Freq = 44100, MP3Channels = 2, MP3BitRate = 128, MP3MaxBitRate = 256;
    MP3EncoderQuality = 2, MP3VBRQuality = 4, MP3VBREnable = false, MP3VBRHeader = false;
    OggFreq = 22050, OggChannels = 1, OggBitRate = 399;
    WmaFormat = WmaProfileNamed("44100Hz,stereo,128kbps");
  }
  void TearDown() override {
    RunMainThreadQueue();
    unsetenv("VELMORA_AUDIO");
  }

  // Records the virtual tone input through a writer set up for the
  // format, as the main window does, until it has written `blocks` blocks
  // (or given up after a while); `blocks` becomes the count written in
  // the end. Answers the block size.
  int Record(TOutputFormat format, const std::string& path, int& blocks) {
    TAudioFile2 writer;
    TAudioFile2LameEnc encoder;
    TAudioRecord2 recorder;
    recorder.SetDevice(0);
    recorder.SetLine(0);
    recorder.SetLineSelected(true);
    int written = 0;
    recorder.OnEndArrayRecord = [&](TObject*, int) {
      writer.WriteBlock(recorder.GetBlock());
      ++written;
    };
    const int blockSamples = PrepareRecording(recorder, writer, encoder, format, path, false);
    const auto givenUp = std::chrono::steady_clock::now() + std::chrono::seconds(30);
    while (written < blocks && std::chrono::steady_clock::now() < givenUp) {
      RunMainThreadQueue();
      std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    recorder.Stop();
    RunMainThreadQueue();
    writer.Close();
    EXPECT_EQ(writer.LastError(), 0) << writer.LastErrorText();
    blocks = written;
    return blockSamples;
  }

  ScratchFolder folder;
  SavedFormatSettings saved;
};

TEST_F(WriterSetupTest, EachFormatRecordsAFileThatOpensAgain) {
  ASSERT_GT(WmaFormat, 0);
  struct Case {
    TOutputFormat format;
    int rate, channels;
  };
  const Case cases[] = {{TOutputFormat::Wav, 44100, 2},
                        {TOutputFormat::Mp3, 44100, 2},
                        {TOutputFormat::Ogg, 22050, 1},
                        {TOutputFormat::Wma, 44100, 2}};
  for (const Case& c : cases) {
    SCOPED_TRACE(FormatName(c.format));
    const std::string path = folder / ("take" + FormatExtension(c.format));
    int blocks = 2;
    const int blockSamples = Record(c.format, path, blocks);
    EXPECT_EQ(blockSamples, c.rate * 400 / 1000);
    ASSERT_GE(blocks, 2);

    TAudioFile2 reader;
    reader.SetWMAEnabled(true);
    reader.OpenRead(path, 0, 1);
    ASSERT_EQ(reader.LastError(), 0) << reader.LastErrorText();
    EXPECT_EQ(reader.SampleRate(), c.rate);
    EXPECT_EQ(reader.Channels(), c.channels);
    // All the blocks written, give or take the coders' padding.
    const double seconds = static_cast<double>(reader.LengthSamples()) / c.rate;
    EXPECT_GT(seconds, 0.7);
    EXPECT_LT(seconds, blocks * 0.4 + 0.2);
    const TSampleBlock audio = reader.ReadBlock(reader.LengthSamples());
    // The middle half, away from encoder padding at either end.
    const auto quarter = static_cast<std::ptrdiff_t>(audio.size() / 4);
    const TSampleBlock middle(audio.begin() + quarter, audio.end() - quarter);
    EXPECT_NEAR(SwingsPerSecond(middle, reader.FileChannels(), reader.FileSampleRate()), 2000, 100)
        << "the virtual input's 1 kHz tone";
  }
}

TEST_F(WriterSetupTest, EncoderSettingsFollowTheVariableBitRateChoice) {
  TAudioFile2LameEnc encoder;
  MP3VBREnable = true, MP3MaxBitRate = 192, MP3VBRHeader = true, MP3VBRQuality = 3, MP3EncoderQuality = 5;
  encoder.SetVBRMode(2);
  ApplyMp3EncoderSettings(encoder);
  EXPECT_FALSE(encoder.ConstantBitRate());
  EXPECT_EQ(encoder.MaxBitRate(), 192);
  EXPECT_TRUE(encoder.VBRHeader());
  EXPECT_EQ(encoder.VBRMode(), 0);
  EXPECT_EQ(encoder.VBRQuality(), 3);
  EXPECT_EQ(encoder.Quality(), 5);

  // Constant bit rate leaves the variable settings as they were.
  MP3VBREnable = false, MP3MaxBitRate = 320, MP3EncoderQuality = 7;
  ApplyMp3EncoderSettings(encoder);
  EXPECT_TRUE(encoder.ConstantBitRate());
  EXPECT_EQ(encoder.MaxBitRate(), 192);
  EXPECT_EQ(encoder.Quality(), 7);
}

TEST_F(WriterSetupTest, AFileThatCannotBeCreatedIsReportedByName) {
  TAudioFile2 writer;
  TAudioFile2LameEnc encoder;
  const std::string missing = folder / "no such folder/take.wav";
  try {
    CreateRecordingWriter(writer, encoder, TOutputFormat::Wav, missing);
    FAIL() << "no error";
  } catch (const EAudioFileError& error) {
    EXPECT_NE(std::string(error.what()).find(missing), std::string::npos) << error.what();
    EXPECT_EQ(error.Code(), writer.LastError());
  }
  // Settings the writer cannot honour are errors too, and leave no file.
  WavSampleRate = 12;
  EXPECT_THROW(CreateRecordingWriter(writer, encoder, TOutputFormat::Wav, folder / "odd.wav"), EAudioFileError);
  WmaFormat = 9999;
  EXPECT_THROW(CreateRecordingWriter(writer, encoder, TOutputFormat::Wma, folder / "odd.wma"), EAudioFileError);
  EXPECT_FALSE(std::filesystem::exists(folder / "odd.wav"));
  EXPECT_FALSE(std::filesystem::exists(folder / "odd.wma"));
}

// Capture that cannot start (a device gone) leaves a finished, empty file
// and no open writer.
TEST_F(WriterSetupTest, CaptureThatCannotStartClosesTheNewFile) {
  TAudioFile2 writer;
  TAudioFile2LameEnc encoder;
  TAudioRecord2 recorder;
  recorder.SetDevice(recorder.DeviceCount() + 1);
  const std::string path = folder / "unstarted.wav";
  EXPECT_ANY_THROW(PrepareRecording(recorder, writer, encoder, TOutputFormat::Wav, path, false));
  EXPECT_THROW(writer.WriteBlock(TSampleBlock(100, 0)), EAudioFileError);
  TAudioFile2 reader;
  reader.OpenRead(path, 0, 1);
  EXPECT_EQ(reader.LastError(), 0) << reader.LastErrorText();
  EXPECT_EQ(reader.LengthSamples(), 0);
}

}  // namespace
