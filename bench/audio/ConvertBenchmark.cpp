// Converts one hour of 44.1 kHz stereo WAV to MP3 (128 kbps CBR, quality 2)
// and to OGG (quality 6.99), through our file components and through the
// lame and ffmpeg command lines with the same settings, and prints the
// times and their ratio. CPU time is compared, as other work on the machine
// disturbs wall time; both are printed, each the best of a few rounds run
// in turn. lame runs without its loudness analysis, which our encoder does
// not do either. Arguments: seconds of audio (3600), rounds (2).

#include "platform/audio/AudioFile2.h"
#include "platform/audio/AudioFile2LameEnc.h"

#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>

namespace {

struct Cost {
  double wallSeconds = 0;
  double cpuSeconds = 0;
};

double CpuSeconds(int who) {
  rusage usage{};
  getrusage(who, &usage);
  return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec + (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

Cost Measure(const std::function<void()>& work, int who) {
  double cpuBefore = CpuSeconds(who);
  auto start = std::chrono::steady_clock::now();
  work();
  Cost cost;
  cost.wallSeconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  cost.cpuSeconds = CpuSeconds(who) - cpuBefore;
  return cost;
}

// Music-like content: a few tones that move, and some noise.
void WriteSourceWav(const std::string& path, int seconds) {
  TAudioFile2 writer;
  writer.SetWAVOutput(44100, 2, 16);
  writer.CreateWrite(path, 0);
  TSampleBlock block(44100 * 2);
  unsigned noise = 1;
  for (int second = 0; second < seconds; ++second) {
    for (int i = 0; i < 44100; ++i) {
      double t = second + i / 44100.0;
      double value = 0.3 * std::sin(2 * M_PI * (220 + 20 * std::sin(t / 7)) * t) +
                     0.2 * std::sin(2 * M_PI * 660 * t) * std::sin(t) + 0.1 * std::sin(2 * M_PI * 3300 * t);
      noise = noise * 1664525u + 1013904223u;
      double hiss = ((noise >> 16) / 65536.0 - 0.5) * 0.05;
      block[2 * i] = static_cast<std::int16_t>((value + hiss) * 30000);
      block[2 * i + 1] = static_cast<std::int16_t>((value - hiss) * 30000);
    }
    writer.WriteBlock(block);
  }
  writer.Close();
}

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

struct Pair {
  Cost ours;
  Cost theirs;
};

// Runs ours and theirs in turn, rounds times, keeping the cheapest of each.
Pair BestOf(int rounds, const std::function<void()>& ours, const std::function<void()>& theirs) {
  Pair best;
  for (int round = 0; round < rounds; ++round) {
    Cost a = Measure(ours, RUSAGE_SELF);
    Cost b = Measure(theirs, RUSAGE_CHILDREN);
    if (round == 0 || a.cpuSeconds < best.ours.cpuSeconds) best.ours = a;
    if (round == 0 || b.cpuSeconds < best.theirs.cpuSeconds) best.theirs = b;
  }
  return best;
}

void Run(const std::string& command) {
  if (std::system(command.c_str()) != 0) std::fprintf(stderr, "failed: %s\n", command.c_str());
}

void Report(const char* what, const Cost& ours, const Cost& theirs, const char* tool) {
  std::printf("%s\n", what);
  std::printf("  ours : %7.2f s CPU, %7.2f s wall\n", ours.cpuSeconds, ours.wallSeconds);
  std::printf("  %-5s: %7.2f s CPU, %7.2f s wall\n", tool, theirs.cpuSeconds, theirs.wallSeconds);
  std::printf("  ratio ours / %s: %.3f CPU, %.3f wall (target at most 1.1)\n", tool,
              ours.cpuSeconds / theirs.cpuSeconds, ours.wallSeconds / theirs.wallSeconds);
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
  Report("WAV to MP3, 128 kbps CBR, quality 2", mp3.ours, mp3.theirs, "lame");
  std::printf("  MP3 encoding of 44.1 kHz stereo in real time takes %.2f %% of one core\n",
              100.0 * mp3.ours.cpuSeconds / seconds);

  Pair ogg = BestOf(rounds, [&] {
    TAudioFile2 writer;
    writer.SetOGGOutput(44100, 2, 699, 0, 0, 128);
    Convert(wav, writer, folder + "/ours.ogg");
  }, [&] {
    Run("ffmpeg -nostdin -v error -y -i '" + wav + "' -c:a libvorbis -q:a 6.99 '" + folder + "/ffmpeg.ogg'");
  });
  Report("WAV to OGG, quality 6.99", ogg.ours, ogg.theirs, "ffmpeg");

  std::filesystem::remove_all(folder);
  return 0;
}
