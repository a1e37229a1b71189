// File information, the WMA profile list and the tempo change.

#include "AudioTestSupport.h"

#include "platform/audio/AudioFile2.h"
#include "platform/audio/AudioInformation2.h"
#include "platform/audio/AudioTransform2.h"
#include "platform/audio/WMAFile2.h"

#include <cmath>
#include <limits>

namespace {

class ComponentsTest : public AudioFileTest {};

TEST_F(ComponentsTest, InformationDescribesTheOpenedFile) {
  std::string wav = PathOf("info.wav");
  std::string mp3 = PathOf("info.mp3");
  {
    TAudioFile2 writer;
    writer.SetWAVOutput(22050, 1, 16);
    writer.CreateWrite(wav, 0);
    writer.WriteBlock(Tone(22050, 1, 22050 * 5 / 2, 1000));
    writer.Close();
    writer.SetMP3Output(44100, 128, 2);
    writer.CreateWrite(mp3, 0);
    writer.WriteBlock(Tone(44100, 2, 44100 * 2, 1000));
    writer.Close();
  }
  TAudioInformation2 information;
  information.Open(wav);
  EXPECT_EQ(information.LastError(), 0);
  EXPECT_EQ(information.SampleRate(), 22050);
  EXPECT_EQ(information.Channels(), 1);
  EXPECT_EQ(information.LengthSamples(), 22050 * 5 / 2);
  EXPECT_EQ(information.DurationMs(), 2500);
  EXPECT_EQ(information.FormatText(), "PCM, 16 bit, 22050 Hz, Mono");

  // Opening another file replaces everything.
  information.Open(mp3);
  TAudioFile2 reader;
  reader.OpenRead(mp3, 0, 1);
  EXPECT_EQ(information.SampleRate(), 44100);
  EXPECT_EQ(information.Channels(), 2);
  EXPECT_EQ(information.LengthSamples(), reader.LengthSamples());
  EXPECT_EQ(information.DurationMs(), reader.LengthSamples() * 1000 / 44100);
  EXPECT_EQ(information.FormatText(), "MPEG Layer 3, 128 kbps, 44100 Hz, Stereo");
  EXPECT_EQ(information.FormatText(), reader.FormatText());

  information.Open(PathOf("gone.mp3"));
  EXPECT_NE(information.LastError(), 0);
  EXPECT_EQ(information.LengthSamples(), 0);
  EXPECT_EQ(information.SampleRate(), 0);
}

TEST_F(ComponentsTest, WmaProfilesAreListedInOrder) {
  const char* names[] = {"8000Hz,mono,4kbps",      "8000Hz,mono,5kbps",      "8000Hz,mono,6kbps",
                         "8000Hz,mono,8kbps",      "11025Hz,mono,10kbps",    "16000Hz,mono,16kbps",
                         "22050Hz,mono,20kbps",    "22050Hz,stereo,20kbps",  "22050Hz,stereo,32kbps",
                         "32000Hz,stereo,32kbps",  "32000Hz,stereo,40kbps",  "32000Hz,stereo,48kbps",
                         "44100Hz,stereo,64kbps",  "44100Hz,stereo,96kbps",  "44100Hz,stereo,128kbps"};
  TWMAFile2 profiles;
  ASSERT_EQ(profiles.ProfileCount(), 15);
  for (int k = 1; k <= profiles.ProfileCount(); ++k) {
    profiles.SetProfile(k);
    EXPECT_EQ(profiles.ProfileName(), names[k - 1]);
  }
  profiles.SetProfile(0);
  EXPECT_EQ(profiles.ProfileName(), "");
  profiles.SetProfile(16);
  EXPECT_EQ(profiles.ProfileName(), "");
}

TEST_F(ComponentsTest, WmaOutputTakesTheProfilesFormat) {
  TAudioFile2 writer;
  writer.SetWMAEnabled(true);
  writer.SetWMAOutput(7);
  EXPECT_EQ(writer.SampleRate(), 22050);
  EXPECT_EQ(writer.Channels(), 1);
  writer.SetWMAOutput(12);
  EXPECT_EQ(writer.SampleRate(), 32000);
  EXPECT_EQ(writer.Channels(), 2);
}

TEST_F(ComponentsTest, EveryWmaProfileWritesAFileOfItsFormat) {
  TWMAFile2 profiles;
  for (int k = 1; k <= profiles.ProfileCount(); ++k) {
    SCOPED_TRACE(k);
    std::string path = PathOf("profile" + std::to_string(k) + ".wma");
    TAudioFile2 probe;
    probe.SetWMAOutput(k);
    int rate = probe.SampleRate(), channels = probe.Channels();
    ASSERT_EQ(WriteWith(path, [k](TAudioFile2& f) { f.SetWMAOutput(k); }, Tone(rate, channels, rate / 2, 1000)), 0);
    TAudioFile2 reader;
    reader.SetWMAEnabled(true);
    reader.OpenRead(path, 0, 1);
    ASSERT_EQ(reader.LastError(), 0) << reader.LastErrorText();
    EXPECT_EQ(reader.SampleRate(), rate);
    EXPECT_EQ(reader.Channels(), channels);
    EXPECT_GT(reader.LengthSamples(), 0);
  }
}

// Streams a tone through the tempo change in blocks, as the splitter does.
TSampleBlock Stretch(TAudioTransform2& transform, float percent, int seconds) {
  TSampleBlock out;
  TSampleBlock tone = Tone(44100, 2, 44100 * seconds, 1000);
  const size_t step = 7320 * 2;  // 166 ms
  for (size_t at = 0; at < tone.size(); at += step) {
    TSampleBlock block(tone.begin() + at, tone.begin() + std::min(tone.size(), at + step));
    transform.ChangeTempo(block, percent);
    out.insert(out.end(), block.begin(), block.end());
  }
  return out;
}

TEST_F(ComponentsTest, TempoChangesTheDurationButNotThePitch) {
  TAudioTransform2 transform;
  transform.SetFormat(44100, 2);
  TSampleBlock slow = Stretch(transform, 50.0f, 4);
  // Half speed: twice as long, less what the stretcher still holds.
  EXPECT_NEAR(static_cast<double>(slow.size() / 2), 2.0 * 4 * 44100, 0.05 * 4 * 44100);
  EXPECT_GT(ToneShare(slow, 44100, 2, 1000), 0.8);

  TSampleBlock fast = Stretch(transform, 150.0f, 6);
  EXPECT_NEAR(static_cast<double>(fast.size() / 2), 6 * 44100 / 1.5, 0.05 * 6 * 44100);
  EXPECT_GT(ToneShare(fast, 44100, 2, 1000), 0.8);
}

// The stretcher holds back a tenth of a second or so; Flush hands it out,
// and the stream comes out exactly as long as the tempo makes it.
TEST_F(ComponentsTest, TempoFlushHandsOutTheWholeStream) {
  for (float percent : {200.0f, 50.0f}) {
    SCOPED_TRACE(percent);
    TAudioTransform2 transform;
    transform.SetFormat(44100, 2);
    TSampleBlock out = Stretch(transform, percent, 3);
    TSampleBlock tail;
    transform.Flush(tail);
    out.insert(out.end(), tail.begin(), tail.end());
    EXPECT_NEAR(static_cast<double>(out.size() / 2), 3 * 44100 * 100.0 / percent, 1.0);
    // What was held back is the end of the tone: only the last 50 ms or
    // so blend into the silence the stretcher is flushed with.
    TSampleBlock late(out.end() - 2 * 4410, out.end() - 2 * 2205);
    EXPECT_GT(ToneShare(late, 44100, 2, 1000), 0.8);
    // Once only; the next stream starts afresh.
    transform.Flush(tail);
    EXPECT_TRUE(tail.empty());
    TSampleBlock again = Stretch(transform, percent, 1);
    transform.Flush(tail);
    EXPECT_NEAR(static_cast<double>((again.size() + tail.size()) / 2), 44100 * 100.0 / percent, 1.0);
  }
}

TEST_F(ComponentsTest, TempoLeavesBlocksAloneOnBadValues) {
  TAudioTransform2 transform;
  transform.SetFormat(44100, 2);
  TSampleBlock tone = Tone(44100, 2, 1000, 1000);
  for (float percent : {0.0f, -50.0f, 5000.0f, std::numeric_limits<float>::quiet_NaN()}) {
    TSampleBlock block = tone;
    transform.ChangeTempo(block, percent);
    EXPECT_EQ(block, tone);
  }
  TSampleBlock odd(3, 100);  // not whole stereo frames
  transform.ChangeTempo(odd, 50.0f);
  EXPECT_EQ(odd.size(), 3u);
  TSampleBlock empty;
  transform.ChangeTempo(empty, 50.0f);
  EXPECT_TRUE(empty.empty());
}

}  // namespace
