// Converts one hour of 44.1 kHz stereo WAV to MP3 (128 kbps CBR, quality 2)
// and to OGG (quality 6.99), through our file components and through the
// lame and ffmpeg command lines with the same settings, and prints the
// times and their ratio. lame runs without its loudness analysis, which our
// encoder does not do either. Arguments: seconds of audio (3600), rounds (2).

#include "platform/audio/AudioFile2.h"
#include "platform/audio/AudioFile2LameEnc.h"

#include "BenchSupport.h"

#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>

namespace {

// The copy loop of the converter: one second per block.
void Convert(const std::string& source, TAudioFile2& writer, const std::string& target) {
  TAudioFile2 reader;
  reader.OpenRead(source, 0, 1);
  writer.CreateWrite(target, 0);
  writer.SetInputFormat(reader.FileSampleRate(), reader.FileChannels());
  const std::int64_t block = reader.Channels() * reader.SampleRate();
  for (;;) {
    TSampleBlock data = reader.ReadBlock(block);
    if (data.empty()) break;
    writer.WriteBlock(data);
  }
  writer.Close();
  reader.Close();
  if (writer.LastError() != 0) std::fprintf(stderr, "writing %s failed: %s\n", target.c_str(), writer.LastErrorText().c_str());
}

}  // namespace

int main(int argc, char** argv) {
  int seconds = argc > 1 ? std::atoi(argv[1]) : 3600;
  int rounds = argc > 2 ? std::max(1, std::atoi(argv[2])) : 2;
  char pattern[] = "/tmp/audio-bench-XXXXXX";
  std::string folder = mkdtemp(pattern);
  std::string wav = folder + "/source.wav";
  std::printf("Writing %d s of 44.1 kHz stereo WAV...\n", seconds);
  WriteSourceWav(wav, seconds);

  Pair mp3 = BestOf(rounds, [&] {
    TAudioFile2LameEnc encoder;
    encoder.SetConstantBitRate(true);
    encoder.SetQuality(2);
    TAudioFile2 writer;
    writer.SetMP3Output(44100, 128, 2);
    Convert(wav, writer, folder + "/ours.mp3");
  }, [&] { Run("lame --quiet --noreplaygain --cbr -b 128 -q 2 '" + wav + "' '" + folder + "/lame.mp3'"); });
  Report("WAV to MP3, 128 kbps CBR, quality 2", mp3, "lame", 1.1);
  std::printf("  MP3 encoding of 44.1 kHz stereo in real time takes %.2f %% of one core\n",
              100.0 * mp3.ours.cpuSeconds / seconds);

  Pair ogg = BestOf(rounds, [&] {
    TAudioFile2 writer;
    writer.SetOGGOutput(44100, 2, 699, 0, 0, 128);
    Convert(wav, writer, folder + "/ours.ogg");
  }, [&] {
    Run("ffmpeg -nostdin -v error -y -i '" + wav + "' -c:a libvorbis -q:a 6.99 '" + folder + "/ffmpeg.ogg'");
  });
  Report("WAV to OGG, quality 6.99", ogg, "ffmpeg", 1.1);

  std::filesystem::remove_all(folder);
  return 0;
}
