#include "BenchSupport.h"

#include "platform/audio/AudioFile2.h"

#include <sys/resource.h>

#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace {

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

}  // namespace

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

void Report(const char* what, const Pair& pair, const char* tool, double targetRatio) {
  const Cost& ours = pair.ours;
  const Cost& theirs = pair.theirs;
  std::printf("%s\n", what);
  std::printf("  ours   : %8.3f s CPU, %8.3f s wall\n", ours.cpuSeconds, ours.wallSeconds);
  std::printf("  %-7s: %8.3f s CPU, %8.3f s wall\n", tool, theirs.cpuSeconds, theirs.wallSeconds);
  std::printf("  ratio ours / %s: %.3f CPU, %.3f wall (target at most %.1f)\n", tool,
              ours.cpuSeconds / theirs.cpuSeconds, ours.wallSeconds / theirs.wallSeconds, targetRatio);
}
