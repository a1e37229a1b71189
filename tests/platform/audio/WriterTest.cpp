// The writer: format conversion of its input, its settings reaching the
// encoders, and its failures reported without losing what was written.

#include "AudioTestSupport.h"

#include "platform/audio/AudioFile2.h"
#include "platform/audio/AudioFile2LameEnc.h"

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <thread>

namespace {

class WriterTest : public AudioFileTest {};

std::string Probe(const std::string& path, const std::string& entry) {
  std::string command = "ffprobe -v error -show_entries " + entry +
                        " -of default=noprint_wrappers=1:nokey=1 '" + path + "'";
  std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
  std::string text;
  char buffer[256];
  while (pipe && fgets(buffer, sizeof buffer, pipe.get())) text += buffer;
  while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) text.pop_back();
  return text;
}

TEST_F(WriterTest, InputIsConvertedToTheOutputRateAndChannels) {
  std::string path = PathOf("converted.wav");
  TAudioFile2 writer;
  writer.SetWAVOutput(44100, 2, 16);
  writer.CreateWrite(path, 0);
  writer.SetInputFormat(22050, 1);
  writer.WriteBlock(Tone(22050, 1, 22050, 1000));
  // A second input of another format, as when files are joined.
  writer.SetInputFormat(48000, 2);
  writer.WriteBlock(Tone(48000, 2, 48000, 1000));
  writer.Close();
  ASSERT_EQ(writer.LastError(), 0);

  int rate = 0, channels = 0;
  TSampleBlock back = ReadAll(path, &rate, &channels);
  EXPECT_EQ(rate, 44100);
  EXPECT_EQ(channels, 2);
  EXPECT_NEAR(static_cast<double>(back.size() / 2), 2 * 44100, 100);
  EXPECT_GT(ToneShare(back, 44100, 2, 1000), 0.9);
  for (size_t i = 0; i < back.size(); i += 2) ASSERT_EQ(back[i], back[i + 1]) << "mono spread to both sides";
}

// Choosing another output while a file is written changes the next file,
// not the one being written.
TEST_F(WriterTest, OutputChoiceDuringWritingWaitsForTheNextFile) {
  std::string path = PathOf("steady.wav");
  TAudioFile2 writer;
  writer.SetWAVOutput(22050, 1, 16);
  writer.CreateWrite(path, 0);
  std::string text = writer.FormatText();
  writer.WriteBlock(Tone(22050, 1, 22050, 1000));
  writer.SetMP3Output(44100, 128, 2);
  EXPECT_EQ(writer.SampleRate(), 22050);
  EXPECT_EQ(writer.Channels(), 1);
  EXPECT_EQ(writer.FormatText(), text);
  writer.WriteBlock(Tone(22050, 1, 22050, 1000));
  writer.Close();
  TAudioFile2 reader;
  reader.OpenRead(path, 0, 1);
  EXPECT_EQ(reader.SampleRate(), 22050);
  EXPECT_EQ(reader.LengthSamples(), 2 * 22050);
}

TEST_F(WriterTest, ImpossibleInputFormatIsReportedAndIgnored) {
  std::string path = PathOf("kept.wav");
  TAudioFile2 writer;
  writer.SetWAVOutput(8000, 1, 16);
  writer.CreateWrite(path, 0);
  writer.SetInputFormat(0, 0);  // what an unreadable source reports
  EXPECT_EQ(writer.LastError(), AUDIO_ERR_BAD_INPUT_FORMAT);
  writer.WriteBlock(Tone(8000, 1, 800, 1000));
  writer.Close();
  TAudioFile2 reader;
  reader.OpenRead(path, 0, 1);
  EXPECT_EQ(reader.LengthSamples(), 800);
}

TEST_F(WriterTest, SampleSizesKeepTheirPrecision) {
  TSampleBlock ramp = Ramp(2, 5000);
  for (int bits : {8, 16, 24, 32}) {
    SCOPED_TRACE(bits);
    std::string path = PathOf("ramp" + std::to_string(bits) + ".wav");
    TAudioFile2 writer;
    writer.SetWAVOutput(44100, 2, bits);
    writer.CreateWrite(path, 0);
    writer.WriteBlock(ramp);
    writer.Close();
    TSampleBlock back = ReadAll(path);
    ASSERT_EQ(back.size(), ramp.size());
    int tolerance = bits == 8 ? 256 : 0;
    for (size_t i = 0; i < ramp.size(); ++i) ASSERT_LE(std::abs(back[i] - ramp[i]), tolerance) << i;
    EXPECT_EQ(Probe(path, "stream=bits_per_sample"), std::to_string(bits));
  }
}

TEST_F(WriterTest, OddLengthWavIsPaddedAndStillExact) {
  std::string path = PathOf("odd.wav");
  TAudioFile2 writer;
  writer.SetWAVOutput(8000, 1, 8);
  writer.CreateWrite(path, 0);
  writer.WriteBlock(Tone(8000, 1, 801, 500));
  writer.Close();
  EXPECT_EQ(std::filesystem::file_size(path), 44u + 802u);
  TAudioFile2 reader;
  reader.OpenRead(path, 0, 1);
  EXPECT_EQ(reader.LengthSamples(), 801);
  EXPECT_TRUE(DecoderAccepts(path));
}

TEST_F(WriterTest, BadOutputChoicesAndPlacesFailCreateWrite) {
  TAudioFile2 writer;
  writer.SetWAVOutput(44100, 2, 12);
  writer.CreateWrite(PathOf("bits.wav"), 0);
  EXPECT_EQ(writer.LastError(), AUDIO_ERR_BAD_OUTPUT_FORMAT);
  writer.SetWAVOutput(44100, 0, 16);
  writer.CreateWrite(PathOf("channels.wav"), 0);
  EXPECT_EQ(writer.LastError(), AUDIO_ERR_BAD_OUTPUT_FORMAT);
  writer.SetWAVOutput(44100, 2, 16);
  writer.CreateWrite(PathOf("no/such/folder.wav"), 0);
  EXPECT_EQ(writer.LastError(), AUDIO_ERR_CREATE);
  EXPECT_FALSE(writer.LastErrorText().empty());
  writer.SetMP3Output(12345, 128, 2);
  writer.CreateWrite(PathOf("rate.mp3"), 0);
  EXPECT_NE(writer.LastError(), 0);
  writer.SetWMAEnabled(false);
  writer.SetWMAOutput(3);
  writer.CreateWrite(PathOf("off.wma"), 0);
  EXPECT_EQ(writer.LastError(), AUDIO_ERR_WMA_DISABLED);
  writer.SetWMAEnabled(true);
  for (int profile : {0, 16}) {
    writer.SetWMAOutput(profile);
    writer.CreateWrite(PathOf("profile.wma"), 0);
    EXPECT_EQ(writer.LastError(), AUDIO_ERR_BAD_OUTPUT_FORMAT);
  }
  // A failed create leaves nothing open to write to.
  EXPECT_THROW(writer.WriteBlock(Tone(8000, 1, 100, 500)), EAudioFileError);
  EXPECT_EQ(writer.LastError(), AUDIO_ERR_NOT_OPEN);
}

TEST_F(WriterTest, EmptyOutputIsAValidEmptyFile) {
  std::string path = PathOf("empty.wav");
  TAudioFile2 writer;
  writer.SetWAVOutput(44100, 2, 16);
  writer.CreateWrite(path, 0);
  writer.Close();
  TAudioFile2 reader;
  reader.OpenRead(path, 0, 1);
  EXPECT_EQ(reader.LastError(), 0);
  EXPECT_EQ(reader.LengthSamples(), 0);
  EXPECT_TRUE(reader.ReadBlock(100).empty());
}

// A write that fails (here: the file size limit, as a full disk would)
// raises, and the file keeps the audio written before.
TEST_F(WriterTest, FailedWriteRaisesAndKeepsTheFileValid) {
  std::string path = PathOf("limited.wav");
  pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit limit{300000, 300000};
    setrlimit(RLIMIT_FSIZE, &limit);
    TAudioFile2 writer;
    writer.SetWAVOutput(44100, 2, 16);
    writer.CreateWrite(path, 0);
    TSampleBlock block = Tone(44100, 2, 4410, 1000);
    int code = 1;
    try {
      for (int i = 0; i < 100; ++i) writer.WriteBlock(block);
    } catch (const EAudioFileError& error) {
      code = writer.LastError() == AUDIO_ERR_WRITE ? 0 : 2;
    }
    writer.Close();
    _exit(code);
  }
  int status = 0;
  ASSERT_EQ(waitpid(child, &status, 0), child);
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 0) << "the failing write did not raise";
  TAudioFile2 reader;
  reader.OpenRead(path, 0, 1);
  ASSERT_EQ(reader.LastError(), 0) << reader.LastErrorText();
  EXPECT_GT(reader.LengthSamples(), 60000);
  EXPECT_EQ(static_cast<std::int64_t>(ReadAll(path).size() / 2), reader.LengthSamples());
  EXPECT_TRUE(DecoderAccepts(path));
}

void WriteMp3(const std::string& path, bool constantBitRate, int bitRate, int maxBitRate, bool header,
              int vbrQuality) {
  TAudioFile2LameEnc encoder;
  encoder.SetConstantBitRate(constantBitRate);
  encoder.SetMaxBitRate(maxBitRate);
  encoder.SetVBRHeader(header);
  encoder.SetVBRMode(0);
  encoder.SetVBRQuality(vbrQuality);
  encoder.SetQuality(5);
  TAudioFile2 writer;
  writer.SetMP3Output(44100, bitRate, 2);
  writer.CreateWrite(path, 0);
  // Noise-like content makes the bit rate follow the settings.
  TSampleBlock signal = Tone(44100, 2, 44100 * 4, 1000, 0.3);
  for (size_t i = 0; i < signal.size(); ++i) signal[i] = static_cast<std::int16_t>(signal[i] + ((i * 7919) % 4001) - 2000);
  writer.WriteBlock(signal);
  writer.Close();
}

TEST_F(WriterTest, Mp3SettingsReachTheEncoder) {
  WriteMp3(PathOf("cbr.mp3"), true, 192, 320, false, 4);
  EXPECT_EQ(Probe(PathOf("cbr.mp3"), "stream=bit_rate"), "192000");

  WriteMp3(PathOf("header.mp3"), false, 128, 320, true, 2);
  WriteMp3(PathOf("noheader.mp3"), false, 128, 320, false, 2);
  EXPECT_NE(ReadBytes(PathOf("header.mp3")).substr(0, 200).find("Xing"), std::string::npos);
  EXPECT_EQ(ReadBytes(PathOf("noheader.mp3")).substr(0, 200).find("Xing"), std::string::npos);

  WriteMp3(PathOf("best.mp3"), false, 128, 320, true, 0);
  WriteMp3(PathOf("small.mp3"), false, 128, 320, true, 9);
  WriteMp3(PathOf("capped.mp3"), false, 128, 96, true, 0);
  auto size = [&](const char* name) { return std::filesystem::file_size(PathOf(name)); };
  EXPECT_GT(size("best.mp3"), size("small.mp3") * 3 / 2);
  EXPECT_LT(size("capped.mp3"), size("best.mp3"));
  // No frame of the capped file exceeds 96 kbps: 4 s at 96 kbps plus the header frame.
  EXPECT_LE(size("capped.mp3"), 4u * 96000 / 8 + 2000);
}

TEST_F(WriterTest, OggQualityReachesTheEncoder) {
  auto write = [&](const std::string& name, int quality) {
    TAudioFile2 writer;
    writer.SetOGGOutput(44100, 2, quality, 0, 0, 128);
    writer.CreateWrite(PathOf(name), 0);
    TSampleBlock signal = Tone(44100, 2, 44100 * 3, 1000, 0.3);
    for (size_t i = 0; i < signal.size(); ++i) signal[i] = static_cast<std::int16_t>(signal[i] + ((i * 7919) % 4001) - 2000);
    writer.WriteBlock(signal);
    writer.Close();
    return std::filesystem::file_size(PathOf(name));
  };
  EXPECT_GT(write("high.ogg", 999), 2 * write("low.ogg", 99));
}

TEST_F(WriterTest, WmaProfileBelowTheEncoderFloorUsesTheNearestRate) {
  std::string path = PathOf("low.wma");
  TAudioFile2 writer;
  writer.SetWMAEnabled(true);
  writer.SetWMAOutput(1);
  EXPECT_NE(writer.FormatText().find("4 kbps"), std::string::npos);
  writer.CreateWrite(path, 0);
  ASSERT_EQ(writer.LastError(), 0) << writer.LastErrorText();
  writer.WriteBlock(Tone(8000, 1, 16000, 1000));
  writer.Close();
  EXPECT_EQ(Probe(path, "stream=sample_rate"), "8000");
  EXPECT_EQ(Probe(path, "stream=bit_rate"), "24000");
}

TEST_F(WriterTest, WritersInSeveralThreadsAtOnce) {
  std::vector<std::thread> threads;
  std::vector<int> errors(8, -1);
  for (int i = 0; i < 8; ++i) {
    threads.emplace_back([&, i] {
      TAudioFile2 writer;
      writer.SetWMAEnabled(true);
      std::string path = PathOf("thread" + std::to_string(i));
      switch (i % 4) {
        case 0: writer.SetWAVOutput(44100, 2, 16); path += ".wav"; break;
        case 1: writer.SetMP3Output(44100, 128, 2); path += ".mp3"; break;
        case 2: writer.SetOGGOutput(44100, 2, 499, 0, 0, 128); path += ".ogg"; break;
        default: writer.SetWMAOutput(14); path += ".wma"; break;
      }
      writer.CreateWrite(path, 0);
      writer.WriteBlock(Tone(44100, 2, 44100 * 2, 1000));
      writer.Close();
      TAudioFile2 reader;
      reader.SetWMAEnabled(true);
      reader.OpenRead(path, 0, 1);
      errors[i] = writer.LastError() + reader.LastError() + (reader.LengthSamples() > 80000 ? 0 : 100);
    });
  }
  for (auto& thread : threads) thread.join();
  for (int error : errors) EXPECT_EQ(error, 0);
}

}  // namespace
