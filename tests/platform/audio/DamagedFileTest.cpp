// Damaged, foreign and half-written files: the reader reports an error or
// delivers what is really there, and never crashes or hangs.

#include "AudioTestSupport.h"

#include "platform/audio/AudioFile2.h"
#include "platform/audio/AudioInformation2.h"

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <random>
#include <thread>

namespace {

class DamagedFileTest : public AudioFileTest {
 protected:
  // Opens path with both components and expects both to refuse it.
  void ExpectRefused(const std::string& path) {
    TAudioFile2 file;
    file.SetWMAEnabled(true);
    file.OpenRead(path, 0, 1);
    EXPECT_NE(file.LastError(), 0) << path;
    EXPECT_FALSE(file.LastErrorText().empty());
    EXPECT_EQ(file.LengthSamples(), 0);
    EXPECT_TRUE(file.ReadBlock(1000).empty());
    EXPECT_EQ(file.Seek(500, 3), 0);
    EXPECT_EQ(file.FormatText(), "Unreadable file");

    TAudioInformation2 information;
    information.SetWMAEnabled(true);
    information.Open(path);
    EXPECT_NE(information.LastError(), 0);
    EXPECT_EQ(information.DurationMs(), 0);
    EXPECT_FALSE(information.FormatText().empty());
  }

  std::string WriteGood(const std::string& name, const std::function<void(TAudioFile2&)>& chooseOutput) {
    std::string path = PathOf(name);
    EXPECT_EQ(WriteWith(path, chooseOutput, Tone(44100, 2, 44100 * 2, 1000)), 0);
    return path;
  }
};

std::string WavHeader(std::uint32_t rate, std::uint16_t channels, std::uint16_t bits, std::uint32_t dataBytes) {
  std::string header(44, '\0');
  auto put = [&](size_t at, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) header[at + i] = static_cast<char>(value >> (8 * i));
  };
  std::memcpy(&header[0], "RIFF", 4);
  put(4, 36 + dataBytes, 4);
  std::memcpy(&header[8], "WAVEfmt ", 8);
  put(16, 16, 4);
  put(20, 1, 2);
  put(22, channels, 2);
  put(24, rate, 4);
  put(28, rate * channels * bits / 8, 4);
  put(32, channels * bits / 8, 2);
  put(34, bits, 2);
  std::memcpy(&header[36], "data", 4);
  put(40, dataBytes, 4);
  return header;
}

TEST_F(DamagedFileTest, MissingEmptyAndRandomFilesAreRefused) {
  ExpectRefused(PathOf("missing.wav"));
  ExpectRefused(folder_);  // a folder is not a file
  ExpectRefused("");
  std::mt19937 random(7);
  for (const char* extension : {"wav", "mp3", "ogg", "wma"}) {
    WriteBytes(PathOf(std::string("empty.") + extension), "");
    ExpectRefused(PathOf(std::string("empty.") + extension));
    for (size_t size : {1u, 100u, 5000u, 300000u}) {
      std::string bytes(size, '\0');
      for (char& b : bytes) b = static_cast<char>(random());
      std::string path = PathOf("random" + std::to_string(size) + "." + extension);
      WriteBytes(path, bytes);
      ExpectRefused(path);
    }
  }
}

TEST_F(DamagedFileTest, FilesCutInsideTheirHeadersAreRefused) {
  std::vector<std::string> good = {
      WriteGood("good.wav", [](TAudioFile2& f) { f.SetWAVOutput(44100, 2, 16); }),
      WriteGood("good.mp3", [](TAudioFile2& f) { f.SetMP3Output(44100, 128, 2); }),
      WriteGood("good.ogg", [](TAudioFile2& f) { f.SetOGGOutput(44100, 2, 499, 0, 0, 128); }),
      WriteGood("good.wma", [](TAudioFile2& f) { f.SetWMAOutput(15); }),
  };
  for (const std::string& path : good) {
    std::string bytes = ReadBytes(path);
    ASSERT_GT(bytes.size(), 1000u);
    for (size_t keep : {4u, 20u, 40u}) {
      std::string cut = path + ".cut" + std::to_string(keep) + path.substr(path.size() - 4);
      WriteBytes(cut, bytes.substr(0, keep));
      ExpectRefused(cut);
    }
  }
}

TEST_F(DamagedFileTest, FilesCutInTheAudioDeliverWhatIsThere) {
  for (const std::string& name : {std::string("cut.wav"), std::string("cut.mp3"), std::string("cut.ogg"),
                                  std::string("cut.wma")}) {
    SCOPED_TRACE(name);
    std::string path = WriteGood(name, [&](TAudioFile2& f) {
      if (name == "cut.wav") f.SetWAVOutput(44100, 2, 16);
      if (name == "cut.mp3") f.SetMP3Output(44100, 128, 2);
      if (name == "cut.ogg") f.SetOGGOutput(44100, 2, 499, 0, 0, 128);
      if (name == "cut.wma") f.SetWMAOutput(15);
    });
    std::string bytes = ReadBytes(path);
    WriteBytes(path, bytes.substr(0, bytes.size() / 2));
    TAudioFile2 file;
    file.SetWMAEnabled(true);
    file.OpenRead(path, 0, 1);
    if (file.LastError() != 0) continue;  // refusing is as good as reading part
    EXPECT_GT(file.LengthSamples(), 0);
    EXPECT_LT(file.LengthSamples(), 44100 * 2);
    TSampleBlock all = ReadAll(path);
    EXPECT_EQ(static_cast<std::int64_t>(all.size() / 2), file.LengthSamples());
  }
}

TEST_F(DamagedFileTest, WavHeadersThatLie) {
  TSampleBlock audio = Tone(8000, 1, 8000, 1000);
  std::string samples(reinterpret_cast<const char*>(audio.data()), audio.size() * 2);

  // Promises far more audio than the file holds: the audio that is there.
  std::string tooLong = PathOf("toolong.wav");
  WriteBytes(tooLong, WavHeader(8000, 1, 16, 0x7FFFFFF0) + samples);
  TAudioFile2 file;
  file.OpenRead(tooLong, 0, 1);
  ASSERT_EQ(file.LastError(), 0) << file.LastErrorText();
  EXPECT_EQ(file.LengthSamples(), 8000);
  EXPECT_EQ(ReadAll(tooLong).size(), 8000u);

  // Impossible formats.
  std::string noChannels = PathOf("nochannels.wav");
  WriteBytes(noChannels, WavHeader(8000, 0, 16, static_cast<std::uint32_t>(samples.size())) + samples);
  ExpectRefused(noChannels);
  std::string noRate = PathOf("norate.wav");
  WriteBytes(noRate, WavHeader(0, 1, 16, static_cast<std::uint32_t>(samples.size())) + samples);
  ExpectRefused(noRate);
  std::string oddBits = PathOf("oddbits.wav");
  WriteBytes(oddBits, WavHeader(8000, 1, 13, static_cast<std::uint32_t>(samples.size())) + samples);
  TAudioFile2 odd;
  odd.OpenRead(oddBits, 0, 1);  // refused or read, but no crash
  ReadAll(oddBits);
}

// A large picture in the tag puts the first frame beyond where the format
// is sniffed; such files still open, and random bytes behind a tag do not.
TEST_F(DamagedFileTest, Mp3BehindALargeTagOpens) {
  std::string plain = WriteGood("plain.mp3", [](TAudioFile2& f) { f.SetMP3Output(44100, 128, 2); });
  const std::uint32_t tagBytes = 1536 * 1024;
  std::string tag = "ID3";
  tag += std::string("\x03\x00\x00", 3);
  for (int shift : {21, 14, 7, 0}) tag += static_cast<char>((tagBytes >> shift) & 0x7F);
  tag += std::string(tagBytes, '\0');  // padding, as tag editors leave it
  std::string tagged = PathOf("tagged.mp3");
  WriteBytes(tagged, tag + ReadBytes(plain));

  TAudioFile2 plainReader, taggedReader;
  plainReader.OpenRead(plain, 0, 1);
  taggedReader.OpenRead(tagged, 0, 1);
  ASSERT_EQ(taggedReader.LastError(), 0) << taggedReader.LastErrorText();
  EXPECT_EQ(taggedReader.LengthSamples(), plainReader.LengthSamples());

  std::string noise(300000, '\0');
  std::mt19937 random(3);
  for (char& b : noise) b = static_cast<char>(random());
  std::string taggedNoise = PathOf("taggednoise.mp3");
  WriteBytes(taggedNoise, tag + noise);
  ExpectRefused(taggedNoise);
}

// The reader keeps the file it opened: seeking back still works after the
// name was removed or taken by another file.
TEST_F(DamagedFileTest, FileRemovedWhileOpenIsStillRead) {
  std::string path = WriteGood("going.ogg", [](TAudioFile2& f) { f.SetOGGOutput(44100, 2, 499, 0, 0, 128); });
  TAudioFile2 reader;
  reader.OpenRead(path, 0, 1);
  ASSERT_EQ(reader.LastError(), 0);
  std::int64_t length = reader.LengthSamples();
  ASSERT_FALSE(reader.ReadBlock(length / 2).empty());
  std::remove(path.c_str());
  WriteBytes(path, "not audio at all");
  EXPECT_EQ(reader.Seek(100, 3), 100);
  std::int64_t frames = 0;
  for (TSampleBlock block = reader.ReadBlock(10000); !block.empty(); block = reader.ReadBlock(10000))
    frames += static_cast<std::int64_t>(block.size() / 2);
  EXPECT_EQ(frames, length - 100);
}

TEST_F(DamagedFileTest, WmaIsReadOnlyWhenEnabled) {
  std::string path = WriteGood("song.wma", [](TAudioFile2& f) { f.SetWMAOutput(13); });
  TAudioFile2 file;
  file.SetWMAEnabled(false);
  file.OpenRead(path, 0, 1);
  EXPECT_EQ(file.LastError(), AUDIO_ERR_WMA_DISABLED);
  file.SetWMAEnabled(true);
  file.OpenRead(path, 0, 1);
  EXPECT_EQ(file.LastError(), 0);
}

// A recorder that dies mid-recording leaves a WAV that holds the audio up
// to the last header update, at most a second or two short.
TEST_F(DamagedFileTest, WavOfAKilledWriterHoldsItsAudio) {
  std::string path = PathOf("killed.wav");
  const int rate = 44100;
  pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    TAudioFile2 writer;
    writer.SetWAVOutput(rate, 2, 16);
    writer.CreateWrite(path, 0);
    TSampleBlock block = Tone(rate, 2, rate / 10, 1000);
    for (int i = 0; i < 60; ++i) writer.WriteBlock(block);  // 6 seconds
    ::raise(SIGKILL);
    _exit(0);
  }
  int status = 0;
  ASSERT_EQ(waitpid(child, &status, 0), child);
  ASSERT_TRUE(WIFSIGNALED(status));

  TAudioFile2 reader;
  reader.OpenRead(path, 0, 1);
  ASSERT_EQ(reader.LastError(), 0) << reader.LastErrorText();
  EXPECT_GE(reader.LengthSamples(), rate * 5);
  EXPECT_LE(reader.LengthSamples(), rate * 6);
  TSampleBlock all = ReadAll(path);
  EXPECT_EQ(static_cast<std::int64_t>(all.size() / 2), reader.LengthSamples());
  EXPECT_GT(ToneShare(all, rate, 2, 1000), 0.9);
  EXPECT_TRUE(DecoderAccepts(path));
}

}  // namespace
